#include "TimerManager.h"

void FTimerManager::SetTimer(FTimerHandle& InOutHandle, const FTimerDelegate& InDelegate, float InRate, bool InbLoop, float InFirstDelay)
{
	ClearTimer(InOutHandle);
	if (InRate <= 0.f)
	{
		return;
	}
	FTimerData Timer;
	Timer.Delegate = InDelegate;
	Timer.Rate = InRate;
	Timer.bLoop = InbLoop;
	Timer.ExpireTime = InternalTime + (InFirstDelay >= 0.f ? InFirstDelay : InRate);
	Timer.bSetDuringTick = bTicking;
	InOutHandle.Handle = ++LastHandle;
	Timers.Add(InOutHandle.Handle, std::move(Timer));
}

void FTimerManager::ClearTimer(FTimerHandle& InHandle)
{
	if (InHandle.IsValid())
	{
		Timers.Remove(InHandle.Handle);
		InHandle.Invalidate();
	}
}

bool FTimerManager::IsTimerActive(FTimerHandle InHandle) const
{
	return InHandle.IsValid() && Timers.Contains(InHandle.Handle);
}

float FTimerManager::GetTimerRemaining(FTimerHandle InHandle) const
{
	const FTimerData* Timer = InHandle.IsValid() ? Timers.Find(InHandle.Handle) : nullptr;
	return Timer ? static_cast<float>(Timer->ExpireTime - InternalTime) : -1.f;
}

void FTimerManager::Tick(float DeltaTime)
{
	InternalTime += DeltaTime;
	bTicking = true;
	for (;;)
	{
		// The earliest due timer; callbacks may set or clear timers, so search again after each call.
		uint64 DueHandle = 0;
		double DueTime = 0.0;
		for (const auto& Pair : Timers)
		{
			const FTimerData& Timer = Pair.Value;
			if (!Timer.bSetDuringTick && Timer.ExpireTime <= InternalTime && (DueHandle == 0 || Timer.ExpireTime < DueTime))
			{
				DueHandle = Pair.Key;
				DueTime = Timer.ExpireTime;
			}
		}
		if (DueHandle == 0)
		{
			break;
		}
		FTimerData& Timer = Timers.FindChecked(DueHandle);
		const FTimerDelegate Delegate = Timer.Delegate;
		if (Timer.bLoop && Delegate.IsBound())
		{
			Timer.ExpireTime += Timer.Rate;
		}
		else
		{
			// Gone before the call, so the callback may reuse the handle for a new timer.
			Timers.Remove(DueHandle);
		}
		Delegate.ExecuteIfBound();
	}
	for (auto& Pair : Timers)
	{
		Pair.Value.bSetDuringTick = false;
	}
	bTicking = false;
}
