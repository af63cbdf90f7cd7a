#pragma once
// FRotator: Euler angles in degrees (pitch about Y, yaw about Z, roll about X) with the engine's
// conversions to and from FQuat.
#include "Math/Quat.h"

struct FRotator
{
	double Pitch = 0.0;
	double Yaw = 0.0;
	double Roll = 0.0;

	constexpr FRotator() = default;
	constexpr FRotator(double InPitch, double InYaw, double InRoll) : Pitch(InPitch), Yaw(InYaw), Roll(InRoll) {}

	static const FRotator ZeroRotator;

	FQuat Quaternion() const;
	/** Each angle brought into (-180, 180]. */
	FRotator GetNormalized() const;
	static double NormalizeAxis(double Angle);
	bool Equals(const FRotator& R, double Tolerance = UE_KINDA_SMALL_NUMBER) const;
};

inline constexpr FRotator FRotator::ZeroRotator{0.0, 0.0, 0.0};
