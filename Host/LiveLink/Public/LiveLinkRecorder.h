#pragma once
// FLiveLinkRecorder: writes what reaches a Live Link client to a file, one JSON object per line,
// so that a run can be inspected or replayed by another tool. The lines, with "t" in seconds
// since the recorder was made and "source" the source GUID as 32 hex digits:
//   {"t":..,"event":"static","source":..,"subject":..,"role":"LiveLinkAnimationRole","bones":[..],"parents":[..],"properties":[..]}
//   {"t":..,"event":"frame","source":..,"subject":..,"transforms":[{"r":[x,y,z,w],"t":[x,y,z],"s":[x,y,z]},..],"properties":[..]}
//   {"t":..,"event":"remove","source":..,"subject":..}
// "role" is the role's class name; transform subjects have empty "bones" and "parents" and one
// entry in "transforms". Numbers are written in their shortest form that reads back exactly.
//
// Threads: the Record functions may be called from any thread and only queue the event (its data
// is shared, not copied) under PendingMutex, so a client can record while holding its own lock.
// WriteIfDue and Flush format and write under WriteMutex, which is always taken before
// PendingMutex: lines reach the file in the order they were recorded.
#include "LiveLinkTypes.h"
#include "Roles/LiveLinkRole.h"

#include <cstdio>
#include <mutex>
#include <vector>

class FLiveLinkRecorder
{
public:
	/** Creates (or replaces) the file; when that fails, an Error names it and nothing is recorded. */
	explicit FLiveLinkRecorder(const FString& InFilename);
	/** Writes what is still queued. */
	~FLiveLinkRecorder();
	FLiveLinkRecorder(const FLiveLinkRecorder&) = delete;
	FLiveLinkRecorder& operator=(const FLiveLinkRecorder&) = delete;

	bool IsOpen() const { return File != nullptr; }
	const FString& GetFilename() const { return Filename; }

	void RecordStaticData(const FLiveLinkSubjectKey& SubjectKey, TSubclassOf<ULiveLinkRole> Role, const FLiveLinkStaticDataStruct& StaticData);
	void RecordFrameData(const FLiveLinkSubjectKey& SubjectKey, const FLiveLinkFrameDataStruct& FrameData);
	void RecordSubjectRemoved(const FLiveLinkSubjectKey& SubjectKey);

	/** Writes the queued events once enough have gathered or a second has passed since the last write. */
	void WriteIfDue();
	/** Writes every queued event now. */
	void Flush();

private:
	enum class EEventKind : uint8
	{
		Static,
		Frame,
		Remove,
	};

	struct FEvent
	{
		EEventKind Kind;
		double Time;
		FLiveLinkSubjectKey Key;
		TSubclassOf<ULiveLinkRole> Role;
		FLiveLinkStaticDataStruct StaticData;
		FLiveLinkFrameDataStruct FrameData;
	};

	void Queue(FEvent&& Event);
	static std::string FormatLine(const FEvent& Event);

	FString Filename;
	double StartSeconds;

	std::mutex WriteMutex;
	std::FILE* File = nullptr;
	bool bReportedWriteError = false;

	std::mutex PendingMutex;
	std::vector<FEvent> Pending;
	double LastTakenSeconds;
};
