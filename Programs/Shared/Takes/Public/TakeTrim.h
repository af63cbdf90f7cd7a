#pragma once
// Cutting a take: the lines from one time to another (on the take's own clock, "t"), each copied
// byte for byte, after the static lines of the subjects that were present when the cut begins, so
// that every frame of the cut still follows its subject's static data. Lines that are not sound
// are left out (and told to OnProblem). The cut is written to a temporary file and renamed when
// complete.
#include "CoreMinimal.h"

struct FTakeTrimResult
{
	/** Lines copied from the cut, and static lines carried in from before it. */
	int64 Lines = 0;
	int64 CarriedStaticLines = 0;
};

bool TrimTake(const FString& TakePath, double From, double To, const FString& OutputPath, TFunction<void(const FString&)> OnProblem,
	FTakeTrimResult& OutResult, FString& OutError);
