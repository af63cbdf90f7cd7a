#include "ZevoOscReader.h"

void FZevoOscReader::LogUnterminatedString() const
{
	UE_LOG(LogTemp, Error, "OSC string at offset %d has no terminating zero byte before the end of the datagram (%d bytes); message ignored",
		Offset, DataSize);
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
	uint8 AllBits = 0;
	for (const char Character : Bytes)
	{
		AllBits |= static_cast<uint8>(Character);
	}
	return AllBits < 0x80 ? FName(Bytes) : FName(ZevoOscBytesToText(Bytes));
}
