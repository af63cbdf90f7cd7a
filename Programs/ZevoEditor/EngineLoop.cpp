#include "EngineLoop.h"

#include "Async/Async.h"

FEngineLoop::FEngineLoop(double InFramesPerSecond) : FrameInterval(1.0 / InFramesPerSecond)
{
}

void FEngineLoop::Run(const TFunction<bool()>& ShouldExit)
{
	double LastFrame = FPlatformTime::Seconds();
	double NextFrame = LastFrame;
	while (!ShouldExit())
	{
		FGameThread::PumpTasks();
		const double Now = FPlatformTime::Seconds();
		if (Now >= NextFrame)
		{
			if (Tick)
			{
				Tick(Now - LastFrame);
			}
			++FrameCount;
			LastFrame = Now;
			// After a stall, carry on from now instead of running the missed frames back to back.
			NextFrame = Now - NextFrame < FrameInterval ? NextFrame + FrameInterval : Now + FrameInterval;
		}
		const double UntilNextFrame = NextFrame - FPlatformTime::Seconds();
		if (UntilNextFrame > 0.0)
		{
			FGameThread::WaitForTasks(UntilNextFrame);
		}
	}
}
