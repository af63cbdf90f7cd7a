// Duplicate and missing mapping detection: which target bones are fed by several stream bones,
// and which stream bones have no target, summarised in the asset's two status lines.
#include "ZevoRemapAssetBase.h"

namespace
{
struct FLabelledRows
{
	const TArray<FZevoBoneMappingRow>* Rows;
	const TCHAR* Label;
};

TArray<FLabelledRows> LabelledGroups(const UZevoRemapAssetBase& Asset)
{
	return {{&Asset.BodySpineBones, TEXT("Body/Spine")}, {&Asset.LegBones, TEXT("Leg")}, {&Asset.ArmBones, TEXT("Arm")},
		{&Asset.FingerBones, TEXT("Finger")}};
}
}

TArray<FString> UZevoRemapAssetBase::RebuildDuplicateTargetBones()
{
	DuplicateTargetBones.Empty();
	TMap<FName, TArray<FName>> SourcesByTarget;
	TMap<FName, TSet<FString>> GroupsByTarget;
	for (const FLabelledRows& Group : LabelledGroups(*this))
	{
		for (const FZevoBoneMappingRow& Row : *Group.Rows)
		{
			if (Row.TargetBone.IsNone() || Row.TargetBone.ToString().TrimStartAndEnd().IsEmpty())
			{
				continue;
			}
			const FName Source = FZevoBoneNameUtils::EnumToFName(Row.SourceBone);
			if (Source.IsNone())
			{
				continue;
			}
			SourcesByTarget.FindOrAdd(Row.TargetBone).Add(Source);
			GroupsByTarget.FindOrAdd(Row.TargetBone).Add(Group.Label);
		}
	}

	TSet<FString> GroupsWithDuplicates;
	for (const auto& Entry : SourcesByTarget)
	{
		if (Entry.Value.Num() >= 2)
		{
			DuplicateTargetBones.Add(Entry.Key, Entry.Value);
			GroupsWithDuplicates.Append(GroupsByTarget[Entry.Key]);
		}
	}
	return GroupsWithDuplicates.Array();
}

void UZevoRemapAssetBase::UpdateDuplicateDetection()
{
	const TArray<FString> GroupsWithDuplicates = RebuildDuplicateTargetBones();
	for (const auto& Entry : DuplicateTargetBones)
	{
		TArray<FString> Names;
		for (const FName Source : Entry.Value)
		{
			Names.Add(Source.ToString());
		}
		UE_LOG(LogTemp, Warning, TEXT("[Zevo Remap] Duplicate detected: '%s' <- [%s]"), *Entry.Key.ToString(), *FString::Join(Names, TEXT(", ")));
	}
	if (DuplicateTargetBones.IsEmpty())
	{
		DuplicateStatusText = TEXT("OK");
	}
	else
	{
		const FString Joined = FString::Join(GroupsWithDuplicates, TEXT(", "));
		DuplicateStatusText = FString::Printf(TEXT("%d duplicate(s) [%s]"), DuplicateTargetBones.Num(), *Joined);
		UE_LOG(LogTemp, Warning, TEXT("[Zevo Remap] Duplicate mappings detected: %d target bones have multiple source bones in groups: %s"),
			DuplicateTargetBones.Num(), *Joined);
	}

	int32 Unmapped = 0;
	TMap<FString, int32> UnmappedByGroup;
	for (const FLabelledRows& Group : LabelledGroups(*this))
	{
		for (const FZevoBoneMappingRow& Row : *Group.Rows)
		{
			if (Row.TargetBone.IsNone() && !FZevoBoneNameUtils::EnumToFName(Row.SourceBone).IsNone())
			{
				++Unmapped;
				++UnmappedByGroup.FindOrAdd(Group.Label);
			}
		}
	}
	if (Unmapped == 0)
	{
		MissingStatusText = TEXT("OK");
		return;
	}
	TArray<FString> Counts;
	for (const auto& Entry : UnmappedByGroup)
	{
		Counts.Add(FString::Printf(TEXT("%s:%d"), *Entry.Key, Entry.Value));
	}
	MissingStatusText = FString::Printf(TEXT("%d unmapped [%s]"), Unmapped, *FString::Join(Counts, TEXT(", ")));
}
