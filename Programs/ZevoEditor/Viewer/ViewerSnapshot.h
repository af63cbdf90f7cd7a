#pragma once
// FViewerSnapshot: takes the viewer's state on the game thread after each engine tick, from what the
// status table reads (the client's sources and subjects with their latest frames, the animated
// subjects' built poses, the world's actors), and hands it over as an immutable shared value.
// It keeps what the state derives from earlier ticks (rates, late frames) and builds what only
// changes with edits (a remap asset's mapping panel, a skeleton's preview mesh, a subject's bone
// offsets) once per object. Game thread only.
//
// The stream sends the hips' position and each bone's rotation relative to the T-pose, not bone
// lengths: the stream skeleton is drawn with the bone offsets of the plugin's T-pose reference
// skeleton, whose bones carry the stream's names.
#include "AnimatedSubjects.h"
#include "FrameRates.h"
#include "GameFramework/Actor.h"
#include "LiveLinkClient.h"
#include "ViewerState.h"

#include <optional>

class USkeleton;

class FViewerSnapshot
{
public:
	/** RunSeconds: since the editor started; EngineFrame: the frame just ticked. */
	std::shared_ptr<const FViewerState> Take(const FLiveLinkClient& Client, const TArray<AActor*>& Actors,
		const TArray<FAnimatedSubjectStatus>& Animated, double RunSeconds, int64 EngineFrame);

private:
	/** What the snapshot keeps per subject from tick to tick. */
	struct FSubjectHistory
	{
		FSubjectFrameTiming Timing;
		/** The static data RestOffsets were made for, held so that its address stays its own. */
		FLiveLinkStaticDataStruct Skeleton;
		/** Each bone's offset from its parent in the T-pose, stream units. */
		TArray<FVector> RestOffsets;
	};

	const TArray<FVector>& FindOrMakeRestOffsets(FSubjectHistory& History, const FLiveLinkSubjectFrameData& Frame);
	void TakeSubjects(const FLiveLinkClient& Client, double Now, FViewerState& State);
	void TakeTargets(const TArray<FAnimatedSubjectStatus>& Animated, double Now, FViewerState& State);
	std::shared_ptr<const FViewerMapping> FindOrMakeMapping(const UZevoRemapAssetBase& Asset);
	std::shared_ptr<const FViewerPreviewMesh> FindOrMakePreviewMesh(const USkeleton& Skeleton);

	TMap<FLiveLinkSubjectKey, FSubjectHistory> Subjects;
	/** Joint positions of the T-pose reference skeleton by bone name, stream units; made on first use. */
	std::optional<TMap<FName, FVector>> TPoseJoints;
	TArray<FRateWindow> PoseRates;
	TMap<const UZevoRemapAssetBase*, std::shared_ptr<const FViewerMapping>> Mappings;
	TMap<const USkeleton*, std::shared_ptr<const FViewerPreviewMesh>> PreviewMeshes;
};
