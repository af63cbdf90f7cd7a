#include "HAL/PlatformTime.h"
#include "Misc/DateTime.h"

#include <atomic>
#include <chrono>
#include <ctime>

namespace
{
std::atomic<int64> AdvanceTicks{0};
// While frozen, the real parts of the two clocks are these readings.
std::atomic<bool> bFrozen{false};
std::atomic<std::chrono::steady_clock::rep> FrozenSteady{0};
std::atomic<std::chrono::system_clock::rep> FrozenSystem{0};

std::chrono::steady_clock::duration SteadyNow()
{
	return bFrozen ? std::chrono::steady_clock::duration(FrozenSteady.load()) : std::chrono::steady_clock::now().time_since_epoch();
}

std::chrono::system_clock::duration SystemNow()
{
	return bFrozen ? std::chrono::system_clock::duration(FrozenSystem.load()) : std::chrono::system_clock::now().time_since_epoch();
}

// Ticks from 0001-01-01 to 1970-01-01.
constexpr int64 UnixEpochTicks = 621355968000000000ll;
}

void FHostClock::Advance(FTimespan Span)
{
	AdvanceTicks += Span.GetTicks();
}

FTimespan FHostClock::GetAdvance()
{
	return FTimespan(AdvanceTicks.load());
}

void FHostClock::ResetAdvance()
{
	AdvanceTicks = 0;
	Thaw();
}

void FHostClock::Freeze()
{
	FrozenSteady = std::chrono::steady_clock::now().time_since_epoch().count();
	FrozenSystem = std::chrono::system_clock::now().time_since_epoch().count();
	bFrozen = true;
}

void FHostClock::Thaw()
{
	bFrozen = false;
}

double FPlatformTime::Seconds()
{
	return std::chrono::duration<double>(SteadyNow()).count() + static_cast<double>(AdvanceTicks.load()) / ETimespan::TicksPerSecond;
}

uint64 FPlatformTime::Cycles64()
{
	return static_cast<uint64>(std::chrono::steady_clock::now().time_since_epoch().count());
}

FDateTime FDateTime::UtcNow()
{
	const int64 Ticks = std::chrono::duration_cast<std::chrono::nanoseconds>(SystemNow()).count() / 100;
	return FDateTime(UnixEpochTicks + Ticks + AdvanceTicks.load());
}

FString FDateTime::ToIso8601() const
{
	const int64 UnixTicks = Ticks - UnixEpochTicks;
	const std::time_t Seconds = static_cast<std::time_t>(UnixTicks / ETimespan::TicksPerSecond);
	const int32 Millis = static_cast<int32>((UnixTicks % ETimespan::TicksPerSecond) / ETimespan::TicksPerMillisecond);
	std::tm Parts{};
	gmtime_r(&Seconds, &Parts);
	return FString::Printf("%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", Parts.tm_year + 1900, Parts.tm_mon + 1, Parts.tm_mday,
		Parts.tm_hour, Parts.tm_min, Parts.tm_sec, Millis);
}
