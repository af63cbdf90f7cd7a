#pragma once
// AActor: a thing in a world. It owns its components, is placed by its root component, may be
// owned by another actor and attached to one, and carries an editor label.
// Components are made with NewObject<T>(Actor, Class, Name): the actor is their outer and owns them.
// Knowingly different from the engine: the world is the actor's outer (there are no levels as
// objects).
#include "Components/SceneComponent.h"
#include "UObject/UObjectGlobals.h"

class UWorld;

class AActor : public UObject
{
	ZEVO_CLASS(AActor, UObject)

public:
	UWorld* GetWorld() const;

	/** Every component of this actor, in the order they were made. */
	TArray<UActorComponent*> GetComponents() const;
	template <typename T>
	T* FindComponentByClass() const
	{
		for (UActorComponent* Component : GetComponents())
		{
			if (T* Found = Cast<T>(Component))
			{
				return Found;
			}
		}
		return nullptr;
	}

	USceneComponent* GetRootComponent() const { return RootComponent; }
	/** False when the component belongs to another actor. */
	bool SetRootComponent(USceneComponent* NewRootComponent);

	/** The root component's world transform, or the identity without a root. */
	FTransform GetActorTransform() const;
	FVector GetActorLocation() const { return GetActorTransform().GetLocation(); }
	FRotator GetActorRotation() const { return GetActorTransform().GetRotation().Rotator(); }
	/** Moves the root component; false without one. Nothing collides, so OutSweepHitResult reports no hit. */
	bool SetActorTransform(const FTransform& NewTransform, bool bSweep = false, FHitResult* OutSweepHitResult = nullptr,
		ETeleportType Teleport = ETeleportType::None);

	AActor* GetOwner() const { return Owner; }
	void SetOwner(AActor* NewOwner) { Owner = NewOwner; }

#if WITH_EDITOR
	/** The name the editor shows for the actor. Editor builds only. */
	const FString& GetActorLabel() const { return ActorLabel; }
	void SetActorLabel(const FString& NewLabel) { ActorLabel = NewLabel; }
#endif

	/** Attaches this actor's root below the parent's root; false when either has no root. */
	bool AttachToActor(AActor* ParentActor, const FAttachmentTransformRules& Rules);
	AActor* GetAttachParentActor() const;

	/** Removes the actor from its world (UWorld::DestroyActor). */
	bool Destroy();
	bool IsActorBeingDestroyed() const { return bActorIsBeingDestroyed; }
	bool HasActorBegunPlay() const { return bActorHasBegunPlay; }

	/** Begins play of every registered component (the world calls it). */
	void DispatchBeginPlay();
	/** Ends play of every component that began it (the world calls it). */
	void DispatchEndPlay(EEndPlayReason::Type Reason);
	void MarkAsBeingDestroyed() { bActorIsBeingDestroyed = true; }

private:
	USceneComponent* RootComponent = nullptr;
	AActor* Owner = nullptr;
	FString ActorLabel;
	bool bActorHasBegunPlay = false;
	bool bActorIsBeingDestroyed = false;
};
