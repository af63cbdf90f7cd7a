#pragma once
// UZevoRemapAsset: the remap asset users create. The stream is metres in a Y-up frame; this
// class turns it into engine centimetres, Z up.
#include "ZevoRemapAssetBase.h"

class UZevoRemapAsset : public UZevoRemapAssetBase
{
	ZEVO_CLASS(UZevoRemapAsset, UZevoRemapAssetBase)

protected:
	FVector ConvertRootPosition(FVector LiveLinkPosition) const override;
	FQuat ConvertRootRotation(FQuat LiveLinkRotation) const override;
	FQuat ConvertBoneRotation(FQuat LiveLinkRotation) const override;
	FName GetTargetRootName() const override;
};
