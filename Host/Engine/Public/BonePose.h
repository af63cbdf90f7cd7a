#pragma once
// FCompactPose: the local transforms of the required bones of one evaluation, starting from the
// reference pose.
#include "BoneContainer.h"

class FCompactPose
{
public:
	explicit FCompactPose(const FBoneContainer& InBoneContainer) : BoneContainer(&InBoneContainer) { ResetToRefPose(); }

	const FBoneContainer& GetBoneContainer() const { return *BoneContainer; }
	int32 GetNumBones() const { return Bones.Num(); }
	FTransform& operator[](FCompactPoseBoneIndex BoneIndex) { return Bones[BoneIndex.GetInt()]; }
	const FTransform& operator[](FCompactPoseBoneIndex BoneIndex) const { return Bones[BoneIndex.GetInt()]; }
	/** Host only: by the mesh index, which equals the compact one here (see FBoneContainer). */
	FTransform& operator[](int32 PoseIndex) { return Bones[PoseIndex]; }
	const FTransform& operator[](int32 PoseIndex) const { return Bones[PoseIndex]; }
	const TArray<FTransform>& GetBones() const { return Bones; }
	void ResetToRefPose() { Bones = BoneContainer->GetReferenceSkeleton().GetRefBonePose(); }
	/** Component-space transform of a bone: local first, then each parent. */
	FTransform GetComponentSpaceTransform(int32 PoseIndex) const;

private:
	const FBoneContainer* BoneContainer;
	TArray<FTransform> Bones;
};
