#pragma once
// FZevoPerformanceSender: streams a synthetic performance through a UDP sender, one frame at a
// time: every actor's character message, then every prop's message, one datagram each. Frames
// and the message buffer are reused, so a running stream allocates nothing per frame.
#include "ZevoSyntheticPerformance.h"
#include "ZevoUdpSender.h"

class FZevoPerformanceSender
{
public:
	struct FCounts
	{
		int64 Sent = 0;
		int64 Failed = 0;
	};

	/** Both must outlive this sender. */
	FZevoPerformanceSender(const FZevoSyntheticPerformance& Performance, FZevoUdpSender& Sender);

	/** Sends the performance at Time seconds. */
	FCounts SendFrame(double Time);

private:
	void Send(const TArray<uint8>& Datagram, FCounts& Counts);

	const FZevoSyntheticPerformance& Performance;
	FZevoUdpSender& Sender;
	FOscMessageWriter Writer;
	FZevoCharacterFrame CharacterFrame;
	FZevoPropFrame PropFrame;
};
