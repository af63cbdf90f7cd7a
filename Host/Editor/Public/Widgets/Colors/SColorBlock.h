#pragma once
// SColorBlock: a rectangle filled with one colour.
#include "Widgets/SWidget.h"

class SColorBlock : public SWidget
{
public:
	SLATE_BEGIN_ARGS(SColorBlock) {}
	SLATE_ATTRIBUTE(FLinearColor, Color)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs) { Color = InArgs._Color; }
	FLinearColor GetColor() const { return Color.Get(FLinearColor::White); }

protected:
	void DescribeAttributes(FWidgetDescription& Out) const override { Out.Add("Color", GetColor()); }

private:
	TAttribute<FLinearColor> Color;
};
