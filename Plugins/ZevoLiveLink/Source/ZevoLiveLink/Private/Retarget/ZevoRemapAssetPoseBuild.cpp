// The per-frame pose build of the remap asset and the caches it keeps between frames.
#include "ZevoRemapAssetBase.h"

#include "BonePose.h"
#include "Animation/Skeleton.h"
#include "Async/Async.h"
#include "Misc/ScopeLock.h"
#include "Rendering/SkeletalMeshRenderData.h"
#include "ZevoHierarchyWalk.h"
#include "ZevoPoseBuildSteps.h"
#include "ZevoRetargetTableBuilder.h"
#include "ZevoTposeCalculator.h"

namespace
{
/** The lowest vertex of a skeleton's preview mesh; render data is only read on the game thread. */
double LowestPreviewMeshZ(const USkeleton& Skeleton)
{
	double Lowest = UE_MAX_FLT;
	const USkeletalMesh* PreviewMesh = IsInGameThread() ? Skeleton.GetPreviewMesh() : nullptr;
	const FSkeletalMeshRenderData* RenderData = PreviewMesh ? PreviewMesh->GetResourceForRendering() : nullptr;
	if (RenderData && RenderData->LODRenderData.Num() > 0)
	{
		const FPositionVertexBuffer& Positions = RenderData->LODRenderData[0].StaticVertexBuffers.PositionVertexBuffer;
		for (uint32 Vertex = 0; Vertex < Positions.GetNumVertices(); ++Vertex)
		{
			Lowest = FMath::Min(Lowest, static_cast<double>(Positions.VertexPosition(Vertex).Z));
		}
	}
	return Lowest;
}

/** How low a target's feet reach: the lower ankle at rest and straightened, and the lowest ankle or toe joint at rest. */
struct FFeetHeights
{
	double AnkleZ = UE_MAX_FLT;
	double TPosedAnkleZ = UE_MAX_FLT;
	double FootZ = UE_MAX_FLT;
};

template <typename FTPosedHeight>
FFeetHeights MeasureFeet(const FReferenceSkeleton& RefSkeleton, const TArray<FName>& Ankles, const TArray<FName>& Toes, FTPosedHeight&& TPosedHeight)
{
	FFeetHeights Feet;
	const auto IndexOf = [&RefSkeleton](FName Name) { return Name.IsNone() ? INDEX_NONE : RefSkeleton.FindBoneIndex(Name); };
	for (const FName Toe : Toes)
	{
		const int32 Index = IndexOf(Toe);
		Feet.FootZ = Index == INDEX_NONE ? Feet.FootZ : FMath::Min(Feet.FootZ, FZevoTposeCalculator::CalculateWorldPosition(RefSkeleton, Index).Z);
	}
	for (const FName Ankle : Ankles)
	{
		const int32 Index = IndexOf(Ankle);
		if (Index != INDEX_NONE)
		{
			const double RestZ = FZevoTposeCalculator::CalculateWorldPosition(RefSkeleton, Index).Z;
			Feet.FootZ = FMath::Min(Feet.FootZ, RestZ);
			Feet.AnkleZ = FMath::Min(Feet.AnkleZ, RestZ);
			Feet.TPosedAnkleZ = FMath::Min(Feet.TPosedAnkleZ, TPosedHeight(Index));
		}
	}
	return Feet;
}
}

void UZevoRemapAssetBase::UpdateTPoseRotationDeltas(const FBoneContainer& BoneContainer)
{
	const USkeleton* Skeleton = BoneContainer.GetSkeletonAsset();
	if (!Skeleton)
	{
		TPoseRotationDeltas.Empty();
		CachedSkeletonName = NAME_None;
		return;
	}
	if (Skeleton->GetFName() == CachedSkeletonName && TPoseRotationDeltas.Num() > 0)
	{
		return;
	}
	// An asset without deltas comes here on every frame; its table stays as long as they stay none.
	const bool bHadDeltas = TPoseRotationDeltas.Num() > 0;
	const bool bOtherSkeleton = Skeleton->GetFName() != CachedSkeletonName;
	CachedSkeletonName = Skeleton->GetFName();
	if (TPoseReferenceSkeleton)
	{
		CalculateTPoseDeltasFromReferenceSkeleton();
	}
	else
	{
		TPoseRotationDeltas.Empty();
	}
	if (bHadDeltas || bOtherSkeleton || TPoseRotationDeltas.Num() > 0)
	{
		RetargetTable.Reset();
	}
}

void UZevoRemapAssetBase::CalculateTPoseDeltasFromReferenceSkeleton()
{
	if (TPoseReferenceSkeleton && TargetSkeleton)
	{
		TPoseRotationDeltas = FZevoTposeCalculator::CalculateTPoseDeltas(TargetSkeleton, TPoseReferenceSkeleton, GetAllBones());
	}
	else
	{
		TPoseRotationDeltas.Empty();
	}
}

void UZevoRemapAssetBase::CalculateHipHeightOffset()
{
	if (!TargetSkeleton)
	{
		TargetHipHeight = AnkleToSoleDistance = HipCorrectionOffset = 0.f;
		bHipHeightValid = bHipCorrectionValid = false;
		return;
	}
	FName HipsName = NAME_None;
	TArray<FName> Ankles, Toes;
	for (const FZevoBoneMappingRow& Row : GetAllBones())
	{
		switch (Row.SourceBone)
		{
		case EZevoBoneName::Hips: HipsName = Row.TargetBone; break;
		case EZevoBoneName::LeftAnkle:
		case EZevoBoneName::RightAnkle: Ankles.Add(Row.TargetBone); break;
		case EZevoBoneName::LeftToe:
		case EZevoBoneName::RightToe: Toes.Add(Row.TargetBone); break;
		default: break;
		}
	}
	const FReferenceSkeleton& RefSkeleton = TargetSkeleton->GetReferenceSkeleton();
	const int32 HipsIndex = HipsName.IsNone() ? INDEX_NONE : RefSkeleton.FindBoneIndex(HipsName);
	if (HipsIndex == INDEX_NONE)
	{
		UE_LOG(LogTemp, Warning, TEXT("[Zevo Remap][%s] Hips bone not found (mapped: %s)"), *TargetSkeleton->GetName(), *HipsName.ToString());
		bHipHeightValid = false;
		return;
	}
	// The hips stand above the ankles as the stream's standing frame puts the target: limbs
	// straightened by the T-pose deltas. Measured on the rest pose instead, legs that are spread
	// or bent at rest would reach less far down than they do once straightened, and the feet
	// would sink into the ground by the difference.
	const auto TPosedHeight = [&](int32 Bone) {
		return FZevoHierarchyWalk::TPosedComponentTransform(RefSkeleton, Bone, [&](int32 Index) {
			return FZevoHierarchyWalk::TPosedLocalRotation(RefSkeleton, Index, TPoseRotationDeltas);
		}).GetTranslation().Z;
	};
	// The feet keep their rest orientation, so the sole stays as far below the ankle as at rest.
	const FFeetHeights Feet = MeasureFeet(RefSkeleton, Ankles, Toes, TPosedHeight);
	if (Feet.AnkleZ == UE_MAX_FLT)
	{
		UE_LOG(LogTemp, Warning, TEXT("[Zevo Remap][%s] Ankle bones not found!"), *TargetSkeleton->GetName());
		bHipHeightValid = false;
		return;
	}
	TargetHipHeight = static_cast<float>(TPosedHeight(HipsIndex) - Feet.TPosedAnkleZ);

	// The sole is the lowest vertex of the preview mesh. Without one, the lowest joint of the feet:
	// taken as the ankle itself, a rig without a mesh stood with its toes in the ground.
	const double SoleZ = FMath::Min(Feet.FootZ, LowestPreviewMeshZ(*TargetSkeleton));
	AnkleToSoleDistance = static_cast<float>(Feet.AnkleZ - SoleZ);
	bHipCorrectionValid = false;
	bHipHeightValid = true;
}

const FZevoRetargetTable& UZevoRemapAssetBase::UpdateRetargetTable(const FBoneContainer& BoneContainer, const FLiveLinkSkeletonStaticData& Subject)
{
	UpdateTPoseRotationDeltas(BoneContainer);
	if (!RetargetTable || !RetargetTable->IsFor(BoneContainer, Subject.BoneNames, Subject.BoneParents))
	{
		RetargetTable = MakeShared<FZevoRetargetTable>(FZevoRetargetTableBuilder::Build(
			GetAllBones(), Subject, BoneContainer, TPoseRotationDeltas, [this](FName StreamName) { return GetRemappedBoneName(StreamName); }));
	}
	return *RetargetTable;
}

void UZevoRemapAssetBase::UpdatePositionScale(const FZevoStreamCalibration& Stream, const FZevoRetargetTable& Table)
{
	if (bPositionScaleValid && !Stream.LegsDifferFrom(CachedStreamLegLengths))
	{
		return;
	}
	CachedStreamLegLengths[0] = Stream.UpperLeg;
	CachedStreamLegLengths[1] = Stream.LowerLeg;
	CachedStreamLegLengths[2] = Stream.HipToUpperLeg;
	TargetLegLengths[0] = Table.Thigh;
	TargetLegLengths[1] = Table.Calf;
	TargetLegLengths[2] = Table.HipToThigh;
	if (FZevoPoseBuildSteps::CalculatePositionScale(Stream, Table, bPreserveActorDistances, PositionScale))
	{
		UE_LOG(LogTemp, Warning, TEXT("[Zevo Remap] Position Scale: %s, Target Skeleton: %s"), *PositionScale.ToString(),
			TargetSkeleton ? *TargetSkeleton->GetName() : *NAME_None.ToString());
	}
	bPositionScaleValid = true;
	bHipCorrectionValid = false;
}

FVector UZevoRemapAssetBase::PlaceRoot(const FZevoRetargetBone& Root, const FVector& StreamPosition, const FZevoStreamCalibration& Stream,
	const FZevoRetargetTable& Table)
{
	FVector Position = ConvertRootPosition(StreamPosition);
	float VerticalOffset = 0.f;
	if (Stream.LegLength() > 0.01f)
	{
		UpdatePositionScale(Stream, Table);
		Position *= PositionScale;
		VerticalOffset = Stream.HeightOffset + GroundOffset;
		if (bUseHipCorrection)
		{
			if (!bHipHeightValid)
			{
				CalculateHipHeightOffset();
			}
			if (!bHipCorrectionValid && bHipHeightValid)
			{
				HipCorrectionOffset = FZevoPoseBuildSteps::MeasureHipCorrection(Position, AnkleToSoleDistance, TargetHipHeight);
				bHipCorrectionValid = true;
			}
			VerticalOffset = HipCorrectionOffset + GroundOffset + Stream.HeightOffset;
		}
	}
	return FZevoPoseBuildSteps::PlaceRoot(Position, VerticalOffset, Stream, Root);
}

void UZevoRemapAssetBase::CalculateStreamTurns(const FZevoRetargetTable& Table, const TArray<FTransform>& Transforms, TArray<FQuat>& OutTurns) const
{
	FQuat Dropped = FQuat::Identity;
	int32 DroppedCount = 0;
	for (const int32 Bone : Table.DroppedSpineBones)
	{
		if (Transforms.IsValidIndex(Bone))
		{
			Dropped = Dropped * ConvertBoneRotation(Transforms[Bone].GetRotation());
			++DroppedCount;
		}
	}
	FQuat Share;
	const bool bShare = FZevoPoseBuildSteps::CalculateSpineShare(Dropped, DroppedCount, Table.DrivenSpineBoneCount, Share);
	OutTurns.SetNum(Table.Bones.Num());
	for (int32 Entry = 0; Entry < Table.Bones.Num(); ++Entry)
	{
		const FZevoRetargetBone& Bone = Table.Bones[Entry];
		if (!Transforms.IsValidIndex(Bone.StreamIndex))
		{
			OutTurns[Entry] = FQuat::Identity;
			continue;
		}
		const FQuat& Rotation = Transforms[Bone.StreamIndex].GetRotation();
		const FQuat Turn = Bone.bRoot ? ConvertRootRotation(Rotation) : ConvertBoneRotation(Rotation);
		OutTurns[Entry] = bShare && Bone.bTakesSpineShare ? Turn * Share : Turn;
	}
}

void UZevoRemapAssetBase::BuildPoseFromAnimationData(float DeltaTime, const FLiveLinkSkeletonStaticData* InSkeletonData,
	const FLiveLinkAnimationFrameData* InFrameData, FCompactPose& OutPose)
{
	if (!InSkeletonData || !InFrameData)
	{
		return;
	}
	FScopeLock Lock(&PoseCacheLock);
	const FZevoRetargetTable& Table = UpdateRetargetTable(OutPose.GetBoneContainer(), *InSkeletonData);
	const FZevoStreamCalibration Stream(InFrameData->PropertyValues);
	const TArray<FTransform>& Transforms = InFrameData->Transforms;
	CalculateStreamTurns(Table, Transforms, StreamTurns);
	if (Table.bHasReparentedBones)
	{
		FZevoPoseBuildSteps::ChainStreamTurns(Table, StreamTurns, StreamChain);
	}
	for (int32 Entry = 0; Entry < Table.Bones.Num(); ++Entry)
	{
		const FZevoRetargetBone& Bone = Table.Bones[Entry];
		if (Bone.StreamIndex >= Transforms.Num())
		{
			continue;
		}
		FTransform& Target = OutPose[Bone.PoseIndex];
		if (Bone.bRoot)
		{
			Target.SetTranslation(PlaceRoot(Bone, Transforms[Bone.StreamIndex].GetTranslation(), Stream, Table));
		}
		const FQuat Turn = Bone.bReparented ? FZevoPoseBuildSteps::ReparentedTurn(Bone, StreamChain) : StreamTurns[Entry];
		Target.SetRotation(FZevoPoseBuildSteps::BoneRotation(Bone, Turn));
	}
	for (int32 Missing = Transforms.Num(); Missing < Table.StreamBoneNames.Num(); ++Missing)
	{
		UE_LOG(LogTemp, Warning, TEXT("[Zevo Remap] Transform index %d out of bounds (array size: %d)"), Missing, Transforms.Num());
	}
}
