#pragma once
// FTakeWriter: writes a take (the format is in TakeFormat.h) while the editor runs. It observes the
// Live Link client for static data, frames and removals, and the editor hands it where the actors
// stood and the poses it built.
//
// Threads: the observer notifications and the Record functions may be called from any thread and
// only queue the event (its data is shared, not copied) under PendingMutex, so the client can
// notify while holding its own lock and a pushing thread never formats or writes. The writer's own
// thread takes the queue once enough events have gathered or a second has passed, and formats and
// writes it under WriteMutex, which is always taken before PendingMutex: lines reach the file in
// the order they were recorded. The thread lives inside the writer and is joined by Finish.
//
// A take that cannot be written whole (the disk is full, the file was removed or replaced) is
// reported once, as an Error that says after which line and how many recorded seconds it stopped,
// and Finish then fails, so that the run can say the recording failed.
#include "BonePose.h"
#include "LiveLinkClientObserver.h"

#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

class FTakeWriter : public ILiveLinkClientObserver
{
public:
	/** Creates (or replaces) the file; when that fails, an Error names it and nothing is recorded. */
	explicit FTakeWriter(const FString& InFilename);
	/** Finishes the take if Finish was not called. */
	~FTakeWriter() override;
	FTakeWriter(const FTakeWriter&) = delete;
	FTakeWriter& operator=(const FTakeWriter&) = delete;

	bool IsOpen() const { return bCreated; }
	const FString& GetFilename() const { return Filename; }

	void OnStaticDataPushed(const FLiveLinkSubjectKey& SubjectKey, TSubclassOf<ULiveLinkRole> Role,
		const FLiveLinkStaticDataStruct& StaticData) override;
	void OnFrameDataPushed(const FLiveLinkSubjectKey& SubjectKey, const FLiveLinkFrameDataStruct& FrameData) override;
	void OnSubjectRemoved(const FLiveLinkSubjectKey& SubjectKey) override;
	void RecordActorTransform(int64 EngineFrame, const FString& ActorLabel, const FTransform& WorldTransform);
	/** Copies the pose's bones and local transforms and composes their component-space positions. */
	void RecordPose(FName SubjectName, const FString& AssetPath, const FCompactPose& Pose);
	/** What a source dropped since it started, by reason. */
	void RecordSourceDrops(const FGuid& Source, const TArray<TPair<FString, int64>>& Counts);

	/** Writes every queued event now. */
	void Flush();
	/** Stops the writer's thread, writes what is queued and closes the file (events recorded later
	 *  are dropped). False when the take is not whole; GetError then says where it stopped. */
	bool Finish();
	const FString& GetError() const { return Error; }

private:
	enum class EEventKind : uint8
	{
		Static,
		Frame,
		Remove,
		Actor,
		Pose,
		Drops,
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
		TArray<TPair<FString, int64>> Drops = {};
	};

	void Queue(FEvent&& Event);
	void WriteUntilStopped();
	/** Writes Text (Lines whole lines, the last stamped LastTime); on failure reports once why. Under WriteMutex. */
	void Write(const std::string& Text, int64 Lines, double LastTime);
	/** Reports the first failure as an Error naming where the take stops. Under WriteMutex. */
	void Fail(const FString& Why);
	/** Whether the file at Filename is still the one being written. */
	bool StillHasFile() const;
	static std::string FormatLine(const FEvent& Event);
	static std::string FormatDropsLine(const FEvent& Event);

	FString Filename;
	double StartSeconds;
	/** Set by the constructor only. */
	bool bCreated = false;

	std::mutex WriteMutex;
	std::FILE* File = nullptr;
	/** The file as it was created (device and inode), to notice it being removed or replaced. */
	uint64 FileDevice = 0;
	uint64 FileInode = 0;
	int64 LinesWritten = 0;
	double SecondsWritten = 0.0;
	/** Empty while the take is whole. */
	FString Error;

	std::mutex PendingMutex;
	std::condition_variable WorkAvailable;
	std::vector<FEvent> Pending;
	bool bStopping = false;

	std::thread Writer;
};
