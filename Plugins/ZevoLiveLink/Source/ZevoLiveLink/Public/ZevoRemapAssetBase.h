#pragma once
// UZevoRemapAssetBase: drives any skeleton from a character subject of the motion stream. It
// holds the user's settings, the mapping of the 52 stream bones onto the target skeleton (four
// category arrays), two status lines for the details panel, and the caches of the per-frame
// pose build. Subclasses choose the coordinate conversion of the stream, and may name the target
// bone of a stream bone that has no row through GetRemappedBoneName_Implementation.
#include "HAL/CriticalSection.h"
#include "LiveLinkRemapAsset.h"
#include "Templates/SharedPointer.h"
#include "ZevoBoneMapping.h"

#include "ZevoRemapAssetBase.generated.h"

class USkeleton;
struct FBoneContainer;
struct FZevoRetargetBone;
struct FZevoRetargetTable;
struct FZevoStreamCalibration;

UCLASS(Abstract, BlueprintType, Blueprintable, EditInlineNew)
class UZevoRemapAssetBase : public ULiveLinkRemapAsset
{
	GENERATED_BODY()

public:
	UZevoRemapAssetBase();
	~UZevoRemapAssetBase() override;

	// Settings
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Live Link", meta = (DisplayName = "Target Skeleton"))
	TObjectPtr<USkeleton> TargetSkeleton = nullptr;

	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Live Link",
		meta = (DisplayName = "Ground Offset (cm)", ClampMin = "-100.0", ClampMax = "100.0", UIMin = "-100.0", UIMax = "100.0"))
	float GroundOffset = 0.f;

	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Motion Processing",
		meta = (DisplayName = "Preserve Actor Distances",
			ToolTip = "When enabled, keeps original XY scale (1.0) so multiple actors maintain real-world relative positions"))
	bool bPreserveActorDistances = false;

	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Motion Processing",
		meta = (DisplayName = "Use Hip Correction", ToolTip = "When enabled, applies floor calibration to make mesh bottom touch ground (Z=0)"))
	bool bUseHipCorrection = true;

	// Saved and referenced, never shown.
	UPROPERTY()
	TObjectPtr<USkeleton> TPoseReferenceSkeleton = nullptr;

	// Status lines shown by the details panel
	UPROPERTY(VisibleAnywhere, Category = "Bone Mapping Status", meta = (DisplayName = "Duplicate Check"))
	FString DuplicateStatusText;

	UPROPERTY(VisibleAnywhere, Category = "Bone Mapping Status", meta = (DisplayName = "Missing Check"))
	FString MissingStatusText;

	// The mapping table: one row per stream bone, by category
	UPROPERTY(EditAnywhere, Category = "Bone Mapping", meta = (DisplayName = "Body & Spine", ShowOnlyInnerProperties))
	TArray<FZevoBoneMappingRow> BodySpineBones;

	UPROPERTY(EditAnywhere, Category = "Bone Mapping", meta = (DisplayName = "Legs", ShowOnlyInnerProperties))
	TArray<FZevoBoneMappingRow> LegBones;

	UPROPERTY(EditAnywhere, Category = "Bone Mapping", meta = (DisplayName = "Arms", ShowOnlyInnerProperties))
	TArray<FZevoBoneMappingRow> ArmBones;

	UPROPERTY(EditAnywhere, Category = "Bone Mapping", meta = (DisplayName = "Fingers", ShowOnlyInnerProperties))
	TArray<FZevoBoneMappingRow> FingerBones;

	/** The four arrays concatenated: Body & Spine, Legs, Arms, Fingers. */
	TArray<FZevoBoneMappingRow> GetAllBones() const;
	const TMap<FName, TArray<FName>>& GetDuplicateTargetBones() const { return DuplicateTargetBones; }

	void AutoMapFromTargetSkeleton();
	void ClearBoneMapping();
	void UpdateDuplicateDetection();

#if WITH_EDITOR
	void PostEditChangeProperty(FPropertyChangedEvent& PropertyChangedEvent) override;
	/** An undo may restore any row or setting: the duplicate map and every pose cache follow it. */
	void PostEditUndo() override;
#endif
	/** Rebuilds the duplicate map from the loaded rows; the saved status texts stay as written. */
	void PostLoad() override;
	void BuildPoseFromAnimationData(float DeltaTime, const FLiveLinkSkeletonStaticData* InSkeletonData,
		const FLiveLinkAnimationFrameData* InFrameData, FCompactPose& OutPose) override;

protected:
	virtual FVector ConvertRootPosition(FVector LiveLinkPosition) const { return LiveLinkPosition; }
	virtual FQuat ConvertRootRotation(FQuat LiveLinkRotation) const { return LiveLinkRotation; }
	virtual FQuat ConvertBoneRotation(FQuat LiveLinkRotation) const { return LiveLinkRotation; }
	virtual FVector ConvertBonePosition(FVector LiveLinkPosition) const { return LiveLinkPosition; }
	virtual FName GetTargetRootName() const { return FName(TEXT("root")); }

	void UpdateTPoseRotationDeltas(const FBoneContainer& BoneContainer);
	void CalculateTPoseDeltasFromReferenceSkeleton();
	void CalculateHipHeightOffset();

private:
	void InitializeAllBones();
	/**
	 * Fills DuplicateTargetBones from the rows, quietly; returns the group labels of the rows that
	 * feed a duplicated target, in the order first met.
	 */
	TArray<FString> RebuildDuplicateTargetBones();
	/** Forgets every pose-build cache; the next frame measures again. */
	void InvalidatePoseCaches();
	/** The retarget table for this pose and subject, compiled again after an edit dropped it. */
	const FZevoRetargetTable& UpdateRetargetTable(const FBoneContainer& BoneContainer, const FLiveLinkSkeletonStaticData& Subject);
	/** Re-measures the position scale when the stream's leg lengths changed by more than 0.01 cm. */
	void UpdatePositionScale(const FZevoStreamCalibration& Stream, const FZevoRetargetTable& Table);
	/** The hips' translation: scaled, corrected to the ground (measured once per invalidation) and offset. */
	FVector PlaceRoot(const FZevoRetargetBone& Root, const FVector& StreamPosition, const FZevoStreamCalibration& Stream, const FZevoRetargetTable& Table);
	/**
	 * Each table bone's turn on this frame, by entry: the stream's rotation in the engine's axes,
	 * times its share of the spine segments the target lacks where it takes one.
	 */
	void CalculateStreamTurns(const FZevoRetargetTable& Table, const TArray<FTransform>& Transforms, TArray<FQuat>& OutTurns) const;
	FName FindBestMatchWithHierarchyValidation(FName SourceBoneName, const TMap<FString, FName>& FirstBoneByNormalizedName,
		const TMap<FString, TArray<FName>>& BonesByNormalizedName, const TMap<FName, FName>& TargetParents,
		const TMap<FString, FName>& MappedSoFar, const TMap<FString, FZevoBoneHierarchyInfo>& ExpectedHierarchy) const;
	const FName* FindBestMatchWithHierarchyValidationInternal(FName SourceBoneName, const TMap<FString, FName>& FirstBoneByNormalizedName,
		const TMap<FString, TArray<FName>>& BonesByNormalizedName, const TMap<FName, FName>& TargetParents,
		const TMap<FString, FName>& MappedSoFar, const TMap<FString, FZevoBoneHierarchyInfo>& ExpectedHierarchy) const;

	// Transient caches. The pose build may run on several animation threads at once for meshes
	// that share this asset; PoseCacheLock guards every cache below, for the whole build and for
	// the editor-thread invalidations.
	TMap<FName, TArray<FName>> DuplicateTargetBones;
	mutable FCriticalSection PoseCacheLock;
	/** Compiled from the rows, the subject, the pose and the deltas; dropped with the deltas. */
	TSharedPtr<FZevoRetargetTable> RetargetTable;
	/** A frame's turns by table entry and the stream's chain of them, kept to spare an allocation per frame. */
	TArray<FQuat> StreamTurns;
	TArray<FQuat> StreamChain;
	TMap<FName, FQuat> TPoseRotationDeltas;
	FName CachedSkeletonName;
	float CachedStreamLegLengths[3] = {0.f, 0.f, 0.f};
	float TargetLegLengths[3] = {0.f, 0.f, 0.f};
	FVector PositionScale = FVector::OneVector;
	bool bPositionScaleValid = false;
	float TargetHipHeight = 0.f;
	float AnkleToSoleDistance = 0.f;
	float HipCorrectionOffset = 0.f;
	bool bHipHeightValid = false;
	bool bHipCorrectionValid = false;
};
