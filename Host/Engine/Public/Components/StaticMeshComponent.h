#pragma once
// UStaticMeshComponent: places a static mesh in the world.
// Knowingly different from the engine: there is no primitive-component layer between it and
// USceneComponent, so its collision switch lives here, and the switch is not reflected (it is
// set by code, never saved).
#include "Components/SceneComponent.h"

class UStaticMesh;

class UStaticMeshComponent : public USceneComponent
{
	ZEVO_CLASS(UStaticMeshComponent, USceneComponent)

public:
	/** True when the mesh changed. */
	bool SetStaticMesh(UStaticMesh* NewMesh);
	UStaticMesh* GetStaticMesh() const { return StaticMesh; }
	void SetCollisionEnabled(ECollisionEnabled::Type NewType) { CollisionEnabled = NewType; }
	ECollisionEnabled::Type GetCollisionEnabled() const { return CollisionEnabled; }

	UStaticMesh* StaticMesh = nullptr;
	ECollisionEnabled::Type CollisionEnabled = ECollisionEnabled::QueryAndPhysics;
};
