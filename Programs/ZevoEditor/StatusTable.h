#pragma once
// FStatusTable: the short table the running editor prints once a second: every source with its
// type, machine name and status, every subject with its role and frames per second since the
// previous table.
#include "LiveLinkClient.h"

class FStatusTable
{
public:
	/** The table for the client's state now; RunSeconds is the time since the editor started. */
	FString Format(const FLiveLinkClient& Client, double RunSeconds);

private:
	TMap<FLiveLinkSubjectKey, int64> PreviousFrames;
	double PreviousSeconds = 0.0;
};
