#include "StatusTable.h"

FString FStatusTable::Format(const FLiveLinkClient& Client, double RunSeconds)
{
	FString Table = FString::Printf("--- zevo-editor status at %.1f s ---\n", RunSeconds);

	const TArray<FGuid> Sources = Client.GetSources();
	Table += FString::Printf("%-16s %-24s %s\n", "Source", "Machine", "Status");
	for (const FGuid& Source : Sources)
	{
		Table += FString::Printf("%-16s %-24s %s\n", *Client.GetSourceType(Source).ToString(),
			*Client.GetSourceMachineName(Source).ToString(), *Client.GetSourceStatus(Source).ToString());
	}
	if (Sources.IsEmpty())
	{
		Table += "(no sources)\n";
	}

	const TArray<FLiveLinkSubjectStatus> Subjects = Client.GetSubjectStatuses();
	const double Interval = RunSeconds - PreviousSeconds;
	TMap<FLiveLinkSubjectKey, int64> Frames;
	Table += FString::Printf("%-16s %-24s %s\n", "Subject", "Role", "Frames/s");
	for (const FLiveLinkSubjectStatus& Subject : Subjects)
	{
		// A subject made anew since the last table counts from zero again.
		const int64 Before = PreviousFrames.FindRef(Subject.Key);
		const int64 NewFrames = Subject.FramesReceived >= Before ? Subject.FramesReceived - Before : Subject.FramesReceived;
		const double PerSecond = Interval > 0.0 ? static_cast<double>(NewFrames) / Interval : 0.0;
		Table += FString::Printf("%-16s %-24s %.1f\n", *Subject.Key.SubjectName.ToString(),
			Subject.Role ? *Subject.Role->GetName() : "None", PerSecond);
		Frames.Add(Subject.Key, Subject.FramesReceived);
	}
	if (Subjects.IsEmpty())
	{
		Table += "(no subjects)\n";
	}

	PreviousFrames = MoveTemp(Frames);
	PreviousSeconds = RunSeconds;
	return Table;
}
