#pragma once
// FLiveLinkClient: the host's Live Link client. It owns the sources it is given, keeps the static
// data and the latest frame of every subject in memory, and hands frames to readers by sharing
// them, never by copying.
//
// Threads: every member may be called from any thread. All the client's state (sources, subjects,
// the observer) is guarded by one lock, Mutex. Calls into a source (ReceiveClient,
// RequestSourceShutdown, its status texts) are made without holding it, because a source's own
// threads call back into the client (a receiver thread removes silent subjects).
#include "ILiveLinkClient.h"
#include "LiveLinkClientObserver.h"
#include "LiveLinkSubjectTable.h"

#include <mutex>

/** One subject as a status table shows it. */
struct FLiveLinkSubjectStatus
{
	FLiveLinkSubjectKey Key;
	TSubclassOf<ULiveLinkRole> Role;
	/** Frames accepted since the subject was (re)created; a reader derives frames per second. */
	int64 FramesReceived = 0;
	/** Frames refused since then because they did not fit the subject's static data. */
	int64 FramesDropped = 0;
};

class FLiveLinkClient : public ILiveLinkClient
{
public:
	FLiveLinkClient() = default;
	/** Shuts every source down first: their threads hold a pointer to this client. */
	~FLiveLinkClient() override;
	FLiveLinkClient(const FLiveLinkClient&) = delete;
	FLiveLinkClient& operator=(const FLiveLinkClient&) = delete;

	// Sources. A null source is refused with an all-zero GUID.
	FGuid AddSource(TSharedPtr<ILiveLinkSource> Source) override;
	/** Asks the source to shut down, forgets its subjects and releases it. A source that answers
	 *  "not yet" is kept aside and asked again by Tick. */
	void RemoveSource(FGuid SourceGuid) override;
	TArray<FGuid> GetSources() const override;
	FText GetSourceType(FGuid SourceGuid) const override;
	FText GetSourceMachineName(FGuid SourceGuid) const override;
	FText GetSourceStatus(FGuid SourceGuid) const override;
	/** Removes every source (the editor calls it when it exits). While the engine is exiting the
	 *  sources are asked all at once, each on a thread of its own, since each may wait for its own
	 *  thread to stop; otherwise one after another on this thread, as a user's removals would. */
	void Shutdown();
	/** Asks the sources that were not ready to shut down again; called once per engine frame. */
	void Tick();

	// Subjects (creation order kept; removal is cheap, see TLiveLinkSubjectTable). Pushes for a source the client does not hold are ignored, so a removed source's
	// late datagrams cannot bring its subjects back. Static data must match its role
	// (FLiveLinkSkeletonStaticData for animation, FLiveLinkTransformStaticData for transform);
	// a frame must match the subject's static data (one transform per bone, one value per
	// property) and is dropped otherwise, with one Warning per subject.
	void PushSubjectStaticData_AnyThread(const FLiveLinkSubjectKey& SubjectKey, TSubclassOf<ULiveLinkRole> Role,
		FLiveLinkStaticDataStruct&& StaticData) override;
	void PushSubjectFrameData_AnyThread(const FLiveLinkSubjectKey& SubjectKey, FLiveLinkFrameDataStruct&& FrameData) override;
	void RemoveSubject_AnyThread(const FLiveLinkSubjectKey& SubjectKey) override;

	// Readers.
	TArray<FLiveLinkSubjectKey> GetSubjects(bool bIncludeDisabledSubject, bool bIncludeVirtualSubject) const override;
	TSubclassOf<ULiveLinkRole> GetSubjectRole_AnyThread(const FLiveLinkSubjectKey& SubjectKey) const override;
	/** The first subject of that name (in creation order) whose role is Role or derives from it and
	 *  that has a frame. OutFrame shares the client's data: readers must not modify it. */
	bool EvaluateFrame_AnyThread(FName SubjectName, TSubclassOf<ULiveLinkRole> Role, FLiveLinkSubjectFrameData& OutFrame) override;
	/** The same for the one subject of that key, so that subjects of one name from two sources can
	 *  be told apart. The engine declares it on ILiveLinkClient; here only programs call it, so
	 *  only this client has it. */
	bool EvaluateFrameFromSource_AnyThread(const FLiveLinkSubjectKey& SubjectKey, TSubclassOf<ULiveLinkRole> Role,
		FLiveLinkSubjectFrameData& OutFrame) const;
	TArray<FLiveLinkSubjectStatus> GetSubjectStatuses() const;

	/** Every accepted push and removal from now on is also told to Observer (null: to no one).
	 *  Knowingly different from the engine, whose client has no observer: see ILiveLinkClientObserver. */
	void SetObserver(TSharedPtr<ILiveLinkClientObserver> Observer);

private:
	struct FSubject
	{
		TSubclassOf<ULiveLinkRole> Role;
		FLiveLinkStaticDataStruct StaticData;
		FLiveLinkFrameDataStruct LatestFrame;
		int64 FramesReceived = 0;
		int64 FramesDropped = 0;
		bool bWarnedMalformedFrame = false;
	};

	TSharedPtr<ILiveLinkSource> FindSource(FGuid SourceGuid) const;
	/** Asks every source at once to shut down; the ones that were not ready wait for Tick. */
	void ShutDownInParallel(TArray<TSharedPtr<ILiveLinkSource>> Removed);
	void RemoveSubjectsOfSource(FGuid SourceGuid);

	mutable std::mutex Mutex;
	TMap<FGuid, TSharedPtr<ILiveLinkSource>> Sources;
	TArray<TSharedPtr<ILiveLinkSource>> SourcesAwaitingShutdown;
	TLiveLinkSubjectTable<FSubject> Subjects;
	TSharedPtr<ILiveLinkClientObserver> Observer;
};
