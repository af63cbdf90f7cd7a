#include "Retarget/ZevoRetargetTableBuilder.h"
#include "Stream/ZevoStreamSkeleton.h"
#include "ZevoTestRigs.h"

#include <gtest/gtest.h>

namespace
{
FName Keep(FName StreamName)
{
	return StreamName;
}

const FZevoRetargetBone* Driving(const FZevoRetargetTable& Table, const FLiveLinkSkeletonStaticData& Subject, const char* StreamName)
{
	const int32 StreamIndex = Subject.BoneNames.Find(FName(StreamName));
	return Table.Bones.FindByPredicate([StreamIndex](const FZevoRetargetBone& Bone) { return Bone.StreamIndex == StreamIndex; });
}
}

TEST(ZevoRetargetTableBuilder, CompilesWhichStreamBoneDrivesWhichPoseBoneAndHow)
{
	// A target without Chest1, whose toe is mapped and whose right hand is neither mapped nor named like the stream's.
	TArray<FZevoTestBone> Bones = ZevoTestRigs::Renamed(ZevoTestRigs::StreamBodyTPose(), {{FName("RightWrist"), FName("hand_r")}});
	Bones.RemoveAll([](const FZevoTestBone& Bone) { return Bone.Name == FName("Chest1"); });
	for (FZevoTestBone& Bone : Bones)
	{
		Bone.Parent = Bone.Name == FName("Chest2") ? FName("Chest") : Bone.Parent;
	}
	const auto Skeleton = ZevoTestRigs::MakeSkeleton(Bones, "Target");
	TArray<FZevoBoneMappingRow> Rows = ZevoTestRigs::IdentityMapping();
	for (FZevoBoneMappingRow& Row : Rows)
	{
		Row.TargetBone = Row.SourceBone == EZevoBoneName::RightWrist ? NAME_None : Row.TargetBone;
	}
	const FLiveLinkSkeletonStaticData Subject = MakeZevoCharacterStaticData();
	const FBoneContainer Container(Skeleton.get());
	const FZevoRetargetTable Table = FZevoRetargetTableBuilder::Build(Rows, Subject, Container, {}, Keep);
	const FReferenceSkeleton& Pose = Skeleton->GetReferenceSkeleton();

	const FZevoRetargetBone* Hips = Driving(Table, Subject, "Hips");
	ASSERT_NE(Hips, nullptr);
	EXPECT_TRUE(Hips->bRoot);
	EXPECT_EQ(Hips->PoseIndex.GetInt(), Pose.FindBoneIndex(FName("Hips")));
	EXPECT_FALSE(Driving(Table, Subject, "LeftKnee")->bRoot);
	// The stream spells its toes LeftToes; the row's LeftToe reaches them.
	ASSERT_NE(Driving(Table, Subject, "LeftToes"), nullptr);
	EXPECT_EQ(Driving(Table, Subject, "LeftToes")->PoseIndex.GetInt(), Pose.FindBoneIndex(FName("LeftToe")));
	EXPECT_EQ(Driving(Table, Subject, "RightWrist"), nullptr);
	EXPECT_EQ(Driving(Table, Subject, "Chest1"), nullptr);
	EXPECT_EQ(Table.DroppedSpineBones, TArray<int32>{Subject.BoneNames.Find(FName("Chest1"))});
	EXPECT_EQ(Table.DrivenSpineBoneCount, 2);
	EXPECT_TRUE(Driving(Table, Subject, "Chest")->bTakesSpineShare);
	EXPECT_TRUE(Driving(Table, Subject, "Chest2")->bTakesSpineShare);
	EXPECT_FALSE(Driving(Table, Subject, "Neck")->bTakesSpineShare);
	// The left leg as the rows reach it: hip offset 9.49 (9 across, 5 down), thigh 42, calf 40.
	EXPECT_NEAR(Table.HipToThigh, FVector(9, 0, -5).Size(), 1e-5);
	EXPECT_NEAR(Table.Thigh, 42.0, 1e-5);
	EXPECT_NEAR(Table.Calf, 40.0, 1e-5);

	EXPECT_TRUE(Table.IsFor(Container, Subject.BoneNames, Subject.BoneParents));
	TArray<FName> OtherNames = Subject.BoneNames;
	OtherNames[3] = FName("Spine");
	EXPECT_FALSE(Table.IsFor(Container, OtherNames, Subject.BoneParents));
	const auto OtherSkeleton = ZevoTestRigs::MakeSkeleton(ZevoTestRigs::StreamBodyTPose(), "Other");
	EXPECT_FALSE(Table.IsFor(FBoneContainer(OtherSkeleton.get()), Subject.BoneNames, Subject.BoneParents));
}

TEST(ZevoRetargetTableBuilder, MeasuresTheLegFromJointToJointWhereverTheRigHangsIt)
{
	// The stream body's leg: the thigh joint 9 across and 5 below the hips, knee 42 and ankle 40 below.
	const TMap<FName, FName> Cases[] = {
		{},
		{{FName("LeftHip"), FName("Chest")}, {FName("RightHip"), FName("Chest")}},
		{{FName("LeftKneeTwist"), FName("LeftHip")}, {FName("LeftKnee"), FName("LeftKneeTwist")}},
	};
	const FLiveLinkSkeletonStaticData Subject = MakeZevoCharacterStaticData();
	for (const TMap<FName, FName>& NewParents : Cases)
	{
		const TArray<FZevoTestBone> Twist{{FName("LeftKneeTwist"), NAME_None, FVector(9, 0, 69)}};
		const auto Skeleton = ZevoTestRigs::MakeSkeleton(ZevoTestRigs::Rehung(ZevoTestRigs::StreamBodyTPose(), NewParents, Twist), "Target");
		const FZevoRetargetTable Table =
			FZevoRetargetTableBuilder::Build(ZevoTestRigs::IdentityMapping(), Subject, FBoneContainer(Skeleton.get()), {}, Keep);
		EXPECT_NEAR(Table.HipToThigh, FVector(9, 0, -5).Size(), 1e-5) << NewParents.Num() << " bones hung elsewhere";
		EXPECT_NEAR(Table.Thigh, 42.0, 1e-5) << NewParents.Num() << " bones hung elsewhere";
		EXPECT_NEAR(Table.Calf, 40.0, 1e-5) << NewParents.Num() << " bones hung elsewhere";
	}
}

TEST(ZevoRetargetTableBuilder, GivesEachBoneTheStraightenedRotationsAboveIt)
{
	const auto Skeleton = ZevoTestRigs::MakeSkeleton(ZevoTestRigs::StreamBodyAPose(), "Target");
	const FQuat Raise(FVector(0, 1, 0), FMath::DegreesToRadians(-45.0));
	const FLiveLinkSkeletonStaticData Subject = MakeZevoCharacterStaticData();
	const FZevoRetargetTable Table = FZevoRetargetTableBuilder::Build(
		ZevoTestRigs::IdentityMapping(), Subject, FBoneContainer(Skeleton.get()), {{FName("LeftShoulder"), Raise}}, Keep);
	const FZevoRetargetBone* Shoulder = Driving(Table, Subject, "LeftShoulder");
	const FZevoRetargetBone* Elbow = Driving(Table, Subject, "LeftElbow");
	const FQuat Rest = Skeleton->GetReferenceSkeleton().GetRefBonePose()[Shoulder->PoseIndex.GetInt()].GetRotation();
	EXPECT_LT(FMath::RadiansToDegrees(Shoulder->TPosedRotation.AngularDistance(Raise * Rest)), 1e-5);
	EXPECT_TRUE(Shoulder->bParentSideIsIdentity);
	// Below the straightened shoulder the arm stands as in the T-pose: no turn is left above the elbow.
	EXPECT_LT(FMath::RadiansToDegrees(Elbow->ParentSide.AngularDistance(FQuat::Identity)), 1e-5);
}
