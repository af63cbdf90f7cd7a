#pragma once
// The stream's fixed 52-bone body, in the order its character messages carry the rotations.
// Every rotation is local to the parent and relative to the T-pose: all identity is a person
// standing in T-pose. The stream's frame is metres, Y up; the body faces +Z with its left side
// towards -X (the receiver's conversion to the engine's Z-up frame relies on this handedness).
#include "CoreMinimal.h"

#include <array>

namespace ZevoStreamBody
{
	inline constexpr int32 BoneCount = 52;
	inline constexpr int32 PropertyCount = 7;

	/** Indices into a character frame's rotations, for the bones the performance drives by name. */
	enum EBone : int32
	{
		Hips = 0,
		LeftHip = 1, LeftKnee = 2, LeftAnkle = 3, LeftToes = 4,
		RightHip = 5, RightKnee = 6, RightAnkle = 7, RightToes = 8,
		Chest = 9, Chest1 = 10, Chest2 = 11,
		LeftCollar = 12, LeftShoulder = 13, LeftElbow = 14, LeftWrist = 15,
		Neck = 16, Neck1 = 17,
		RightCollar = 18, RightShoulder = 19, RightElbow = 20, RightWrist = 21,
		LeftFingersFirst = 22,  // five chains of three: thumb, index, middle, ring, pinky
		RightFingersFirst = 37,
	};

	inline constexpr std::array<const char*, BoneCount> BoneNames = {
		"Hips", "LeftHip", "LeftKnee", "LeftAnkle", "LeftToes", "RightHip", "RightKnee", "RightAnkle",
		"RightToes", "Chest", "Chest1", "Chest2", "LeftCollar", "LeftShoulder", "LeftElbow", "LeftWrist",
		"Neck", "Neck1", "RightCollar", "RightShoulder", "RightElbow", "RightWrist",
		"LeftFinger0", "LeftFinger01", "LeftFinger02", "LeftFinger1", "LeftFinger11", "LeftFinger12",
		"LeftFinger2", "LeftFinger21", "LeftFinger22", "LeftFinger3", "LeftFinger31", "LeftFinger32",
		"LeftFinger4", "LeftFinger41", "LeftFinger42",
		"RightFinger0", "RightFinger01", "RightFinger02", "RightFinger1", "RightFinger11", "RightFinger12",
		"RightFinger2", "RightFinger21", "RightFinger22", "RightFinger3", "RightFinger31", "RightFinger32",
		"RightFinger4", "RightFinger41", "RightFinger42"};

	inline constexpr std::array<int32, BoneCount> BoneParents = {
		-1, 0, 1, 2, 3, 0, 5, 6, 7, 0, 9, 10, 11, 12, 13, 14, 11, 16, 11, 18, 19, 20,
		15, 22, 23, 15, 25, 26, 15, 28, 29, 15, 31, 32, 15, 34, 35,
		21, 37, 38, 21, 40, 41, 21, 43, 44, 21, 46, 47, 21, 49, 50};

	/** The seven calibration values every character message ends with, in message order (metres). */
	inline constexpr std::array<const char*, PropertyCount> PropertyNames = {
		"UpperLegLength", "LowerLegLength", "HipToUpperLegLength",
		"PositionOffsetX", "PositionOffsetY", "PositionOffsetZ", "HeightOffset"};
}
