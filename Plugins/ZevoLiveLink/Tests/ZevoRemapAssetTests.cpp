#include "Logging/LogCapture.h"
#include "ZevoRemapAssetTestAccess.h"
#include "ZevoTestRigs.h"

#include <gtest/gtest.h>

namespace
{
TMap<FName, FName> AllMappedToThemselves()
{
	TMap<FName, FName> Targets;
	for (const EZevoBoneName Bone : FZevoBoneNameUtils::GetAllBoneEnums())
	{
		Targets.Add(FZevoBoneNameUtils::EnumToFName(Bone), FZevoBoneNameUtils::EnumToFName(Bone));
	}
	return Targets;
}
}

TEST(ZevoRemapAsset, StartsWithOneEmptyRowPerStreamBoneAndTheDefaults)
{
	UZevoRemapAsset Asset;
	EXPECT_EQ(Asset.BodySpineBones.Num(), 6);
	EXPECT_EQ(Asset.LegBones.Num(), 8);
	EXPECT_EQ(Asset.ArmBones.Num(), 8);
	EXPECT_EQ(Asset.FingerBones.Num(), 30);
	const TArray<FZevoBoneMappingRow> All = Asset.GetAllBones();
	ASSERT_EQ(All.Num(), 52);
	for (int32 Index = 0; Index < 52; ++Index)
	{
		EXPECT_EQ(static_cast<int32>(All[Index].SourceBone), Index);
		EXPECT_TRUE(All[Index].TargetBone.IsNone());
	}
	EXPECT_TRUE(Asset.bUseHipCorrection);
	EXPECT_FALSE(Asset.bPreserveActorDistances);
	EXPECT_EQ(Asset.GroundOffset, 0.f);
	EXPECT_TRUE(Asset.DuplicateStatusText.IsEmpty());
	EXPECT_TRUE(Asset.GetDuplicateTargetBones().IsEmpty());
}

TEST(ZevoRemapAsset, ConvertsTheStreamFrameAndNamesItsRoot)
{
	UZevoRemapAsset Asset;
	EXPECT_TRUE(FZevoRemapAssetTestAccess::ConvertRootPosition(Asset, FVector(1, 2, 3)).Equals(FVector(-100, 300, 200), 1e-12));
	const FQuat Converted = FZevoRemapAssetTestAccess::ConvertBoneRotation(Asset, FQuat(0.1, 0.2, 0.3, 0.9));
	EXPECT_EQ(Converted, FQuat(-0.1, 0.3, 0.2, 0.9));
	EXPECT_EQ(FZevoRemapAssetTestAccess::GetTargetRootName(Asset), FName("Hips"));
	EXPECT_STREQ(*UZevoRemapAssetBase::StaticClass()->FindPropertyByName("GroundOffset")->GetMetaData("DisplayName"), "Ground Offset (cm)");
	EXPECT_TRUE(UZevoRemapAssetBase::StaticClass()->HasAnyClassFlags(CLASS_Abstract));
}

TEST(ZevoRemapAsset, ClearingTheTargetSkeletonWarnsAndDoesNotMap)
{
	FLogCapture Log;
	UZevoRemapAsset Asset;
	FZevoRemapAssetTestAccess::SetTargets(Asset, {{FName("Hips"), FName("pelvis")}});
	FZevoRemapAssetTestAccess::NotifyChanged(Asset, "TargetSkeleton");
	EXPECT_EQ(Log.Count("[Zevo Remap] Target Skeleton cleared.", ELogVerbosity::Warning), 1);
	EXPECT_EQ(Asset.BodySpineBones[0].TargetBone, FName("pelvis"));
	EXPECT_EQ(Log.CountContaining("unmapped"), 0);
}

TEST(ZevoRemapAsset, RowTargetEditsRerunTheDetectionButArrayEditsDoNot)
{
	UZevoRemapAsset Asset;
	FZevoRemapAssetTestAccess::NotifyChanged(Asset, "LegBones");
	EXPECT_TRUE(Asset.MissingStatusText.IsEmpty());
	FZevoRemapAssetTestAccess::NotifyChanged(Asset, "LegBones", "TargetBone");
	EXPECT_STREQ(*Asset.MissingStatusText, "52 unmapped [Body/Spine:6, Leg:8, Arm:8, Finger:30]");
	EXPECT_STREQ(*Asset.DuplicateStatusText, "OK");
}

TEST(ZevoRemapAssetDetection, ReportsDuplicatesByGroupAndUnmappedRowsByCount)
{
	struct FCase
	{
		const char* What;
		TArray<TPair<const char*, const char*>> Changes; // stream bone -> target, on top of "all mapped"
		const char* Duplicates;
		const char* Missing;
		TArray<const char*> Warnings;
	};
	const FCase Cases[] = {
		{"all distinct", {}, "OK", "OK", {}},
		{"two arm rows on one target", {{"LeftElbow", "LeftShoulder"}}, "1 duplicate(s) [Arm]", "OK",
			{"[Zevo Remap] Duplicate detected: 'LeftShoulder' <- [LeftShoulder, LeftElbow]"}},
		{"a leg and an arm row on one target", {{"LeftToe", "LeftWrist"}}, "1 duplicate(s) [Leg, Arm]", "OK",
			{"[Zevo Remap] Duplicate mappings detected: 1 target bones have multiple source bones in groups: Leg, Arm"}},
		{"targets differing only in case", {{"RightKnee", "lefthip"}}, "1 duplicate(s) [Leg]", "OK", {}},
		{"white space is neither mapped nor unmapped", {{"Neck", "   "}}, "OK", "OK", {}},
		{"unmapped rows", {{"LeftKnee", nullptr}, {"LeftFinger0", nullptr}, {"RightFinger42", nullptr}}, "OK", "3 unmapped [Leg:1, Finger:2]", {}},
	};
	for (const FCase& Case : Cases)
	{
		FLogCapture Log;
		UZevoRemapAsset Asset;
		TMap<FName, FName> Targets = AllMappedToThemselves();
		for (const auto& Change : Case.Changes)
		{
			Targets.Add(FName(Change.Key), Change.Value ? FName(Change.Value) : NAME_None);
		}
		FZevoRemapAssetTestAccess::SetTargets(Asset, Targets);
		Asset.UpdateDuplicateDetection();
		EXPECT_STREQ(*Asset.DuplicateStatusText, Case.Duplicates) << Case.What;
		EXPECT_STREQ(*Asset.MissingStatusText, Case.Missing) << Case.What;
		for (const char* Warning : Case.Warnings)
		{
			EXPECT_EQ(Log.Count(Warning, ELogVerbosity::Warning), 1) << Case.What << ": " << Warning;
		}
	}
}

TEST(ZevoRemapAssetDetection, ListsARepeatedSourceBoneTwice)
{
	UZevoRemapAsset Asset;
	Asset.ArmBones[1] = {EZevoBoneName::LeftCollar, FName("clavicle_l")};
	Asset.ArmBones[0].TargetBone = FName("clavicle_l");
	Asset.UpdateDuplicateDetection();
	const TArray<FName>* Sources = Asset.GetDuplicateTargetBones().Find(FName("clavicle_l"));
	ASSERT_NE(Sources, nullptr);
	ASSERT_EQ(Sources->Num(), 2);
	EXPECT_EQ((*Sources)[0], FName("LeftCollar"));
	EXPECT_EQ((*Sources)[1], FName("LeftCollar"));
}

TEST(ZevoRemapAsset, ClearBoneMappingLeavesFiftyTwoEmptyRows)
{
	UZevoRemapAsset Asset;
	FZevoRemapAssetTestAccess::SetTargets(Asset, AllMappedToThemselves());
	Asset.LegBones.RemoveAt(0);
	Asset.ClearBoneMapping();
	EXPECT_EQ(Asset.GetAllBones().Num(), 52);
	EXPECT_STREQ(*Asset.DuplicateStatusText, "OK");
	EXPECT_STREQ(*Asset.MissingStatusText, "52 unmapped");
	EXPECT_FALSE(FZevoRemapAssetTestAccess::IsPositionScaleValid(Asset));
}
