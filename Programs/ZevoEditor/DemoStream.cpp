#include "DemoStream.h"

#include "ZevoLiveLinkSettings.h"

#include <chrono>
#include <cstdio>

std::unique_ptr<FDemoStream> FDemoStream::StartToSavedConnections(FString& OutError)
{
	UZevoLiveLinkSettings* Settings = UZevoLiveLinkSettings::Get();
	Settings->LoadConnectionsFromConfig();
	const TArray<FIPv4Endpoint> Endpoints = Settings->GetEnabledEndpoints();
	if (Endpoints.IsEmpty())
	{
		OutError = "the project has no enabled saved connection to stream to; add one with "
				   "`zevo-editor settings --project DIR add 127.0.0.1:7777`";
		return nullptr;
	}
	std::unique_ptr<FDemoStream> Stream(new FDemoStream());
	FString Targets;
	for (const FIPv4Endpoint& Endpoint : Endpoints)
	{
		Stream->Destinations.push_back(std::make_unique<FDestination>(Stream->Performance, Endpoint));
		if (!Stream->Destinations.back()->Socket.IsOpen())
		{
			OutError = Stream->Destinations.back()->Socket.GetError();
			return nullptr;
		}
		Targets += (Targets.IsEmpty() ? "" : ", ") + Endpoint.ToString();
	}
	if (!Settings->bAutoConnectOnStartup)
	{
		std::fprintf(stderr, "zevo-editor: auto-connect is off in the project's settings, so only a --source or "
							 "--add-source on %s receives the demo stream\n", *Targets);
	}
	std::printf("zevo-editor: streaming the built-in performance (%d actors, %d prop, %g Hz) to %s\n", NumActors, NumProps,
		FramesPerSecond, *Targets);
	std::fflush(stdout);
	FDemoStream* Raw = Stream.get();
	Stream->Thread = std::thread([Raw] { Raw->StreamUntilStopped(); });
	return Stream;
}

FDemoStream::~FDemoStream()
{
	if (Thread.joinable())
	{
		{
			std::lock_guard Lock(StopMutex);
			bStopping = true;
		}
		StopRequested.notify_one();
		Thread.join();
	}
	if (Failed > 0)
	{
		std::fprintf(stderr, "zevo-editor: the demo stream could not send %lld datagrams (last: %s)\n", static_cast<long long>(Failed),
			*LastError);
	}
}

void FDemoStream::StreamUntilStopped()
{
	using FClock = std::chrono::steady_clock;
	const FClock::time_point Start = FClock::now();
	std::unique_lock Lock(StopMutex);
	for (int64 Frame = 0;; ++Frame)
	{
		const double Time = double(Frame) / FramesPerSecond;
		const FClock::time_point Due = Start + std::chrono::duration_cast<FClock::duration>(std::chrono::duration<double>(Time));
		if (StopRequested.wait_until(Lock, Due, [this] { return bStopping; }))
		{
			return;
		}
		for (const std::unique_ptr<FDestination>& Destination : Destinations)
		{
			const int64 FailedNow = Destination->Sender.SendFrame(Time).Failed;
			if (FailedNow > 0)
			{
				Failed += FailedNow;
				LastError = Destination->Socket.GetError();
			}
		}
	}
}
