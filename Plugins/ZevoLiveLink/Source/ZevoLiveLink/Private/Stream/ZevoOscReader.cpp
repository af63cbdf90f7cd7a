#include "ZevoOscReader.h"

void FZevoOscReader::LogUnterminatedString() const
{
	UE_LOG(LogTemp, Error, TEXT("OSC string at offset %d has no terminating zero byte before the end of the datagram (%d bytes); message ignored"),
		Offset, DataSize);
}

FString ZevoOscBytesToText(FAnsiStringView Bytes)
{
	FString Text;
	Text.Reserve(Bytes.Len());
	for (const ANSICHAR Character : Bytes)
	{
		// Sign extension of the byte into a 16-bit character: 0x80..0xFF become U+FF80..U+FFFF.
		Text.AppendChar(static_cast<UCS2CHAR>(static_cast<int16>(static_cast<int8>(Character))));
	}
	return Text;
}

FName ZevoOscBytesToName(FAnsiStringView Bytes)
{
	uint8 AllBits = 0;
	for (const ANSICHAR Character : Bytes)
	{
		AllBits |= static_cast<uint8>(Character);
	}
	return AllBits < 0x80 ? FName(Bytes) : FName(ZevoOscBytesToText(Bytes));
}
