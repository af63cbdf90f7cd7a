#pragma once
// FZevoSyntheticPerformance: a built-in motion-capture performance for trying the system without a
// capture stage. Actors walk and turn on closed circular paths, spread over a grid so that they
// never meet; props float and spin in a row behind them. Everything is a pure function of the
// time in seconds, so two evaluations of the same instant give the same frame.
//
// The body model, shared by every actor (stream frame: metres, Y up, facing +Z in T-pose):
// the hip joints sit HipToUpperLegLength to either side of the hips, level with them; thigh
// (UpperLegLength) and shin (LowerLegLength) hang straight down; the ankle is AnkleHeight above
// the sole. Standing straight, the hips are therefore UpperLegLength + LowerLegLength +
// AnkleHeight above the floor (the sideways hip segment adds no height); walking, they sit where
// the lower of the two ankles is AnkleHeight above the floor, which gives the walk its bob.
//
// For the first StandingSeconds every actor stands still in T-pose (all rotations identity,
// facing +Z) so that calibration and tests have a known frame; over the next BlendSeconds the
// walk fades in from zero, so the motion starts without a jump.
#include "ZevoCharacterMessage.h"
#include "ZevoPropMessage.h"

class FZevoSyntheticPerformance
{
public:
	static constexpr double StandingSeconds = 1.0;
	static constexpr double BlendSeconds = 1.0;
	static constexpr double AnkleHeight = 0.08;
	/** Distance between the centres of neighbouring actors' paths; a path's radius stays below a third of it. */
	static constexpr double ActorSpacing = 5.5;

	/** The fixed traits of one actor: its body and its path. */
	struct FActor
	{
		FString Name;
		float UpperLegLength = 0.f;
		float LowerLegLength = 0.f;
		float HipToUpperLegLength = 0.f;
		float PositionOffsetX = 0.f;
		float PositionOffsetZ = 0.f;
		float HeightOffset = 0.f;
		FVector PathCentre;
		double PathRadius = 0.0;
		/** +1 walks counter-clockwise seen from above, -1 clockwise. */
		double PathSense = 1.0;
		double WalkSpeed = 0.0;
		/** Distance covered by one full gait cycle (two steps). */
		double StrideLength = 0.0;

		double GetStandingHipsHeight() const { return double(UpperLegLength) + LowerLegLength + AnkleHeight; }
	};

	/** The fixed traits of one prop. */
	struct FProp
	{
		FString Name;
		EZevoPropType Type = EZevoPropType::Cube;
		int32 Number = 0;
		FVector Size;
		FVector OrbitCentre;
		double OrbitRadius = 0.0;
		double OrbitSpeed = 0.0;
		double SpinSpeed = 0.0;
		double Tilt = 0.0;
	};

	FZevoSyntheticPerformance(int32 NumActors, int32 NumProps);

	int32 GetNumActors() const { return Actors.Num(); }
	int32 GetNumProps() const { return Props.Num(); }
	const FActor& GetActor(int32 Index) const { return Actors[Index]; }
	const FProp& GetProp(int32 Index) const { return Props[Index]; }

	/** Fills Out with actor Index at Time seconds (times before 0 count as 0). */
	void EvaluateActor(int32 Index, double Time, FZevoCharacterFrame& Out) const;
	/** Fills Out with prop Index at Time seconds (times before 0 count as 0). */
	void EvaluateProp(int32 Index, double Time, FZevoPropFrame& Out) const;

private:
	TArray<FActor> Actors;
	TArray<FProp> Props;
};
