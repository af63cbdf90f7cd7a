#pragma once
// Turns a recording written by `zevo-editor run --record` back into the datagrams that produced
// it, so that a captured session can be streamed again. A recording holds one JSON object per
// line; the lines that matter:
//   {"t":<s>,"event":"static","source":..,"subject":"Name","role":"LiveLinkAnimationRole"|"LiveLinkTransformRole",...}
//   {"t":<s>,"event":"frame","source":..,"subject":"Name","transforms":[{"r":[x,y,z,w],"t":[x,y,z],"s":[x,y,z]},..],"properties":[..]}
// A frame's kind comes from the role its subject's static line announced: an animation frame
// (52 transforms) becomes a character message, a transform frame a prop message (the subject
// "Name_Number" split at its last underscore, the type from the first property). Other events
// (subject removal and whatever later tools add) have nothing to send and are passed over.
#include "CoreMinimal.h"

/** One datagram of a recording, due Time seconds into it (the recording's own clock). */
struct FZevoReplayMessage
{
	double Time = 0.0;
	TArray<uint8> Datagram;
};

struct FZevoRecording
{
	TArray<FZevoReplayMessage> Messages;
	/** One line per malformed line of the recording, "line N: why"; those lines were skipped. */
	TArray<FString> Errors;
};

namespace ZevoRecordingReader
{
	/** Reads the recording at Path. False, with OutError saying why, when the file cannot be read. */
	bool LoadFile(const FString& Path, FZevoRecording& OutRecording, FString& OutError);
	/** Reads a recording held in memory (the lines of a file). */
	FZevoRecording Parse(const FString& Text);
}
