// Decoding of one stream datagram on the game thread: the address dispatch alone, a character
// and a prop message (decode and frame build, pushed to a client that keeps nothing), liblo's
// generic deserialiser walking the same bytes, and the floor of converting the 211 floats.
#include "DiscardingLiveLinkClient.h"
#include "Stream/ZevoCharacterFrame.h"
#include "Stream/ZevoLiveLinkSource.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <lo/lo.h>
#include <vector>

namespace
{
std::vector<uint8> Serialise(lo_message Message, const char* Address)
{
	size_t Size = 0;
	void* Bytes = lo_message_serialise(Message, Address, nullptr, &Size);
	std::vector<uint8> Datagram(static_cast<uint8*>(Bytes), static_cast<uint8*>(Bytes) + Size);
	std::free(Bytes);
	lo_message_free(Message);
	return Datagram;
}

std::vector<uint8> CharacterDatagram(const char* Address = "/ZEVO/Stream/Motion/Unreal/Local")
{
	float Values[211];
	for (int32 Index = 0; Index < 211; ++Index)
	{
		Values[Index] = 0.001f * float(Index);
	}
	lo_message Message = lo_message_new();
	lo_message_add_string(Message, "Performer01");
	lo_blob Blob = lo_blob_new(sizeof(Values), Values);
	lo_message_add_blob(Message, Blob);
	lo_blob_free(Blob);
	for (int32 Index = 0; Index < 7; ++Index)
	{
		lo_message_add_float(Message, 40.0f + Index);
	}
	return Serialise(Message, Address);
}

std::vector<uint8> PropDatagram()
{
	lo_message Message = lo_message_new();
	lo_message_add_int32(Message, 3);
	lo_message_add_int32(Message, 7);
	lo_message_add_string(Message, "Sword");
	for (int32 Index = 0; Index < 10; ++Index)
	{
		lo_message_add_float(Message, 0.5f * Index);
	}
	return Serialise(Message, "/ZEVO/Stream/Motion/Unreal/Props");
}

struct FSourceUnderTest
{
	FSourceUnderTest()
	{
		FLogDispatcher::SetConsoleEnabled(false);
		Source.ReceiveClient(&Client, FGuid(1, 2, 3, 4));
	}
	FDiscardingLiveLinkClient Client;
	ZevoLiveLinkSource Source{FIPv4Endpoint(FIPv4Address::InternalLoopback, 0)};
};

void Decode(benchmark::State& State, const std::vector<uint8>& Datagram)
{
	FSourceUnderTest Under;
	const FZevoReceivedData Data = FZevoReceivedData::Copy(Datagram.data(), static_cast<int32>(Datagram.size()));
	for (auto _ : State)
	{
		Under.Source.ProcessReceivedData(Data);
	}
	State.SetItemsProcessed(State.iterations());
}

void BM_DispatchUnknownAddress(benchmark::State& State)
{
	// A character message under an address that matches neither decoder: reading and comparing
	// the address is all that runs.
	Decode(State, CharacterDatagram("/ZEVO/Stream/Motion/Unreal/Other"));
}
BENCHMARK(BM_DispatchUnknownAddress);

void BM_CharacterMessage(benchmark::State& State)
{
	Decode(State, CharacterDatagram());
}
BENCHMARK(BM_CharacterMessage);

void BM_PropMessage(benchmark::State& State)
{
	Decode(State, PropDatagram());
}
BENCHMARK(BM_PropMessage);

/** liblo's deserialiser on the same bytes, reading every argument it yields. */
void LibloWalk(benchmark::State& State, const std::vector<uint8>& Datagram)
{
	std::vector<uint8> Scratch = Datagram;
	for (auto _ : State)
	{
		// liblo reorders bytes in place, so each round starts from the sent bytes.
		Scratch = Datagram;
		int Result = 0;
		lo_message Message = lo_message_deserialise(Scratch.data(), Scratch.size(), &Result);
		const char* Types = lo_message_get_types(Message);
		lo_arg** Arguments = lo_message_get_argv(Message);
		const int Count = lo_message_get_argc(Message);
		double Sum = 0.0;
		for (int Index = 0; Index < Count; ++Index)
		{
			switch (Types[Index])
			{
			case 'f':
				Sum += Arguments[Index]->f;
				break;
			case 'i':
				Sum += Arguments[Index]->i;
				break;
			case 's':
				Sum += Arguments[Index]->s;
				break;
			case 'b':
			{
				const int32 Size = lo_blob_datasize(reinterpret_cast<lo_blob>(Arguments[Index]));
				const float* Floats = static_cast<const float*>(lo_blob_dataptr(reinterpret_cast<lo_blob>(Arguments[Index])));
				for (int32 Value = 0; Value < Size / 4; ++Value)
				{
					Sum += Floats[Value];
				}
				break;
			}
			default:
				break;
			}
		}
		benchmark::DoNotOptimize(Sum);
		lo_message_free(Message);
	}
	State.SetItemsProcessed(State.iterations());
}

void BM_LibloCharacterMessage(benchmark::State& State)
{
	LibloWalk(State, CharacterDatagram());
}
BENCHMARK(BM_LibloCharacterMessage);

void BM_LibloPropMessage(benchmark::State& State)
{
	LibloWalk(State, PropDatagram());
}
BENCHMARK(BM_LibloPropMessage);

void BM_CharacterFloor(benchmark::State& State)
{
	// The least any decoder must do: the 211 floats into a fresh array of 52 transforms.
	const std::vector<uint8> Datagram = CharacterDatagram();
	const uint8* Blob = Datagram.data() + Datagram.size() - 7 * 4 - 211 * 4;
	for (auto _ : State)
	{
		TArray<FTransform> Transforms = ZevoConvertCharacterBoneData(Blob);
		benchmark::DoNotOptimize(Transforms.GetData());
	}
	State.SetItemsProcessed(State.iterations());
}
BENCHMARK(BM_CharacterFloor);
}

BENCHMARK_MAIN();
