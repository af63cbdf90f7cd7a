#pragma once
// FZevoLogLimiter: keeps a flood of bad datagrams from flooding the log. Each kind of line (one
// call site, known by its format text) is written the first few times in a second; the rest are
// only counted, and the source logs once a second how many of each kind it held back. The game
// thread's decoders ask it; the receiver thread takes the counts; one lock guards both.
#include "CoreMinimal.h"
#include "HAL/CriticalSection.h"

class FZevoLogLimiter
{
public:
	static constexpr int32 LinesPerSecond = 5;

	/** True for the first lines of this kind since the last TakeSuppressed; counts the others. */
	bool ShouldLog(const TCHAR* Format);
	/** "N x "<start of the line>", ..." for the lines held back since the last call, or empty; starts a new second. */
	FString TakeSuppressed();

private:
	struct FKindCounts
	{
		int32 Logged = 0;
		int64 Suppressed = 0;
	};
	FCriticalSection Lock;
	/** By the format text's address: each call site is its own kind. */
	TMap<const TCHAR*, FKindCounts> Kinds;
};

/** UE_LOG through a limiter. */
#define ZEVO_LIMITED_LOG(Limiter, Verbosity, Format, ...) \
	do \
	{ \
		if ((Limiter).ShouldLog(Format)) \
		{ \
			UE_LOG(LogTemp, Verbosity, Format, ##__VA_ARGS__); \
		} \
	} while (0)
