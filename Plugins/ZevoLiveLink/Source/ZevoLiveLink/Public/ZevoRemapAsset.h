#pragma once
// UZevoRemapAsset: the remap asset users create. The stream is metres in a Y-up frame; this
// class turns it into engine centimetres, Z up.
#include "ZevoRemapAssetBase.h"
#include "ZevoRemapAsset.generated.h"

/** Zevo Custom Remap Asset */
UCLASS(BlueprintType, Blueprintable, EditInlineNew, meta = (ToolTip = "Zevo Custom Remap Asset"))
class UZevoRemapAsset : public UZevoRemapAssetBase
{
	GENERATED_BODY()

protected:
	FVector ConvertRootPosition(FVector LiveLinkPosition) const override
	{
		return FVector(-100.0 * LiveLinkPosition.X, 100.0 * LiveLinkPosition.Z, 100.0 * LiveLinkPosition.Y);
	}
	FQuat ConvertRootRotation(FQuat LiveLinkRotation) const override { return ConvertStreamRotation(LiveLinkRotation); }
	FQuat ConvertBoneRotation(FQuat LiveLinkRotation) const override { return ConvertStreamRotation(LiveLinkRotation); }
	FName GetTargetRootName() const override { return FName("Hips"); }

private:
	static FQuat ConvertStreamRotation(const FQuat& Q) { return FQuat(-Q.X, Q.Z, Q.Y, Q.W); }
};
