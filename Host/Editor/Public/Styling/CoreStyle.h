#pragma once
// FCoreStyle: the toolkit's default font.
#include "Fonts/SlateFontInfo.h"

struct FCoreStyle
{
	/** The default font family with the given typeface ("Regular", "Bold", ...) at Size. */
	static FSlateFontInfo GetDefaultFontStyle(FName TypefaceName, int32 Size) { return FSlateFontInfo(TypefaceName, float(Size)); }
};
