#pragma once
// TAlignedSlot: a panel slot holding one child with alignment and padding; panels derive their
// own slot types from it (SlotType is the derived type, so calls chain in any order).
#include "Widgets/SWidget.h"

template <typename SlotType>
struct TAlignedSlot
{
	SlotType& HAlign(EHorizontalAlignment InHAlign)
	{
		HAlignment = InHAlign;
		bHAlignSet = true;
		return Me();
	}
	SlotType& VAlign(EVerticalAlignment InVAlign)
	{
		VAlignment = InVAlign;
		bVAlignSet = true;
		return Me();
	}
	SlotType& Padding(const FMargin& InPadding)
	{
		SlotPadding = InPadding;
		bPaddingSet = true;
		return Me();
	}
	SlotType& operator[](TSharedPtr<SWidget> InWidget)
	{
		Widget = std::move(InWidget);
		return Me();
	}

	/** The slot's alignment and padding where they were given. */
	void DescribeAlignment(FWidgetDescription& Out) const
	{
		if (bHAlignSet)
		{
			Out.Add("HAlign", HAlignment);
		}
		if (bVAlignSet)
		{
			Out.Add("VAlign", VAlignment);
		}
		if (bPaddingSet)
		{
			Out.Add("Padding", SlotPadding);
		}
	}

	TSharedPtr<SWidget> Widget;
	EHorizontalAlignment HAlignment = HAlign_Fill;
	EVerticalAlignment VAlignment = VAlign_Fill;
	FMargin SlotPadding;

private:
	SlotType& Me() { return static_cast<SlotType&>(*this); }
	bool bHAlignSet = false;
	bool bVAlignSet = false;
	bool bPaddingSet = false;
};
