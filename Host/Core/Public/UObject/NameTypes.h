#pragma once
// FName: an interned, case-insensitive name. One process-wide, thread-safe table holds every
// spelling met; two names are equal when their texts are equal ignoring ASCII case, and each name
// keeps the spelling it was made from (as the engine's editor builds do: a comparison index shared
// by all spellings, a display index of its own). The empty text and "None" are NAME_None.
#include "Containers/StringView.h"
#include "Containers/UnrealString.h"

class FName
{
public:
	FName() = default;
	FName(const char* Text);
	FName(const FString& Text) : FName(*Text) {}
	FName(std::string_view Text);
	/** Made from a known length of 8-bit text, which need not end in a zero. */
	FName(FAnsiStringView Text) : FName(std::string_view(Text.GetData(), static_cast<size_t>(Text.Len()))) {}

	FString ToString() const;
	bool IsNone() const { return ComparisonIndex == 0; }
	bool IsValid() const { return true; }
	uint32 GetComparisonIndex() const { return ComparisonIndex; }
	/** The entry of this very spelling. */
	uint32 GetDisplayIndex() const { return DisplayIndex; }
	/** Case-insensitive, as the engine compares names. */
	bool IsEqual(const FName& Other) const { return ComparisonIndex == Other.ComparisonIndex; }

	friend bool operator==(FName A, FName B) { return A.ComparisonIndex == B.ComparisonIndex; }
	friend bool operator!=(FName A, FName B) { return A.ComparisonIndex != B.ComparisonIndex; }
	/** Orders by text, ignoring case. */
	bool LexicalLess(const FName& Other) const;

private:
	uint32 ComparisonIndex = 0;
	uint32 DisplayIndex = 0;
};

inline const FName NAME_None;

inline uint32 GetTypeHash(FName Name)
{
	return Name.GetComparisonIndex() * 0x9e3779b1u;
}
