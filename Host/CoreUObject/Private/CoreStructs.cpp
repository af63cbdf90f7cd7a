// The host's value types as reflected structures, with the engine's field names, so that they
// read and write as (X=..,Y=..,Z=..) and nest in other structures and arrays.
#include "UObject/ObjectMacros.h"

ZEVO_REFLECT_STRUCT(FVector)
{
	ZEVO_PROPERTY(X, UP::EditAnywhere);
	ZEVO_PROPERTY(Y, UP::EditAnywhere);
	ZEVO_PROPERTY(Z, UP::EditAnywhere);
}

ZEVO_REFLECT_STRUCT(FQuat)
{
	ZEVO_PROPERTY(X, UP::EditAnywhere);
	ZEVO_PROPERTY(Y, UP::EditAnywhere);
	ZEVO_PROPERTY(Z, UP::EditAnywhere);
	ZEVO_PROPERTY(W, UP::EditAnywhere);
}

ZEVO_REFLECT_STRUCT(FTransform)
{
	ZEVO_PROPERTY(Rotation, UP::EditAnywhere);
	ZEVO_PROPERTY(Translation, UP::EditAnywhere);
	ZEVO_PROPERTY(Scale3D, UP::EditAnywhere);
}

ZEVO_REFLECT_STRUCT(FLinearColor)
{
	ZEVO_PROPERTY(R, UP::EditAnywhere);
	ZEVO_PROPERTY(G, UP::EditAnywhere);
	ZEVO_PROPERTY(B, UP::EditAnywhere);
	ZEVO_PROPERTY(A, UP::EditAnywhere);
}
