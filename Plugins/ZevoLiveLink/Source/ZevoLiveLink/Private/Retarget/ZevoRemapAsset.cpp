#include "ZevoRemapAsset.h"

#include "ZevoStreamConventions.h"

FVector UZevoRemapAsset::ConvertRootPosition(FVector LiveLinkPosition) const
{
	return FZevoStreamConventions::PositionToEngine(LiveLinkPosition);
}

FQuat UZevoRemapAsset::ConvertRootRotation(FQuat LiveLinkRotation) const
{
	return FZevoStreamConventions::RotationToEngine(LiveLinkRotation);
}

FQuat UZevoRemapAsset::ConvertBoneRotation(FQuat LiveLinkRotation) const
{
	return FZevoStreamConventions::RotationToEngine(LiveLinkRotation);
}

FName UZevoRemapAsset::GetTargetRootName() const
{
	return FName(TEXT("Hips"));
}
