#pragma once
// FZevoSubjectNames: the subject names one source has met, and the bound on how many distinct
// names it may bring into the process over its life. Names live in the engine's name table for
// good, so a sender that makes up a new name for every datagram would otherwise grow it without
// end, long after the sweep has removed the subjects. Game thread only.
#include "Containers/StringView.h"
#include "CoreMinimal.h"

class FZevoSubjectNames
{
public:
	/** Enough for any real session (performers and props over many takes), small enough to stay a few MiB. */
	static constexpr int32 MaxDistinctNames = 16384;

	/** The name met before for these bytes, spelled as it was first met (names compare without case). */
	bool Find(FAnsiStringView Bytes, FName& OutName) const;
	/** Makes the name for bytes not met before; false, and no name made, once the source has met as many as it may. */
	bool Add(FAnsiStringView Bytes, FName& OutName);

private:
	TMap<FString, FName> Known;
};
