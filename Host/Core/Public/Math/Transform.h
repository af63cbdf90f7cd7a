#pragma once
// FTransform: rotation, translation and 3D scale. A * B applies A first, then B (the engine's
// order), so a component-space transform is Local * Parent.
// Knowingly different from the engine: composition always takes the quaternion path, also for
// negative scales (no skeleton this system reads carries a mirrored scale).
#include "Math/Quat.h"

struct FTransform
{
	constexpr FTransform() = default;
	constexpr FTransform(const FQuat& InRotation, const FVector& InTranslation, const FVector& InScale = FVector::OneVector)
		: Rotation(InRotation), Translation(InTranslation), Scale3D(InScale) {}
	explicit constexpr FTransform(const FVector& InTranslation) : Translation(InTranslation) {}
	explicit constexpr FTransform(const FQuat& InRotation) : Rotation(InRotation) {}

	static const FTransform Identity;

	const FQuat& GetRotation() const { return Rotation; }
	const FVector& GetTranslation() const { return Translation; }
	const FVector& GetLocation() const { return Translation; }
	const FVector& GetScale3D() const { return Scale3D; }
	void SetRotation(const FQuat& Q) { Rotation = Q; }
	void SetTranslation(const FVector& V) { Translation = V; }
	void SetLocation(const FVector& V) { Translation = V; }
	void SetScale3D(const FVector& V) { Scale3D = V; }

	FTransform operator*(const FTransform& Parent) const
	{
		return FTransform(Parent.Rotation * Rotation,
			Parent.Rotation.RotateVector(Parent.Scale3D * Translation) + Parent.Translation,
			Scale3D * Parent.Scale3D);
	}
	FVector TransformPosition(const FVector& V) const { return Rotation.RotateVector(Scale3D * V) + Translation; }
	FVector TransformVector(const FVector& V) const { return Rotation.RotateVector(Scale3D * V); }
	FVector InverseTransformPosition(const FVector& V) const;
	FTransform Inverse() const;
	bool Equals(const FTransform& T, double Tolerance = UE_KINDA_SMALL_NUMBER) const
	{
		return Rotation.Equals(T.Rotation, Tolerance) && Translation.Equals(T.Translation, Tolerance) && Scale3D.Equals(T.Scale3D, Tolerance);
	}

	FQuat Rotation = FQuat::Identity;
	FVector Translation = FVector::ZeroVector;
	FVector Scale3D = FVector::OneVector;
};

inline constexpr FTransform FTransform::Identity{};
