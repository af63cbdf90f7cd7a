#pragma once
// A take: what one run of the editor saw, written by `zevo-editor run --record` (FTakeWriter) and
// read back by the replayer, `zevo-editor take` and the exporters (FTakeReader). This header is
// the one description of the format.
//
// One JSON object per line, in the order the events happened. "t" is in seconds since the writer
// was made and never falls from one line to the next; "source" is the source GUID as 32 hex digits.
//   {"t":..,"event":"static","source":..,"subject":..,"role":"LiveLinkAnimationRole","bones":[..],"parents":[..],"properties":[..]}
//   {"t":..,"event":"frame","source":..,"subject":..,"transforms":[{"r":[x,y,z,w],"t":[x,y,z],"s":[x,y,z]},..],"properties":[..]}
//   {"t":..,"event":"remove","source":..,"subject":..}
//   {"t":..,"event":"actor","frame":N,"label":..,"transform":{"r":[x,y,z,w],"t":[x,y,z],"s":[x,y,z]}}
//   {"t":..,"event":"pose","subject":..,"asset":..,"bones":[..],"transforms":[{"r":..,"t":..,"s":..},..],"positions":[[x,y,z],..]}
//   {"t":..,"event":"drops","source":..,"counts":{"queue full":N,"bad name":N,..}}
//
// static, frame, remove: what reached the Live Link client. "role" is the role's class name: an
//   animation subject (a character: the stream's 52 bones, their parents, seven property names) or
//   a transform subject (a prop: empty "bones" and "parents", one entry in each frame's
//   "transforms"). A frame holds one transform per bone and one value per property, local to the
//   bone's parent, in the stream's own units and axes (metres, Y up) as the client stored them.
//   A subject's static line comes before its frames, and again after each "remove".
// actor: where an actor of the running world stood, in world space (centimetres, the engine's
//   axes), after engine frame N.
// pose: what an animation evaluation built from a subject with a remap asset: the driven mesh's
//   bones, their local transforms and their component-space positions (engine units). It names the
//   subject as the evaluation asked for it, without a source.
// drops: what a stream source refused since it started (datagrams or frames, by reason, only the
//   reasons that are not zero), written when the counts have changed, at most once a second. Takes
//   written before this line kind existed have none.
//
// Numbers are written in their shortest form that reads back exactly (property values as the
// floats they are); a value that is not finite is written as null. Names are UTF-8, with what is
// not UTF-8 replaced. Readers pass over blank lines, and report lines of kinds they do not know.
#include "CoreMinimal.h"

namespace TakeFormat
{
	inline constexpr const char* AnimationRole = "LiveLinkAnimationRole";
	inline constexpr const char* TransformRole = "LiveLinkTransformRole";
}

enum class ETakeEvent : uint8
{
	Static,
	Frame,
	Remove,
	Actor,
	Pose,
	Drops,
};

enum class ETakeSubjectRole : uint8
{
	Animation,
	Transform,
};

/**
 * One line of a take, as the reader hands it out. Only the members of the line's kind are filled;
 * the reader reuses one event for every line, so a consumer copies what it keeps.
 */
struct FTakeEvent
{
	ETakeEvent Kind = ETakeEvent::Static;
	/** Where the line is in the file, counting from 1. */
	int64 Line = 0;
	double Time = 0.0;

	/** static, frame, remove: the subject's key. pose: only the subject's name. */
	FString Source;
	FString Subject;
	/** static, frame: the role the subject's static line announced. */
	ETakeSubjectRole Role = ETakeSubjectRole::Animation;

	/** static: bone names, parents and property names. pose: the mesh's bone names. */
	TArray<FString> BoneNames;
	TArray<int32> BoneParents;
	TArray<FString> PropertyNames;

	/** frame and pose: one transform per bone (a transform subject's frame: exactly one). */
	TArray<FTransform> Transforms;
	/** frame: one value per property. */
	TArray<float> PropertyValues;

	/** actor: the engine frame, the actor's label and where it stood. */
	int64 EngineFrame = 0;
	FString Label;
	FTransform ActorTransform;

	/** drops: the counts since the source started, by reason, in the order the line gives them. */
	TArray<TPair<FString, int64>> DropCounts;

	/** pose: the remap asset's path and each bone's component-space position. */
	FString Asset;
	TArray<FVector> Positions;
};
