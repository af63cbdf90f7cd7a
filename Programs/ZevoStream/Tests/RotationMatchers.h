#pragma once
// Rotations compare as rotations: q and -q are the same, and the tolerance is an angle.
#include "CoreMinimal.h"

#include <gtest/gtest.h>

inline double RotationAngleBetween(const FQuat& A, const FQuat& B)
{
	const double Dot = std::min(1.0, std::abs(A.GetNormalized() | B.GetNormalized()));
	return 2.0 * std::acos(Dot);
}

inline testing::AssertionResult IsSameRotation(const FQuat& Actual, const FQuat& Expected, double ToleranceRadians = 1e-3)
{
	const double Angle = RotationAngleBetween(Actual, Expected);
	if (Angle <= ToleranceRadians)
	{
		return testing::AssertionSuccess();
	}
	return testing::AssertionFailure() << *Actual.ToString() << " is " << Angle << " rad away from " << *Expected.ToString();
}
