#include "ZevoRetargetTableBuilder.h"

#include "ZevoHierarchyWalk.h"
#include "ZevoTposeCalculator.h"

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

/**
 * The left leg's segment lengths on the pose's reference skeleton, through the last row of each:
 * the distance of each joint from the one above it in the leg, whatever bones lie between or
 * whichever bone the rig hangs the thigh from (a spine bone, in some rig families).
 */
void MeasureLeg(const TArray<FZevoBoneMappingRow>& Rows, const FReferenceSkeleton& Pose, FZevoRetargetTable& Table)
{
	FName Hips = NAME_None, LeftHip = NAME_None, LeftKnee = NAME_None, LeftAnkle = NAME_None;
	for (const FZevoBoneMappingRow& Row : Rows)
	{
		switch (Row.SourceBone)
		{
		case EZevoBoneName::Hips: Hips = Row.TargetBone; break;
		case EZevoBoneName::LeftHip: LeftHip = Row.TargetBone; break;
		case EZevoBoneName::LeftKnee: LeftKnee = Row.TargetBone; break;
		case EZevoBoneName::LeftAnkle: LeftAnkle = Row.TargetBone; break;
		default: break;
		}
	}
	const auto IndexOf = [&Pose](FName Bone) { return Bone.IsNone() ? INDEX_NONE : Pose.FindBoneIndex(Bone); };
	// Without the joint above (no hips mapped), the offset from the bone's own parent.
	const auto SegmentLength = [&](FName Above, FName Bone) {
		const int32 Index = IndexOf(Bone);
		const int32 AboveIndex = IndexOf(Above);
		if (Index == INDEX_NONE)
		{
			return 0.f;
		}
		if (AboveIndex == INDEX_NONE)
		{
			return static_cast<float>(Pose.GetRefBonePose()[Index].GetTranslation().Size());
		}
		return static_cast<float>(
			(FZevoTposeCalculator::CalculateWorldPosition(Pose, Index) - FZevoTposeCalculator::CalculateWorldPosition(Pose, AboveIndex)).Size());
	};
	Table.HipToThigh = SegmentLength(Hips, LeftHip);
	Table.Thigh = SegmentLength(LeftHip, LeftKnee);
	Table.Calf = SegmentLength(LeftKnee, LeftAnkle);
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

/**
 * Marks the bones that the target hangs under another driven bone than the stream does: thighs
 * under the first spine bone instead of the hips, clavicles under the neck, a chest beside the
 * hips instead of above them. A turn given in the stream's parent frame would there be carried
 * by the wrong parent; such bones take their turn from the stream's whole chain instead.
 */
void FindReparentedBones(const FReferenceSkeleton& Pose, const TArray<int32>& StreamParents, const TArray<int32>& MeshIndices, FZevoRetargetTable& Table)
{
	const int32 StreamCount = Table.StreamBoneNames.Num();
	Table.EntryOfStreamBone.Init(INDEX_NONE, StreamCount);
	TArray<int32> StreamBoneOfMeshBone;
	StreamBoneOfMeshBone.Init(INDEX_NONE, Pose.GetNum());
	for (int32 Entry = 0; Entry < Table.Bones.Num(); ++Entry)
	{
		Table.EntryOfStreamBone[Table.Bones[Entry].StreamIndex] = Entry;
		StreamBoneOfMeshBone[MeshIndices[Entry]] = Table.Bones[Entry].StreamIndex;
	}
	const auto StreamParent = [&StreamParents, StreamCount](int32 Bone) {
		const int32 Parent = StreamParents.IsValidIndex(Bone) ? StreamParents[Bone] : INDEX_NONE;
		// The stream lists parents first; anything else is not a parent to walk to.
		return Parent >= 0 && Parent < Bone && Parent < StreamCount ? Parent : INDEX_NONE;
	};
	for (int32 Entry = 0; Entry < Table.Bones.Num(); ++Entry)
	{
		FZevoRetargetBone& Bone = Table.Bones[Entry];
		int32 StreamAncestor = StreamParent(Bone.StreamIndex);
		while (StreamAncestor != INDEX_NONE && Table.EntryOfStreamBone[StreamAncestor] == INDEX_NONE)
		{
			StreamAncestor = StreamParent(StreamAncestor);
		}
		int32 TargetAncestor = Pose.GetParentIndex(MeshIndices[Entry]);
		while (TargetAncestor != INDEX_NONE && StreamBoneOfMeshBone[TargetAncestor] == INDEX_NONE)
		{
			TargetAncestor = Pose.GetParentIndex(TargetAncestor);
		}
		Bone.DrivenAncestorStreamIndex = TargetAncestor == INDEX_NONE ? INDEX_NONE : StreamBoneOfMeshBone[TargetAncestor];
		Bone.bReparented = Bone.DrivenAncestorStreamIndex != StreamAncestor;
		Table.bHasReparentedBones = Table.bHasReparentedBones || Bone.bReparented;
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
	const auto Local = [&TPosedLocals](int32 Index) { return TPosedLocals[Index]; };
	const FName HipsName(TEXT("Hips"));
	TArray<int32> MeshIndices;
	for (int32 Bone = 0; Bone < TargetNames.Num(); ++Bone)
	{
		const int32 MeshIndex = BoneContainer.GetPoseBoneIndexForBoneName(TargetNames[Bone]);
		// The reference skeleton counts the mesh's bones; the pose holds only those this evaluation
		// requires, and a bone that a level of detail leaves out is not written.
		const FCompactPoseBoneIndex PoseIndex = MeshIndex == INDEX_NONE ? FCompactPoseBoneIndex(INDEX_NONE)
																		: BoneContainer.MakeCompactPoseIndex(FMeshPoseBoneIndex(MeshIndex));
		if (!PoseIndex.IsValid())
		{
			continue;
		}
		FZevoRetargetBone& Driving = Table.Bones.Emplace_GetRef();
		MeshIndices.Add(MeshIndex);
		Driving.StreamIndex = Bone;
		Driving.PoseIndex = PoseIndex;
		Driving.TPosedRotation = TPosedLocals[MeshIndex];
		// The parent as it stands once the T-pose deltas straightened the target.
		Driving.ParentSide = FZevoHierarchyWalk::ComponentRotation(Pose, Pose.GetParentIndex(MeshIndex), Local);
		Driving.bParentSideIsIdentity = Driving.ParentSide.IsIdentity(1e-8);
		Driving.bRoot = Bone == 0 || Subject.BoneNames[Bone] == HipsName;
		if (Driving.bRoot)
		{
			Driving.RootParentTransform = FZevoHierarchyWalk::TPosedComponentTransform(Pose, Pose.GetParentIndex(MeshIndex), Local);
		}
	}
	FindSpineShares(Subject.BoneNames, TargetNames, BoneContainer, Table);
	FindReparentedBones(Pose, Subject.BoneParents, MeshIndices, Table);
	MeasureLeg(Rows, Pose, Table);
	return Table;
}
