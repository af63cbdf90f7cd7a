#pragma once
// UZevoRemapAsset: the remap asset users create. The stream is metres in a Y-up frame; this
// class turns it into engine centimetres, Z up.
#include "ZevoRemapAssetBase.h"

class UZevoRemapAsset : public UZevoRemapAssetBase
{
	ZEVO_CLASS(UZevoRemapAsset, UZevoRemapAssetBase)

protected:
	FVector ConvertRootPosition(FVector LiveLinkPosition) const override
	{
		return FVector(-100.0 * LiveLinkPosition.X, 100.0 * LiveLinkPosition.Z, 100.0 * LiveLinkPosition.Y);
	}
	FQuat ConvertRootRotation(FQuat LiveLinkRotation) const override { return ConvertStreamRotation(LiveLinkRotation); }
	FQuat ConvertBoneRotation(FQuat LiveLinkRotation) const override { return ConvertStreamRotation(LiveLinkRotation); }
	FName GetTargetRootName() const override { return FName(TEXT("Hips")); }

private:
	static FQuat ConvertStreamRotation(const FQuat& Q) { return FQuat(-Q.X, Q.Z, Q.Y, Q.W); }
};
