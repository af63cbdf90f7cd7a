#pragma once
#include "HAL/Platform.h"

#include <algorithm>
#include <cmath>

inline constexpr double UE_PI = 3.1415926535897932384626433832795;
inline constexpr double UE_SMALL_NUMBER = 1.e-8;
inline constexpr double UE_KINDA_SMALL_NUMBER = 1.e-4;
inline constexpr float UE_MAX_FLT = 3.402823466e+38f;

struct FMath
{
	template <typename T>
	static constexpr T Clamp(T Value, T Min, T Max) { return Value < Min ? Min : (Value < Max ? Value : Max); }
	template <typename T>
	static constexpr T Min(T A, T B) { return A < B ? A : B; }
	template <typename T>
	static constexpr T Max(T A, T B) { return A < B ? B : A; }
	template <typename T>
	static constexpr T Abs(T A) { return A < T(0) ? -A : A; }
	template <typename T>
	static constexpr T Square(T A) { return A * A; }
	static bool IsNaN(float A) { return std::isnan(A); }
	static bool IsNaN(double A) { return std::isnan(A); }
	static bool IsFinite(float A) { return std::isfinite(A); }
	static bool IsFinite(double A) { return std::isfinite(A); }
	static double Sqrt(double A) { return std::sqrt(A); }
	static double InvSqrt(double A) { return 1.0 / std::sqrt(A); }
	static double Atan2(double Y, double X) { return std::atan2(Y, X); }
	static bool IsNearlyEqual(double A, double B, double Tolerance = UE_SMALL_NUMBER) { return std::abs(A - B) <= Tolerance; }
	static bool IsNearlyZero(double A, double Tolerance = UE_SMALL_NUMBER) { return std::abs(A) <= Tolerance; }
	static double DegreesToRadians(double Degrees) { return Degrees * (UE_PI / 180.0); }
	static double RadiansToDegrees(double Radians) { return Radians * (180.0 / UE_PI); }
	static int32 RoundToInt(double A) { return static_cast<int32>(std::floor(A + 0.5)); }
	static int32 TruncToInt(double A) { return static_cast<int32>(A); }
	template <typename T>
	static T Lerp(const T& A, const T& B, double Alpha) { return A + (B - A) * Alpha; }
};
