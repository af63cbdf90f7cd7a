// The remap asset's saved file: a file written by an earlier build must keep loading, value for
// value, and saving it again must not change a byte (so that opening and saving an asset never
// shows up as a change in a project's history).
#include "AssetFile.h"
#include "Logging/LogCapture.h"
#include "Misc/FileHelper.h"
#include "TempProject.h"
#include "ZevoRemapAssetEdits.h"

#include <gtest/gtest.h>

namespace
{
FString GoldenFile(const char* Name)
{
	FString Text;
	EXPECT_TRUE(FFileHelper::LoadFileToString(Text, *(FString(ZEVO_TESTS_DIR) / "Golden" / Name))) << Name;
	return Text;
}
}

TEST(ZevoRemapAssetBaseFile, GoldenAssetKeepsLoadingAndSavesTheSameBytes)
{
	FTempProject Project;
	Project.WriteFile("Content/Golden/ZevoRemapTargetSkeleton.json", GoldenFile("ZevoRemapTargetSkeleton.json"));
	const FString Golden = GoldenFile("ZevoRemapAsset.json");
	Project.WriteFile("Content/Golden/ZevoRemapAsset.json", Golden);

	FLogCapture Log;
	UZevoRemapAsset* Asset = LoadObject<UZevoRemapAsset>(nullptr, "/Game/Golden/ZevoRemapAsset.ZevoRemapAsset");
	ASSERT_NE(Asset, nullptr);
	EXPECT_EQ(Log.Num(), 0) << "every field of the file still reads";
	ASSERT_NE(Asset->TargetSkeleton, nullptr);
	EXPECT_EQ(Asset->TargetSkeleton->GetPathName(), FString("/Game/Golden/ZevoRemapTargetSkeleton.ZevoRemapTargetSkeleton"));
	EXPECT_EQ(Asset->TargetSkeleton->GetReferenceSkeleton().GetNum(), 9);
	EXPECT_FLOAT_EQ(Asset->GroundOffset, 2.5f);
	EXPECT_TRUE(Asset->bPreserveActorDistances);
	EXPECT_FALSE(Asset->bUseHipCorrection);
	ASSERT_NE(Asset->TPoseReferenceSkeleton, nullptr);
	EXPECT_EQ(Asset->TPoseReferenceSkeleton->GetPathName(), FString("/ZevoLiveLink/Zevo_TPose_Skeleton.Zevo_TPose_Skeleton"));
	EXPECT_EQ(Asset->DuplicateStatusText, FString("2 duplicate(s) [Body/Spine, Leg]"));
	EXPECT_EQ(Asset->MissingStatusText, FString("43 unmapped [Body/Spine:1, Leg:4, Arm:8, Finger:30]"));
	// The duplicate map is not saved, but the rows tell it again as the asset loads.
	const TMap<FName, TArray<FName>>& Duplicates = Asset->GetDuplicateTargetBones();
	ASSERT_EQ(Duplicates.Num(), 2);
	EXPECT_EQ(Duplicates.FindRef(FName("spine_01")), TArray<FName>({"Chest", "Chest1"}));
	EXPECT_EQ(Duplicates.FindRef(FName("calf_l")), TArray<FName>({"LeftKnee", "RightKnee"}));

	EXPECT_EQ(Asset->BodySpineBones.Num(), 6);
	EXPECT_EQ(Asset->LegBones.Num(), 8);
	EXPECT_EQ(Asset->ArmBones.Num(), 8);
	EXPECT_EQ(Asset->FingerBones.Num(), 30);
	const TMap<FName, FName> Expected = {{"Hips", "pelvis"}, {"Chest", "spine_01"}, {"Chest1", "spine_01"}, {"Neck", "neck_01"},
		{"Neck1", "head"}, {"LeftHip", "thigh_l"}, {"LeftKnee", "calf_l"}, {"RightHip", "thigh_r"}, {"RightKnee", "calf_l"}};
	for (const auto& [Stream, Target] : ZevoRemapAssetEdits::Targets(*Asset))
	{
		EXPECT_EQ(Target, Expected.FindRef(Stream)) << *Stream.ToString();
	}

	ASSERT_TRUE(FAssetFile::SaveObject(*Asset));
	EXPECT_EQ(Project.ReadFile("Content/Golden/ZevoRemapAsset.json"), Golden);
}
