#pragma once
// Rates and lateness of a stream as the game thread sees them after each engine tick: a running
// total of frames (or poses) and the time stamp of the latest frame, never the frames themselves.
#include "CoreMinimal.h"

/** Per second over windows of at least one second; a total that went down (a subject made anew)
 *  counts from zero. */
class FRateWindow
{
public:
	void Observe(int64 Total, double Now);
	double GetPerSecond() const { return PerSecond; }

private:
	double WindowStart = -1.0;
	int64 WindowTotal = 0;
	double PerSecond = 0.0;
};

/**
 * One subject's frames. A frame is late when it arrived more than two frame intervals after the
 * frame before it; the interval is the subject's own, a running average of the gaps between its
 * frames, so a 30 Hz subject is held to 30 Hz. When several frames arrived between two ticks only
 * the latest one's time stamp is seen, and the frames before it are taken to have come one
 * interval apart: then the gap up to the latest is what can be late.
 */
class FSubjectFrameTiming
{
public:
	/** FramesReceived is the client's running total; LatestFrameTime the latest frame's stamp. */
	void Observe(int64 FramesReceived, double LatestFrameTime, double Now);

	double GetFramesPerSecond() const { return Rate.GetPerSecond(); }
	int64 GetLateFrames() const { return Late; }
	double GetFrameInterval() const { return Interval; }

private:
	FRateWindow Rate;
	int64 LastTotal = 0;
	double LastFrameTime = -1.0;
	double Interval = 0.0;
	int64 Late = 0;
};
