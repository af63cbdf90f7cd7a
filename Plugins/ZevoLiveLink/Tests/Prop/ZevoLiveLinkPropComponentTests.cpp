#include "ZevoLiveLinkPropComponent.h"

#include "Components/StaticMeshComponent.h"
#include "Engine/StaticMesh.h"
#include "Engine/World.h"
#include "Features/IModularFeatures.h"
#include "LiveLinkClient.h"
#include "Logging/LogCapture.h"
#include "Roles/LiveLinkAnimationTypes.h"
#include "Roles/LiveLinkTransformTypes.h"
#include "UObject/ReflectedFunction.h"
#include "UObject/UnrealType.h"

#include <gtest/gtest.h>

namespace
{
/** A source that only exists so that the client accepts pushes under its GUID. */
class FQuietSource : public ILiveLinkSource
{
public:
	void ReceiveClient(ILiveLinkClient* InClient, FGuid InSourceGuid) override {}
	bool IsSourceStillValid() const override { return true; }
	bool RequestSourceShutdown() override { return true; }
	FText GetSourceType() const override { return FText::FromString("Quiet"); }
	FText GetSourceMachineName() const override { return FText::FromString("Test"); }
	FText GetSourceStatus() const override { return FText::FromString("Active"); }
};

/** The stream's conventions: metres, Y up, quaternion as sent. */
FTransform StreamPose(const FVector& Location, const FQuat& Rotation = FQuat::Identity, const FVector& Scale = FVector(0.3, 0.2, 0.1))
{
	return FTransform(Rotation, Location, Scale);
}

void ExpectSameRotation(const FQuat& Actual, const FQuat& Expected)
{
	EXPECT_LT(Actual.GetNormalized().AngularDistance(Expected.GetNormalized()), 1e-5)
		<< *Actual.ToString() << " vs " << *Expected.ToString();
}

void ExpectNear(const FVector& Actual, const FVector& Expected, double Tolerance = 1e-4)
{
	EXPECT_TRUE(Actual.Equals(Expected, Tolerance)) << *Actual.ToString() << " vs " << *Expected.ToString();
}

class ZevoLiveLinkPropComponentTest : public testing::Test
{
protected:
	ZevoLiveLinkPropComponentTest()
	{
		FHostClock::ResetAdvance();
		IModularFeatures::Get().RegisterModularFeature(ILiveLinkClient::ModularFeatureName, &Client);
		SourceGuid = Client.AddSource(MakeShared<FQuietSource>());
		Owner = World.SpawnActor<AActor>();
		USceneComponent* Root = NewObject<USceneComponent>(Owner, USceneComponent::StaticClass(), "Root");
		Root->RegisterComponent();
		Owner->SetRootComponent(Root);
		Prop = NewObject<UZevoLiveLinkPropComponent>(Owner, UZevoLiveLinkPropComponent::StaticClass(), "Prop");
		Prop->RegisterComponent();
		Prop->SubjectName = "Box_3";
	}
	~ZevoLiveLinkPropComponentTest() override
	{
		IModularFeatures::Get().UnregisterModularFeature(ILiveLinkClient::ModularFeatureName, &Client);
		FHostClock::ResetAdvance();
	}

	void PushProp(FName Subject, const FTransform& Pose, float PropType = 0.0f)
	{
		const FLiveLinkSubjectKey Key(SourceGuid, Subject);
		if (!Client.GetSubjectRole_AnyThread(Key).Get())
		{
			FLiveLinkStaticDataStruct StaticData;
			StaticData.InitializeWith<FLiveLinkTransformStaticData>().PropertyNames.Add("PropType");
			Client.PushSubjectStaticData_AnyThread(Key, ULiveLinkTransformRole::StaticClass(), MoveTemp(StaticData));
		}
		FLiveLinkFrameDataStruct Frame;
		FLiveLinkTransformFrameData& Data = Frame.InitializeWith<FLiveLinkTransformFrameData>();
		Data.Transform = Pose;
		Data.PropertyValues.Add(PropType);
		Client.PushSubjectFrameData_AnyThread(Key, MoveTemp(Frame));
	}

	void PushAndTick(const FTransform& Pose, float PropType = 0.0f)
	{
		PushProp("Box_3", Pose, PropType);
		World.Tick(LEVELTICK_All, 1.0f / 60.0f);
	}

	void Play()
	{
		World.BeginPlay();
	}

	FLogCapture Log;
	FLiveLinkClient Client;
	FGuid SourceGuid;
	UWorld World;
	AActor* Owner = nullptr;
	UZevoLiveLinkPropComponent* Prop = nullptr;
};
}

TEST_F(ZevoLiveLinkPropComponentTest, StreamScaleInMetresBecomesPropSizeInCentimetres)
{
	struct FCase
	{
		bool bConvert;
		FVector Expected;
	};
	const FCase Cases[] = {
		{true, FVector(30, 10, 20)},
		{false, FVector(30, 20, 10)},
	};
	Play();
	for (const FCase& Case : Cases)
	{
		Prop->bConvertCoordinates = Case.bConvert;
		PushAndTick(StreamPose(FVector(0, 0, 0)));
		ExpectNear(Prop->PropSize, Case.Expected);
	}
}

TEST_F(ZevoLiveLinkPropComponentTest, OwnerFollowsTheConvertedPositionAndRotation)
{
	Play();
	// A quarter turn about the stream's up axis (Y) is a quarter turn about the engine's up axis (Z),
	// mirrored by the X flip.
	const FQuat StreamTurn(FVector(0, 1, 0), UE_PI / 2);
	PushAndTick(StreamPose(FVector(1, 2, 3), StreamTurn));
	ExpectNear(Owner->GetActorLocation(), FVector(-100, 300, 200));
	ExpectSameRotation(Owner->GetActorTransform().GetRotation(), FQuat(FVector(0, 0, 1), UE_PI / 2));
	EXPECT_TRUE(Prop->IsReceivingData());

	Prop->bUsePositionScale = true;
	Prop->ManualPositionScale = FVector(2.0, 1.0, 0.5);
	PushAndTick(StreamPose(FVector(1, 2, 3), StreamTurn));
	ExpectNear(Owner->GetActorLocation(), FVector(-200, 300, 100));

	Prop->bUsePositionScale = false;
	Prop->bConvertCoordinates = false;
	PushAndTick(StreamPose(FVector(1, 2, 3), StreamTurn));
	ExpectNear(Owner->GetActorLocation(), FVector(1, 2, 3));
	ExpectSameRotation(Owner->GetActorTransform().GetRotation(), StreamTurn);
}

TEST_F(ZevoLiveLinkPropComponentTest, SwitchedOffChannelsKeepTheOwnersPoseAndScale)
{
	Play();
	const FQuat OwnerTurn(FRotator(0.0, 30.0, 0.0));
	Owner->SetActorTransform(FTransform(OwnerTurn, FVector(5, 6, 7), FVector(2.0)));
	const FQuat StreamTurn(FVector(1, 0, 0), 0.5);

	Prop->bApplyRotation = false;
	PushAndTick(StreamPose(FVector(0.1, 0.2, 0.3), StreamTurn));
	ExpectNear(Owner->GetActorLocation(), FVector(-10, 30, 20));
	ExpectSameRotation(Owner->GetActorTransform().GetRotation(), OwnerTurn);
	ExpectNear(Owner->GetActorTransform().GetScale3D(), FVector(2.0));

	Prop->bApplyRotation = true;
	Prop->bApplyPosition = false;
	Owner->SetActorTransform(FTransform(OwnerTurn, FVector(5, 6, 7), FVector(2.0)));
	PushAndTick(StreamPose(FVector(0.1, 0.2, 0.3), StreamTurn));
	ExpectNear(Owner->GetActorLocation(), FVector(5, 6, 7));
	ExpectSameRotation(Owner->GetActorTransform().GetRotation(), FQuat(-StreamTurn.X, StreamTurn.Z, StreamTurn.Y, StreamTurn.W));
}

TEST_F(ZevoLiveLinkPropComponentTest, SetSubjectByNameAndNumFollowsThatProp)
{
	Play();
	Prop->SubjectName = NAME_None;
	Prop->SetSubjectByNameAndNum("Box", 3);
	EXPECT_EQ(Prop->SubjectName, FName("Box_3"));
	PushProp("Box_4", StreamPose(FVector(9, 9, 9)));
	PushAndTick(StreamPose(FVector(0.01, 0, 0)));
	ExpectNear(Owner->GetActorLocation(), FVector(-1, 0, 0));
}

TEST_F(ZevoLiveLinkPropComponentTest, ReceivingStopsOneSecondAfterTheLastFrame)
{
	Play();
	EXPECT_FALSE(Prop->IsReceivingData()) << "no frame yet";
	PushAndTick(StreamPose(FVector(1, 0, 0)));
	EXPECT_TRUE(Prop->IsReceivingData());

	// The subject goes (as the source's sweep removes a silent one): ticks stop before touching
	// the owner, and receiving ends a second after the last evaluated frame.
	Client.RemoveSubject_AnyThread({SourceGuid, "Box_3"});
	Owner->SetActorTransform(FTransform(FVector(7, 7, 7)));
	FHostClock::Advance(FTimespan::FromSeconds(0.9));
	World.Tick(LEVELTICK_All, 0.9f);
	EXPECT_TRUE(Prop->IsReceivingData());
	ExpectNear(Owner->GetActorLocation(), FVector(7, 7, 7));
	FHostClock::Advance(FTimespan::FromSeconds(0.1));
	World.Tick(LEVELTICK_All, 0.1f);
	EXPECT_FALSE(Prop->IsReceivingData());
}

TEST_F(ZevoLiveLinkPropComponentTest, SubjectOfAnotherRoleIsNotFollowed)
{
	FLiveLinkStaticDataStruct StaticData;
	StaticData.InitializeWith<FLiveLinkSkeletonStaticData>();
	Client.PushSubjectStaticData_AnyThread({SourceGuid, "Box_3"}, ULiveLinkAnimationRole::StaticClass(), MoveTemp(StaticData));
	FLiveLinkFrameDataStruct Frame;
	Frame.InitializeWith<FLiveLinkAnimationFrameData>();
	Client.PushSubjectFrameData_AnyThread({SourceGuid, "Box_3"}, MoveTemp(Frame));
	Play();
	Owner->SetActorTransform(FTransform(FVector(7, 7, 7)));
	World.Tick(LEVELTICK_All, 0.1f);
	EXPECT_FALSE(Prop->IsReceivingData());
	ExpectNear(Owner->GetActorLocation(), FVector(7, 7, 7));
	EXPECT_EQ(Prop->GetAvailableSubjectNames(), TArray<FString>({"(No Transform Subjects Available)"}));
}

TEST_F(ZevoLiveLinkPropComponentTest, SubjectListNamesTransformSubjectsInTheClientsOrder)
{
	PushProp("Sword_2", StreamPose(FVector(0, 0, 0)));
	FLiveLinkStaticDataStruct StaticData;
	StaticData.InitializeWith<FLiveLinkSkeletonStaticData>();
	Client.PushSubjectStaticData_AnyThread({SourceGuid, "Performer"}, ULiveLinkAnimationRole::StaticClass(), MoveTemp(StaticData));
	PushProp("Box_3", StreamPose(FVector(0, 0, 0)));
	// Before play, as the editor's drop-down asks through the property's options function.
	FOptionsFunction Options = FReflectedFunctions::FindOptionsFunction(
		UZevoLiveLinkPropComponent::StaticClass(), FName(*UZevoLiveLinkPropComponent::StaticClass()->FindPropertyByName("SubjectName")->GetMetaData("GetOptions")));
	ASSERT_NE(Options, nullptr);
	EXPECT_EQ(Options(*Prop), TArray<FString>({"Sword_2", "Box_3"}));
	Play();
	EXPECT_EQ(Prop->GetAvailableSubjectNames(), TArray<FString>({"Sword_2", "Box_3"}));
}

TEST_F(ZevoLiveLinkPropComponentTest, WithoutAClientPlayReportsItAndTicksDoNothing)
{
	IModularFeatures::Get().UnregisterModularFeature(ILiveLinkClient::ModularFeatureName, &Client);
	PushProp("Box_3", StreamPose(FVector(1, 2, 3)));
	Play();
	EXPECT_EQ(Log.Count("[Zevo Prop Component] LiveLink Client not available!", ELogVerbosity::Error), 1);
	World.Tick(LEVELTICK_All, 0.1f);
	ExpectNear(Owner->GetActorLocation(), FVector(0, 0, 0));
	EXPECT_FALSE(Prop->IsReceivingData());
	EXPECT_EQ(Prop->GetAvailableSubjectNames(), TArray<FString>({"(No Transform Subjects Available)"}));
}

TEST_F(ZevoLiveLinkPropComponentTest, PropTypeFollowsTheStreamAndNotANumberIsIgnored)
{
	Play();
	PushAndTick(StreamPose(FVector(0, 0, 0)), 2.0f);
	EXPECT_EQ(Prop->GetPropType(), 2);
	PushAndTick(StreamPose(FVector(0, 0, 0)), std::numeric_limits<float>::quiet_NaN());
	EXPECT_EQ(Prop->GetPropType(), 2);
	PushAndTick(StreamPose(FVector(0, 0, 0)), 1e20f);
	EXPECT_EQ(Prop->GetPropType(), std::numeric_limits<int32>::max());
}

namespace
{
/** The drawing's mesh component, checked to be set up as a drawing: the root, collision off, shown. */
UStaticMeshComponent* DrawingMesh(const UZevoLiveLinkPropComponent& Prop, const AActor& Owner)
{
	AActor* Drawing = Prop.GetVisualizationActor();
	if (!Drawing)
	{
		ADD_FAILURE() << "nothing drawn";
		return nullptr;
	}
	auto* Mesh = Cast<UStaticMeshComponent>(Drawing->GetRootComponent());
	EXPECT_NE(Mesh, nullptr);
	if (Mesh)
	{
		EXPECT_EQ(Mesh->GetCollisionEnabled(), ECollisionEnabled::NoCollision);
		EXPECT_TRUE(Mesh->IsVisible());
		EXPECT_FALSE(Mesh->bHiddenInGame);
		EXPECT_TRUE(Mesh->IsRegistered());
	}
	EXPECT_EQ(Drawing->GetOwner(), &Owner);
	EXPECT_EQ(Drawing->GetAttachParentActor(), &Owner);
	return Mesh;
}
}

TEST_F(ZevoLiveLinkPropComponentTest, DrawsACubeForEveryTypeButOne)
{
	Prop->bEnableVisualization = true;
	Play();
	for (const float Type : {0.0f, 2.0f, 7.0f})
	{
		Log.Clear();
		PushAndTick(StreamPose(FVector(0, 0, 0), FQuat::Identity, FVector(0.3, 0.2, 0.1)), Type);
		EXPECT_EQ(Prop->GetPropType(), static_cast<int32>(Type));
		UStaticMeshComponent* Mesh = DrawingMesh(*Prop, *Owner);
		ASSERT_NE(Mesh, nullptr);
		EXPECT_EQ(Prop->GetVisualizationActor()->GetActorLabel(), "PropVisualization_Cube");
		EXPECT_EQ(Mesh->GetFName(), FName("CubeMesh"));
		ASSERT_NE(Mesh->GetStaticMesh(), nullptr);
		EXPECT_EQ(Mesh->GetStaticMesh()->GetPathName(), "/Engine/BasicShapes/Cube.Cube");
		ExpectNear(Mesh->GetRelativeScale3D(), FVector(0.3, 0.1, 0.2));
		ExpectNear(Mesh->GetRelativeLocation(), FVector(3.75 - 15.0, 5.0 - 3.0, -10.0 - 2.0));
		EXPECT_EQ(Log.Count("[Zevo Prop] Cube Actor Created - PropSize: (30.00, 10.00, 20.00), Scale: (0.3000, 0.1000, 0.2000)",
					  ELogVerbosity::Log),
			1)
			<< "drawn once: first because nothing was drawn, then because the type changed";
	}
	EXPECT_EQ(World.GetActors().Num(), 2) << "each redraw replaces the drawing";
}

TEST_F(ZevoLiveLinkPropComponentTest, DrawsASphereWhoseDiameterIsThePropsHeight)
{
	Prop->bEnableVisualization = true;
	Play();
	PushAndTick(StreamPose(FVector(0, 0, 0), FQuat::Identity, FVector(0.3, 0.2, 0.1)), 1.0f);
	UStaticMeshComponent* Mesh = DrawingMesh(*Prop, *Owner);
	ASSERT_NE(Mesh, nullptr);
	EXPECT_EQ(Prop->GetVisualizationActor()->GetActorLabel(), "PropVisualization_Sphere");
	EXPECT_EQ(Mesh->GetFName(), FName("SphereMesh"));
	EXPECT_EQ(Mesh->GetStaticMesh()->GetPathName(), "/Engine/BasicShapes/Sphere.Sphere");
	const double Scale = 0.1f;
	EXPECT_EQ(Mesh->GetRelativeScale3D(), FVector(Scale));
	ExpectNear(Mesh->GetRelativeLocation(), FVector(0, 0, -5.0 - 2.0));
	EXPECT_EQ(Log.Count("[Zevo Prop] Sphere Actor Created - PropSize: (30.00, 10.00, 20.00), Diameter: 0.1000, Scale: (0.1000, 0.1000, 0.1000)",
				  ELogVerbosity::Log),
		1);

	// The drawing rides along with its owner.
	PushAndTick(StreamPose(FVector(1, 0, 0), FQuat::Identity, FVector(0.3, 0.2, 0.1)), 1.0f);
	ExpectNear(Prop->GetVisualizationActor()->GetActorLocation(), FVector(-100, 0, -7));
}

TEST_F(ZevoLiveLinkPropComponentTest, RedrawsOnlyWhenTheSizeMovesMoreThanATenthOfACentimetre)
{
	Prop->bEnableVisualization = true;
	Play();
	struct FStep
	{
		double ScaleX;
		int32 DrawingsSoFar;
	};
	const FStep Steps[] = {
		{0.3, 1},
		{0.3005, 1}, // 0.05 cm
		{0.3, 1},
		{0.302, 2}, // 0.2 cm
		{0.302, 2},
	};
	for (const FStep& Step : Steps)
	{
		PushAndTick(StreamPose(FVector(0, 0, 0), FQuat::Identity, FVector(Step.ScaleX, 0.2, 0.1)));
		EXPECT_EQ(Log.CountContaining("[Zevo Prop] Cube Actor Created"), Step.DrawingsSoFar) << "scale X " << Step.ScaleX;
	}
	EXPECT_EQ(World.GetActors().Num(), 2);
}

TEST_F(ZevoLiveLinkPropComponentTest, EditorSwitchDrawsOnlyAPropOfVisibleSize)
{
	Play();
	FProperty* Switch = UZevoLiveLinkPropComponent::StaticClass()->FindPropertyByName("bEnableVisualization");
	ASSERT_NE(Switch, nullptr);
	FPropertyChangedEvent SwitchChanged(Switch, EPropertyChangeType::ValueSet);

	Prop->PropSize = FVector(0.05, 0.05, 0.05);
	Prop->bEnableVisualization = true;
	Prop->PostEditChangeProperty(SwitchChanged);
	EXPECT_EQ(Prop->GetVisualizationActor(), nullptr) << "too small to draw";

	Prop->CalibrateVisualization(1, 10.0f, 20.0f, 30.0f);
	EXPECT_EQ(Log.Count("[Zevo Prop] CalibrateVisualization - Type:1, Size:(10.00, 20.00, 30.00)", ELogVerbosity::Log), 1);
	ASSERT_NE(Prop->GetVisualizationActor(), nullptr);
	EXPECT_EQ(Prop->GetVisualizationActor()->GetActorLabel(), "PropVisualization_Sphere");

	Prop->bEnableVisualization = false;
	Prop->PostEditChangeProperty(SwitchChanged);
	EXPECT_EQ(Prop->GetVisualizationActor(), nullptr);
	EXPECT_EQ(World.GetActors().Num(), 1);

	// Calibrating while drawing is off only records the size.
	Prop->CalibrateVisualization(0, 10.0f, 20.0f, 30.0f);
	EXPECT_EQ(Prop->GetVisualizationActor(), nullptr);
	Prop->bEnableVisualization = true;
	Prop->PostEditChangeProperty(SwitchChanged);
	ASSERT_NE(Prop->GetVisualizationActor(), nullptr);
	EXPECT_EQ(Prop->GetVisualizationActor()->GetActorLabel(), "PropVisualization_Cube");
}

TEST_F(ZevoLiveLinkPropComponentTest, DrawingGoesWhenSwitchedOffOrWhenPlayEnds)
{
	Prop->bEnableVisualization = true;
	Play();
	PushAndTick(StreamPose(FVector(0, 0, 0)));
	ASSERT_NE(Prop->GetVisualizationActor(), nullptr);
	Prop->bEnableVisualization = false;
	PushAndTick(StreamPose(FVector(0, 0, 0)));
	EXPECT_EQ(Prop->GetVisualizationActor(), nullptr);
	EXPECT_EQ(World.GetActors().Num(), 1);

	Prop->bEnableVisualization = true;
	PushAndTick(StreamPose(FVector(0, 0, 0)));
	ASSERT_NE(Prop->GetVisualizationActor(), nullptr);
	Owner->Destroy();
	EXPECT_TRUE(World.GetActors().IsEmpty());
}
