// Duplicate and missing mapping detection: which target bones are fed by several stream bones,
// and which stream bones have no target, summarised in the asset's two status lines.
#include "ZevoRemapAssetBase.h"

namespace
{
struct FLabelledRows
{
	const TArray<FZevoBoneMappingRow>* Rows;
	const char* Label;
};
}

void UZevoRemapAssetBase::UpdateDuplicateDetection()
{
	DuplicateTargetBones.Empty();
	const FLabelledRows Groups[] = {{&BodySpineBones, "Body/Spine"}, {&LegBones, "Leg"}, {&ArmBones, "Arm"}, {&FingerBones, "Finger"}};

	TMap<FName, TArray<FName>> SourcesByTarget;
	TMap<FName, TSet<FString>> GroupsByTarget;
	for (const FLabelledRows& Group : Groups)
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
		if (Entry.Value.Num() < 2)
		{
			continue;
		}
		DuplicateTargetBones.Add(Entry.Key, Entry.Value);
		GroupsWithDuplicates.Append(GroupsByTarget[Entry.Key]);
		TArray<FString> Names;
		for (const FName Source : Entry.Value)
		{
			Names.Add(Source.ToString());
		}
		UE_LOG(LogTemp, Warning, "[Zevo Remap] Duplicate detected: '%s' <- [%s]", *Entry.Key.ToString(), *FString::Join(Names, ", "));
	}
	if (DuplicateTargetBones.IsEmpty())
	{
		DuplicateStatusText = "OK";
	}
	else
	{
		const FString Joined = FString::Join(GroupsWithDuplicates.Array(), ", ");
		DuplicateStatusText = FString::Printf("%d duplicate(s) [%s]", DuplicateTargetBones.Num(), *Joined);
		UE_LOG(LogTemp, Warning, "[Zevo Remap] Duplicate mappings detected: %d target bones have multiple source bones in groups: %s",
			DuplicateTargetBones.Num(), *Joined);
	}

	int32 Unmapped = 0;
	TMap<FString, int32> UnmappedByGroup;
	for (const FLabelledRows& Group : Groups)
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
		MissingStatusText = "OK";
		return;
	}
	TArray<FString> Counts;
	for (const auto& Entry : UnmappedByGroup)
	{
		Counts.Add(FString::Printf("%s:%d", *Entry.Key, Entry.Value));
	}
	MissingStatusText = FString::Printf("%d unmapped [%s]", Unmapped, *FString::Join(Counts, ", "));
}
