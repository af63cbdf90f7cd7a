#pragma once
// A Live Link client that records what a source pushes and removes, from any thread, in order.
#include "SourceOnlyLiveLinkClient.h"
#include "Roles/LiveLinkAnimationTypes.h"
#include "Roles/LiveLinkTransformTypes.h"

#include <mutex>

class FCapturingLiveLinkClient : public FSourceOnlyLiveLinkClient
{
public:
	enum class EKind
	{
		StaticData,
		FrameData,
		RemoveSubject,
	};
	struct FEvent
	{
		EKind Kind;
		FLiveLinkSubjectKey Key;
		UClass* Role = nullptr;
		FLiveLinkStaticDataStruct StaticData;
		FLiveLinkFrameDataStruct FrameData;
	};

	void PushSubjectStaticData_AnyThread(const FLiveLinkSubjectKey& Key, TSubclassOf<ULiveLinkRole> Role, FLiveLinkStaticDataStruct&& Data) override
	{
		std::lock_guard Lock(Mutex);
		Events.Add(FEvent{EKind::StaticData, Key, Role.Get(), MoveTemp(Data), {}});
	}
	void PushSubjectFrameData_AnyThread(const FLiveLinkSubjectKey& Key, FLiveLinkFrameDataStruct&& Data) override
	{
		std::lock_guard Lock(Mutex);
		Events.Add(FEvent{EKind::FrameData, Key, nullptr, {}, MoveTemp(Data)});
	}
	void RemoveSubject_AnyThread(const FLiveLinkSubjectKey& Key) override
	{
		std::lock_guard Lock(Mutex);
		Events.Add(FEvent{EKind::RemoveSubject, Key, nullptr, {}, {}});
	}

	void Clear()
	{
		std::lock_guard Lock(Mutex);
		Events.Empty();
	}
	/** Kinds and subject names of every event so far, e.g. "static Box_7", "frame Box_7", "remove Box_7". */
	TArray<FString> Journal() const
	{
		std::lock_guard Lock(Mutex);
		TArray<FString> Lines;
		for (const FEvent& Event : Events)
		{
			const char* Kind = Event.Kind == EKind::StaticData ? "static" : Event.Kind == EKind::FrameData ? "frame" : "remove";
			Lines.Add(FString::Printf("%s %s", Kind, *Event.Key.SubjectName.ToString()));
		}
		return Lines;
	}
	int32 Count(EKind Kind) const
	{
		std::lock_guard Lock(Mutex);
		int32 Result = 0;
		for (const FEvent& Event : Events)
		{
			Result += Event.Kind == Kind ? 1 : 0;
		}
		return Result;
	}
	/** The Index-th event of that kind (copies share their data). */
	FEvent Get(EKind Kind, int32 Index = 0) const
	{
		std::lock_guard Lock(Mutex);
		for (const FEvent& Event : Events)
		{
			if (Event.Kind == Kind && Index-- == 0)
			{
				return FEvent{Event.Kind, Event.Key, Event.Role, Event.StaticData.Share(), Event.FrameData.Share()};
			}
		}
		return FEvent{Kind, {}, nullptr, {}, {}};
	}
	template <typename T>
	const T* Frame(int32 Index = 0) const
	{
		std::lock_guard Lock(Mutex);
		for (const FEvent& Event : Events)
		{
			if (Event.Kind == EKind::FrameData && Index-- == 0)
			{
				return Event.FrameData.Cast<T>();
			}
		}
		return nullptr;
	}

private:
	mutable std::mutex Mutex;
	TArray<FEvent> Events;
};
