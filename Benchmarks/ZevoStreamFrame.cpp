// The simulator's hot path: evaluating one actor (or prop) of the built-in performance and
// writing its message, as zevo-stream and the editor's demo do for every stream at every frame.
#include "ZevoSyntheticPerformance.h"

#include <benchmark/benchmark.h>

static void BM_CharacterFrame(benchmark::State& State)
{
	const FZevoSyntheticPerformance Performance(4, 0);
	FOscMessageWriter Writer;
	FZevoCharacterFrame Frame;
	double Time = 2.0;
	for (auto _ : State)
	{
		Performance.EvaluateActor(1, Time, Frame);
		benchmark::DoNotOptimize(WriteZevoCharacterMessage(Writer, Frame).GetData());
		Time += 1.0 / 60.0;
	}
}
BENCHMARK(BM_CharacterFrame);

static void BM_CharacterMessageOnly(benchmark::State& State)
{
	const FZevoSyntheticPerformance Performance(4, 0);
	FOscMessageWriter Writer;
	FZevoCharacterFrame Frame;
	Performance.EvaluateActor(1, 3.0, Frame);
	for (auto _ : State)
	{
		benchmark::DoNotOptimize(WriteZevoCharacterMessage(Writer, Frame).GetData());
	}
}
BENCHMARK(BM_CharacterMessageOnly);

static void BM_PropFrame(benchmark::State& State)
{
	const FZevoSyntheticPerformance Performance(0, 3);
	FOscMessageWriter Writer;
	FZevoPropFrame Frame;
	double Time = 2.0;
	for (auto _ : State)
	{
		Performance.EvaluateProp(2, Time, Frame);
		benchmark::DoNotOptimize(WriteZevoPropMessage(Writer, Frame).GetData());
		Time += 1.0 / 60.0;
	}
}
BENCHMARK(BM_PropFrame);

BENCHMARK_MAIN();
