#pragma once
// FTimerManager: calls a callback once after a delay, or repeatedly at a rate, measured in the
// engine's frame time: the owner ticks it once per frame with the frame's DeltaTime, so timers
// follow the host clock (tests advance FHostClock instead of sleeping).
// A timer whose callback is bound to an object through a shared pointer that has died is dropped
// without being called. Game thread only: no lock.
#include "Containers/Map.h"
#include "Delegates/Delegate.h"

/** Names one timer; invalid (zero) until SetTimer fills it, and again after ClearTimer. */
class FTimerHandle
{
public:
	bool IsValid() const { return Handle != 0; }
	void Invalidate() { Handle = 0; }
	friend bool operator==(const FTimerHandle& A, const FTimerHandle& B) { return A.Handle == B.Handle; }

private:
	friend class FTimerManager;
	uint64 Handle = 0;
};

DECLARE_DELEGATE(FTimerDelegate);

class FTimerManager
{
public:
	/**
	 * Starts (or restarts) the timer named by InOutHandle. The first call comes after InFirstDelay
	 * seconds, or after one InRate period when InFirstDelay is negative; a looping timer then fires
	 * every InRate seconds. A rate of zero or less only clears the timer.
	 */
	void SetTimer(FTimerHandle& InOutHandle, const FTimerDelegate& InDelegate, float InRate, bool InbLoop, float InFirstDelay = -1.f);
	void SetTimer(FTimerHandle& InOutHandle, TFunction<void()>&& Callback, float InRate, bool InbLoop, float InFirstDelay = -1.f)
	{
		SetTimer(InOutHandle, FTimerDelegate::CreateLambda(std::move(Callback)), InRate, InbLoop, InFirstDelay);
	}
	template <typename UserClass>
	void SetTimer(FTimerHandle& InOutHandle, UserClass* InObj, void (UserClass::*InTimerMethod)(), float InRate, bool InbLoop = false,
		float InFirstDelay = -1.f)
	{
		SetTimer(InOutHandle, FTimerDelegate::CreateUObject(InObj, InTimerMethod), InRate, InbLoop, InFirstDelay);
	}

	/** Stops the timer (it will not fire again) and invalidates the handle. */
	void ClearTimer(FTimerHandle& InHandle);
	bool IsTimerActive(FTimerHandle InHandle) const;
	/** Seconds until the timer fires next, or -1 when it is not active. */
	float GetTimerRemaining(FTimerHandle InHandle) const;

	/** Advances the timers' time by DeltaTime and calls every timer that came due, earliest first. */
	void Tick(float DeltaTime);

private:
	struct FTimerData
	{
		FTimerDelegate Delegate;
		double Rate = 0.0;
		double ExpireTime = 0.0;
		bool bLoop = false;
		bool bSetDuringTick = false; // waits for the next tick, as in the engine
	};

	TMap<uint64, FTimerData> Timers;
	double InternalTime = 0.0;
	uint64 LastHandle = 0;
	bool bTicking = false;
};
