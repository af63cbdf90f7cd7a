// The whole receive path on loopback: a sender socket, the source's receiver thread, the
// game-thread queue and the decoders, into a client that notes when each frame arrives. Each
// datagram carries its sequence number in its first property value, so loss and send-to-push
// latency are measured per datagram.
#include "Async/Async.h"
#include "Common/UdpSocketBuilder.h"
#include "DiscardingLiveLinkClient.h"
#include "FreeUdpPort.h"
#include "Roles/LiveLinkAnimationTypes.h"
#include "SocketSubsystem.h"
#include "Stream/ZevoLiveLinkSource.h"

#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <bit>
#include <chrono>
#include <cstdlib>
#include <lo/lo.h>
#include <thread>
#include <vector>

namespace
{
using FClock = std::chrono::steady_clock;

int64 NowNs()
{
	return std::chrono::duration_cast<std::chrono::nanoseconds>(FClock::now().time_since_epoch()).count();
}

std::vector<uint8> CharacterDatagram()
{
	float Values[211] = {};
	for (int32 Bone = 0; Bone < 52; ++Bone)
	{
		Values[3 + 4 * Bone] = 1.0f;
	}
	lo_message Message = lo_message_new();
	lo_message_add_string(Message, "Performer01");
	lo_blob Blob = lo_blob_new(sizeof(Values), Values);
	lo_message_add_blob(Message, Blob);
	lo_blob_free(Blob);
	for (int32 Index = 0; Index < 7; ++Index)
	{
		lo_message_add_float(Message, 0.0f);
	}
	size_t Size = 0;
	void* Bytes = lo_message_serialise(Message, "/ZEVO/Stream/Motion/Unreal/Local", nullptr, &Size);
	std::vector<uint8> Datagram(static_cast<uint8*>(Bytes), static_cast<uint8*>(Bytes) + Size);
	std::free(Bytes);
	lo_message_free(Message);
	return Datagram;
}

struct FLoopbackResult
{
	int32 Sent = 0;
	int32 Received = 0;
	double Seconds = 0.0;
	std::vector<double> LatenciesUs;
};

/**
 * Sends Count character datagrams to Port at Rate per second (0: as fast as possible), each
 * carrying its sequence number, and notes when each was sent.
 *
 * Paced as a server's network card would send: the sender sleeps until the next datagram is due,
 * but never for less than a sleep reliably lasts, and on waking sends what fell due meanwhile in
 * small bursts. Waiting by spinning would take the CPU that the receiver thread and the game
 * thread need on a machine of two cores.
 */
void SendPaced(uint16 Port, int32 Count, int32 Rate, std::vector<int64>& SentAt)
{
	FSocket* Socket = FUdpSocketBuilder("Sender").BoundToAddress(FIPv4Address::InternalLoopback).WithSendBufferSize(0x100000).Build();
	FInternetAddr To;
	To.SetEndpoint(FIPv4Endpoint(FIPv4Address::InternalLoopback, Port));
	std::vector<uint8> Datagram = CharacterDatagram();
	uint8* FirstProperty = Datagram.data() + Datagram.size() - 7 * 4;
	const auto Send = [&](int32 Sequence)
	{
		const uint32 Word = std::bit_cast<uint32>(static_cast<float>(Sequence));
		FirstProperty[0] = uint8(Word >> 24), FirstProperty[1] = uint8(Word >> 16), FirstProperty[2] = uint8(Word >> 8), FirstProperty[3] = uint8(Word);
		int32 BytesSent = 0;
		SentAt[Sequence] = NowNs();
		Socket->SendTo(Datagram.data(), static_cast<int32>(Datagram.size()), BytesSent, To);
	};
	constexpr int32 MaxBurst = 16;
	constexpr auto ShortestSleep = std::chrono::microseconds(100);
	const FClock::time_point Start = FClock::now();
	const auto DueOf = [&](int32 Sequence) { return Start + std::chrono::nanoseconds(int64(Sequence) * 1000000000 / Rate); };
	int32 Sequence = 0;
	while (Sequence < Count)
	{
		const FClock::time_point Now = FClock::now();
		for (int32 Burst = 0; Sequence < Count && Burst < MaxBurst && (Rate == 0 || DueOf(Sequence) <= Now); ++Burst)
		{
			Send(Sequence++);
		}
		if (Rate == 0 || Sequence == Count)
		{
			continue;
		}
		const FClock::duration Wait = DueOf(Sequence) - FClock::now();
		if (Wait > FClock::duration::zero())
		{
			std::this_thread::sleep_for(std::max<FClock::duration>(Wait, ShortestSleep));
		}
		else
		{
			// Behind: the next burst follows at once, after the receiving threads had a turn.
			std::this_thread::yield();
		}
	}
	ISocketSubsystem::Get()->DestroySocket(Socket);
}

/** Runs the game thread's tasks until every datagram arrived or half a second passed after the sender finished. */
void PumpUntilReceived(const int32& Received, int32 Count, const std::atomic<bool>& bSenderDone)
{
	int64 QuietSince = 0;
	while (Received < Count)
	{
		if (FGameThread::WaitForTasks(0.01))
		{
			FGameThread::PumpTasks();
			QuietSince = 0;
		}
		else if (bSenderDone)
		{
			QuietSince = QuietSince ? QuietSince : NowNs();
			if (NowNs() - QuietSince > 500000000)
			{
				break;
			}
		}
	}
}

FLoopbackResult Summarise(int32 Count, int32 Received, int64 Begin, const std::vector<int64>& SentAt, const std::vector<int64>& ArrivedAt)
{
	FLoopbackResult Result;
	Result.Sent = Count;
	Result.Received = Received;
	const int64 LastArrival = *std::max_element(ArrivedAt.begin(), ArrivedAt.end());
	Result.Seconds = double(LastArrival - Begin) / 1e9;
	for (int32 Sequence = 0; Sequence < Count; ++Sequence)
	{
		if (ArrivedAt[Sequence] != 0)
		{
			Result.LatenciesUs.push_back(double(ArrivedAt[Sequence] - SentAt[Sequence]) / 1e3);
		}
	}
	std::sort(Result.LatenciesUs.begin(), Result.LatenciesUs.end());
	return Result;
}

/** Sends Count character datagrams at Rate per second (0: as fast as possible) and collects them. */
FLoopbackResult RunLoopback(int32 Count, int32 Rate)
{
	FLogDispatcher::SetConsoleEnabled(false);
	FGameThread::RegisterCurrentThread();

	const uint16 Port = static_cast<uint16>(FreeUdpPort());

	std::vector<int64> SentAt(Count, 0);
	std::vector<int64> ArrivedAt(Count, 0);
	int32 Received = 0;
	FDiscardingLiveLinkClient Client;
	Client.OnFrame = [&](const FLiveLinkFrameDataStruct& Frame)
	{
		const int32 Sequence = static_cast<int32>(Frame.Cast<FLiveLinkAnimationFrameData>()->PropertyValues[0]);
		if (Sequence >= 0 && Sequence < Count && ArrivedAt[Sequence] == 0)
		{
			ArrivedAt[Sequence] = NowNs();
			++Received;
		}
	};
	ZevoLiveLinkSource Source(FIPv4Endpoint(FIPv4Address::InternalLoopback, Port));
	Source.ReceiveClient(&Client, FGuid(1, 2, 3, 4));

	std::atomic<bool> bSenderDone{false};
	std::thread Sender([&]
	{
		SendPaced(Port, Count, Rate, SentAt);
		bSenderDone = true;
	});
	const int64 Begin = NowNs();
	PumpUntilReceived(Received, Count, bSenderDone);
	Sender.join();
	return Summarise(Count, Received, Begin, SentAt, ArrivedAt);
}

double Percentile(const std::vector<double>& Sorted, double Fraction)
{
	return Sorted.empty() ? 0.0 : Sorted[std::min(Sorted.size() - 1, size_t(Fraction * double(Sorted.size())))];
}

void Report(benchmark::State& State, const FLoopbackResult& Result)
{
	State.counters["sent"] = Result.Sent;
	State.counters["lost"] = Result.Sent - Result.Received;
	State.counters["datagrams_per_s"] = Result.Seconds > 0 ? Result.Received / Result.Seconds : 0.0;
	State.counters["p50_us"] = Percentile(Result.LatenciesUs, 0.5);
	State.counters["p99_us"] = Percentile(Result.LatenciesUs, 0.99);
	State.counters["p999_us"] = Percentile(Result.LatenciesUs, 0.999);
}

/** Paced at the rate of the first argument (datagrams per second) for the seconds of the second. */
void BM_LoopbackPaced(benchmark::State& State)
{
	const int32 Rate = static_cast<int32>(State.range(0));
	for (auto _ : State)
	{
		Report(State, RunLoopback(Rate * static_cast<int32>(State.range(1)), Rate));
	}
}
// The last: 40 actors at 240 Hz with room to spare, sustained for ten seconds.
BENCHMARK(BM_LoopbackPaced)
	->Args({1000, 2})
	->Args({20000, 1})
	->Args({50000, 1})
	->Args({50000, 10})
	->Iterations(1)
	->Unit(benchmark::kMillisecond);

/** As fast as one sender can send: the path's throughput, and what it loses at that rate. */
void BM_LoopbackFlood(benchmark::State& State)
{
	for (auto _ : State)
	{
		Report(State, RunLoopback(50000, 0));
	}
}
BENCHMARK(BM_LoopbackFlood)->Iterations(1)->Unit(benchmark::kMillisecond);
}

BENCHMARK_MAIN();
