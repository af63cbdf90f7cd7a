#include "ZevoPerformanceSender.h"

FZevoPerformanceSender::FZevoPerformanceSender(const FZevoSyntheticPerformance& InPerformance, FZevoUdpSender& InSender)
	: Performance(InPerformance)
	, Sender(InSender)
{
}

FZevoPerformanceSender::FCounts FZevoPerformanceSender::SendFrame(double Time)
{
	FCounts Counts;
	for (int32 Actor = 0; Actor < Performance.GetNumActors(); ++Actor)
	{
		Performance.EvaluateActor(Actor, Time, CharacterFrame);
		Send(WriteZevoCharacterMessage(Writer, CharacterFrame), Counts);
	}
	for (int32 Prop = 0; Prop < Performance.GetNumProps(); ++Prop)
	{
		Performance.EvaluateProp(Prop, Time, PropFrame);
		Send(WriteZevoPropMessage(Writer, PropFrame), Counts);
	}
	return Counts;
}

void FZevoPerformanceSender::Send(const TArray<uint8>& Datagram, FCounts& Counts)
{
	if (Sender.Send(Datagram))
	{
		++Counts.Sent;
	}
	else
	{
		++Counts.Failed;
	}
}
