#pragma once
// FEngineLoop: the editor's main loop, run on the game thread. Every pass runs the queued
// game-thread tasks; frames tick at a fixed rate; between frames the loop sleeps until the next
// frame is due or a task is queued, whichever comes first, so that a datagram is decoded
// microseconds after it arrives rather than a frame later.
#include "CoreMinimal.h"

class FEngineLoop
{
public:
	explicit FEngineLoop(double InFramesPerSecond = 60.0);

	/** Called once per frame after the tasks queued so far ran, with the seconds since the last frame. */
	void OnTick(TFunction<void(double DeltaSeconds)> InTick) { Tick = MoveTemp(InTick); }

	/** Runs until ShouldExit, asked before every pass, returns true. */
	void Run(const TFunction<bool()>& ShouldExit);

	int64 GetFrameCount() const { return FrameCount; }

private:
	double FrameInterval;
	TFunction<void(double)> Tick;
	int64 FrameCount = 0;
};
