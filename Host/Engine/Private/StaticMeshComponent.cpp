#include "Components/StaticMeshComponent.h"

#include "Engine/StaticMesh.h"
#include "UObject/ObjectMacros.h"

ZEVO_REFLECT_CLASS(UStaticMeshComponent, CLASS_None)
{
	ZEVO_PROPERTY(StaticMesh, UP::EditAnywhere, {"Category", "Static Mesh"});
}

bool UStaticMeshComponent::SetStaticMesh(UStaticMesh* NewMesh)
{
	if (NewMesh == StaticMesh)
	{
		return false;
	}
	StaticMesh = NewMesh;
	return true;
}
