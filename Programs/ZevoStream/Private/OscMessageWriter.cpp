#include "OscMessageWriter.h"

#include <bit>

void FOscMessageWriter::Begin(std::string_view Address)
{
	AddressBytes.Reset();
	AppendPadded(AddressBytes, Address);
	TypeTags.Reset();
	TypeTags.Add(uint8(','));
	Arguments.Reset();
}

void FOscMessageWriter::AddString(std::string_view Text)
{
	TypeTags.Add(uint8('s'));
	AppendPadded(Arguments, Text.substr(0, Text.find('\0')));
}

void FOscMessageWriter::AddInt32(int32 Value)
{
	TypeTags.Add(uint8('i'));
	AppendBigEndian(Arguments, static_cast<uint32>(Value));
}

void FOscMessageWriter::AddFloat(float Value)
{
	TypeTags.Add(uint8('f'));
	AppendBigEndian(Arguments, std::bit_cast<uint32>(Value));
}

void FOscMessageWriter::AddBlob(const uint8* Payload, int32 Size)
{
	TypeTags.Add(uint8('b'));
	AppendBigEndian(Arguments, static_cast<uint32>(Size));
	Arguments.Append(Payload, Size);
	PadToFour(Arguments);
}

void FOscMessageWriter::AddLittleEndianFloatBlob(const float* Values, int32 Count)
{
	TypeTags.Add(uint8('b'));
	AppendBigEndian(Arguments, static_cast<uint32>(Count) * 4u);
	const int32 First = Arguments.AddZeroed(Count * 4);
	uint8* Payload = Arguments.GetData() + First;
	for (int32 Index = 0; Index < Count; ++Index, Payload += 4)
	{
		const uint32 Bits = std::bit_cast<uint32>(Values[Index]);
		Payload[0] = uint8(Bits);
		Payload[1] = uint8(Bits >> 8);
		Payload[2] = uint8(Bits >> 16);
		Payload[3] = uint8(Bits >> 24);
	}
}

const TArray<uint8>& FOscMessageWriter::Finish()
{
	Message.Reset();
	Message.Append(AddressBytes);
	// The tags are an OSC string too: terminated and padded like the address.
	Message.Append(TypeTags);
	Message.Add(0);
	PadToFour(Message);
	Message.Append(Arguments);
	return Message;
}

void FOscMessageWriter::AppendPadded(TArray<uint8>& Out, std::string_view Text)
{
	Out.Append(reinterpret_cast<const uint8*>(Text.data()), static_cast<int32>(Text.size()));
	Out.Add(0);
	PadToFour(Out);
}

void FOscMessageWriter::AppendBigEndian(TArray<uint8>& Out, uint32 Value)
{
	Out.Add(uint8(Value >> 24));
	Out.Add(uint8(Value >> 16));
	Out.Add(uint8(Value >> 8));
	Out.Add(uint8(Value));
}

void FOscMessageWriter::PadToFour(TArray<uint8>& Out)
{
	while (Out.Num() % 4 != 0)
	{
		Out.Add(0);
	}
}
