#pragma once
// FZevoOscReader: reads the fields of one OSC message in order, never outside the datagram.
// Numbers are big-endian; strings are zero-terminated and padded to four bytes. Every read that
// does not fit leaves the position where it was (a run of floats stops before the first float
// cut off) and says so, so a decoder can stop cleanly.
#include "Containers/StringView.h"
#include "CoreMinimal.h"

class FZevoLogLimiter;

class FZevoOscReader
{
public:
	/** Limiter, when given, limits the reader's own Error lines (a source's decoders pass theirs). */
	FZevoOscReader(const uint8* InData, int32 InDataSize, int32 InOffset, FZevoLogLimiter* InLimiter = nullptr)
		: Data(InData), DataSize(InDataSize > 0 && InData ? InDataSize : 0), Offset(InOffset), Limiter(InLimiter)
	{
	}

	/**
	 * The string's bytes without its terminator, then moves past its padding: (length + 4)
	 * rounded down to a multiple of 4. At or past the end it gives the empty string and stays.
	 * False, after an Error line, when no zero byte ends the string inside the datagram.
	 */
	bool ReadString(FAnsiStringView& OutBytes)
	{
		OutBytes = FAnsiStringView();
		if (Offset < 0 || Offset >= DataSize)
		{
			return true;
		}
		const ANSICHAR* Start = reinterpret_cast<const ANSICHAR*>(Data + Offset);
		const int32 Available = DataSize - Offset;
		const int32 Length = TerminatedLength(Start, Available);
		if (Length == Available)
		{
			LogUnterminatedString();
			return false;
		}
		OutBytes = FAnsiStringView(Start, Length);
		// The padding may be cut off by the end of the datagram: the position may then pass the
		// end, where every later read fails.
		const int64 Next = int64(Offset) + ((int64(Length) + 4) & ~int64(3));
		Offset = static_cast<int32>(Next < TNumericLimits<int32>::Max() ? Next : TNumericLimits<int32>::Max());
		return true;
	}
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
		OutValue = WordToFloat(Word);
		return true;
	}
	/**
	 * The floats of the run of 'f' tags that starts at TypeTags[TagIndex], read together behind
	 * one bounds check. They go on filling Values[FloatCount] up to Values[ValueCount - 1]; the
	 * ones past that are read and dropped. FloatCount grows by the floats read and TagIndex moves
	 * to the run's last tag. False when the datagram ends inside the run: TagIndex then names the
	 * first tag whose float is cut off.
	 */
	bool ReadFloatRun(FAnsiStringView TypeTags, int32& TagIndex, float* Values, int32 ValueCount, int32& FloatCount)
	{
		int32 RunEnd = TagIndex;
		while (RunEnd < TypeTags.Len() && TypeTags[RunEnd] == 'f')
		{
			++RunEnd;
		}
		const int32 RunLength = RunEnd - TagIndex;
		const int32 Fitting = FMath::Min(RunLength, GetRemaining() / 4);
		const int32 Kept = FMath::Clamp(ValueCount - FloatCount, 0, Fitting);
		for (int32 Index = 0; Index < Kept; ++Index)
		{
			Values[FloatCount + Index] = WordToFloat(LoadBigEndian(Data + Offset + 4 * Index));
		}
		Offset += 4 * Fitting;
		FloatCount += Fitting;
		TagIndex += Fitting < RunLength ? Fitting : Fitting - 1;
		return Fitting == RunLength;
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
		OutWord = LoadBigEndian(Data + Offset);
		Offset += 4;
		return true;
	}
	static uint32 LoadBigEndian(const uint8* Bytes)
	{
		return (uint32(Bytes[0]) << 24) | (uint32(Bytes[1]) << 16) | (uint32(Bytes[2]) << 8) | uint32(Bytes[3]);
	}
	/** The bytes before the first zero byte among Available bytes; Available when there is none. */
	static int32 TerminatedLength(const ANSICHAR* Bytes, int32 Available)
	{
		// Eight bytes at a time while they lie inside the datagram: a word without a zero byte is
		// passed whole (a byte is zero when subtracting one borrows into its top bit).
		constexpr uint64 Ones = 0x0101010101010101ull;
		int32 Length = 0;
		for (; Length + 8 <= Available; Length += 8)
		{
			uint64 Word;
			FMemory::Memcpy(&Word, Bytes + Length, sizeof(Word));
			if (((Word - Ones) & ~Word & (Ones << 7)) != 0)
			{
				break;
			}
		}
		while (Length < Available && Bytes[Length] != '\0')
		{
			++Length;
		}
		return Length;
	}
	static float WordToFloat(uint32 Word)
	{
		float Value;
		FMemory::Memcpy(&Value, &Word, sizeof(Value));
		return Value;
	}
	void LogUnterminatedString() const;

	const uint8* Data;
	int32 DataSize;
	int32 Offset;
	FZevoLogLimiter* Limiter;
};

/**
 * OSC string bytes as text, one character per byte: bytes below 0x80 stay as they are, bytes 0x80
 * to 0xFF become the characters U+FF80 to U+FFFF, as a reader of 8-bit characters into 16-bit
 * ones would make them.
 */
FString ZevoOscBytesToText(FAnsiStringView Bytes);
