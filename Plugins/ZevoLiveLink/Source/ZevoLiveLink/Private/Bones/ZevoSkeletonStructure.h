#pragma once
// The structural reader: finds the body in the target tree. The hands and feet are found by
// their words and sides; the hub that carries both arms, and the bone where the legs and the
// spine meet, follow from where those chains join. The hips are the hips-named bone at that
// meeting (or just above it, or on the way down to the legs); Chest, Chest1 and Chest2 are the
// lowest three bones from there up to the hub, Neck the first bone above, Neck1 the head. Each
// limb is the chain from its root down to the hand (where the fingers branch) or foot: helpers
// inside it are skipped, leaf helpers beside it ignored, and a joint word means the place it
// takes in the chain: a "Shoulder" under a collar is the upper arm, a "Foot" under an ankle the
// ball of the foot.
#include "Bones/ZevoRigTree.h"
#include "Bones/ZevoRowReading.h"

enum class EZevoLimb : uint8
{
	Arm,
	Leg,
};

class FZevoSkeletonStructure
{
public:
	struct FHands
	{
		int32 Left = INDEX_NONE;
		int32 Right = INDEX_NONE;
	};

	/** Fills the body, leg and arm rows it can read; returns the hands whose fingers can be read. */
	static FHands ReadBody(const FZevoRigTree& Tree, FZevoRowReading& Out);

	/**
	 * The bone for each of the limb's four rows (collar, upper arm, forearm, hand; or thigh, shin,
	 * foot, toe), INDEX_NONE where the chain has none. Chain runs from the limb's root down; when
	 * bEndsAtHand its last bone is the hand.
	 */
	static TArray<int32> AssignLimbRows(const FZevoRigTree& Tree, const TArray<int32>& Chain, EZevoLimb Limb, bool bEndsAtHand);
};
