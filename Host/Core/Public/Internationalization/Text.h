#pragma once
// FText: display text with its localisation namespace and key. This host has one culture, so a
// text shows its source string; FText::Format fills {0}, {1}, ... and AsNumber groups thousands.
#include "Containers/Array.h"
#include "Containers/UnrealString.h"

class FText
{
public:
	FText() = default;

	static FText FromString(FString Text);
	static FText AsLocalizable(FString Namespace, FString Key, FString Source);
	static FText AsNumber(int64 Value);
	static const FText& GetEmpty();
	/** Fills "{0}", "{1}", ... with the arguments' texts. */
	static FText Format(const FText& Pattern, const TArray<FText>& Arguments);
	template <typename... ArgTypes>
	static FText Format(const FText& Pattern, const ArgTypes&... Arguments)
	{
		return Format(Pattern, TArray<FText>{FText(Arguments)...});
	}

	const FString& ToString() const { return Source; }
	const FString& GetNamespace() const { return Namespace; }
	const FString& GetKey() const { return Key; }
	bool IsEmpty() const { return Source.IsEmpty(); }
	bool EqualTo(const FText& Other) const { return Source.Equals(Other.Source); }

private:
	FString Namespace;
	FString Key;
	FString Source;
};

#define NSLOCTEXT(Namespace, Key, Source) FText::AsLocalizable(Namespace, Key, Source)
#define LOCTEXT(Key, Source) FText::AsLocalizable(LOCTEXT_NAMESPACE, Key, Source)
#define INVTEXT(Source) FText::FromString(Source)
