#pragma once
// The engine's retarget assets: a Live Link pose node asks its asset to turn a subject's
// animation frame into the local pose of the mesh it drives.
#include "BonePose.h"
#include "Roles/LiveLinkAnimationTypes.h"
#include "UObject/Object.h"

class ULiveLinkRetargetAsset : public UObject
{
	ZEVO_CLASS(ULiveLinkRetargetAsset, UObject)

public:
	/** Writes the pose built from one frame; may run on an animation worker thread. */
	virtual void BuildPoseFromAnimationData(float DeltaTime, const FLiveLinkSkeletonStaticData* InSkeletonData,
		const FLiveLinkAnimationFrameData* InFrameData, FCompactPose& OutPose)
	{
	}
};

class ULiveLinkRemapAsset : public ULiveLinkRetargetAsset
{
	ZEVO_CLASS(ULiveLinkRemapAsset, ULiveLinkRetargetAsset)
};
