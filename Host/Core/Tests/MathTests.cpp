#include "CoreMinimal.h"

#include <gtest/gtest.h>

namespace
{
void ExpectSameRotation(const FQuat& A, const FQuat& B, double ToleranceDegrees = 1e-6)
{
	EXPECT_LE(FMath::RadiansToDegrees(A.AngularDistance(B)), ToleranceDegrees) << *A.ToString() << " vs " << *B.ToString();
}
}

TEST(FQuat, ProductAppliesTheRightOperandFirst)
{
	const FQuat YawQuarter(FVector(0, 0, 1), UE_PI / 2);
	const FQuat RollQuarter(FVector(1, 0, 0), UE_PI / 2);
	const FVector V(0, 1, 0);
	const FVector Both = (YawQuarter * RollQuarter).RotateVector(V);
	const FVector Stepwise = YawQuarter.RotateVector(RollQuarter.RotateVector(V));
	EXPECT_TRUE(Both.Equals(Stepwise, 1e-12));
	EXPECT_TRUE(Both.Equals(FVector(0, 0, 1), 1e-12));
}

TEST(FQuat, FindBetweenVectorsTurnsOneDirectionIntoTheOther)
{
	const FVector Cases[][2] = {{{1, 0, 0}, {0, 1, 0}}, {{1, 2, 3}, {-3, 1, 0.5}}, {{1, 0, 0}, {-1, 0, 0}}, {{0, 0, 2}, {0, 0, 5}}};
	for (const auto& Case : Cases)
	{
		const FQuat Q = FQuat::FindBetweenVectors(Case[0], Case[1]);
		EXPECT_NEAR(Q.SizeSquared(), 1.0, 1e-12);
		EXPECT_TRUE(Q.RotateVector(Case[0].GetSafeNormal()).Equals(Case[1].GetSafeNormal(), 1e-9));
	}
}

TEST(FQuat, RotatorRoundTripsAndSlerpHalvesTheAngle)
{
	const FRotator R(30, -120, 45);
	ExpectSameRotation(R.Quaternion().Rotator().Quaternion(), R.Quaternion());
	const FQuat Turn(FVector(0, 0, 1), FMath::DegreesToRadians(80));
	const FQuat Half = FQuat::Slerp(FQuat::Identity, Turn, 0.5);
	ExpectSameRotation(Half, FQuat(FVector(0, 0, 1), FMath::DegreesToRadians(40)));
}

TEST(FTransform, ComposesLocalThenParent)
{
	const FTransform Parent(FQuat(FVector(0, 0, 1), UE_PI / 2), FVector(10, 0, 0), FVector(2, 2, 2));
	const FTransform Local(FQuat::Identity, FVector(1, 0, 0));
	const FTransform Component = Local * Parent;
	EXPECT_TRUE(Component.GetTranslation().Equals(FVector(10, 2, 0), 1e-9));
	EXPECT_TRUE(Component.Inverse().TransformPosition(Component.TransformPosition(FVector(3, 4, 5))).Equals(FVector(3, 4, 5), 1e-9));
}
