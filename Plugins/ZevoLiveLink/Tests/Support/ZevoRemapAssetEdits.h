#pragma once
// Edits of a remap asset as the property editor makes them: rows set from a map, and the change
// event that follows an edit.
#include "UObject/UnrealType.h"
#include "ZevoRemapAsset.h"

namespace ZevoRemapAssetEdits
{
/** Sends the property editor's change event for a member (and an innermost property of it). */
inline void NotifyChanged(UZevoRemapAssetBase& Asset, const char* Member, const char* Innermost = nullptr)
{
	FProperty* MemberProperty = UZevoRemapAssetBase::StaticClass()->FindPropertyByName(FName(Member));
	FProperty* InnerProperty = Innermost ? TBaseStructure<FZevoBoneMappingRow>::Get()->FindPropertyByName(FName(Innermost)) : MemberProperty;
	FPropertyChangedEvent Event(InnerProperty, MemberProperty, EPropertyChangeType::ValueSet);
	Asset.PostEditChangeProperty(Event);
}

/** Sets every row's target from a map of stream identifier to target name (others None). */
inline void SetTargets(UZevoRemapAssetBase& Asset, const TMap<FName, FName>& Targets)
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
inline TMap<FName, FName> Targets(const UZevoRemapAssetBase& Asset)
{
	TMap<FName, FName> Result;
	for (const FZevoBoneMappingRow& Row : Asset.GetAllBones())
	{
		Result.Add(FZevoBoneNameUtils::EnumToFName(Row.SourceBone), Row.TargetBone);
	}
	return Result;
}
}
