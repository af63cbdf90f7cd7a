#include "ZevoLiveLinkSource.h"

#include "Async/Async.h"
#include "Common/UdpSocketBuilder.h"
#include "Misc/CoreGlobals.h"
#include "Misc/ScopeLock.h"
#include "SocketSubsystem.h"
#include "Sockets.h"
#include "ZevoLiveLinkSettings.h"
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
 */
struct FZevoSourceGate
{
	FCriticalSection Mutex;
	ZevoLiveLinkSource* Source = nullptr;
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

	// The endpoint's address is shown to the user only: the stream may arrive on any interface.
	// Multicast loopback off, TTL 1, no broadcast and the system's send buffer are the builder's
	// defaults.
	Socket = FUdpSocketBuilder(TEXT("ZevoSocket"))
				 .AsNonBlocking()
				 .AsReusable()
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
	}
}

ZevoLiveLinkSource::~ZevoLiveLinkSource()
{
	Stopping.AtomicSet(true);
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
	SourceGuid = InSourceGuid;
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
			if (BytesRead > 0)
			{
				QueueReceivedData(ReceiveBuffer.GetData(), BytesRead);
			}
		}
	}

	UE_LOG(LogTemp, Log, TEXT("[Zevo Socket] UDP Receiver thread stopped"));
	return 0;
}

void ZevoLiveLinkSource::QueueReceivedData(const uint8* Bytes, int32 Count)
{
	auto Task = [Gate = Gate, ReceivedData = FZevoReceivedData::Copy(Bytes, Count), CapturedClient = Client.load()]
	{
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

void ZevoLiveLinkSource::PublishFrame(ESubjectKind Kind, FName SubjectName, int32 PropType, FLiveLinkFrameDataStruct&& Frame)
{
	FScopeLock Lock(&SubjectsLock);
	if (!InitializedSubjects.Contains(SubjectName))
	{
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
