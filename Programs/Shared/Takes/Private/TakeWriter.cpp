#include "TakeWriter.h"

#include "HAL/PlatformTime.h"
#include "Roles/LiveLinkAnimationTypes.h"
#include "Roles/LiveLinkTransformTypes.h"

#include <charconv>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <nlohmann/json.hpp>
#include <sys/stat.h>

namespace
{
// Enough queued events to be worth one write; a quiet stream is still written once a second.
constexpr size_t EventsPerWrite = 256;
constexpr double SecondsBetweenWrites = 1.0;

// Lines are written as text directly: a character frame is some 500 numbers, and building a JSON
// document for each would cost several times more than the numbers themselves.

/** The shortest text that reads back as exactly Value; JSON has no NaN or infinity, so null. */
template <typename T>
void AppendNumber(std::string& Out, T Value)
{
	if (!std::isfinite(Value))
	{
		Out += "null";
		return;
	}
	char Buffer[32];
	const std::to_chars_result Result = std::to_chars(Buffer, Buffer + sizeof(Buffer), Value);
	Out.append(Buffer, Result.ptr);
}

template <typename T>
void AppendNumbers(std::string& Out, std::initializer_list<T> Values)
{
	Out += '[';
	for (const T& Value : Values)
	{
		if (&Value != Values.begin())
		{
			Out += ',';
		}
		AppendNumber(Out, Value);
	}
	Out += ']';
}

/** A JSON string; names from the stream may carry any bytes, so what is not UTF-8 is replaced. */
void AppendString(std::string& Out, const FString& Text)
{
	Out += nlohmann::json(Text.ToStdString()).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

void AppendNames(std::string& Out, const TArray<FName>& Names)
{
	Out += '[';
	for (int32 Index = 0; Index < Names.Num(); ++Index)
	{
		Out += Index > 0 ? "," : "";
		AppendString(Out, Names[Index].ToString());
	}
	Out += ']';
}

void AppendTransform(std::string& Out, const FTransform& Transform)
{
	const FQuat& R = Transform.GetRotation();
	const FVector& T = Transform.GetTranslation();
	const FVector& S = Transform.GetScale3D();
	Out += "{\"r\":";
	AppendNumbers(Out, {R.X, R.Y, R.Z, R.W});
	Out += ",\"t\":";
	AppendNumbers(Out, {T.X, T.Y, T.Z});
	Out += ",\"s\":";
	AppendNumbers(Out, {S.X, S.Y, S.Z});
	Out += '}';
}

/** The transforms one after another, comma-separated, without the brackets. */
void AppendTransforms(std::string& Out, const TArray<FTransform>& Transforms)
{
	for (int32 Index = 0; Index < Transforms.Num(); ++Index)
	{
		Out += Index > 0 ? "," : "";
		AppendTransform(Out, Transforms[Index]);
	}
}
}

FTakeWriter::FTakeWriter(const FString& InFilename) : Filename(InFilename), StartSeconds(FPlatformTime::Seconds())
{
	File = std::fopen(*Filename, "wb");
	struct stat Status = {};
	if (!File || fstat(fileno(File), &Status) != 0)
	{
		UE_LOG(LogTemp, Error, "Cannot create the take file %s: %s", *Filename, std::strerror(errno));
		if (File)
		{
			std::fclose(File);
			File = nullptr;
		}
		return;
	}
	FileDevice = Status.st_dev;
	FileInode = Status.st_ino;
	bCreated = true;
	Writer = std::thread([this] { WriteUntilStopped(); });
}

FTakeWriter::~FTakeWriter()
{
	Finish();
}

void FTakeWriter::OnStaticDataPushed(const FLiveLinkSubjectKey& SubjectKey, TSubclassOf<ULiveLinkRole> Role,
	const FLiveLinkStaticDataStruct& StaticData)
{
	Queue(FEvent{EEventKind::Static, 0.0, SubjectKey, Role, StaticData.Share(), {}});
}

void FTakeWriter::OnFrameDataPushed(const FLiveLinkSubjectKey& SubjectKey, const FLiveLinkFrameDataStruct& FrameData)
{
	Queue(FEvent{EEventKind::Frame, 0.0, SubjectKey, {}, {}, FrameData.Share()});
}

void FTakeWriter::OnSubjectRemoved(const FLiveLinkSubjectKey& SubjectKey)
{
	Queue(FEvent{EEventKind::Remove, 0.0, SubjectKey, {}, {}, {}});
}

void FTakeWriter::RecordSourceDrops(const FGuid& Source, const TArray<TPair<FString, int64>>& Counts)
{
	FEvent Event{EEventKind::Drops, 0.0, FLiveLinkSubjectKey(Source, NAME_None), {}, {}, {}};
	Event.Drops = Counts;
	Queue(MoveTemp(Event));
}

void FTakeWriter::RecordActorTransform(int64 EngineFrame, const FString& ActorLabel, const FTransform& WorldTransform)
{
	Queue(FEvent{EEventKind::Actor, 0.0, {}, {}, {}, {}, {EngineFrame, ActorLabel, WorldTransform}});
}

void FTakeWriter::RecordPose(FName SubjectName, const FString& AssetPath, const FCompactPose& Pose)
{
	if (!IsOpen())
	{
		return;
	}
	const FReferenceSkeleton& RefSkeleton = Pose.GetBoneContainer().GetReferenceSkeleton();
	const auto Recorded = std::make_shared<FRecordedPose>();
	Recorded->Asset = AssetPath;
	Recorded->Transforms = Pose.GetBones();
	// Parents come before their children, so one pass composes every bone onto its parent's result.
	TArray<FTransform> Component;
	Component.Reserve(Pose.GetNumBones());
	for (int32 Index = 0; Index < Pose.GetNumBones(); ++Index)
	{
		const int32 Parent = RefSkeleton.GetParentIndex(Index);
		Component.Add(Parent == INDEX_NONE ? Pose[Index] : Pose[Index] * Component[Parent]);
		Recorded->BoneNames.Add(RefSkeleton.GetBoneName(Index));
		Recorded->Positions.Add(Component.Last().GetTranslation());
	}
	Queue(FEvent{EEventKind::Pose, 0.0, FLiveLinkSubjectKey(FGuid(), SubjectName), {}, {}, {}, {}, MoveTemp(Recorded)});
}

void FTakeWriter::Queue(FEvent&& Event)
{
	bool bBatchReady;
	{
		std::lock_guard Lock(PendingMutex);
		if (!bCreated || bStopping)
		{
			return;
		}
		// Stamped under the lock, so times rise in the order the lines are written.
		Event.Time = FPlatformTime::Seconds() - StartSeconds;
		Pending.push_back(MoveTemp(Event));
		bBatchReady = Pending.size() == EventsPerWrite;
	}
	if (bBatchReady)
	{
		WorkAvailable.notify_one();
	}
}

void FTakeWriter::WriteUntilStopped()
{
	std::unique_lock Lock(PendingMutex);
	while (!bStopping)
	{
		WorkAvailable.wait_for(Lock, std::chrono::duration<double>(SecondsBetweenWrites),
			[this] { return bStopping || Pending.size() >= EventsPerWrite; });
		Lock.unlock();
		Flush();
		Lock.lock();
	}
}

void FTakeWriter::Flush()
{
	std::lock_guard WriteLock(WriteMutex);
	std::vector<FEvent> Batch;
	{
		std::lock_guard Lock(PendingMutex);
		Batch.swap(Pending);
	}
	if (!File || Batch.empty())
	{
		return;
	}
	std::string Text;
	for (const FEvent& Event : Batch)
	{
		Text += FormatLine(Event);
		Text += '\n';
	}
	Write(Text, int64(Batch.size()), Batch.back().Time);
}

void FTakeWriter::Write(const std::string& Text, int64 Lines, double LastTime)
{
	if (!Error.IsEmpty())
	{
		return;  // the take already stops where the first failure left it
	}
	if (std::fwrite(Text.data(), 1, Text.size(), File) != Text.size() || std::fflush(File) != 0)
	{
		Fail(std::strerror(errno));
		return;
	}
	if (!StillHasFile())
	{
		Fail("the file was removed or replaced while it was written");
		return;
	}
	LinesWritten += Lines;
	SecondsWritten = LastTime;
}

void FTakeWriter::Fail(const FString& Why)
{
	Error = FString::Printf("Failed to write the take %s: %s; it stops after line %lld (%.3f s recorded)", *Filename, *Why,
		static_cast<long long>(LinesWritten), SecondsWritten);
	UE_LOG(LogTemp, Error, "%s", *Error);
}

bool FTakeWriter::StillHasFile() const
{
	struct stat Status = {};
	return stat(*Filename, &Status) == 0 && uint64(Status.st_dev) == FileDevice && uint64(Status.st_ino) == FileInode;
}

bool FTakeWriter::Finish()
{
	{
		std::lock_guard Lock(PendingMutex);
		bStopping = true;
	}
	WorkAvailable.notify_one();
	if (Writer.joinable())
	{
		Writer.join();
	}
	Flush();
	std::lock_guard WriteLock(WriteMutex);
	if (File)
	{
		if (std::fclose(File) != 0 && Error.IsEmpty())
		{
			Fail(std::strerror(errno));
		}
		File = nullptr;
	}
	return bCreated && Error.IsEmpty();
}

std::string FTakeWriter::FormatDropsLine(const FEvent& Event)
{
	std::string Line = "{\"t\":";
	AppendNumber(Line, Event.Time);
	Line += ",\"event\":\"drops\",\"source\":\"";
	Line += *Event.Key.Source.ToString();
	Line += "\",\"counts\":{";
	for (int32 Index = 0; Index < Event.Drops.Num(); ++Index)
	{
		Line += Index > 0 ? "," : "";
		AppendString(Line, Event.Drops[Index].Key);
		Line += ':';
		Line += std::to_string(Event.Drops[Index].Value);
	}
	Line += "}}";
	return Line;
}

std::string FTakeWriter::FormatLine(const FEvent& Event)
{
	if (Event.Kind == EEventKind::Drops)
	{
		return FormatDropsLine(Event);
	}
	std::string Line = "{\"t\":";
	AppendNumber(Line, Event.Time);
	if (Event.Kind == EEventKind::Actor)
	{
		Line += ",\"event\":\"actor\",\"frame\":";
		Line += std::to_string(Event.Actor.EngineFrame);
		Line += ",\"label\":";
		AppendString(Line, Event.Actor.Label);
		Line += ",\"transform\":";
		AppendTransform(Line, Event.Actor.Transform);
		Line += '}';
		return Line;
	}
	static const char* const EventNames[] = {"static", "frame", "remove", "actor", "pose"};  // by EEventKind
	Line += ",\"event\":\"";
	Line += EventNames[static_cast<int>(Event.Kind)];
	Line += '"';
	if (Event.Kind != EEventKind::Pose)
	{
		Line += ",\"source\":\"";
		Line += *Event.Key.Source.ToString();
		Line += '"';
	}
	Line += ",\"subject\":";
	AppendString(Line, Event.Key.SubjectName.ToString());
	if (Event.Kind == EEventKind::Static)
	{
		const FLiveLinkSkeletonStaticData* Skeleton = Event.StaticData.Cast<FLiveLinkSkeletonStaticData>();
		Line += ",\"role\":";
		AppendString(Line, Event.Role ? Event.Role->GetName() : FString());
		Line += ",\"bones\":";
		AppendNames(Line, Skeleton ? Skeleton->BoneNames : TArray<FName>());
		Line += ",\"parents\":[";
		for (int32 Index = 0; Skeleton && Index < Skeleton->BoneParents.Num(); ++Index)
		{
			Line += Index > 0 ? "," : "";
			Line += std::to_string(Skeleton->BoneParents[Index]);
		}
		Line += "],\"properties\":";
		AppendNames(Line, Event.StaticData.GetBaseData()->PropertyNames);
	}
	else if (Event.Kind == EEventKind::Frame)
	{
		Line += ",\"transforms\":[";
		if (const FLiveLinkAnimationFrameData* Animation = Event.FrameData.Cast<FLiveLinkAnimationFrameData>())
		{
			AppendTransforms(Line, Animation->Transforms);
		}
		else if (const FLiveLinkTransformFrameData* Single = Event.FrameData.Cast<FLiveLinkTransformFrameData>())
		{
			AppendTransform(Line, Single->Transform);
		}
		Line += "],\"properties\":[";
		const TArray<float>& Values = Event.FrameData.GetBaseData()->PropertyValues;
		for (int32 Index = 0; Index < Values.Num(); ++Index)
		{
			Line += Index > 0 ? "," : "";
			AppendNumber(Line, Values[Index]);
		}
		Line += ']';
	}
	else if (Event.Kind == EEventKind::Pose)
	{
		Line += ",\"asset\":";
		AppendString(Line, Event.Pose->Asset);
		Line += ",\"bones\":";
		AppendNames(Line, Event.Pose->BoneNames);
		Line += ",\"transforms\":[";
		AppendTransforms(Line, Event.Pose->Transforms);
		Line += "],\"positions\":[";
		for (int32 Index = 0; Index < Event.Pose->Positions.Num(); ++Index)
		{
			const FVector& Position = Event.Pose->Positions[Index];
			Line += Index > 0 ? "," : "";
			AppendNumbers(Line, {Position.X, Position.Y, Position.Z});
		}
		Line += ']';
	}
	Line += '}';
	return Line;
}
