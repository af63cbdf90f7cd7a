#pragma once
// ZevoLiveLinkSource: the Live Link source for one UDP endpoint of the motion stream. It owns a
// socket and a receiver thread; the thread copies each datagram and queues its decoding on the
// game thread, and once a second removes the subjects that have been silent for more than 5 s.
#include "ILiveLinkClient.h"
#include "ILiveLinkSource.h"
#include "HAL/CriticalSection.h"
#include "HAL/Runnable.h"
#include "HAL/RunnableThread.h"
#include "HAL/ThreadSafeBool.h"
#include "Interfaces/IPv4/IPv4Endpoint.h"
#include "ZevoReceivedData.h"

#include <atomic>

class FSocket;
class ISocketSubsystem;
struct FZevoSourceGate;

class ZevoLiveLinkSource : public ILiveLinkSource, public FRunnable
{
public:
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

private:
	enum class ESubjectKind
	{
		Character,
		Prop,
	};
	/** Announces the subject when new, stamps it and pushes its frame, all under SubjectsLock. */
	void PublishFrame(ESubjectKind Kind, FName SubjectName, int32 PropType, FLiveLinkFrameDataStruct&& Frame);
	/** Copies one datagram and queues its decoding on the game thread. */
	void QueueReceivedData(const uint8* Bytes, int32 Count);

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

	const TArray<FString> StreamBoneNames;

	/** Queued tasks reach the source through this; the destructor closes it (see FZevoSourceGate). */
	TSharedPtr<FZevoSourceGate, ESPMode::ThreadSafe> Gate;
};
