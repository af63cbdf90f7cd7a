#include "Containers/UnrealString.h"

#include "Containers/Array.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace
{
bool CharsEqual(char A, char B, ESearchCase::Type SearchCase)
{
	return SearchCase == ESearchCase::CaseSensitive ? A == B : FChar::ToLower(A) == FChar::ToLower(B);
}

bool RangeEquals(const std::string& Text, size_t At, const std::string& Sub, ESearchCase::Type SearchCase)
{
	if (At + Sub.size() > Text.size())
	{
		return false;
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

bool FString::StartsWith(const FString& Prefix, ESearchCase::Type SearchCase) const
{
	return RangeEquals(Data, 0, Prefix.Data, SearchCase);
}

bool FString::EndsWith(const FString& Suffix, ESearchCase::Type SearchCase) const
{
	return Suffix.Data.size() <= Data.size() && RangeEquals(Data, Data.size() - Suffix.Data.size(), Suffix.Data, SearchCase);
}

int32 FString::Find(const FString& Sub, ESearchCase::Type SearchCase, ESearchDir::Type Dir, int32 StartPosition) const
{
	if (Sub.Data.empty())
	{
		return 0;
	}
	if (Sub.Data.size() > Data.size())
	{
		return INDEX_NONE;
	}
	const int32 Last = static_cast<int32>(Data.size() - Sub.Data.size());
	if (Dir == ESearchDir::FromStart)
	{
		for (int32 At = StartPosition == INDEX_NONE ? 0 : std::max(0, StartPosition); At <= Last; ++At)
		{
			if (RangeEquals(Data, At, Sub.Data, SearchCase))
			{
				return At;
			}
		}
	}
	else
	{
		for (int32 At = StartPosition == INDEX_NONE ? Last : std::min(Last, StartPosition - static_cast<int32>(Sub.Data.size())); At >= 0; --At)
		{
			if (RangeEquals(Data, At, Sub.Data, SearchCase))
			{
				return At;
			}
		}
	}
	return INDEX_NONE;
}

bool FString::FindChar(char Character, int32& OutIndex) const
{
	const size_t At = Data.find(Character);
	OutIndex = At == std::string::npos ? INDEX_NONE : static_cast<int32>(At);
	return OutIndex != INDEX_NONE;
}

FString FString::Replace(const FString& From, const FString& To, ESearchCase::Type SearchCase) const
{
	FString Copy = *this;
	Copy.ReplaceInline(From, To, SearchCase);
	return Copy;
}

int32 FString::ReplaceInline(const FString& From, const FString& To, ESearchCase::Type SearchCase)
{
	if (From.Data.empty() || Data.size() < From.Data.size())
	{
		return 0;
	}
	std::string Result;
	int32 Count = 0;
	size_t At = 0;
	while (At < Data.size())
	{
		if (RangeEquals(Data, At, From.Data, SearchCase))
		{
			if (Count == 0)
			{
				Result.reserve(Data.size());
				Result.append(Data, 0, At);
			}
			Result += To.Data;
			At += From.Data.size();
			++Count;
		}
		else
		{
			if (Count > 0)
			{
				Result += Data[At];
			}
			++At;
		}
	}
	if (Count > 0)
	{
		Data = std::move(Result);
	}
	return Count;
}

bool FString::RemoveFromStart(const FString& Prefix, ESearchCase::Type SearchCase)
{
	if (Prefix.Data.empty() || !StartsWith(Prefix, SearchCase))
	{
		return false;
	}
	Data.erase(0, Prefix.Data.size());
	return true;
}

bool FString::RemoveFromEnd(const FString& Suffix, ESearchCase::Type SearchCase)
{
	if (Suffix.Data.empty() || !EndsWith(Suffix, SearchCase))
	{
		return false;
	}
	Data.erase(Data.size() - Suffix.Data.size());
	return true;
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
