#pragma once
// SHorizontalBox and SVerticalBox: children side by side or stacked. A slot either takes its
// child's own size (AutoWidth/AutoHeight) or a share of the free room in proportion to its fill
// value, which may be a bound attribute.
#include "Widgets/SlotBase.h"

class SBoxPanel : public SWidget
{
public:
	TArray<FWidgetChild> GetChildren() const override;

protected:
	struct FBoxSlot
	{
		TSharedPtr<SWidget> Widget;
		FWidgetDescription Alignment;
		bool bAutoSize = true;
		TAttribute<float> Fill;
	};
	explicit SBoxPanel(bool bInHorizontal) : bHorizontal(bInHorizontal) {}
	template <typename SlotType>
	void AddSlots(const TArray<SlotType>& InSlots)
	{
		for (const SlotType& Slot : InSlots)
		{
			FBoxSlot& Added = Slots.Emplace_GetRef();
			Added.Widget = Slot.Widget;
			Slot.DescribeAlignment(Added.Alignment);
			Added.bAutoSize = Slot.bAutoSize;
			Added.Fill = Slot.Fill;
		}
	}

	bool bHorizontal;
	TArray<FBoxSlot> Slots;
};

class SHorizontalBox : public SBoxPanel
{
public:
	struct FSlot : TAlignedSlot<FSlot>
	{
		FSlot& AutoWidth()
		{
			bAutoSize = true;
			return *this;
		}
		FSlot& FillWidth(TAttribute<float> InFill)
		{
			bAutoSize = false;
			Fill = std::move(InFill);
			return *this;
		}
		bool bAutoSize = false;
		TAttribute<float> Fill = 1.f;
	};
	static FSlot Slot() { return FSlot(); }

	SLATE_BEGIN_ARGS(SHorizontalBox) {}
	SLATE_SUPPORTS_SLOT(FSlot)
	SLATE_END_ARGS()

	SHorizontalBox() : SBoxPanel(true) {}
	void Construct(const FArguments& InArgs) { AddSlots(InArgs._Slots); }
};

class SVerticalBox : public SBoxPanel
{
public:
	struct FSlot : TAlignedSlot<FSlot>
	{
		FSlot& AutoHeight()
		{
			bAutoSize = true;
			return *this;
		}
		FSlot& FillHeight(TAttribute<float> InFill)
		{
			bAutoSize = false;
			Fill = std::move(InFill);
			return *this;
		}
		bool bAutoSize = false;
		TAttribute<float> Fill = 1.f;
	};
	static FSlot Slot() { return FSlot(); }

	SLATE_BEGIN_ARGS(SVerticalBox) {}
	SLATE_SUPPORTS_SLOT(FSlot)
	SLATE_END_ARGS()

	SVerticalBox() : SBoxPanel(false) {}
	void Construct(const FArguments& InArgs) { AddSlots(InArgs._Slots); }
};
