// The per-frame pose build of the remap asset and the caches it keeps between frames.
#include "ZevoRemapAssetBase.h"

#include "BonePose.h"
#include "Animation/Skeleton.h"
#include "Async/Async.h"
#include "Misc/ScopeLock.h"
#include "Rendering/SkeletalMeshRenderData.h"
#include "ZevoTposeCalculator.h"

namespace
{
// The stream's leg lengths and offsets, read from the frame's properties in centimetres.
struct FStreamCalibration
{
	float UpperLeg = 0.f;
	float LowerLeg = 0.f;
	float HipToUpperLeg = 0.f;
	FVector PositionOffset = FVector::ZeroVector;
	float HeightOffset = 0.f;

	explicit FStreamCalibration(const TArray<float>& Values)
	{
		if (Values.Num() > 2)
		{
			UpperLeg = Values[0] * 100.f;
			LowerLeg = Values[1] * 100.f;
			HipToUpperLeg = Values[2] * 100.f;
		}
		if (Values.Num() > 5)
		{
			PositionOffset = FVector(Values[3] * 100.0, Values[4] * 100.0, Values[5] * 100.0);
		}
		if (Values.Num() > 6)
		{
			HeightOffset = Values[6];
		}
	}

	float LegLength() const { return UpperLeg + LowerLeg + HipToUpperLeg; }
};

bool IsIdentityWithin(const FQuat& Q, double Tolerance)
{
	return FMath::Abs(Q.X) <= Tolerance && FMath::Abs(Q.Y) <= Tolerance && FMath::Abs(Q.Z) <= Tolerance && FMath::Abs(Q.W - 1.0) <= Tolerance;
}

const FName& StreamHipsName()
{
	static const FName Name(TEXT("Hips"));
	return Name;
}

/** Which stream spelling of a bone a mapping row feeds besides its identifier's own name. */
FName StreamAlias(EZevoBoneName Bone)
{
	// The stream skeleton spells its toes "LeftToes" and "RightToes".
	switch (Bone)
	{
	case EZevoBoneName::LeftToe: return FName(TEXT("LeftToes"));
	case EZevoBoneName::RightToe: return FName(TEXT("RightToes"));
	default: return NAME_None;
	}
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
	CachedSkeletonName = Skeleton->GetFName();
	if (TPoseReferenceSkeleton)
	{
		CalculateTPoseDeltasFromReferenceSkeleton();
	}
	else
	{
		TPoseRotationDeltas.Empty();
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
	FName HipsName = NAME_None, LeftAnkleName = NAME_None, RightAnkleName = NAME_None;
	for (const FZevoBoneMappingRow& Row : GetAllBones())
	{
		switch (Row.SourceBone)
		{
		case EZevoBoneName::Hips: HipsName = Row.TargetBone; break;
		case EZevoBoneName::LeftAnkle: LeftAnkleName = Row.TargetBone; break;
		case EZevoBoneName::RightAnkle: RightAnkleName = Row.TargetBone; break;
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
	const TArray<FTransform>& RestPose = RefSkeleton.GetRefBonePose();
	const auto TPosedHeight = [&](int32 Bone) {
		FTransform Component = FTransform::Identity;
		for (int32 Index = Bone; Index != INDEX_NONE; Index = RefSkeleton.GetParentIndex(Index))
		{
			Component = Component * FTransform(GetTPosedLocalRotation(RefSkeleton, Index), RestPose[Index].GetTranslation(), RestPose[Index].GetScale3D());
		}
		return Component.GetTranslation().Z;
	};
	const double HipZ = TPosedHeight(HipsIndex);
	// The feet keep their rest orientation, so the sole stays as far below the ankle as at rest.
	double AnkleZ = UE_MAX_FLT;
	double TPosedAnkleZ = UE_MAX_FLT;
	for (const FName AnkleName : {LeftAnkleName, RightAnkleName})
	{
		const int32 AnkleIndex = AnkleName.IsNone() ? INDEX_NONE : RefSkeleton.FindBoneIndex(AnkleName);
		if (AnkleIndex != INDEX_NONE)
		{
			AnkleZ = FMath::Min(AnkleZ, FZevoTposeCalculator::CalculateWorldPosition(RefSkeleton, AnkleIndex).Z);
			TPosedAnkleZ = FMath::Min(TPosedAnkleZ, TPosedHeight(AnkleIndex));
		}
	}
	if (AnkleZ == UE_MAX_FLT)
	{
		UE_LOG(LogTemp, Warning, TEXT("[Zevo Remap][%s] Ankle bones not found!"), *TargetSkeleton->GetName());
		bHipHeightValid = false;
		return;
	}
	TargetHipHeight = static_cast<float>(HipZ - TPosedAnkleZ);

	// The sole is the lowest vertex of the preview mesh; render data is only read on the game thread.
	double SoleZ = UE_MAX_FLT;
	const USkeletalMesh* PreviewMesh = IsInGameThread() ? TargetSkeleton->GetPreviewMesh() : nullptr;
	const FSkeletalMeshRenderData* RenderData = PreviewMesh ? PreviewMesh->GetResourceForRendering() : nullptr;
	if (RenderData && RenderData->LODRenderData.Num() > 0)
	{
		const FPositionVertexBuffer& Positions = RenderData->LODRenderData[0].StaticVertexBuffers.PositionVertexBuffer;
		for (uint32 Vertex = 0; Vertex < Positions.GetNumVertices(); ++Vertex)
		{
			SoleZ = FMath::Min(SoleZ, static_cast<double>(Positions.VertexPosition(Vertex).Z));
		}
	}
	AnkleToSoleDistance = SoleZ < UE_MAX_FLT ? static_cast<float>(AnkleZ - SoleZ) : 0.f;
	bHipCorrectionValid = false;
	bHipHeightValid = true;
}

FQuat UZevoRemapAssetBase::GetTPosedLocalRotation(const FReferenceSkeleton& PoseSkeleton, int32 PoseIndex) const
{
	const FQuat& Rest = PoseSkeleton.GetRefBonePose()[PoseIndex].GetRotation();
	const FQuat* Delta = TPoseRotationDeltas.Find(PoseSkeleton.GetBoneName(PoseIndex));
	return (Delta && !IsIdentityWithin(*Delta, 1e-8)) ? *Delta * Rest : Rest;
}

FQuat UZevoRemapAssetBase::GetTPosedParentRotation(const FReferenceSkeleton& PoseSkeleton, int32 PoseIndex) const
{
	FQuat ParentComponent = FQuat::Identity;
	for (int32 Ancestor = PoseSkeleton.GetParentIndex(PoseIndex); Ancestor != INDEX_NONE; Ancestor = PoseSkeleton.GetParentIndex(Ancestor))
	{
		ParentComponent = GetTPosedLocalRotation(PoseSkeleton, Ancestor) * ParentComponent;
	}
	return ParentComponent;
}

void UZevoRemapAssetBase::UpdatePositionScale(float StreamUpperLeg, float StreamLowerLeg, float StreamHipToUpperLeg,
	const FReferenceSkeleton& PoseSkeleton, const TArray<FZevoBoneMappingRow>& Rows)
{
	const float StreamLengths[3] = {StreamUpperLeg, StreamLowerLeg, StreamHipToUpperLeg};
	bool bChanged = !bPositionScaleValid;
	for (int32 Index = 0; Index < 3; ++Index)
	{
		bChanged = bChanged || FMath::Abs(StreamLengths[Index] - CachedStreamLegLengths[Index]) > 0.01f;
	}
	if (!bChanged)
	{
		return;
	}
	for (int32 Index = 0; Index < 3; ++Index)
	{
		CachedStreamLegLengths[Index] = StreamLengths[Index];
	}

	// Segment lengths of the target's left leg: the offset of each joint from its parent.
	FName LeftHip = NAME_None, LeftKnee = NAME_None, LeftAnkle = NAME_None;
	for (const FZevoBoneMappingRow& Row : Rows)
	{
		switch (Row.SourceBone)
		{
		case EZevoBoneName::LeftHip: LeftHip = Row.TargetBone; break;
		case EZevoBoneName::LeftKnee: LeftKnee = Row.TargetBone; break;
		case EZevoBoneName::LeftAnkle: LeftAnkle = Row.TargetBone; break;
		default: break;
		}
	}
	const auto SegmentLength = [&PoseSkeleton](FName Bone) {
		const int32 Index = Bone.IsNone() ? INDEX_NONE : PoseSkeleton.FindBoneIndex(Bone);
		return Index == INDEX_NONE ? 0.f : static_cast<float>(PoseSkeleton.GetRefBonePose()[Index].GetTranslation().Size());
	};
	const float HipToThigh = SegmentLength(LeftHip);
	const float Thigh = SegmentLength(LeftKnee);
	const float Calf = SegmentLength(LeftAnkle);
	TargetLegLengths[0] = Thigh;
	TargetLegLengths[1] = Calf;
	TargetLegLengths[2] = HipToThigh;

	const float TargetLeg = Thigh + HipToThigh + Calf;
	const float StreamLeg = StreamUpperLeg + StreamLowerLeg + StreamHipToUpperLeg;
	// A stream without a thigh length cannot scale the height; the last good scale is kept.
	if (TargetLeg > 0.01f && Thigh > 0.01f && StreamUpperLeg > 0.01f)
	{
		const double Horizontal = bPreserveActorDistances ? 1.0 : TargetLeg / StreamLeg;
		PositionScale = FVector(Horizontal, Horizontal, Thigh * (1.0f / StreamUpperLeg));
		UE_LOG(LogTemp, Warning, TEXT("[Zevo Remap] Position Scale: %s, Target Skeleton: %s"), *PositionScale.ToString(),
			TargetSkeleton ? *TargetSkeleton->GetName() : *NAME_None.ToString());
	}
	bPositionScaleValid = true;
	bHipCorrectionValid = false;
}

void UZevoRemapAssetBase::BuildPoseFromAnimationData(float DeltaTime, const FLiveLinkSkeletonStaticData* InSkeletonData,
	const FLiveLinkAnimationFrameData* InFrameData, FCompactPose& OutPose)
{
	if (!InSkeletonData || !InFrameData)
	{
		return;
	}
	FScopeLock Lock(&PoseCacheMutex);
	const FBoneContainer& BoneContainer = OutPose.GetBoneContainer();
	const FReferenceSkeleton& PoseSkeleton = BoneContainer.GetReferenceSkeleton();

	UpdateTPoseRotationDeltas(BoneContainer);
	const TArray<FZevoBoneMappingRow> Rows = GetAllBones();
	const FStreamCalibration Stream(InFrameData->PropertyValues);

	TMap<FName, FName> TargetByStreamName;
	for (const FZevoBoneMappingRow& Row : Rows)
	{
		if (!Row.TargetBone.IsNone())
		{
			TargetByStreamName.Add(FZevoBoneNameUtils::EnumToFName(Row.SourceBone), Row.TargetBone);
			const FName Alias = StreamAlias(Row.SourceBone);
			if (!Alias.IsNone())
			{
				TargetByStreamName.Add(Alias, Row.TargetBone);
			}
		}
	}

	const TArray<FName>& StreamNames = InSkeletonData->BoneNames;
	const TArray<int32>& StreamParents = InSkeletonData->BoneParents;
	const TArray<FTransform>& Transforms = InFrameData->Transforms;
	const int32 BoneCount = StreamNames.Num();

	TArray<FName> TargetNames;
	TargetNames.Reserve(BoneCount);
	for (const FName StreamName : StreamNames)
	{
		const FName* Mapped = TargetByStreamName.Find(StreamName);
		TargetNames.Add(Mapped ? *Mapped : GetRemappedBoneName(StreamName));
	}

	TMap<FName, FName> TargetParentOf;
	for (int32 Bone = 0; Bone < BoneCount; ++Bone)
	{
		const int32 Parent = StreamParents.IsValidIndex(Bone) ? StreamParents[Bone] : INDEX_NONE;
		if (Parent >= 0 && Parent < BoneCount)
		{
			TargetParentOf.Add(TargetNames[Bone], TargetNames[Parent]);
		}
	}

	const auto TPosedLocal = [&](int32 PoseIndex) { return GetTPosedLocalRotation(PoseSkeleton, PoseIndex); };

	TMap<FName, FQuat> TPosedRotation;
	TMap<FName, FQuat> TPosedComponentRotation;
	for (int32 Bone = 0; Bone < BoneCount; ++Bone)
	{
		const FName Name = TargetNames[Bone];
		const int32 PoseIndex = BoneContainer.GetPoseBoneIndexForBoneName(Name);
		const FName* StreamParentTarget = TargetParentOf.Find(Name);
		const FQuat* ParentComponent = StreamParentTarget ? TPosedComponentRotation.Find(*StreamParentTarget) : nullptr;
		if (PoseIndex == INDEX_NONE)
		{
			// Not in the target: its children still find their parent's rotation through it.
			TPosedRotation.Add(Name, FQuat::Identity);
			TPosedComponentRotation.Add(Name, ParentComponent ? *ParentComponent : FQuat::Identity);
			continue;
		}
		const FQuat Posed = TPosedLocal(PoseIndex);
		TPosedRotation.Add(Name, Posed);
		if (!ParentComponent)
		{
			TPosedComponentRotation.Add(Name, GetTPosedParentRotation(PoseSkeleton, PoseIndex) * Posed);
			continue;
		}
		// Bones of the target that lie between the stream parent's target and this bone.
		TArray<int32> Between;
		bool bParentMet = false;
		for (int32 Ancestor = PoseSkeleton.GetParentIndex(PoseIndex); Ancestor != INDEX_NONE; Ancestor = PoseSkeleton.GetParentIndex(Ancestor))
		{
			if (PoseSkeleton.GetBoneName(Ancestor) == *StreamParentTarget)
			{
				bParentMet = true;
				break;
			}
			Between.Add(Ancestor);
		}
		FQuat Component = *ParentComponent;
		if (bParentMet)
		{
			for (int32 Step = Between.Num() - 1; Step >= 0; --Step)
			{
				Component = Component * TPosedLocal(Between[Step]);
			}
		}
		TPosedComponentRotation.Add(Name, Component * Posed);
	}

	// A spine segment the target lacks spreads its rotation evenly over the spine bones it has.
	TMap<FName, FQuat> SpineShares;
	{
		TArray<FQuat> Dropped;
		TArray<FName> Driven;
		for (const TCHAR* SpineName : {TEXT("Chest"), TEXT("Chest1"), TEXT("Chest2")})
		{
			const int32 Bone = StreamNames.Find(FName(SpineName));
			if (Bone == INDEX_NONE || Bone >= TargetNames.Num())
			{
				continue;
			}
			if (BoneContainer.GetPoseBoneIndexForBoneName(TargetNames[Bone]) == INDEX_NONE)
			{
				if (Transforms.IsValidIndex(Bone))
				{
					Dropped.Add(ConvertBoneRotation(Transforms[Bone].GetRotation()));
				}
			}
			else
			{
				Driven.Add(TargetNames[Bone]);
			}
		}
		if (Dropped.Num() > 0 && Driven.Num() > 0)
		{
			FQuat Product = FQuat::Identity;
			for (const FQuat& Rotation : Dropped)
			{
				Product = Product * Rotation;
			}
			FQuat Share = FQuat::Slerp_NotNormalized(FQuat::Identity, Product, 1.0 / Driven.Num());
			Share.Normalize(1e-8);
			for (const FName Name : Driven)
			{
				SpineShares.Add(Name, Share);
			}
		}
	}

	for (int32 Bone = 0; Bone < BoneCount; ++Bone)
	{
		if (Bone >= Transforms.Num())
		{
			UE_LOG(LogTemp, Warning, TEXT("[Zevo Remap] Transform index %d out of bounds (array size: %d)"), Bone, Transforms.Num());
			continue;
		}
		const FName Name = TargetNames[Bone];
		const int32 PoseIndex = BoneContainer.GetPoseBoneIndexForBoneName(Name);
		if (PoseIndex == INDEX_NONE)
		{
			continue;
		}
		// The reference skeleton counts the mesh's bones; the pose holds only those this
		// evaluation requires, and a bone that a level of detail leaves out is not written.
		const FCompactPoseBoneIndex CompactIndex = BoneContainer.MakeCompactPoseIndex(FMeshPoseBoneIndex(PoseIndex));
		if (!CompactIndex.IsValid())
		{
			continue;
		}
		const FQuat* RecordedPosed = TPosedRotation.Find(Name);
		const FQuat Posed = RecordedPosed ? *RecordedPosed : FQuat::Identity;
		const FTransform& StreamTransform = Transforms[Bone];

		FQuat StreamRotation;
		if (Bone == 0 || StreamNames[Bone] == StreamHipsName())
		{
			const bool bScaled = Stream.LegLength() > 0.01f;
			if (bScaled)
			{
				UpdatePositionScale(Stream.UpperLeg, Stream.LowerLeg, Stream.HipToUpperLeg, PoseSkeleton, Rows);
			}
			// The stream places the hips in component space, Z up; the pose holds them in their parent's frame.
			FVector Position = ConvertRootPosition(StreamTransform.GetTranslation());
			if (bScaled)
			{
				Position *= PositionScale;
				float VerticalOffset = Stream.HeightOffset + GroundOffset;
				if (bUseHipCorrection)
				{
					if (!bHipHeightValid)
					{
						CalculateHipHeightOffset();
					}
					if (!bHipCorrectionValid && bHipHeightValid)
					{
						HipCorrectionOffset = static_cast<float>(AnkleToSoleDistance - (Position.Z - TargetHipHeight));
						bHipCorrectionValid = true;
					}
					VerticalOffset = HipCorrectionOffset + GroundOffset + Stream.HeightOffset;
				}
				Position.Z += VerticalOffset;
			}
			// The stream's offset, converted like a root position but not scaled.
			Position.X -= Stream.PositionOffset.X;
			Position.Y += Stream.PositionOffset.Z;
			Position.Z += Stream.PositionOffset.Y;
			OutPose[CompactIndex].SetTranslation(GetTPosedParentRotation(PoseSkeleton, PoseIndex).UnrotateVector(Position));
			StreamRotation = ConvertRootRotation(StreamTransform.GetRotation());
		}
		else
		{
			StreamRotation = ConvertBoneRotation(StreamTransform.GetRotation());
		}

		// The parent side: the nearest straightened ancestor, then the undriven bones below it.
		const FName* StreamParentTarget = TargetParentOf.Find(Name);
		TArray<int32> Undriven;
		const FQuat* ParentComponent = nullptr;
		for (int32 Ancestor = PoseSkeleton.GetParentIndex(PoseIndex); Ancestor != INDEX_NONE; Ancestor = PoseSkeleton.GetParentIndex(Ancestor))
		{
			const FName AncestorName = PoseSkeleton.GetBoneName(Ancestor);
			ParentComponent = TPosedComponentRotation.Find(AncestorName);
			if (ParentComponent || (StreamParentTarget && AncestorName == *StreamParentTarget))
			{
				break;
			}
			Undriven.Add(Ancestor);
		}
		FQuat ParentSide = ParentComponent ? *ParentComponent : FQuat::Identity;
		for (int32 Step = Undriven.Num() - 1; Step >= 0; --Step)
		{
			ParentSide = ParentSide * TPosedLocal(Undriven[Step]);
		}
		// The stream turns a bone away from its T-pose in the stream's axes, which are the axes of
		// the component while the body stands in T-pose. Re-expressed in the parent's T-posed frame,
		// the turn applies after the bone's own T-posed rotation: applied before it, it would turn
		// about the bone's rest axes, which differ from rig to rig.
		const FQuat* Share = SpineShares.Find(Name);
		const FQuat Turn = Share ? StreamRotation * *Share : StreamRotation;
		const FQuat Local = IsIdentityWithin(ParentSide, 1e-8) ? Turn : ParentSide.Inverse() * Turn * ParentSide;
		OutPose[CompactIndex].SetRotation(Local * Posed);
	}
}
