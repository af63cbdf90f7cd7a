#include "HAL/PlatformTime.h"
#include "Misc/DateTime.h"

#include <atomic>
#include <chrono>
#include <ctime>

namespace
{
std::atomic<int64> AdvanceTicks{0};

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
}

double FPlatformTime::Seconds()
{
	const auto Now = std::chrono::steady_clock::now().time_since_epoch();
	return std::chrono::duration<double>(Now).count() + static_cast<double>(AdvanceTicks.load()) / ETimespan::TicksPerSecond;
}

uint64 FPlatformTime::Cycles64()
{
	return static_cast<uint64>(std::chrono::steady_clock::now().time_since_epoch().count());
}

FDateTime FDateTime::UtcNow()
{
	const auto Now = std::chrono::system_clock::now().time_since_epoch();
	const int64 Ticks = std::chrono::duration_cast<std::chrono::nanoseconds>(Now).count() / 100;
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
