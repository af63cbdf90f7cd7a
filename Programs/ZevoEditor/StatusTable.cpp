#include "StatusTable.h"

#include "DisplayText.h"
#include "ZevoLiveLinkPropComponent.h"
#include "ZevoLiveLinkSourceDrops.h"

namespace
{
/** A level or a sender can make thousands of rows; the table shows this many of each kind. */
constexpr int32 MaxRowsPerSection = 40;

/** Count rose from Before over Interval seconds; a count that restarted (a subject made anew) counts from zero. */
double PerSecond(int64 Count, int64 Before, double Interval)
{
	const int64 New = Count >= Before ? Count - Before : Count;
	return Interval > 0.0 ? static_cast<double>(New) / Interval : 0.0;
}

/** The line that stands for the rows a section leaves out, or "(no <what>)" for an empty one. */
FString FormatSectionEnd(int32 Total, const char* What)
{
	if (Total == 0)
	{
		return FString::Printf("(no %s)\n", What);
	}
	return Total > MaxRowsPerSection ? FString::Printf("... and %d more %s\n", Total - MaxRowsPerSection, What) : FString();
}

/** Location in centimetres, rotation as pitch, yaw and roll in degrees, and what the actor follows. */
FString FormatActor(const AActor& Actor)
{
	const FVector Location = Actor.GetActorLocation();
	const FRotator Rotation = Actor.GetActorRotation();
	FString Follows = "-";
	if (const UZevoLiveLinkPropComponent* Prop = Actor.FindComponentByClass<UZevoLiveLinkPropComponent>())
	{
		Follows = FString::Printf("%s (%s)", *ToDisplayText(Prop->SubjectName.ToString()), Prop->IsReceivingData() ? "receiving" : "no data");
	}
	return FString::Printf("%-24s %-30s %-26s %s\n", *ToDisplayText(Actor.GetActorLabel()),
		*FString::Printf("%.1f, %.1f, %.1f", Location.X, Location.Y, Location.Z),
		*FString::Printf("%.1f, %.1f, %.1f", Rotation.Pitch, Rotation.Yaw, Rotation.Roll), *Follows);
}

/** What a stream source dropped since it started, "-" for none or for another kind of source. */
FString FormatDrops(const FGuid& Source)
{
	FZevoSourceDropCounts Drops;
	return ZevoGetSourceDropCounts(Source, Drops) && Drops.Total() > 0 ? Drops.ToString() : FString("-");
}

FString FormatSources(const FLiveLinkClient& Client)
{
	const TArray<FGuid> Sources = Client.GetSources();
	FString Section = FString::Printf("%-16s %-24s %-18s %s\n", "Source", "Machine", "Status", "Dropped");
	for (int32 Index = 0; Index < FMath::Min(Sources.Num(), MaxRowsPerSection); ++Index)
	{
		Section += FString::Printf("%-16s %-24s %-18s %s\n", *ToDisplayText(Client.GetSourceType(Sources[Index]).ToString()),
			*ToDisplayText(Client.GetSourceMachineName(Sources[Index]).ToString()),
			*ToDisplayText(Client.GetSourceStatus(Sources[Index]).ToString(), 160), *FormatDrops(Sources[Index]));
	}
	return Section + FormatSectionEnd(Sources.Num(), "sources");
}
}

FString FStatusTable::Format(const FLiveLinkClient& Client, const TArray<AActor*>& Actors, const TArray<FAnimatedSubjectStatus>& Animated,
	double RunSeconds)
{
	const double Interval = RunSeconds - PreviousSeconds;
	FString Table = FString::Printf("--- zevo-editor status at %.1f s ---\n", RunSeconds) + FormatSources(Client);

	const TArray<FLiveLinkSubjectStatus> Subjects = Client.GetSubjectStatuses();
	TMap<FLiveLinkSubjectKey, int64> Frames;
	Table += FString::Printf("%-16s %-24s %-9s %s\n", "Subject", "Role", "Frames/s", "Frames");
	for (int32 Index = 0; Index < FMath::Min(Subjects.Num(), MaxRowsPerSection); ++Index)
	{
		const FLiveLinkSubjectStatus& Subject = Subjects[Index];
		Table += FString::Printf("%-16s %-24s %-9.1f %lld\n", *ToDisplayText(Subject.Key.SubjectName.ToString()),
			Subject.Role ? *Subject.Role->GetName() : "None", PerSecond(Subject.FramesReceived, PreviousFrames.FindRef(Subject.Key), Interval),
			static_cast<long long>(Subject.FramesReceived));
		Frames.Add(Subject.Key, Subject.FramesReceived);
	}
	Table += FormatSectionEnd(Subjects.Num(), "subjects");

	Table += FString::Printf("%-24s %-30s %-26s %s\n", "Actor", "Location (cm)", "Rotation (P, Y, R deg)", "Follows");
	for (int32 Index = 0; Index < FMath::Min(Actors.Num(), MaxRowsPerSection); ++Index)
	{
		Table += FormatActor(*Actors[Index]);
	}
	Table += FormatSectionEnd(Actors.Num(), "actors");

	TArray<int64> Poses;
	if (!Animated.IsEmpty())
	{
		Table += FString::Printf("%-16s %-52s %s\n", "Animated", "Remap asset", "Poses/s");
	}
	for (int32 Index = 0; Index < FMath::Min(Animated.Num(), MaxRowsPerSection); ++Index)
	{
		const FAnimatedSubjectStatus& Mesh = Animated[Index];
		const int64 Before = PreviousPoses.IsValidIndex(Index) ? PreviousPoses[Index] : 0;
		Table += FString::Printf("%-16s %-52s %.1f\n", *ToDisplayText(Mesh.Subject.ToString()), *ToDisplayText(Mesh.Asset, 160),
			PerSecond(Mesh.PosesBuilt, Before, Interval));
		Poses.Add(Mesh.PosesBuilt);
	}
	if (!Animated.IsEmpty())
	{
		Table += FormatSectionEnd(Animated.Num(), "animated subjects");
	}

	PreviousFrames = MoveTemp(Frames);
	PreviousPoses = MoveTemp(Poses);
	PreviousSeconds = RunSeconds;
	return Table;
}
