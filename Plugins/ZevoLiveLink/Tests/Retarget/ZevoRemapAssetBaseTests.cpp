#include "Logging/LogCapture.h"
#include "ZevoRemapAssetEdits.h"
#include "ZevoTestRigs.h"

#include <gtest/gtest.h>

namespace
{
/** The asset users create, its conversions opened to the test. */
class FOpenedRemapAsset : public UZevoRemapAsset
{
public:
	using UZevoRemapAsset::ConvertBoneRotation;
	using UZevoRemapAsset::ConvertRootPosition;
	using UZevoRemapAsset::ConvertRootRotation;
	using UZevoRemapAsset::GetTargetRootName;
};
}

TEST(ZevoRemapAssetBase, StartsWithOneEmptyRowPerStreamBoneAndTheDefaults)
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

TEST(ZevoRemapAssetBase, ConvertsTheStreamFrameAndNamesItsRoot)
{
	FOpenedRemapAsset Asset;
	EXPECT_TRUE(Asset.ConvertRootPosition(FVector(1, 2, 3)).Equals(FVector(-100, 300, 200), 1e-12));
	EXPECT_EQ(Asset.ConvertBoneRotation(FQuat(0.1, 0.2, 0.3, 0.9)), FQuat(-0.1, 0.3, 0.2, 0.9));
	EXPECT_EQ(Asset.ConvertRootRotation(FQuat(0.1, 0.2, 0.3, 0.9)), FQuat(-0.1, 0.3, 0.2, 0.9));
	EXPECT_EQ(Asset.GetTargetRootName(), FName("Hips"));
	EXPECT_STREQ(*UZevoRemapAssetBase::StaticClass()->FindPropertyByName("GroundOffset")->GetMetaData("DisplayName"), "Ground Offset (cm)");
	EXPECT_TRUE(UZevoRemapAssetBase::StaticClass()->HasAnyClassFlags(CLASS_Abstract));
}

TEST(ZevoRemapAssetBase, ClearingTheTargetSkeletonWarnsAndDoesNotMap)
{
	FLogCapture Log;
	UZevoRemapAsset Asset;
	ZevoRemapAssetEdits::SetTargets(Asset, {{FName("Hips"), FName("pelvis")}});
	ZevoRemapAssetEdits::NotifyChanged(Asset, "TargetSkeleton");
	EXPECT_EQ(Log.Count("[Zevo Remap] Target Skeleton cleared.", ELogVerbosity::Warning), 1);
	EXPECT_EQ(Asset.BodySpineBones[0].TargetBone, FName("pelvis"));
	EXPECT_EQ(Log.CountContaining("unmapped"), 0);
}

TEST(ZevoRemapAssetBase, RowTargetEditsRerunTheDetectionButArrayEditsDoNot)
{
	UZevoRemapAsset Asset;
	ZevoRemapAssetEdits::NotifyChanged(Asset, "LegBones");
	EXPECT_TRUE(Asset.MissingStatusText.IsEmpty());
	ZevoRemapAssetEdits::NotifyChanged(Asset, "LegBones", "TargetBone");
	EXPECT_STREQ(*Asset.MissingStatusText, "52 unmapped [Body/Spine:6, Leg:8, Arm:8, Finger:30]");
	EXPECT_STREQ(*Asset.DuplicateStatusText, "OK");
}


TEST(ZevoRemapAssetBase, ClearBoneMappingLeavesFiftyTwoEmptyRows)
{
	UZevoRemapAsset Asset;
	ZevoRemapAssetEdits::SetTargets(Asset, ZevoTestRigs::IdentityTargets());
	Asset.LegBones.RemoveAt(0);
	Asset.ClearBoneMapping();
	EXPECT_EQ(Asset.GetAllBones().Num(), 52);
	EXPECT_STREQ(*Asset.DuplicateStatusText, "OK");
	EXPECT_STREQ(*Asset.MissingStatusText, "52 unmapped");
}
