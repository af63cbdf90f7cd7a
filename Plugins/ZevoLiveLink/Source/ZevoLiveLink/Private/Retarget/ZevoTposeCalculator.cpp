#include "ZevoTposeCalculator.h"

#include "Animation/Skeleton.h"
#include "ZevoHierarchyWalk.h"

namespace
{
using B = EZevoBoneName;

constexpr uint8 ToIndex(EZevoBoneName Bone)
{
	return static_cast<uint8>(Bone);
}

constexpr EZevoBoneName FromIndex(int32 Value)
{
	return static_cast<EZevoBoneName>(Value);
}

// The squared length below which a bone is taken to have no length (the single-precision 1e-4).
constexpr double MinBoneLengthSquared = static_cast<double>(1e-4f);

bool IsFingerBone(EZevoBoneName Bone)
{
	return ToIndex(Bone) >= ToIndex(B::LeftFinger0) && ToIndex(Bone) <= ToIndex(B::RightFinger42);
}

// Finger bones come in fifteen per hand, three segments per finger: 0 first, 1 second, 2 third.
int32 FingerSegment(EZevoBoneName Bone)
{
	return (ToIndex(Bone) - ToIndex(B::LeftFinger0)) % 3;
}

bool IsLeftSide(EZevoBoneName Bone)
{
	return ToIndex(Bone) < ToIndex(B::RightFinger0);
}

/** Component-space transform of a bone in the reference pose: local first, then each parent. */
FTransform CalculateComponentTransform(const FReferenceSkeleton& RefSkeleton, int32 BoneIndex, bool bIgnoreRootRotation)
{
	const TArray<FTransform>& Pose = RefSkeleton.GetRefBonePose();
	return FZevoHierarchyWalk::ComponentTransform(RefSkeleton, BoneIndex, [&](int32 Index) {
		FTransform Local = Pose[Index];
		if (bIgnoreRootRotation && RefSkeleton.GetParentIndex(Index) == INDEX_NONE)
		{
			Local.SetRotation(FQuat::Identity);
		}
		return Local;
	});
}

/** The part of V across the unit direction Along, of unit length; zero when V lies (almost) along it. */
FVector AcrossDirection(const FVector& V, const FVector& Along)
{
	const FVector Across = V - Along * (Along | V);
	return Across.SizeSquared() < MinBoneLengthSquared ? FVector::ZeroVector : Across.GetSafeNormal();
}

/**
 * The turn that takes a bone's direction onto the reference's and, about it, the bone's roll
 * (its up, across the direction) onto the reference's up: a full rotation, unlike the shortest
 * turn, which leaves whatever roll the rest pose had.
 */
FQuat AlignDirectionAndRoll(const FVector& Direction, const FVector& Up, const FVector& ReferenceDirection, const FVector& ReferenceUp)
{
	const FQuat Swing = FQuat::FindBetweenVectors(Direction, ReferenceDirection);
	const FVector SwungUp = Swing.RotateVector(Up);
	const double Roll = FMath::Atan2((SwungUp ^ ReferenceUp) | ReferenceDirection, SwungUp | ReferenceUp);
	return FQuat(ReferenceDirection, Roll) * Swing;
}
}

FQuat FZevoTposeCalculator::CalculateWorldRotation(const FReferenceSkeleton& RefSkeleton, int32 BoneIndex, bool bIgnoreRootRotation)
{
	return BoneIndex == INDEX_NONE ? FQuat::Identity : CalculateComponentTransform(RefSkeleton, BoneIndex, bIgnoreRootRotation).GetRotation();
}

FVector FZevoTposeCalculator::CalculateWorldPosition(const FReferenceSkeleton& RefSkeleton, int32 BoneIndex, bool bIgnoreRootRotation)
{
	return BoneIndex == INDEX_NONE ? FVector::ZeroVector : CalculateComponentTransform(RefSkeleton, BoneIndex, bIgnoreRootRotation).GetTranslation();
}

FName FZevoTposeCalculator::FindMappedBoneName(EZevoBoneName Bone, const TArray<FZevoBoneMappingRow>& BoneMapping)
{
	for (const FZevoBoneMappingRow& Row : BoneMapping)
	{
		if (Row.SourceBone == Bone)
		{
			return Row.TargetBone;
		}
	}
	return NAME_None;
}

int32 FZevoTposeCalculator::FindStreamBone(
	const FReferenceSkeleton& RefSkeleton, EZevoBoneName Bone, const TArray<FZevoBoneMappingRow>& BoneMapping, ELookup Lookup)
{
	const auto ByStreamName = [&] { return RefSkeleton.FindBoneIndex(FZevoBoneNameUtils::EnumToFName(Bone)); };
	const auto ByMappedName = [&] {
		const FName Mapped = FindMappedBoneName(Bone, BoneMapping);
		return Mapped.IsNone() ? INDEX_NONE : RefSkeleton.FindBoneIndex(Mapped);
	};
	const int32 First = Lookup == ELookup::MappedNameFirst ? ByMappedName() : ByStreamName();
	return First != INDEX_NONE ? First : (Lookup == ELookup::MappedNameFirst ? ByStreamName() : ByMappedName());
}

FZevoTposeCalculator::FComponentPose::FComponentPose(const FReferenceSkeleton& InSkeleton, bool bIgnoreRootRotation) : Skeleton(InSkeleton)
{
	// A reference skeleton lists every parent before its children.
	Transforms.Reserve(Skeleton.GetNum());
	for (int32 Bone = 0; Bone < Skeleton.GetNum(); ++Bone)
	{
		FTransform Local = Skeleton.GetRefBonePose()[Bone];
		const int32 Parent = Skeleton.GetParentIndex(Bone);
		if (bIgnoreRootRotation && Parent == INDEX_NONE)
		{
			Local.SetRotation(FQuat::Identity);
		}
		Transforms.Add(Parent == INDEX_NONE ? Local : Local * Transforms[Parent]);
	}
}

FVector FZevoTposeCalculator::FComponentPose::Position(int32 Bone) const
{
	return Bone == INDEX_NONE ? FVector::ZeroVector : Transforms[Bone].GetTranslation();
}

FQuat FZevoTposeCalculator::FComponentPose::Rotation(int32 Bone) const
{
	return Bone == INDEX_NONE ? FQuat::Identity : Transforms[Bone].GetRotation();
}

FVector FZevoTposeCalculator::GetBoneDirection(const FReferenceSkeleton& RefSkeleton, int32 BoneIndex, EZevoBoneName Bone,
	const TArray<FZevoBoneMappingRow>& BoneMapping, bool bIgnoreRootRotation, ELookup Lookup)
{
	return GetBoneDirection(FComponentPose(RefSkeleton, bIgnoreRootRotation), BoneIndex, Bone, BoneMapping, Lookup);
}

FVector FZevoTposeCalculator::GetBoneDirection(const FComponentPose& Pose, int32 BoneIndex, EZevoBoneName Bone,
	const TArray<FZevoBoneMappingRow>& BoneMapping, ELookup Lookup, bool* bOutOwnDirection)
{
	if (BoneIndex == INDEX_NONE)
	{
		return FVector(1.0, 0.0, 0.0);
	}
	const FVector Position = Pose.Position(BoneIndex);

	const EZevoBoneName Child = GetChildBone(Bone);
	const int32 ChildIndex = Child == B::Count ? INDEX_NONE : FindStreamBone(Pose.Skeleton, Child, BoneMapping, Lookup);
	if (ChildIndex != INDEX_NONE)
	{
		const FVector ToChild = Pose.Position(ChildIndex) - Position;
		if (ToChild.SizeSquared() > MinBoneLengthSquared)
		{
			return ToChild.GetSafeNormal();
		}
	}
	if (bOutOwnDirection)
	{
		*bOutOwnDirection = false;
	}

	const EZevoBoneName Parent = GetParentBone(Bone);
	const int32 ParentIndex = Parent == B::Count ? INDEX_NONE : FindStreamBone(Pose.Skeleton, Parent, BoneMapping, Lookup);
	if (ParentIndex != INDEX_NONE)
	{
		const FVector FromParent = Position - Pose.Position(ParentIndex);
		if (FromParent.SizeSquared() > MinBoneLengthSquared)
		{
			return FromParent.GetSafeNormal();
		}
	}

	// No length either way: the bone's own X axis.
	return Pose.Rotation(BoneIndex).RotateVector(FVector(1.0, 0.0, 0.0));
}

bool FZevoTposeCalculator::FindBoneRoll(const FComponentPose& Target, int32 TargetBoneIndex, const FVector& TargetDirection, const FComponentPose& TPose,
	int32 TPoseBoneIndex, const FVector& TPoseDirection, EZevoBoneName Bone,
	const TArray<FZevoBoneMappingRow>& BoneMapping, FVector& OutTargetUp, FVector& OutTPoseUp)
{
	const auto UpTowards = [&](const FComponentPose& Pose, int32 Index, const FVector& Direction, EZevoBoneName Other, ELookup Lookup) {
		const int32 OtherIndex = FindStreamBone(Pose.Skeleton, Other, BoneMapping, Lookup);
		return OtherIndex == INDEX_NONE ? FVector::ZeroVector : AcrossDirection(Pose.Position(OtherIndex) - Pose.Position(Index), Direction);
	};
	for (const EZevoBoneName Other : GetRollBones(Bone))
	{
		OutTargetUp = UpTowards(Target, TargetBoneIndex, TargetDirection, Other, ELookup::MappedNameFirst);
		OutTPoseUp = UpTowards(TPose, TPoseBoneIndex, TPoseDirection, Other, ELookup::StreamNameFirst);
		if (OutTargetUp.SizeSquared() > 0.0 && OutTPoseUp.SizeSquared() > 0.0)
		{
			return true;
		}
	}
	return false;
}

FQuat FZevoTposeCalculator::CalculateBoneTPoseRotation(const FComponentPose& Target, const FComponentPose& TPose, int32 TargetBoneIndex, EZevoBoneName Bone, const TArray<FZevoBoneMappingRow>& BoneMapping, const FQuat& ParentCorrection, bool& bInOutRolled)
{
	if (TargetBoneIndex == INDEX_NONE)
	{
		return FQuat::Identity;
	}
	const FReferenceSkeleton& TargetRefSkeleton = Target.Skeleton;
	const FReferenceSkeleton& TPoseRefSkeleton = TPose.Skeleton;
	const FQuat TargetWorldRotation = Target.Rotation(TargetBoneIndex);
	if (ShouldSkipTPoseCalculation(Bone))
	{
		return TargetWorldRotation;
	}
	// A reference made of the target's own names matches by them; but a target name that is the
	// stream's name of another bone (a clavicle called LeftShoulder) would find that bone instead.
	const FName TargetName = TargetRefSkeleton.GetBoneName(TargetBoneIndex);
	const EZevoBoneName NamedAs = FZevoBoneNameUtils::FNameToEnum(TargetName);
	int32 ReferenceIndex = (NamedAs == B::Count || NamedAs == Bone) ? TPoseRefSkeleton.FindBoneIndex(TargetName) : INDEX_NONE;
	if (ReferenceIndex == INDEX_NONE)
	{
		ReferenceIndex = TPoseRefSkeleton.FindBoneIndex(FZevoBoneNameUtils::EnumToFName(Bone));
	}
	if (ReferenceIndex == INDEX_NONE)
	{
		return TargetWorldRotation;
	}
	bool bOwnDirection = true;
	const FVector TargetDirection = GetBoneDirection(Target, TargetBoneIndex, Bone, BoneMapping, ELookup::MappedNameFirst, &bOwnDirection);
	const FVector ReferenceDirection = GetBoneDirection(TPose, ReferenceIndex, Bone, BoneMapping, ELookup::StreamNameFirst);
	FVector TargetUp, ReferenceUp;
	if (FindBoneRoll(Target, TargetBoneIndex, TargetDirection, TPose, ReferenceIndex, ReferenceDirection, Bone, BoneMapping,
			TargetUp, ReferenceUp))
	{
		bInOutRolled = true;
		return AlignDirectionAndRoll(TargetDirection, TargetUp, ReferenceDirection, ReferenceUp) * TargetWorldRotation;
	}
	// Without a roll of its own the bone keeps the one its parent gave it, when the parent's is
	// known: turned along with the parent first, then by the shortest turn onto the reference
	// direction. Turned from its own rest pose instead, it would roll by however its rest pose
	// differed. So is a bone without a direction of its own (a hand without fingers, pointing
	// along its parent): its shortest turn from rest would roll it by however the parent stood.
	// Elsewhere, the shortest turn from rest.
	const FQuat Carried = (bInOutRolled || !bOwnDirection) ? ParentCorrection : FQuat::Identity;
	return FQuat::FindBetweenVectors(Carried.RotateVector(TargetDirection), ReferenceDirection) * Carried * TargetWorldRotation;
}

void FZevoTposeCalculator::StraightenLimbs(const FComponentPose& TargetPose, const FComponentPose& ReferencePose,
	const TArray<FZevoBoneMappingRow>& BoneMapping, TMap<int32, FQuat>& TPoseWorldRotations, TMap<FName, FQuat>& Deltas)
{
	// The bones whose roll is known: from their palm, or carried down from a bone whose roll is.
	TSet<int32> Rolled;
	const FReferenceSkeleton& Target = TargetPose.Skeleton;
	const TArray<FTransform>& Pose = Target.GetRefBonePose();
	const auto RestLocal = [&Pose](int32 Index) { return Pose[Index].GetRotation(); };
	const auto Recorded = [&TPoseWorldRotations](int32 Index) { return TPoseWorldRotations.Find(Index); };
	for (const EZevoBoneName Bone : GetTargetBones())
	{
		const FName TargetName = FindMappedBoneName(Bone, BoneMapping);
		const int32 Index = TargetName.IsNone() ? INDEX_NONE : Target.FindBoneIndex(TargetName);
		if (Index == INDEX_NONE)
		{
			continue;
		}
		const int32 ParentIndex = Target.GetParentIndex(Index);
		// Bones between the nearest straightened ancestor and the parent keep their rest rotation;
		// past the root without one, the parent's rest rotation in the component.
		const FQuat ParentRotation = FZevoHierarchyWalk::ComponentRotation(Target, ParentIndex, RestLocal, Recorded);
		// A bone below a hand takes the hand's roll with it; elsewhere it keeps its own rest roll.
		int32 Straightened = ParentIndex;
		while (Straightened != INDEX_NONE && !TPoseWorldRotations.Contains(Straightened))
		{
			Straightened = Target.GetParentIndex(Straightened);
		}
		const bool bParentRolled = Rolled.Contains(Straightened);
		const FQuat ParentCorrection = ParentRotation * TargetPose.Rotation(ParentIndex).Inverse();
		bool bRolled = bParentRolled;
		const FQuat TPoseRotation = CalculateBoneTPoseRotation(TargetPose, ReferencePose, Index, Bone, BoneMapping, ParentCorrection, bRolled);
		TPoseWorldRotations.Add(Index, TPoseRotation);
		if (bRolled)
		{
			Rolled.Add(Index);
		}
		const FQuat LocalTPose = ParentIndex == INDEX_NONE ? TPoseRotation : ParentRotation.Inverse() * TPoseRotation;
		Deltas.Add(TargetName, LocalTPose * Pose[Index].GetRotation().Inverse());
	}
}

TMap<FName, FQuat> FZevoTposeCalculator::CalculateTPoseDeltas(
	const USkeleton* TargetSkeleton, const USkeleton* ReferenceSkeleton, const TArray<FZevoBoneMappingRow>& BoneMapping)
{
	TMap<FName, FQuat> Deltas;
	if (!TargetSkeleton || !ReferenceSkeleton)
	{
		UE_LOG(LogTemp, Warning, TEXT("FZevoTposeCalculator: Invalid skeleton reference"));
		return Deltas;
	}
	const FReferenceSkeleton& Target = TargetSkeleton->GetReferenceSkeleton();
	const FComponentPose TargetPose(Target);
	const FComponentPose ReferencePose(ReferenceSkeleton->GetReferenceSkeleton());
	const TArray<FTransform>& Pose = Target.GetRefBonePose();

	struct FAnkle
	{
		FName Name;
		int32 Index;
		FQuat WorldRotation;
	};
	FAnkle Ankles[2];
	const EZevoBoneName AnkleBones[2] = {B::LeftAnkle, B::RightAnkle};
	for (int32 Side = 0; Side < 2; ++Side)
	{
		Ankles[Side].Name = FindMappedBoneName(AnkleBones[Side], BoneMapping);
		Ankles[Side].Index = Ankles[Side].Name.IsNone() ? INDEX_NONE : Target.FindBoneIndex(Ankles[Side].Name);
		Ankles[Side].WorldRotation = TargetPose.Rotation(Ankles[Side].Index);
	}

	// T-pose component rotations of the bones handled so far, by target bone index. The target
	// bone list puts parents before children, so each limb chains onto its straightened parent.
	// The feet keep their rest orientation in the world (below), which is known from the start:
	// the toes chain onto the foot as it will stand, not onto its rest rotation under a
	// straightened shin, which would tip them by as much as the leg was straightened.
	TMap<int32, FQuat> TPoseWorldRotations;
	for (const FAnkle& Ankle : Ankles)
	{
		if (Ankle.Index != INDEX_NONE)
		{
			TPoseWorldRotations.Add(Ankle.Index, Ankle.WorldRotation);
		}
	}
	StraightenLimbs(TargetPose, ReferencePose, BoneMapping, TPoseWorldRotations, Deltas);

	// The feet keep their rest-pose world orientation while the legs above them are straightened.
	for (const FAnkle& Ankle : Ankles)
	{
		if (Ankle.Name.IsNone())
		{
			continue;
		}
		const int32 ParentIndex = Ankle.Index == INDEX_NONE ? INDEX_NONE : Target.GetParentIndex(Ankle.Index);
		if (ParentIndex == INDEX_NONE)
		{
			Deltas.Add(Ankle.Name, FQuat::Identity);
			continue;
		}
		const FQuat* Known = TPoseWorldRotations.Find(ParentIndex);
		const FQuat ParentRotation = Known ? *Known : TargetPose.Rotation(ParentIndex);
		const FQuat LocalTPose = ParentRotation.Inverse() * Ankle.WorldRotation;
		Deltas.Add(Ankle.Name, LocalTPose * Pose[Ankle.Index].GetRotation().Inverse());
	}
	return Deltas;
}

float FZevoTposeCalculator::CalculateHipToFootBottomDistance(const USkeleton* Skeleton, const TArray<FZevoBoneMappingRow>& BoneMapping)
{
	if (!Skeleton)
	{
		return 0.f;
	}
	const FReferenceSkeleton& RefSkeleton = Skeleton->GetReferenceSkeleton();
	const auto IndexOf = [&](EZevoBoneName Bone) {
		const FName Name = FindMappedBoneName(Bone, BoneMapping);
		return Name.IsNone() ? INDEX_NONE : RefSkeleton.FindBoneIndex(Name);
	};
	const int32 HipsIndex = IndexOf(B::Hips);
	const int32 LeftAnkleIndex = IndexOf(B::LeftAnkle);
	const int32 RightAnkleIndex = IndexOf(B::RightAnkle);
	if (HipsIndex == INDEX_NONE)
	{
		UE_LOG(LogTemp, Warning, TEXT("[Zevo TposeCalc] Hip bone not found for height calculation"));
		return 0.f;
	}
	const float HipZ = static_cast<float>(CalculateWorldPosition(RefSkeleton, HipsIndex).Z);
	float LowestAnkleZ = HipZ;
	if (LeftAnkleIndex != INDEX_NONE)
	{
		LowestAnkleZ = FMath::Min(LowestAnkleZ, static_cast<float>(CalculateWorldPosition(RefSkeleton, LeftAnkleIndex).Z));
	}
	if (RightAnkleIndex != INDEX_NONE)
	{
		LowestAnkleZ = FMath::Min(LowestAnkleZ, static_cast<float>(CalculateWorldPosition(RefSkeleton, RightAnkleIndex).Z));
	}
	if (LeftAnkleIndex == INDEX_NONE && RightAnkleIndex == INDEX_NONE)
	{
		UE_LOG(LogTemp, Warning, TEXT("[Zevo TposeCalc] No ankle bones found for height calculation"));
		return 0.f;
	}
	const float Distance = HipZ - LowestAnkleZ;
	UE_LOG(LogTemp, Log, TEXT("[Zevo TposeCalc] Hip-to-Ankle distance: %.2f cm (Hip.Z=%.2f, Ankle.Z=%.2f)"), Distance, HipZ, LowestAnkleZ);
	return Distance;
}

FVector FZevoTposeCalculator::GetBoneUp(EZevoBoneName Bone, const FVector& Direction)
{
	const FVector Hint = GetUpHint(Bone);
	FVector Up = Hint - Direction * (Direction | Hint);
	if (Up.SizeSquared() < MinBoneLengthSquared)
	{
		Up = Direction ^ FVector(0.0, 1.0, 0.0);
	}
	if (Up.SizeSquared() < MinBoneLengthSquared)
	{
		Up = Direction ^ FVector(0.0, 0.0, 1.0);
	}
	return Up.GetSafeNormal();
}

FVector FZevoTposeCalculator::GetUpHint(EZevoBoneName Bone)
{
	switch (Bone)
	{
	case B::LeftHip:
	case B::LeftKnee:
	case B::RightHip:
	case B::RightKnee:
		return FVector(1.0, 0.0, 0.0);
	case B::LeftCollar:
	case B::RightCollar:
		return FVector(0.0, 0.0, 1.0);
	default:
		return FVector(0.0, 0.0, -1.0);
	}
}

EZevoBoneName FZevoTposeCalculator::GetParentBone(EZevoBoneName Bone)
{
	switch (Bone)
	{
	case B::LeftHip:
	case B::RightHip:
		return B::Hips;
	case B::LeftKnee: return B::LeftHip;
	case B::RightKnee: return B::RightHip;
	case B::LeftAnkle: return B::LeftKnee;
	case B::RightAnkle: return B::RightKnee;
	case B::LeftToe: return B::LeftAnkle;
	case B::RightToe: return B::RightAnkle;
	case B::LeftCollar:
	case B::RightCollar:
		return B::Chest2;
	case B::LeftShoulder: return B::LeftCollar;
	case B::RightShoulder: return B::RightCollar;
	case B::LeftElbow: return B::LeftShoulder;
	case B::RightElbow: return B::RightShoulder;
	case B::LeftWrist: return B::LeftElbow;
	case B::RightWrist: return B::RightElbow;
	default:
		break;
	}
	if (IsFingerBone(Bone))
	{
		return FingerSegment(Bone) == 0 ? (IsLeftSide(Bone) ? B::LeftWrist : B::RightWrist) : FromIndex(ToIndex(Bone) - 1);
	}
	return B::Count;
}

EZevoBoneName FZevoTposeCalculator::GetChildBone(EZevoBoneName Bone)
{
	switch (Bone)
	{
	case B::LeftHip: return B::LeftKnee;
	case B::RightHip: return B::RightKnee;
	case B::LeftKnee: return B::LeftAnkle;
	case B::RightKnee: return B::RightAnkle;
	case B::LeftCollar: return B::LeftShoulder;
	case B::RightCollar: return B::RightShoulder;
	case B::LeftShoulder: return B::LeftElbow;
	case B::RightShoulder: return B::RightElbow;
	case B::LeftElbow: return B::LeftWrist;
	case B::RightElbow: return B::RightWrist;
	case B::LeftWrist: return B::LeftFinger2;
	case B::RightWrist: return B::RightFinger2;
	default:
		break;
	}
	if (IsFingerBone(Bone) && FingerSegment(Bone) < 2)
	{
		return FromIndex(ToIndex(Bone) + 1);
	}
	return B::Count;
}

const TArray<EZevoBoneName>& FZevoTposeCalculator::GetTargetBones()
{
	static const TArray<EZevoBoneName> TargetBones = [] {
		TArray<EZevoBoneName> Bones{B::LeftHip, B::LeftKnee, B::LeftToe, B::RightHip, B::RightKnee, B::RightToe};
		for (int32 Value = ToIndex(B::LeftCollar); Value <= ToIndex(B::RightFinger42); ++Value)
		{
			Bones.Add(FromIndex(Value));
		}
		return Bones;
	}();
	return TargetBones;
}

const TArray<EZevoBoneName>& FZevoTposeCalculator::GetRollBones(EZevoBoneName Bone)
{
	// A hand's roll is the plane of its palm: the knuckles beside the middle one, which gives its
	// direction, the thumb last, as it sits farthest from that plane.
	static const TArray<EZevoBoneName> LeftHand{B::LeftFinger1, B::LeftFinger3, B::LeftFinger4, B::LeftFinger0};
	static const TArray<EZevoBoneName> RightHand{B::RightFinger1, B::RightFinger3, B::RightFinger4, B::RightFinger0};
	static const TArray<EZevoBoneName> None;
	return Bone == B::LeftWrist ? LeftHand : (Bone == B::RightWrist ? RightHand : None);
}

bool FZevoTposeCalculator::ShouldSkipTPoseCalculation(EZevoBoneName Bone)
{
	return Bone == B::LeftToe || Bone == B::RightToe;
}
