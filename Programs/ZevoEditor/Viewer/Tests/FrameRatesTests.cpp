#include "FrameRates.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{
/** One tick as the snapshot sees it: the client's running total and the latest frame's stamp. */
struct FTick
{
	double Now;
	int64 Total;
	double LatestFrameTime;
};

/** Ticks at 60 Hz with one frame each, stamped 2 ms before the tick, from FirstTotal on. */
std::vector<FTick> Steady(int Count, double Start = 0.0, int64 FirstTotal = 1, double Interval = 1.0 / 60.0)
{
	std::vector<FTick> Ticks;
	for (int Index = 0; Index < Count; ++Index)
	{
		const double Frame = Start + Index * Interval;
		Ticks.push_back({Frame + 0.002, FirstTotal + Index, Frame});
	}
	return Ticks;
}

std::vector<FTick> Join(std::vector<FTick> First, const std::vector<FTick>& Second)
{
	First.insert(First.end(), Second.begin(), Second.end());
	return First;
}
}

TEST(FSubjectFrameTiming, CountsFramesThatCameMoreThanTwoIntervalsAfterTheOneBefore)
{
	struct FCase
	{
		const char* Name;
		std::vector<FTick> Ticks;
		int64 Late;
	};
	const double Interval = 1.0 / 60.0;
	const FCase Cases[] = {
		{"steady 60 Hz", Steady(120), 0},
		{"steady 30 Hz, judged by its own interval", Steady(60, 0.0, 1, 2 * Interval), 0},
		{"one gap of three intervals", Join(Steady(60), Steady(60, 62 * Interval, 61)), 1},
		{"a gap of exactly two intervals is not late", Join(Steady(60), Steady(60, 61 * Interval, 61)), 0},
		{"two frames seen in one tick at their usual spacing", Join(Steady(60), Steady(60, 61 * Interval, 62)), 0},
		{"a stall of a second, then steady again", Join(Steady(60), Steady(120, 60 * Interval + 1.0, 61)), 1},
		{"made anew after the sweep: its first frame is not late", Join(Steady(60), Steady(60, 8.0, 1)), 0},
		{"ticks without a new frame change nothing", Join(Steady(60), {{1.1, 60, 59 * Interval}, {1.2, 60, 59 * Interval}}), 0},
	};
	for (const FCase& Case : Cases)
	{
		FSubjectFrameTiming Timing;
		for (const FTick& Tick : Case.Ticks)
		{
			Timing.Observe(Tick.Total, Tick.LatestFrameTime, Tick.Now);
		}
		EXPECT_EQ(Timing.GetLateFrames(), Case.Late) << Case.Name;
	}
}

TEST(FRateWindow, GivesThePerSecondRateOfTheLastFullSecond)
{
	FRateWindow Rate;
	for (int Index = 0; Index <= 120; ++Index)
	{
		Rate.Observe(Index, Index / 60.0);
	}
	EXPECT_NEAR(Rate.GetPerSecond(), 60.0, 1e-9);
	// A total that starts again (a subject made anew) counts from zero, never negative.
	Rate.Observe(30, 3.0);
	EXPECT_NEAR(Rate.GetPerSecond(), 30.0, 1e-9);
}
