#include "Retarget/ZevoPoseBuildSteps.h"

#include <gtest/gtest.h>

namespace
{
double AngleDegrees(const FQuat& A, const FQuat& B)
{
	return FMath::RadiansToDegrees(A.AngularDistance(B));
}

/** A target whose left leg has a thigh of 45, a calf of 44 and a hip-to-thigh offset of 9 centimetres. */
FZevoRetargetTable LegTable(float Thigh = 45.f, float Calf = 44.f, float HipToThigh = 9.f)
{
	FZevoRetargetTable Table;
	Table.Thigh = Thigh;
	Table.Calf = Calf;
	Table.HipToThigh = HipToThigh;
	return Table;
}
}

TEST(ZevoPoseBuildSteps, ReadsOnlyTheCalibrationValuesTheFrameCarries)
{
	struct FCase
	{
		TArray<float> Values;
		float LegLength;
		FVector Offset;
		float Height;
	};
	const FCase Cases[] = {
		{{0.4f, 0.42f}, 0.f, FVector::ZeroVector, 0.f},
		{{0.4f, 0.42f, 0.1f}, 92.f, FVector::ZeroVector, 0.f},
		{{0.4f, 0.42f, 0.1f, 0.01f, 0.02f}, 92.f, FVector::ZeroVector, 0.f},
		{{0.4f, 0.42f, 0.1f, 0.01f, 0.02f, 0.03f}, 92.f, FVector(0.01f, 0.02f, 0.03f), 0.f},
		{{0.4f, 0.42f, 0.1f, 0.01f, 0.02f, 0.03f, 7.f}, 92.f, FVector(0.01f, 0.02f, 0.03f), 7.f},
	};
	for (const FCase& Case : Cases)
	{
		const FZevoStreamCalibration Stream(Case.Values);
		EXPECT_NEAR(Stream.LegLength(), Case.LegLength, 1e-4) << Case.Values.Num() << " values";
		EXPECT_TRUE(Stream.PositionOffset.Equals(Case.Offset, 1e-9)) << Case.Values.Num() << " values";
		EXPECT_EQ(Stream.HeightOffset, Case.Height) << Case.Values.Num() << " values";
	}
}

TEST(ZevoPoseBuildSteps, ScalesTheHipsMotionToTheTargetsLegs)
{
	const FZevoStreamCalibration Stream({0.40f, 0.42f, 0.10f});
	FVector Scale;
	ASSERT_TRUE(FZevoPoseBuildSteps::CalculatePositionScale(Stream, LegTable(), false, Scale));
	EXPECT_TRUE(Scale.Equals(FVector(98.0 / 92.0, 98.0 / 92.0, 45.0 / 40.0), 1e-5));
	ASSERT_TRUE(FZevoPoseBuildSteps::CalculatePositionScale(Stream, LegTable(), true, Scale));
	EXPECT_TRUE(Scale.Equals(FVector(1.0, 1.0, 45.0 / 40.0), 1e-5));
	// Nothing to measure on: the previous scale stays.
	Scale = FVector(2, 2, 2);
	EXPECT_FALSE(FZevoPoseBuildSteps::CalculatePositionScale(Stream, LegTable(0.f), false, Scale));
	EXPECT_FALSE(FZevoPoseBuildSteps::CalculatePositionScale(FZevoStreamCalibration({0.f, 0.42f, 0.10f}), LegTable(), false, Scale));
	EXPECT_EQ(Scale, FVector(2, 2, 2));

	const float Measured[3] = {40.f, 42.f, 10.f};
	EXPECT_FALSE(FZevoStreamCalibration({0.40005f, 0.42f, 0.10f}).LegsDifferFrom(Measured));
	EXPECT_TRUE(FZevoStreamCalibration({0.4002f, 0.42f, 0.10f}).LegsDifferFrom(Measured));
	EXPECT_TRUE(FZevoStreamCalibration({0.40f, 0.42f, 0.1002f}).LegsDifferFrom(Measured));
}

TEST(ZevoPoseBuildSteps, PlacesTheHipsInTheComponentAndWritesThemInTheirParentsFrame)
{
	// Hips 90 cm up, raised by 5 and moved by the stream's offset of (1, 2, 3) cm in its own axes.
	const FZevoStreamCalibration Stream({0.4f, 0.4f, 0.1f, 0.01f, 0.02f, 0.03f});
	FZevoRetargetBone Root;
	EXPECT_TRUE(FZevoPoseBuildSteps::PlaceRoot(FVector(10, 20, 90), 5.f, Stream, Root).Equals(FVector(10 - 1, 20 + 3, 90 + 5 + 2), 1e-6));
	// Under a parent turned into a rig's own axes, or standing at hip height as a centre of mass
	// does, the same place is written in that parent's frame.
	for (const FVector& ParentAt : {FVector::ZeroVector, FVector(0, 0, 98)})
	{
		Root.RootParentTransform = FTransform(FQuat(FVector(0, 1, 0), FMath::DegreesToRadians(-90.0)), ParentAt);
		const FVector Local = FZevoPoseBuildSteps::PlaceRoot(FVector(10, 20, 90), 5.f, Stream, Root);
		EXPECT_TRUE(Root.RootParentTransform.TransformPosition(Local).Equals(FVector(9, 23, 97), 1e-6)) << *ParentAt.ToString();
	}
	// The correction puts the sole, 8 cm below the ankle, on the ground: hips 96 up, ankle 88 below.
	EXPECT_FLOAT_EQ(FZevoPoseBuildSteps::MeasureHipCorrection(FVector(0, 0, 96), 8.f, 88.f), 0.f);
	EXPECT_FLOAT_EQ(FZevoPoseBuildSteps::MeasureHipCorrection(FVector(0, 0, 100), 8.f, 88.f), -4.f);
}

TEST(ZevoPoseBuildSteps, SharesTheMissingSpineEvenlyAndTurnsEachBoneInItsParentsFrame)
{
	const FQuat Bend(FVector(1, 0, 0), FMath::DegreesToRadians(30.0));
	FQuat Share;
	ASSERT_TRUE(FZevoPoseBuildSteps::CalculateSpineShare(Bend, 1, 2, Share));
	EXPECT_LT(AngleDegrees(Share, FQuat(FVector(1, 0, 0), FMath::DegreesToRadians(15.0))), 1e-5);
	EXPECT_FALSE(FZevoPoseBuildSteps::CalculateSpineShare(Bend, 0, 2, Share));
	EXPECT_FALSE(FZevoPoseBuildSteps::CalculateSpineShare(Bend, 1, 0, Share));

	FZevoRetargetBone Bone;
	Bone.TPosedRotation = FQuat(FVector(0, 0, 1), 0.4);
	EXPECT_LT(AngleDegrees(FZevoPoseBuildSteps::BoneRotation(Bone, FQuat::Identity), Bone.TPosedRotation), 1e-5);
	// A turn about the component's X, under a parent turned a quarter about Z, is a turn about the
	// parent's -Y (where the component's X lies in it), after the bone's own T-posed rotation.
	Bone.ParentSide = FQuat(FVector(0, 0, 1), UE_PI / 2);
	Bone.bParentSideIsIdentity = false;
	const FQuat Turn(FVector(1, 0, 0), 0.6);
	EXPECT_LT(AngleDegrees(FZevoPoseBuildSteps::BoneRotation(Bone, Turn), FQuat(FVector(0, -1, 0), 0.6) * Bone.TPosedRotation), 1e-5);
}

TEST(ZevoPoseBuildSteps, AReparentedBoneTurnsByTheStreamsChainBeyondItsDrivenAncestor)
{
	// Stream: 0 root, 1 under it driving nothing, 2 under 1, 3 under 0. The target hangs 3 under
	// 2's bone and 2 under no driven bone at all.
	FZevoRetargetTable Table;
	Table.StreamBoneParents = {INDEX_NONE, 0, 1, 0};
	Table.EntryOfStreamBone = {0, INDEX_NONE, 1, 2};
	FZevoRetargetBone Beside, Under;
	Beside.StreamIndex = 2;
	Under.StreamIndex = 3;
	Under.DrivenAncestorStreamIndex = 2;
	const FQuat T0(FVector(0, 0, 1), 0.3), T2(FVector(0, 1, 0), -0.4), T3(FVector(1, 1, 0).GetSafeNormal(), 0.9);
	TArray<FQuat> Chain;
	FZevoPoseBuildSteps::ChainStreamTurns(Table, {T0, T2, T3}, Chain);
	ASSERT_EQ(Chain.Num(), 4);
	EXPECT_LT(AngleDegrees(Chain[1], T0), 1e-5) << "a bone that drives nothing passes its parent's turn on";
	EXPECT_LT(AngleDegrees(FZevoPoseBuildSteps::ReparentedTurn(Beside, Chain), T0 * T2), 1e-5);
	EXPECT_LT(AngleDegrees(FZevoPoseBuildSteps::ReparentedTurn(Under, Chain), (T0 * T2).Inverse() * T0 * T3), 1e-5);
}
