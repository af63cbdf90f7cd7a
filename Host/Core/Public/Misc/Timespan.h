#pragma once
// FTimespan: a duration in ticks of 100 ns.
#include "HAL/Platform.h"

namespace ETimespan
{
inline constexpr int64 TicksPerMillisecond = 10000;
inline constexpr int64 TicksPerSecond = 10000000;
}

struct FTimespan
{
	constexpr FTimespan() = default;
	explicit constexpr FTimespan(int64 InTicks) : Ticks(InTicks) {}

	static constexpr FTimespan FromSeconds(double Seconds) { return FTimespan(static_cast<int64>(Seconds * ETimespan::TicksPerSecond)); }
	static constexpr FTimespan FromMilliseconds(double Ms) { return FTimespan(static_cast<int64>(Ms * ETimespan::TicksPerMillisecond)); }
	static constexpr FTimespan Zero() { return FTimespan(0); }

	constexpr int64 GetTicks() const { return Ticks; }
	constexpr double GetTotalSeconds() const { return static_cast<double>(Ticks) / ETimespan::TicksPerSecond; }
	constexpr double GetTotalMilliseconds() const { return static_cast<double>(Ticks) / ETimespan::TicksPerMillisecond; }
	constexpr FTimespan operator+(FTimespan T) const { return FTimespan(Ticks + T.Ticks); }
	constexpr FTimespan operator-(FTimespan T) const { return FTimespan(Ticks - T.Ticks); }
	constexpr auto operator<=>(const FTimespan&) const = default;

private:
	int64 Ticks = 0;
};
