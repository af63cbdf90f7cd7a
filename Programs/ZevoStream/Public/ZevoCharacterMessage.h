#pragma once
// The character message: one actor's whole pose in one datagram. Address
// "/ZEVO/Stream/Motion/Unreal/Local", tags ",sbfffffff": the actor name; a blob of 211
// little-endian floats (hips position XYZ, then 52 quaternions W first: the hips, then bones
// 1..51 in stream order); the seven calibration values as big-endian floats.
#include "OscMessageWriter.h"
#include "ZevoStreamBody.h"

inline constexpr std::string_view ZevoCharacterAddress = "/ZEVO/Stream/Motion/Unreal/Local";
inline constexpr int32 ZevoCharacterBlobFloats = 3 + 4 * ZevoStreamBody::BoneCount;

/** One actor at one instant, in the stream's conventions (metres, Y up, local T-pose-relative rotations). */
struct FZevoCharacterFrame
{
	FString ActorName;
	FVector HipsPosition;
	std::array<FQuat, ZevoStreamBody::BoneCount> Rotations;
	/** UpperLegLength, LowerLegLength, HipToUpperLegLength, PositionOffsetX/Y/Z, HeightOffset. */
	std::array<float, ZevoStreamBody::PropertyCount> Properties{};
};

/** Writes Frame as one character message; the bytes live in Writer until its next message. */
const TArray<uint8>& WriteZevoCharacterMessage(FOscMessageWriter& Writer, const FZevoCharacterFrame& Frame);
