#pragma once
// FZevoTposeCalculator: compares a target skeleton's rest pose with a T-pose reference skeleton
// and gives, per mapped limb bone, the local rotation that turns the target's rest pose into a
// T-pose. It reads reference skeletons only and never sees stream data.
#include "ZevoBoneMapping.h"

class USkeleton;
class FReferenceSkeleton;

class FZevoTposeCalculator
{
public:
	/** Target bone name to delta rotation; empty (with a warning) when either skeleton is missing. */
	static TMap<FName, FQuat> CalculateTPoseDeltas(
		const USkeleton* TargetSkeleton, const USkeleton* ReferenceSkeleton, const TArray<FZevoBoneMappingRow>& BoneMapping);

	/** Component-space position of a bone in the reference pose; the zero vector for index -1. */
	static FVector CalculateWorldPosition(const FReferenceSkeleton& RefSkeleton, int32 BoneIndex, bool bIgnoreRootRotation = false);

	/** Height of the hips above the lower ankle in the reference pose, in centimetres. */
	static float CalculateHipToFootBottomDistance(const USkeleton* Skeleton, const TArray<FZevoBoneMappingRow>& BoneMapping);

private:
	friend class FZevoTposeCalculatorTestAccess;

	/**
	 * Which name of a stream bone a skeleton is searched by first. A T-pose reference carries the
	 * stream's names; a target carries its own, which may be the stream's name of another bone (a
	 * rig that calls its clavicle LeftShoulder), so there the mapped name comes first.
	 */
	enum class ELookup : uint8
	{
		StreamNameFirst,
		MappedNameFirst,
	};

	/** Component-space transforms of every bone of a reference pose, composed once for a whole calculation. */
	struct FComponentPose
	{
		explicit FComponentPose(const FReferenceSkeleton& InSkeleton, bool bIgnoreRootRotation = false);
		/** The origin, respectively identity, for INDEX_NONE. */
		FVector Position(int32 Bone) const;
		FQuat Rotation(int32 Bone) const;

		const FReferenceSkeleton& Skeleton;
		TArray<FTransform> Transforms;
	};

	/**
	 * Straightens every mapped bone of the target-bone list, parents first, each onto the
	 * straightened rotation of its nearest straightened ancestor (TPoseWorldRotations, by target
	 * index, which also holds the feet as they will stand); records each one's delta.
	 */
	static void StraightenLimbs(const FComponentPose& TargetPose, const FComponentPose& ReferencePose,
		const TArray<FZevoBoneMappingRow>& BoneMapping, TMap<int32, FQuat>& TPoseWorldRotations, TMap<FName, FQuat>& Deltas);
	static FQuat CalculateWorldRotation(const FReferenceSkeleton& RefSkeleton, int32 BoneIndex, bool bIgnoreRootRotation = false);
	/**
	 * The bone's component rotation in the T-pose: its rest rotation turned so that its direction,
	 * and where it has one its roll, match the reference (bInOutRolled is then set); a bone without
	 * a roll of its own is first turned by ParentCorrection, the turn that straightened its parent,
	 * where that parent's roll is known (bInOutRolled set on the way in) or the bone has no
	 * direction of its own.
	 */
	static FQuat CalculateBoneTPoseRotation(const FComponentPose& Target, const FComponentPose& TPose, int32 TargetBoneIndex, EZevoBoneName Bone, const TArray<FZevoBoneMappingRow>& BoneMapping, const FQuat& ParentCorrection,
		bool& bInOutRolled);
	/**
	 * The roll of a bone in both skeletons: the direction from the bone toward the first of its
	 * roll bones (GetRollBones) that both skeletons have, across the bone's direction. False when
	 * there is none.
	 */
	static bool FindBoneRoll(const FComponentPose& Target, int32 TargetBoneIndex, const FVector& TargetDirection, const FComponentPose& TPose,
		int32 TPoseBoneIndex, const FVector& TPoseDirection, EZevoBoneName Bone,
		const TArray<FZevoBoneMappingRow>& BoneMapping, FVector& OutTargetUp, FVector& OutTPoseUp);
	static FVector GetBoneDirection(const FReferenceSkeleton& RefSkeleton, int32 BoneIndex, EZevoBoneName Bone,
		const TArray<FZevoBoneMappingRow>& BoneMapping, bool bIgnoreRootRotation, ELookup Lookup = ELookup::StreamNameFirst);
	/** bOutOwnDirection, where given, is cleared when the bone has no child to point to and the direction falls back. */
	static FVector GetBoneDirection(const FComponentPose& Pose, int32 BoneIndex, EZevoBoneName Bone, const TArray<FZevoBoneMappingRow>& BoneMapping,
		ELookup Lookup, bool* bOutOwnDirection = nullptr);
	static FVector GetBoneUp(EZevoBoneName Bone, const FVector& Direction);
	static FVector GetUpHint(EZevoBoneName Bone);
	static EZevoBoneName GetChildBone(EZevoBoneName Bone);
	static EZevoBoneName GetParentBone(EZevoBoneName Bone);
	static const TArray<EZevoBoneName>& GetTargetBones();
	/** The bones besides its child whose direction from Bone gives its roll: a wrist's other knuckles. */
	static const TArray<EZevoBoneName>& GetRollBones(EZevoBoneName Bone);
	static bool ShouldSkipTPoseCalculation(EZevoBoneName Bone);
	static FName FindMappedBoneName(EZevoBoneName Bone, const TArray<FZevoBoneMappingRow>& BoneMapping);
	/** The bone's index by its stream name and by its mapped name, in the order Lookup says; -1 when neither exists. */
	static int32 FindStreamBone(const FReferenceSkeleton& RefSkeleton, EZevoBoneName Bone, const TArray<FZevoBoneMappingRow>& BoneMapping,
		ELookup Lookup = ELookup::StreamNameFirst);
};
