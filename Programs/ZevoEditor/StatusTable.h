#pragma once
// FStatusTable: the short table the running editor prints once a second: every source with its
// type, machine name and status, every subject with its role and frames per second since the
// previous table, and every actor of the world with where it stands and, for an actor that follows
// a prop, the subject it follows and whether that subject is sending.
#include "GameFramework/Actor.h"
#include "LiveLinkClient.h"

class FStatusTable
{
public:
	/** The table for the client's and the actors' state now; RunSeconds is the time since the editor started. */
	FString Format(const FLiveLinkClient& Client, const TArray<AActor*>& Actors, double RunSeconds);

private:
	TMap<FLiveLinkSubjectKey, int64> PreviousFrames;
	double PreviousSeconds = 0.0;
};
