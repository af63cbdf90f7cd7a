#pragma once
// UStaticMesh: a rigid mesh asset. The host draws nothing, so a mesh is its bounds: the box and
// sphere that enclose it in its own space, in centimetres.
#include "UObject/Object.h"

struct FBoxSphereBounds
{
	FVector Origin = FVector::ZeroVector;
	/** Half the size of the enclosing box on each axis. */
	FVector BoxExtent = FVector::ZeroVector;
	double SphereRadius = 0.0;
};

class UStaticMesh : public UObject
{
	ZEVO_CLASS(UStaticMesh, UObject)

public:
	FBoxSphereBounds GetBounds() const { return {BoundsOrigin, BoundsExtent, SphereRadius}; }

	FVector BoundsOrigin = FVector::ZeroVector;
	FVector BoundsExtent = FVector::ZeroVector;
	double SphereRadius = 0.0;
};
