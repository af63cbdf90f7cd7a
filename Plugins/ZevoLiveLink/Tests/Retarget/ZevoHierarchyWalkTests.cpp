#include "Retarget/ZevoHierarchyWalk.h"
#include "ZevoTestRigs.h"

#include <gtest/gtest.h>

namespace
{
double AngleDegrees(const FQuat& A, const FQuat& B)
{
	return FMath::RadiansToDegrees(A.AngularDistance(B));
}

/** root - a - b - c, each turned about its own axis. */
std::unique_ptr<USkeleton> Chain()
{
	return ZevoTestRigs::MakeSkeleton({{FName("root"), NAME_None, FVector(0, 0, 10), FQuat(FVector(0, 0, 1), 0.3)},
										  {FName("a"), FName("root"), FVector(5, 0, 0), FQuat(FVector(1, 0, 0), 0.5)},
										  {FName("b"), FName("a"), FVector(0, 5, 0), FQuat(FVector(0, 1, 0), 0.7)},
										  {FName("c"), FName("b"), FVector(0, 0, 5), FQuat(FVector(0, 0, 1), 1.1)}},
		"Chain");
}
}

TEST(ZevoHierarchyWalk, ComposesFromTheNearestRecordedAncestorDown)
{
	const auto Skeleton = Chain();
	const FReferenceSkeleton& S = Skeleton->GetReferenceSkeleton();
	const auto Rest = [&S](int32 Bone) { return S.GetRefBonePose()[Bone].GetRotation(); };
	const FQuat Known(FVector(0, 1, 0), 2.0);
	const auto AtA = [&](int32 Bone) { return Bone == 1 ? &Known : nullptr; };
	struct FCase
	{
		const char* What;
		FQuat Actual;
		FQuat Expected;
	};
	const FCase Cases[] = {
		{"nothing recorded: the whole chain", FZevoHierarchyWalk::ComponentRotation(S, 3, Rest), S.GetComponentSpaceTransform(3).GetRotation()},
		{"recorded above: from it down", FZevoHierarchyWalk::ComponentRotation(S, 3, Rest, AtA), Known * Rest(2) * Rest(3)},
		{"the start itself recorded", FZevoHierarchyWalk::ComponentRotation(S, 1, Rest, AtA), Known},
		{"no bone at all", FZevoHierarchyWalk::ComponentRotation(S, INDEX_NONE, Rest, AtA), FQuat::Identity},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_LT(AngleDegrees(Case.Actual, Case.Expected), 1e-5) << Case.What;
	}
	const FTransform Transform = FZevoHierarchyWalk::ComponentTransform(S, 3, [&S](int32 Bone) { return S.GetRefBonePose()[Bone]; });
	EXPECT_TRUE(Transform.Equals(S.GetComponentSpaceTransform(3), 1e-9));
}

TEST(ZevoHierarchyWalk, TurnsARestRotationByItsDeltaUnlessTheDeltaIsNone)
{
	const auto Skeleton = Chain();
	const FReferenceSkeleton& S = Skeleton->GetReferenceSkeleton();
	const FQuat Delta(FVector(0, 0, 1), 0.25);
	const FQuat AlmostNone(1e-9, 0, 0, 1);
	const TArray<FQuat> Local = FZevoHierarchyWalk::TPosedLocalRotations(S, {{FName("a"), Delta}, {FName("b"), AlmostNone}});
	EXPECT_LT(AngleDegrees(Local[1], Delta * S.GetRefBonePose()[1].GetRotation()), 1e-5);
	EXPECT_EQ(Local[2], S.GetRefBonePose()[2].GetRotation());
	EXPECT_EQ(Local[3], S.GetRefBonePose()[3].GetRotation());
}
