#pragma once
// STextBlock: a line of text with a font, a colour and an optional drop shadow.
#include "Widgets/SWidget.h"

class STextBlock : public SWidget
{
public:
	SLATE_BEGIN_ARGS(STextBlock) {}
	SLATE_ATTRIBUTE(FText, Text)
	SLATE_ATTRIBUTE(FSlateFontInfo, Font)
	SLATE_ATTRIBUTE(FSlateColor, ColorAndOpacity)
	SLATE_ATTRIBUTE(FVector2D, ShadowOffset)
	SLATE_ATTRIBUTE(FLinearColor, ShadowColorAndOpacity)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs) { Args = InArgs; }

	FText GetText() const { return Args._Text.Get(FText()); }
	void SetText(TAttribute<FText> InText) { Args._Text = std::move(InText); }

protected:
	void DescribeAttributes(FWidgetDescription& Out) const override;

private:
	FArguments Args;
};
