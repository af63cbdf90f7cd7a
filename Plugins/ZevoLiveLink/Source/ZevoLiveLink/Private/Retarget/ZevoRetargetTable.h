#pragma once
// FZevoRetargetTable: what the per-frame pose build needs from the mapping rows, the subject's
// skeleton, the target's reference skeleton and the T-pose deltas, compiled once: none of these
// changes from frame to frame, so a frame only reads the table and its own transforms. The remap
// asset rebuilds it whenever it forgets its T-pose deltas (an edit of a row, the target skeleton
// or the T-pose reference, an undo) and when a frame comes for another skeleton or subject.
// Threads: the asset builds, reads and drops it only while holding its one pose-cache lock, so an
// animation thread never sees a table that the editor thread is dropping.
#include "BoneContainer.h"

/** A stream bone that drives a bone of the target pose. */
struct FZevoRetargetBone
{
	/** Its index in the subject's skeleton and in each frame's transforms. */
	int32 StreamIndex = INDEX_NONE;
	FCompactPoseBoneIndex PoseIndex{INDEX_NONE};
	/** Its target's rest rotation straightened into the T-pose (B). */
	FQuat TPosedRotation = FQuat::Identity;
	/**
	 * The T-posed component rotation above it (W): a stream rotation, given in the component's
	 * axes, turns the bone in its parent's frame as W^-1 * S * W.
	 */
	FQuat ParentSide = FQuat::Identity;
	/** W is identity within 1e-8: the stream rotation applies as it is. */
	bool bParentSideIsIdentity = true;
	/**
	 * The target hangs it under another driven bone than the stream does (thighs under the spine,
	 * a chest beside the hips): its turn comes from the stream's chain, less what that bone's
	 * driver already turned (DrivenAncestorStreamIndex, INDEX_NONE for no driven bone above).
	 */
	bool bReparented = false;
	int32 DrivenAncestorStreamIndex = INDEX_NONE;
	/** A driven spine bone: it also takes its share of the spine segments the target lacks. */
	bool bTakesSpineShare = false;
	/** The hips (or the first stream bone): placed in the world and turned by the root rotation. */
	bool bRoot = false;
	/**
	 * Root only: the T-posed component transform of its parent, the frame its translation is
	 * written in. A parent that stands off the origin (a centre-of-mass bone at hip height) is
	 * taken off, or the body would stand that far above where the stream puts it.
	 */
	FTransform RootParentTransform = FTransform::Identity;
};

struct FZevoRetargetTable
{
	// What the table was compiled for.
	const USkeleton* Skeleton = nullptr;
	const FReferenceSkeleton* PoseSkeleton = nullptr;
	int32 PoseBoneCount = 0;
	TArray<FName> StreamBoneNames;
	TArray<int32> StreamBoneParents;

	/** The driving bones, in stream order. */
	TArray<FZevoRetargetBone> Bones;
	/** Stream indices of the spine segments (Chest, Chest1, Chest2) the target lacks, in that order. */
	TArray<int32> DroppedSpineBones;
	/** How many spine segments the target has: each takes 1/n of the dropped ones' rotation. */
	int32 DrivenSpineBoneCount = 0;
	/** Each stream bone's entry in Bones, INDEX_NONE where it drives nothing. */
	TArray<int32> EntryOfStreamBone;
	/** Whether any bone is reparented: only then does a frame chain the stream's turns. */
	bool bHasReparentedBones = false;
	/** The target's left leg on the pose's reference skeleton, through the rows (0 where unmapped). */
	float Thigh = 0.f;
	float Calf = 0.f;
	float HipToThigh = 0.f;

	/**
	 * Whether the table was compiled for this pose and this subject skeleton. The bone count is
	 * the pose's: a level of detail that requires other bones compiles the table again.
	 */
	bool IsFor(const FBoneContainer& BoneContainer, const TArray<FName>& BoneNames, const TArray<int32>& BoneParents) const
	{
		return Skeleton == BoneContainer.GetSkeletonAsset() && PoseSkeleton == &BoneContainer.GetReferenceSkeleton() &&
			   PoseBoneCount == BoneContainer.GetNumBones() && StreamBoneNames == BoneNames && StreamBoneParents == BoneParents;
	}
};
