#pragma once
// FBoneContainer: the bones an animation evaluation writes: the skeleton asset, the reference
// skeleton of the driven mesh, and the pose index of a bone name.
// Knowingly different from the engine: every bone of the mesh is required, so a pose index is the
// bone's index in the mesh's reference skeleton.
#include "Animation/Skeleton.h"

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

private:
	const USkeleton* Skeleton = nullptr;
};
