#include "ZevoLiveLinkPropComponent.h"

#include "Components/StaticMeshComponent.h"
#include "Engine/StaticMesh.h"
#include "Engine/World.h"
#include "Features/IModularFeatures.h"
#include "GameFramework/Actor.h"
#include "ILiveLinkClient.h"
#include "Retarget/ZevoStreamConventions.h"
#include "Roles/LiveLinkTransformTypes.h"
#include "UObject/ConstructorHelpers.h"

namespace
{
/** A size change smaller than this (cm, in single precision as the stream sends it) keeps the drawing. */
constexpr double SizeChangeThreshold = static_cast<double>(0.1f);

/**
 * The prop type carried as a float property value. The stream sends small integers; a value that
 * is not a number keeps the current type and one beyond int32 is clamped, so that a foreign
 * sender cannot make the conversion undefined.
 */
bool PropTypeFromValue(float Value, int32& OutType)
{
	if (FMath::IsNaN(Value))
	{
		return false;
	}
	constexpr double Lowest = TNumericLimits<int32>::Min();
	constexpr double Highest = TNumericLimits<int32>::Max();
	OutType = static_cast<int32>(FMath::Clamp(static_cast<double>(Value), Lowest, Highest));
	return true;
}

/** The editor's Live Link client, or null when none is registered. */
ILiveLinkClient* FindLiveLinkClient()
{
	IModularFeatures& ModularFeatures = IModularFeatures::Get();
	if (!ModularFeatures.IsModularFeatureAvailable(ILiveLinkClient::ModularFeatureName))
	{
		return nullptr;
	}
	return &ModularFeatures.GetModularFeature<ILiveLinkClient>(ILiveLinkClient::ModularFeatureName);
}

bool AnyComponentDiffers(const FVector& A, const FVector& B, double Threshold)
{
	return FMath::Abs(A.X - B.X) > Threshold || FMath::Abs(A.Y - B.Y) > Threshold || FMath::Abs(A.Z - B.Z) > Threshold;
}
}

UZevoLiveLinkPropComponent::UZevoLiveLinkPropComponent()
{
	PrimaryComponentTick.bCanEverTick = true;
	// Looked up once per process; every component shares the engine's shapes.
	static ConstructorHelpers::FObjectFinder<UStaticMesh> CubeFinder(TEXT("/Engine/BasicShapes/Cube.Cube"));
	static ConstructorHelpers::FObjectFinder<UStaticMesh> SphereFinder(TEXT("/Engine/BasicShapes/Sphere.Sphere"));
	CubeMeshAsset = CubeFinder.Object;
	SphereMeshAsset = SphereFinder.Object;
}

void UZevoLiveLinkPropComponent::BeginPlay()
{
	Super::BeginPlay();
	LiveLinkClient = FindLiveLinkClient();
	if (!LiveLinkClient)
	{
		UE_LOG(LogTemp, Error, TEXT("[Zevo Prop Component] LiveLink Client not available!"));
	}
}

void UZevoLiveLinkPropComponent::TickComponent(float DeltaTime, ELevelTick TickType, FActorComponentTickFunction* ThisTickFunction)
{
	Super::TickComponent(DeltaTime, TickType, ThisTickFunction);
	if (!LiveLinkClient || SubjectName.IsNone())
	{
		return;
	}
	FLiveLinkSubjectFrameData SubjectData;
	if (!LiveLinkClient->EvaluateFrame_AnyThread(SubjectName, ULiveLinkTransformRole::StaticClass(), SubjectData))
	{
		return;
	}
	const FLiveLinkTransformFrameData* Frame = SubjectData.FrameData.Cast<FLiveLinkTransformFrameData>();
	if (!Frame)
	{
		return;
	}
	LastDataTime = FPlatformTime::Seconds();

	int32 StreamPropType = PropType;
	if (!Frame->PropertyValues.IsEmpty() && PropTypeFromValue(Frame->PropertyValues[0], StreamPropType) && StreamPropType != PropType)
	{
		PropType = StreamPropType;
		if (bEnableVisualization)
		{
			UpdateVisualizationMesh();
		}
	}

	const FTransform& PropTransform = Frame->Transform;
	const FVector NewPropSize = ConvertScaleToSize(PropTransform.GetScale3D());
	const bool bSizeChanged = AnyComponentDiffers(NewPropSize, PropSize, SizeChangeThreshold);
	PropSize = NewPropSize;

	FVector Position = bConvertCoordinates ? ConvertPosition(PropTransform.GetLocation()) : PropTransform.GetLocation();
	const FQuat Rotation = bConvertCoordinates ? ConvertRotation(PropTransform.GetRotation()) : PropTransform.GetRotation();
	if (bUsePositionScale)
	{
		Position *= ManualPositionScale;
	}

	if (AActor* Owner = GetOwner())
	{
		const USceneComponent* Root = Owner->GetRootComponent();
		FTransform OwnerTransform = Root ? Root->GetComponentTransform() : FTransform::Identity;
		if (bApplyPosition)
		{
			OwnerTransform.SetTranslation(Position);
		}
		if (bApplyRotation)
		{
			OwnerTransform.SetRotation(FQuat(Rotation.Rotator()).GetNormalized());
		}
		Owner->SetActorTransform(OwnerTransform, false, nullptr, ETeleportType::None);
	}

	if (bEnableVisualization)
	{
		if (!VisualizationActor.IsValid() || bSizeChanged)
		{
			UpdateVisualizationMesh();
		}
	}
	else
	{
		DestroyVisualizationActor();
	}
}

void UZevoLiveLinkPropComponent::EndPlay(const EEndPlayReason::Type EndPlayReason)
{
	Super::EndPlay(EndPlayReason);
	DestroyVisualizationActor();
}

#if WITH_EDITOR
void UZevoLiveLinkPropComponent::PostEditChangeProperty(FPropertyChangedEvent& PropertyChangedEvent)
{
	Super::PostEditChangeProperty(PropertyChangedEvent);
	if (PropertyChangedEvent.GetPropertyName() != FName(TEXT("bEnableVisualization")))
	{
		return;
	}
	if (!bEnableVisualization)
	{
		DestroyVisualizationActor();
	}
	else if (!VisualizationActor.IsValid() && PropSize.Size() > SizeChangeThreshold)
	{
		UpdateVisualizationMesh();
	}
}
#endif

void UZevoLiveLinkPropComponent::CalibrateVisualization(int32 InPropType, float Width, float Height, float Depth)
{
	PropSize = FVector(Width, Height, Depth);
	PropType = InPropType;
	UE_LOG(LogTemp, Log, TEXT("[Zevo Prop] CalibrateVisualization - Type:%d, Size:(%.2f, %.2f, %.2f)"), PropType, PropSize.X, PropSize.Y,
		PropSize.Z);
	if (bEnableVisualization)
	{
		UpdateVisualizationMesh();
	}
}

bool UZevoLiveLinkPropComponent::IsReceivingData() const
{
	return LastDataTime != 0.0 && FPlatformTime::Seconds() - LastDataTime < 1.0;
}

TArray<FString> UZevoLiveLinkPropComponent::GetAvailableSubjectNames() const
{
	// The editor asks for the drop-down before play has found a client, so look it up then.
	const ILiveLinkClient* Client = LiveLinkClient ? LiveLinkClient : FindLiveLinkClient();
	TArray<FString> Names;
	if (Client)
	{
		for (const FLiveLinkSubjectKey& Key : Client->GetSubjects(true, true))
		{
			if (Client->GetSubjectRole_AnyThread(Key).Get() == ULiveLinkTransformRole::StaticClass())
			{
				Names.Add(Key.SubjectName.ToString());
			}
		}
	}
	if (Names.IsEmpty())
	{
		Names.Add(TEXT("(No Transform Subjects Available)"));
	}
	return Names;
}

void UZevoLiveLinkPropComponent::RefreshSubjectList()
{
	GetAvailableSubjectNames();
}

void UZevoLiveLinkPropComponent::SetSubjectByNameAndNum(const FString& PropName, int32 PropNum)
{
	SubjectName = FName(*FString::Printf(TEXT("%s_%d"), *PropName, PropNum));
}

void UZevoLiveLinkPropComponent::UpdateVisualizationMesh()
{
	if (!bEnableVisualization)
	{
		DestroyVisualizationActor();
	}
	else if (PropType == 1)
	{
		CreateSphereMesh();
	}
	else
	{
		CreateCubeMesh();
	}
}

FVector UZevoLiveLinkPropComponent::ConvertPosition(const FVector& StreamPosition) const
{
	return FZevoStreamConventions::PositionToEngine(StreamPosition);
}

FQuat UZevoLiveLinkPropComponent::ConvertRotation(const FQuat& StreamRotation) const
{
	return FZevoStreamConventions::RotationToEngine(StreamRotation);
}

FVector UZevoLiveLinkPropComponent::ConvertScaleToSize(const FVector& StreamScale) const
{
	return bConvertCoordinates ? FZevoStreamConventions::SizeToEngine(StreamScale) : StreamScale * 100.0;
}

void UZevoLiveLinkPropComponent::CreateCubeMesh()
{
	AActor* Actor = SpawnVisualizationActor(CubeMeshAsset, TEXT("PropVisualization_Cube"), TEXT("CubeMesh"));
	if (!Actor)
	{
		return;
	}
	// The engine cube is 100 cm wide and centred; the offset lines the drawing up with the prop's origin.
	const FVector Scale = PropSize * 0.01;
	USceneComponent* Mesh = Actor->GetRootComponent();
	Mesh->SetRelativeScale3D(Scale);
	Mesh->SetRelativeLocation(FVector(3.75 - 0.5 * PropSize.X, 0.5 * PropSize.Y - 3.0, -0.5 * PropSize.Z - 2.0));
	UE_LOG(LogTemp, Log, TEXT("[Zevo Prop] Cube Actor Created - PropSize: (%.2f, %.2f, %.2f), Scale: (%.4f, %.4f, %.4f)"), PropSize.X,
		PropSize.Y, PropSize.Z, Scale.X, Scale.Y, Scale.Z);
}

void UZevoLiveLinkPropComponent::CreateSphereMesh()
{
	AActor* Actor = SpawnVisualizationActor(SphereMeshAsset, TEXT("PropVisualization_Sphere"), TEXT("SphereMesh"));
	if (!Actor)
	{
		return;
	}
	// The engine sphere is 100 cm across; the prop's height is its diameter.
	const double Scale = static_cast<float>(PropSize.Y * 0.01);
	USceneComponent* Mesh = Actor->GetRootComponent();
	Mesh->SetRelativeScale3D(FVector(Scale));
	Mesh->SetRelativeLocation(FVector(0.0, 0.0, -0.5 * PropSize.Y - 2.0));
	UE_LOG(LogTemp, Log,
		TEXT("[Zevo Prop] Sphere Actor Created - PropSize: (%.2f, %.2f, %.2f), Diameter: %.4f, Scale: (%.4f, %.4f, %.4f)"), PropSize.X,
		PropSize.Y, PropSize.Z, Scale, Scale, Scale, Scale);
}

AActor* UZevoLiveLinkPropComponent::SpawnVisualizationActor(UStaticMesh* Mesh, const FString& Label, FName ComponentName)
{
	AActor* Owner = GetOwner();
	UWorld* World = GetWorld();
	if (!Owner || !World || !Mesh)
	{
		return nullptr;
	}
	DestroyVisualizationActor();

	FActorSpawnParameters SpawnParameters;
	SpawnParameters.Owner = Owner;
	SpawnParameters.SpawnCollisionHandlingOverride = ESpawnActorCollisionHandlingMethod::AlwaysSpawn;
	AActor* Actor = World->SpawnActor<AActor>(AActor::StaticClass(), FVector::ZeroVector, FRotator::ZeroRotator, SpawnParameters);
	if (!Actor)
	{
		return nullptr;
	}
#if WITH_EDITOR
	Actor->SetActorLabel(Label);
#endif

	UStaticMeshComponent* MeshComponent = NewObject<UStaticMeshComponent>(Actor, UStaticMeshComponent::StaticClass(), ComponentName);
	MeshComponent->SetStaticMesh(Mesh);
	MeshComponent->SetCollisionEnabled(ECollisionEnabled::NoCollision);
	MeshComponent->SetVisibility(true, true);
	MeshComponent->SetHiddenInGame(false);
	MeshComponent->RegisterComponent();
	Actor->SetRootComponent(MeshComponent);
	Actor->AttachToActor(Owner, FAttachmentTransformRules::KeepRelativeTransform);
	VisualizationActor = Actor;
	return Actor;
}

void UZevoLiveLinkPropComponent::DestroyVisualizationActor()
{
	if (AActor* Actor = VisualizationActor.Get())
	{
		Actor->Destroy();
	}
	VisualizationActor.Reset();
}
