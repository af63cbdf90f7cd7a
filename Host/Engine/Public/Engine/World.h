#pragma once
// UWorld: the actors of one running scene. It spawns and destroys them, begins their play and
// ticks their components once per frame on the game thread.
// Destroying an actor ends its play and takes it out of the world at once; the object itself is
// freed at the end of the next world tick (or with the world), so that pointers held during a frame stay
// safe, as they do under the engine's garbage collector.
#include "GameFramework/Actor.h"

#include <memory>

struct FActorSpawnParameters
{
	/** The actor's object name; a unique one is made when none is given. */
	FName Name;
	AActor* Owner = nullptr;
	ESpawnActorCollisionHandlingMethod SpawnCollisionHandlingOverride = ESpawnActorCollisionHandlingMethod::Undefined;
};

class UWorld : public UObject
{
	ZEVO_CLASS(UWorld, UObject)

public:
	~UWorld() override;

	/** A new actor of Class (an AActor) placed at Transform if it has a root; null for another class. */
	AActor* SpawnActor(UClass* Class, const FTransform& Transform, const FActorSpawnParameters& SpawnParameters = {});
	template <typename T>
	T* SpawnActor(UClass* Class, const FVector& Location, const FRotator& Rotation, const FActorSpawnParameters& SpawnParameters = {})
	{
		return Cast<T>(SpawnActor(Class, FTransform(FQuat(Rotation), Location), SpawnParameters));
	}
	template <typename T>
	T* SpawnActor(const FActorSpawnParameters& SpawnParameters = {})
	{
		return Cast<T>(SpawnActor(T::StaticClass(), FTransform::Identity, SpawnParameters));
	}

	/** Ends the actor's play and removes it; actors it owned lose their owner, actors attached to it are detached. */
	bool DestroyActor(AActor* Actor);

	/** The live actors, in spawn order. */
	TArray<AActor*> GetActors() const;
	AActor* FindActorByLabel(const FString& Label) const;

	/** Begins play of every actor; actors spawned later begin play as they are spawned. */
	void BeginPlay();
	bool HasBegunPlay() const { return bBegunPlay; }
	/** Ticks every component whose tick is enabled, of the actors alive when the frame starts. */
	void Tick(ELevelTick TickType, float DeltaSeconds);
	/** Ends the play of every actor (as when the world is torn down). */
	void EndPlay(EEndPlayReason::Type Reason);

private:
	TArray<std::unique_ptr<AActor>> Actors;
	TArray<std::unique_ptr<AActor>> DestroyedActors;
	int32 SpawnCounter = 0;
	bool bBegunPlay = false;
};
