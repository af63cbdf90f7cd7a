#pragma once
// The stream skeleton: the 52 bones every character subject carries, in the order of the
// transforms of each frame, with their parents, and the seven property names of a character.
#include "CoreMinimal.h"
#include "Roles/LiveLinkAnimationTypes.h"

inline constexpr int32 ZevoStreamBoneCount = 52;
inline constexpr int32 ZevoCharacterPropertyCount = 7;

/** Bone names in stream order (not the order of EZevoBoneName; the toes are "...Toes" here). */
inline constexpr const TCHAR* ZevoStreamBoneNames[ZevoStreamBoneCount] = {
	TEXT("Hips"),
	TEXT("LeftHip"), TEXT("LeftKnee"), TEXT("LeftAnkle"), TEXT("LeftToes"),
	TEXT("RightHip"), TEXT("RightKnee"), TEXT("RightAnkle"), TEXT("RightToes"),
	TEXT("Chest"), TEXT("Chest1"), TEXT("Chest2"),
	TEXT("LeftCollar"), TEXT("LeftShoulder"), TEXT("LeftElbow"), TEXT("LeftWrist"),
	TEXT("Neck"), TEXT("Neck1"),
	TEXT("RightCollar"), TEXT("RightShoulder"), TEXT("RightElbow"), TEXT("RightWrist"),
	TEXT("LeftFinger0"), TEXT("LeftFinger01"), TEXT("LeftFinger02"),
	TEXT("LeftFinger1"), TEXT("LeftFinger11"), TEXT("LeftFinger12"),
	TEXT("LeftFinger2"), TEXT("LeftFinger21"), TEXT("LeftFinger22"),
	TEXT("LeftFinger3"), TEXT("LeftFinger31"), TEXT("LeftFinger32"),
	TEXT("LeftFinger4"), TEXT("LeftFinger41"), TEXT("LeftFinger42"),
	TEXT("RightFinger0"), TEXT("RightFinger01"), TEXT("RightFinger02"),
	TEXT("RightFinger1"), TEXT("RightFinger11"), TEXT("RightFinger12"),
	TEXT("RightFinger2"), TEXT("RightFinger21"), TEXT("RightFinger22"),
	TEXT("RightFinger3"), TEXT("RightFinger31"), TEXT("RightFinger32"),
	TEXT("RightFinger4"), TEXT("RightFinger41"), TEXT("RightFinger42"),
};

/** Parent index of each stream bone; -1 for the hips. */
inline constexpr int32 ZevoStreamBoneParents[ZevoStreamBoneCount] = {
	-1,
	0, 1, 2, 3,
	0, 5, 6, 7,
	0, 9, 10,
	11, 12, 13, 14,
	11, 16,
	11, 18, 19, 20,
	15, 22, 23,
	15, 25, 26,
	15, 28, 29,
	15, 31, 32,
	15, 34, 35,
	21, 37, 38,
	21, 40, 41,
	21, 43, 44,
	21, 46, 47,
	21, 49, 50,
};

/** Names of a character's property values, in the order the stream sends them. */
inline constexpr const TCHAR* ZevoCharacterPropertyNames[ZevoCharacterPropertyCount] = {
	TEXT("UpperLegLength"),
	TEXT("LowerLegLength"),
	TEXT("HipToUpperLegLength"),
	TEXT("PositionOffsetX"),
	TEXT("PositionOffsetY"),
	TEXT("PositionOffsetZ"),
	TEXT("HeightOffset"),
};

/** The one property name of a prop subject; its value is the prop's type number. */
inline constexpr const TCHAR* ZevoPropPropertyName = TEXT("PropType");

/** A character subject's whole static data: the 52 stream bones with their parents and the seven
 *  property names, as a pose evaluation receives it. */
FLiveLinkSkeletonStaticData MakeZevoCharacterStaticData();
