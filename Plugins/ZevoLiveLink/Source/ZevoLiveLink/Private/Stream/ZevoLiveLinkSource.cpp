#include "ZevoLiveLinkSource.h"

#include "Async/Async.h"
#include "Common/UdpSocketBuilder.h"
#include "Misc/CoreGlobals.h"
#include "Misc/ScopeLock.h"
#include "SocketSubsystem.h"
#include "Sockets.h"
#include "ZevoFiniteFrame.h"
#include "ZevoLiveLinkSettings.h"
#include "ZevoOutsideText.h"
#include "ZevoStreamSkeleton.h"

namespace
{
constexpr int32 ReceiveBufferSize = 0x100000;
constexpr uint32 ReceiverStackSize = 0x20000;
const FTimespan InactiveSubjectTimeout = FTimespan::FromSeconds(5.0);
const FTimespan CleanupInterval = FTimespan::FromSeconds(1.0);

TArray<FString> MakeStreamBoneNames()
{
	TArray<FString> Names;
	Names.Reserve(ZevoStreamBoneCount);
	for (const TCHAR* Name : ZevoStreamBoneNames)
	{
		Names.Add(Name);
	}
	return Names;
}
}

/**
 * What a queued game-thread task holds instead of the source itself: the source may be deleted
 * while its tasks still wait. The destructor clears Source under Mutex, and a task decodes only
 * while holding Mutex with Source set, so a task never runs on a deleted source. (The source
 * cannot hand out a weak reference to itself: its thread starts inside its constructor, before
 * any shared pointer owns it.)
 *
 * It also counts what waits: the receiver thread adds a datagram before queuing it and each task
 * takes its own off when it runs, whether or not the source is still there.
 */
struct FZevoSourceGate
{
	FCriticalSection Mutex;
	ZevoLiveLinkSource* Source = nullptr;
	std::atomic<int32> QueuedDatagrams{0};
	std::atomic<int64> QueuedBytes{0};
};

ZevoLiveLinkSource::ZevoLiveLinkSource(const FIPv4Endpoint& InEndpoint)
	: Endpoint(InEndpoint)
	, StreamBoneNames(MakeStreamBoneNames())
	, Gate(MakeShared<FZevoSourceGate, ESPMode::ThreadSafe>())
{
	Gate->Source = this;
	UE_LOG(LogTemp, Log, TEXT("[Zevo Init] Initializing Zevo LiveLink Source on Port: %d"), Endpoint.Port);

	SourceStatus = NSLOCTEXT("ZevoLiveLinkSource", "SourceStatus_DeviceNotFound", "Device Not Found");
	SourceType = NSLOCTEXT("ZevoLiveLinkSource", "ZevoLiveLinkSourceType", "Zevo LiveLink");
	SourceMachineName = FText::FromString(Endpoint.ToString());
	LastCleanupTime = FDateTime::UtcNow();
	AllowList = FZevoSenderAllowList::Load();

	// The endpoint's address is shown to the user only: the stream may arrive on any interface.
	// Multicast loopback off, TTL 1, no broadcast and the system's send buffer are the builder's
	// defaults. No address reuse: with it, another socket on the port (another user's, or a second
	// editor's) would silently take the stream; without it, a held port fails here, visibly.
	Socket = FUdpSocketBuilder(TEXT("ZevoSocket"))
				 .AsNonBlocking()
				 .BoundToAddress(FIPv4Address::Any)
				 .BoundToPort(Endpoint.Port)
				 .WithReceiveBufferSize(ReceiveBufferSize)
				 .Build();
	ReceiveBuffer.SetNumZeroed(ReceiveBufferSize);

	if (Socket && Socket->GetSocketType() == SOCKTYPE_Datagram)
	{
		UE_LOG(LogTemp, Log, TEXT("[Zevo Init] Socket created successfully"));
		SocketSubsystem = ISocketSubsystem::Get(PLATFORM_SOCKETSUBSYSTEM);
		Start();
		SourceStatus = NSLOCTEXT("ZevoLiveLinkSource", "SourceStatus_Receiving", "Receiving");
	}
	else
	{
		UE_LOG(LogTemp, Error, TEXT("[Zevo Init] Failed to create socket! Socket: %s"), Socket ? TEXT("Valid") : TEXT("Null"));
		UE_LOG(LogTemp, Error, TEXT("[Zevo Init] Could not open UDP port %d: another socket may hold it; this source receives nothing"),
			Endpoint.Port);
	}
}

ZevoLiveLinkSource::~ZevoLiveLinkSource()
{
	Stopping.AtomicSet(true);
	{
		FScopeLock Lock(&SubjectsLock);
		FZevoDropCounters::Unlist(SourceGuid);
	}
	{
		// Waits for a task that is decoding right now; later tasks find the gate closed.
		FScopeLock Lock(&Gate->Mutex);
		Gate->Source = nullptr;
	}
	if (Thread)
	{
		Thread->WaitForCompletion();
		delete Thread;
		Thread = nullptr;
	}
	if (Socket)
	{
		Socket->Close();
		ISocketSubsystem::Get(PLATFORM_SOCKETSUBSYSTEM)->DestroySocket(Socket);
		Socket = nullptr;
	}
}

void ZevoLiveLinkSource::ReceiveClient(ILiveLinkClient* InClient, FGuid InSourceGuid)
{
	FScopeLock Lock(&SubjectsLock);
	FZevoDropCounters::Unlist(SourceGuid);
	SourceGuid = InSourceGuid;
	FZevoDropCounters::List(SourceGuid, &Drops);
	Client.store(InClient);
}

bool ZevoLiveLinkSource::IsSourceStillValid() const
{
	return !Stopping && Thread != nullptr && Socket != nullptr;
}

bool ZevoLiveLinkSource::RequestSourceShutdown()
{
	Stopping.AtomicSet(true);
	// Only the exit flag tells a user's removal from the editor closing: a removed source must not
	// come back at the next start, a source closed with the editor must.
	if (!IsEngineExitRequested())
	{
		if (UZevoLiveLinkSettings* Settings = UZevoLiveLinkSettings::Get())
		{
			Settings->RemoveConnection(Endpoint);
			UE_LOG(LogTemp, Log, TEXT("[Zevo LiveLink] Source manually deleted, removed from settings: %s"), *Endpoint.ToString());
		}
	}
	else
	{
		UE_LOG(LogTemp, Log, TEXT("[Zevo LiveLink] Editor shutting down, keeping saved connection: %s"), *Endpoint.ToString());
	}
	if (Thread)
	{
		Thread->WaitForCompletion();
	}
	return true;
}

void ZevoLiveLinkSource::Start()
{
	ThreadName = FString(TEXT("Zevo OSC Receiver")) + FString::FromInt(FAsyncThreadIndex::GetNext());
	Thread = FRunnableThread::Create(this, *ThreadName, ReceiverStackSize, TPri_AboveNormal, FPlatformAffinity::GetNoAffinityMask(),
		EThreadCreateFlags::None);
}

void ZevoLiveLinkSource::Stop()
{
	Stopping.AtomicSet(true);
}

uint32 ZevoLiveLinkSource::Run()
{
	TSharedRef<FInternetAddr> Sender = SocketSubsystem->CreateInternetAddr();
	UE_LOG(LogTemp, Log, TEXT("[Zevo Socket] UDP Receiver thread started on port %d"), Endpoint.Port);

	while (!Stopping)
	{
		const FDateTime Now = FDateTime::UtcNow();
		if (Now - LastCleanupTime >= CleanupInterval)
		{
			CleanupInactiveSubjects();
			ReportDrops();
			LastCleanupTime = Now;
		}

		if (!Socket->Wait(ESocketWaitConditions::WaitForRead, WaitTime))
		{
			continue;
		}
		// Drain everything queued before waiting again; after a stop request the rest is dropped.
		uint32 PendingDataSize = 0;
		while (!Stopping && Socket->HasPendingData(PendingDataSize))
		{
			int32 BytesRead = 0;
			if (!Socket->RecvFrom(ReceiveBuffer.GetData(), ReceiveBuffer.Num(), BytesRead, *Sender))
			{
				// A failing socket keeps reporting data: retrying at once would only spin, so the
				// round ends here and the next one starts after a bounded wait.
				UE_LOG(LogTemp, Error, TEXT("[Zevo Socket] RecvFrom failed"));
				break;
			}
			if (BytesRead <= 0)
			{
				continue;
			}
			if (!AllowList.Allows(Sender->GetIp()))
			{
				Drops.Add(EZevoDropKind::SenderNotAllowed);
				continue;
			}
			QueueReceivedData(ReceiveBuffer.GetData(), BytesRead);
		}
	}

	UE_LOG(LogTemp, Log, TEXT("[Zevo Socket] UDP Receiver thread stopped"));
	return 0;
}

void ZevoLiveLinkSource::QueueReceivedData(const uint8* Bytes, int32 Count)
{
	// Only this thread adds, so what it reads is at most what waits: the bound holds.
	if (Gate->QueuedDatagrams.load() >= MaxQueuedDatagrams || Gate->QueuedBytes.load() + Count > MaxQueuedBytes)
	{
		Drops.Add(EZevoDropKind::QueueFull);
		return;
	}
	Gate->QueuedDatagrams.fetch_add(1);
	Gate->QueuedBytes.fetch_add(Count);
	auto Task = [Gate = Gate, ReceivedData = FZevoReceivedData::Copy(Bytes, Count), CapturedClient = Client.load()]
	{
		Gate->QueuedDatagrams.fetch_sub(1);
		Gate->QueuedBytes.fetch_sub(ReceivedData.Num());
		FScopeLock Lock(&Gate->Mutex);
		ZevoLiveLinkSource* Source = Gate->Source;
		if (Source && !Source->Stopping && CapturedClient)
		{
			Source->ProcessReceivedData(ReceivedData);
		}
	};
	// Kept inline by the task queue, so the copied bytes are the datagram's only allocation.
	static_assert(sizeof(Task) <= 96);
	AsyncTask(ENamedThreads::GameThread, MoveTemp(Task));
}

void ZevoLiveLinkSource::CleanupInactiveSubjects()
{
	const FDateTime Now = FDateTime::UtcNow();
	FScopeLock Lock(&SubjectsLock);

	TSet<FName> Expired;
	for (const auto& Entry : SubjectLastSeen)
	{
		const FTimespan Silence = Now - Entry.Value;
		if (Silence > InactiveSubjectTimeout)
		{
			UE_LOG(LogTemp, Log, TEXT("[Zevo Cleanup] Subject '%s' inactive for %.2f seconds, marking for removal"), *Entry.Key.ToString(),
				Silence.GetTotalSeconds());
			Expired.Add(Entry.Key);
		}
	}
	if (Expired.IsEmpty())
	{
		return;
	}

	// Both tables are filtered in one pass: a sender that used thousands of names would otherwise
	// hold this lock, and the game thread behind it, for a pass per removed subject.
	SubjectLastSeen = SubjectLastSeen.FilterByPredicate([&Expired](const auto& Entry) { return !Expired.Contains(Entry.Key); });
	InitializedSubjects = InitializedSubjects.Difference(Expired);
	ILiveLinkClient* const CurrentClient = Client.load();
	for (const FName SubjectName : Expired)
	{
		if (CurrentClient)
		{
			CurrentClient->RemoveSubject_AnyThread(FLiveLinkSubjectKey(SourceGuid, SubjectName));
			UE_LOG(LogTemp, Log, TEXT("[Zevo Cleanup] Removed inactive subject: %s"), *SubjectName.ToString());
		}
	}
}

void ZevoLiveLinkSource::ReportDrops()
{
	const FZevoSourceDropCounts Since = Drops.TakeSinceLastReport();
	if (Since.Total() > 0)
	{
		UE_LOG(LogTemp, Warning, TEXT("[Zevo LiveLink] %s dropped %lld datagrams in the last second: %s"), *Endpoint.ToString(),
			static_cast<long long>(Since.Total()), *Since.ToString());
	}
	const FString Suppressed = LogLimiter.TakeSuppressed();
	if (!Suppressed.IsEmpty())
	{
		UE_LOG(LogTemp, Warning, TEXT("[Zevo LiveLink] %s held back in the last second: %s"), *Endpoint.ToString(), *Suppressed);
	}
}

bool ZevoLiveLinkSource::CheckFrame(FAnsiStringView NameBytes, const FLiveLinkFrameDataStruct& Frame)
{
	const EZevoNameProblem Problem = ZevoFindNameProblem(NameBytes);
	if (Problem != EZevoNameProblem::None)
	{
		Drops.Add(EZevoDropKind::BadName);
		ZEVO_LIMITED_LOG(LogLimiter, Warning, TEXT("[Zevo Stream] Refused a subject name of %d bytes (%s): %s"), NameBytes.Len(),
			Problem == EZevoNameProblem::TooLong ? TEXT("longer than 255 bytes") : TEXT("control bytes"), *ZevoEscapeForLog(NameBytes));
		return false;
	}
	if (!ZevoIsFiniteFrame(Frame))
	{
		Drops.Add(EZevoDropKind::NonFinite);
		ZEVO_LIMITED_LOG(LogLimiter, Warning, TEXT("[Zevo Stream] Refused a frame for '%s' holding a NaN or infinite value; the subject keeps its last good frame"),
			*ZevoEscapeForLog(NameBytes));
		return false;
	}
	return true;
}

bool ZevoLiveLinkSource::AdmitNewSubject(FAnsiStringView NameBytes, bool bKnownName, FName& InOutName)
{
	// The live limit comes first, so that names refused while it holds do not spend the budget.
	if (InitializedSubjects.Num() >= MaxLiveSubjects)
	{
		Drops.Add(EZevoDropKind::SubjectLimit);
		ZEVO_LIMITED_LOG(LogLimiter, Warning, TEXT("[Zevo Stream] Refused new subject '%s': this source has %d live subjects, all it keeps"),
			*ZevoEscapeForLog(NameBytes), MaxLiveSubjects);
		return false;
	}
	if (!bKnownName && !SubjectNames.Add(NameBytes, InOutName))
	{
		Drops.Add(EZevoDropKind::NameBudget);
		ZEVO_LIMITED_LOG(LogLimiter, Warning, TEXT("[Zevo Stream] Refused new subject '%s': this source has met %d distinct names, all it accepts"),
			*ZevoEscapeForLog(NameBytes), FZevoSubjectNames::MaxDistinctNames);
		return false;
	}
	return true;
}

void ZevoLiveLinkSource::PublishFrame(ESubjectKind Kind, FAnsiStringView NameBytes, int32 PropType, FLiveLinkFrameDataStruct&& Frame)
{
	bDatagramSettled = true;
	if (!CheckFrame(NameBytes, Frame))
	{
		return;
	}
	FName SubjectName;
	const bool bKnownName = SubjectNames.Find(NameBytes, SubjectName);
	FScopeLock Lock(&SubjectsLock);
	if (!bKnownName || !InitializedSubjects.Contains(SubjectName))
	{
		if (!AdmitNewSubject(NameBytes, bKnownName, SubjectName))
		{
			return;
		}
		if (Kind == ESubjectKind::Character)
		{
			InitStaticData(ZevoStreamBoneCount, SubjectName);
		}
		else
		{
			InitPropStaticData(SubjectName, PropType);
		}
		InitializedSubjects.Add(SubjectName);
	}
	SubjectLastSeen.Add(SubjectName, FDateTime::UtcNow());
	if (ILiveLinkClient* CurrentClient = Client.load())
	{
		CurrentClient->PushSubjectFrameData_AnyThread(FLiveLinkSubjectKey(SourceGuid, SubjectName), MoveTemp(Frame));
	}
}
