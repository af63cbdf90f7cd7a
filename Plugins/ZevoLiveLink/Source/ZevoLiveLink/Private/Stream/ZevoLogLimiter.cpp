#include "ZevoLogLimiter.h"

#include "Misc/ScopeLock.h"

namespace
{
/** The line's fixed start, up to its first value: enough to tell the kinds apart. */
FString FormatStart(const TCHAR* Format)
{
	constexpr int32 MaxLength = 48;
	FString Start;
	for (int32 Index = 0; Format[Index] != TCHAR('\0') && Format[Index] != TCHAR('%') && Index < MaxLength; ++Index)
	{
		Start.AppendChar(Format[Index]);
	}
	return Start.TrimEnd();
}
}

bool FZevoLogLimiter::ShouldLog(const TCHAR* Format)
{
	FScopeLock ScopeLock(&Lock);
	FKindCounts& Counts = Kinds.FindOrAdd(Format);
	if (Counts.Logged < LinesPerSecond)
	{
		++Counts.Logged;
		return true;
	}
	++Counts.Suppressed;
	return false;
}

FString FZevoLogLimiter::TakeSuppressed()
{
	FScopeLock ScopeLock(&Lock);
	FString Text;
	for (auto& Kind : Kinds)
	{
		if (Kind.Value.Suppressed > 0)
		{
			Text += FString::Printf(TEXT("%s%lld x \"%s\""), Text.IsEmpty() ? TEXT("") : TEXT(", "), static_cast<long long>(Kind.Value.Suppressed),
				*FormatStart(Kind.Key));
		}
	}
	// The kinds are the decoders' call sites: a few dozen at most, kept for the source's life.
	for (auto& Kind : Kinds)
	{
		Kind.Value = FKindCounts();
	}
	return Text;
}
