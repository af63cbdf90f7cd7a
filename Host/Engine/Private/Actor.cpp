#include "GameFramework/Actor.h"

#include "Engine/World.h"

ZEVO_IMPLEMENT_CLASS(AActor, CLASS_None)

AActor::~AActor() = default;

UWorld* AActor::GetWorld() const
{
	return Cast<UWorld>(GetOuter());
}

UActorComponent* AActor::AddComponent(UClass* Class, FName Name)
{
	if (!Class || !Class->IsChildOf(UActorComponent::StaticClass()))
	{
		return nullptr;
	}
	std::unique_ptr<UActorComponent> Component(static_cast<UActorComponent*>(Class->CreateInstance()));
	if (!Component)
	{
		return nullptr;
	}
	Component->Rename(Name);
	Component->SetOuter(this);
	Components.Add(std::move(Component));
	return Components.Last().get();
}

TArray<UActorComponent*> AActor::GetComponents() const
{
	TArray<UActorComponent*> Result;
	for (const std::unique_ptr<UActorComponent>& Component : Components)
	{
		Result.Add(Component.get());
	}
	return Result;
}

bool AActor::SetRootComponent(USceneComponent* NewRootComponent)
{
	if (NewRootComponent && NewRootComponent->GetOwner() != this)
	{
		return false;
	}
	RootComponent = NewRootComponent;
	return true;
}

FTransform AActor::GetActorTransform() const
{
	return RootComponent ? RootComponent->GetComponentTransform() : FTransform::Identity;
}

bool AActor::SetActorTransform(const FTransform& NewTransform, bool bSweep, FHitResult* OutSweepHitResult, ETeleportType Teleport)
{
	if (OutSweepHitResult)
	{
		*OutSweepHitResult = FHitResult();
	}
	if (!RootComponent)
	{
		return false;
	}
	RootComponent->SetWorldTransform(NewTransform);
	return true;
}

bool AActor::AttachToActor(AActor* ParentActor, const FAttachmentTransformRules& Rules)
{
	if (!RootComponent || !ParentActor || !ParentActor->RootComponent)
	{
		return false;
	}
	return RootComponent->AttachToComponent(ParentActor->RootComponent, Rules);
}

AActor* AActor::GetAttachParentActor() const
{
	const USceneComponent* Parent = RootComponent ? RootComponent->GetAttachParent() : nullptr;
	return Parent ? Parent->GetOwner() : nullptr;
}

bool AActor::Destroy()
{
	UWorld* World = GetWorld();
	return World && World->DestroyActor(this);
}

void AActor::DispatchBeginPlay()
{
	if (bActorHasBegunPlay)
	{
		return;
	}
	bActorHasBegunPlay = true;
	// By index: a component may add others while it begins play.
	for (int32 Index = 0; Index < Components.Num(); ++Index)
	{
		UActorComponent* Component = Components[Index].get();
		if (Component->IsRegistered() && !Component->HasBegunPlay())
		{
			Component->BeginPlay();
		}
	}
}

void AActor::DispatchEndPlay(EEndPlayReason::Type Reason)
{
	if (!bActorHasBegunPlay)
	{
		return;
	}
	bActorHasBegunPlay = false;
	for (int32 Index = 0; Index < Components.Num(); ++Index)
	{
		UActorComponent* Component = Components[Index].get();
		if (Component->HasBegunPlay())
		{
			Component->EndPlay(Reason);
		}
	}
}
