#pragma once
// FTakeProgress: "what: NN%" on the terminal while a long job reads a take, redrawn in place and
// cleared at the end. Only when standard error is a terminal: piped or redirected output stays free
// of progress lines.
#include "CoreMinimal.h"

class FTakeProgress
{
public:
	explicit FTakeProgress(FString InWhat);
	/** Starts over, for the next stage of the same job. */
	void SetWhat(FString InWhat) { What = MoveTemp(InWhat); Shown = -1; }
	~FTakeProgress();
	FTakeProgress(const FTakeProgress&) = delete;
	FTakeProgress& operator=(const FTakeProgress&) = delete;

	/** Done of Total units; redraws only when the whole percentage changes. */
	void Update(uint64 Done, uint64 Total);

private:
	FString What;
	bool bTerminal = false;
	int32 Shown = -1;
};
