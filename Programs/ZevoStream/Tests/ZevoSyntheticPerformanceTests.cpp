#include "RotationMatchers.h"
#include "ZevoSyntheticPerformance.h"

#include <gtest/gtest.h>
#include <set>

namespace
{
	using namespace ZevoStreamBody;

	/** World rotation of Bone: its parents' local rotations applied from the root down. */
	FQuat WorldRotation(const FZevoCharacterFrame& Frame, int32 Bone)
	{
		FQuat World = Frame.Rotations[Bone];
		for (int32 Parent = BoneParents[Bone]; Parent >= 0; Parent = BoneParents[Parent])
		{
			World = Frame.Rotations[Parent] * World;
		}
		return World;
	}

	/** Height of the lower ankle under the body model: hip joints beside the hips, thigh and shin straight down in T-pose. */
	double LowerAnkleHeight(const FZevoSyntheticPerformance::FActor& Actor, const FZevoCharacterFrame& Frame)
	{
		double Lowest = 1e9;
		for (const auto& [HipBone, KneeBone, Side] : {std::tuple{LeftHip, LeftKnee, -1.0}, std::tuple{RightHip, RightKnee, 1.0}})
		{
			const FVector HipJoint = Frame.HipsPosition
				+ Frame.Rotations[Hips].RotateVector(FVector(Side * Actor.HipToUpperLegLength, 0, 0));
			const FVector Knee = HipJoint + WorldRotation(Frame, HipBone).RotateVector(FVector(0, -Actor.UpperLegLength, 0));
			const FVector Ankle = Knee + WorldRotation(Frame, KneeBone).RotateVector(FVector(0, -Actor.LowerLegLength, 0));
			Lowest = std::min(Lowest, Ankle.Y);
		}
		return Lowest;
	}

	FVector Facing(const FZevoCharacterFrame& Frame)
	{
		return Frame.Rotations[Hips].RotateVector(FVector(0, 0, 1));
	}
}

TEST(ZevoSyntheticPerformance, FirstSecondIsStillTPoseAtStandingHeight)
{
	const FZevoSyntheticPerformance Performance(4, 0);
	FZevoCharacterFrame Frame;
	for (int32 Actor = 0; Actor < Performance.GetNumActors(); ++Actor)
	{
		const auto& Traits = Performance.GetActor(Actor);
		FVector Start;
		for (const double Time : {0.0, 0.5, 1.0})
		{
			Performance.EvaluateActor(Actor, Time, Frame);
			for (int32 Bone = 0; Bone < BoneCount; ++Bone)
			{
				EXPECT_TRUE(IsSameRotation(Frame.Rotations[Bone], FQuat::Identity, 1e-9)) << BoneNames[Bone] << " at " << Time;
			}
			EXPECT_NEAR(Frame.HipsPosition.Y, Traits.UpperLegLength + Traits.LowerLegLength + 0.08, 1e-9);
			if (Time == 0.0)
			{
				Start = Frame.HipsPosition;
			}
			EXPECT_TRUE(Frame.HipsPosition.Equals(Start, 1e-9)) << "the actor must stand still, at " << Time;
		}
	}
}

TEST(ZevoSyntheticPerformance, CalibrationValuesArePlausibleAndDifferPerActor)
{
	const FZevoSyntheticPerformance Performance(6, 0);
	FZevoCharacterFrame Frame;
	std::set<float> UpperLegs;
	for (int32 Actor = 0; Actor < Performance.GetNumActors(); ++Actor)
	{
		Performance.EvaluateActor(Actor, 3.0, Frame);
		EXPECT_EQ(Frame.ActorName, FString::Printf("Actor%d", Actor + 1));
		EXPECT_GE(Frame.Properties[0], 0.42f);
		EXPECT_LE(Frame.Properties[0], 0.46f);
		EXPECT_GE(Frame.Properties[1], 0.40f);
		EXPECT_LE(Frame.Properties[1], 0.44f);
		EXPECT_GE(Frame.Properties[2], 0.08f);
		EXPECT_LE(Frame.Properties[2], 0.11f);
		for (int32 Offset = 3; Offset < PropertyCount; ++Offset)
		{
			EXPECT_LE(std::abs(Frame.Properties[Offset]), 0.02f) << PropertyNames[Offset];
		}
		UpperLegs.insert(Frame.Properties[0]);
	}
	EXPECT_EQ(UpperLegs.size(), 6u);
}

TEST(ZevoSyntheticPerformance, WalkKeepsUnitQuaternionsFeetOnTheFloorAndFacesWhereItGoes)
{
	const FZevoSyntheticPerformance Performance(3, 0);
	FZevoCharacterFrame Frame;
	FZevoCharacterFrame Later;
	for (int32 Actor = 0; Actor < Performance.GetNumActors(); ++Actor)
	{
		const auto& Traits = Performance.GetActor(Actor);
		double TotalTurn = 0.0;
		for (double Time = 0.0; Time < 30.0; Time += 0.05)
		{
			Performance.EvaluateActor(Actor, Time, Frame);
			for (int32 Bone = 0; Bone < BoneCount; ++Bone)
			{
				ASSERT_NEAR(Frame.Rotations[Bone].SizeSquared(), 1.0, 1e-9) << BoneNames[Bone] << " at " << Time;
			}
			// The supporting foot stays on the floor: its ankle is about the ankle height up.
			EXPECT_NEAR(LowerAnkleHeight(Traits, Frame), FZevoSyntheticPerformance::AnkleHeight, 0.04) << "at " << Time;
			// Only the pelvis' sideways roll may lift the hips a few millimetres over a straight leg.
			EXPECT_LE(Frame.HipsPosition.Y, Traits.GetStandingHipsHeight() + 0.005);

			Performance.EvaluateActor(Actor, Time + 0.05, Later);
			if (Time >= 2.0)
			{
				const FVector Step = FVector(Later.HipsPosition.X - Frame.HipsPosition.X, 0, Later.HipsPosition.Z - Frame.HipsPosition.Z);
				EXPECT_GT(Step.GetSafeNormal() | Facing(Frame), 0.9) << "actor " << Actor << " walks sideways at " << Time;
				EXPECT_NEAR(Step.Size() / 0.05, Traits.WalkSpeed, 0.25) << "at " << Time;
			}
			TotalTurn += RotationAngleBetween(Frame.Rotations[Hips], Later.Rotations[Hips]);
		}
		EXPECT_GT(TotalTurn, 6.0) << "actor " << Actor << " should keep turning along its closed path";
	}
}

TEST(ZevoSyntheticPerformance, JointsBendTheWayABodyBends)
{
	const FZevoSyntheticPerformance Performance(1, 0);
	const auto& Traits = Performance.GetActor(0);
	FZevoCharacterFrame Frame;
	FZevoCharacterFrame Later;
	int32 SwingFrames = 0;
	for (double Time = 2.0; Time < 12.0; Time += 0.02)
	{
		Performance.EvaluateActor(0, Time, Frame);
		Performance.EvaluateActor(0, Time + 0.02, Later);
		for (const int32 Knee : {LeftKnee, RightKnee})
		{
			// In the thigh's own frame (forward +Z) the shin may only fold backwards.
			EXPECT_LE(Frame.Rotations[Knee].RotateVector(FVector(0, -1, 0)).Z, 1e-9) << BoneNames[Knee] << " at " << Time;
		}
		for (const auto& [Elbow, Arm] : {std::pair{LeftElbow, FVector(-1, 0, 0)}, std::pair{RightElbow, FVector(1, 0, 0)}})
		{
			EXPECT_GE(Frame.Rotations[Elbow].RotateVector(Arm).Z, 0.0) << "forearm folds forward, " << BoneNames[Elbow];
		}
		for (const auto& [Shoulder, Arm] : {std::pair{LeftShoulder, FVector(-1, 0, 0)}, std::pair{RightShoulder, FVector(1, 0, 0)}})
		{
			EXPECT_LT(WorldRotation(Frame, Shoulder).RotateVector(Arm).Y, -0.8) << "arms hang down, " << BoneNames[Shoulder];
		}
		for (const auto& [Finger, Along] : {std::pair{LeftFingersFirst + 4, FVector(-1, 0, 0)}, std::pair{RightFingersFirst + 4, FVector(1, 0, 0)}})
		{
			EXPECT_LT(Frame.Rotations[Finger].RotateVector(Along).Y, 0.0) << "fingers curl towards the palm (down in T-pose)";
		}
		// While a knee is well bent its leg is swinging forward: the knee gains on the hips.
		const FVector Forward = Facing(Frame);
		for (const auto& Leg : {std::pair{LeftHip, LeftKnee}, std::pair{RightHip, RightKnee}})
		{
			const auto Hip = Leg.first;
			const auto Knee = Leg.second;
			if (RotationAngleBetween(Frame.Rotations[Knee], FQuat::Identity) < 0.7)
			{
				continue;
			}
			++SwingFrames;
			const auto KneeAhead = [&](const FZevoCharacterFrame& At) {
				return WorldRotation(At, Hip).RotateVector(FVector(0, -Traits.UpperLegLength, 0)) | Forward;
			};
			EXPECT_GT(KneeAhead(Later), KneeAhead(Frame)) << BoneNames[Knee] << " at " << Time;
		}
	}
	EXPECT_GT(SwingFrames, 50);
}

TEST(ZevoSyntheticPerformance, MotionIsContinuousThroughTheStartOfTheWalk)
{
	const FZevoSyntheticPerformance Performance(2, 0);
	FZevoCharacterFrame Before;
	FZevoCharacterFrame After;
	constexpr double Step = 1.0 / 120.0;
	for (double Time = 0.0; Time < 4.0; Time += Step)
	{
		Performance.EvaluateActor(1, Time, Before);
		Performance.EvaluateActor(1, Time + Step, After);
		EXPECT_LT(FVector::Dist(Before.HipsPosition, After.HipsPosition), 0.03) << "at " << Time;
		for (int32 Bone = 0; Bone < BoneCount; ++Bone)
		{
			EXPECT_LT(RotationAngleBetween(Before.Rotations[Bone], After.Rotations[Bone]), 0.12) << BoneNames[Bone] << " at " << Time;
		}
	}
	Performance.EvaluateActor(1, 3.0, After);
	EXPECT_GT(RotationAngleBetween(After.Rotations[LeftShoulder], FQuat::Identity), 0.8) << "arms are down while walking";
	EXPECT_GT(RotationAngleBetween(After.Rotations[LeftFingersFirst + 4], FQuat::Identity), 0.2) << "fingers curl";
}

TEST(ZevoSyntheticPerformance, ActorsNeverComeCloserThanAMetre)
{
	const FZevoSyntheticPerformance Performance(9, 0);
	TArray<FZevoCharacterFrame> Frames;
	Frames.SetNum(Performance.GetNumActors());
	double Closest = 1e9;
	for (double Time = 0.0; Time < 40.0; Time += 0.1)
	{
		for (int32 Actor = 0; Actor < Performance.GetNumActors(); ++Actor)
		{
			Performance.EvaluateActor(Actor, Time, Frames[Actor]);
		}
		for (int32 A = 0; A < Frames.Num(); ++A)
		{
			for (int32 B = A + 1; B < Frames.Num(); ++B)
			{
				Closest = std::min(Closest, FVector::Dist(Frames[A].HipsPosition, Frames[B].HipsPosition));
			}
		}
	}
	EXPECT_GT(Closest, 1.0);
}

TEST(ZevoSyntheticPerformance, PropsMoveAndRotateWithTheirSizeAndDistinctSubjects)
{
	const FZevoSyntheticPerformance Performance(0, 5);
	FZevoPropFrame Frame;
	FZevoPropFrame Later;
	TSet<FString> Subjects;
	for (int32 Prop = 0; Prop < Performance.GetNumProps(); ++Prop)
	{
		Performance.EvaluateProp(Prop, 2.0, Frame);
		Performance.EvaluateProp(Prop, 3.0, Later);
		EXPECT_NEAR(Frame.Rotation.SizeSquared(), 1.0, 1e-9);
		EXPECT_GT(RotationAngleBetween(Frame.Rotation, Later.Rotation), 0.3) << *Frame.Name;
		EXPECT_GT(FVector::Dist(Frame.Location, Later.Location), 0.1) << *Frame.Name;
		EXPECT_TRUE(Frame.Type == int32(EZevoPropType::Cube) || Frame.Type == int32(EZevoPropType::Sphere));
		EXPECT_TRUE(Frame.Scale.X > 0.0 && Frame.Scale.Y > 0.0 && Frame.Scale.Z > 0.0);
		EXPECT_TRUE(Frame.Scale.Equals(Performance.GetProp(Prop).Size));
		EXPECT_GT(Frame.Location.Y, 0.5) << "props float above the floor";
		Subjects.Add(FString::Printf("%s_%d", *Frame.Name, Frame.Number));
	}
	EXPECT_EQ(Subjects.Num(), 5);
	EXPECT_TRUE(Subjects.Contains("Box_1") && Subjects.Contains("Ball_1") && Subjects.Contains("Sword_1") && Subjects.Contains("Box_2"));
}

TEST(ZevoSyntheticPerformance, SameInstantGivesTheSameFrame)
{
	const FZevoSyntheticPerformance First(2, 2);
	const FZevoSyntheticPerformance Second(2, 2);
	FZevoCharacterFrame A;
	FZevoCharacterFrame B;
	First.EvaluateActor(1, 7.25, A);
	First.EvaluateActor(1, 3.0, B);
	Second.EvaluateActor(1, 7.25, B);
	EXPECT_TRUE(A.HipsPosition == B.HipsPosition);
	for (int32 Bone = 0; Bone < BoneCount; ++Bone)
	{
		EXPECT_TRUE(A.Rotations[Bone] == B.Rotations[Bone]) << BoneNames[Bone];
	}
}
