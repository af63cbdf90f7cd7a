#pragma once
// FViewerState: what the live viewer shows at one moment, taken on the game thread after an engine
// tick (FViewerSnapshot) and then only read, by any thread: the network thread serialises it
// (ViewerStateJson.h) for every page and for GET /api/state. It holds copies and shared immutable
// parts, never pointers into the client, the sources or the world, so it outlives all of them.
// Positions are in the engine's frame: centimetres, Z up.
#include "CoreMinimal.h"

#include <memory>
#include <string>
#include <vector>

/** One bone in component space: Parent indexes the same list, INDEX_NONE for a root. */
struct FViewerBone
{
	FName Name;
	int32 Parent = INDEX_NONE;
	FVector Position;
	FQuat Rotation;
};

struct FViewerSource
{
	FString Type;
	FString Machine;
	FString Status;
	/** What a stream source dropped since it started, e.g. "12 queue full"; empty for none. */
	FString Dropped;
};

/** A prop as drawn: a box of Size, or a sphere of diameter Size.Y, centred on its transform. */
struct FViewerShape
{
	bool bSphere = false;
	FVector Position;
	FQuat Rotation;
	FVector Size;
};

struct FViewerSubject
{
	FName Name;
	/** The machine text of its source. */
	FString Source;
	/** "Animation" or "Transform". */
	FString Role;
	double FramesPerSecond = 0.0;
	/** -1 until the subject has a frame. */
	double SecondsSinceLastFrame = -1.0;
	/** Frames the client refused because they did not fit the subject. */
	int64 Dropped = 0;
	/** Frames that came more than two frame intervals after the one before (FSubjectFrameTiming). */
	int64 Late = 0;
	/** An animation subject's stream skeleton as its latest frame poses it; empty for a prop. */
	std::vector<FViewerBone> Bones;
	/** A transform subject's prop; unset (bHasProp false) for a skeleton. */
	bool bHasProp = false;
	FViewerShape Prop;
};

/** One row of a remap asset's mapping table as its details panel shows it. */
struct FViewerMappingRow
{
	/** The array it sits in, by its display name ("Body & Spine", "Legs", "Arms", "Fingers"). */
	FString Category;
	FName SourceBone;
	FString DisplayName;
	/** NAME_None when unmapped. */
	FName TargetBone;
	bool bDuplicate = false;
	/** "Duplicate! This target bone is mapped from: ..." for a duplicate, empty otherwise. */
	FString DuplicateToolTip;
};

/** A remap asset's mapping panel: its rows, the two status texts and the statistics bar. */
struct FViewerMapping
{
	FString Asset;
	std::vector<FViewerMappingRow> Rows;
	FString DuplicateStatusText;
	FString MissingStatusText;
	int32 Mapped = 0;
	int32 Total = 0;
	int32 Percent = 0;
	/** All of the above as JSON, written once when the panel is made: every state carries it. */
	std::string Json;
};

/** A skeleton's preview mesh at rest: vertex positions and the bones' rest pose in component space. */
struct FViewerPreviewMesh
{
	std::vector<FVector> Vertices;
	std::vector<FViewerBone> RestBones;
	/** All of the above as JSON, written once when the mesh is taken. */
	std::string Json;
};

struct FViewerTarget
{
	FName Subject;
	FString Asset;
	FString Skeleton;
	double PosesPerSecond = 0.0;
	/** The latest built pose in component space; empty until one was built. */
	std::vector<FViewerBone> Bones;
	std::shared_ptr<const FViewerMapping> Mapping;
	/** Null when the skeleton has no preview mesh. */
	std::shared_ptr<const FViewerPreviewMesh> PreviewMesh;
};

struct FViewerActor
{
	FString Label;
	FVector Position;
	FQuat Rotation;
	/** The prop subject it follows, NAME_None when it follows none. */
	FName Follows;
	bool bReceiving = false;
	/** The cube or sphere meshes it draws. */
	std::vector<FViewerShape> Shapes;
};

struct FViewerState
{
	/** Seconds since the editor started, and the engine frame the state was taken after. */
	double RunSeconds = 0.0;
	int64 EngineFrame = 0;
	std::vector<FViewerSource> Sources;
	std::vector<FViewerSubject> Subjects;
	std::vector<FViewerTarget> Targets;
	std::vector<FViewerActor> Actors;
};
