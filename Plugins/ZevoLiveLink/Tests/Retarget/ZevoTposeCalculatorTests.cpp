#include "Logging/LogCapture.h"
#include "ZevoTestRigs.h"
#include "Retarget/ZevoTposeCalculator.h"

#include <gtest/gtest.h>

class FZevoTposeCalculatorTestAccess
{
public:
	static FVector GetBoneDirection(const FReferenceSkeleton& Skeleton, int32 Index, EZevoBoneName Bone, const TArray<FZevoBoneMappingRow>& Rows)
	{
		return FZevoTposeCalculator::GetBoneDirection(Skeleton, Index, Bone, Rows, false);
	}
	static FVector GetBoneUp(EZevoBoneName Bone, const FVector& Direction) { return FZevoTposeCalculator::GetBoneUp(Bone, Direction); }
};

namespace
{
double AngleDegrees(const FQuat& A, const FQuat& B)
{
	return FMath::RadiansToDegrees(A.AngularDistance(B));
}

double AngleBetween(const FVector& A, const FVector& B)
{
	return FMath::RadiansToDegrees(std::acos(FMath::Clamp(A.GetSafeNormal() | B.GetSafeNormal(), -1.0, 1.0)));
}

/** Component-space transforms of the target's rest pose with the deltas applied (delta * rest). */
TArray<FTransform> TPosedComponentTransforms(const FReferenceSkeleton& Skeleton, const TMap<FName, FQuat>& Deltas)
{
	TArray<FTransform> Component;
	for (int32 Index = 0; Index < Skeleton.GetNum(); ++Index)
	{
		FTransform Local = Skeleton.GetRefBonePose()[Index];
		if (const FQuat* Delta = Deltas.Find(Skeleton.GetBoneName(Index)))
		{
			Local.SetRotation(*Delta * Local.GetRotation());
		}
		const int32 Parent = Skeleton.GetParentIndex(Index);
		Component.Add(Parent == INDEX_NONE ? Local : Local * Component[Parent]);
	}
	return Component;
}

FVector DirectionToChild(const FReferenceSkeleton& Skeleton, const TArray<FTransform>& Component, const char* Bone, const char* Child)
{
	return Component[Skeleton.FindBoneIndex(FName(Child))].GetTranslation() - Component[Skeleton.FindBoneIndex(FName(Bone))].GetTranslation();
}
}

TEST(ZevoTposeCalculator, GivesIdentityDeltasForATargetAlreadyInTheReferenceTPose)
{
	const auto Reference = ZevoTestRigs::MakeSkeleton(ZevoTestRigs::StreamBodyTPose(), "Reference");
	const auto Target = ZevoTestRigs::MakeSkeleton(ZevoTestRigs::StreamBodyTPose(), "Target");
	const TMap<FName, FQuat> Deltas = FZevoTposeCalculator::CalculateTPoseDeltas(Target.get(), Reference.get(), ZevoTestRigs::IdentityMapping());
	EXPECT_EQ(Deltas.Num(), 44 + 2);
	for (const auto& Delta : Deltas)
	{
		EXPECT_LT(AngleDegrees(Delta.Value, FQuat::Identity), 1e-6) << *Delta.Key.ToString();
	}
}

TEST(ZevoTposeCalculator, StraightensAnAPoseSoEveryLimbPointsLikeTheReference)
{
	const auto Reference = ZevoTestRigs::MakeSkeleton(ZevoTestRigs::StreamBodyTPose(), "Reference");
	const auto Target = ZevoTestRigs::MakeSkeleton(ZevoTestRigs::StreamBodyAPose(), "Target");
	const TMap<FName, FQuat> Deltas = FZevoTposeCalculator::CalculateTPoseDeltas(Target.get(), Reference.get(), ZevoTestRigs::IdentityMapping());
	const FReferenceSkeleton& T = Target->GetReferenceSkeleton();
	const FReferenceSkeleton& R = Reference->GetReferenceSkeleton();
	const TArray<FTransform> Posed = TPosedComponentTransforms(T, Deltas);
	TArray<FTransform> ReferencePose = TPosedComponentTransforms(R, {});
	const char* Chains[][2] = {{"LeftShoulder", "LeftElbow"}, {"LeftElbow", "LeftWrist"}, {"RightShoulder", "RightElbow"},
		{"RightWrist", "RightFinger2"}, {"LeftHip", "LeftKnee"}, {"RightKnee", "RightAnkle"}, {"LeftFinger1", "LeftFinger11"}};
	for (const auto& Chain : Chains)
	{
		EXPECT_LT(AngleBetween(DirectionToChild(T, Posed, Chain[0], Chain[1]), DirectionToChild(R, ReferencePose, Chain[0], Chain[1])), 1e-6)
			<< Chain[0];
	}
	// The feet keep their rest orientation in the world while the legs above them straighten.
	const int32 LeftAnkle = T.FindBoneIndex(FName("LeftAnkle"));
	EXPECT_LT(AngleDegrees(Posed[LeftAnkle].GetRotation(), T.GetComponentSpaceTransform(LeftAnkle).GetRotation()), 1e-6);
}

TEST(ZevoTposeCalculator, ZeroLengthBonesFallBackToTheParentDirectionThenTheirOwnAxis)
{
	// Each bone's child sits on it; the direction comes from its own side's parent.
	struct FCase
	{
		const char* Bone;
		const char* Child;
		EZevoBoneName Identifier;
		FVector Expected;
	};
	const FCase Cases[] = {
		{"LeftWrist", "LeftFinger2", EZevoBoneName::LeftWrist, FVector(1, 0, 0)},
		{"RightFinger0", "RightFinger01", EZevoBoneName::RightFinger0, FVector(-3, 3, -1).GetSafeNormal()},
		{"LeftFinger0", "LeftFinger01", EZevoBoneName::LeftFinger0, FVector(3, 3, -1).GetSafeNormal()},
	};
	for (const FCase& Case : Cases)
	{
		TArray<FZevoTestBone> Bones = ZevoTestRigs::StreamBodyTPose();
		for (FZevoTestBone& Bone : Bones)
		{
			Bone.Translation = Bone.Name == FName(Case.Child) ? FVector::ZeroVector : Bone.Translation;
		}
		const auto Skeleton = ZevoTestRigs::MakeSkeleton(Bones, "Degenerate");
		const FReferenceSkeleton& S = Skeleton->GetReferenceSkeleton();
		const FVector Direction =
			FZevoTposeCalculatorTestAccess::GetBoneDirection(S, S.FindBoneIndex(FName(Case.Bone)), Case.Identifier, ZevoTestRigs::IdentityMapping());
		EXPECT_TRUE(Direction.Equals(Case.Expected, 1e-12)) << Case.Bone << ": " << *Direction.ToString();
	}

	// A lone bone with neither child nor parent found: its own X axis.
	TArray<FZevoTestBone> Lone{{FName("LeftElbow"), NAME_None, FVector::ZeroVector, FQuat(FVector(0, 0, 1), UE_PI / 2)}};
	const auto LoneSkeleton = ZevoTestRigs::MakeSkeleton(Lone, "Lone");
	const FVector OwnAxis = FZevoTposeCalculatorTestAccess::GetBoneDirection(LoneSkeleton->GetReferenceSkeleton(), 0, EZevoBoneName::LeftElbow, {});
	EXPECT_TRUE(OwnAxis.Equals(FVector(0, 1, 0), 1e-12));
	EXPECT_TRUE(FZevoTposeCalculatorTestAccess::GetBoneDirection(LoneSkeleton->GetReferenceSkeleton(), INDEX_NONE, EZevoBoneName::Hips, {})
					.Equals(FVector(1, 0, 0)));
}

TEST(ZevoTposeCalculator, TPoseAndAPoseTwinsStraightenIntoTheSameFullRotationHandsIncluded)
{
	// One rig, its arms lowered at the shoulders in the A-pose. The hand points a little off the
	// arm, toward the middle knuckle: the shortest turn up from the A-pose would leave it rolled.
	// Without fingers the hand has no direction of its own and must turn with the forearm.
	const auto Reference = ZevoTestRigs::MakeSkeleton(ZevoTestRigs::StreamBodyTPose(), "Reference");
	for (const bool bFingers : {true, false})
	{
		const auto WithFingers = [bFingers](TArray<FZevoTestBone> Bones) {
			Bones.RemoveAll([bFingers](const FZevoTestBone& Bone) { return !bFingers && Bone.Name.ToString().Contains("Finger"); });
			return Bones;
		};
		const auto TPosed = ZevoTestRigs::MakeSkeleton(WithFingers(ZevoTestRigs::StreamBodyTPose()), "TPosed");
		const auto APosed = ZevoTestRigs::MakeSkeleton(WithFingers(ZevoTestRigs::StreamBodyAPose()), "APosed");
		const TArray<FZevoBoneMappingRow> Rows = ZevoTestRigs::IdentityMapping();
		const TArray<FTransform> T = TPosedComponentTransforms(
			TPosed->GetReferenceSkeleton(), FZevoTposeCalculator::CalculateTPoseDeltas(TPosed.get(), Reference.get(), Rows));
		const TArray<FTransform> A = TPosedComponentTransforms(
			APosed->GetReferenceSkeleton(), FZevoTposeCalculator::CalculateTPoseDeltas(APosed.get(), Reference.get(), Rows));
		for (int32 Bone = 0; Bone < T.Num(); ++Bone)
		{
			EXPECT_LT(AngleDegrees(A[Bone].GetRotation(), T[Bone].GetRotation()), 1e-3)
				<< *TPosed->GetReferenceSkeleton().GetBoneName(Bone).ToString() << (bFingers ? "" : ", without fingers");
		}
	}
}

TEST(ZevoTposeCalculator, ATargetNamingItsBonesLikeOtherStreamBonesIsStraightenedThroughItsMapping)
{
	// A clavicle called LeftShoulder and an upper arm called LeftArm, as one common convention has it.
	const TMap<FName, FName> Rename{{FName("LeftCollar"), FName("LeftShoulder")}, {FName("LeftShoulder"), FName("LeftArm")},
		{FName("LeftElbow"), FName("LeftForeArm")}, {FName("LeftWrist"), FName("LeftHand")}};
	const auto Reference = ZevoTestRigs::MakeSkeleton(ZevoTestRigs::StreamBodyTPose(), "Reference");
	const auto Target = ZevoTestRigs::MakeSkeleton(ZevoTestRigs::Renamed(ZevoTestRigs::StreamBodyAPose(), Rename), "Target");
	TArray<FZevoBoneMappingRow> Rows = ZevoTestRigs::IdentityMapping();
	for (FZevoBoneMappingRow& Row : Rows)
	{
		Row.TargetBone = Rename.Contains(Row.TargetBone) ? Rename[Row.TargetBone] : Row.TargetBone;
	}
	const FReferenceSkeleton& Tg = Target->GetReferenceSkeleton();
	const TArray<FTransform> Posed = TPosedComponentTransforms(Tg, FZevoTposeCalculator::CalculateTPoseDeltas(Target.get(), Reference.get(), Rows));
	const TArray<FTransform> ReferencePose = TPosedComponentTransforms(Reference->GetReferenceSkeleton(), {});
	const char* Chains[][4] = {{"LeftShoulder", "LeftArm", "LeftCollar", "LeftShoulder"}, {"LeftArm", "LeftForeArm", "LeftShoulder", "LeftElbow"},
		{"LeftForeArm", "LeftHand", "LeftElbow", "LeftWrist"}};
	for (const auto& Chain : Chains)
	{
		EXPECT_LT(AngleBetween(DirectionToChild(Tg, Posed, Chain[0], Chain[1]),
					  DirectionToChild(Reference->GetReferenceSkeleton(), ReferencePose, Chain[2], Chain[3])),
			1e-6)
			<< Chain[0];
	}
}

TEST(ZevoTposeCalculator, AnklesGetAnEntryOnlyWhenMappedAndToesStayAsTheyAre)
{
	const auto Reference = ZevoTestRigs::MakeSkeleton(ZevoTestRigs::StreamBodyTPose(), "Reference");
	const auto Target = ZevoTestRigs::MakeSkeleton(ZevoTestRigs::StreamBodyAPose(), "Target");
	TArray<FZevoBoneMappingRow> Rows = ZevoTestRigs::IdentityMapping();
	Rows.RemoveAll([](const FZevoBoneMappingRow& Row) { return Row.SourceBone == EZevoBoneName::LeftAnkle; });
	const TMap<FName, FQuat> Deltas = FZevoTposeCalculator::CalculateTPoseDeltas(Target.get(), Reference.get(), Rows);
	EXPECT_FALSE(Deltas.Contains(FName("LeftAnkle")));
	ASSERT_TRUE(Deltas.Contains(FName("RightAnkle")));
	ASSERT_TRUE(Deltas.Contains(FName("LeftToe")));
	// The spread leg straightens above the foot, and the toe stays on the foot as at rest.
	ASSERT_TRUE(Deltas.Contains(FName("RightToe")));
	EXPECT_LT(AngleDegrees(Deltas[FName("RightToe")], FQuat::Identity), 1e-6);
}

TEST(ZevoTposeCalculator, AnUnmappedCollarLeavesTheShoulderChainingOnItsRestRotation)
{
	TArray<FZevoTestBone> Bones = ZevoTestRigs::StreamBodyAPose();
	for (FZevoTestBone& Bone : Bones)
	{
		if (Bone.Name == FName("LeftCollar"))
		{
			Bone.Rotation = FQuat(FVector(1, 0, 0), FMath::DegreesToRadians(20.0));
		}
	}
	const auto Reference = ZevoTestRigs::MakeSkeleton(ZevoTestRigs::StreamBodyTPose(), "Reference");
	const auto Target = ZevoTestRigs::MakeSkeleton(Bones, "Target");
	TArray<FZevoBoneMappingRow> Rows = ZevoTestRigs::IdentityMapping();
	Rows.RemoveAll([](const FZevoBoneMappingRow& Row) { return Row.SourceBone == EZevoBoneName::LeftCollar; });
	const TMap<FName, FQuat> Deltas = FZevoTposeCalculator::CalculateTPoseDeltas(Target.get(), Reference.get(), Rows);
	EXPECT_FALSE(Deltas.Contains(FName("LeftCollar")));
	const FReferenceSkeleton& T = Target->GetReferenceSkeleton();
	const TArray<FTransform> Posed = TPosedComponentTransforms(T, Deltas);
	const TArray<FTransform> ReferencePose = TPosedComponentTransforms(Reference->GetReferenceSkeleton(), {});
	EXPECT_LT(AngleBetween(DirectionToChild(T, Posed, "LeftShoulder", "LeftElbow"),
				  DirectionToChild(Reference->GetReferenceSkeleton(), ReferencePose, "LeftShoulder", "LeftElbow")),
		1e-6);
}

TEST(ZevoTposeCalculator, MissingSkeletonsGiveNoDeltasAndOneWarning)
{
	FLogCapture Log;
	const auto Target = ZevoTestRigs::MakeSkeleton(ZevoTestRigs::StreamBodyTPose(), "Target");
	EXPECT_TRUE(FZevoTposeCalculator::CalculateTPoseDeltas(Target.get(), nullptr, ZevoTestRigs::IdentityMapping()).IsEmpty());
	EXPECT_EQ(Log.Count("FZevoTposeCalculator: Invalid skeleton reference", ELogVerbosity::Warning), 1);
}

TEST(ZevoTposeCalculator, MeasuresHipToAnkleAndPicksAnUpVectorAcrossTheBone)
{
	FLogCapture Log;
	const auto Skeleton = ZevoTestRigs::MakeSkeleton(ZevoTestRigs::StreamBodyTPose(), "Body");
	EXPECT_FLOAT_EQ(FZevoTposeCalculator::CalculateHipToFootBottomDistance(Skeleton.get(), ZevoTestRigs::IdentityMapping()), 87.f);
	EXPECT_EQ(Log.Count("[Zevo TposeCalc] Hip-to-Ankle distance: 87.00 cm (Hip.Z=95.00, Ankle.Z=8.00)", ELogVerbosity::Log), 1);
	EXPECT_EQ(FZevoTposeCalculator::CalculateHipToFootBottomDistance(Skeleton.get(), {}), 0.f);
	EXPECT_EQ(Log.Count("[Zevo TposeCalc] Hip bone not found for height calculation", ELogVerbosity::Warning), 1);

	const FVector Up = FZevoTposeCalculatorTestAccess::GetBoneUp(EZevoBoneName::LeftElbow, FVector(-1, 0, 0));
	EXPECT_TRUE(Up.Equals(FVector(0, 0, -1), 1e-12));
	const FVector AlongHint = FZevoTposeCalculatorTestAccess::GetBoneUp(EZevoBoneName::LeftElbow, FVector(0, 0, 1));
	EXPECT_NEAR(AlongHint.Size(), 1.0, 1e-12);
	EXPECT_NEAR(AlongHint | FVector(0, 0, 1), 0.0, 1e-12);
}
