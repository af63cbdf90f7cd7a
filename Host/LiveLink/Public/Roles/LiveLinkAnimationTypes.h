#pragma once
// Static and frame data of the animation role: a skeleton and one local transform per bone.
#include "LiveLinkTypes.h"

struct FLiveLinkSkeletonStaticData : FLiveLinkBaseStaticData
{
	static UScriptStruct* StaticStruct();

	TArray<FName> BoneNames;
	TArray<int32> BoneParents;

	void SetBoneNames(const TArray<FName>& Names) { BoneNames = Names; }
	const TArray<FName>& GetBoneNames() const { return BoneNames; }
	void SetBoneParents(const TArray<int32>& Parents) { BoneParents = Parents; }
	const TArray<int32>& GetBoneParents() const { return BoneParents; }
};

struct FLiveLinkAnimationFrameData : FLiveLinkBaseFrameData
{
	static UScriptStruct* StaticStruct();

	TArray<FTransform> Transforms;
};
