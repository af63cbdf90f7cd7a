#pragma once
// ZevoLiveLinkSource: the Live Link source for one UDP endpoint of the motion stream. It owns a
// socket and a receiver thread; the thread copies each datagram and queues its decoding on the
// game thread, and once a second removes the subjects that have been silent for more than 5 s.
//
// A sender may be hostile, so the work and memory one source spends are bounded: datagrams from
// senders off the allow-list, and datagrams beyond what the game thread has waiting already, are
// dropped on the receiver thread; bad names, non-finite frames, names beyond the source's life
// budget and subjects beyond its live limit are dropped by the decoders. Every drop is counted by
// kind, logged once a second in one Warning line and readable by the editor
// (ZevoLiveLinkSourceDrops.h); the decoders' per-datagram lines go through a limiter.
#include "ILiveLinkClient.h"
#include "ILiveLinkSource.h"
#include "HAL/CriticalSection.h"
#include "HAL/Runnable.h"
#include "HAL/RunnableThread.h"
#include "HAL/ThreadSafeBool.h"
#include "Interfaces/IPv4/IPv4Endpoint.h"
#include "ZevoDropCounters.h"
#include "ZevoLogLimiter.h"
#include "ZevoReceivedData.h"
#include "ZevoSenderAllowList.h"
#include "ZevoSubjectNames.h"

#include <atomic>

class FSocket;
class ISocketSubsystem;
struct FZevoSourceGate;

class ZevoLiveLinkSource : public ILiveLinkSource, public FRunnable
{
public:
	/** Subjects one source keeps at once; a new one beyond them is dropped until the sweep frees room. */
	static constexpr int32 MaxLiveSubjects = 1024;
	/** What the game thread may have waiting from one source: far more than a second of any real stream. */
	static constexpr int32 MaxQueuedDatagrams = 4096;
	static constexpr int64 MaxQueuedBytes = 8 * 1024 * 1024;

	/** Opens the socket on the endpoint's port (any address) and starts the receiver thread. */
	explicit ZevoLiveLinkSource(const FIPv4Endpoint& InEndpoint);
	~ZevoLiveLinkSource() override;

	// ILiveLinkSource
	void ReceiveClient(ILiveLinkClient* InClient, FGuid InSourceGuid) override;
	bool IsSourceStillValid() const override;
	/** Stops the thread; forgets the saved connection unless the editor is exiting. */
	bool RequestSourceShutdown() override;
	FText GetSourceType() const override { return SourceType; }
	FText GetSourceMachineName() const override { return SourceMachineName; }
	FText GetSourceStatus() const override { return SourceStatus; }

	// FRunnable: the receiver thread.
	bool Init() override { return true; }
	uint32 Run() override;
	void Stop() override;
	void Exit() override {}

	/** Creates the receiver thread; called by the constructor only. */
	void Start();
	FString GetConnectionString() const { return Endpoint.ToString(); }
	FIPv4Endpoint GetEndpoint() const { return Endpoint; }

	// Game thread: one datagram, routed by its address to one of the two decoders.
	void ProcessReceivedData(const FZevoReceivedData& ReceivedData);
	/** Reads the OSC string at Offset and moves Offset past it (see FZevoOscReader::ReadString). */
	FString ParseString(const uint8* Data, int32& Offset, int32 DataSize) const;
	/** A character message, from just past its address: one animation frame for its actor. */
	void ProcessCharacterData(const uint8* Data, int32 DataSize, int32 Offset);
	/** A prop message, from just past its address: one transform frame for "<name>_<number>". */
	void ProcessPropData(const uint8* Data, int32 DataSize, int32 Offset);
	/** Pushes a character's skeleton (BoneCount is always 52). */
	void InitStaticData(int32 BoneCount, FName SubjectName);
	/** Pushes a prop's transform-role static data; the type does not enter it. */
	void InitPropStaticData(FName SubjectName, int32 PropType);

	// Receiver thread: removes the subjects silent for more than 5 seconds.
	void CleanupInactiveSubjects();
	/** The drops since the source started (any thread). */
	FZevoSourceDropCounts GetDropCounts() const { return Drops.Read(); }

private:
	enum class ESubjectKind
	{
		Character,
		Prop,
	};
	/**
	 * Refuses a bad name or a non-finite frame, and a new subject beyond the live limit or the
	 * name budget (each counted and logged through the limiter); otherwise announces the subject
	 * when new, stamps it and pushes its frame, all under SubjectsLock.
	 */
	void PublishFrame(ESubjectKind Kind, FAnsiStringView NameBytes, int32 PropType, FLiveLinkFrameDataStruct&& Frame);
	/** False after counting and logging why: a bad name, or a value that is not finite. */
	bool CheckFrame(FAnsiStringView NameBytes, const FLiveLinkFrameDataStruct& Frame);
	/** A subject not live: false after counting and logging why it may not become live. Under SubjectsLock. */
	bool AdmitNewSubject(FAnsiStringView NameBytes, bool bKnownName, FName& InOutName);
	/** Copies one datagram and queues its decoding on the game thread, unless too much waits there already. */
	void QueueReceivedData(const uint8* Bytes, int32 Count);
	/** Receiver thread, once a second: one Warning line for the drops, one for the log lines held back. */
	void ReportDrops();

	/** Written by ReceiveClient; read by the receiver thread for each datagram and by the sweep. */
	std::atomic<ILiveLinkClient*> Client{nullptr};
	/** Guarded by SubjectsLock (the sweep reads it on the receiver thread). */
	FGuid SourceGuid;
	FIPv4Endpoint Endpoint;
	FText SourceType;
	FText SourceMachineName;
	FText SourceStatus;
	FSocket* Socket = nullptr;
	ISocketSubsystem* SocketSubsystem = nullptr;
	FThreadSafeBool Stopping;
	FRunnableThread* Thread = nullptr;
	FString ThreadName;
	FTimespan WaitTime = FTimespan::FromMilliseconds(100);

	/**
	 * Guards InitializedSubjects, SubjectLastSeen and SourceGuid: the game-thread decoders and
	 * the receiver-thread sweep both change the tables, and each holds the lock across its client
	 * calls so that a sweep never removes a subject between its announcement and its frame.
	 */
	mutable FCriticalSection SubjectsLock;
	TSet<FName> InitializedSubjects;
	TMap<FName, FDateTime> SubjectLastSeen;

	/** Receiver thread only. */
	FDateTime LastCleanupTime;
	TArray<uint8> ReceiveBuffer;
	/** Read in the constructor, before the thread starts; read-only after. */
	FZevoSenderAllowList AllowList;

	/** Game thread only. */
	FZevoSubjectNames SubjectNames;
	/** Set by PublishFrame, whether it pushed or refused: a routed datagram that leaves it unset was malformed. */
	bool bDatagramSettled = false;

	/** Lock-free counters, added to by both threads. */
	FZevoDropCounters Drops;
	/** Holds its own lock: the decoders ask it, the receiver thread reports what it held back. */
	FZevoLogLimiter LogLimiter;

	const TArray<FString> StreamBoneNames;

	/** Queued tasks reach the source through this; the destructor closes it (see FZevoSourceGate). */
	TSharedPtr<FZevoSourceGate, ESPMode::ThreadSafe> Gate;
};
