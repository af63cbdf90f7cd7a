#pragma once
// The per-frame pose build in steps over the retarget table: read the frame's calibration, scale
// and place the hips, share out the spine segments the target lacks, and turn each driven bone.
// Every step is a plain function of the table and the frame; the remap asset keeps the caches
// between frames and calls them in this order.
#include "ZevoRetargetTable.h"

/** The stream's leg lengths and offsets, read from a frame's property values, in centimetres. */
struct FZevoStreamCalibration
{
	float UpperLeg = 0.f;
	float LowerLeg = 0.f;
	float HipToUpperLeg = 0.f;
	/** As sent: the stream's axes and metres, converted like a position where it is applied. */
	FVector PositionOffset = FVector::ZeroVector;
	/** As sent: the stream already gives it in the engine's unit. */
	float HeightOffset = 0.f;

	/** A value that the frame does not carry counts as 0. */
	explicit FZevoStreamCalibration(const TArray<float>& Values);

	float LegLength() const { return UpperLeg + LowerLeg + HipToUpperLeg; }
	/** Whether any leg length is more than 0.01 cm away from the lengths a scale was measured on. */
	bool LegsDifferFrom(const float MeasuredLegLengths[3]) const;
};

class FZevoPoseBuildSteps
{
public:
	/**
	 * The hips' motion scaled to the target's legs: across the floor by the whole leg, upward by
	 * the thigh, or 1 across with bPreserveActorDistances. False, leaving OutScale, when the target
	 * or the stream has no thigh to measure.
	 */
	static bool CalculatePositionScale(const FZevoStreamCalibration& Stream, const FZevoRetargetTable& Table, bool bPreserveActorDistances, FVector& OutScale);

	/** The height to add to the hips so that, on this frame, the sole touches the ground. */
	static float MeasureHipCorrection(const FVector& ScaledHips, float AnkleToSoleDistance, float TargetHipHeight);

	/**
	 * The hips' translation in their parent's frame: the converted (and scaled) position raised by
	 * VerticalOffset and moved by the stream's offset, both in the component, where up is up.
	 */
	static FVector PlaceRoot(const FVector& Hips, float VerticalOffset, const FZevoStreamCalibration& Stream, const FZevoRetargetBone& Root);

	/**
	 * The rotation each of the target's spine bones takes for the segments it lacks: 1/n of their
	 * product (DroppedRotation) over its n spine bones. False when there is nothing to share.
	 */
	static bool CalculateSpineShare(const FQuat& DroppedRotation, int32 DroppedCount, int32 DrivenSpineBoneCount, FQuat& OutShare);

	/**
	 * Each stream bone's turn accumulated down the stream's hierarchy, by stream index: its
	 * parent's, then its own (Turns, by entry of the table, spine shares included). A stream bone
	 * that drives nothing passes its parent's on: its turn reaches the target nowhere, or through
	 * the spine shares. Only reparented bones read it.
	 */
	static void ChainStreamTurns(const FZevoRetargetTable& Table, const TArray<FQuat>& Turns, TArray<FQuat>& OutChain);

	/** A reparented bone's turn: the stream's chain at the bone, less the chain at its driven target ancestor's driver. */
	static FQuat ReparentedTurn(const FZevoRetargetBone& Bone, const TArray<FQuat>& Chain);

	/**
	 * The local rotation written for a driving bone: its turn (in the component's axes, spine
	 * share included) re-expressed in its parent's T-posed frame, after the bone's own T-posed
	 * rotation.
	 */
	static FQuat BoneRotation(const FZevoRetargetBone& Bone, const FQuat& Turn);
};
