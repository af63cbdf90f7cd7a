#include "StatusTable.h"

#include "ZevoLiveLinkPropComponent.h"

namespace
{
/** Count rose from Before over Interval seconds; a count that restarted (a subject made anew) counts from zero. */
double PerSecond(int64 Count, int64 Before, double Interval)
{
	const int64 New = Count >= Before ? Count - Before : Count;
	return Interval > 0.0 ? static_cast<double>(New) / Interval : 0.0;
}

/** Location in centimetres, rotation as pitch, yaw and roll in degrees, and what the actor follows. */
FString FormatActor(const AActor& Actor)
{
	const FVector Location = Actor.GetActorLocation();
	const FRotator Rotation = Actor.GetActorRotation();
	FString Follows = "-";
	if (const UZevoLiveLinkPropComponent* Prop = Actor.FindComponentByClass<UZevoLiveLinkPropComponent>())
	{
		Follows = FString::Printf("%s (%s)", *Prop->SubjectName.ToString(), Prop->IsReceivingData() ? "receiving" : "no data");
	}
	return FString::Printf("%-24s %-30s %-26s %s\n", *Actor.GetActorLabel(),
		*FString::Printf("%.1f, %.1f, %.1f", Location.X, Location.Y, Location.Z),
		*FString::Printf("%.1f, %.1f, %.1f", Rotation.Pitch, Rotation.Yaw, Rotation.Roll), *Follows);
}
}

FString FStatusTable::Format(const FLiveLinkClient& Client, const TArray<AActor*>& Actors, const TArray<FAnimatedSubjectStatus>& Animated,
	double RunSeconds)
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
		Table += FString::Printf("%-16s %-24s %.1f\n", *Subject.Key.SubjectName.ToString(),
			Subject.Role ? *Subject.Role->GetName() : "None", PerSecond(Subject.FramesReceived, PreviousFrames.FindRef(Subject.Key), Interval));
		Frames.Add(Subject.Key, Subject.FramesReceived);
	}
	if (Subjects.IsEmpty())
	{
		Table += "(no subjects)\n";
	}

	Table += FString::Printf("%-24s %-30s %-26s %s\n", "Actor", "Location (cm)", "Rotation (P, Y, R deg)", "Follows");
	for (const AActor* Actor : Actors)
	{
		Table += FormatActor(*Actor);
	}
	if (Actors.IsEmpty())
	{
		Table += "(no actors)\n";
	}

	TArray<int64> Poses;
	if (!Animated.IsEmpty())
	{
		Table += FString::Printf("%-16s %-52s %s\n", "Animated", "Remap asset", "Poses/s");
	}
	for (int32 Index = 0; Index < Animated.Num(); ++Index)
	{
		const FAnimatedSubjectStatus& Mesh = Animated[Index];
		const int64 Before = PreviousPoses.IsValidIndex(Index) ? PreviousPoses[Index] : 0;
		Table += FString::Printf("%-16s %-52s %.1f\n", *Mesh.Subject.ToString(), *Mesh.Asset, PerSecond(Mesh.PosesBuilt, Before, Interval));
		Poses.Add(Mesh.PosesBuilt);
	}

	PreviousFrames = MoveTemp(Frames);
	PreviousPoses = MoveTemp(Poses);
	PreviousSeconds = RunSeconds;
	return Table;
}
