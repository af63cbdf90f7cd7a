#include "ZevoOscReader.h"

#include <cstring>

bool FZevoOscReader::ReadString(std::string_view& OutBytes)
{
	OutBytes = {};
	if (Offset < 0 || Offset >= DataSize)
	{
		return true;
	}
	const uint8* Start = Data + Offset;
	const void* Terminator = std::memchr(Start, 0, static_cast<size_t>(DataSize - Offset));
	if (!Terminator)
	{
		UE_LOG(LogTemp, Error, "OSC string at offset %d has no terminating zero byte before the end of the datagram (%d bytes); message ignored",
			Offset, DataSize);
		return false;
	}
	const int32 Length = static_cast<int32>(static_cast<const uint8*>(Terminator) - Start);
	OutBytes = std::string_view(reinterpret_cast<const char*>(Start), static_cast<size_t>(Length));
	// The padding may be cut off by the end of the datagram: the position may then pass the end,
	// where every later read fails.
	const int64 Next = int64(Offset) + ((int64(Length) + 4) & ~int64(3));
	Offset = static_cast<int32>(Next < INT32_MAX ? Next : INT32_MAX);
	return true;
}

FString ZevoOscBytesToText(std::string_view Bytes)
{
	FString Text;
	Text.Reserve(static_cast<int32>(Bytes.size()));
	for (const char Character : Bytes)
	{
		const uint8 Byte = static_cast<uint8>(Character);
		if (Byte < 0x80)
		{
			Text.AppendChar(Character);
		}
		else
		{
			// U+FF80..U+FFFF in UTF-8: EF BE 80..BF for bytes 80..BF, EF BF 80..BF for C0..FF.
			Text.AppendChar(char(0xEF));
			Text.AppendChar(char(Byte < 0xC0 ? 0xBE : 0xBF));
			Text.AppendChar(char(0x80 | (Byte & 0x3F)));
		}
	}
	return Text;
}

FName ZevoOscBytesToName(std::string_view Bytes)
{
	for (const char Character : Bytes)
	{
		if (static_cast<uint8>(Character) >= 0x80)
		{
			return FName(ZevoOscBytesToText(Bytes));
		}
	}
	return FName(Bytes);
}

bool ZevoOscEqualsIgnoringCase(std::string_view A, std::string_view B)
{
	if (A.size() != B.size())
	{
		return false;
	}
	// Senders write the addresses as documented, so an exact match is tried first.
	if (A == B)
	{
		return true;
	}
	uint8 Difference = 0;
	for (size_t Index = 0; Index < A.size(); ++Index)
	{
		Difference |= uint8(FChar::ToLower(A[Index]) ^ FChar::ToLower(B[Index]));
	}
	return Difference == 0;
}
