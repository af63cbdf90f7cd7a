#pragma once
// UZevoLiveLinkPropComponent: makes its actor follow one prop of the motion stream. Each frame it
// reads the prop's transform subject from the Live Link client, converts it from the stream's
// frame (metres, Y up) into the engine's (centimetres, Z up) and moves its owner; on request it
// draws a cube or sphere of the prop's measured size as an actor attached to the owner.
// Game thread only.
#include "Components/ActorComponent.h"
#include "UObject/WeakObjectPtr.h"

class AActor;
class ILiveLinkClient;
class UStaticMesh;

class UZevoLiveLinkPropComponent : public UActorComponent
{
	ZEVO_CLASS(UZevoLiveLinkPropComponent, UActorComponent)

public:
	UZevoLiveLinkPropComponent();

	/** The prop's transform subject ("<name>_<number>"); the editor offers GetAvailableSubjectNames. */
	FName SubjectName;
	bool bApplyPosition = true;
	bool bApplyRotation = true;
	bool bUsePositionScale = false;
	/** Per-axis factor on the converted position (X forward/back, Y left/right, Z up/down). */
	FVector ManualPositionScale = FVector(1.0, 1.0, 1.0);
	bool bEnableVisualization = false;
	/** The prop's measured size in centimetres, from the stream's scale or a calibration. */
	FVector PropSize = FVector(1.0, 1.0, 1.0);

	void BeginPlay() override;
	void TickComponent(float DeltaTime, ELevelTick TickType, FActorComponentTickFunction* ThisTickFunction) override;
	void EndPlay(const EEndPlayReason::Type EndPlayReason) override;
#if WITH_EDITOR
	void PostEditChangeProperty(FPropertyChangedEvent& PropertyChangedEvent) override;
#endif

	/** Sets the size and type by hand and redraws when drawing is on. */
	void CalibrateVisualization(int32 InPropType, float Width, float Height, float Depth);
	/** 0 = cube, 1 = sphere; other values are drawn as a cube. */
	int32 GetPropType() const { return PropType; }
	/** True while a frame arrived less than a second ago. */
	bool IsReceivingData() const;
	/** The names of every transform subject, or one placeholder entry when there are none. */
	TArray<FString> GetAvailableSubjectNames() const;
	void RefreshSubjectList();
	void SetSubjectByNameAndNum(const FString& PropName, int32 PropNum);
	/** Draws the shape for PropType when drawing is on; removes the drawing when it is off. */
	void UpdateVisualizationMesh();

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
	 * The drawing. Held weakly: the host has no garbage collector to clear a pointer to an actor
	 * that someone else destroyed (the world going away, a user deleting it).
	 */
	TWeakObjectPtr<AActor> VisualizationActor;
	UStaticMesh* CubeMeshAsset = nullptr;
	UStaticMesh* SphereMeshAsset = nullptr;

	/** Platform seconds of the last frame; 0 until one arrives. */
	double LastDataTime = 0.0;
	int32 PropType = 0;
	ILiveLinkClient* LiveLinkClient = nullptr;
};
