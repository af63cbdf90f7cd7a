#pragma once
// FName: an interned, case-insensitive name. One process-wide, thread-safe table keeps the
// spelling first registered; two names are equal when their texts are equal ignoring ASCII case.
// The empty text and "None" are NAME_None, whose text is "None".
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
	bool IsNone() const { return Index == 0; }
	bool IsValid() const { return true; }
	uint32 GetComparisonIndex() const { return Index; }
	/** Case-insensitive, as the engine compares names. */
	bool IsEqual(const FName& Other) const { return Index == Other.Index; }

	friend bool operator==(FName A, FName B) { return A.Index == B.Index; }
	friend bool operator!=(FName A, FName B) { return A.Index != B.Index; }
	/** Orders by text, ignoring case. */
	bool LexicalLess(const FName& Other) const;

private:
	uint32 Index = 0;
};

inline const FName NAME_None;

inline uint32 GetTypeHash(FName Name)
{
	return Name.GetComparisonIndex() * 0x9e3779b1u;
}
