#include "LiveLinkRecorder.h"

#include "HAL/PlatformTime.h"
#include "LiveLinkLog.h"
#include "Roles/LiveLinkAnimationTypes.h"
#include "Roles/LiveLinkTransformTypes.h"

#include <cerrno>
#include <cstring>
#include <nlohmann/json.hpp>

namespace
{
// Enough queued events to be worth one write; a quiet stream is still written once a second.
constexpr size_t EventsPerWrite = 256;
constexpr double SecondsBetweenWrites = 1.0;

// Keys stay in the order they are set, so the lines read in the documented order.
using FJson = nlohmann::ordered_json;

FJson NamesToJson(const TArray<FName>& Names)
{
	FJson Array = FJson::array();
	for (const FName& Name : Names)
	{
		Array.push_back(Name.ToString().ToStdString());
	}
	return Array;
}

FJson TransformToJson(const FTransform& Transform)
{
	const FQuat& R = Transform.GetRotation();
	const FVector& T = Transform.GetTranslation();
	const FVector& S = Transform.GetScale3D();
	FJson Json = FJson::object();
	Json["r"] = {R.X, R.Y, R.Z, R.W};
	Json["t"] = {T.X, T.Y, T.Z};
	Json["s"] = {S.X, S.Y, S.Z};
	return Json;
}
}

FLiveLinkRecorder::FLiveLinkRecorder(const FString& InFilename)
	: Filename(InFilename), StartSeconds(FPlatformTime::Seconds()), LastTakenSeconds(StartSeconds)
{
	File = std::fopen(*Filename, "wb");
	if (!File)
	{
		UE_LOG(LogLiveLink, Error, "Cannot create the recording file %s: %s", *Filename, std::strerror(errno));
	}
}

FLiveLinkRecorder::~FLiveLinkRecorder()
{
	Flush();
	if (File && std::fclose(File) != 0 && !bReportedWriteError)
	{
		UE_LOG(LogLiveLink, Error, "Failed to finish the recording file %s: %s", *Filename, std::strerror(errno));
	}
}

void FLiveLinkRecorder::RecordStaticData(const FLiveLinkSubjectKey& SubjectKey, TSubclassOf<ULiveLinkRole> Role,
	const FLiveLinkStaticDataStruct& StaticData)
{
	Queue(FEvent{EEventKind::Static, 0.0, SubjectKey, Role, StaticData.Share(), {}});
}

void FLiveLinkRecorder::RecordFrameData(const FLiveLinkSubjectKey& SubjectKey, const FLiveLinkFrameDataStruct& FrameData)
{
	Queue(FEvent{EEventKind::Frame, 0.0, SubjectKey, {}, {}, FrameData.Share()});
}

void FLiveLinkRecorder::RecordSubjectRemoved(const FLiveLinkSubjectKey& SubjectKey)
{
	Queue(FEvent{EEventKind::Remove, 0.0, SubjectKey, {}, {}, {}});
}

void FLiveLinkRecorder::Queue(FEvent&& Event)
{
	if (!IsOpen())
	{
		return;
	}
	std::lock_guard Lock(PendingMutex);
	// Stamped under the lock, so times rise in the order the lines are written.
	Event.Time = FPlatformTime::Seconds() - StartSeconds;
	Pending.push_back(MoveTemp(Event));
}

void FLiveLinkRecorder::WriteIfDue()
{
	{
		std::lock_guard Lock(PendingMutex);
		if (Pending.size() < EventsPerWrite && FPlatformTime::Seconds() - LastTakenSeconds < SecondsBetweenWrites)
		{
			return;
		}
	}
	Flush();
}

void FLiveLinkRecorder::Flush()
{
	std::lock_guard WriteLock(WriteMutex);
	std::vector<FEvent> Batch;
	{
		std::lock_guard Lock(PendingMutex);
		Batch.swap(Pending);
		LastTakenSeconds = FPlatformTime::Seconds();
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
	if (std::fwrite(Text.data(), 1, Text.size(), File) != Text.size() || std::fflush(File) != 0)
	{
		if (!bReportedWriteError)
		{
			bReportedWriteError = true;
			UE_LOG(LogLiveLink, Error, "Failed to write the recording file %s: %s", *Filename, std::strerror(errno));
		}
	}
}

std::string FLiveLinkRecorder::FormatLine(const FEvent& Event)
{
	FJson Line = FJson::object();
	Line["t"] = Event.Time;
	Line["event"] = Event.Kind == EEventKind::Static ? "static" : Event.Kind == EEventKind::Frame ? "frame" : "remove";
	Line["source"] = Event.Key.Source.ToString().ToStdString();
	Line["subject"] = Event.Key.SubjectName.ToString().ToStdString();
	if (Event.Kind == EEventKind::Static)
	{
		const FLiveLinkSkeletonStaticData* Skeleton = Event.StaticData.Cast<FLiveLinkSkeletonStaticData>();
		Line["role"] = Event.Role ? Event.Role->GetName().ToStdString() : std::string();
		Line["bones"] = Skeleton ? NamesToJson(Skeleton->BoneNames) : FJson::array();
		Line["parents"] = Skeleton ? FJson(Skeleton->BoneParents.ToStdVector()) : FJson::array();
		Line["properties"] = NamesToJson(Event.StaticData.GetBaseData()->PropertyNames);
	}
	else if (Event.Kind == EEventKind::Frame)
	{
		FJson Transforms = FJson::array();
		if (const FLiveLinkAnimationFrameData* Animation = Event.FrameData.Cast<FLiveLinkAnimationFrameData>())
		{
			for (const FTransform& Transform : Animation->Transforms)
			{
				Transforms.push_back(TransformToJson(Transform));
			}
		}
		else if (const FLiveLinkTransformFrameData* Single = Event.FrameData.Cast<FLiveLinkTransformFrameData>())
		{
			Transforms.push_back(TransformToJson(Single->Transform));
		}
		Line["transforms"] = MoveTemp(Transforms);
		Line["properties"] = FJson(Event.FrameData.GetBaseData()->PropertyValues.ToStdVector());
	}
	// Names from the stream may carry any bytes: replace what is not UTF-8 instead of failing.
	return Line.dump(-1, ' ', false, FJson::error_handler_t::replace);
}
