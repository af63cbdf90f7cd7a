#include "ZevoRetargetTableBuilder.h"

#include "ZevoHierarchyWalk.h"

namespace
{
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

/** The target bone name of each stream bone: its row's target, or RemapUnmapped of its own name. */
TArray<FName> TargetNamesOf(const TArray<FZevoBoneMappingRow>& Rows, const TArray<FName>& StreamNames, const TFunction<FName(FName)>& RemapUnmapped)
{
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
	TArray<FName> TargetNames;
	TargetNames.Reserve(StreamNames.Num());
	for (const FName StreamName : StreamNames)
	{
		const FName* Mapped = TargetByStreamName.Find(StreamName);
		TargetNames.Add(Mapped ? *Mapped : RemapUnmapped(StreamName));
	}
	return TargetNames;
}

bool IsAbove(const FReferenceSkeleton& Pose, int32 Ancestor, int32 Bone)
{
	for (int32 Index = Pose.GetParentIndex(Bone); Index != INDEX_NONE; Index = Pose.GetParentIndex(Index))
	{
		if (Index == Ancestor)
		{
			return true;
		}
	}
	return false;
}

/**
 * The T-posed component rotation that each target bone reaches along the stream hierarchy, by
 * target name: from the stream parent's target down through the target bones between the two. A
 * stream bone whose target the pose lacks passes its parent's on, so that its children still
 * chain through it.
 */
TMap<FName, FQuat> StreamChainRotations(const FReferenceSkeleton& Pose, const TArray<FQuat>& TPosedLocals, const TArray<FName>& TargetNames,
	const TArray<int32>& StreamParents)
{
	TMap<FName, FQuat> Recorded;
	const auto Local = [&TPosedLocals](int32 Index) { return TPosedLocals[Index]; };
	for (int32 Bone = 0; Bone < TargetNames.Num(); ++Bone)
	{
		const int32 StreamParent = StreamParents.IsValidIndex(Bone) ? StreamParents[Bone] : INDEX_NONE;
		const FName ParentTarget = StreamParent >= 0 && StreamParent < TargetNames.Num() ? TargetNames[StreamParent] : NAME_None;
		const FQuat* ParentRecorded = StreamParent >= 0 && StreamParent < TargetNames.Num() ? Recorded.Find(ParentTarget) : nullptr;
		const int32 PoseIndex = Pose.FindBoneIndex(TargetNames[Bone]);
		if (PoseIndex == INDEX_NONE)
		{
			Recorded.Add(TargetNames[Bone], ParentRecorded ? *ParentRecorded : FQuat::Identity);
			continue;
		}
		const int32 ParentIndex = Pose.GetParentIndex(PoseIndex);
		const int32 ParentTargetIndex = ParentRecorded ? Pose.FindBoneIndex(ParentTarget) : INDEX_NONE;
		FQuat Above;
		if (!ParentRecorded)
		{
			Above = FZevoHierarchyWalk::ComponentRotation(Pose, ParentIndex, Local);
		}
		else if (IsAbove(Pose, ParentTargetIndex, PoseIndex))
		{
			Above = FZevoHierarchyWalk::ComponentRotation(Pose, ParentIndex, Local, [&](int32 Index) { return Index == ParentTargetIndex ? ParentRecorded : nullptr; });
		}
		else
		{
			// A stream parent whose target is not above this bone in the target: chain on it directly.
			Above = *ParentRecorded;
		}
		Recorded.Add(TargetNames[Bone], Above * TPosedLocals[PoseIndex]);
	}
	return Recorded;
}

/** The left leg's segment lengths on the pose's reference skeleton, through the last row of each. */
void MeasureLeg(const TArray<FZevoBoneMappingRow>& Rows, const FReferenceSkeleton& Pose, FZevoRetargetTable& Table)
{
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
	// Each segment is the offset of its joint from the parent joint.
	const auto SegmentLength = [&Pose](FName Bone) {
		const int32 Index = Bone.IsNone() ? INDEX_NONE : Pose.FindBoneIndex(Bone);
		return Index == INDEX_NONE ? 0.f : static_cast<float>(Pose.GetRefBonePose()[Index].GetTranslation().Size());
	};
	Table.HipToThigh = SegmentLength(LeftHip);
	Table.Thigh = SegmentLength(LeftKnee);
	Table.Calf = SegmentLength(LeftAnkle);
}

/** Which spine segments the target lacks (their rotation is spread) and how many it has. */
void FindSpineShares(const TArray<FName>& StreamNames, const TArray<FName>& TargetNames, const FBoneContainer& BoneContainer, FZevoRetargetTable& Table)
{
	for (const TCHAR* SpineName : {TEXT("Chest"), TEXT("Chest1"), TEXT("Chest2")})
	{
		const int32 Bone = StreamNames.Find(FName(SpineName));
		if (Bone == INDEX_NONE || Bone >= TargetNames.Num())
		{
			continue;
		}
		if (BoneContainer.GetPoseBoneIndexForBoneName(TargetNames[Bone]) == INDEX_NONE)
		{
			Table.DroppedSpineBones.Add(Bone);
		}
		else
		{
			++Table.DrivenSpineBoneCount;
			for (FZevoRetargetBone& Driving : Table.Bones)
			{
				Driving.bTakesSpineShare = Driving.bTakesSpineShare || Driving.StreamIndex == Bone;
			}
		}
	}
}
}

FZevoRetargetTable FZevoRetargetTableBuilder::Build(const TArray<FZevoBoneMappingRow>& Rows, const FLiveLinkSkeletonStaticData& Subject,
	const FBoneContainer& BoneContainer, const TMap<FName, FQuat>& TPoseDeltas, const TFunction<FName(FName)>& RemapUnmapped)
{
	const FReferenceSkeleton& Pose = BoneContainer.GetReferenceSkeleton();
	FZevoRetargetTable Table;
	Table.Skeleton = BoneContainer.GetSkeletonAsset();
	Table.PoseSkeleton = &Pose;
	Table.PoseBoneCount = BoneContainer.GetNumBones();
	Table.StreamBoneNames = Subject.BoneNames;
	Table.StreamBoneParents = Subject.BoneParents;

	const TArray<FName> TargetNames = TargetNamesOf(Rows, Subject.BoneNames, RemapUnmapped);
	const TArray<FQuat> TPosedLocals = FZevoHierarchyWalk::TPosedLocalRotations(Pose, TPoseDeltas);
	const TMap<FName, FQuat> Recorded = StreamChainRotations(Pose, TPosedLocals, TargetNames, Subject.BoneParents);
	const auto Local = [&TPosedLocals](int32 Index) { return TPosedLocals[Index]; };
	const auto RecordedAt = [&](int32 Index) { return Recorded.Find(Pose.GetBoneName(Index)); };
	const FName HipsName(TEXT("Hips"));
	for (int32 Bone = 0; Bone < TargetNames.Num(); ++Bone)
	{
		const int32 MeshIndex = BoneContainer.GetPoseBoneIndexForBoneName(TargetNames[Bone]);
		if (MeshIndex == INDEX_NONE)
		{
			continue;
		}
		FZevoRetargetBone& Driving = Table.Bones.Emplace_GetRef();
		Driving.StreamIndex = Bone;
		Driving.PoseIndex = BoneContainer.MakeCompactPoseIndex(FMeshPoseBoneIndex(MeshIndex));
		Driving.TPosedRotation = TPosedLocals[MeshIndex];
		// The nearest bone above that the stream drives, then the bones it does not drive below it.
		Driving.ParentSide = FZevoHierarchyWalk::ComponentRotation(Pose, Pose.GetParentIndex(MeshIndex), Local, RecordedAt);
		Driving.bParentSideIsIdentity = Driving.ParentSide.IsIdentity(1e-8);
		Driving.bRoot = Bone == 0 || Subject.BoneNames[Bone] == HipsName;
		Driving.RootParentRotation = FZevoHierarchyWalk::ComponentRotation(Pose, Pose.GetParentIndex(MeshIndex), Local);
	}
	FindSpineShares(Subject.BoneNames, TargetNames, BoneContainer, Table);
	MeasureLeg(Rows, Pose, Table);
	return Table;
}
