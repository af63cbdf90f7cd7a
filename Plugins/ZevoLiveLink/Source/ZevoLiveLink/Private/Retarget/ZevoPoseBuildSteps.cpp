#include "ZevoPoseBuildSteps.h"

#include "ZevoStreamConventions.h"

FZevoStreamCalibration::FZevoStreamCalibration(const TArray<float>& Values)
{
	if (Values.Num() > 2)
	{
		UpperLeg = FZevoStreamConventions::LengthToEngine(Values[0]);
		LowerLeg = FZevoStreamConventions::LengthToEngine(Values[1]);
		HipToUpperLeg = FZevoStreamConventions::LengthToEngine(Values[2]);
	}
	if (Values.Num() > 5)
	{
		PositionOffset = FVector(Values[3], Values[4], Values[5]);
	}
	if (Values.Num() > 6)
	{
		HeightOffset = Values[6];
	}
}

bool FZevoStreamCalibration::LegsDifferFrom(const float MeasuredLegLengths[3]) const
{
	return FMath::Abs(UpperLeg - MeasuredLegLengths[0]) > 0.01f || FMath::Abs(LowerLeg - MeasuredLegLengths[1]) > 0.01f ||
		   FMath::Abs(HipToUpperLeg - MeasuredLegLengths[2]) > 0.01f;
}

bool FZevoPoseBuildSteps::CalculatePositionScale(
	const FZevoStreamCalibration& Stream, const FZevoRetargetTable& Table, bool bPreserveActorDistances, FVector& OutScale)
{
	const float TargetLeg = Table.Thigh + Table.HipToThigh + Table.Calf;
	// A stream without a thigh length cannot scale the height; the last good scale is kept.
	if (TargetLeg <= 0.01f || Table.Thigh <= 0.01f || Stream.UpperLeg <= 0.01f)
	{
		return false;
	}
	const double Across = bPreserveActorDistances ? 1.0 : TargetLeg / Stream.LegLength();
	OutScale = FVector(Across, Across, Table.Thigh * (1.0f / Stream.UpperLeg));
	return true;
}

float FZevoPoseBuildSteps::MeasureHipCorrection(const FVector& ScaledHips, float AnkleToSoleDistance, float TargetHipHeight)
{
	return static_cast<float>(AnkleToSoleDistance - (ScaledHips.Z - TargetHipHeight));
}

FVector FZevoPoseBuildSteps::PlaceRoot(const FVector& Hips, float VerticalOffset, const FZevoStreamCalibration& Stream, const FZevoRetargetBone& Root)
{
	FVector Position = Hips;
	Position.Z += VerticalOffset;
	// The stream's offset converts like a position, and is not scaled to the target.
	Position += FZevoStreamConventions::PositionToEngine(Stream.PositionOffset);
	// The stream places the hips in the component, Z up; the pose holds them in their parent's frame.
	return Root.RootParentTransform.InverseTransformPosition(Position);
}

bool FZevoPoseBuildSteps::CalculateSpineShare(const FQuat& DroppedRotation, int32 DroppedCount, int32 DrivenSpineBoneCount, FQuat& OutShare)
{
	if (DroppedCount == 0 || DrivenSpineBoneCount == 0)
	{
		return false;
	}
	OutShare = FQuat::Slerp_NotNormalized(FQuat::Identity, DroppedRotation, 1.0 / DrivenSpineBoneCount);
	OutShare.Normalize(1e-8);
	return true;
}

void FZevoPoseBuildSteps::ChainStreamTurns(const FZevoRetargetTable& Table, const TArray<FQuat>& Turns, TArray<FQuat>& OutChain)
{
	const int32 StreamCount = Table.EntryOfStreamBone.Num();
	OutChain.SetNum(StreamCount);
	for (int32 Bone = 0; Bone < StreamCount; ++Bone)
	{
		const int32 Parent = Table.StreamBoneParents.IsValidIndex(Bone) ? Table.StreamBoneParents[Bone] : INDEX_NONE;
		// The stream lists parents first; anything else starts a chain of its own.
		const FQuat Above = Parent >= 0 && Parent < Bone ? OutChain[Parent] : FQuat::Identity;
		const int32 Entry = Table.EntryOfStreamBone[Bone];
		OutChain[Bone] = Entry == INDEX_NONE ? Above : Above * Turns[Entry];
	}
}

FQuat FZevoPoseBuildSteps::ReparentedTurn(const FZevoRetargetBone& Bone, const TArray<FQuat>& Chain)
{
	const FQuat& Own = Chain[Bone.StreamIndex];
	return Bone.DrivenAncestorStreamIndex == INDEX_NONE ? Own : Chain[Bone.DrivenAncestorStreamIndex].Inverse() * Own;
}

FQuat FZevoPoseBuildSteps::BoneRotation(const FZevoRetargetBone& Bone, const FQuat& Turn)
{
	// The stream turns a bone away from its T-pose in the stream's axes, which are the axes of the
	// component while the body stands in T-pose. Re-expressed in the parent's T-posed frame, the
	// turn applies after the bone's own T-posed rotation: applied before it, it would turn about
	// the bone's rest axes, which differ from rig to rig.
	const FQuat Local = Bone.bParentSideIsIdentity ? Turn : Bone.ParentSide.Inverse() * Turn * Bone.ParentSide;
	return Local * Bone.TPosedRotation;
}
