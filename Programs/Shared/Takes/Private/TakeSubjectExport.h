#pragma once
// The part every export shares: plan from a first pass over the take, find the subject, then feed
// its static data and frames, in order, from a second pass to the format's writer, and move the
// finished file into place.
#include "TakeExport.h"
#include "TakeSummary.h"

/** What the subject's frames are, as the first pass found them (all sources of the name together). */
struct FTakeSubjectPlan
{
	int64 Frames = 0;
	double First = 0.0;
	double Last = 0.0;
	double NominalRate = 0.0;
	/** The first source's, when its frames carry them. */
	bool bHasLegLengths = false;
	float LegLengths[3] = {};
};

/** One format's writer. */
class ITakeSubjectSink
{
public:
	virtual ~ITakeSubjectSink() = default;
	/** The subject's first static line; the file is to be written at TemporaryPath. */
	virtual bool Begin(const FTakeEvent& Static, const FTakeSubjectPlan& Plan, const FString& TemporaryPath, FString& OutError) = 0;
	/** One frame that fits the skeleton Begin was given, in time order. */
	virtual void AddFrame(const FTakeEvent& Frame) = 0;
	/** Completes the file; false with OutError when it could not be written. */
	virtual bool Finish(FTakeExportResult& OutResult, FString& OutError) = 0;
};

bool ExportTakeSubject(const FTakeExportRequest& Request, ITakeSubjectSink& Sink, FTakeExportResult& OutResult, FString& OutError);
