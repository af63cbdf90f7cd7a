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
	FVector ConvertRootPosition(FVector LiveLinkPosition) const override;
	FQuat ConvertRootRotation(FQuat LiveLinkRotation) const override;
	FQuat ConvertBoneRotation(FQuat LiveLinkRotation) const override;
	FName GetTargetRootName() const override;
};
