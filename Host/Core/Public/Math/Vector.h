#pragma once
// FVector: a 3D vector in double precision (engine units: centimetres, Z up).
#include "Containers/UnrealString.h"
#include "Math/UnrealMathUtility.h"

struct FVector
{
	double X = 0.0;
	double Y = 0.0;
	double Z = 0.0;

	constexpr FVector() = default;
	constexpr FVector(double InX, double InY, double InZ) : X(InX), Y(InY), Z(InZ) {}
	explicit constexpr FVector(double Value) : X(Value), Y(Value), Z(Value) {}

	static const FVector ZeroVector;
	static const FVector OneVector;
	static const FVector UpVector;
	static const FVector ForwardVector;
	static const FVector RightVector;

	constexpr FVector operator+(const FVector& V) const { return {X + V.X, Y + V.Y, Z + V.Z}; }
	constexpr FVector operator-(const FVector& V) const { return {X - V.X, Y - V.Y, Z - V.Z}; }
	constexpr FVector operator-() const { return {-X, -Y, -Z}; }
	/** Per-component product. */
	constexpr FVector operator*(const FVector& V) const { return {X * V.X, Y * V.Y, Z * V.Z}; }
	constexpr FVector operator*(double S) const { return {X * S, Y * S, Z * S}; }
	constexpr FVector operator/(double S) const { return {X / S, Y / S, Z / S}; }
	FVector& operator+=(const FVector& V) { X += V.X; Y += V.Y; Z += V.Z; return *this; }
	FVector& operator-=(const FVector& V) { X -= V.X; Y -= V.Y; Z -= V.Z; return *this; }
	FVector& operator*=(double S) { X *= S; Y *= S; Z *= S; return *this; }
	FVector& operator*=(const FVector& V) { X *= V.X; Y *= V.Y; Z *= V.Z; return *this; }
	constexpr bool operator==(const FVector& V) const { return X == V.X && Y == V.Y && Z == V.Z; }
	/** Dot product, as the engine's operator|. */
	constexpr double operator|(const FVector& V) const { return X * V.X + Y * V.Y + Z * V.Z; }
	/** Cross product, as the engine's operator^. */
	constexpr FVector operator^(const FVector& V) const { return {Y * V.Z - Z * V.Y, Z * V.X - X * V.Z, X * V.Y - Y * V.X}; }

	static constexpr double DotProduct(const FVector& A, const FVector& B) { return A | B; }
	static constexpr FVector CrossProduct(const FVector& A, const FVector& B) { return A ^ B; }
	static double Dist(const FVector& A, const FVector& B) { return (A - B).Size(); }

	double Size() const { return std::sqrt(X * X + Y * Y + Z * Z); }
	constexpr double SizeSquared() const { return X * X + Y * Y + Z * Z; }
	bool IsNearlyZero(double Tolerance = UE_KINDA_SMALL_NUMBER) const
	{
		return std::abs(X) <= Tolerance && std::abs(Y) <= Tolerance && std::abs(Z) <= Tolerance;
	}
	bool Equals(const FVector& V, double Tolerance = UE_KINDA_SMALL_NUMBER) const
	{
		return std::abs(X - V.X) <= Tolerance && std::abs(Y - V.Y) <= Tolerance && std::abs(Z - V.Z) <= Tolerance;
	}
	/** Unit vector, or zero when the squared length is below Tolerance. */
	FVector GetSafeNormal(double Tolerance = UE_SMALL_NUMBER) const
	{
		const double SquareSum = SizeSquared();
		if (SquareSum == 1.0) { return *this; }
		if (SquareSum < Tolerance) { return ZeroVector; }
		return *this * (1.0 / std::sqrt(SquareSum));
	}
	bool Normalize(double Tolerance = UE_SMALL_NUMBER)
	{
		const double SquareSum = SizeSquared();
		if (SquareSum > Tolerance)
		{
			*this *= 1.0 / std::sqrt(SquareSum);
			return true;
		}
		return false;
	}
	double GetMin() const { return std::min({X, Y, Z}); }
	double GetMax() const { return std::max({X, Y, Z}); }

	/** "X=%3.3f Y=%3.3f Z=%3.3f", the engine's text form. */
	FString ToString() const { return FString::Printf(TEXT("X=%3.3f Y=%3.3f Z=%3.3f"), X, Y, Z); }
};

inline constexpr FVector operator*(double S, const FVector& V) { return V * S; }

inline constexpr FVector FVector::ZeroVector{0.0, 0.0, 0.0};
inline constexpr FVector FVector::OneVector{1.0, 1.0, 1.0};
inline constexpr FVector FVector::UpVector{0.0, 0.0, 1.0};
inline constexpr FVector FVector::ForwardVector{1.0, 0.0, 0.0};
inline constexpr FVector FVector::RightVector{0.0, 1.0, 0.0};
