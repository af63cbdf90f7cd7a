// Every decoded datagram pushes one frame into the Live Link client under its lock, and every
// remapped mesh and prop component evaluates a frame from it each engine tick. These measure a
// 52-bone character frame through both, with and without a take writer observing it.
#include "LiveLinkClient.h"
#include "TakeWriter.h"
#include "Roles/LiveLinkAnimationTypes.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace
{
constexpr int32 BoneCount = 52;

class FIdleSource : public ILiveLinkSource
{
public:
	void ReceiveClient(ILiveLinkClient*, FGuid) override {}
	bool IsSourceStillValid() const override { return true; }
	bool RequestSourceShutdown() override { return true; }
	FText GetSourceType() const override { return FText(); }
	FText GetSourceMachineName() const override { return FText(); }
	FText GetSourceStatus() const override { return FText(); }
};

FLiveLinkStaticDataStruct MakeSkeleton()
{
	FLiveLinkStaticDataStruct Data;
	FLiveLinkSkeletonStaticData& Skeleton = Data.InitializeWith<FLiveLinkSkeletonStaticData>();
	for (int32 Bone = 0; Bone < BoneCount; ++Bone)
	{
		Skeleton.BoneNames.Add(FName(*FString::Printf("Bone%d", Bone)));
		Skeleton.BoneParents.Add(Bone - 1);
	}
	Skeleton.PropertyNames = {"A", "B", "C", "D", "E", "F", "G"};
	return Data;
}

FLiveLinkFrameDataStruct MakeFrame(double Seed)
{
	FLiveLinkFrameDataStruct Data;
	FLiveLinkAnimationFrameData& Frame = Data.InitializeWith<FLiveLinkAnimationFrameData>();
	Frame.Transforms.Init(FTransform(FQuat(0.1, 0.2, 0.3, 0.9).GetNormalized(), FVector(Seed, 1.0 / 3.0, 2.0)), BoneCount);
	Frame.PropertyValues.Init(0.25f, 7);
	return Data;
}

/** A client with one source and Subjects character subjects; the first is "Actor0". */
struct FClientWithCharacters
{
	explicit FClientWithCharacters(int32 Subjects)
	{
		SourceGuid = Client.AddSource(MakeShared<FIdleSource>());
		for (int32 Index = 0; Index < Subjects; ++Index)
		{
			const FLiveLinkSubjectKey Key(SourceGuid, FName(*FString::Printf("Actor%d", Index)));
			Client.PushSubjectStaticData_AnyThread(Key, ULiveLinkAnimationRole::StaticClass(), MakeSkeleton());
			Client.PushSubjectFrameData_AnyThread(Key, MakeFrame(0.0));
		}
	}

	FLiveLinkClient Client;
	FGuid SourceGuid;
};

void BM_PushCharacterFrame(benchmark::State& State)
{
	FClientWithCharacters Fixture(4);
	const FLiveLinkSubjectKey Key(Fixture.SourceGuid, "Actor0");
	double Seed = 0.0;
	for (auto _ : State)
	{
		Fixture.Client.PushSubjectFrameData_AnyThread(Key, MakeFrame(Seed += 1.0));
	}
	State.SetItemsProcessed(State.iterations());
}
BENCHMARK(BM_PushCharacterFrame);

void BM_PushCharacterFrameWhileRecording(benchmark::State& State)
{
	const std::filesystem::path File = std::filesystem::temp_directory_path() / "zevo-client-benchmark.jsonl";
	{
		FClientWithCharacters Fixture(4);
		Fixture.Client.SetObserver(MakeShared<FTakeWriter>(FString(File.string())));
		const FLiveLinkSubjectKey Key(Fixture.SourceGuid, "Actor0");
		double Seed = 0.0;
		for (auto _ : State)
		{
			Fixture.Client.PushSubjectFrameData_AnyThread(Key, MakeFrame(Seed += 1.0));
		}
		State.SetItemsProcessed(State.iterations());
	}  // the take writer goes with the client and writes the rest
	State.counters["bytes_per_frame"] = static_cast<double>(std::filesystem::file_size(File)) / static_cast<double>(State.iterations());
	std::filesystem::remove(File);
}
BENCHMARK(BM_PushCharacterFrameWhileRecording);

void BM_EvaluateCharacterFrame(benchmark::State& State)
{
	FClientWithCharacters Fixture(static_cast<int32>(State.range(0)));
	const FName Last(*FString::Printf("Actor%d", static_cast<int32>(State.range(0)) - 1));
	for (auto _ : State)
	{
		FLiveLinkSubjectFrameData Frame;
		benchmark::DoNotOptimize(Fixture.Client.EvaluateFrame_AnyThread(Last, ULiveLinkAnimationRole::StaticClass(), Frame));
	}
	State.SetItemsProcessed(State.iterations());
}
BENCHMARK(BM_EvaluateCharacterFrame)->Arg(1)->Arg(16);
}

BENCHMARK_MAIN();
