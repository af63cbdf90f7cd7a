// Exporting a take as `zevo-editor take export` does: a ten-minute take of two actors at 60 Hz
// (zevo-stream's built-in performance, written by the take writer on an advanced host clock; some
// 440 MB), exported to BVH and, retargeted onto the Mannequin rig, to glTF.
//
// The take is written once per run, to $ZEVO_BENCH_TAKE when that is set (and reused when that file
// is there already), else to a temporary file. Peak memory is the real command's, measured with
//   /usr/bin/time -v build/default/bin/zevo-editor take export $ZEVO_BENCH_TAKE --subject Actor1 --bvh /tmp/a.bvh
// ("Maximum resident set size"); the counters here give each output's size.
#include "AnimationExport.h"
#include "BvhExport.h"
#include "HAL/PlatformTime.h"
#include "Logging/LogMacros.h"
#include "SkeletonImporter.h"
#include "TakeWriter.h"
#include "ZevoRemapAsset.h"
#include "Stream/ZevoStreamSkeleton.h"
#include "ZevoSyntheticPerformance.h"
#include "PluginContentMain.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>

namespace
{
constexpr int32 Actors = 2;
constexpr double Rate = 60.0;
constexpr double Seconds = 600.0;

FLiveLinkFrameDataStruct CharacterFrame(const FZevoCharacterFrame& Performed)
{
	FLiveLinkFrameDataStruct Data;
	FLiveLinkAnimationFrameData& Frame = Data.InitializeWith<FLiveLinkAnimationFrameData>();
	for (int32 Bone = 0; Bone < ZevoStreamBoneCount; ++Bone)
	{
		Frame.Transforms.Add(FTransform(Performed.Rotations[Bone], Bone == 0 ? Performed.HipsPosition : FVector::ZeroVector));
	}
	for (const float Value : Performed.Properties)
	{
		Frame.PropertyValues.Add(Value);
	}
	return Data;
}

void WriteTake(const std::string& Path)
{
	const FZevoSyntheticPerformance Performance(Actors, 0);
	FTakeWriter Take(FString(Path.c_str()));
	const FGuid Source(1, 2, 3, 4);
	for (int32 Actor = 0; Actor < Actors; ++Actor)
	{
		FLiveLinkStaticDataStruct Static;
		Static.InitializeWith<FLiveLinkSkeletonStaticData>() = MakeZevoCharacterStaticData();
		Take.OnStaticDataPushed({Source, FName(*Performance.GetActor(Actor).Name)}, ULiveLinkAnimationRole::StaticClass(), Static);
	}
	FZevoCharacterFrame Performed;
	for (int64 Frame = 0; Frame < int64(Seconds * Rate); ++Frame)
	{
		FHostClock::Advance(FTimespan::FromSeconds(1.0 / Rate));
		for (int32 Actor = 0; Actor < Actors; ++Actor)
		{
			Performance.EvaluateActor(Actor, double(Frame) / Rate, Performed);
			Take.OnFrameDataPushed({Source, FName(*Performed.ActorName)}, CharacterFrame(Performed));
		}
	}
	Take.Finish();
}

/** The take of this run, written on first use. */
const std::string& TakePath()
{
	static const std::string Path = [] {
		const char* Given = std::getenv("ZEVO_BENCH_TAKE");
		const std::string Chosen = Given ? Given : (std::filesystem::temp_directory_path() / "zevo-bench-take.jsonl").string();
		if (!Given || !std::filesystem::exists(Chosen))
		{
			WriteTake(Chosen);
		}
		return Chosen;
	}();
	return Path;
}

void Export(benchmark::State& State, const TFunction<bool(const FTakeExportRequest&, FTakeExportResult&, FString&)>& Exporter,
	const char* Output)
{
	FLogDispatcher::SetConsoleEnabled(false);
	const std::string OutputPath = (std::filesystem::temp_directory_path() / Output).string();
	const FTakeExportRequest Request{FString(TakePath().c_str()), "Actor1", FString(OutputPath.c_str()), nullptr};
	FTakeExportResult Result;
	for (auto _ : State)
	{
		FString Error;
		if (!Exporter(Request, Result, Error))
		{
			State.SkipWithError(*Error);
			return;
		}
	}
	State.counters["frames"] = double(Result.Frames);
	State.counters["take_MB"] = double(std::filesystem::file_size(TakePath())) / 1e6;
	State.counters["output_MB"] = double(std::filesystem::file_size(OutputPath)) / 1e6;
	std::filesystem::remove(OutputPath);
}

void BM_ExportTakeToBvh(benchmark::State& State)
{
	Export(State, [](const FTakeExportRequest& Request, FTakeExportResult& Result, FString& Error) {
		return ExportTakeToBvh(Request, 0.0, Result, Error);
	}, "zevo-bench.bvh");
}
BENCHMARK(BM_ExportTakeToBvh)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ExportTakeToGltf(benchmark::State& State)
{
	FSkeletonImportResult Rig = ImportSkeletonFromFile(ZEVO_TEST_RIGS_DIR "/Mannequin.glb");
	UZevoRemapAsset Asset;
	Asset.TargetSkeleton = Rig.Skeleton.get();
	Asset.AutoMapFromTargetSkeleton();
	Export(State, [&Asset](const FTakeExportRequest& Request, FTakeExportResult& Result, FString& Error) {
		return ExportTakeToAnimationFile(Request, Asset, EAnimationFileFormat::Gltf, Result, Error);
	}, "zevo-bench.glb");
}
BENCHMARK(BM_ExportTakeToGltf)->Unit(benchmark::kMillisecond)->Iterations(1);
}

int main(int argc, char** argv)
{
	return RunBenchmarksWithPluginContent(argc, argv);
}
