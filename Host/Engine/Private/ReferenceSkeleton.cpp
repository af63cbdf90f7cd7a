#include "ReferenceSkeleton.h"

#include "UObject/ObjectMacros.h"

ZEVO_REFLECT_STRUCT(FMeshBoneInfo)
{
	ZEVO_PROPERTY(Name, UP::VisibleAnywhere);
	ZEVO_PROPERTY(ParentIndex, UP::VisibleAnywhere);
}

FName FReferenceSkeleton::GetBoneName(int32 BoneIndex) const
{
	return IsValidIndex(BoneIndex) ? RawRefBoneInfo[BoneIndex].Name : NAME_None;
}

int32 FReferenceSkeleton::GetParentIndex(int32 BoneIndex) const
{
	return IsValidIndex(BoneIndex) ? RawRefBoneInfo[BoneIndex].ParentIndex : INDEX_NONE;
}

int32 FReferenceSkeleton::FindBoneIndex(FName BoneName) const
{
	const int32* Found = RawNameToIndexMap.Find(BoneName);
	return Found ? *Found : INDEX_NONE;
}

FTransform FReferenceSkeleton::GetComponentSpaceTransform(int32 BoneIndex) const
{
	FTransform Result = FTransform::Identity;
	for (int32 Index = BoneIndex; IsValidIndex(Index); Index = RawRefBoneInfo[Index].ParentIndex)
	{
		Result = Result * RawRefBonePose[Index];
	}
	return Result;
}

void FReferenceSkeleton::Empty()
{
	RawRefBoneInfo.Empty();
	RawRefBonePose.Empty();
	RawNameToIndexMap.Empty();
}

bool FReferenceSkeletonModifier::Add(const FMeshBoneInfo& BoneInfo, const FTransform& BonePose)
{
	if (BoneInfo.Name.IsNone())
	{
		UE_LOG(LogTemp, Error, "Reference skeleton: a bone without a name cannot be added");
		return false;
	}
	if (RefSkeleton.FindBoneIndex(BoneInfo.Name) != INDEX_NONE)
	{
		UE_LOG(LogTemp, Error, "Reference skeleton: bone '%s' already exists", *BoneInfo.Name.ToString());
		return false;
	}
	if (BoneInfo.ParentIndex != INDEX_NONE && !RefSkeleton.IsValidIndex(BoneInfo.ParentIndex))
	{
		UE_LOG(LogTemp, Error, "Reference skeleton: bone '%s' has parent index %d, which is not an earlier bone",
			*BoneInfo.Name.ToString(), BoneInfo.ParentIndex);
		return false;
	}
	RefSkeleton.RawNameToIndexMap.Add(BoneInfo.Name, RefSkeleton.RawRefBoneInfo.Num());
	RefSkeleton.RawRefBoneInfo.Add(BoneInfo);
	RefSkeleton.RawRefBonePose.Add(BonePose);
	return true;
}
