#pragma once
// FTakeSummary: what a take holds, gathered in one pass of the reader: its subjects with their
// roles, frame counts, timing and gaps, and the lines that are not frames. `take info` prints it
// and the exporters plan their output from it before they read the take a second time.
#include "TakeFormat.h"

#include <vector>

/** One subject of a take: the frames under one source and name. */
struct FTakeSubjectSummary
{
	FString Source;
	FString Subject;
	ETakeSubjectRole Role = ETakeSubjectRole::Animation;
	int32 NumBones = 0;
	/** The time of every frame, rising. */
	std::vector<double> FrameTimes;
	/** How often the subject's static data came (more than once after removals). */
	int32 StaticLines = 0;
	/** A character's leg (upper, lower, hip to upper leg; metres) from the first frame that carries
	 *  all three, when one does. */
	bool bHasLegLengths = false;
	float LegLengths[3] = {};

	int64 NumFrames() const { return int64(FrameTimes.size()); }
	double Duration() const { return FrameTimes.empty() ? 0.0 : FrameTimes.back() - FrameTimes.front(); }
	/** The rate the frames were sent at: the median time between two frames, as whole frames per
	 *  second (arrival times jitter around the sender's rate). 0 with fewer than two frames at
	 *  different times. */
	double NominalRate() const;
};

/** A stretch without frames of a subject, longer than one and a half frame periods. */
struct FTakeGap
{
	double Start = 0.0;
	double Seconds = 0.0;
};

struct FTakeSummary
{
	int64 Lines = 0;
	/** The times of the first and last sound line. */
	double First = 0.0;
	double Last = 0.0;
	/** In the order their first static line came. */
	std::vector<FTakeSubjectSummary> Subjects;
	int64 Poses = 0;
	int64 ActorPlacements = 0;
	int64 Problems = 0;

	/** The subjects of that name, whatever their source (a source added again gets a new GUID). */
	std::vector<const FTakeSubjectSummary*> FindSubjects(const FString& Name) const;
};

/** The gaps of a subject's frames, judged against its nominal rate. */
std::vector<FTakeGap> FindTakeGaps(const FTakeSubjectSummary& Subject);

class FTakeReader;
class FTakeProgress;

/** Reads the rest of the take through Reader into a summary (Reader's problems are counted, and
 *  still told to its OnProblem), showing how far it is on Progress when given. False when the
 *  file could not be read on (Reader's error). */
bool SummarizeTake(FTakeReader& Reader, FTakeSummary& OutSummary, FTakeProgress* Progress = nullptr);
