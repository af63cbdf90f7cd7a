#pragma once
// UZevoLiveLinkPropComponent: makes its actor follow one prop of the motion stream. Each frame it
// reads the prop's transform subject from the Live Link client, converts it from the stream's
// frame (metres, Y up) into the engine's (centimetres, Z up) and moves its owner; on request it
// draws a cube or sphere of the prop's measured size as an actor attached to the owner.
// Game thread only.
#include "Components/ActorComponent.h"
#include "GameFramework/Actor.h"
#include "UObject/WeakObjectPtr.h"
#include "ZevoLiveLinkPropComponent.generated.h"

class ILiveLinkClient;
class UStaticMesh;

UCLASS(ClassGroup = (Zevo), meta = (BlueprintSpawnableComponent = "true"))
class UZevoLiveLinkPropComponent : public UActorComponent
{
	GENERATED_BODY()

public:
	UZevoLiveLinkPropComponent();

	/** The prop's transform subject ("<name>_<number>"); the editor offers GetAvailableSubjectNames. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Zevo LiveLink", meta = (GetOptions = "GetAvailableSubjectNames"))
	FName SubjectName;

	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Zevo LiveLink")
	bool bApplyPosition = true;

	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Zevo LiveLink")
	bool bApplyRotation = true;

	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Zevo LiveLink|Position Scale", meta = (ToolTip = "Enable position scaling"))
	bool bUsePositionScale = false;

	/** Per-axis factor on the converted position. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Zevo LiveLink|Position Scale",
		meta = (EditCondition = "bUsePositionScale", ToolTip = "Position scale to apply (X=Forward/Back, Y=Left/Right, Z=Up/Down)"))
	FVector ManualPositionScale = FVector(1.0, 1.0, 1.0);

	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Zevo LiveLink|Visualization")
	bool bEnableVisualization = false;

	/** The prop's measured size in centimetres, from the stream's scale or a calibration. */
	UPROPERTY(VisibleAnywhere, BlueprintReadOnly, Category = "Zevo LiveLink|Visualization")
	FVector PropSize = FVector(1.0, 1.0, 1.0);

	void BeginPlay() override;
	void TickComponent(float DeltaTime, ELevelTick TickType, FActorComponentTickFunction* ThisTickFunction) override;
	void EndPlay(const EEndPlayReason::Type EndPlayReason) override;
#if WITH_EDITOR
	void PostEditChangeProperty(FPropertyChangedEvent& PropertyChangedEvent) override;
#endif

	/** Sets the size and type by hand and redraws when drawing is on. */
	UFUNCTION(BlueprintCallable, Category = "Zevo LiveLink")
	void CalibrateVisualization(int32 InPropType, float Width, float Height, float Depth);

	/** 0 = cube, 1 = sphere; other values are drawn as a cube. */
	UFUNCTION(BlueprintPure, Category = "Zevo LiveLink")
	int32 GetPropType() const { return PropType; }

	/** True while a frame arrived less than a second ago. */
	UFUNCTION(BlueprintPure, Category = "Zevo LiveLink")
	bool IsReceivingData() const;

	UFUNCTION(BlueprintCallable, Category = "Zevo LiveLink")
	void RefreshSubjectList();

	UFUNCTION(BlueprintCallable, Category = "Zevo LiveLink")
	void SetSubjectByNameAndNum(const FString& PropName, int32 PropNum);

	/** Draws the shape for PropType when drawing is on; removes the drawing when it is off. */
	UFUNCTION(BlueprintCallable, Category = "Zevo LiveLink")
	void UpdateVisualizationMesh();

	/** The names of every transform subject, or one placeholder entry when there are none. */
	UFUNCTION()
	TArray<FString> GetAvailableSubjectNames() const;

	AActor* GetVisualizationActor() const { return VisualizationActor.Get(); }

	/** Stream-to-engine conversion; off only for streams that already send the engine's frame. */
	bool bConvertCoordinates = true;

private:
	FVector ConvertPosition(const FVector& StreamPosition) const;
	FQuat ConvertRotation(const FQuat& StreamRotation) const;
	/** The size in centimetres that the stream's scale (metres) stands for. */
	FVector ConvertScaleToSize(const FVector& StreamScale) const;

	void CreateCubeMesh();
	void CreateSphereMesh();
	/** Spawns the drawing actor, attached to the owner, with one mesh component as its root. */
	AActor* SpawnVisualizationActor(UStaticMesh* Mesh, const FString& Label, FName ComponentName);
	void DestroyVisualizationActor();

	/**
	 * The drawing. Held weakly, which keeps no actor alive and needs no reflection: whoever else
	 * destroys it (the world going away, a user deleting it) leaves this pointer empty.
	 */
	TWeakObjectPtr<AActor> VisualizationActor;

	UPROPERTY()
	TObjectPtr<UStaticMesh> CubeMeshAsset = nullptr;

	UPROPERTY()
	TObjectPtr<UStaticMesh> SphereMeshAsset = nullptr;

	/** Platform seconds of the last frame; 0 until one arrives. */
	double LastDataTime = 0.0;
	int32 PropType = 0;
	ILiveLinkClient* LiveLinkClient = nullptr;
};
