#pragma once
// FSourceDropsRecord: puts into the take what each stream source has dropped since it started,
// each time the editor looks (once a second and at the end) and only when the counts changed, so
// that a take shows when a sender was refused and why.
#include "LiveLinkClient.h"
#include "TakeWriter.h"

class FSourceDropsRecord
{
public:
	void Record(const FLiveLinkClient& Client, FTakeWriter& Take);

private:
	TMap<FGuid, int64> RecordedTotals;
};
