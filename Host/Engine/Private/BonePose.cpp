#include "BonePose.h"

const FReferenceSkeleton& FBoneContainer::GetReferenceSkeleton() const
{
	static const FReferenceSkeleton Empty;
	return Skeleton ? Skeleton->GetReferenceSkeleton() : Empty;
}

FTransform FCompactPose::GetComponentSpaceTransform(int32 PoseIndex) const
{
	const FReferenceSkeleton& RefSkeleton = BoneContainer->GetReferenceSkeleton();
	FTransform Result = FTransform::Identity;
	for (int32 Index = PoseIndex; Index != INDEX_NONE; Index = RefSkeleton.GetParentIndex(Index))
	{
		Result = Result * Bones[Index];
	}
	return Result;
}
