#pragma once
// Small engine enumerations and rule structures shared by actors, components and the world.
#include "CoreMinimal.h"

namespace EEndPlayReason
{
enum Type : uint8
{
	/** The actor or component was destroyed explicitly. */
	Destroyed,
	/** The world that holds it is going away. */
	RemovedFromWorld,
	/** The program is ending. */
	Quit,
};
}

/** Knowingly different from the engine: there is no physics, so a teleport changes nothing. */
enum class ETeleportType : uint8
{
	None,
};

namespace ECollisionEnabled
{
enum Type : uint8
{
	NoCollision,
	QueryOnly,
	PhysicsOnly,
	QueryAndPhysics,
};
}

/**
 * Knowingly different from the engine: the world has no collision, so every spawn succeeds
 * whatever the caller asks; the field exists so that callers can state their intent.
 */
enum class ESpawnActorCollisionHandlingMethod : uint8
{
	Undefined,
	AlwaysSpawn,
};

/** What a sweep hit; the world has no collision, so a move never hits anything. */
struct FHitResult
{
	bool bBlockingHit = false;
};

/** How an attachment treats the child's transform: keep it as relative, or keep the world pose. */
struct FAttachmentTransformRules
{
	bool bKeepWorldTransform = false;

	static const FAttachmentTransformRules KeepRelativeTransform;
	static const FAttachmentTransformRules KeepWorldTransform;
};

inline const FAttachmentTransformRules FAttachmentTransformRules::KeepRelativeTransform{false};
inline const FAttachmentTransformRules FAttachmentTransformRules::KeepWorldTransform{true};
