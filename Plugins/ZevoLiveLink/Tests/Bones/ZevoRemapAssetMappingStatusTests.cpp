#include "Logging/LogCapture.h"
#include "ZevoRemapAssetEdits.h"
#include "ZevoTestRigs.h"

#include <gtest/gtest.h>

TEST(ZevoRemapAssetMappingStatus, ReportsDuplicatesByGroupAndUnmappedRowsByCount)
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
		TMap<FName, FName> Targets = ZevoTestRigs::IdentityTargets();
		for (const auto& Change : Case.Changes)
		{
			Targets.Add(FName(Change.Key), Change.Value ? FName(Change.Value) : NAME_None);
		}
		ZevoRemapAssetEdits::SetTargets(Asset, Targets);
		Asset.UpdateDuplicateDetection();
		EXPECT_STREQ(*Asset.DuplicateStatusText, Case.Duplicates) << Case.What;
		EXPECT_STREQ(*Asset.MissingStatusText, Case.Missing) << Case.What;
		for (const char* Warning : Case.Warnings)
		{
			EXPECT_EQ(Log.Count(Warning, ELogVerbosity::Warning), 1) << Case.What << ": " << Warning;
		}
	}
}

TEST(ZevoRemapAssetMappingStatus, ListsARepeatedSourceBoneTwice)
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

// Targets of only white space are no targets: several of them make no duplicate.
TEST(ZevoRemapAssetMappingStatus, WhiteSpaceTargetsAreNeitherDuplicatesNorUnmapped)
{
	FLogCapture Log;
	UZevoRemapAsset Asset;
	TMap<FName, FName> Targets = ZevoTestRigs::IdentityTargets();
	Targets.Add(FName("Neck"), FName(" "));
	Targets.Add(FName("LeftKnee"), FName(" "));
	Targets.Add(FName("RightFinger0"), FName("\t"));
	ZevoRemapAssetEdits::SetTargets(Asset, Targets);
	Asset.UpdateDuplicateDetection();
	EXPECT_STREQ(*Asset.DuplicateStatusText, "OK");
	EXPECT_STREQ(*Asset.MissingStatusText, "OK");
	EXPECT_TRUE(Asset.GetDuplicateTargetBones().IsEmpty());
	EXPECT_EQ(Log.CountContaining("Duplicate", ELogVerbosity::Warning), 0);
}
