#pragma once
// FZevoHierarchyWalk: composes a bone's component-space rotation or transform from its ancestors in
// a reference skeleton. The T-pose calculator walks the rest pose, the retarget table the rest pose
// straightened by the T-pose deltas; both stop at the first ancestor whose rotation they already
// know, so that a straightened parent carries its children.
#include "ReferenceSkeleton.h"

class FZevoHierarchyWalk
{
public:
	/** A bone's rest rotation turned by its T-pose delta (D * R); R alone without a delta, or with one within 1e-8 of identity. */
	static FQuat TPosedLocalRotation(const FReferenceSkeleton& Skeleton, int32 Bone, const TMap<FName, FQuat>& Deltas);

	/**
	 * The component rotation reached from Start upward: the walk ends at the first bone (Start
	 * included) whose Recorded(bone) gives a rotation, or past the root (identity); that rotation
	 * is then carried down through Local(bone) of every bone passed, from the top down. INDEX_NONE
	 * gives identity.
	 */
	template <typename FLocalRotation, typename FRecordedRotation>
	static FQuat ComponentRotation(const FReferenceSkeleton& Skeleton, int32 Start, FLocalRotation&& Local, FRecordedRotation&& Recorded)
	{
		// Built from the bottom up, so that no list of the bones passed is needed.
		FQuat Below = FQuat::Identity;
		for (int32 Bone = Start; Bone != INDEX_NONE; Bone = Skeleton.GetParentIndex(Bone))
		{
			if (const FQuat* Known = Recorded(Bone))
			{
				return *Known * Below;
			}
			Below = Local(Bone) * Below;
		}
		return Below;
	}

	/** ComponentRotation with nothing recorded: the product of Local from the root down to Bone. */
	template <typename FLocalRotation>
	static FQuat ComponentRotation(const FReferenceSkeleton& Skeleton, int32 Bone, FLocalRotation&& Local)
	{
		return ComponentRotation(Skeleton, Bone, Local, [](int32) -> const FQuat* { return nullptr; });
	}

	/**
	 * The component transform of Bone: Local(bone) of each bone composed with its parent's (local
	 * first, then the parent), from the root down. INDEX_NONE gives identity.
	 */
	template <typename FLocalTransform>
	static FTransform ComponentTransform(const FReferenceSkeleton& Skeleton, int32 Bone, FLocalTransform&& Local)
	{
		FTransform Component = FTransform::Identity;
		for (int32 Index = Bone; Index != INDEX_NONE; Index = Skeleton.GetParentIndex(Index))
		{
			Component = Component * Local(Index);
		}
		return Component;
	}

	/** ComponentTransform of the rest pose with each bone's rotation replaced by Local(bone). */
	template <typename FLocalRotation>
	static FTransform TPosedComponentTransform(const FReferenceSkeleton& Skeleton, int32 Bone, FLocalRotation&& Local)
	{
		const TArray<FTransform>& Rest = Skeleton.GetRefBonePose();
		return ComponentTransform(Skeleton, Bone, [&](int32 Index) { return FTransform(Local(Index), Rest[Index].GetTranslation(), Rest[Index].GetScale3D()); });
	}

	/** Every bone's T-posed local rotation (TPosedLocalRotation), by bone index. */
	static TArray<FQuat> TPosedLocalRotations(const FReferenceSkeleton& Skeleton, const TMap<FName, FQuat>& Deltas);
};
