#include "FrameRates.h"

#include <algorithm>

void FRateWindow::Observe(int64 Total, double Now)
{
	if (WindowStart < 0.0)
	{
		WindowStart = Now;
		WindowTotal = Total;
		return;
	}
	if (Total < WindowTotal)
	{
		WindowTotal = 0;
	}
	if (Now - WindowStart >= 1.0)
	{
		PerSecond = static_cast<double>(Total - WindowTotal) / (Now - WindowStart);
		WindowStart = Now;
		WindowTotal = Total;
	}
}

void FSubjectFrameTiming::Observe(int64 FramesReceived, double LatestFrameTime, double Now)
{
	Rate.Observe(FramesReceived, Now);
	if (FramesReceived < LastTotal)
	{
		// Made anew (silent, swept, back again): its first frame after the pause is not late.
		LastTotal = 0;
		LastFrameTime = -1.0;
	}
	const int64 NewFrames = FramesReceived - LastTotal;
	if (NewFrames <= 0)
	{
		return;
	}
	if (LastFrameTime >= 0.0)
	{
		const double Gap = LatestFrameTime - LastFrameTime;
		if (Interval > 0.0 && Gap - static_cast<double>(NewFrames - 1) * Interval > 2.0 * Interval)
		{
			++Late;
		}
		// One long stall moves the average only so far, so the frames after it are still judged.
		const double PerFrame = std::min(Gap / static_cast<double>(NewFrames), Interval > 0.0 ? 4.0 * Interval : Gap);
		Interval = Interval > 0.0 ? Interval + 0.1 * (PerFrame - Interval) : PerFrame;
	}
	LastTotal = FramesReceived;
	LastFrameTime = LatestFrameTime;
}
