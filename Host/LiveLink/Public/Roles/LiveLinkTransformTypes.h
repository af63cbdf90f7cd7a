#pragma once
// Static and frame data of the transform role: one transform.
#include "LiveLinkTypes.h"

struct FLiveLinkTransformStaticData : FLiveLinkBaseStaticData
{
};

struct FLiveLinkTransformFrameData : FLiveLinkBaseFrameData
{
	FTransform Transform;
};
