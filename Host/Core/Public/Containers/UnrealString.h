#pragma once
// FString: the engine's text type. It holds UTF-8 and, as on the engine, compares and hashes
// without regard to ASCII letter case unless a case-sensitive operation is asked for.
// Knowingly different from the engine: Len() counts bytes, not characters (all names, addresses
// and file lines this system handles are ASCII).
#include "HAL/Platform.h"

#include <cstdarg>
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
	FString& AppendChar(char Character) { Data += Character; return *this; }
	FString& Append(const FString& Other) { Data += Other.Data; return *this; }
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

	bool StartsWith(const FString& Prefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	bool EndsWith(const FString& Suffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	bool Contains(const FString& Sub, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const { return Find(Sub, SearchCase) != INDEX_NONE; }
	int32 Find(const FString& Sub, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase,
		ESearchDir::Type Dir = ESearchDir::FromStart, int32 StartPosition = INDEX_NONE) const;
	bool FindChar(char Character, int32& OutIndex) const;

	/** Every occurrence replaced, in a copy; the rest keeps its case. */
	FString Replace(const FString& From, const FString& To, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	int32 ReplaceInline(const FString& From, const FString& To, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);
	bool RemoveFromStart(const FString& Prefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);
	bool RemoveFromEnd(const FString& Suffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);

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
}

namespace FChar
{
inline char ToLower(char C) { return (C >= 'A' && C <= 'Z') ? char(C - 'A' + 'a') : C; }
inline char ToUpper(char C) { return (C >= 'a' && C <= 'z') ? char(C - 'a' + 'A') : C; }
inline bool IsWhitespace(char C) { return C == ' ' || C == '\t' || C == '\n' || C == '\r' || C == '\v' || C == '\f'; }
inline bool IsDigit(char C) { return C >= '0' && C <= '9'; }
}
