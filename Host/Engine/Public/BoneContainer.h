#pragma once
// FBoneContainer: the bones an animation evaluation writes: the skeleton asset, the reference
// skeleton of the driven mesh, the mesh index of a bone name and the compact pose index of a mesh
// bone (FMeshPoseBoneIndex, FCompactPoseBoneIndex).
// Knowingly different from the engine: every bone of the mesh is required (no level of detail
// leaves one out), so a compact pose index always equals its mesh index.
#include "Animation/Skeleton.h"

/** A bone's index in the mesh's reference skeleton. */
struct FMeshPoseBoneIndex
{
	explicit FMeshPoseBoneIndex(int32 InBoneIndex) : BoneIndex(InBoneIndex) {}
	int32 GetInt() const { return BoneIndex; }
	bool IsValid() const { return BoneIndex != INDEX_NONE; }

private:
	int32 BoneIndex;
};

/** A bone's index in the compact pose of one evaluation: the bones it requires, parents first. */
struct FCompactPoseBoneIndex
{
	explicit FCompactPoseBoneIndex(int32 InBoneIndex) : BoneIndex(InBoneIndex) {}
	int32 GetInt() const { return BoneIndex; }
	bool IsValid() const { return BoneIndex != INDEX_NONE; }
	bool operator==(int32 Other) const { return BoneIndex == Other; }
	bool operator!=(int32 Other) const { return BoneIndex != Other; }

private:
	int32 BoneIndex;
};

struct FBoneContainer
{
	FBoneContainer() = default;
	/** The mesh is a mesh of Skeleton with its reference skeleton. */
	explicit FBoneContainer(const USkeleton* InSkeleton) : Skeleton(InSkeleton) {}

	const USkeleton* GetSkeletonAsset() const { return Skeleton; }
	const FReferenceSkeleton& GetReferenceSkeleton() const;
	int32 GetNumBones() const { return GetReferenceSkeleton().GetNum(); }
	/** INDEX_NONE when the mesh has no bone of that name. */
	int32 GetPoseBoneIndexForBoneName(FName BoneName) const { return BoneName.IsNone() ? INDEX_NONE : GetReferenceSkeleton().FindBoneIndex(BoneName); }
	/** INDEX_NONE when the evaluation does not require the bone. */
	FCompactPoseBoneIndex MakeCompactPoseIndex(const FMeshPoseBoneIndex& MeshIndex) const
	{
		return FCompactPoseBoneIndex(MeshIndex.GetInt() >= 0 && MeshIndex.GetInt() < GetNumBones() ? MeshIndex.GetInt() : INDEX_NONE);
	}

private:
	const USkeleton* Skeleton = nullptr;
};
