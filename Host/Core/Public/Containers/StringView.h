#pragma once
// TStringView: a view of characters that it does not own, as the engine's string view:
// FStringView of TCHAR text, FAnsiStringView of 8-bit text.
#include "Containers/UnrealString.h"
#include "Misc/CString.h"

template <typename CharType>
class TStringView
{
public:
	using ElementType = CharType;

	constexpr TStringView() = default;
	constexpr TStringView(const CharType* InData, int32 InSize) : DataPtr(InData), Size(InSize) {}
	/** A zero-terminated text. */
	constexpr TStringView(const CharType* InData)
		: DataPtr(InData), Size(InData ? static_cast<int32>(std::char_traits<CharType>::length(InData)) : 0)
	{
	}

	constexpr const CharType* GetData() const { return DataPtr; }
	constexpr int32 Len() const { return Size; }
	constexpr bool IsEmpty() const { return Size == 0; }
	constexpr const CharType& operator[](int32 Index) const { return DataPtr[Index]; }
	constexpr const CharType* begin() const { return DataPtr; }
	constexpr const CharType* end() const { return DataPtr + Size; }

	/** Ignoring case compares ASCII letters without regard to case, as FString does. */
	bool Equals(TStringView Other, ESearchCase::Type SearchCase = ESearchCase::CaseSensitive) const
	{
		const std::basic_string_view<CharType> Mine(DataPtr, static_cast<size_t>(Size));
		const std::basic_string_view<CharType> Theirs(Other.DataPtr, static_cast<size_t>(Other.Size));
		return SearchCase == ESearchCase::CaseSensitive ? Mine == Theirs : FCString::EqualsIgnoreCase(Mine, Theirs);
	}

private:
	const CharType* DataPtr = nullptr;
	int32 Size = 0;
};

using FStringView = TStringView<TCHAR>;
using FAnsiStringView = TStringView<ANSICHAR>;
