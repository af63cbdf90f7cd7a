#include "Retarget/ZevoStreamConventions.h"

#include <gtest/gtest.h>

TEST(ZevoStreamConventions, MapsTheStreamsAxesAndUnitsOntoTheEngines)
{
	// Up, forward and sideways of the stream land on the engine's, a metre on a hundred centimetres.
	EXPECT_TRUE(FZevoStreamConventions::PositionToEngine(FVector(0, 1, 0)).Equals(FVector(0, 0, 100), 1e-12));
	EXPECT_TRUE(FZevoStreamConventions::PositionToEngine(FVector(0, 0, 1)).Equals(FVector(0, 100, 0), 1e-12));
	EXPECT_TRUE(FZevoStreamConventions::PositionToEngine(FVector(1, 0, 0)).Equals(FVector(-100, 0, 0), 1e-12));
	EXPECT_FLOAT_EQ(FZevoStreamConventions::LengthToEngine(0.42f), 42.f);
	// A size keeps its extent along each axis, whatever sense the axis has.
	EXPECT_TRUE(FZevoStreamConventions::SizeToEngine(FVector(0.3, 0.2, 0.1)).Equals(FVector(30, 10, 20), 1e-12));
}

TEST(ZevoStreamConventions, ARotationTurnsConvertedPointsAsItTurnedThemInTheStream)
{
	// Turning in the stream and then converting must land where converting and then turning does,
	// for every rotation: the rotation formula is the position formula's change of frame.
	const FQuat Rotations[] = {FQuat(FVector(1, 0, 0), 0.7), FQuat(FVector(0, 1, 0), -1.2), FQuat(FVector(0, 0, 1), 2.9),
		FQuat(FVector(0.3, -0.5, 0.8).GetSafeNormal(), 1.9), FQuat(0.1, 0.2, 0.3, 0.9).GetNormalized()};
	const FVector Points[] = {FVector(1, 0, 0), FVector(0.2, 1.7, -0.4), FVector(-0.9, 0.05, 0.3)};
	for (const FQuat& Rotation : Rotations)
	{
		const FQuat Converted = FZevoStreamConventions::RotationToEngine(Rotation);
		EXPECT_NEAR(Converted.Size(), 1.0, 1e-12);
		for (const FVector& Point : Points)
		{
			const FVector TurnedThenConverted = FZevoStreamConventions::PositionToEngine(Rotation.RotateVector(Point));
			const FVector ConvertedThenTurned = Converted.RotateVector(FZevoStreamConventions::PositionToEngine(Point));
			EXPECT_TRUE(TurnedThenConverted.Equals(ConvertedThenTurned, 1e-9)) << *Rotation.ToString() << " " << *Point.ToString();
		}
		// Composition survives too: the product of converted rotations is the converted product.
		EXPECT_TRUE(FZevoStreamConventions::RotationToEngine(Rotation * Rotations[0]).Equals(Converted * FZevoStreamConventions::RotationToEngine(Rotations[0]), 1e-12));
	}
}
