#include "Engine/StaticMesh.h"

#include "UObject/ObjectMacros.h"

ZEVO_REFLECT_CLASS(UStaticMesh, CLASS_None)
{
	ZEVO_PROPERTY(BoundsOrigin, UP::VisibleAnywhere, {"Category", "Bounds"});
	ZEVO_PROPERTY(BoundsExtent, UP::VisibleAnywhere, {"Category", "Bounds"});
	ZEVO_PROPERTY(SphereRadius, UP::VisibleAnywhere, {"Category", "Bounds"});
}
