#pragma once
// FLiveLinkRecorder: writes what reaches a Live Link client, and where the actors it moves stand,
// to a file, one JSON object per line, so that a run can be inspected or replayed by another tool. The lines, with "t" in seconds
// since the recorder was made and "source" the source GUID as 32 hex digits:
//   {"t":..,"event":"static","source":..,"subject":..,"role":"LiveLinkAnimationRole","bones":[..],"parents":[..],"properties":[..]}
//   {"t":..,"event":"frame","source":..,"subject":..,"transforms":[{"r":[x,y,z,w],"t":[x,y,z],"s":[x,y,z]},..],"properties":[..]}
//   {"t":..,"event":"remove","source":..,"subject":..}
//   {"t":..,"event":"actor","frame":N,"label":..,"transform":{"r":[x,y,z,w],"t":[x,y,z],"s":[x,y,z]}}
//   {"t":..,"event":"pose","subject":..,"asset":..,"bones":[..],"transforms":[{"r":..,"t":..,"s":..},..],"positions":[[x,y,z],..]}
// "role" is the role's class name; transform subjects have empty "bones" and "parents" and one
// entry in "transforms". An actor line is where an actor of the running world stood, in world
// space (centimetres, the engine's axes), after engine frame N. A pose is what an animation
// evaluation built from a subject with a retarget asset: the driven mesh's bones, their local
// transforms and their component-space positions; it names the subject as the evaluation asked
// for it, without a source. Numbers are written in their shortest form that reads back exactly
// (property values as the floats they are); a value that is not finite is written as null.
//
// Threads: the Record functions may be called from any thread and only queue the event (its data
// is shared, not copied) under PendingMutex, so a client can record while holding its own lock and
// a pushing thread never formats or writes. The recorder's own writer thread takes the queue once
// enough events have gathered or a second has passed, and formats and writes it under WriteMutex,
// which is always taken before PendingMutex: lines reach the file in the order they were recorded.
// The writer thread lives inside the recorder and is joined before the recorder goes.
#include "BonePose.h"
#include "LiveLinkTypes.h"
#include "Roles/LiveLinkRole.h"

#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

class FLiveLinkRecorder
{
public:
	/** Creates (or replaces) the file; when that fails, an Error names it and nothing is recorded. */
	explicit FLiveLinkRecorder(const FString& InFilename);
	/** Writes what is still queued. */
	~FLiveLinkRecorder();
	FLiveLinkRecorder(const FLiveLinkRecorder&) = delete;
	FLiveLinkRecorder& operator=(const FLiveLinkRecorder&) = delete;

	bool IsOpen() const { return File != nullptr; }
	const FString& GetFilename() const { return Filename; }

	void RecordStaticData(const FLiveLinkSubjectKey& SubjectKey, TSubclassOf<ULiveLinkRole> Role, const FLiveLinkStaticDataStruct& StaticData);
	void RecordFrameData(const FLiveLinkSubjectKey& SubjectKey, const FLiveLinkFrameDataStruct& FrameData);
	void RecordSubjectRemoved(const FLiveLinkSubjectKey& SubjectKey);
	void RecordActorTransform(int64 EngineFrame, const FString& ActorLabel, const FTransform& WorldTransform);
	/** Copies the pose's bones and local transforms and composes their component-space positions. */
	void RecordPose(FName SubjectName, const FString& AssetPath, const FCompactPose& Pose);

	/** Writes every queued event now. */
	void Flush();

private:
	enum class EEventKind : uint8
	{
		Static,
		Frame,
		Remove,
		Actor,
		Pose,
	};

	/** Where an actor of the world stood after an engine frame. */
	struct FActorPlacement
	{
		int64 EngineFrame = 0;
		FString Label;
		FTransform Transform;
	};

	struct FRecordedPose
	{
		FString Asset;
		TArray<FName> BoneNames;
		TArray<FTransform> Transforms;
		TArray<FVector> Positions;
	};

	struct FEvent
	{
		EEventKind Kind;
		double Time;
		FLiveLinkSubjectKey Key;
		TSubclassOf<ULiveLinkRole> Role;
		FLiveLinkStaticDataStruct StaticData;
		FLiveLinkFrameDataStruct FrameData;
		FActorPlacement Actor = {};
		std::shared_ptr<const FRecordedPose> Pose = nullptr;
	};

	void Queue(FEvent&& Event);
	void WriteUntilStopped();
	static std::string FormatLine(const FEvent& Event);

	FString Filename;
	double StartSeconds;

	std::mutex WriteMutex;
	std::FILE* File = nullptr;
	bool bReportedWriteError = false;

	std::mutex PendingMutex;
	std::condition_variable WorkAvailable;
	std::vector<FEvent> Pending;
	bool bStopping = false;

	std::thread Writer;
};
