#pragma once
// SHorizontalBox and SVerticalBox: children side by side or stacked. A slot either takes its
// child's own size (AutoWidth/AutoHeight) or a share of the free room in proportion to its fill
// value, which may be a bound attribute.
#include "Widgets/SlotBase.h"

/** What a slot of either box holds beyond its alignment; the boxes name the two setters for their axis. */
template <typename SlotType>
struct TBoxPanelSlot : TAlignedSlot<SlotType>
{
	bool bAutoSize = false;
	TAttribute<float> Fill = 1.f;

protected:
	SlotType& SetAutoSize()
	{
		bAutoSize = true;
		return static_cast<SlotType&>(*this);
	}
	SlotType& SetFill(TAttribute<float> InFill)
	{
		bAutoSize = false;
		Fill = std::move(InFill);
		return static_cast<SlotType&>(*this);
	}
};

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
	struct FSlot : TBoxPanelSlot<FSlot>
	{
		FSlot& AutoWidth() { return SetAutoSize(); }
		FSlot& FillWidth(TAttribute<float> InFill) { return SetFill(std::move(InFill)); }
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
	struct FSlot : TBoxPanelSlot<FSlot>
	{
		FSlot& AutoHeight() { return SetAutoSize(); }
		FSlot& FillHeight(TAttribute<float> InFill) { return SetFill(std::move(InFill)); }
	};
	static FSlot Slot() { return FSlot(); }

	SLATE_BEGIN_ARGS(SVerticalBox) {}
	SLATE_SUPPORTS_SLOT(FSlot)
	SLATE_END_ARGS()

	SVerticalBox() : SBoxPanel(false) {}
	void Construct(const FArguments& InArgs) { AddSlots(InArgs._Slots); }
};
