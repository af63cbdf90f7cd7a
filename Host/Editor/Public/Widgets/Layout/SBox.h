#pragma once
// SBox: one child with padding and size rules (a fixed width, or a minimum width or height).
#include "Widgets/SWidget.h"

/** A size in slate units, or unset. */
struct FOptionalSize
{
	FOptionalSize() = default;
	FOptionalSize(float InSize) : Size(InSize), bIsSet(true) {}
	bool IsSet() const { return bIsSet; }
	float Get() const { return Size; }

private:
	float Size = 0.f;
	bool bIsSet = false;
};

class SBox : public SWidget
{
public:
	SLATE_BEGIN_ARGS(SBox) {}
	SLATE_ARGUMENT(EHorizontalAlignment, HAlign)
	SLATE_ARGUMENT(EVerticalAlignment, VAlign)
	SLATE_ATTRIBUTE(FMargin, Padding)
	SLATE_ATTRIBUTE(FOptionalSize, WidthOverride)
	SLATE_ATTRIBUTE(FOptionalSize, HeightOverride)
	SLATE_ATTRIBUTE(FOptionalSize, MinDesiredWidth)
	SLATE_ATTRIBUTE(FOptionalSize, MinDesiredHeight)
	SLATE_DEFAULT_SLOT(FArguments, Content)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);
	TArray<FWidgetChild> GetChildren() const override;

protected:
	void DescribeAttributes(FWidgetDescription& Out) const override;

private:
	FArguments Args;
};
