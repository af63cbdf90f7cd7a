#pragma once
// Static and frame data of the transform role: one transform.
#include "LiveLinkTypes.h"

struct FLiveLinkTransformStaticData : FLiveLinkBaseStaticData
{
	static UScriptStruct* StaticStruct();
};

struct FLiveLinkTransformFrameData : FLiveLinkBaseFrameData
{
	static UScriptStruct* StaticStruct();

	FTransform Transform;
};
