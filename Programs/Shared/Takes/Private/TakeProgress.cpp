#include "TakeProgress.h"

#include <cstdio>
#include <unistd.h>

FTakeProgress::FTakeProgress(FString InWhat) : What(MoveTemp(InWhat)), bTerminal(isatty(STDERR_FILENO) == 1)
{
}

FTakeProgress::~FTakeProgress()
{
	if (bTerminal && Shown >= 0)
	{
		std::fprintf(stderr, "\r\033[K");
	}
}

void FTakeProgress::Update(uint64 Done, uint64 Total)
{
	if (!bTerminal || Total == 0)
	{
		return;
	}
	const int32 Percent = int32(std::min<uint64>(Done, Total) * 100 / Total);
	if (Percent != Shown)
	{
		Shown = Percent;
		std::fprintf(stderr, "\r%s: %d%%", *What, Percent);
		std::fflush(stderr);
	}
}
