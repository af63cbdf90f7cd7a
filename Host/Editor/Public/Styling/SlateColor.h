#pragma once
// FSlateColor: a widget colour, either a given linear colour or the panel's foreground (text) colour.
#include "Math/Color.h"

class FSlateColor
{
public:
	/** The foreground colour. */
	FSlateColor() = default;
	FSlateColor(const FLinearColor& InColor) : SpecifiedColor(InColor), bUseForeground(false) {}
	static FSlateColor UseForeground() { return FSlateColor(); }

	bool IsColorSpecified() const { return !bUseForeground; }
	const FLinearColor& GetSpecifiedColor() const { return SpecifiedColor; }
	bool operator==(const FSlateColor& Other) const
	{
		return bUseForeground == Other.bUseForeground && (bUseForeground || SpecifiedColor == Other.SpecifiedColor);
	}

private:
	FLinearColor SpecifiedColor{1.f, 0.f, 1.f, 1.f};
	bool bUseForeground = true;
};
