#include "Common/UdpSocketBuilder.h"
#include "LiveLinkClient.h"
#include "SocketSubsystem.h"
#include "StreamSourceFixture.h"
#include "StreamTestMessages.h"
#include "TempProject.h"
#include "ZevoLiveLinkSettings.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace
{
/** A port that was free a moment ago (the source must bind a known port to be sent to). */
uint16 FindFreePort()
{
	FSocket* Probe = FUdpSocketBuilder("Probe").BoundToPort(0).Build();
	const uint16 Port = static_cast<uint16>(Probe->GetPortNo());
	ISocketSubsystem::Get()->DestroySocket(Probe);
	return Port;
}

/** Pumps the game thread until Done holds or five real seconds pass. */
template <typename Predicate>
bool PumpUntil(Predicate Done)
{
	const auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
	while (!Done())
	{
		if (std::chrono::steady_clock::now() > Deadline)
		{
			return false;
		}
		FGameThread::WaitForTasks(0.01);
		FGameThread::PumpTasks();
	}
	return true;
}

void SendWithLiblo(uint16 Port, const TArray<uint8>& Datagram)
{
	// Sent as raw bytes so the test controls them exactly; liblo made them.
	FSocket* Sender = FUdpSocketBuilder("Sender").BoundToAddress(FIPv4Address::InternalLoopback).Build();
	FInternetAddr To;
	To.SetEndpoint(FIPv4Endpoint(FIPv4Address::InternalLoopback, Port));
	int32 Sent = 0;
	EXPECT_TRUE(Sender->SendTo(Datagram.GetData(), Datagram.Num(), Sent, To));
	ISocketSubsystem::Get()->DestroySocket(Sender);
}

struct FExitRequest
{
	explicit FExitRequest(bool bExiting) { GIsRequestingExit = bExiting; }
	~FExitRequest() { GIsRequestingExit = false; }
};
}

using ZevoLiveLinkSourceLifecycleTest = FStreamSourceTest;

TEST_F(ZevoLiveLinkSourceLifecycleTest, OpensItsSocketWithTheStreamOptionsAndReportsReceiving)
{
	const FUdpSocketBuilderOptions Options = FUdpSocketBuilder::GetLastBuildOptions();
	EXPECT_EQ(Options.Description, "ZevoSocket");
	EXPECT_FALSE(Options.bBlocking);
	EXPECT_FALSE(Options.bReusable) << "another socket on the port must not share the stream";
	EXPECT_EQ(Options.BoundAddress, FIPv4Address::Any) << "the endpoint's address is for display only";
	EXPECT_EQ(Options.ReceiveBufferSize, 0x100000);
	EXPECT_EQ(Options.SendBufferSize, 0);
	EXPECT_FALSE(Options.bBroadcast);
	EXPECT_TRUE(Options.JoinedGroups.IsEmpty());
	EXPECT_FALSE(Options.bMulticastLoopback);
	EXPECT_EQ(Options.MulticastTtl, 1);

	EXPECT_TRUE(Source->IsSourceStillValid());
	EXPECT_EQ(Source->GetSourceStatus().ToString(), "Receiving");
	EXPECT_EQ(Source->GetSourceStatus().GetNamespace(), "ZevoLiveLinkSource");
	EXPECT_EQ(Source->GetSourceStatus().GetKey(), "SourceStatus_Receiving");
	EXPECT_EQ(Source->GetSourceType().ToString(), "Zevo LiveLink");
	EXPECT_EQ(Source->GetSourceType().GetKey(), "ZevoLiveLinkSourceType");
	EXPECT_EQ(Source->GetSourceMachineName().ToString(), "127.0.0.1:0");
	EXPECT_EQ(Source->GetConnectionString(), "127.0.0.1:0");
}

TEST(ZevoLiveLinkSource, OnABusyPortStaysInvalidWithDeviceNotFound)
{
	// The holder asks for address reuse, as another user's listener may: the source must still not share the port.
	FSocket* Holder = FUdpSocketBuilder("Holder").AsReusable().BoundToPort(0).Build();
	const uint16 Port = static_cast<uint16>(Holder->GetPortNo());
	FLogCapture Log;
	{
		ZevoLiveLinkSource Source(FIPv4Endpoint(FIPv4Address(10, 1, 2, 3), Port));
		EXPECT_FALSE(Source.IsSourceStillValid());
		EXPECT_EQ(Source.GetSourceStatus().ToString(), "Device Not Found");
		EXPECT_EQ(Source.GetSourceStatus().GetKey(), "SourceStatus_DeviceNotFound");
		EXPECT_EQ(Source.GetSourceMachineName().ToString(), FString::Printf("10.1.2.3:%d", Port));
		EXPECT_EQ(Log.Count(FString::Printf("[Zevo Init] Initializing Zevo LiveLink Source on Port: %d", Port), ELogVerbosity::Log), 1);
		EXPECT_EQ(Log.Count("[Zevo Init] Failed to create socket! Socket: Null", ELogVerbosity::Error), 1);
		EXPECT_EQ(Log.Count(FString::Printf("[Zevo Init] Could not open UDP port %d: another socket may hold it; this source receives nothing", Port),
					  ELogVerbosity::Error),
			1);
		EXPECT_TRUE(Source.RequestSourceShutdown());
	}
	EXPECT_EQ(Log.CountContaining("[Zevo Socket]"), 0) << "no thread ran";
	ISocketSubsystem::Get()->DestroySocket(Holder);
}

TEST_F(ZevoLiveLinkSourceLifecycleTest, RemovalByTheUserForgetsTheConnectionAndAnEditorExitKeepsIt)
{
	const FTempProject Project;
	UZevoLiveLinkSettings* Settings = UZevoLiveLinkSettings::Get();
	Settings->SavedConnections.Empty();
	Settings->AddOrUpdateConnection(FIPv4Endpoint(FIPv4Address(10, 0, 0, 9), 7000));
	Settings->AddOrUpdateConnection(FIPv4Endpoint(FIPv4Address::InternalLoopback, 0));

	EXPECT_TRUE(Source->RequestSourceShutdown());
	EXPECT_FALSE(Source->IsSourceStillValid());
	EXPECT_EQ(Log.Count("[Zevo LiveLink] Source manually deleted, removed from settings: 127.0.0.1:0", ELogVerbosity::Log), 1);
	EXPECT_EQ(Log.Count("[Zevo Socket] UDP Receiver thread stopped"), 1) << "shutdown waits for the thread";
	ASSERT_EQ(Settings->SavedConnections.Num(), 1);
	EXPECT_EQ(Settings->SavedConnections[0].IPAddress, "10.0.0.9");
	EXPECT_FALSE(Project.ReadFile("Saved/Config/ZevoLiveLink.ini").Contains("127.0.0.1")) << "the file is rewritten at once";

	TearDown();
	Settings->AddOrUpdateConnection(FIPv4Endpoint(FIPv4Address::InternalLoopback, 0));
	SetUp();
	const FExitRequest Exiting(true);
	EXPECT_TRUE(Source->RequestSourceShutdown());
	EXPECT_EQ(Log.Count("[Zevo LiveLink] Editor shutting down, keeping saved connection: 127.0.0.1:0", ELogVerbosity::Log), 1);
	EXPECT_EQ(Settings->SavedConnections.Num(), 2);
	EXPECT_TRUE(Project.ReadFile("Saved/Config/ZevoLiveLink.ini").Contains("127.0.0.1"));
	Settings->SavedConnections.Empty();
}

TEST_F(ZevoLiveLinkSourceLifecycleTest, SweepRemovesOnlySubjectsSilentForMoreThanFiveSeconds)
{
	Decode(PropMessage(1, 1, "Quiet", {}));
	Decode(PropMessage(1, 1, "Busy", {}));
	// The receiver thread sweeps as well once the clock jumps; either sweep gives the same result.
	FHostClock::Advance(FTimespan::FromSeconds(4.99));
	Decode(PropMessage(1, 1, "Busy", {}));
	Source->CleanupInactiveSubjects();
	EXPECT_EQ(Client.Count(EKind::RemoveSubject), 0);

	FHostClock::Advance(FTimespan::FromSeconds(0.02));
	Source->CleanupInactiveSubjects();
	EXPECT_EQ(Client.Count(EKind::RemoveSubject), 1);
	EXPECT_EQ(Client.Get(EKind::RemoveSubject).Key, FLiveLinkSubjectKey(SourceGuid, "Quiet_1"));
	EXPECT_EQ(Log.CountContaining("[Zevo Cleanup] Subject 'Quiet_1' inactive for 5.0"), 1);
	EXPECT_EQ(Log.CountContaining(" seconds, marking for removal"), 1);
	EXPECT_EQ(Log.Count("[Zevo Cleanup] Removed inactive subject: Quiet_1"), 1);

	// A subject that keeps sending more often than every 5 s stays.
	for (int32 Second = 0; Second < 20; ++Second)
	{
		FHostClock::Advance(FTimespan::FromSeconds(4.9));
		Decode(PropMessage(1, 1, "Busy", {}));
		Source->CleanupInactiveSubjects();
	}
	EXPECT_EQ(Client.Count(EKind::RemoveSubject), 1);
}

TEST_F(ZevoLiveLinkSourceLifecycleTest, ReceiverThreadSweepsWithoutTrafficAndTheSubjectIsAnnouncedAgain)
{
	Decode(CharacterMessage("Actor1", FTestPose::Random(1)));
	Decode(CharacterMessage("Actor1", FTestPose::Random(2)));
	FHostClock::Advance(FTimespan::FromSeconds(6));
	ASSERT_TRUE(PumpUntil([this] { return Client.Count(EKind::RemoveSubject) == 1; }));
	Decode(CharacterMessage("Actor1", FTestPose::Random(3)));
	EXPECT_EQ(Client.Journal(), (TArray<FString>{"static Actor1", "frame Actor1", "frame Actor1", "remove Actor1", "static Actor1", "frame Actor1"}));
}

TEST_F(ZevoLiveLinkSourceLifecycleTest, ReceiverThreadSweepsOncePerSecond)
{
	// Only advances move the clock, so what the receiver must not have done yet stays undone
	// however slowly this machine runs.
	FHostClock::Freeze();
	const auto Removed = [this](const char* Name) {
		for (const FString& Line : Client.Journal())
		{
			if (Line == FString("remove ") + Name)
			{
				return true;
			}
		}
		return false;
	};
	const auto IdleForAFewWakeUps = [] { std::this_thread::sleep_for(std::chrono::milliseconds(350)); };

	Decode(PropMessage(1, 1, "Early", {}));
	FHostClock::Advance(FTimespan::FromSeconds(0.5));
	Decode(PropMessage(1, 1, "Late", {}));
	FHostClock::Advance(FTimespan::FromSeconds(4.6));
	ASSERT_TRUE(PumpUntil([&] { return Removed("Early_1"); }));

	// Late_1 is silent for more than 5 s from here on, but the last sweep was less than a second ago.
	FHostClock::Advance(FTimespan::FromSeconds(0.5));
	IdleForAFewWakeUps();
	EXPECT_FALSE(Removed("Late_1")) << "swept again half a second after a sweep";
	FHostClock::Advance(FTimespan::FromSeconds(0.45));
	IdleForAFewWakeUps();
	EXPECT_FALSE(Removed("Late_1")) << "swept again 0.95 s after a sweep";
	FHostClock::Advance(FTimespan::FromSeconds(0.1));
	EXPECT_TRUE(PumpUntil([&] { return Removed("Late_1"); })) << "no sweep a second after the last one";
}

TEST_F(ZevoLiveLinkSourceLifecycleTest, DecodesManyNamesWhileTheReceiverSweepsOnEveryWakeUp)
{
	// Each advance makes the receiver's next wake-up sweep, and names fall silent for "more than
	// 5 s" between two of their frames, so announcements, frames and removals interleave all the
	// time: the sanitizer sees every access the two threads make to the subject tables.
	std::atomic<bool> bDone{false};
	std::thread Clock([&bDone] {
		while (!bDone)
		{
			FHostClock::Advance(FTimespan::FromSeconds(1.1));
			std::this_thread::sleep_for(std::chrono::milliseconds(2));
		}
	});
	const char* const Names[] = {"A", "B", "C", "D", "E", "F"};
	for (int32 Round = 0; Round < 400; ++Round)
	{
		for (const char* Name : Names)
		{
			Decode(CharacterMessage(Name, FTestPose::Random(Round)));
		}
		if (Round % 50 == 49)
		{
			// Makes sure some subjects go while the decoding goes on.
			const int32 Before = Client.Count(EKind::RemoveSubject);
			EXPECT_TRUE(PumpUntil([&] { return Client.Count(EKind::RemoveSubject) > Before; }));
		}
	}
	bDone = true;
	Clock.join();
	Source.reset();

	// Whatever the interleaving, each subject's story reads: announced, framed, maybe removed, again.
	TMap<FString, bool> Announced;
	int32 Removals = 0;
	for (const FString& Line : Client.Journal())
	{
		FString Kind;
		FString Name;
		Line.Split(" ", &Kind, &Name);
		if (Kind == "static")
		{
			EXPECT_FALSE(Announced.FindRef(Name)) << "announced twice without a removal: " << *Name;
			Announced.Add(Name, true);
		}
		else if (Kind == "frame")
		{
			EXPECT_TRUE(Announced.FindRef(Name)) << "a frame without its static data: " << *Name;
		}
		else
		{
			EXPECT_TRUE(Announced.FindRef(Name)) << "removed before it was announced: " << *Name;
			Announced.Add(Name, false);
			++Removals;
		}
	}
	EXPECT_GE(Removals, 8) << "each pause saw a sweep take subjects away";
	EXPECT_EQ(Client.Count(EKind::FrameData), 400 * 6);
}

class ZevoLiveLinkSourceLoopbackTest : public FStreamSourceTest
{
protected:
	uint16 Port() const override { return ListenPort; }
	const uint16 ListenPort = FindFreePort();
};

TEST_F(ZevoLiveLinkSourceLoopbackTest, DatagramsFromAnotherSocketReachTheGameThreadIntact)
{
	ASSERT_TRUE(Source->IsSourceStillValid());
	const FTestPose Pose = FTestPose::Random(7);
	SendWithLiblo(ListenPort, TArray<uint8>{});
	SendWithLiblo(ListenPort, CharacterMessage("Remote", Pose));

	// Through liblo's own sender as well.
	lo_address Address = lo_address_new("127.0.0.1", std::to_string(ListenPort).c_str());
	ASSERT_EQ(lo_send(Address, PropAddress, "iisfff", 2, 5, "Cup", 1.0f, 2.0f, 3.0f), 68);
	lo_address_free(Address);

	ASSERT_TRUE(PumpUntil([this] { return Client.Count(EKind::FrameData) == 2; }));
	EXPECT_EQ(Client.Journal(), (TArray<FString>{"static Remote", "frame Remote", "static Cup_5", "frame Cup_5"}));
	const FLiveLinkAnimationFrameData* Frame = Client.Frame<FLiveLinkAnimationFrameData>(0);
	ASSERT_NE(Frame, nullptr);
	for (int32 Bone = 0; Bone < 52; ++Bone)
	{
		EXPECT_LT(AngleBetween(Frame->Transforms[Bone].GetRotation(), Pose.Rotation(Bone)), 1e-6);
	}
	EXPECT_EQ(Client.Frame<FLiveLinkTransformFrameData>(1)->Transform.GetLocation(), FVector(1, 2, 3));
	EXPECT_EQ(FGameThread::NumQueuedTasks(), 0) << "the empty datagram queued nothing";
}

TEST_F(ZevoLiveLinkSourceLoopbackTest, DatagramsQueuedBeforeAStopOrDeletionAreDropped)
{
	SendWithLiblo(ListenPort, PropMessage(1, 1, "Late", {}));
	ASSERT_TRUE(FGameThread::WaitForTasks(5.0));
	Source->Stop();
	EXPECT_EQ(FGameThread::PumpTasks(), 1);
	EXPECT_TRUE(Client.Journal().IsEmpty());

	TearDown();
	SetUp();
	SendWithLiblo(ListenPort, PropMessage(1, 1, "Late", {}));
	ASSERT_TRUE(FGameThread::WaitForTasks(5.0));
	Source.reset();
	EXPECT_EQ(FGameThread::PumpTasks(), 1) << "the task outlives its source and does nothing";
	EXPECT_TRUE(Client.Journal().IsEmpty());
}

TEST(ZevoLiveLinkSource, DropsDatagramsThatArriveBeforeItHasAClient)
{
	const uint16 Port = FindFreePort();
	FCapturingLiveLinkClient Client;
	ZevoLiveLinkSource Source(FIPv4Endpoint(FIPv4Address::InternalLoopback, Port));
	SendWithLiblo(Port, PropMessage(1, 1, "Early", {}));
	ASSERT_TRUE(FGameThread::WaitForTasks(5.0));
	Source.ReceiveClient(&Client, FGuid(1, 1, 1, 1));
	FGameThread::PumpTasks();
	EXPECT_TRUE(Client.Journal().IsEmpty());
}

TEST(ZevoLiveLinkSourceWithHostClient, StreamedSubjectsLiveInTheClientUntilTheUserRemovesTheSource)
{
	const FTempProject Project;
	UZevoLiveLinkSettings* Settings = UZevoLiveLinkSettings::Get();
	Settings->SavedConnections.Empty();
	const uint16 Port = FindFreePort();
	const FIPv4Endpoint Endpoint(FIPv4Address::InternalLoopback, Port);
	Settings->AddOrUpdateConnection(Endpoint);

	FLiveLinkClient Client;
	const FGuid Guid = Client.AddSource(MakeShareable(new ZevoLiveLinkSource(Endpoint)));
	ASSERT_TRUE(Guid.IsValid());
	const FTestPose Pose = FTestPose::Random(8);
	SendWithLiblo(Port, CharacterMessage("Remote", Pose));
	SendWithLiblo(Port, PropMessage(1, 4, "Cup", {1, 2, 3}));

	FLiveLinkSubjectFrameData Character;
	FLiveLinkSubjectFrameData Prop;
	ASSERT_TRUE(PumpUntil([&]
	{
		return Client.EvaluateFrame_AnyThread("Remote", ULiveLinkAnimationRole::StaticClass(), Character)
			&& Client.EvaluateFrame_AnyThread("Cup_4", ULiveLinkTransformRole::StaticClass(), Prop);
	}));
	EXPECT_EQ(Character.StaticData.Cast<FLiveLinkSkeletonStaticData>()->BoneNames.Num(), 52);
	EXPECT_LT(AngleBetween(Character.FrameData.Cast<FLiveLinkAnimationFrameData>()->Transforms[20].GetRotation(), Pose.Rotation(20)), 1e-6);
	EXPECT_EQ(Prop.FrameData.Cast<FLiveLinkTransformFrameData>()->Transform.GetLocation(), FVector(1, 2, 3));

	Client.RemoveSource(Guid);
	EXPECT_TRUE(Client.GetSubjects(true, true).IsEmpty());
	EXPECT_TRUE(Settings->SavedConnections.IsEmpty());
}
