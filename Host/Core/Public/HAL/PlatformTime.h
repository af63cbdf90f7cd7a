#pragma once
// FPlatformTime::Seconds and the host clock behind it and FDateTime::UtcNow. Tests advance the
// clock instead of sleeping: every reading of both clocks moves forward by the advanced amount.
#include "Misc/Timespan.h"

struct FPlatformTime
{
	/** Seconds of a monotonic clock, plus any advance. */
	static double Seconds();
	static uint64 Cycles64();
};

struct FHostClock
{
	/** Moves both clocks forward; safe from any thread. */
	static void Advance(FTimespan Span);
	static FTimespan GetAdvance();
	/** Forgets every advance (tests call it between cases). */
	static void ResetAdvance();
	/** Stops both clocks where they are, so that only advances move them (a test that asserts what
	 *  a thread must not have done yet cannot be upset by real time passing); Thaw lets real time
	 *  count again, from where it is now. ResetAdvance also thaws. */
	static void Freeze();
	static void Thaw();
};
