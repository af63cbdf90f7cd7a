#pragma once
// Reaches the remap asset's protected conversions and private caches from the tests.
#include "ZevoRemapAsset.h"
#include "UObject/UnrealType.h"

class FZevoRemapAssetTestAccess
{
public:
	static FVector ConvertRootPosition(const UZevoRemapAssetBase& Asset, const FVector& P) { return Asset.ConvertRootPosition(P); }
	static FQuat ConvertBoneRotation(const UZevoRemapAssetBase& Asset, const FQuat& Q) { return Asset.ConvertBoneRotation(Q); }
	static FName GetTargetRootName(const UZevoRemapAssetBase& Asset) { return Asset.GetTargetRootName(); }
	static const FVector& PositionScale(const UZevoRemapAssetBase& Asset) { return Asset.PositionScale; }
	static bool IsPositionScaleValid(const UZevoRemapAssetBase& Asset) { return Asset.bPositionScaleValid; }
	static bool IsHipCorrectionValid(const UZevoRemapAssetBase& Asset) { return Asset.bHipCorrectionValid; }
	static float HipCorrectionOffset(const UZevoRemapAssetBase& Asset) { return Asset.HipCorrectionOffset; }
	static const TMap<FName, FQuat>& Deltas(const UZevoRemapAssetBase& Asset) { return Asset.TPoseRotationDeltas; }

	/** Sends the property editor's change event for a member (and an innermost property of it). */
	static void NotifyChanged(UZevoRemapAssetBase& Asset, const char* Member, const char* Innermost = nullptr)
	{
		FProperty* MemberProperty = UZevoRemapAssetBase::StaticClass()->FindPropertyByName(FName(Member));
		FProperty* InnerProperty = Innermost ? TBaseStructure<FZevoBoneMappingRow>::Get()->FindPropertyByName(FName(Innermost)) : MemberProperty;
		FPropertyChangedEvent Event(InnerProperty, MemberProperty, EPropertyChangeType::ValueSet);
		Asset.PostEditChangeProperty(Event);
	}

	/** Sets every row's target from a map of stream identifier to target name (others None). */
	static void SetTargets(UZevoRemapAssetBase& Asset, const TMap<FName, FName>& Targets)
	{
		for (TArray<FZevoBoneMappingRow>* Rows : {&Asset.BodySpineBones, &Asset.LegBones, &Asset.ArmBones, &Asset.FingerBones})
		{
			for (FZevoBoneMappingRow& Row : *Rows)
			{
				Row.TargetBone = Targets.FindRef(FZevoBoneNameUtils::EnumToFName(Row.SourceBone));
			}
		}
	}

	/** The current mapping as stream identifier to target. */
	static TMap<FName, FName> Targets(const UZevoRemapAssetBase& Asset)
	{
		TMap<FName, FName> Result;
		for (const FZevoBoneMappingRow& Row : Asset.GetAllBones())
		{
			Result.Add(FZevoBoneNameUtils::EnumToFName(Row.SourceBone), Row.TargetBone);
		}
		return Result;
	}
};
