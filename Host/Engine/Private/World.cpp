#include "Engine/World.h"

ZEVO_IMPLEMENT_CLASS(UWorld, CLASS_None)

UWorld::~UWorld()
{
	EndPlay(EEndPlayReason::RemovedFromWorld);
	Actors.Empty();
	DestroyedActors.Empty();
}

AActor* UWorld::SpawnActor(UClass* Class, const FTransform& Transform, const FActorSpawnParameters& SpawnParameters)
{
	if (!Class || !Class->IsChildOf(AActor::StaticClass()))
	{
		return nullptr;
	}
	std::unique_ptr<AActor> Actor(static_cast<AActor*>(Class->CreateInstance()));
	if (!Actor)
	{
		return nullptr;
	}
	const FName Name = SpawnParameters.Name.IsNone() ? FName(*FString::Printf("%s_%d", *Class->GetName(), SpawnCounter)) : SpawnParameters.Name;
	++SpawnCounter;
	Actor->Rename(Name);
	Actor->SetOuter(this);
	Actor->SetOwner(SpawnParameters.Owner);
	Actor->SetActorLabel(Name.ToString());
	Actor->SetActorTransform(Transform);
	AActor* Spawned = Actor.get();
	Actors.Add(std::move(Actor));
	if (bBegunPlay)
	{
		Spawned->DispatchBeginPlay();
	}
	return Spawned;
}

bool UWorld::DestroyActor(AActor* Actor)
{
	if (!Actor || Actor->GetWorld() != this || Actor->IsActorBeingDestroyed())
	{
		return false;
	}
	Actor->MarkAsBeingDestroyed();
	// Ending play may destroy other actors (a component's helper actors), which is safe here.
	Actor->DispatchEndPlay(EEndPlayReason::Destroyed);
	for (const std::unique_ptr<AActor>& Other : Actors)
	{
		if (Other->GetOwner() == Actor)
		{
			Other->SetOwner(nullptr);
		}
	}
	for (UActorComponent* Component : Actor->GetComponents())
	{
		if (USceneComponent* Scene = Cast<USceneComponent>(Component))
		{
			Scene->DetachFromComponent();
			for (USceneComponent* Child : TArray<USceneComponent*>(Scene->GetAttachChildren()))
			{
				if (Child->GetOwner() != Actor)
				{
					Child->DetachFromComponent();
				}
			}
		}
	}
	const int32 Index = Actors.IndexOfByPredicate([Actor](const std::unique_ptr<AActor>& Each) { return Each.get() == Actor; });
	DestroyedActors.Add(std::move(Actors[Index]));
	Actors.RemoveAt(Index);
	return true;
}

TArray<AActor*> UWorld::GetActors() const
{
	TArray<AActor*> Result;
	for (const std::unique_ptr<AActor>& Actor : Actors)
	{
		Result.Add(Actor.get());
	}
	return Result;
}

AActor* UWorld::FindActorByLabel(const FString& Label) const
{
	for (const std::unique_ptr<AActor>& Actor : Actors)
	{
		if (Actor->GetActorLabel() == Label)
		{
			return Actor.get();
		}
	}
	return nullptr;
}

void UWorld::BeginPlay()
{
	if (bBegunPlay)
	{
		return;
	}
	bBegunPlay = true;
	for (AActor* Actor : GetActors())
	{
		if (!Actor->IsActorBeingDestroyed())
		{
			Actor->DispatchBeginPlay();
		}
	}
}

void UWorld::Tick(ELevelTick TickType, float DeltaSeconds)
{
	for (AActor* Actor : GetActors())
	{
		for (UActorComponent* Component : Actor->GetComponents())
		{
			// An earlier tick of this frame may have destroyed the actor; it is not freed before the frame ends.
			if (!Actor->IsActorBeingDestroyed() && Component->HasBegunPlay() && Component->PrimaryComponentTick.IsTickFunctionEnabled())
			{
				Component->TickComponent(DeltaSeconds, TickType, &Component->PrimaryComponentTick);
			}
		}
	}
	DestroyedActors.Empty();
}

void UWorld::EndPlay(EEndPlayReason::Type Reason)
{
	if (!bBegunPlay)
	{
		return;
	}
	bBegunPlay = false;
	for (AActor* Actor : GetActors())
	{
		Actor->DispatchEndPlay(Reason);
	}
}
