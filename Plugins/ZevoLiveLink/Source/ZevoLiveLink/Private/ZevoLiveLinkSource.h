#pragma once
// ZevoLiveLinkSource: the Live Link source for one UDP endpoint of the motion stream. It owns a
// socket and a receiver thread; the thread copies each datagram and queues its decoding on the
// game thread, and once a second removes the subjects that have been silent for more than 5 s.
#include "ILiveLinkClient.h"
#include "ILiveLinkSource.h"
#include "HAL/Runnable.h"
#include "Interfaces/IPv4/IPv4Endpoint.h"

class FSocket;
class ISocketSubsystem;

class ZevoLiveLinkSource : public ILiveLinkSource, public FRunnable
{
public:
	explicit ZevoLiveLinkSource(const FIPv4Endpoint& InEndpoint);
	~ZevoLiveLinkSource() override;

	// ILiveLinkSource
	void ReceiveClient(ILiveLinkClient* InClient, FGuid InSourceGuid) override;
	bool IsSourceStillValid() const override;
	bool RequestSourceShutdown() override;
	FText GetSourceType() const override { return SourceType; }
	FText GetSourceMachineName() const override { return SourceMachineName; }
	FText GetSourceStatus() const override { return SourceStatus; }

	// FRunnable
	bool Init() override { return true; }
	uint32 Run() override;
	void Stop() override;
	void Exit() override {}

	/** Creates the receiver thread; called by the constructor only. */
	void Start();
	FString GetConnectionString() const { return Endpoint.ToString(); }
	FIPv4Endpoint GetEndpoint() const { return Endpoint; }

	// Declared by the stream issues below: ProcessReceivedData, CleanupInactiveSubjects,
	// InitStaticData, InitPropStaticData, ProcessCharacterData, ProcessPropData, ParseString.
};
