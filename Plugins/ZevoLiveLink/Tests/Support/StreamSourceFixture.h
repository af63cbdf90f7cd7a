#pragma once
// A stream source on an ephemeral port with a capturing client; tests hand it datagrams
// directly on the game thread (the test thread) or send them over loopback.
#include "Async/Async.h"
#include "CapturingLiveLinkClient.h"
#include "Logging/LogCapture.h"
#include "Stream/ZevoLiveLinkSource.h"

#include <chrono>
#include <gtest/gtest.h>
#include <memory>

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

class FStreamSourceTest : public testing::Test
{
protected:
	using EKind = FCapturingLiveLinkClient::EKind;

	void SetUp() override
	{
		FHostClock::ResetAdvance();
		Source = std::make_unique<ZevoLiveLinkSource>(FIPv4Endpoint(FIPv4Address::InternalLoopback, Port()));
		Source->ReceiveClient(&Client, SourceGuid);
	}
	void TearDown() override
	{
		Source.reset();
		FGameThread::DiscardTasks();
		FHostClock::ResetAdvance();
	}
	/** The port the source listens on; 0 lets the system choose. */
	virtual uint16 Port() const { return 0; }

	void Decode(const TArray<uint8>& Datagram)
	{
		Source->ProcessReceivedData(FZevoReceivedData::Copy(Datagram.GetData(), Datagram.Num()));
	}
	/** What the decoders logged: the receiver thread's own lines are left out. */
	TArray<FString> DecoderLog() const
	{
		TArray<FString> Lines;
		for (const FLogMessage& Message : Log.GetMessages())
		{
			if (!Message.Text.StartsWith("[Zevo Socket]", ESearchCase::CaseSensitive) && !Message.Text.StartsWith("[Zevo Init]", ESearchCase::CaseSensitive)
				&& !Message.Text.StartsWith("[Zevo Cleanup]", ESearchCase::CaseSensitive))
			{
				Lines.Add(FString(ELogVerbosity::ToString(Message.Verbosity)) + ": " + Message.Text);
			}
		}
		return Lines;
	}

	const FGuid SourceGuid{1, 2, 3, 4};
	FLogCapture Log;
	FCapturingLiveLinkClient Client;
	std::unique_ptr<ZevoLiveLinkSource> Source;
};
