#pragma once
// FAnimatedSubjects: the meshes that `zevo-editor run --animate SUBJECT=ASSET` drives. Each one
// stands for a mesh of the remap asset's target skeleton under a Live Link pose node: on every
// engine tick the subject's latest frame is evaluated in the animation role, the pose starts from
// the mesh's reference pose and the asset builds it from the frame, as the engine's animation
// evaluation would (FRetargetedMesh). Every built pose can also go to the take. Game thread only.
#include "CoreMinimal.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <string>
#include <vector>

class FCompactPose;
class FTakeWriter;
class ILiveLinkClient;
class UZevoRemapAssetBase;

/** One animated subject as the status table and the viewer show it. */
struct FAnimatedSubjectStatus
{
	FName Subject;
	FString Asset;
	/** Poses built since the run began; a reader derives poses per second. */
	int64 PosesBuilt = 0;
	const UZevoRemapAssetBase* RemapAsset = nullptr;
	/** The latest built pose (local transforms), null until the first one; valid until the next Tick. */
	const FCompactPose* Pose = nullptr;
};

class FAnimatedSubjects
{
public:
	/** Checks the SUBJECT=ASSET form while the command line is parsed, so that a bad one is a usage error. */
	static CLI::Validator ArgumentValidator();

	explicit FAnimatedSubjects(ILiveLinkClient& InClient);
	~FAnimatedSubjects();

	/** Drives a mesh of the asset's target skeleton from the subject; false with OutError when the
	 *  asset cannot be loaded or has no target skeleton. */
	bool Add(FName Subject, const std::string& AssetText, FString& OutError);
	/** Add for a SUBJECT=ASSET argument that passed the validator; OutError names the argument. */
	bool AddArgument(const std::string& Argument, FString& OutError);
	/** Every pose built from now on is also written to Take (null: to none). */
	void SetTakeWriter(TSharedPtr<FTakeWriter> InTake) { Take = MoveTemp(InTake); }

	/** One engine frame: builds the pose of every mesh whose subject has a frame. */
	void Tick(double DeltaSeconds);

	TArray<FAnimatedSubjectStatus> GetStatuses() const;

private:
	struct FAnimatedMesh;

	ILiveLinkClient& Client;
	TSharedPtr<FTakeWriter> Take;
	std::vector<std::unique_ptr<FAnimatedMesh>> Meshes;
};
