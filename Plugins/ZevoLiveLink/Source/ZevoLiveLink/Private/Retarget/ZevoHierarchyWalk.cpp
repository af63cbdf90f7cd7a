#include "ZevoHierarchyWalk.h"

FQuat FZevoHierarchyWalk::TPosedLocalRotation(const FReferenceSkeleton& Skeleton, int32 Bone, const TMap<FName, FQuat>& Deltas)
{
	const FQuat& Rest = Skeleton.GetRefBonePose()[Bone].GetRotation();
	const FQuat* Delta = Deltas.Find(Skeleton.GetBoneName(Bone));
	return (Delta && !Delta->IsIdentity(1e-8)) ? *Delta * Rest : Rest;
}

TArray<FQuat> FZevoHierarchyWalk::TPosedLocalRotations(const FReferenceSkeleton& Skeleton, const TMap<FName, FQuat>& Deltas)
{
	TArray<FQuat> Rotations;
	Rotations.Reserve(Skeleton.GetNum());
	for (int32 Bone = 0; Bone < Skeleton.GetNum(); ++Bone)
	{
		Rotations.Add(TPosedLocalRotation(Skeleton, Bone, Deltas));
	}
	return Rotations;
}
