#pragma once
// FAppStyle: the editor's named styles. The fonts the property editor uses are
// "PropertyWindow.NormalFont" and "PropertyWindow.BoldFont".
#include "Fonts/SlateFontInfo.h"

struct FAppStyle
{
	/** The named font; an unknown name gives a Warning and the default font. */
	static FSlateFontInfo GetFontStyle(FName PropertyName);
};
