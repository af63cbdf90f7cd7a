#pragma once
// FDemoStream: what `zevo-editor run --demo` plays instead of a capture server. A thread of its
// own sends the built-in performance (two actors and a prop at 60 Hz) to the project's enabled
// saved connections, which the editor's auto-connect opens as sources a second after start-up, so
// the stream reaches the editor over the network exactly as a real one would. Frame k is due k/60
// seconds after the start however long the frames before it took, so the rate holds over a long
// run. The thread is stopped and joined when the stream is destroyed; until then only that thread
// touches the senders.
#include "CoreMinimal.h"
#include "Interfaces/IPv4/IPv4Endpoint.h"
#include "ZevoPerformanceSender.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class FDemoStream
{
public:
	static constexpr int32 NumActors = 2;
	static constexpr int32 NumProps = 1;
	static constexpr double FramesPerSecond = 60.0;
	/** The project asset that the demo animates its first actor with. */
	static constexpr const char* RemapAsset = "/Game/Characters/Mannequin_Remap";

	/** Streams to the enabled connections of the project's saved settings; null with OutError
	 *  when there is none or no socket could be opened. */
	static std::unique_ptr<FDemoStream> StartToSavedConnections(FString& OutError);

	/** Stops the thread and reports datagrams that could not be sent. */
	~FDemoStream();
	FDemoStream(const FDemoStream&) = delete;
	FDemoStream& operator=(const FDemoStream&) = delete;

	/** The Live Link subject name of the performance's first actor. */
	FName GetFirstActorName() const { return FName(*Performance.GetActor(0).Name); }

private:
	struct FDestination
	{
		FDestination(const FZevoSyntheticPerformance& Performance, const FIPv4Endpoint& Endpoint)
			: Socket(Endpoint), Sender(Performance, Socket)
		{
		}
		FZevoUdpSender Socket;
		FZevoPerformanceSender Sender;
	};

	FDemoStream() : Performance(NumActors, NumProps) {}
	void StreamUntilStopped();

	FZevoSyntheticPerformance Performance;
	std::vector<std::unique_ptr<FDestination>> Destinations;
	int64 Failed = 0;
	FString LastError;

	std::mutex StopMutex;
	std::condition_variable StopRequested;
	bool bStopping = false;
	std::thread Thread;
};
