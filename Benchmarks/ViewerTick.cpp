// What the live viewer adds to each engine tick: taking the state after the tick (client subjects
// with their frames, the built pose, the world's actors) and handing it to the network thread, with
// 0, 1 and 4 pages reading the feed meanwhile. Each iteration is one whole tick of the editor's
// work at 60 Hz, paced like the engine loop: two streamed actors and a prop pushed to the client,
// the Demo level ticked (its actor follows the prop and draws it), the Demo's Mannequin posed from
// the first actor, then (viewer on) the snapshot and its hand-off. Only the tick's own work is
// timed; the pacing sleep is not. viewer:-1 is the viewer off.
#include "BonePose.h"
#include "Engine/World.h"
#include "Features/IModularFeatures.h"
#include "LevelFile.h"
#include "LiveLinkClient.h"
#include "Logging/LogMacros.h"
#include "Misc/Paths.h"
#include "Roles/LiveLinkAnimationTypes.h"
#include "Roles/LiveLinkTransformTypes.h"
#include "Stream/ZevoStreamSkeleton.h"
#include "UObject/UObjectGlobals.h"
#include "ViewerServer.h"
#include "ViewerSnapshot.h"
#include "ViewerStateJson.h"
#include "ZevoCharacterMessage.h"
#include "ZevoPropMessage.h"
#include "ZevoRemapAssetBase.h"
#include "ZevoSyntheticPerformance.h"

#include "ViewerFeedPage.h"
#include "PluginContentMain.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <thread>

namespace
{
using FClock = std::chrono::steady_clock;
constexpr double TickSeconds = 1.0 / 60.0;

class FIdleSource : public ILiveLinkSource
{
public:
	void ReceiveClient(ILiveLinkClient*, FGuid) override {}
	bool IsSourceStillValid() const override { return true; }
	bool RequestSourceShutdown() override { return true; }
	FText GetSourceType() const override { return FText::FromString("Benchmark"); }
	FText GetSourceMachineName() const override { return FText::FromString("127.0.0.1:0"); }
	FText GetSourceStatus() const override { return FText::FromString("Receiving"); }
};

FLiveLinkFrameDataStruct CharacterFrame(const FZevoCharacterFrame& Source)
{
	FLiveLinkFrameDataStruct Data;
	FLiveLinkAnimationFrameData& Frame = Data.InitializeWith<FLiveLinkAnimationFrameData>();
	for (int32 Bone = 0; Bone < ZevoStreamBoneCount; ++Bone)
	{
		Frame.Transforms.Add(FTransform(Source.Rotations[Bone], Bone == 0 ? Source.HipsPosition : FVector::ZeroVector));
	}
	for (const float Value : Source.Properties)
	{
		Frame.PropertyValues.Add(Value);
	}
	return Data;
}

FLiveLinkFrameDataStruct PropFrame(const FZevoPropFrame& Source)
{
	FLiveLinkFrameDataStruct Data;
	FLiveLinkTransformFrameData& Frame = Data.InitializeWith<FLiveLinkTransformFrameData>();
	Frame.Transform = FTransform(Source.Rotation, Source.Location, Source.Scale);
	Frame.PropertyValues = {float(Source.Type)};
	return Data;
}

/** The editor's run without its sockets: the client with two actors and a prop, the Demo level, the Mannequin. */
struct FEditorTick
{
	FEditorTick() : Performance(2, 1)
	{
		FLogDispatcher::SetConsoleEnabled(false);
		IModularFeatures::Get().RegisterModularFeature(ILiveLinkClient::ModularFeatureName, &Client);
		Source = Client.AddSource(MakeShared<FIdleSource>());
		for (int32 Actor = 0; Actor < 2; ++Actor)
		{
			FLiveLinkStaticDataStruct Static;
			Static.InitializeWith(MakeZevoCharacterStaticData());
			Client.PushSubjectStaticData_AnyThread({Source, FName(*Performance.GetActor(Actor).Name)}, ULiveLinkAnimationRole::StaticClass(), MoveTemp(Static));
		}
		FLiveLinkStaticDataStruct PropStatic;
		PropStatic.InitializeWith<FLiveLinkTransformStaticData>().PropertyNames = {ZevoPropPropertyName};
		Client.PushSubjectStaticData_AnyThread({Source, PropName()}, ULiveLinkTransformRole::StaticClass(), MoveTemp(PropStatic));
		FLevelFile::LoadLevel(World, "/Game/Maps/Main");
		World.BeginPlay();
		Asset = LoadObject<UZevoRemapAssetBase>(nullptr, "/Game/Characters/Mannequin_Remap.Mannequin_Remap");
		Bones = FBoneContainer(Asset->TargetSkeleton);
		Pose = std::make_unique<FCompactPose>(Bones);
	}
	~FEditorTick()
	{
		World.EndPlay(EEndPlayReason::Quit);
		IModularFeatures::Get().UnregisterModularFeature(ILiveLinkClient::ModularFeatureName, &Client);
	}

	FName PropName() const { return FName(*FString::Printf("%s_%d", *Performance.GetProp(0).Name, Performance.GetProp(0).Number)); }

	/** The stream's frames for this tick, the level and the pose; returns the animated subject as the viewer sees it. */
	FAnimatedSubjectStatus Tick()
	{
		const double Time = double(Frame) * TickSeconds;
		for (int32 Actor = 0; Actor < 2; ++Actor)
		{
			Performance.EvaluateActor(Actor, Time, Character);
			Client.PushSubjectFrameData_AnyThread({Source, FName(*Character.ActorName)}, CharacterFrame(Character));
		}
		Performance.EvaluateProp(0, Time, Prop);
		Client.PushSubjectFrameData_AnyThread({Source, PropName()}, PropFrame(Prop));
		World.Tick(LEVELTICK_All, float(TickSeconds));
		FLiveLinkSubjectFrameData Evaluated;
		if (Client.EvaluateFrame_AnyThread(FName(*Performance.GetActor(0).Name), ULiveLinkAnimationRole::StaticClass(), Evaluated))
		{
			Pose->ResetToRefPose();
			Asset->BuildPoseFromAnimationData(float(TickSeconds), Evaluated.StaticData.Cast<FLiveLinkSkeletonStaticData>(),
				Evaluated.FrameData.Cast<FLiveLinkAnimationFrameData>(), *Pose);
		}
		++Frame;
		return {FName(*Performance.GetActor(0).Name), Asset->GetPathName(), Frame, Asset, Pose.get()};
	}

	FZevoSyntheticPerformance Performance;
	FZevoCharacterFrame Character;
	FZevoPropFrame Prop;
	FLiveLinkClient Client;
	FGuid Source;
	UWorld World;
	UZevoRemapAssetBase* Asset = nullptr;
	FBoneContainer Bones;
	std::unique_ptr<FCompactPose> Pose;
	int64 Frame = 0;
};

void BM_EngineTickWithViewer(benchmark::State& State)
{
	const int Pages = static_cast<int>(State.range(0));
	FEditorTick Editor;
	std::unique_ptr<FViewerServer> Server;
	FString Error;
	if (Pages >= 0)
	{
		Server = FViewerServer::Start(FIPv4Endpoint(FIPv4Address::InternalLoopback, 0), Error);
	}
	std::vector<std::unique_ptr<FViewerFeedPage>> Open;
	for (int Page = 0; Page < Pages; ++Page)
	{
		Open.push_back(std::make_unique<FViewerFeedPage>(Server->GetEndpoint().Port, nullptr));
	}
	FViewerSnapshot Snapshot;
	const auto Start = FClock::now();
	auto NextTick = Start;
	for (auto _ : State)
	{
		std::this_thread::sleep_until(NextTick);
		NextTick += std::chrono::duration_cast<FClock::duration>(std::chrono::duration<double>(TickSeconds));
		const auto Begin = FClock::now();
		const FAnimatedSubjectStatus Animated = Editor.Tick();
		if (Server)
		{
			const double Seconds = std::chrono::duration<double>(Begin - Start).count();
			Server->Publish(Snapshot.Take(Editor.Client, Editor.World.GetActors(), {Animated}, Seconds, Editor.Frame));
		}
		State.SetIterationTime(std::chrono::duration<double>(FClock::now() - Begin).count());
	}
	Server.reset();  // closes the pages' connections
	Open.clear();
}
BENCHMARK(BM_EngineTickWithViewer)->ArgName("viewer_pages")->Arg(-1)->Arg(0)->Arg(1)->Arg(4)->Iterations(600)->UseManualTime()->Unit(benchmark::kMicrosecond);

/** The snapshot alone, back to back on one tick's state: what it costs the game thread, without the pacing's noise. */
void BM_TakeSnapshot(benchmark::State& State)
{
	FEditorTick Editor;
	const FAnimatedSubjectStatus Animated = Editor.Tick();
	FViewerSnapshot Snapshot;
	for (auto _ : State)
	{
		benchmark::DoNotOptimize(Snapshot.Take(Editor.Client, Editor.World.GetActors(), {Animated}, 1.0, Editor.Frame));
	}
}
BENCHMARK(BM_TakeSnapshot)->Unit(benchmark::kMicrosecond);

/** The state as the feed's text, which the network thread writes once per state whatever the number of pages. */
void BM_SerializeState(benchmark::State& State)
{
	FEditorTick Editor;
	const FAnimatedSubjectStatus Animated = Editor.Tick();
	FViewerSnapshot Snapshot;
	const std::shared_ptr<const FViewerState> Taken = Snapshot.Take(Editor.Client, Editor.World.GetActors(), {Animated}, 1.0, Editor.Frame);
	size_t Bytes = 0;
	for (auto _ : State)
	{
		Bytes = ViewerStateToJson(*Taken).size();
	}
	State.counters["bytes"] = double(Bytes);
}
BENCHMARK(BM_SerializeState)->Unit(benchmark::kMicrosecond);
}

int main(int argc, char** argv)
{
	// As the editor opens the Demo project: its assets, and the plugin's content they refer to.
	FPaths::SetProjectDir(ZEVO_DEMO_DIR "/");
	return RunBenchmarksWithPluginContent(argc, argv);
}
