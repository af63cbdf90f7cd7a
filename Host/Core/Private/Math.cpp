#include "Math/Rotator.h"
#include "Math/Transform.h"

FQuat::FQuat(const FVector& Axis, double AngleRad)
{
	const double Half = 0.5 * AngleRad;
	const double S = std::sin(Half);
	X = S * Axis.X;
	Y = S * Axis.Y;
	Z = S * Axis.Z;
	W = std::cos(Half);
}

FQuat::FQuat(const FRotator& Rotator) : FQuat(Rotator.Quaternion())
{
}

FVector FQuat::RotateVector(const FVector& V) const
{
	const FVector Q(X, Y, Z);
	const FVector T = (Q ^ V) * 2.0;
	return V + (T * W) + (Q ^ T);
}

void FQuat::Normalize(double Tolerance)
{
	const double SquareSum = SizeSquared();
	if (SquareSum >= Tolerance)
	{
		const double Scale = 1.0 / std::sqrt(SquareSum);
		X *= Scale;
		Y *= Scale;
		Z *= Scale;
		W *= Scale;
	}
	else
	{
		*this = Identity;
	}
}

bool FQuat::Equals(const FQuat& Q, double Tolerance) const
{
	const auto Near = [Tolerance](const FQuat& A, const FQuat& B) {
		return std::abs(A.X - B.X) <= Tolerance && std::abs(A.Y - B.Y) <= Tolerance && std::abs(A.Z - B.Z) <= Tolerance &&
			std::abs(A.W - B.W) <= Tolerance;
	};
	return Near(*this, Q) || Near(*this, Q * -1.0);
}

double FQuat::AngularDistance(const FQuat& Q) const
{
	const double InnerProd = std::abs(*this | Q);
	return 2.0 * std::acos(std::min(1.0, InnerProd));
}

FQuat FQuat::FindBetweenVectors(const FVector& A, const FVector& B)
{
	const double NormAB = std::sqrt(A.SizeSquared() * B.SizeSquared());
	double Wq = NormAB + (A | B);
	FQuat Result;
	if (Wq >= 1e-6 * NormAB)
	{
		Result = FQuat(A.Y * B.Z - A.Z * B.Y, A.Z * B.X - A.X * B.Z, A.X * B.Y - A.Y * B.X, Wq);
	}
	else
	{
		// A and B point in opposite directions: turn half a circle about any perpendicular axis.
		Wq = 0.0;
		Result = std::abs(A.X) > std::abs(A.Y) ? FQuat(-A.Z, 0.0, A.X, Wq) : FQuat(0.0, -A.Z, A.Y, Wq);
	}
	Result.Normalize();
	return Result;
}

FQuat FQuat::Slerp_NotNormalized(const FQuat& Q1, const FQuat& Q2, double Alpha)
{
	const double RawCosom = Q1 | Q2;
	const double Cosom = RawCosom >= 0.0 ? RawCosom : -RawCosom;
	double Scale0;
	double Scale1;
	if (Cosom < 0.9999)
	{
		const double Omega = std::acos(Cosom);
		const double InvSin = 1.0 / std::sin(Omega);
		Scale0 = std::sin((1.0 - Alpha) * Omega) * InvSin;
		Scale1 = std::sin(Alpha * Omega) * InvSin;
	}
	else
	{
		Scale0 = 1.0 - Alpha;
		Scale1 = Alpha;
	}
	Scale1 = RawCosom >= 0.0 ? Scale1 : -Scale1;
	return FQuat(Scale0 * Q1.X + Scale1 * Q2.X, Scale0 * Q1.Y + Scale1 * Q2.Y, Scale0 * Q1.Z + Scale1 * Q2.Z,
		Scale0 * Q1.W + Scale1 * Q2.W);
}

FRotator FQuat::Rotator() const
{
	const double SingularityTest = Z * X - W * Y;
	const double YawY = 2.0 * (W * Z + X * Y);
	const double YawX = 1.0 - 2.0 * (Y * Y + Z * Z);
	constexpr double SingularityThreshold = 0.4999995;
	constexpr double RadToDeg = 180.0 / UE_PI;
	FRotator Result;
	if (SingularityTest < -SingularityThreshold)
	{
		Result.Pitch = -90.0;
		Result.Yaw = std::atan2(YawY, YawX) * RadToDeg;
		Result.Roll = FRotator::NormalizeAxis(-Result.Yaw - (2.0 * std::atan2(X, W) * RadToDeg));
	}
	else if (SingularityTest > SingularityThreshold)
	{
		Result.Pitch = 90.0;
		Result.Yaw = std::atan2(YawY, YawX) * RadToDeg;
		Result.Roll = FRotator::NormalizeAxis(Result.Yaw - (2.0 * std::atan2(X, W) * RadToDeg));
	}
	else
	{
		Result.Pitch = std::asin(2.0 * SingularityTest) * RadToDeg;
		Result.Yaw = std::atan2(YawY, YawX) * RadToDeg;
		Result.Roll = std::atan2(-2.0 * (W * X + Y * Z), (1.0 - 2.0 * (X * X + Y * Y))) * RadToDeg;
	}
	return Result;
}

FQuat FRotator::Quaternion() const
{
	constexpr double DegToRadHalf = UE_PI / 180.0 / 2.0;
	const double SP = std::sin(Pitch * DegToRadHalf), CP = std::cos(Pitch * DegToRadHalf);
	const double SY = std::sin(Yaw * DegToRadHalf), CY = std::cos(Yaw * DegToRadHalf);
	const double SR = std::sin(Roll * DegToRadHalf), CR = std::cos(Roll * DegToRadHalf);
	return FQuat(CR * SP * SY - SR * CP * CY, -CR * SP * CY - SR * CP * SY, CR * CP * SY - SR * SP * CY, CR * CP * CY + SR * SP * SY);
}

double FRotator::NormalizeAxis(double Angle)
{
	Angle = std::fmod(Angle, 360.0);
	if (Angle < 0.0)
	{
		Angle += 360.0;
	}
	if (Angle > 180.0)
	{
		Angle -= 360.0;
	}
	return Angle;
}

FRotator FRotator::GetNormalized() const
{
	return FRotator(NormalizeAxis(Pitch), NormalizeAxis(Yaw), NormalizeAxis(Roll));
}

bool FRotator::Equals(const FRotator& R, double Tolerance) const
{
	return std::abs(NormalizeAxis(Pitch - R.Pitch)) <= Tolerance && std::abs(NormalizeAxis(Yaw - R.Yaw)) <= Tolerance &&
		std::abs(NormalizeAxis(Roll - R.Roll)) <= Tolerance;
}

FVector FTransform::InverseTransformPosition(const FVector& V) const
{
	const FVector Unrotated = Rotation.UnrotateVector(V - Translation);
	return FVector(Scale3D.X != 0.0 ? Unrotated.X / Scale3D.X : 0.0, Scale3D.Y != 0.0 ? Unrotated.Y / Scale3D.Y : 0.0,
		Scale3D.Z != 0.0 ? Unrotated.Z / Scale3D.Z : 0.0);
}

FTransform FTransform::Inverse() const
{
	const FVector InvScale(Scale3D.X != 0.0 ? 1.0 / Scale3D.X : 0.0, Scale3D.Y != 0.0 ? 1.0 / Scale3D.Y : 0.0,
		Scale3D.Z != 0.0 ? 1.0 / Scale3D.Z : 0.0);
	const FQuat InvRotation = Rotation.Inverse();
	const FVector InvTranslation = InvRotation.RotateVector(InvScale * -Translation);
	return FTransform(InvRotation, InvTranslation, InvScale);
}
