#include "Components/ActorComponent.h"

#include "GameFramework/Actor.h"

ZEVO_IMPLEMENT_CLASS(UActorComponent, CLASS_None)

AActor* UActorComponent::GetOwner() const
{
	return Cast<AActor>(GetOuter());
}

UWorld* UActorComponent::GetWorld() const
{
	const AActor* Owner = GetOwner();
	return Owner ? Owner->GetWorld() : nullptr;
}

void UActorComponent::RegisterComponent()
{
	if (bRegistered)
	{
		return;
	}
	bRegistered = true;
	if (PrimaryComponentTick.bStartWithTickEnabled)
	{
		PrimaryComponentTick.SetTickFunctionEnable(true);
	}
	const AActor* Owner = GetOwner();
	if (Owner && Owner->HasActorBegunPlay() && !Owner->IsActorBeingDestroyed())
	{
		BeginPlay();
	}
}

void UActorComponent::BeginPlay()
{
	bHasBegunPlay = true;
}

void UActorComponent::EndPlay(const EEndPlayReason::Type EndPlayReason)
{
	bHasBegunPlay = false;
}
