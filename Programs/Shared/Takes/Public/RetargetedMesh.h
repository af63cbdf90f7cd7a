#pragma once
// FRetargetedMesh: a mesh of a remap asset's target skeleton whose pose is built from a character
// subject's frames as the engine's animation evaluation builds it: from the mesh's reference pose,
// through the asset. The editor's --animate and the retargeted export both build through it, so
// that the same frames give the same poses.
#include "BonePose.h"
#include "Roles/LiveLinkAnimationTypes.h"

#include <memory>

class UZevoRemapAssetBase;

class FRetargetedMesh
{
public:
	/** A mesh for Asset; null, with OutError saying why, when the asset has no target skeleton. */
	static std::unique_ptr<FRetargetedMesh> Create(UZevoRemapAssetBase& Asset, FString& OutError);

	/** Starts from the reference pose and lets the asset build the pose of Frame. */
	void Build(float DeltaSeconds, const FLiveLinkSkeletonStaticData& Skeleton, const FLiveLinkAnimationFrameData& Frame);

	const FCompactPose& GetPose() const { return Pose; }
	const FReferenceSkeleton& GetReferenceSkeleton() const { return Bones.GetReferenceSkeleton(); }
	UZevoRemapAssetBase& GetAsset() const { return Asset; }

private:
	explicit FRetargetedMesh(UZevoRemapAssetBase& InAsset);

	UZevoRemapAssetBase& Asset;
	FBoneContainer Bones;
	/** Refers to Bones: the mesh is never copied or moved. */
	FCompactPose Pose;
};
