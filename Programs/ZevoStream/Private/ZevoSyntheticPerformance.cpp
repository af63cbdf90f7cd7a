#include "ZevoSyntheticPerformance.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>

namespace
{
	using namespace ZevoStreamBody;

	constexpr double TwoPi = 2.0 * std::numbers::pi;

	/** A well-spread value in [0, 1) for (Index, Salt): the performance varies its actors without randomness. */
	double Spread(int32 Index, int32 Salt)
	{
		const double Value = (Index + 1) * 0.6180339887498949 + Salt * 0.4142135623730951;
		return Value - std::floor(Value);
	}

	FQuat AboutX(double Angle) { return FQuat(FVector(1, 0, 0), Angle); }
	FQuat AboutY(double Angle) { return FQuat(FVector(0, 1, 0), Angle); }
	FQuat AboutZ(double Angle) { return FQuat(FVector(0, 0, 1), Angle); }

	double Smoothstep(double X)
	{
		X = std::clamp(X, 0.0, 1.0);
		return X * X * (3.0 - 2.0 * X);
	}

	/** How far into the walk the actor is: 0 while standing, rising smoothly to 1. */
	double WalkWeight(double Time)
	{
		return Smoothstep((Time - FZevoSyntheticPerformance::StandingSeconds) / FZevoSyntheticPerformance::BlendSeconds);
	}

	/** Distance walked at full speed 1 m/s: the integral of the walk weight, so speed and gait match. */
	double WalkedDistance(double Time)
	{
		const double U = (Time - FZevoSyntheticPerformance::StandingSeconds) / FZevoSyntheticPerformance::BlendSeconds;
		if (U <= 0.0)
		{
			return 0.0;
		}
		const double Integral = U < 1.0 ? U * U * U - 0.5 * U * U * U * U : 0.5 + (U - 1.0);
		return Integral * FZevoSyntheticPerformance::BlendSeconds;
	}

	/** One leg at gait angle Phase (0: the thigh passes vertical on its way forward; 2 pi a full cycle), scaled by Weight. */
	void PoseLeg(double Phase, double Weight, FQuat& Hip, FQuat& Knee, FQuat& Ankle, FQuat& Toes)
	{
		// Positive flexion swings the thigh forward (+Z); about X that is a negative angle.
		const double HipFlexion = Weight * 0.33 * std::sin(Phase);
		// The knee bends most while the leg swings forward (thigh moving forward: cos > 0).
		const double Swing = std::max(0.0, std::cos(Phase - 0.3));
		const double KneeFlexion = Weight * (0.08 + 0.95 * Swing * Swing);
		// The ankle takes back most of the leg's pitch so the foot stays near level; push-off at the back.
		const double PushOff = Weight * 0.25 * std::max(0.0, -std::sin(Phase + 0.4));
		const double AnkleAngle = -0.75 * (-HipFlexion + KneeFlexion) + PushOff;
		Hip = AboutX(-HipFlexion);
		Knee = AboutX(KneeFlexion);
		Ankle = AboutX(AnkleAngle);
		Toes = AboutX(-0.6 * PushOff);
	}

	/** One arm; Side is -1 for the left arm (which points -X in T-pose), +1 for the right. */
	void PoseArm(double Swing, double Weight, double Side, FQuat& Collar, FQuat& Shoulder, FQuat& Elbow, FQuat& Wrist)
	{
		// Lowering an arm turns it about Z: positive for the left (-X) arm, negative for the right.
		const double Lowered = Weight * 1.25;
		Collar = AboutZ(Side * Weight * 0.04 * Swing);
		Shoulder = AboutX(-Swing) * AboutZ(-Side * Lowered);
		// Bending the elbow brings the forearm forward: about Y, mirrored between the sides.
		Elbow = AboutY(-Side * Weight * (0.25 + 0.3 * std::max(0.0, Swing)));
		Wrist = AboutZ(-Side * Weight * 0.1);
	}

	/** Five finger chains of three segments from First; curling bends them towards the palm. */
	void PoseFingers(int32 First, double Curl, double Side, std::array<FQuat, BoneCount>& Rotations)
	{
		for (int32 Finger = 0; Finger < 5; ++Finger)
		{
			for (int32 Segment = 0; Segment < 3; ++Segment)
			{
				const double SegmentCurl = Curl * (1.0 - 0.15 * Segment);
				// The thumb closes across the palm (about Y), the others fold down (about Z).
				Rotations[First + 3 * Finger + Segment] =
					Finger == 0 ? AboutY(-Side * 0.5 * SegmentCurl) : AboutZ(-Side * SegmentCurl);
			}
		}
	}
}

FZevoSyntheticPerformance::FZevoSyntheticPerformance(int32 NumActors, int32 NumProps)
{
	const int32 Columns = std::max(1, static_cast<int32>(std::ceil(std::sqrt(double(NumActors)))));
	for (int32 Index = 0; Index < NumActors; ++Index)
	{
		FActor& Actor = Actors.Emplace_GetRef();
		Actor.Name = FString::Printf("Actor%d", Index + 1);
		Actor.UpperLegLength = static_cast<float>(0.42 + 0.04 * Spread(Index, 1));
		Actor.LowerLegLength = static_cast<float>(0.40 + 0.04 * Spread(Index, 2));
		Actor.HipToUpperLegLength = static_cast<float>(0.08 + 0.03 * Spread(Index, 3));
		// Calibration leaves a centimetre or so of drift; the vertical position offset stays 0 so the
		// hips height above remains the body model's.
		Actor.PositionOffsetX = static_cast<float>(0.02 * (Spread(Index, 4) - 0.5));
		Actor.PositionOffsetZ = static_cast<float>(0.02 * (Spread(Index, 5) - 0.5));
		Actor.HeightOffset = static_cast<float>(0.01 * (Spread(Index, 6) - 0.5));
		Actor.PathSense = Index % 2 == 0 ? 1.0 : -1.0;
		Actor.PathRadius = 1.3 + 0.5 * Spread(Index, 7);
		Actor.WalkSpeed = 1.1 + 0.3 * Spread(Index, 8);
		Actor.StrideLength = 1.65 * (double(Actor.UpperLegLength) + Actor.LowerLegLength);
		// One grid cell per actor, the path centred in it; the walk starts where the path's tangent is
		// +Z, the T-pose facing.
		const double Column = Index % Columns - 0.5 * (Columns - 1);
		const double Row = Index / Columns;
		Actor.PathCentre = FVector(Column * ActorSpacing, 0.0, Row * ActorSpacing);
	}

	static constexpr struct
	{
		const char* Name;
		EZevoPropType Type;
		FVector Size;
	} Kinds[] = {
		{"Box", EZevoPropType::Cube, FVector(0.3, 0.3, 0.3)},
		{"Ball", EZevoPropType::Sphere, FVector(0.22, 0.22, 0.22)},
		{"Sword", EZevoPropType::Cube, FVector(0.06, 0.9, 0.12)},
	};
	constexpr int32 KindCount = sizeof(Kinds) / sizeof(Kinds[0]);
	for (int32 Index = 0; Index < NumProps; ++Index)
	{
		FProp& Prop = Props.Emplace_GetRef();
		const auto& Kind = Kinds[Index % KindCount];
		Prop.Name = Kind.Name;
		Prop.Type = Kind.Type;
		Prop.Number = Index / KindCount + 1;
		Prop.Size = Kind.Size;
		// A row behind the first row of actors (towards -Z; they start facing +Z), 2.5 m apart, orbits of 0.6 m at most.
		Prop.OrbitCentre = FVector((Index - 0.5 * (NumProps - 1)) * 2.5, 1.0, -0.75 * ActorSpacing);
		Prop.OrbitRadius = 0.3 + 0.3 * Spread(Index, 9);
		Prop.OrbitSpeed = 0.6 + 0.6 * Spread(Index, 10);
		Prop.SpinSpeed = 0.8 + 1.2 * Spread(Index, 11);
		Prop.Tilt = 0.2 + 0.4 * Spread(Index, 12);
	}
}

void FZevoSyntheticPerformance::EvaluateActor(int32 Index, double Time, FZevoCharacterFrame& Out) const
{
	const FActor& Actor = Actors[Index];
	Time = std::max(0.0, Time);
	const double Weight = WalkWeight(Time);
	const double Distance = Actor.WalkSpeed * WalkedDistance(Time);

	// Along the circle: angle from the start, heading (a turn about Y), and the gait angle.
	const double PathAngle = Distance / Actor.PathRadius;
	const double Heading = Actor.PathSense * PathAngle;
	const double Gait = TwoPi * Distance / Actor.StrideLength;
	const double SinGait = std::sin(Gait);

	const FVector OnPath = Actor.PathCentre
		+ FVector(-Actor.PathSense * std::cos(PathAngle), 0.0, std::sin(PathAngle)) * Actor.PathRadius;
	std::array<FQuat, BoneCount>& Rotations = Out.Rotations;
	Rotations[Hips] = AboutY(Heading) * AboutY(Weight * 0.1 * SinGait) * AboutZ(Weight * 0.04 * std::cos(Gait))
		* AboutX(Weight * 0.05);

	// The left leg leads the gait angle, the right one follows half a cycle later.
	PoseLeg(Gait, Weight, Rotations[LeftHip], Rotations[LeftKnee], Rotations[LeftAnkle], Rotations[LeftToes]);
	PoseLeg(Gait + std::numbers::pi, Weight, Rotations[RightHip], Rotations[RightKnee], Rotations[RightAnkle],
		Rotations[RightToes]);

	// The hips ride on the lower leg, whose ankle stays AnkleHeight above the floor; standing
	// straight this is the standing height exactly. They also sway a little over the supporting leg.
	double LegReach = 0.0;
	for (const auto& [Hip, Knee, Side] : {std::tuple{LeftHip, LeftKnee, -1.0}, std::tuple{RightHip, RightKnee, 1.0}})
	{
		const FQuat Thigh = Rotations[Hips] * Rotations[Hip];
		const FQuat Shin = Thigh * Rotations[Knee];
		const FVector HipToAnkle = Rotations[Hips].RotateVector(FVector(Side * Actor.HipToUpperLegLength, 0.0, 0.0))
			+ Thigh.RotateVector(FVector(0.0, -Actor.UpperLegLength, 0.0))
			+ Shin.RotateVector(FVector(0.0, -Actor.LowerLegLength, 0.0));
		LegReach = std::max(LegReach, -HipToAnkle.Y);
	}
	const FVector Right(std::cos(Heading), 0.0, -std::sin(Heading));
	const double Sway = Weight * 0.02 * std::cos(Gait);
	Out.ActorName = Actor.Name;
	Out.HipsPosition = FVector(OnPath.X, AnkleHeight + LegReach, OnPath.Z) + Right * Sway;

	// The spine turns against the pelvis; the neck looks a little into the turn and nods with the steps.
	for (const int32 Bone : {Chest, Chest1, Chest2})
	{
		Rotations[Bone] = AboutY(-Weight * 0.05 * SinGait) * AboutX(Weight * 0.02);
	}
	Rotations[Neck] = AboutY(Actor.PathSense * Weight * 0.12) * AboutX(Weight * 0.04 * std::sin(2.0 * Gait));
	Rotations[Neck1] = AboutY(Weight * 0.08 * std::sin(0.7 * Time)) * AboutX(-Weight * 0.03);

	// Each arm swings against the leg of its side.
	const double ArmSwing = Weight * 0.3 * SinGait;
	PoseArm(-ArmSwing, Weight, -1.0, Rotations[LeftCollar], Rotations[LeftShoulder], Rotations[LeftElbow],
		Rotations[LeftWrist]);
	PoseArm(ArmSwing, Weight, 1.0, Rotations[RightCollar], Rotations[RightShoulder], Rotations[RightElbow],
		Rotations[RightWrist]);

	// Relaxed hands curl and open slowly.
	const double Curl = Weight * (0.3 + 0.25 * (0.5 + 0.5 * std::sin(TwoPi * Time / 3.0)));
	PoseFingers(LeftFingersFirst, Curl, -1.0, Rotations);
	PoseFingers(RightFingersFirst, Curl, 1.0, Rotations);

	Out.Properties = {Actor.UpperLegLength, Actor.LowerLegLength, Actor.HipToUpperLegLength,
		Actor.PositionOffsetX, 0.f, Actor.PositionOffsetZ, Actor.HeightOffset};
}

void FZevoSyntheticPerformance::EvaluateProp(int32 Index, double Time, FZevoPropFrame& Out) const
{
	const FProp& Prop = Props[Index];
	Time = std::max(0.0, Time);
	const double OrbitAngle = Prop.OrbitSpeed * Time + Index;
	Out.Type = static_cast<int32>(Prop.Type);
	Out.Number = Prop.Number;
	Out.Name = Prop.Name;
	Out.Location = Prop.OrbitCentre
		+ FVector(std::cos(OrbitAngle) * Prop.OrbitRadius, 0.15 * std::sin(2.0 * OrbitAngle), std::sin(OrbitAngle) * Prop.OrbitRadius);
	Out.Rotation = AboutY(Prop.SpinSpeed * Time) * AboutX(Prop.Tilt * std::cos(0.5 * Time));
	Out.Scale = Prop.Size;
}
