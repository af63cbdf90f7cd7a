#include "TakeSubjectExport.h"

#include "ExportFile.h"
#include "Misc/Paths.h"
#include "TakeProgress.h"
#include "TakeReader.h"

#include <algorithm>

namespace
{
bool OpenTake(const FTakeExportRequest& Request, FTakeReader& Reader, FString& OutError)
{
	Reader.OnProblem = Request.OnProblem;
	return Reader.Open(Request.TakePath, OutError);
}

/** The first pass: the subject's frames, their times and calibration. */
bool PlanExport(const FTakeExportRequest& Request, FTakeProgress& Progress, FTakeSubjectPlan& OutPlan, FString& OutError)
{
	FTakeReader Reader;
	FTakeSummary Summary;
	if (!OpenTake(Request, Reader, OutError) || !SummarizeTake(Reader, Summary, &Progress))
	{
		OutError = OutError.IsEmpty() ? Reader.GetReadError() : OutError;
		return false;
	}
	const std::vector<const FTakeSubjectSummary*> Subjects = Summary.FindSubjects(Request.Subject);
	if (Subjects.empty())
	{
		OutError = FString::Printf("%s has no subject %s with static data", *Request.TakePath, *Request.Subject);
		return false;
	}
	for (const FTakeSubjectSummary* Subject : Subjects)
	{
		if (Subject->Role != ETakeSubjectRole::Animation)
		{
			OutError = FString::Printf("subject %s of %s is a prop, not a character", *Request.Subject, *Request.TakePath);
			return false;
		}
		if (Subject->NumFrames() == 0)
		{
			continue;
		}
		OutPlan.First = OutPlan.Frames == 0 ? Subject->FrameTimes.front() : std::min(OutPlan.First, Subject->FrameTimes.front());
		OutPlan.Last = std::max(OutPlan.Last, Subject->FrameTimes.back());
		OutPlan.Frames += Subject->NumFrames();
		OutPlan.NominalRate = std::max(OutPlan.NominalRate, Subject->NominalRate());
		if (!OutPlan.bHasLegLengths && Subject->bHasLegLengths)
		{
			OutPlan.bHasLegLengths = true;
			std::copy(std::begin(Subject->LegLengths), std::end(Subject->LegLengths), OutPlan.LegLengths);
		}
	}
	if (OutPlan.Frames == 0)
	{
		OutError = FString::Printf("subject %s of %s has no frames", *Request.Subject, *Request.TakePath);
		return false;
	}
	return true;
}

/** The second pass: the subject's lines to the sink. */
bool FeedSubject(const FTakeExportRequest& Request, const FTakeSubjectPlan& Plan, const FString& TemporaryPath,
	ITakeSubjectSink& Sink, FTakeProgress& Progress, FString& OutError)
{
	FTakeReader Reader;
	if (!OpenTake(Request, Reader, OutError))
	{
		return false;
	}
	Reader.OnProblem = nullptr;  // the first pass told them
	Progress.SetWhat("Exporting " + Request.Subject + " to " + FPaths::GetCleanFilename(Request.OutputPath));
	FTakeEvent Event;
	int32 NumBones = -1;
	while (Reader.Next(Event))
	{
		Progress.Update(Reader.GetBytesRead(), Reader.GetFileSize());
		if (!Event.Subject.Equals(Request.Subject, ESearchCase::CaseSensitive))
		{
			continue;
		}
		if (Event.Kind == ETakeEvent::Static && NumBones < 0)
		{
			if (!Sink.Begin(Event, Plan, TemporaryPath, OutError))
			{
				return false;
			}
			NumBones = Event.BoneNames.Num();
		}
		else if (Event.Kind == ETakeEvent::Frame && Event.Transforms.Num() == NumBones)
		{
			Sink.AddFrame(Event);
		}
		else if (Event.Kind == ETakeEvent::Frame && Request.OnProblem)
		{
			Request.OnProblem(FString::Printf("line %lld: frame of %s on a skeleton of %d bones, not the %d it started with",
				static_cast<long long>(Event.Line), *Request.Subject, Event.Transforms.Num(), NumBones));
		}
	}
	if (!Reader.GetReadError().IsEmpty())
	{
		OutError = Reader.GetReadError();
		return false;
	}
	return true;
}
}

bool ExportTakeSubject(const FTakeExportRequest& Request, ITakeSubjectSink& Sink, FTakeExportResult& OutResult, FString& OutError)
{
	FTakeProgress Progress("Reading " + FPaths::GetCleanFilename(Request.TakePath));
	FTakeSubjectPlan Plan;
	if (!PlanExport(Request, Progress, Plan, OutError))
	{
		return false;
	}
	FExportFile Output(Request.OutputPath);
	return FeedSubject(Request, Plan, Output.GetTemporaryPath(), Sink, Progress, OutError) && Sink.Finish(OutResult, OutError)
		&& Output.Commit(OutError);
}
