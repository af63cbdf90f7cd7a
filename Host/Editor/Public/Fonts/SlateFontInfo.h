#pragma once
// FSlateFontInfo: a font by typeface and size.
// Knowingly different from the engine: there is no font asset; a font taken from a style also
// keeps the style's name, which is what a terminal or a page can show of it.
#include "UObject/NameTypes.h"

struct FSlateFontInfo
{
	FSlateFontInfo() = default;
	FSlateFontInfo(FName InTypefaceFontName, float InSize, FName InStyleName = NAME_None)
		: TypefaceFontName(InTypefaceFontName), Size(InSize), StyleName(InStyleName) {}
	bool operator==(const FSlateFontInfo& Other) const
	{
		return TypefaceFontName == Other.TypefaceFontName && Size == Other.Size && StyleName == Other.StyleName;
	}

	FName TypefaceFontName{"Regular"};
	float Size = 10.f;
	FName StyleName;
};
