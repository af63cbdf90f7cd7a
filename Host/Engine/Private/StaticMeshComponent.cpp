#include "Components/StaticMeshComponent.h"

ZEVO_IMPLEMENT_CLASS(UStaticMeshComponent, CLASS_None)

bool UStaticMeshComponent::SetStaticMesh(UStaticMesh* NewMesh)
{
	if (NewMesh == StaticMesh)
	{
		return false;
	}
	StaticMesh = NewMesh;
	return true;
}
