#include "TakeLines.h"

namespace TakeLines
{
	// The stream skeleton as the receiver announces it; written out here rather than taken from the
	// plugin, so that the tests notice if the two ever part.
	FJson StreamBones()
	{
		return {"Hips", "LeftHip", "LeftKnee", "LeftAnkle", "LeftToes", "RightHip", "RightKnee", "RightAnkle", "RightToes",
			"Chest", "Chest1", "Chest2", "LeftCollar", "LeftShoulder", "LeftElbow", "LeftWrist", "Neck", "Neck1",
			"RightCollar", "RightShoulder", "RightElbow", "RightWrist", "LeftFinger0", "LeftFinger01", "LeftFinger02",
			"LeftFinger1", "LeftFinger11", "LeftFinger12", "LeftFinger2", "LeftFinger21", "LeftFinger22", "LeftFinger3",
			"LeftFinger31", "LeftFinger32", "LeftFinger4", "LeftFinger41", "LeftFinger42", "RightFinger0", "RightFinger01",
			"RightFinger02", "RightFinger1", "RightFinger11", "RightFinger12", "RightFinger2", "RightFinger21",
			"RightFinger22", "RightFinger3", "RightFinger31", "RightFinger32", "RightFinger4", "RightFinger41", "RightFinger42"};
	}

	FJson StreamParents()
	{
		return {-1, 0, 1, 2, 3, 0, 5, 6, 7, 0, 9, 10, 11, 12, 13, 14, 11, 16, 11, 18, 19, 20, 15, 22, 23, 15, 25, 26, 15, 28,
			29, 15, 31, 32, 15, 34, 35, 21, 37, 38, 21, 40, 41, 21, 43, 44, 21, 46, 47, 21, 49, 50};
	}

	FJson StreamProperties()
	{
		return {"UpperLegLength", "LowerLegLength", "HipToUpperLegLength", "PositionOffsetX", "PositionOffsetY",
			"PositionOffsetZ", "HeightOffset"};
	}
}
