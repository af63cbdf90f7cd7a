#include "GameFramework/Actor.h"

#include "Engine/World.h"

ZEVO_IMPLEMENT_CLASS(AActor, CLASS_None)

UWorld* AActor::GetWorld() const
{
	return Cast<UWorld>(GetOuter());
}

TArray<UActorComponent*> AActor::GetComponents() const
{
	TArray<UActorComponent*> Result;
	for (UObject* Inner : GetInnerObjects())
	{
		if (UActorComponent* Component = Cast<UActorComponent>(Inner))
		{
			Result.Add(Component);
		}
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
	// Components made while play begins begin play as they register.
	for (UActorComponent* Component : GetComponents())
	{
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
	for (UActorComponent* Component : GetComponents())
	{
		if (Component->HasBegunPlay())
		{
			Component->EndPlay(Reason);
		}
	}
}
