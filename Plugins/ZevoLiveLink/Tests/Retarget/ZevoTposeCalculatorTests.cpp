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
	TArray<FZevoTestBone> Bones = ZevoTestRigs::StreamBodyTPose();
	for (FZevoTestBone& Bone : Bones)
	{
		if (Bone.Name == FName("LeftWrist"))
		{
			Bone.Translation = FVector(26, 0, 0);
		}
		if (Bone.Name == FName("LeftFinger2"))
		{
			Bone.Translation = FVector::ZeroVector; // the wrist's child sits on the wrist
		}
	}
	const auto Skeleton = ZevoTestRigs::MakeSkeleton(Bones, "Degenerate");
	const FReferenceSkeleton& S = Skeleton->GetReferenceSkeleton();
	const TArray<FZevoBoneMappingRow> Rows = ZevoTestRigs::IdentityMapping();
	const FVector FromParent = FZevoTposeCalculatorTestAccess::GetBoneDirection(S, S.FindBoneIndex(FName("LeftWrist")), EZevoBoneName::LeftWrist, Rows);
	EXPECT_TRUE(FromParent.Equals(FVector(1, 0, 0), 1e-12));

	// A lone bone with neither child nor parent found: its own X axis.
	TArray<FZevoTestBone> Lone{{FName("LeftElbow"), NAME_None, FVector::ZeroVector, FQuat(FVector(0, 0, 1), UE_PI / 2)}};
	const auto LoneSkeleton = ZevoTestRigs::MakeSkeleton(Lone, "Lone");
	const FVector OwnAxis = FZevoTposeCalculatorTestAccess::GetBoneDirection(LoneSkeleton->GetReferenceSkeleton(), 0, EZevoBoneName::LeftElbow, {});
	EXPECT_TRUE(OwnAxis.Equals(FVector(0, 1, 0), 1e-12));
	EXPECT_TRUE(FZevoTposeCalculatorTestAccess::GetBoneDirection(S, INDEX_NONE, EZevoBoneName::Hips, Rows).Equals(FVector(1, 0, 0)));
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
