#pragma once
// FDateTime: a point in time in ticks of 100 ns since 0001-01-01, read from the host clock.
#include "Containers/UnrealString.h"
#include "Misc/Timespan.h"

struct FDateTime
{
	constexpr FDateTime() = default;
	explicit constexpr FDateTime(int64 InTicks) : Ticks(InTicks) {}

	/** The current UTC time of the host clock (see FHostClock). */
	static FDateTime UtcNow();

	constexpr int64 GetTicks() const { return Ticks; }
	constexpr FTimespan operator-(const FDateTime& Other) const { return FTimespan(Ticks - Other.Ticks); }
	constexpr FDateTime operator+(const FTimespan& Span) const { return FDateTime(Ticks + Span.GetTicks()); }
	constexpr auto operator<=>(const FDateTime&) const = default;
	/** ISO 8601 text, e.g. 2026-12-09T10:11:12.123Z. */
	FString ToIso8601() const;

private:
	int64 Ticks = 0;
};
