#pragma once
// FQuat: a rotation quaternion (X, Y, Z, W) in double precision with the engine's conventions:
// A * B is the Hamilton product and applies B first, then A.
#include "Math/Vector.h"

struct FRotator;

struct FQuat
{
	double X = 0.0;
	double Y = 0.0;
	double Z = 0.0;
	double W = 1.0;

	constexpr FQuat() = default;
	constexpr FQuat(double InX, double InY, double InZ, double InW) : X(InX), Y(InY), Z(InZ), W(InW) {}
	/** Rotation of Angle radians about the unit Axis. */
	FQuat(const FVector& Axis, double AngleRad);
	explicit FQuat(const FRotator& Rotator);

	static const FQuat Identity;

	constexpr FQuat operator*(const FQuat& Q) const
	{
		return {W * Q.X + X * Q.W + Y * Q.Z - Z * Q.Y,
			W * Q.Y - X * Q.Z + Y * Q.W + Z * Q.X,
			W * Q.Z + X * Q.Y - Y * Q.X + Z * Q.W,
			W * Q.W - X * Q.X - Y * Q.Y - Z * Q.Z};
	}
	FQuat& operator*=(const FQuat& Q) { return *this = *this * Q; }
	constexpr FQuat operator*(double S) const { return {X * S, Y * S, Z * S, W * S}; }
	constexpr FQuat operator+(const FQuat& Q) const { return {X + Q.X, Y + Q.Y, Z + Q.Z, W + Q.W}; }
	constexpr bool operator==(const FQuat& Q) const { return X == Q.X && Y == Q.Y && Z == Q.Z && W == Q.W; }
	/** Dot product of the four components. */
	constexpr double operator|(const FQuat& Q) const { return X * Q.X + Y * Q.Y + Z * Q.Z + W * Q.W; }

	FVector RotateVector(const FVector& V) const;
	FVector UnrotateVector(const FVector& V) const { return Inverse().RotateVector(V); }
	/** The conjugate: the inverse of a unit quaternion. */
	constexpr FQuat Inverse() const { return {-X, -Y, -Z, W}; }
	double Size() const { return std::sqrt(X * X + Y * Y + Z * Z + W * W); }
	constexpr double SizeSquared() const { return X * X + Y * Y + Z * Z + W * W; }
	/** Scales to unit length; a squared length below Tolerance gives the identity. */
	void Normalize(double Tolerance = UE_SMALL_NUMBER);
	FQuat GetNormalized(double Tolerance = UE_SMALL_NUMBER) const { FQuat Q = *this; Q.Normalize(Tolerance); return Q; }
	bool IsNormalized() const { return std::abs(1.0 - SizeSquared()) < 0.01; }
	/** Component-wise comparison that also accepts -Q as the same rotation. */
	bool Equals(const FQuat& Q, double Tolerance = UE_KINDA_SMALL_NUMBER) const;
	bool IsIdentity(double Tolerance = UE_SMALL_NUMBER) const { return Equals(Identity, Tolerance); }
	/** Angle in radians between the two rotations. */
	double AngularDistance(const FQuat& Q) const;
	FVector GetAxisX() const { return RotateVector(FVector(1, 0, 0)); }
	FVector GetAxisY() const { return RotateVector(FVector(0, 1, 0)); }
	FVector GetAxisZ() const { return RotateVector(FVector(0, 0, 1)); }
	FRotator Rotator() const;

	/** The shortest-arc unit rotation turning direction A into direction B. */
	static FQuat FindBetweenVectors(const FVector& A, const FVector& B);
	static FQuat FindBetweenNormals(const FVector& A, const FVector& B) { return FindBetweenVectors(A, B); }
	/** Shortest-path slerp without normalising the result. */
	static FQuat Slerp_NotNormalized(const FQuat& Q1, const FQuat& Q2, double Alpha);
	static FQuat Slerp(const FQuat& Q1, const FQuat& Q2, double Alpha) { return Slerp_NotNormalized(Q1, Q2, Alpha).GetNormalized(); }

	FString ToString() const { return FString::Printf(TEXT("X=%.9f Y=%.9f Z=%.9f W=%.9f"), X, Y, Z, W); }
};

inline constexpr FQuat FQuat::Identity{0.0, 0.0, 0.0, 1.0};
