#pragma once
// A small asset class with every kind of saved property, for the asset file tests.
#include "UObject/ObjectMacros.h"

enum class EAssetTestSide : uint8
{
	Left,
	Right,
};
ZEVO_DECLARE_ENUM(EAssetTestSide)

struct FAssetTestRow
{
	EAssetTestSide Side = EAssetTestSide::Left;
	FName Target;
	FVector Offset;
};
ZEVO_DECLARE_STRUCT(FAssetTestRow)

class UAssetTestSkeleton : public UObject
{
	ZEVO_CLASS(UAssetTestSkeleton, UObject)
public:
	FString Label;
	UAssetTestSkeleton* Partner = nullptr;
};

class UAssetTestAsset : public UObject
{
	ZEVO_CLASS(UAssetTestAsset, UObject)
public:
	UAssetTestSkeleton* Skeleton = nullptr;
	float GroundOffset = 0.f;
	bool bUseCorrection = true;
	int32 Count = 0;
	uint8 Level = 0;
	double Weight = 1.0;
	FString Status;
	FName RootName = "root";
	EAssetTestSide Side = EAssetTestSide::Left;
	FTransform Pose;
	FLinearColor Tint;
	TArray<FAssetTestRow> Rows;
	TArray<float> Samples;
	/** Derived from Samples after loading. */
	float Cache = 0.f;

	void PostLoad() override { Cache = static_cast<float>(Samples.Num()); }
};
