#include "CoreMinimal.h"
#include "TimerManager.h"

#include <gtest/gtest.h>

TEST(FTimerManager, LoopingTimerHonoursFirstDelayThenRate)
{
	FTimerManager Timers;
	FTimerHandle Handle;
	int32 Calls = 0;
	Timers.SetTimer(Handle, [&] { ++Calls; }, 0.5f, true, 0.2f);
	Timers.Tick(0.1f);
	EXPECT_EQ(Calls, 0);
	Timers.Tick(0.1f);
	EXPECT_EQ(Calls, 1);
	Timers.Tick(0.5f);
	EXPECT_EQ(Calls, 2);
	Timers.Tick(1.0f); // a long frame catches up every period it spanned
	EXPECT_EQ(Calls, 4);
	EXPECT_NEAR(Timers.GetTimerRemaining(Handle), 0.5f, 1e-4);
}

TEST(FTimerManager, CallbackMayClearItselfOrStartAnotherTimerForTheNextFrame)
{
	FTimerManager Timers;
	FTimerHandle Looping, Chained;
	int32 LoopCalls = 0, ChainedCalls = 0;
	Timers.SetTimer(Looping, [&] {
		++LoopCalls;
		Timers.ClearTimer(Looping);
		Timers.SetTimer(Chained, [&] { ++ChainedCalls; }, 1.0f, false, 0.0f);
	}, 1.0f, true);
	Timers.Tick(3.0f);
	EXPECT_EQ(LoopCalls, 1);
	EXPECT_EQ(ChainedCalls, 0) << "a timer set during a tick waits for the next one";
	Timers.Tick(0.0f);
	EXPECT_EQ(ChainedCalls, 1);
}

TEST(FTimerManager, TimerOfADeadObjectIsDroppedUncalled)
{
	struct FOwner : TSharedFromThis<FOwner>
	{
		int32 Calls = 0;
		void Fire() { ++Calls; }
	};
	FTimerManager Timers;
	TSharedPtr<FOwner> Owner = MakeShared<FOwner>();
	FOwner* Raw = Owner.Get();
	FTimerHandle Handle;
	Timers.SetTimer(Handle, FTimerDelegate::CreateSP(Owner, &FOwner::Fire), 1.0f, true);
	Timers.Tick(1.0f);
	EXPECT_EQ(Raw->Calls, 1);
	Owner.Reset();
	Timers.Tick(1.0f);
	EXPECT_FALSE(Timers.IsTimerActive(Handle));
}

TEST(FTimerManager, NonPositiveRateOnlyClears)
{
	FTimerManager Timers;
	FTimerHandle Handle;
	int32 Calls = 0;
	Timers.SetTimer(Handle, [&] { ++Calls; }, 1.0f, false);
	Timers.SetTimer(Handle, [&] { ++Calls; }, 0.0f, false);
	EXPECT_FALSE(Timers.IsTimerActive(Handle));
	Timers.Tick(2.0f);
	EXPECT_EQ(Calls, 0);
}
