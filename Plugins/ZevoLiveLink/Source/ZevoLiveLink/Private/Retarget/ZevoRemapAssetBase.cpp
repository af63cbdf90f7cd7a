#include "ZevoRemapAsset.h"

#include "Animation/Skeleton.h"
#include "Misc/ScopeLock.h"
#include "ZevoRetargetTable.h"
#include "UObject/ConstructorHelpers.h"

UZevoRemapAssetBase::UZevoRemapAssetBase()
{
	InitializeAllBones();
	// Loaded once per process; a missing asset is reported by the finder and leaves the pose
	// build without T-pose deltas.
	static ConstructorHelpers::FObjectFinder<USkeleton> DefaultTPose(TEXT("/ZevoLiveLink/Zevo_TPose_Skeleton.Zevo_TPose_Skeleton"));
	TPoseReferenceSkeleton = DefaultTPose.Object;
}

UZevoRemapAssetBase::~UZevoRemapAssetBase() = default;

void UZevoRemapAssetBase::InitializeAllBones()
{
	BodySpineBones.Empty();
	LegBones.Empty();
	ArmBones.Empty();
	FingerBones.Empty();
	for (const EZevoBoneName Bone : FZevoBoneNameUtils::GetAllBoneEnums())
	{
		const FZevoBoneMappingRow Row{Bone, NAME_None};
		switch (FZevoBoneNameUtils::GetBoneCategory(Bone))
		{
		case EZevoBoneCategory::BodyAndSpine: BodySpineBones.Add(Row); break;
		case EZevoBoneCategory::Legs: LegBones.Add(Row); break;
		case EZevoBoneCategory::Arms: ArmBones.Add(Row); break;
		case EZevoBoneCategory::Fingers: FingerBones.Add(Row); break;
		}
	}
}

TArray<FZevoBoneMappingRow> UZevoRemapAssetBase::GetAllBones() const
{
	TArray<FZevoBoneMappingRow> All;
	All.Reserve(BodySpineBones.Num() + LegBones.Num() + ArmBones.Num() + FingerBones.Num());
	All.Append(BodySpineBones);
	All.Append(LegBones);
	All.Append(ArmBones);
	All.Append(FingerBones);
	return All;
}

void UZevoRemapAssetBase::ClearBoneMapping()
{
	Modify();
	InitializeAllBones();
	DuplicateTargetBones.Empty();
	DuplicateStatusText = TEXT("OK");
	MissingStatusText = FString::Printf(TEXT("%d unmapped"), static_cast<int32>(EZevoBoneName::Count));
	// Everything the pose build measured went through the rows just cleared.
	InvalidatePoseCaches();
	FScopeLock Lock(&PoseCacheLock);
	for (int32 Index = 0; Index < 3; ++Index)
	{
		CachedStreamLegLengths[Index] = 0.f;
		TargetLegLengths[Index] = 0.f;
	}
}

void UZevoRemapAssetBase::InvalidatePoseCaches()
{
	FScopeLock Lock(&PoseCacheLock);
	RetargetTable.Reset();
	TPoseRotationDeltas.Empty();
	CachedSkeletonName = NAME_None;
	bPositionScaleValid = false;
	TargetHipHeight = AnkleToSoleDistance = HipCorrectionOffset = 0.f;
	bHipHeightValid = bHipCorrectionValid = false;
}

void UZevoRemapAssetBase::PostLoad()
{
	Super::PostLoad();
	// Which targets are duplicated is not saved, yet the details panel marks those rows from the
	// moment the asset opens, matching the saved status line.
	RebuildDuplicateTargetBones();
}

#if WITH_EDITOR
void UZevoRemapAssetBase::PostEditUndo()
{
	Super::PostEditUndo();
	// The restored status texts come back with the rows; the map and the caches derived from the
	// rows are not saved in the transaction, so a long-running editor would keep the undone ones.
	RebuildDuplicateTargetBones();
	InvalidatePoseCaches();
}

void UZevoRemapAssetBase::PostEditChangeProperty(FPropertyChangedEvent& PropertyChangedEvent)
{
	Super::PostEditChangeProperty(PropertyChangedEvent);
	if (!PropertyChangedEvent.MemberProperty)
	{
		return;
	}
	const FName Member = PropertyChangedEvent.GetMemberPropertyName();
	if (Member == FName(TEXT("TargetSkeleton")))
	{
		if (TargetSkeleton)
		{
			AutoMapFromTargetSkeleton();
		}
		else
		{
			UE_LOG(LogTemp, Warning, TEXT("[Zevo Remap] Target Skeleton cleared."));
		}
		InvalidatePoseCaches();
	}
	else if (Member == FName(TEXT("TPoseReferenceSkeleton")))
	{
		FScopeLock Lock(&PoseCacheLock);
		RetargetTable.Reset();
		TPoseRotationDeltas.Empty();
		CachedSkeletonName = NAME_None;
		// The hip height is measured on the target as these deltas straighten it.
		bHipHeightValid = false;
	}
	else if (Member == FName(TEXT("bPreserveActorDistances")) || Member == FName(TEXT("bUseHipCorrection")))
	{
		FScopeLock Lock(&PoseCacheLock);
		bPositionScaleValid = false;
		bHipCorrectionValid = false;
	}
	else if (Member == FName(TEXT("BodySpineBones")) || Member == FName(TEXT("LegBones")) || Member == FName(TEXT("ArmBones")) ||
		Member == FName(TEXT("FingerBones")))
	{
		if (PropertyChangedEvent.GetPropertyName() == FName(TEXT("TargetBone")))
		{
			UpdateDuplicateDetection();
			// The deltas, the leg lengths and the hip height are all measured through the rows:
			// without this a remapped bone kept its old straightening until the skeleton changed.
			InvalidatePoseCaches();
		}
	}
}
#endif
