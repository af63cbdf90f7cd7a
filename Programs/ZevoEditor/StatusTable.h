#pragma once
// FStatusTable: the short table the running editor prints once a second: every source with its
// type, machine name, status and what it dropped since it started, every subject with its role, frames per second and frames since
// it was made, every actor of the world with where it stands and, for an actor that follows a
// prop, the subject it follows and whether that subject is sending, and every animated subject
// with its remap asset and poses built per second; the rates are since the previous table. Each
// section shows its first 40 rows and says how many more there are; text from outside is shown
// escaped (see ToDisplayText).
#include "AnimatedSubjects.h"
#include "GameFramework/Actor.h"
#include "LiveLinkClient.h"

class FStatusTable
{
public:
	/** The table for the state now; RunSeconds is the time since the editor started. */
	FString Format(const FLiveLinkClient& Client, const TArray<AActor*>& Actors, const TArray<FAnimatedSubjectStatus>& Animated,
		double RunSeconds);

private:
	TMap<FLiveLinkSubjectKey, int64> PreviousFrames;
	TArray<int64> PreviousPoses;
	double PreviousSeconds = 0.0;
};
