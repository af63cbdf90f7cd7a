#pragma once
// UActorComponent: a piece of behaviour that lives on an actor. Once registered it takes part in
// play: BeginPlay when its actor's play begins, TickComponent every world frame while its tick is
// enabled, EndPlay when it or its actor goes away. Its owner is the actor it was made on.
#include "Engine/EngineBaseTypes.h"
#include "Engine/EngineTypes.h"
#include "UObject/Object.h"

class AActor;
class UWorld;

class UActorComponent : public UObject
{
	ZEVO_CLASS(UActorComponent, UObject)

public:
	AActor* GetOwner() const;
	UWorld* GetWorld() const;

	/** Joins the owner's play: begins play at once when the owner's play has begun. */
	void RegisterComponent();
	bool IsRegistered() const { return bRegistered; }
	bool HasBegunPlay() const { return bHasBegunPlay; }

	virtual void BeginPlay();
	virtual void TickComponent(float DeltaTime, ELevelTick TickType, FActorComponentTickFunction* ThisTickFunction) {}
	virtual void EndPlay(const EEndPlayReason::Type EndPlayReason);

	FActorComponentTickFunction PrimaryComponentTick;

private:
	bool bRegistered = false;
	bool bHasBegunPlay = false;
};
