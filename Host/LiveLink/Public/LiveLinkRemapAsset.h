#pragma once
// The engine's retarget assets: a Live Link pose node asks its asset to turn a subject's
// animation frame into the local pose of the mesh it drives. A remap asset also names the target
// bone each subject bone drives (GetRemappedBoneName, a native event that subclasses override
// through GetRemappedBoneName_Implementation).
#include "BonePose.h"
#include "Roles/LiveLinkAnimationTypes.h"
#include "UObject/Object.h"
#include "LiveLinkRemapAsset.generated.h"

UCLASS(Abstract)
class ULiveLinkRetargetAsset : public UObject
{
	GENERATED_BODY()

public:
	/** Writes the pose built from one frame; may run on an animation worker thread. */
	virtual void BuildPoseFromAnimationData(float DeltaTime, const FLiveLinkSkeletonStaticData* InSkeletonData,
		const FLiveLinkAnimationFrameData* InFrameData, FCompactPose& OutPose)
	{
	}
};

UCLASS(Abstract)
class ULiveLinkRemapAsset : public ULiveLinkRetargetAsset
{
	GENERATED_BODY()

public:
	/** The target bone that the subject's bone BoneName drives: by default the same name. */
	UFUNCTION(BlueprintNativeEvent, Category = "Live Link Remap")
	FName GetRemappedBoneName(FName BoneName) const;
};
