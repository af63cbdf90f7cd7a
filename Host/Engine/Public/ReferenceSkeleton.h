#pragma once
// FReferenceSkeleton: the bones of a skeleton (name and parent) and their reference pose, one
// local transform per bone relative to its parent, in centimetres with Z up. Parents always come
// before their children, so a walk in index order visits every parent first.
// Knowingly different from the engine: there are no virtual bones, so the final arrays
// (GetRefBoneInfo, GetRefBonePose, GetNum) are the raw ones.
#include "CoreMinimal.h"
#include "UObject/Object.h"

class USkeleton;

struct FMeshBoneInfo
{
	FName Name;
	/** The parent's bone index; INDEX_NONE for the root. */
	int32 ParentIndex = INDEX_NONE;

	FMeshBoneInfo() = default;
	FMeshBoneInfo(FName InName, int32 InParentIndex) : Name(InName), ParentIndex(InParentIndex) {}
	bool operator==(const FMeshBoneInfo& Other) const { return Name == Other.Name && ParentIndex == Other.ParentIndex; }
};
ZEVO_DECLARE_STRUCT(FMeshBoneInfo)

class FReferenceSkeleton
{
public:
	int32 GetRawBoneNum() const { return RawRefBoneInfo.Num(); }
	int32 GetNum() const { return GetRawBoneNum(); }
	bool IsValidIndex(int32 BoneIndex) const { return RawRefBoneInfo.IsValidIndex(BoneIndex); }

	const TArray<FMeshBoneInfo>& GetRawRefBoneInfo() const { return RawRefBoneInfo; }
	const TArray<FMeshBoneInfo>& GetRefBoneInfo() const { return RawRefBoneInfo; }
	const TArray<FTransform>& GetRawRefBonePose() const { return RawRefBonePose; }
	const TArray<FTransform>& GetRefBonePose() const { return RawRefBonePose; }

	/** NAME_None for an index out of range. */
	FName GetBoneName(int32 BoneIndex) const;
	/** INDEX_NONE for the root and for an index out of range. */
	int32 GetParentIndex(int32 BoneIndex) const;
	/** Case-insensitive, as names compare; INDEX_NONE when the skeleton has no such bone. */
	int32 FindBoneIndex(FName BoneName) const;
	int32 FindRawBoneIndex(FName BoneName) const { return FindBoneIndex(BoneName); }

	/** Component-space transform of a bone in the reference pose (identity for a bad index). */
	FTransform GetComponentSpaceTransform(int32 BoneIndex) const;

	void Empty();

private:
	friend class FReferenceSkeletonModifier;
	// A skeleton asset saves these arrays as they are.
	friend void ZevoDeclareReflection(ZevoReflection::TTypeBuilder<USkeleton>& Builder);

	TArray<FMeshBoneInfo> RawRefBoneInfo;
	TArray<FTransform> RawRefBonePose;
	TMap<FName, int32> RawNameToIndexMap;
};

/** The one way to add bones to a reference skeleton, as in the engine. */
class FReferenceSkeletonModifier
{
public:
	explicit FReferenceSkeletonModifier(FReferenceSkeleton& InRefSkeleton) : RefSkeleton(InRefSkeleton) {}

	/**
	 * Appends a bone. Knowingly different from the engine, which asserts: a bone whose name is
	 * none or already taken, or whose parent is not an earlier bone (or INDEX_NONE), is refused
	 * with an Error log line and false, and the skeleton stays as it was.
	 */
	bool Add(const FMeshBoneInfo& BoneInfo, const FTransform& BonePose);

private:
	FReferenceSkeleton& RefSkeleton;
};
