#include "LiveLinkClient.h"

#include "LiveLinkLog.h"
#include "Roles/LiveLinkAnimationTypes.h"
#include "Roles/LiveLinkTransformTypes.h"

#include <atomic>
#include <thread>
#include <vector>

namespace
{
/** Why StaticData cannot describe a subject of Role, or null when it can. */
const char* FindStaticDataProblem(UClass* Role, const FLiveLinkStaticDataStruct& StaticData)
{
	if (!Role)
	{
		return "it has no role";
	}
	if (!StaticData.IsValid())
	{
		return "it is empty";
	}
	if (Role->IsChildOf(ULiveLinkAnimationRole::StaticClass()))
	{
		const FLiveLinkSkeletonStaticData* Skeleton = StaticData.Cast<FLiveLinkSkeletonStaticData>();
		if (!Skeleton)
		{
			return "it is not a skeleton";
		}
		if (Skeleton->BoneParents.Num() != Skeleton->BoneNames.Num())
		{
			return "the bone parents do not match the bones";
		}
		for (const int32 Parent : Skeleton->BoneParents)
		{
			// Readers walk parents by index: one out of range would send them outside the skeleton.
			if (Parent < INDEX_NONE || Parent >= Skeleton->BoneNames.Num())
			{
				return "a bone parent is out of range";
			}
		}
	}
	else if (Role->IsChildOf(ULiveLinkTransformRole::StaticClass()) && !StaticData.Cast<FLiveLinkTransformStaticData>())
	{
		return "it is not transform static data";
	}
	return nullptr;
}

/** Why Frame cannot be a frame of a subject with this role and static data, or null when it can. */
const char* FindFrameProblem(UClass* Role, const FLiveLinkStaticDataStruct& StaticData, const FLiveLinkFrameDataStruct& Frame)
{
	if (!Frame.IsValid())
	{
		return "it is empty";
	}
	if (Frame.GetBaseData()->PropertyValues.Num() != StaticData.GetBaseData()->PropertyNames.Num())
	{
		return "its property values do not match the property names";
	}
	if (Role->IsChildOf(ULiveLinkAnimationRole::StaticClass()))
	{
		const FLiveLinkAnimationFrameData* Animation = Frame.Cast<FLiveLinkAnimationFrameData>();
		if (!Animation)
		{
			return "it is not an animation frame";
		}
		if (Animation->Transforms.Num() != StaticData.Cast<FLiveLinkSkeletonStaticData>()->BoneNames.Num())
		{
			return "its transforms do not match the bones";
		}
	}
	else if (Role->IsChildOf(ULiveLinkTransformRole::StaticClass()) && !Frame.Cast<FLiveLinkTransformFrameData>())
	{
		return "it is not a transform frame";
	}
	return nullptr;
}
}

FLiveLinkClient::~FLiveLinkClient()
{
	Shutdown();
}

FGuid FLiveLinkClient::AddSource(TSharedPtr<ILiveLinkSource> Source)
{
	if (!Source)
	{
		return FGuid();
	}
	const FGuid SourceGuid = FGuid::NewGuid();
	{
		std::lock_guard Lock(Mutex);
		Sources.Add(SourceGuid, Source);
	}
	Source->ReceiveClient(this, SourceGuid);
	return SourceGuid;
}

void FLiveLinkClient::RemoveSource(FGuid SourceGuid)
{
	TSharedPtr<ILiveLinkSource> Source;
	{
		std::lock_guard Lock(Mutex);
		TSharedPtr<ILiveLinkSource>* Found = Sources.Find(SourceGuid);
		if (!Found)
		{
			return;
		}
		Source = MoveTemp(*Found);
		Sources.Remove(SourceGuid);
	}
	const bool bReady = Source->RequestSourceShutdown();
	RemoveSubjectsOfSource(SourceGuid);
	if (!bReady)
	{
		std::lock_guard Lock(Mutex);
		SourcesAwaitingShutdown.Add(MoveTemp(Source));
	}
	// Otherwise the source is deleted here: the client held the only reference.
}

void FLiveLinkClient::Tick()
{
	TArray<TSharedPtr<ILiveLinkSource>> Waiting;
	{
		std::lock_guard Lock(Mutex);
		Waiting = MoveTemp(SourcesAwaitingShutdown);
		SourcesAwaitingShutdown.Empty();
	}
	for (TSharedPtr<ILiveLinkSource>& Source : Waiting)
	{
		if (!Source->RequestSourceShutdown())
		{
			std::lock_guard Lock(Mutex);
			SourcesAwaitingShutdown.Add(MoveTemp(Source));
		}
	}
}

void FLiveLinkClient::Shutdown()
{
	if (!GIsRequestingExit)
	{
		for (const FGuid& SourceGuid : GetSources())
		{
			RemoveSource(SourceGuid);
		}
	}
	else
	{
		TArray<TSharedPtr<ILiveLinkSource>> Removed;
		{
			std::lock_guard Lock(Mutex);
			for (auto& Pair : Sources)
			{
				Removed.Add(MoveTemp(Pair.Value));
			}
			Sources.Empty();
			Subjects = TLiveLinkSubjectTable<FSubject>();
		}
		ShutDownInParallel(MoveTemp(Removed));
	}
	Tick();
	std::lock_guard Lock(Mutex);
	for (const TSharedPtr<ILiveLinkSource>& Source : SourcesAwaitingShutdown)
	{
		UE_LOG(LogLiveLink, Warning, "Live Link source %s was not ready to shut down; released at exit",
			*Source->GetSourceMachineName().ToString());
	}
	SourcesAwaitingShutdown.Empty();
}

void FLiveLinkClient::ShutDownInParallel(TArray<TSharedPtr<ILiveLinkSource>> Removed)
{
	// A source's answer may take a wait of its receiver thread (a tenth of a second): asked one
	// after another, a thousand sources kept an exiting editor waiting for a minute. A bounded
	// number of helpers keeps the thread count sane for very many sources.
	constexpr int32 MaxHelpers = 256;
	std::atomic<int32> Next{0};
	std::mutex NotReadyLock;
	TArray<TSharedPtr<ILiveLinkSource>> NotReady;
	const auto AskSources = [&] {
		for (int32 Index = Next++; Index < Removed.Num(); Index = Next++)
		{
			if (!Removed[Index]->RequestSourceShutdown())
			{
				std::lock_guard Lock(NotReadyLock);
				NotReady.Add(MoveTemp(Removed[Index]));
			}
			// Otherwise the last reference goes here, deleting the source on this helper.
			Removed[Index].Reset();
		}
	};
	std::vector<std::thread> Helpers;
	const int32 HelperCount = FMath::Min(Removed.Num(), MaxHelpers);
	Helpers.reserve(HelperCount);
	for (int32 Helper = 0; Helper < HelperCount; ++Helper)
	{
		Helpers.emplace_back(AskSources);
	}
	for (std::thread& Helper : Helpers)
	{
		Helper.join();
	}
	std::lock_guard Lock(Mutex);
	for (TSharedPtr<ILiveLinkSource>& Source : NotReady)
	{
		SourcesAwaitingShutdown.Add(MoveTemp(Source));
	}
}

TArray<FGuid> FLiveLinkClient::GetSources() const
{
	std::lock_guard Lock(Mutex);
	TArray<FGuid> Result;
	Sources.GetKeys(Result);
	return Result;
}

TSharedPtr<ILiveLinkSource> FLiveLinkClient::FindSource(FGuid SourceGuid) const
{
	std::lock_guard Lock(Mutex);
	return Sources.FindRef(SourceGuid);
}

FText FLiveLinkClient::GetSourceType(FGuid SourceGuid) const
{
	const TSharedPtr<ILiveLinkSource> Source = FindSource(SourceGuid);
	return Source ? Source->GetSourceType() : FText();
}

FText FLiveLinkClient::GetSourceMachineName(FGuid SourceGuid) const
{
	const TSharedPtr<ILiveLinkSource> Source = FindSource(SourceGuid);
	return Source ? Source->GetSourceMachineName() : FText();
}

FText FLiveLinkClient::GetSourceStatus(FGuid SourceGuid) const
{
	const TSharedPtr<ILiveLinkSource> Source = FindSource(SourceGuid);
	return Source ? Source->GetSourceStatus() : FText();
}

void FLiveLinkClient::RemoveSubjectsOfSource(FGuid SourceGuid)
{
	std::lock_guard Lock(Mutex);
	Subjects.RemoveIf([SourceGuid](const FLiveLinkSubjectKey& Key) { return Key.Source == SourceGuid; });
}

void FLiveLinkClient::PushSubjectStaticData_AnyThread(const FLiveLinkSubjectKey& SubjectKey, TSubclassOf<ULiveLinkRole> Role,
	FLiveLinkStaticDataStruct&& StaticData)
{
	std::lock_guard Lock(Mutex);
	if (!Sources.Contains(SubjectKey.Source))
	{
		return;
	}
	if (const char* Problem = FindStaticDataProblem(Role, StaticData))
	{
		UE_LOG(LogLiveLink, Warning, "Live Link subject '%s': static data refused, %s", *SubjectKey.SubjectName.ToString(), Problem);
		return;
	}
	// New static data starts the subject afresh: an older frame may not fit the new skeleton.
	FSubject& Subject = Subjects.Add(SubjectKey, FSubject());
	Subject.Role = Role;
	Subject.StaticData = MoveTemp(StaticData);
	if (Observer)
	{
		Observer->OnStaticDataPushed(SubjectKey, Role, Subject.StaticData);
	}
}

void FLiveLinkClient::PushSubjectFrameData_AnyThread(const FLiveLinkSubjectKey& SubjectKey, FLiveLinkFrameDataStruct&& FrameData)
{
	std::lock_guard Lock(Mutex);
	FSubject* Subject = Subjects.Find(SubjectKey);
	if (!Subject)
	{
		return;
	}
	if (const char* Problem = FindFrameProblem(Subject->Role, Subject->StaticData, FrameData))
	{
		++Subject->FramesDropped;
		if (!Subject->bWarnedMalformedFrame)
		{
			Subject->bWarnedMalformedFrame = true;
			UE_LOG(LogLiveLink, Warning, "Live Link subject '%s': frame dropped, %s", *SubjectKey.SubjectName.ToString(), Problem);
		}
		return;
	}
	Subject->LatestFrame = MoveTemp(FrameData);
	++Subject->FramesReceived;
	if (Observer)
	{
		Observer->OnFrameDataPushed(SubjectKey, Subject->LatestFrame);
	}
}

void FLiveLinkClient::RemoveSubject_AnyThread(const FLiveLinkSubjectKey& SubjectKey)
{
	std::lock_guard Lock(Mutex);
	if (!Subjects.Remove(SubjectKey))
	{
		return;
	}
	if (Observer)
	{
		Observer->OnSubjectRemoved(SubjectKey);
	}
}

TArray<FLiveLinkSubjectKey> FLiveLinkClient::GetSubjects(bool bIncludeDisabledSubject, bool bIncludeVirtualSubject) const
{
	// This client has neither disabled nor virtual subjects: every subject is listed.
	std::lock_guard Lock(Mutex);
	TArray<FLiveLinkSubjectKey> Keys;
	Keys.Reserve(Subjects.Num());
	Subjects.ForEach([&Keys](const FLiveLinkSubjectKey& Key, const FSubject&) { Keys.Add(Key); });
	return Keys;
}

TSubclassOf<ULiveLinkRole> FLiveLinkClient::GetSubjectRole_AnyThread(const FLiveLinkSubjectKey& SubjectKey) const
{
	std::lock_guard Lock(Mutex);
	const FSubject* Subject = Subjects.Find(SubjectKey);
	return Subject ? Subject->Role : TSubclassOf<ULiveLinkRole>();
}

bool FLiveLinkClient::EvaluateFrame_AnyThread(FName SubjectName, TSubclassOf<ULiveLinkRole> Role, FLiveLinkSubjectFrameData& OutFrame)
{
	if (!Role)
	{
		return false;
	}
	std::lock_guard Lock(Mutex);
	bool bFound = false;
	Subjects.ForEach([&](const FLiveLinkSubjectKey& Key, const FSubject& Subject) {
		if (!bFound && Key.SubjectName == SubjectName && Subject.Role->IsChildOf(Role) && Subject.LatestFrame.IsValid())
		{
			OutFrame.StaticData = Subject.StaticData.Share();
			OutFrame.FrameData = Subject.LatestFrame.Share();
			bFound = true;
		}
	});
	return bFound;
}

bool FLiveLinkClient::EvaluateFrameFromSource_AnyThread(const FLiveLinkSubjectKey& SubjectKey, TSubclassOf<ULiveLinkRole> Role,
	FLiveLinkSubjectFrameData& OutFrame) const
{
	if (!Role)
	{
		return false;
	}
	std::lock_guard Lock(Mutex);
	const FSubject* Subject = Subjects.Find(SubjectKey);
	if (!Subject || !Subject->Role->IsChildOf(Role) || !Subject->LatestFrame.IsValid())
	{
		return false;
	}
	OutFrame.StaticData = Subject->StaticData.Share();
	OutFrame.FrameData = Subject->LatestFrame.Share();
	return true;
}

TArray<FLiveLinkSubjectStatus> FLiveLinkClient::GetSubjectStatuses() const
{
	std::lock_guard Lock(Mutex);
	TArray<FLiveLinkSubjectStatus> Statuses;
	Statuses.Reserve(Subjects.Num());
	Subjects.ForEach([&Statuses](const FLiveLinkSubjectKey& Key, const FSubject& Subject) {
		Statuses.Add(FLiveLinkSubjectStatus{Key, Subject.Role, Subject.FramesReceived, Subject.FramesDropped});
	});
	return Statuses;
}

void FLiveLinkClient::SetObserver(TSharedPtr<ILiveLinkClientObserver> NewObserver)
{
	std::lock_guard Lock(Mutex);
	Observer = MoveTemp(NewObserver);
}
