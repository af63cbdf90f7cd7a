#include "RetargetedMesh.h"

#include "ZevoRemapAssetBase.h"

std::unique_ptr<FRetargetedMesh> FRetargetedMesh::Create(UZevoRemapAssetBase& Asset, FString& OutError)
{
	if (!Asset.TargetSkeleton)
	{
		OutError = FString::Printf("%s has no target skeleton to animate (`zevo-editor remap set` gives it one)", *Asset.GetPathName());
		return nullptr;
	}
	return std::unique_ptr<FRetargetedMesh>(new FRetargetedMesh(Asset));
}

FRetargetedMesh::FRetargetedMesh(UZevoRemapAssetBase& InAsset) : Asset(InAsset), Bones(InAsset.TargetSkeleton), Pose(Bones)
{
}

void FRetargetedMesh::Build(float DeltaSeconds, const FLiveLinkSkeletonStaticData& Skeleton, const FLiveLinkAnimationFrameData& Frame)
{
	Pose.ResetToRefPose();
	Asset.BuildPoseFromAnimationData(DeltaSeconds, &Skeleton, &Frame, Pose);
}
