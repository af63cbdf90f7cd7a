#pragma once
// FString: the engine's text type. It holds UTF-8 and, as on the engine, compares and hashes
// without regard to ASCII letter case unless a case-sensitive operation is asked for.
// Knowingly different from the engine: Len() counts bytes, not characters (all names, addresses
// and file lines this system handles are ASCII).
#include "HAL/Platform.h"

#include <cstdarg>
#include <cstring>
#include <string>
#include <string_view>

template <typename T>
class TArray;

namespace ESearchCase
{
enum Type
{
	CaseSensitive,
	IgnoreCase,
};
}

namespace ESearchDir
{
enum Type
{
	FromStart,
	FromEnd,
};
}

class FString
{
public:
	FString() = default;
	FString(const char* Text) : Data(Text ? Text : "") {}
	FString(std::string Text) : Data(std::move(Text)) {}
	FString(std::string_view Text) : Data(Text) {}
	FString(const char* Text, int32 Count) : Data(Text, Count) {}

	static FString Printf(const char* Format, ...) __attribute__((format(printf, 1, 2)));
	static FString VPrintf(const char* Format, va_list Args);
	static FString FromInt(int64 Value) { return FString(std::to_string(Value)); }
	static FString Join(const TArray<FString>& Parts, const char* Separator);

	const char* operator*() const { return Data.c_str(); }
	const std::string& ToStdString() const { return Data; }
	std::string& GetCharArray() { return Data; }

	int32 Len() const { return static_cast<int32>(Data.size()); }
	bool IsEmpty() const { return Data.empty(); }
	void Empty() { Data.clear(); }
	void Reset() { Data.clear(); }
	void Reserve(int32 Count) { Data.reserve(Count); }
	char operator[](int32 Index) const { return Data[Index]; }
	char& operator[](int32 Index) { return Data[Index]; }

	FString& operator+=(const FString& Other) { Data += Other.Data; return *this; }
	FString& operator+=(const char* Other) { Data += Other; return *this; }
	FString& operator+=(char Character) { Data += Character; return *this; }
	FString& AppendChar(TCHAR Character) { Data += Character; return *this; }
	/**
	 * Knowingly different from the engine: a 16-bit character, which the engine's TCHAR holds as
	 * it is, is stored here as its UTF-8 bytes.
	 */
	FString& AppendChar(UCS2CHAR Character);
	FString& Append(const FString& Other) { Data += Other.Data; return *this; }
	FString& Append(const TCHAR* Text, int32 Count) { Data.append(Text, static_cast<size_t>(Count)); return *this; }
	friend FString operator+(FString Left, const FString& Right) { Left.Data += Right.Data; return Left; }
	friend FString operator+(FString Left, const char* Right) { Left.Data += Right; return Left; }
	friend FString operator+(const char* Left, const FString& Right) { return FString(std::string(Left) + Right.Data); }
	/** Path join with exactly one separator, as the engine's `/` on strings. */
	friend FString operator/(const FString& Left, const FString& Right);

	/** Case-insensitive, as the engine's operators. */
	friend bool operator==(const FString& Left, const FString& Right) { return Left.Equals(Right, ESearchCase::IgnoreCase); }
	friend bool operator==(const FString& Left, const char* Right) { return Left.Equals(FString(Right), ESearchCase::IgnoreCase); }
	friend bool operator<(const FString& Left, const FString& Right) { return Left.Compare(Right, ESearchCase::IgnoreCase) < 0; }
	bool Equals(const FString& Other, ESearchCase::Type SearchCase = ESearchCase::CaseSensitive) const;
	int32 Compare(const FString& Other, ESearchCase::Type SearchCase = ESearchCase::CaseSensitive) const;

	// Each search and edit takes the other text as an FString or as TCHAR text, as on the engine;
	// the TCHAR forms make no copy of it. Case-sensitive searches, which name matching runs by
	// the thousand, are answered here without a call into the library.
	bool StartsWith(const FString& Prefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const { return StartsWithText(Prefix.Data, SearchCase); }
	bool StartsWith(const TCHAR* Prefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const
	{
		return SearchCase == ESearchCase::CaseSensitive ? LeadingLength(Prefix) != 0 : StartsWithText(Chars(Prefix), SearchCase);
	}
	bool EndsWith(const FString& Suffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const { return EndsWithText(Suffix.Data, SearchCase); }
	bool EndsWith(const TCHAR* Suffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const { return EndsWithText(Chars(Suffix), SearchCase); }
	bool Contains(const FString& Sub, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const { return Find(Sub, SearchCase) != INDEX_NONE; }
	bool Contains(const TCHAR* Sub, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const
	{
		return SearchCase == ESearchCase::CaseSensitive ? ContainsExactly(Sub) : Find(Sub, SearchCase) != INDEX_NONE;
	}
	int32 Find(const FString& Sub, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase,
		ESearchDir::Type Dir = ESearchDir::FromStart, int32 StartPosition = INDEX_NONE) const
	{
		return FindText(Sub.Data, SearchCase, Dir, StartPosition);
	}
	int32 Find(const TCHAR* Sub, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase,
		ESearchDir::Type Dir = ESearchDir::FromStart, int32 StartPosition = INDEX_NONE) const
	{
		return FindText(Chars(Sub), SearchCase, Dir, StartPosition);
	}
	bool FindChar(TCHAR Character, int32& OutIndex) const
	{
		const size_t At = Data.find(static_cast<char>(Character));
		OutIndex = At == std::string::npos ? INDEX_NONE : static_cast<int32>(At);
		return OutIndex != INDEX_NONE;
	}

	/** Every occurrence replaced, in a copy; the rest keeps its case. */
	FString Replace(const TCHAR* From, const TCHAR* To, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	int32 ReplaceInline(const TCHAR* From, const TCHAR* To, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase)
	{
		// Most calls find nothing to replace, and that answer costs a single search.
		if (*From == 0 || (SearchCase == ESearchCase::CaseSensitive && !ContainsExactly(From)))
		{
			return 0;
		}
		return ReplaceText(Chars(From), Chars(To), SearchCase);
	}
	bool RemoveFromStart(const FString& Prefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) { return RemoveFromStartText(Prefix.Data, SearchCase); }
	bool RemoveFromStart(const TCHAR* Prefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase)
	{
		if (SearchCase == ESearchCase::CaseSensitive)
		{
			const size_t Length = LeadingLength(Prefix);
			Data.erase(0, Length);
			return Length != 0;
		}
		return RemoveFromStartText(Chars(Prefix), SearchCase);
	}
	bool RemoveFromEnd(const FString& Suffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) { return RemoveFromEndText(Suffix.Data, SearchCase); }
	bool RemoveFromEnd(const TCHAR* Suffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) { return RemoveFromEndText(Chars(Suffix), SearchCase); }
	/** Keeps the first Count characters. */
	void LeftInline(int32 Count) { Data.resize(static_cast<size_t>(Count < 0 ? 0 : (Count < Len() ? Count : Len()))); }

	FString ToLower() const;
	FString ToUpper() const;
	void ToLowerInline();
	FString TrimStartAndEnd() const;
	FString TrimStart() const;
	FString TrimEnd() const;
	FString Left(int32 Count) const;
	FString LeftChop(int32 Count) const;
	FString Right(int32 Count) const;
	FString RightChop(int32 Count) const;
	FString Mid(int32 Start, int32 Count = 0x7fffffff) const;

	/** Splits at the first (or last) occurrence of Delimiter; false when it does not occur. */
	bool Split(const FString& Delimiter, FString* OutLeft, FString* OutRight,
		ESearchCase::Type SearchCase = ESearchCase::IgnoreCase, ESearchDir::Type Dir = ESearchDir::FromStart) const;
	int32 ParseIntoArray(TArray<FString>& Out, const char* Delimiter, bool bCullEmpty = true) const;
	/** Splits at CR LF, CR and LF. */
	int32 ParseIntoArrayLines(TArray<FString>& Out, bool bCullEmpty = true) const;
	bool IsNumeric() const;

private:
	/** TCHAR text as the UTF-8 bytes this host keeps it in. */
	static std::string_view Chars(const TCHAR* Text) { return reinterpret_cast<const char*>(Text); }
	/**
	 * The length of Prefix when the text starts with it, else 0. Compared a character at a time:
	 * a prefix that is not there usually differs at once, sooner than its length is known.
	 */
	size_t LeadingLength(const TCHAR* Prefix) const
	{
		const char* Bytes = reinterpret_cast<const char*>(Prefix);
		size_t Length = 0;
		for (; Bytes[Length] != 0; ++Length)
		{
			if (Length == Data.size() || Data[Length] != Bytes[Length])
			{
				return 0;
			}
		}
		return Length;
	}
	/** Whether Sub occurs, case-sensitively: each place its first character occurs is compared on. */
	bool ContainsExactly(const TCHAR* Sub) const
	{
		const char* Bytes = reinterpret_cast<const char*>(Sub);
		if (Bytes[0] == 0)
		{
			return true;
		}
		const char* const End = Data.data() + Data.size();
		for (const char* At = Data.data(); (At = static_cast<const char*>(std::memchr(At, Bytes[0], End - At))) != nullptr; ++At)
		{
			size_t Matched = 1;
			while (Bytes[Matched] != 0 && At + Matched < End && At[Matched] == Bytes[Matched])
			{
				++Matched;
			}
			if (Bytes[Matched] == 0)
			{
				return true;
			}
		}
		return false;
	}

	bool StartsWithText(std::string_view Prefix, ESearchCase::Type SearchCase) const
	{
		return SearchCase == ESearchCase::CaseSensitive ? std::string_view(Data).starts_with(Prefix) : EqualsIgnoringCase(0, Prefix);
	}
	bool EndsWithText(std::string_view Suffix, ESearchCase::Type SearchCase) const
	{
		return SearchCase == ESearchCase::CaseSensitive ? std::string_view(Data).ends_with(Suffix)
														: Suffix.size() <= Data.size() && EqualsIgnoringCase(Data.size() - Suffix.size(), Suffix);
	}
	int32 FindText(std::string_view Sub, ESearchCase::Type SearchCase, ESearchDir::Type Dir, int32 StartPosition) const
	{
		if (Sub.empty())
		{
			return 0;
		}
		if (SearchCase == ESearchCase::CaseSensitive && Dir == ESearchDir::FromStart)
		{
			const size_t At = Data.find(Sub, StartPosition > 0 ? static_cast<size_t>(StartPosition) : 0);
			return At == std::string::npos ? INDEX_NONE : static_cast<int32>(At);
		}
		return FindOtherwise(Sub, SearchCase, Dir, StartPosition);
	}
	bool RemoveFromStartText(std::string_view Prefix, ESearchCase::Type SearchCase)
	{
		if (Prefix.empty() || !StartsWithText(Prefix, SearchCase))
		{
			return false;
		}
		Data.erase(0, Prefix.size());
		return true;
	}
	bool RemoveFromEndText(std::string_view Suffix, ESearchCase::Type SearchCase)
	{
		if (Suffix.empty() || !EndsWithText(Suffix, SearchCase))
		{
			return false;
		}
		Data.erase(Data.size() - Suffix.size());
		return true;
	}
	/** Whether the text at At equals Sub ignoring ASCII case (false when Sub runs past the end). */
	bool EqualsIgnoringCase(size_t At, std::string_view Sub) const;
	int32 FindOtherwise(std::string_view Sub, ESearchCase::Type SearchCase, ESearchDir::Type Dir, int32 StartPosition) const;
	/** Replaces every occurrence of From (not empty) by To. */
	int32 ReplaceText(std::string_view From, std::string_view To, ESearchCase::Type SearchCase);

	std::string Data;
};

/** Case-insensitive hash, consistent with operator==. */
uint32 GetTypeHash(const FString& Text);

namespace FCString
{
/** The C library's decimal conversion: leading blanks and sign, stops at the first non-digit, 0 when none;
 *  beyond the int32 range, the nearest int32. */
int32 Atoi(const char* Text);
double Atod(const char* Text);
/** Negative, zero or positive as A sorts before, with or after B, character by character. */
inline int32 Strcmp(const TCHAR* A, const TCHAR* B)
{
	for (; *A != 0 && *A == *B; ++A, ++B)
	{
	}
	return static_cast<int32>(static_cast<uint8>(*A)) - static_cast<int32>(static_cast<uint8>(*B));
}
inline int32 Strlen(const TCHAR* Text) { return static_cast<int32>(std::char_traits<TCHAR>::length(Text)); }
/** The first occurrence of Character in Text, or null. */
inline const TCHAR* Strchr(const TCHAR* Text, TCHAR Character)
{
	for (; *Text != Character; ++Text)
	{
		if (*Text == 0)
		{
			return nullptr;
		}
	}
	return Text;
}
}

namespace FChar
{
inline char ToLower(char C) { return (C >= 'A' && C <= 'Z') ? char(C - 'A' + 'a') : C; }
inline char ToUpper(char C) { return (C >= 'a' && C <= 'z') ? char(C - 'a' + 'A') : C; }
inline bool IsWhitespace(char C) { return C == ' ' || C == '\t' || C == '\n' || C == '\r' || C == '\v' || C == '\f'; }
inline bool IsDigit(char C) { return C >= '0' && C <= '9'; }
}
