#include "Misc/CString.h"

#include <cstring>

namespace
{
/** ToLower on each of the eight bytes of a word at once; bytes 0x80 to 0xFF stay as they are. */
uint64 ToLowerEachByte(uint64 Word)
{
	constexpr uint64 Ones = 0x0101010101010101ull;
	const uint64 Low7 = Word & (0x7F * Ones);
	// Neither sum carries into the next byte; each byte's high bit then says "at least 'A'" and
	// "past 'Z'" respectively.
	const uint64 AtLeastA = Low7 + (0x80 - 'A') * Ones;
	const uint64 PastZ = Low7 + (0x7F - 'Z') * Ones;
	const uint64 UpperCase = AtLeastA & ~PastZ & ~Word & (0x80 * Ones);
	return Word | (UpperCase >> 2);
}

uint64 LoadWord(const char* Bytes)
{
	uint64 Word;
	std::memcpy(&Word, Bytes, sizeof(Word));
	return Word;
}

/**
 * The last 1 to 7 bytes of a text in one word, without a loop: four or more as their first and
 * last four (which may overlap), fewer as the first, middle and last. Tails of one length give
 * equal words exactly when their bytes are equal.
 */
uint64 LoadTail(const char* Bytes, size_t Count)
{
	if (Count >= 4)
	{
		uint32 First;
		uint32 Last;
		std::memcpy(&First, Bytes, sizeof(First));
		std::memcpy(&Last, Bytes + Count - 4, sizeof(Last));
		return First | (uint64(Last) << 32);
	}
	return uint64(uint8(Bytes[0])) | (uint64(uint8(Bytes[Count / 2])) << 8) | (uint64(uint8(Bytes[Count - 1])) << 16);
}

bool WordsEqualIgnoringCase(uint64 A, uint64 B)
{
	return A == B || ToLowerEachByte(A) == ToLowerEachByte(B);
}

uint64 MixWord(uint64 Hash, uint64 Word)
{
	Hash = (Hash ^ ToLowerEachByte(Word)) * 0x9e3779b97f4a7c15ull;
	// A product's low bits come from its factors' low bits alone: fold the high half down.
	return Hash ^ (Hash >> 32);
}
}

bool ZevoHost::Private::EqualsIgnoreCase(std::string_view A, std::string_view B)
{
	if (A.size() != B.size())
	{
		return false;
	}
	size_t At = 0;
	for (; At + sizeof(uint64) <= A.size(); At += sizeof(uint64))
	{
		if (!WordsEqualIgnoringCase(LoadWord(A.data() + At), LoadWord(B.data() + At)))
		{
			return false;
		}
	}
	return At == A.size() || WordsEqualIgnoringCase(LoadTail(A.data() + At, A.size() - At), LoadTail(B.data() + At, B.size() - At));
}

uint64 ZevoHost::Private::HashIgnoreCase(std::string_view Text)
{
	uint64 Hash = Text.size();
	size_t At = 0;
	for (; At + sizeof(uint64) <= Text.size(); At += sizeof(uint64))
	{
		Hash = MixWord(Hash, LoadWord(Text.data() + At));
	}
	return At == Text.size() ? Hash : MixWord(Hash, LoadTail(Text.data() + At, Text.size() - At));
}
