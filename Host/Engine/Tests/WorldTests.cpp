#include "Components/StaticMeshComponent.h"
#include "Engine/World.h"

#include <gtest/gtest.h>

namespace
{
/** Counts its play events; on its first tick it may destroy a victim actor and spawn a new one. */
class UCountingComponent : public UActorComponent
{
	ZEVO_CLASS(UCountingComponent, UActorComponent)

public:
	UCountingComponent() { PrimaryComponentTick.bCanEverTick = true; }

	void BeginPlay() override
	{
		Super::BeginPlay();
		++BeginPlays;
	}
	void TickComponent(float DeltaTime, ELevelTick TickType, FActorComponentTickFunction* ThisTickFunction) override
	{
		++Ticks;
		if (TickTally)
		{
			++*TickTally;
		}
		LastDelta = DeltaTime;
		if (Victim)
		{
			Victim->Destroy();
			Victim = nullptr;
			Replacement = GetWorld()->SpawnActor<AActor>(AActor::StaticClass(), FVector::ZeroVector, FRotator::ZeroRotator);
		}
	}
	void EndPlay(const EEndPlayReason::Type Reason) override
	{
		Super::EndPlay(Reason);
		++EndPlays;
		LastEndReason = Reason;
	}

	int32 BeginPlays = 0;
	int32 Ticks = 0;
	int32 EndPlays = 0;
	float LastDelta = 0.0f;
	EEndPlayReason::Type LastEndReason = EEndPlayReason::Quit;
	/** Counted outside the component, so that it can be read after the component is gone. */
	int32* TickTally = nullptr;
	AActor* Victim = nullptr;
	AActor* Replacement = nullptr;
};

ZEVO_IMPLEMENT_CLASS(UCountingComponent, CLASS_None)

AActor* SpawnWithRoot(UWorld& World, const FTransform& Transform, const FActorSpawnParameters& Parameters = {})
{
	AActor* Actor = World.SpawnActor(AActor::StaticClass(), FTransform::Identity, Parameters);
	USceneComponent* Root = NewObject<USceneComponent>(Actor, USceneComponent::StaticClass(), "Root");
	Root->RegisterComponent();
	Actor->SetRootComponent(Root);
	Actor->SetActorTransform(Transform);
	return Actor;
}

FTransform Pose(double Yaw, const FVector& Location, double Scale = 1.0)
{
	return FTransform(FQuat(FRotator(0.0, Yaw, 0.0)), Location, FVector(Scale));
}

void ExpectSameTransform(const FTransform& Actual, const FTransform& Expected)
{
	EXPECT_LT(Actual.GetRotation().AngularDistance(Expected.GetRotation()), 1e-6);
	EXPECT_TRUE(Actual.GetLocation().Equals(Expected.GetLocation(), 1e-6)) << *Actual.GetLocation().ToString();
	EXPECT_TRUE(Actual.GetScale3D().Equals(Expected.GetScale3D(), 1e-6)) << *Actual.GetScale3D().ToString();
}
}

TEST(World, ComponentsPlayAndTickOnlyWhenRegisteredEnabledAndBegun)
{
	UWorld World;
	AActor* Actor = World.SpawnActor<AActor>();
	auto* Registered = NewObject<UCountingComponent>(Actor, UCountingComponent::StaticClass(), "Registered");
	auto* Unregistered = NewObject<UCountingComponent>(Actor, UCountingComponent::StaticClass(), "Unregistered");
	auto* Switched = NewObject<UCountingComponent>(Actor, UCountingComponent::StaticClass(), "Switched");
	Registered->RegisterComponent();
	Switched->RegisterComponent();
	Switched->PrimaryComponentTick.SetTickFunctionEnable(false);

	World.Tick(LEVELTICK_All, 0.5f);
	EXPECT_EQ(Registered->Ticks, 0) << "no ticks before play begins";

	World.BeginPlay();
	World.Tick(LEVELTICK_All, 0.25f);
	EXPECT_EQ(Registered->BeginPlays, 1);
	EXPECT_EQ(Registered->Ticks, 1);
	EXPECT_FLOAT_EQ(Registered->LastDelta, 0.25f);
	EXPECT_EQ(Unregistered->BeginPlays, 0);
	EXPECT_EQ(Unregistered->Ticks, 0);
	EXPECT_EQ(Switched->BeginPlays, 1);
	EXPECT_EQ(Switched->Ticks, 0);

	// A component registered during play begins at once; an actor spawned during play too.
	Unregistered->RegisterComponent();
	EXPECT_EQ(Unregistered->BeginPlays, 1);
	AActor* Late = World.SpawnActor<AActor>();
	EXPECT_TRUE(Late->HasActorBegunPlay());

	ASSERT_TRUE(Actor->Destroy());
	EXPECT_EQ(Registered->EndPlays, 1);
	EXPECT_EQ(Registered->LastEndReason, EEndPlayReason::Destroyed);
	EXPECT_FALSE(Actor->Destroy()) << "a second destroy is refused";
	EXPECT_EQ(World.GetActors(), TArray<AActor*>({Late}));
}

TEST(World, DestroyingAndSpawningDuringATickIsSafe)
{
	UWorld World;
	AActor* Ticker = World.SpawnActor<AActor>();
	auto* Counter = NewObject<UCountingComponent>(Ticker, UCountingComponent::StaticClass(), "Counter");
	Counter->RegisterComponent();
	AActor* Victim = World.SpawnActor<AActor>();
	auto* VictimCounter = NewObject<UCountingComponent>(Victim, UCountingComponent::StaticClass(), "VictimCounter");
	VictimCounter->RegisterComponent();
	int32 VictimTicks = 0;
	VictimCounter->TickTally = &VictimTicks;
	Counter->Victim = Victim;
	World.BeginPlay();

	World.Tick(LEVELTICK_All, 0.1f);
	EXPECT_EQ(VictimTicks, 0) << "destroyed earlier in the same frame";
	ASSERT_NE(Counter->Replacement, nullptr);
	EXPECT_EQ(World.GetActors(), TArray<AActor*>({Ticker, Counter->Replacement}));
	World.Tick(LEVELTICK_All, 0.1f);
	EXPECT_EQ(Counter->Ticks, 2);
}

TEST(World, AttachedActorFollowsItsParentAndKeepsItsPoseWhenTheParentGoes)
{
	UWorld World;
	AActor* Parent = SpawnWithRoot(World, Pose(90.0, FVector(100, 0, 0), 2.0));
	AActor* Child = SpawnWithRoot(World, Pose(0.0, FVector(10, 0, 0)), {"Child", Parent});
	ASSERT_TRUE(Child->AttachToActor(Parent, FAttachmentTransformRules::KeepRelativeTransform));
	EXPECT_EQ(Child->GetAttachParentActor(), Parent);
	EXPECT_EQ(Child->GetOwner(), Parent);

	// Relative (10, 0, 0) under a parent scaled 2 and turned 90 degrees about Z.
	const FTransform Expected = Pose(90.0, FVector(100, 20, 0), 2.0);
	ExpectSameTransform(Child->GetActorTransform(), Expected);

	Parent->SetActorTransform(Pose(90.0, FVector(0, 0, 50), 2.0));
	ExpectSameTransform(Child->GetActorTransform(), Pose(90.0, FVector(0, 20, 50), 2.0));

	// Setting a world pose under a parent lands exactly there.
	const FTransform Target = Pose(-30.0, FVector(5, 6, 7), 1.5);
	Child->SetActorTransform(Target);
	ExpectSameTransform(Child->GetActorTransform(), Target);

	Parent->Destroy();
	EXPECT_EQ(Child->GetAttachParentActor(), nullptr);
	EXPECT_EQ(Child->GetOwner(), nullptr);
	ExpectSameTransform(Child->GetActorTransform(), Target);
	World.Tick(LEVELTICK_All, 0.1f);
	ExpectSameTransform(Child->GetActorTransform(), Target);
}

TEST(World, AttachmentRefusesCyclesAndKeepsWorldPoseWhenAsked)
{
	UWorld World;
	AActor* A = SpawnWithRoot(World, Pose(0.0, FVector(1, 0, 0)));
	AActor* B = SpawnWithRoot(World, Pose(45.0, FVector(0, 2, 0)));
	ASSERT_TRUE(B->AttachToActor(A, FAttachmentTransformRules::KeepWorldTransform));
	ExpectSameTransform(B->GetActorTransform(), Pose(45.0, FVector(0, 2, 0)));
	EXPECT_FALSE(A->AttachToActor(B, FAttachmentTransformRules::KeepRelativeTransform));
	EXPECT_FALSE(A->AttachToActor(A, FAttachmentTransformRules::KeepRelativeTransform));
	EXPECT_FALSE(World.SpawnActor<AActor>()->AttachToActor(A, FAttachmentTransformRules::KeepRelativeTransform))
		<< "an actor without a root has nothing to attach";
}

TEST(World, VisibilityAndHiddenInGamePropagateOnlyWhenAsked)
{
	UWorld World;
	AActor* Actor = SpawnWithRoot(World, FTransform::Identity);
	auto* Mesh = NewObject<UStaticMeshComponent>(Actor, UStaticMeshComponent::StaticClass(), "Mesh");
	Mesh->AttachToComponent(Actor->GetRootComponent(), FAttachmentTransformRules::KeepRelativeTransform);
	Actor->GetRootComponent()->SetVisibility(false);
	EXPECT_TRUE(Mesh->IsVisible());
	Actor->GetRootComponent()->SetVisibility(false, true);
	EXPECT_FALSE(Mesh->IsVisible());
	Actor->GetRootComponent()->SetHiddenInGame(true, true);
	EXPECT_TRUE(Mesh->bHiddenInGame);
	Mesh->SetCollisionEnabled(ECollisionEnabled::NoCollision);
	EXPECT_EQ(Mesh->GetCollisionEnabled(), ECollisionEnabled::NoCollision);
}

TEST(World, SpawnRefusesClassesThatAreNotActorsAndNamesActorsUniquely)
{
	UWorld World;
	EXPECT_EQ(World.SpawnActor(UStaticMeshComponent::StaticClass(), FTransform::Identity), nullptr);
	EXPECT_EQ(World.SpawnActor(nullptr, FTransform::Identity), nullptr);
	AActor* First = World.SpawnActor<AActor>();
	AActor* Second = World.SpawnActor<AActor>();
	EXPECT_NE(First->GetFName(), Second->GetFName());
	Second->SetActorLabel("Prop Follower");
	EXPECT_EQ(World.FindActorByLabel("prop follower"), Second);
	EXPECT_EQ(First->GetComponents().Num(), 0);
}
