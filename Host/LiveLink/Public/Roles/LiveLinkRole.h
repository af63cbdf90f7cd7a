#pragma once
// Live Link roles: a subject's role class says which static and frame data it carries.
#include "UObject/Object.h"

class ULiveLinkRole : public UObject
{
	ZEVO_CLASS(ULiveLinkRole, UObject)
};

class ULiveLinkBasicRole : public ULiveLinkRole
{
	ZEVO_CLASS(ULiveLinkBasicRole, ULiveLinkRole)
};

/** Skeleton static data and per-bone transforms (FLiveLinkSkeletonStaticData, FLiveLinkAnimationFrameData). */
class ULiveLinkAnimationRole : public ULiveLinkBasicRole
{
	ZEVO_CLASS(ULiveLinkAnimationRole, ULiveLinkBasicRole)
};

/** One transform (FLiveLinkTransformStaticData, FLiveLinkTransformFrameData). */
class ULiveLinkTransformRole : public ULiveLinkBasicRole
{
	ZEVO_CLASS(ULiveLinkTransformRole, ULiveLinkBasicRole)
};
