#pragma once
// The prop message: one tracked object in one datagram. Address "/ZEVO/Stream/Motion/Unreal/Props",
// tags ",iisffffffffff": type, number, name, location XYZ, quaternion XYZW (X first, unlike the
// character blob), scale XYZ, all big-endian. The receiver names the subject "<name>_<number>".
#include "OscMessageWriter.h"

inline constexpr std::string_view ZevoPropAddress = "/ZEVO/Stream/Motion/Unreal/Props";

/** What a prop's type number asks the receiver to draw. */
enum class EZevoPropType : int32
{
	Cube = 0,
	Sphere = 1,
};

/** One prop at one instant, in the stream's conventions (metres, Y up). */
struct FZevoPropFrame
{
	int32 Type = 0;
	int32 Number = 0;
	FString Name;
	FVector Location;
	FQuat Rotation;
	/** The prop's size in metres along its own axes. */
	FVector Scale{1.0, 1.0, 1.0};
};

/** Writes Frame as one prop message; the bytes live in Writer until its next message. */
const TArray<uint8>& WriteZevoPropMessage(FOscMessageWriter& Writer, const FZevoPropFrame& Frame);
