#pragma once
// Humanoid test rigs in the naming conventions that the automatic bone mapping meets in the
// wild, each with a skinned box mesh whose soles touch Z = 0, and the mapping from the 52 stream
// bones to the rig's bones that a careful rigger would choose. All positions are the engine's:
// centimetres, Z up, the character facing +Y with its left side on +X.
//
// The checked-in files under Rigs/ are made by WriteTestRigFiles; the tests import them and
// compare them with these definitions, so the definitions are the truth and the files its record.
#include "CoreMinimal.h"

#include <string>
#include <vector>

struct FTestRigBone
{
	std::string Name;
	/** Empty for the root. */
	std::string Parent;
	/** Component-space position in the rest pose. */
	FVector Position;
	/** Half the thickness of the bone's box; 0 for a bone that the mesh does not bind to. */
	double BoxRadius = 0.0;
	/** The stream bone identifier ("LeftHip", ...) that this bone stands for, or empty. */
	std::string StreamBone;
};

struct FTestRig
{
	std::string Name;
	std::string Description;
	bool bTPose = true;
	/** Bones turned so that their X axis points at their first child; otherwise no rest rotations. */
	bool bAlignedBones = false;
	bool bWriteFbx = true;
	bool bWriteGltf = true;
	bool bWriteBvh = true;
	bool bHasMesh = true;
	/** Parents before children. */
	std::vector<FTestRigBone> Bones;

	int FindBone(const std::string& BoneName) const;
	/** Component-space rest rotation of a bone (identity unless bAlignedBones). */
	FQuat ComponentRotation(int BoneIndex) const;
	/** Local rest transform, relative to the parent bone. */
	FTransform LocalTransform(int BoneIndex) const;
	/** The box mesh: 8 corners per bound bone, in bone order, each corner bound to its bone alone. */
	std::vector<FVector> BoxCorners(int BoneIndex) const;
	/** The expected mapping as JSON text: all 52 stream bone identifiers, null where the rig lacks one. */
	std::string MappingJson() const;
};

/** The 52 stream bone identifiers, in stream order. */
const std::vector<std::string>& StreamBoneIdentifiers();

std::vector<FTestRig> MakeTestRigs();

/** The folder of the checked-in rig files (beside this header). */
std::string TestRigsDir();

/** Writes Name.fbx (ASCII), Name.glb, Name.bvh and Name.mapping.json, as the rig asks. */
bool WriteTestRigFiles(const FTestRig& Rig, const std::string& Dir, std::string& OutError);
