// A real source on loopback against hostile senders: every kind of datagram a sender could aim at
// it, one a line with what is logged, what is pushed and what is counted; and the bounds on what
// one source keeps and queues.
#include "Common/UdpSocketBuilder.h"
#include "FreeUdpPort.h"
#include "LiveLinkClient.h"
#include "SocketSubsystem.h"
#include "StreamSourceFixture.h"
#include "StreamTestMessages.h"
#include "TempProject.h"
#include "ZevoLiveLinkSourceDrops.h"

#include <chrono>
#include <cmath>
#include <limits>
#include <thread>

namespace
{
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

/** Waits, without running the game thread's tasks, until Done holds or five real seconds pass. */
template <typename Predicate>
bool WaitUntil(Predicate Done)
{
	const auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
	while (!Done())
	{
		if (std::chrono::steady_clock::now() > Deadline)
		{
			return false;
		}
		std::this_thread::sleep_for(std::chrono::milliseconds(1));
	}
	return true;
}

/** One loopback socket, so that what it sends arrives in order. */
class FTestSender
{
public:
	explicit FTestSender(uint16 InPort) : Port(InPort), Socket(FUdpSocketBuilder("Sender").BoundToAddress(FIPv4Address::InternalLoopback).Build()) {}
	~FTestSender() { ISocketSubsystem::Get()->DestroySocket(Socket); }
	void Send(const TArray<uint8>& Datagram) const
	{
		FInternetAddr To;
		To.SetEndpoint(FIPv4Endpoint(FIPv4Address::InternalLoopback, Port));
		int32 Sent = 0;
		EXPECT_TRUE(Socket->SendTo(Datagram.GetData(), Datagram.Num(), Sent, To));
	}

private:
	uint16 Port;
	FSocket* Socket;
};

FString Repeat(const char* Piece, int32 Count)
{
	FString Text;
	for (int32 Index = 0; Index < Count; ++Index)
	{
		Text += Piece;
	}
	return Text;
}

TArray<uint8> CharacterWithValue(const char* Actor, int32 Index, float Value)
{
	FTestPose Pose = FTestPose::Random(3);
	Pose.Values[Index] = Value;
	return CharacterMessage(Actor, Pose);
}

TArray<uint8> PropTags(const FString& Tags)
{
	return FOscBytes().String(PropAddress).String(*Tags).Bytes;
}

struct FHostileCase
{
	const char* Sent;
	TArray<uint8> Datagram;
	/** What the decoders log. */
	TArray<FString> Logged;
	TArray<FString> Pushed;
	/** The source's drop counts afterwards, as FZevoSourceDropCounts::ToString gives them. */
	const char* Counted;
};

TArray<FHostileCase> HostileCases()
{
	const float NaN = std::numeric_limits<float>::quiet_NaN();
	const float Infinity = std::numeric_limits<float>::infinity();
	const FString Name255 = Repeat("N", 255);
	const FString Name256 = Repeat("N", 256);
	const FString Prop250 = Repeat("P", 250);
	return {
		{"a name of 255 bytes", CharacterMessage(*Name255, FTestPose::Random(1)), {}, {"static " + Name255, "frame " + Name255}, ""},
		{"a name of 256 bytes", CharacterMessage(*Name256, FTestPose::Random(1)),
			{"Warning: [Zevo Stream] Refused a subject name of 256 bytes (longer than 255 bytes): " + Repeat("N", 64) + "... (256 bytes)"}, {},
			"1 bad name"},
		{"a newline forging a log line", CharacterMessage("A\nError: forged", FTestPose::Random(1)),
			{"Warning: [Zevo Stream] Refused a subject name of 15 bytes (control bytes): A\\x0AError: forged"}, {}, "1 bad name"},
		{"a terminal title sequence", CharacterMessage("\x1b]0;owned\x07", FTestPose::Random(1)),
			{"Warning: [Zevo Stream] Refused a subject name of 10 bytes (control bytes): \\x1B]0;owned\\x07"}, {}, "1 bad name"},
		{"a prop name with DEL", PropMessage(1, 2, "Cup\x7f", {}),
			{"Warning: [Zevo Stream] Refused a subject name of 6 bytes (control bytes): Cup\\x7F_2"}, {}, "1 bad name"},
		{"a prop name too long with its number", PropMessage(1, 123456, *Prop250, {}),
			{"Warning: [Zevo Stream] Refused a subject name of 257 bytes (longer than 255 bytes): " + Repeat("P", 64) + "... (257 bytes)"}, {},
			"1 bad name"},
		{"a high byte in a name", CharacterMessage("B\xe9", FTestPose::Random(1)), {}, {"static B\xEF\xBF\xA9", "frame B\xEF\xBF\xA9"}, ""},
		{"a NaN rotation", CharacterWithValue("A", 20, NaN),
			{"Warning: [Zevo Stream] Refused a frame for 'A' holding a NaN or infinite value; the subject keeps its last good frame"}, {},
			"1 not finite"},
		{"an infinite hips position", CharacterWithValue("A", 0, -Infinity),
			{"Warning: [Zevo Stream] Refused a frame for 'A' holding a NaN or infinite value; the subject keeps its last good frame"}, {},
			"1 not finite"},
		{"an infinite prop scale", PropMessage(1, 2, "Cup", {0, 0, 0, 0, 0, 0, 1, Infinity}),
			{"Warning: [Zevo Stream] Refused a frame for 'Cup_2' holding a NaN or infinite value; the subject keeps its last good frame"}, {},
			"1 not finite"},
		{"a 65,000-byte type tag string", PropTags("," + Repeat("x", 64999)),
			{}, {"static _0", "frame _0"}, ""},
		{"a 65,000-byte type tag string without its comma", PropTags(Repeat("i", 65000)),
			{"Error: [Zevo Prop] Invalid TypeTags: iiiiiiiiiiiiiiiiiiiiiiiiiiiiiiii... (65000 bytes)"}, {}, "1 malformed"},
		{"one byte", {'/'}, {"Error: OSC string at offset 0 has no terminating zero byte before the end of the datagram (1 bytes); message ignored"},
			{}, "1 malformed"},
		{"an address only", FOscBytes().String(CharacterAddress).Bytes, {}, {}, "1 malformed"},
		{"another address", FOscBytes().String("/other").String(",i").Int(1).Bytes, {}, {}, ""},
	};
}
}

class ZevoLiveLinkSourceHostileTest : public FStreamSourceTest
{
protected:
	uint16 Port() const override { return ListenPort; }

	/** Sends the datagram, then a good one, and waits for the good one's frame: the first was handled by then. */
	void SendAndSettle(const FTestSender& Sender, const TArray<uint8>& Datagram)
	{
		const int32 Frames = Client.Count(EKind::FrameData);
		Sender.Send(Datagram);
		Sender.Send(PropMessage(9, 9, "Sentinel", {}));
		ASSERT_TRUE(PumpUntil([&] { return Client.Count(EKind::FrameData) > Frames && Client.Journal().Last() == "frame Sentinel_9"; }));
	}
	TArray<FString> JournalWithoutSentinel() const
	{
		TArray<FString> Lines;
		for (const FString& Line : Client.Journal())
		{
			if (!Line.EndsWith("Sentinel_9"))
			{
				Lines.Add(Line);
			}
		}
		return Lines;
	}
	FZevoSourceDropCounts Drops() const
	{
		FZevoSourceDropCounts Counts;
		EXPECT_TRUE(ZevoGetSourceDropCounts(SourceGuid, Counts));
		return Counts;
	}

	const uint16 ListenPort = static_cast<uint16>(FreeUdpPort());
};

TEST_F(ZevoLiveLinkSourceHostileTest, EachHostileDatagramIsLoggedPushedAndCountedAsItsLineSays)
{
	for (const FHostileCase& Case : HostileCases())
	{
		SCOPED_TRACE(Case.Sent);
		{
			const FTestSender Sender(ListenPort);
			SendAndSettle(Sender, Case.Datagram);
		}
		EXPECT_EQ(DecoderLog(), Case.Logged) << *FString::Join(DecoderLog(), "\n");
		EXPECT_EQ(JournalWithoutSentinel(), Case.Pushed) << *FString::Join(JournalWithoutSentinel(), "\n");
		EXPECT_EQ(Drops().ToString(), Case.Counted);

		TearDown();
		Client.Clear();
		Log.Clear();
		SetUp();
	}
}

TEST_F(ZevoLiveLinkSourceHostileTest, ARefusedFrameLeavesTheSubjectItsLastGoodFrame)
{
	Source.reset();
	FLiveLinkClient HostClient;
	const FGuid Added = HostClient.AddSource(MakeShareable(new ZevoLiveLinkSource(FIPv4Endpoint(FIPv4Address::InternalLoopback, ListenPort))));
	const FTestSender Sender(ListenPort);
	const FTestPose Good = FTestPose::Random(5);
	Sender.Send(CharacterMessage("Actor", Good));
	Sender.Send(PropMessage(1, 1, "Cup", {1, 2, 3}));
	FLiveLinkSubjectFrameData Character;
	FLiveLinkSubjectFrameData Prop;
	ASSERT_TRUE(PumpUntil([&] {
		return HostClient.EvaluateFrame_AnyThread("Actor", ULiveLinkAnimationRole::StaticClass(), Character)
			&& HostClient.EvaluateFrame_AnyThread("Cup_1", ULiveLinkTransformRole::StaticClass(), Prop);
	}));

	Sender.Send(CharacterWithValue("Actor", 40, std::numeric_limits<float>::quiet_NaN()));
	Sender.Send(PropMessage(1, 1, "Cup", {std::numeric_limits<float>::infinity(), 2, 3}));
	FZevoSourceDropCounts Counts;
	ASSERT_TRUE(PumpUntil([&] { return ZevoGetSourceDropCounts(Added, Counts) && Counts.Get(EZevoDropKind::NonFinite) == 2; }));

	ASSERT_TRUE(HostClient.EvaluateFrame_AnyThread("Actor", ULiveLinkAnimationRole::StaticClass(), Character));
	const FLiveLinkAnimationFrameData* Animation = Character.FrameData.Cast<FLiveLinkAnimationFrameData>();
	EXPECT_LT(AngleBetween(Animation->Transforms[10].GetRotation(), Good.Rotation(10)), 1e-6);
	ASSERT_TRUE(HostClient.EvaluateFrame_AnyThread("Cup_1", ULiveLinkTransformRole::StaticClass(), Prop));
	EXPECT_EQ(Prop.FrameData.Cast<FLiveLinkTransformFrameData>()->Transform.GetLocation(), FVector(1, 2, 3));
	HostClient.RemoveSource(Added);
	EXPECT_FALSE(ZevoGetSourceDropCounts(Added, Counts)) << "a source gone is no longer listed";
}

TEST_F(ZevoLiveLinkSourceHostileTest, AFloodOfBadDatagramsLogsFiveLinesAndThenOneLineASecondForTheRest)
{
	FHostClock::Freeze();
	const FTestSender Sender(ListenPort);
	for (int32 Index = 0; Index < 40; ++Index)
	{
		Sender.Send({'/'});
	}
	ASSERT_TRUE(PumpUntil([&] { return Drops().Get(EZevoDropKind::Malformed) == 40; }));
	EXPECT_EQ(Log.CountContaining("has no terminating zero byte"), 5);

	FHostClock::Advance(FTimespan::FromSeconds(1.1));
	ASSERT_TRUE(PumpUntil([&] { return Log.CountContaining("held back in the last second") == 1; }));
	EXPECT_EQ(Log.Count(FString::Printf("[Zevo LiveLink] 127.0.0.1:%d held back in the last second: 35 x \"OSC string at offset\"", ListenPort),
				  ELogVerbosity::Warning),
		1);
	EXPECT_EQ(Log.Count(FString::Printf("[Zevo LiveLink] 127.0.0.1:%d dropped 40 datagrams in the last second: 40 malformed", ListenPort),
				  ELogVerbosity::Warning),
		1);

	// A new second writes the first lines again, and a quiet second writes no report at all.
	Sender.Send({'/'});
	ASSERT_TRUE(PumpUntil([&] { return Drops().Get(EZevoDropKind::Malformed) == 41; }));
	EXPECT_EQ(Log.CountContaining("has no terminating zero byte"), 6);
	FHostClock::Advance(FTimespan::FromSeconds(1.1));
	ASSERT_TRUE(PumpUntil([&] { return Log.CountContaining("dropped 1 datagrams") == 1; }));
	FHostClock::Advance(FTimespan::FromSeconds(1.1));
	std::this_thread::sleep_for(std::chrono::milliseconds(300));
	EXPECT_EQ(Log.CountContaining("[Zevo LiveLink] 127.0.0.1"), 3);
}

TEST_F(ZevoLiveLinkSourceHostileTest, WhatWaitsForTheGameThreadIsBoundedAndTheRestIsCounted)
{
	const FTestSender Sender(ListenPort);
	// 60,000-byte datagrams, one at a time so that the system drops none on the way: the bytes'
	// bound lets 139 of them wait.
	TArray<uint8> Large = PropTags("," + Repeat("f", 8));
	Large.SetNumZeroed(60000);
	const int32 Sent = 200;
	for (int32 Index = 0; Index < Sent; ++Index)
	{
		Sender.Send(Large);
		ASSERT_TRUE(WaitUntil([&] { return FGameThread::NumQueuedTasks() + Drops().Get(EZevoDropKind::QueueFull) == Index + 1; }))
			<< "datagram " << Index;
	}
	EXPECT_EQ(FGameThread::NumQueuedTasks(), ZevoLiveLinkSource::MaxQueuedBytes / 60000);
	EXPECT_EQ(Drops().Get(EZevoDropKind::QueueFull), Sent - ZevoLiveLinkSource::MaxQueuedBytes / 60000);

	// Once the game thread has caught up, datagrams are queued again.
	FGameThread::PumpTasks();
	SendAndSettle(Sender, PropMessage(1, 1, "After", {}));
	EXPECT_EQ(JournalWithoutSentinel().Last(), "frame After_1");
}

TEST_F(ZevoLiveLinkSourceHostileTest, OnlyListedSendersAreHeardWhenTheProjectListsAny)
{
	const FTempProject Project;
	Project.WriteFile("Saved/Config/ZevoLiveLinkSenders.ini", "[Senders]\nAllow=10.9.9.9\nAllow=10.9.9\n");
	TearDown();
	SetUp();
	EXPECT_EQ(Log.CountContaining("ZevoLiveLinkSenders.ini line 3: not an IPv4 address, left out of the allowed senders"), 1);
	EXPECT_EQ(Log.CountContaining("[Zevo Init] Accepting datagrams only from the 1 senders listed in "), 1);
	{
		const FTestSender Sender(ListenPort);
		Sender.Send(PropMessage(1, 1, "Cup", {}));
		ASSERT_TRUE(PumpUntil([&] { return Drops().Get(EZevoDropKind::SenderNotAllowed) == 1; }));
	}
	EXPECT_EQ(FGameThread::NumQueuedTasks(), 0);
	EXPECT_TRUE(Client.Journal().IsEmpty());

	Project.WriteFile("Saved/Config/ZevoLiveLinkSenders.ini", "[Senders]\nAllow=10.9.9.9\nAllow = 127.0.0.1\n");
	TearDown();
	SetUp();
	SendAndSettle(FTestSender(ListenPort), PropMessage(1, 1, "Cup", {}));
	EXPECT_EQ(JournalWithoutSentinel(), (TArray<FString>{"static Cup_1", "frame Cup_1"}));
	EXPECT_EQ(Project.ReadFile("Saved/Config/ZevoLiveLink.ini"), "") << "the settings file is not touched";
}

TEST_F(ZevoLiveLinkSourceHostileTest, NewSubjectsBeyondTheLiveLimitWaitForTheSweep)
{
	const int32 Extra = 6;
	for (int32 Index = 0; Index < ZevoLiveLinkSource::MaxLiveSubjects + Extra; ++Index)
	{
		Decode(PropMessage(1, Index, "Box", {}));
	}
	EXPECT_EQ(Client.Count(EKind::StaticData), ZevoLiveLinkSource::MaxLiveSubjects);
	EXPECT_EQ(Drops().ToString(), FString::Printf("%d too many subjects", Extra));
	EXPECT_EQ(DecoderLog().Num(), FZevoLogLimiter::LinesPerSecond);
	Decode(PropMessage(1, 0, "Box", {}));
	EXPECT_EQ(Client.Count(EKind::FrameData), ZevoLiveLinkSource::MaxLiveSubjects + 1) << "a live subject still sends";

	FHostClock::Advance(FTimespan::FromSeconds(6));
	Source->CleanupInactiveSubjects();
	Decode(PropMessage(1, ZevoLiveLinkSource::MaxLiveSubjects, "Box", {}));
	EXPECT_EQ(Client.Journal().Last(), FString::Printf("frame Box_%d", ZevoLiveLinkSource::MaxLiveSubjects));
}

TEST_F(ZevoLiveLinkSourceHostileTest, NamesBeyondTheLifeBudgetAreRefusedWhileKnownNamesGoOn)
{
	// Batches below the live limit, each swept away before the next: only the budget refuses.
	const int32 Budget = FZevoSubjectNames::MaxDistinctNames;
	const int32 Batch = 1000;
	for (int32 First = 0; First < Budget + 10; First += Batch)
	{
		for (int32 Index = First; Index < FMath::Min(First + Batch, Budget + 10); ++Index)
		{
			Decode(PropMessage(1, Index, "Name", {}));
		}
		FHostClock::Advance(FTimespan::FromSeconds(6));
		Source->CleanupInactiveSubjects();
	}
	EXPECT_EQ(Client.Count(EKind::StaticData), Budget);
	EXPECT_EQ(Drops().ToString(), "10 too many names");
	Decode(PropMessage(1, 7, "NAME", {}));
	EXPECT_EQ(Client.Journal().Last(), "frame Name_7") << "a known name in other letter case is the name first met";
}
