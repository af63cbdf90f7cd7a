#pragma once
// What every export of a take is asked: which take, which subject, where to. An export reads the
// take twice, one line at a time (once to plan, once to write), so that its memory does not grow
// with the take; lines that are not sound are skipped and told to OnProblem, and the export goes on
// with what is sound. It writes a temporary file and renames it to OutputPath once complete.
#include "CoreMinimal.h"

struct FTakeExportRequest
{
	FString TakePath;
	/** The character subject's name; its frames are taken from every source that sent that name. */
	FString Subject;
	FString OutputPath;
	/** Told each skipped line, as "line N: why". */
	TFunction<void(const FString&)> OnProblem;
};

/** How many frames an export wrote and the time they span. */
struct FTakeExportResult
{
	int64 Frames = 0;
	double Seconds = 0.0;
	double Rate = 0.0;
};
