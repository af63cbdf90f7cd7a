#include "Containers/UnrealString.h"

#include "Containers/Array.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
bool CharsEqual(char A, char B, ESearchCase::Type SearchCase)
{
	return SearchCase == ESearchCase::CaseSensitive ? A == B : FChar::ToLower(A) == FChar::ToLower(B);
}

bool RangeEquals(const std::string& Text, size_t At, std::string_view Sub, ESearchCase::Type SearchCase)
{
	if (At + Sub.size() > Text.size())
	{
		return false;
	}
	if (SearchCase == ESearchCase::CaseSensitive)
	{
		return std::string_view(Text).substr(At, Sub.size()) == Sub;
	}
	for (size_t I = 0; I < Sub.size(); ++I)
	{
		if (!CharsEqual(Text[At + I], Sub[I], SearchCase))
		{
			return false;
		}
	}
	return true;
}
}

FString FString::VPrintf(const char* Format, va_list Args)
{
	char Small[256];
	va_list Copy;
	va_copy(Copy, Args);
	const int Needed = std::vsnprintf(Small, sizeof(Small), Format, Copy);
	va_end(Copy);
	if (Needed < 0)
	{
		return FString();
	}
	if (static_cast<size_t>(Needed) < sizeof(Small))
	{
		return FString(std::string(Small, Needed));
	}
	std::string Big(static_cast<size_t>(Needed) + 1, '\0');
	std::vsnprintf(Big.data(), Big.size(), Format, Args);
	Big.resize(Needed);
	return FString(std::move(Big));
}

FString FString::Printf(const char* Format, ...)
{
	va_list Args;
	va_start(Args, Format);
	FString Result = VPrintf(Format, Args);
	va_end(Args);
	return Result;
}

FString FString::Join(const TArray<FString>& Parts, const char* Separator)
{
	std::string Result;
	for (int32 I = 0; I < Parts.Num(); ++I)
	{
		if (I > 0)
		{
			Result += Separator;
		}
		Result += Parts[I].Data;
	}
	return FString(std::move(Result));
}

FString operator/(const FString& Left, const FString& Right)
{
	if (Left.IsEmpty())
	{
		return Right;
	}
	std::string Result = Left.Data;
	const bool bLeftEnds = Result.back() == '/';
	const bool bRightStarts = !Right.Data.empty() && Right.Data.front() == '/';
	if (bLeftEnds && bRightStarts)
	{
		Result += Right.Data.substr(1);
	}
	else if (bLeftEnds || bRightStarts || Right.Data.empty())
	{
		Result += Right.Data;
	}
	else
	{
		Result += '/';
		Result += Right.Data;
	}
	return FString(std::move(Result));
}

bool FString::Equals(const FString& Other, ESearchCase::Type SearchCase) const
{
	return Data.size() == Other.Data.size() && RangeEquals(Data, 0, Other.Data, SearchCase);
}

int32 FString::Compare(const FString& Other, ESearchCase::Type SearchCase) const
{
	const size_t Count = std::min(Data.size(), Other.Data.size());
	for (size_t I = 0; I < Count; ++I)
	{
		const unsigned char A = SearchCase == ESearchCase::IgnoreCase ? FChar::ToLower(Data[I]) : Data[I];
		const unsigned char B = SearchCase == ESearchCase::IgnoreCase ? FChar::ToLower(Other.Data[I]) : Other.Data[I];
		if (A != B)
		{
			return A < B ? -1 : 1;
		}
	}
	return Data.size() == Other.Data.size() ? 0 : (Data.size() < Other.Data.size() ? -1 : 1);
}

bool FString::EqualsIgnoringCase(size_t At, std::string_view Sub) const
{
	return RangeEquals(Data, At, Sub, ESearchCase::IgnoreCase);
}

int32 FString::FindOtherwise(std::string_view Sub, ESearchCase::Type SearchCase, ESearchDir::Type Dir, int32 StartPosition) const
{
	if (Sub.size() > Data.size())
	{
		return INDEX_NONE;
	}
	const int32 Last = static_cast<int32>(Data.size() - Sub.size());
	if (Dir == ESearchDir::FromStart)
	{
		for (int32 At = StartPosition == INDEX_NONE ? 0 : std::max(0, StartPosition); At <= Last; ++At)
		{
			if (RangeEquals(Data, At, Sub, SearchCase))
			{
				return At;
			}
		}
		return INDEX_NONE;
	}
	for (int32 At = StartPosition == INDEX_NONE ? Last : std::min(Last, StartPosition - static_cast<int32>(Sub.size())); At >= 0; --At)
	{
		if (RangeEquals(Data, At, Sub, SearchCase))
		{
			return At;
		}
	}
	return INDEX_NONE;
}

FString FString::Replace(const TCHAR* From, const TCHAR* To, ESearchCase::Type SearchCase) const
{
	FString Copy = *this;
	Copy.ReplaceInline(From, To, SearchCase);
	return Copy;
}

int32 FString::ReplaceText(std::string_view From, std::string_view To, ESearchCase::Type SearchCase)
{
	const auto FindFrom = [&](size_t Start) {
		if (SearchCase == ESearchCase::CaseSensitive)
		{
			return Data.find(From, Start);
		}
		for (size_t At = Start; At + From.size() <= Data.size(); ++At)
		{
			if (RangeEquals(Data, At, From, SearchCase))
			{
				return At;
			}
		}
		return std::string::npos;
	};
	size_t At = FindFrom(0);
	if (At == std::string::npos)
	{
		return 0;
	}
	int32 Count = 0;
	if (To.size() <= From.size())
	{
		// Nothing grows: the text is rewritten in place, the part still to search never yet written.
		size_t Write = At;
		size_t Read = At;
		for (; At != std::string::npos; At = FindFrom(Read))
		{
			std::memmove(Data.data() + Write, Data.data() + Read, At - Read);
			Write += At - Read;
			std::memcpy(Data.data() + Write, To.data(), To.size());
			Write += To.size();
			Read = At + From.size();
			++Count;
		}
		std::memmove(Data.data() + Write, Data.data() + Read, Data.size() - Read);
		Data.resize(Write + Data.size() - Read);
		return Count;
	}
	std::string Result;
	Result.reserve(Data.size() + To.size() - From.size());
	size_t Copied = 0;
	for (; At != std::string::npos; At = FindFrom(At + From.size()))
	{
		Result.append(Data, Copied, At - Copied);
		Result.append(To);
		Copied = At + From.size();
		++Count;
	}
	Result.append(Data, Copied);
	Data = std::move(Result);
	return Count;
}

FString& FString::AppendChar(UCS2CHAR Character)
{
	// One, two or three UTF-8 bytes: every 16-bit character is a code point of its own here.
	const uint32 Code = Character;
	if (Code < 0x80)
	{
		Data += static_cast<char>(Code);
	}
	else if (Code < 0x800)
	{
		Data += static_cast<char>(0xC0 | (Code >> 6));
		Data += static_cast<char>(0x80 | (Code & 0x3F));
	}
	else
	{
		Data += static_cast<char>(0xE0 | (Code >> 12));
		Data += static_cast<char>(0x80 | ((Code >> 6) & 0x3F));
		Data += static_cast<char>(0x80 | (Code & 0x3F));
	}
	return *this;
}

FString FString::ToLower() const
{
	FString Copy = *this;
	Copy.ToLowerInline();
	return Copy;
}

void FString::ToLowerInline()
{
	for (char& C : Data)
	{
		C = FChar::ToLower(C);
	}
}

FString FString::ToUpper() const
{
	std::string Copy = Data;
	for (char& C : Copy)
	{
		C = FChar::ToUpper(C);
	}
	return FString(std::move(Copy));
}

FString FString::TrimStart() const
{
	size_t First = 0;
	while (First < Data.size() && FChar::IsWhitespace(Data[First]))
	{
		++First;
	}
	return FString(Data.substr(First));
}

FString FString::TrimEnd() const
{
	size_t End = Data.size();
	while (End > 0 && FChar::IsWhitespace(Data[End - 1]))
	{
		--End;
	}
	return FString(Data.substr(0, End));
}

FString FString::TrimStartAndEnd() const
{
	return TrimStart().TrimEnd();
}

FString FString::Left(int32 Count) const
{
	return FString(Data.substr(0, static_cast<size_t>(std::clamp(Count, 0, Len()))));
}

FString FString::LeftChop(int32 Count) const
{
	return Left(Len() - std::clamp(Count, 0, Len()));
}

FString FString::Right(int32 Count) const
{
	const int32 Kept = std::clamp(Count, 0, Len());
	return FString(Data.substr(Data.size() - Kept));
}

FString FString::RightChop(int32 Count) const
{
	return FString(Data.substr(static_cast<size_t>(std::clamp(Count, 0, Len()))));
}

FString FString::Mid(int32 Start, int32 Count) const
{
	const int32 From = std::clamp(Start, 0, Len());
	const int32 Kept = std::clamp(Count, 0, Len() - From);
	return FString(Data.substr(From, Kept));
}

bool FString::Split(const FString& Delimiter, FString* OutLeft, FString* OutRight, ESearchCase::Type SearchCase, ESearchDir::Type Dir) const
{
	const int32 At = Find(Delimiter, SearchCase, Dir);
	if (At == INDEX_NONE)
	{
		return false;
	}
	if (OutLeft)
	{
		*OutLeft = Left(At);
	}
	if (OutRight)
	{
		*OutRight = RightChop(At + Delimiter.Len());
	}
	return true;
}

int32 FString::ParseIntoArray(TArray<FString>& Out, const char* Delimiter, bool bCullEmpty) const
{
	Out.Reset();
	const std::string Delim = Delimiter;
	size_t Start = 0;
	while (true)
	{
		const size_t At = Delim.empty() ? std::string::npos : Data.find(Delim, Start);
		const std::string Piece = Data.substr(Start, At == std::string::npos ? std::string::npos : At - Start);
		if (!(bCullEmpty && Piece.empty()))
		{
			Out.Add(FString(Piece));
		}
		if (At == std::string::npos)
		{
			break;
		}
		Start = At + Delim.size();
	}
	return Out.Num();
}

int32 FString::ParseIntoArrayLines(TArray<FString>& Out, bool bCullEmpty) const
{
	Out.Reset();
	size_t Start = 0;
	for (size_t I = 0; I <= Data.size(); ++I)
	{
		const bool bEnd = I == Data.size();
		if (bEnd || Data[I] == '\n' || Data[I] == '\r')
		{
			std::string Piece = Data.substr(Start, I - Start);
			if (!(bCullEmpty && Piece.empty()))
			{
				Out.Add(FString(std::move(Piece)));
			}
			if (!bEnd && Data[I] == '\r' && I + 1 < Data.size() && Data[I + 1] == '\n')
			{
				++I;
			}
			Start = I + 1;
		}
	}
	return Out.Num();
}

bool FString::IsNumeric() const
{
	if (Data.empty())
	{
		return false;
	}
	char* End = nullptr;
	std::strtod(Data.c_str(), &End);
	return End && *End == '\0';
}

uint32 GetTypeHash(const FString& Text)
{
	uint32 Hash = 2166136261u;
	for (const char C : Text.ToStdString())
	{
		Hash = (Hash ^ static_cast<uint8>(FChar::ToLower(C))) * 16777619u;
	}
	return Hash;
}

int32 FCString::Atoi(const char* Text)
{
	// atoi leaves a value beyond int32 undefined; a hand-edited file may hold one.
	const long long Value = std::strtoll(Text, nullptr, 10);
	return static_cast<int32>(std::clamp<long long>(Value, INT32_MIN, INT32_MAX));
}

double FCString::Atod(const char* Text)
{
	return std::atof(Text);
}
