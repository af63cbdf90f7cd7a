#include "ZevoOscReader.h"

#include "ZevoLogLimiter.h"

#define ZEVO_UNTERMINATED_STRING_LINE \
	TEXT("OSC string at offset %d has no terminating zero byte before the end of the datagram (%d bytes); message ignored")

void FZevoOscReader::LogUnterminatedString() const
{
	if (Limiter)
	{
		ZEVO_LIMITED_LOG(*Limiter, Error, ZEVO_UNTERMINATED_STRING_LINE, Offset, DataSize);
	}
	else
	{
		UE_LOG(LogTemp, Error, ZEVO_UNTERMINATED_STRING_LINE, Offset, DataSize);
	}
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
