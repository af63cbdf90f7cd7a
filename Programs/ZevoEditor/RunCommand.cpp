#include "RunCommand.h"

#include "AnimatedSubjects.h"
#include "Async/Async.h"
#include "DemoStream.h"
#include "EditorProject.h"
#include "EditorStartup.h"
#include "EditorWorld.h"
#include "EndpointArgument.h"
#include "EngineLoop.h"
#include "ExitCodes.h"
#include "LiveLinkClient.h"
#include "SourceDropsRecord.h"
#include "StatusTable.h"
#include "TakeWriter.h"
#include "ViewerServer.h"
#include "ViewerSnapshot.h"

#include <atomic>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace
{
// Set by SIGINT and SIGTERM; a lock-free atomic store is safe inside a signal handler.
std::atomic<bool> bExitSignalled{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void OnExitSignal(int)
{
	bExitSignalled.store(true);
}

void InstallExitSignals()
{
	struct sigaction Action = {};
	Action.sa_handler = OnExitSignal;
	sigemptyset(&Action.sa_mask);
	sigaction(SIGINT, &Action, nullptr);
	sigaction(SIGTERM, &Action, nullptr);
}

CLI::Validator PositiveSecondsValidator()
{
	return CLI::Validator(
		[](std::string& Text) -> std::string {
			char* End = nullptr;
			const double Seconds = std::strtod(Text.c_str(), &End);
			const bool bNumber = !Text.empty() && End == Text.c_str() + Text.size();
			return bNumber && Seconds > 0.0 && std::isfinite(Seconds) ? std::string() : "\"" + Text + "\" is not a number of seconds above 0";
		},
		"SECONDS");
}

void Print(const FString& Text)
{
	std::fputs(*Text, stdout);
	std::fflush(stdout);
}

/** Listens for the viewer's pages and says where to open it; null (with the reason printed) when
 *  the address cannot be listened on. */
std::unique_ptr<FViewerServer> StartViewer(const FIPv4Endpoint& Endpoint)
{
	FString Error;
	std::unique_ptr<FViewerServer> Server = FViewerServer::Start(Endpoint, Error);
	if (!Server)
	{
		std::fprintf(stderr, "zevo-editor: --view: %s\n", *Error);
		return nullptr;
	}
	const FIPv4Endpoint Listening = Server->GetEndpoint();
	if (!(Listening.Address == FIPv4Address::InternalLoopback))
	{
		UE_LOG(LogTemp, Warning, "Viewer: listening on %s: the page can be opened from that network, by anyone on it",
			*Listening.ToString());
	}
	Print(FString::Printf("Viewer: open http://%s/ in a browser\n", *Listening.ToString()));
	return Server;
}
}

FRunCommand::FRunCommand(CLI::App& App)
{
	Command = App.add_subcommand("run", "Run the editor: receive the motion stream until Ctrl-C or the end of --for");
	Command->add_option("--project", ProjectDir, "The project folder")->required()->check(CLI::ExistingDirectory);
	Command->add_option("--for", ForSeconds, "Exit after this many seconds")->check(PositiveSecondsValidator());
	Command->add_option("--source", Sources, "Listen for the stream on this endpoint (repeatable)")->check(IPv4EndpointValidator());
	Command->add_option("--add-source", AddedSources,
		"Add a source on this endpoint through the source panel, which also saves the connection (repeatable)")
		->check(IPv4EndpointValidator());
	Command->add_option("--record", RecordFile,
		"Write a take: every static data, frame, subject removal, built pose and actor placement, one JSON object per line "
		"(the run fails when the take cannot be written whole)");
	Command->add_option("--animate", Animations,
		"On every frame, build the pose of a mesh of the remap asset's target skeleton from the subject (repeatable)")
		->check(FAnimatedSubjects::ArgumentValidator());
	Command->add_option("--view", ViewEndpoint,
		"Serve the live viewer on this port of 127.0.0.1, or of the given address (0.0.0.0: every network of this "
		"machine); port 0 picks a free one")
		->check(ViewerEndpointValidator());
	Command->add_flag("--demo", bDemo,
		FString::Printf("Stream the built-in performance (%d actors, %d prop, %g Hz) to the project's enabled saved connections and "
						"animate its first actor with the project's %s",
			FDemoStream::NumActors, FDemoStream::NumProps, FDemoStream::FramesPerSecond, FDemoStream::RemapAsset)
			.ToStdString());
}

int FRunCommand::Execute()
{
	if (!OpenProject(ProjectDir))
	{
		return ExitFailure;
	}
	FGameThread::RegisterCurrentThread();
	InstallExitSignals();
	// First, so that an address in use ends the run before anything else starts.
	std::unique_ptr<FViewerServer> Viewer;
	if (!ViewEndpoint.empty() && !(Viewer = StartViewer(ParseViewerEndpointArgument(ViewEndpoint))))
	{
		return ExitUsageError;
	}

	FLiveLinkClient Client;
	FAnimatedSubjects Animated(Client);
	FString Error;
	for (const std::string& Argument : Animations)
	{
		if (!Animated.AddArgument(Argument, Error))
		{
			std::fprintf(stderr, "zevo-editor: %s\n", *Error);
			return ExitUsageError;
		}
	}
	std::unique_ptr<FDemoStream> Demo;
	if (bDemo)
	{
		Demo = FDemoStream::StartToSavedConnections(Error);
		if (!Demo || !Animated.Add(Demo->GetFirstActorName(), FDemoStream::RemapAsset, Error))
		{
			std::fprintf(stderr, "zevo-editor: --demo: %s\n", *Error);
			return ExitFailure;
		}
	}
	TSharedPtr<FTakeWriter> Take;
	if (!RecordFile.empty())
	{
		Take = MakeShared<FTakeWriter>(FString(RecordFile));
		if (!Take->IsOpen())
		{
			std::fprintf(stderr, "zevo-editor: cannot record to %s\n", RecordFile.c_str());
			return ExitFailure;
		}
		Client.SetObserver(Take);
		Animated.SetTakeWriter(Take);
	}
	FEditorStartup Editor(Client);
	if (!Editor.Start())
	{
		std::fprintf(stderr, "zevo-editor: cannot load the ZevoLiveLink module\n");
		return ExitFailure;
	}
	for (const std::string& Source : AddedSources)
	{
		Editor.AddSourceThroughPanel(ParseEndpointArgument(Source));
	}
	for (const std::string& Source : Sources)
	{
		Editor.AddSourceFromConnectionString(FString(Source));
	}
	FEditorWorld World(Take);
	World.BeginPlay();

	const double StartSeconds = FPlatformTime::Seconds();
	const auto RunSeconds = [StartSeconds] { return FPlatformTime::Seconds() - StartSeconds; };
	FStatusTable Status;
	FSourceDropsRecord DropsRecord;
	double NextStatusSeconds = 1.0;
	FViewerSnapshot Snapshot;
	FEngineLoop Loop;
	Loop.OnTick([&](double DeltaSeconds) {
		Client.Tick();
		Editor.Tick(DeltaSeconds);
		World.Tick(DeltaSeconds, Loop.GetFrameCount());
		Animated.Tick(DeltaSeconds);
		const double Now = RunSeconds();
		if (Viewer)
		{
			Viewer->Publish(Snapshot.Take(Client, World.GetActors(), Animated.GetStatuses(), Now, Loop.GetFrameCount()));
		}
		if (Now >= NextStatusSeconds)
		{
			Print(Status.Format(Client, World.GetActors(), Animated.GetStatuses(), Now));
			if (Take)
			{
				DropsRecord.Record(Client, *Take);
			}
			NextStatusSeconds = std::floor(Now) + 1.0;
		}
	});
	Loop.Run([&] { return bExitSignalled.load() || (ForSeconds > 0.0 && RunSeconds() >= ForSeconds); });

	Print(Status.Format(Client, World.GetActors(), Animated.GetStatuses(), RunSeconds()));
	if (Take)
	{
		DropsRecord.Record(Client, *Take);
	}
	World.EndPlay();
	Demo.reset();
	GIsRequestingExit = true;
	Client.Shutdown();
	// Datagrams still queued belong to stopped sources, which drop them.
	FGameThread::PumpTasks();
	const bool bTakeWhole = !Take || Take->Finish();
	Client.SetObserver(nullptr);
	Editor.ShutdownModules();
	// A take that stops short is a failed recording, even though the run itself went well.
	if (!bTakeWhole)
	{
		std::fprintf(stderr, "zevo-editor: %s\n", *Take->GetError());
		return ExitFailure;
	}
	return ExitSuccess;
}
