#pragma once
// The character frame's transforms from the blob of a character message: 211 little-endian
// floats, the hips' position and then one W-first quaternion per stream bone. This is the hot
// loop of decoding, kept apart so that it can be measured on its own.
#include "CoreMinimal.h"

inline constexpr int32 ZevoCharacterBoneValueCount = 3 + 4 * 52;

/**
 * One local transform per stream bone: the hips with position and rotation, the others with
 * rotation only; values widened to double and otherwise used as sent. LittleEndianFloats points
 * at ZevoCharacterBoneValueCount * 4 bytes, of any alignment.
 */
TArray<FTransform> ZevoConvertCharacterBoneData(const uint8* LittleEndianFloats);
