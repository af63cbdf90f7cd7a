#pragma once
// FZevoOscReader: reads the fields of one OSC message in order, never outside the datagram.
// Numbers are big-endian; strings are zero-terminated and padded to four bytes. Every read that
// does not fit leaves the position where it was and says so, so a decoder can stop cleanly.
#include "CoreMinimal.h"

#include <bit>
#include <string_view>

class FZevoOscReader
{
public:
	FZevoOscReader(const uint8* InData, int32 InDataSize, int32 InOffset)
		: Data(InData), DataSize(InDataSize > 0 && InData ? InDataSize : 0), Offset(InOffset)
	{
	}

	/**
	 * The string's bytes without its terminator, then moves past its padding: (length + 4)
	 * rounded down to a multiple of 4. At or past the end it gives the empty string and stays.
	 * False, after an Error line, when no zero byte ends the string inside the datagram.
	 */
	bool ReadString(std::string_view& OutBytes);
	/** False, position unmoved, when the four bytes would pass the end. */
	bool ReadInt32(int32& OutValue)
	{
		uint32 Word;
		if (!ReadWord(Word))
		{
			return false;
		}
		OutValue = static_cast<int32>(Word);
		return true;
	}
	bool ReadFloat(float& OutValue)
	{
		uint32 Word;
		if (!ReadWord(Word))
		{
			return false;
		}
		OutValue = std::bit_cast<float>(Word);
		return true;
	}
	/** Bytes between the position and the end (0 once past it). */
	int32 GetRemaining() const { return Offset >= 0 && Offset < DataSize ? DataSize - Offset : 0; }
	/** Moves over Count bytes (0 <= Count <= GetRemaining()) and returns where they start. */
	const uint8* Skip(int32 Count)
	{
		const uint8* Start = Data + Offset;
		Offset += Count;
		return Start;
	}
	int32 GetOffset() const { return Offset; }

private:
	bool ReadWord(uint32& OutWord)
	{
		if (Offset < 0 || Offset > DataSize - 4)
		{
			return false;
		}
		const uint8* Bytes = Data + Offset;
		OutWord = (uint32(Bytes[0]) << 24) | (uint32(Bytes[1]) << 16) | (uint32(Bytes[2]) << 8) | uint32(Bytes[3]);
		Offset += 4;
		return true;
	}

	const uint8* Data;
	int32 DataSize;
	int32 Offset;
};

/**
 * OSC string bytes as text: bytes below 0x80 stay as they are, bytes 0x80 to 0xFF become the
 * characters U+FF80 to U+FFFF, as a reader of 8-bit characters into 16-bit ones would make them.
 */
FString ZevoOscBytesToText(std::string_view Bytes);
/** The name made from OSC string bytes, without building text when they are plain ASCII. */
FName ZevoOscBytesToName(std::string_view Bytes);
/** ASCII letters compared without regard to case; other bytes must be equal. */
bool ZevoOscEqualsIgnoringCase(std::string_view A, std::string_view B);
