#pragma once
// The stream skeleton: the 52 bones every character subject carries, in the order of the
// transforms of each frame, with their parents, and the seven property names of a character.
#include "CoreMinimal.h"
#include "Roles/LiveLinkAnimationTypes.h"

#include <array>

inline constexpr int32 ZevoStreamBoneCount = 52;
inline constexpr int32 ZevoCharacterPropertyCount = 7;

/** Bone names in stream order (not the order of EZevoBoneName; the toes are "...Toes" here). */
inline constexpr std::array<const char*, ZevoStreamBoneCount> ZevoStreamBoneNames = {
	"Hips",
	"LeftHip", "LeftKnee", "LeftAnkle", "LeftToes",
	"RightHip", "RightKnee", "RightAnkle", "RightToes",
	"Chest", "Chest1", "Chest2",
	"LeftCollar", "LeftShoulder", "LeftElbow", "LeftWrist",
	"Neck", "Neck1",
	"RightCollar", "RightShoulder", "RightElbow", "RightWrist",
	"LeftFinger0", "LeftFinger01", "LeftFinger02",
	"LeftFinger1", "LeftFinger11", "LeftFinger12",
	"LeftFinger2", "LeftFinger21", "LeftFinger22",
	"LeftFinger3", "LeftFinger31", "LeftFinger32",
	"LeftFinger4", "LeftFinger41", "LeftFinger42",
	"RightFinger0", "RightFinger01", "RightFinger02",
	"RightFinger1", "RightFinger11", "RightFinger12",
	"RightFinger2", "RightFinger21", "RightFinger22",
	"RightFinger3", "RightFinger31", "RightFinger32",
	"RightFinger4", "RightFinger41", "RightFinger42",
};

/** Parent index of each stream bone; -1 for the hips. */
inline constexpr std::array<int32, ZevoStreamBoneCount> ZevoStreamBoneParents = {
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
inline constexpr std::array<const char*, ZevoCharacterPropertyCount> ZevoCharacterPropertyNames = {
	"UpperLegLength",
	"LowerLegLength",
	"HipToUpperLegLength",
	"PositionOffsetX",
	"PositionOffsetY",
	"PositionOffsetZ",
	"HeightOffset",
};

/** The one property name of a prop subject; its value is the prop's type number. */
inline constexpr const char* ZevoPropPropertyName = "PropType";

/** A character subject's whole static data: the 52 stream bones with their parents and the seven
 *  property names, as a pose evaluation receives it. */
FLiveLinkSkeletonStaticData MakeZevoCharacterStaticData();
