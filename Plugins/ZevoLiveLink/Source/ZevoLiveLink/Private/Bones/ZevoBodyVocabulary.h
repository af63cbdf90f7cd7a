#pragma once
// The body vocabulary that bone names are read against: what each word says about a bone.
#include "CoreMinimal.h"

/** What one word of a bone name says about the bone. */
enum class EZevoBodyWord : uint8
{
	Unknown,
	Hips,
	/** A torso segment: spine, chest, abdomen, waist, a vertebra code. */
	Spine,
	Neck,
	Head,
	Collar,
	/** The shoulder joint: the upper arm in joint-named rigs, the collar in others. */
	Shoulder,
	UpperArm,
	/** The elbow joint, that is the bone that starts there: the forearm. */
	Elbow,
	ForeArm,
	/** The wrist joint: the hand. */
	Wrist,
	Hand,
	/** The hip joint of one side (the thigh); on the centre line the hips. */
	Hip,
	Thigh,
	/** A bare "leg": the lower leg in most rigs, the whole leg (thigh) in some. */
	Leg,
	Knee,
	Shin,
	Ankle,
	Foot,
	Toe,
	Thumb,
	Index,
	Middle,
	Ring,
	Pinky,
	/** A finger that the name does not tell by word ("Finger2", "finger3-1"). */
	Finger,
	/** A palm bone between the hand and a finger: metacarpal, carpal, palm, "in hand", "finger base". */
	Metacarpal,
	/** A phalanx code or word (proximal, distal, "PP"): known, but the segment comes from the chain. */
	Phalanx,
	/** A bone inside a limb that no row takes: metatarsals, a hip joint between pelvis and thigh. */
	Passage,
	/** Twist, roll, share, IK, control, corrective and the like: never a target. */
	Helper,
	/** End, tip, nub: the end point of a chain, never a target. */
	Tip,
	Left,
	Right,
	Centre,
};

/** The vocabulary as lookup tables, built once from ZevoBodyVocabularyTable.cpp on first use. */
class FZevoBodyVocabulary
{
public:
	/** Every word with its meaning: Latin words lower case, words of other scripts as written. */
	static const TMap<FString, EZevoBodyWord>& GetWords();
	/** The words of other scripts, longest first, for matching inside a run of that script. */
	static const TArray<FString>& GetNonLatinWords();
	/** The full-width digits 0 to 9, in order. */
	static const TArray<FString>& GetFullWidthDigits();
};
