#pragma once
// SOverlay: children stacked on top of each other in slot order, the first at the back.
#include "Widgets/SlotBase.h"

class SOverlay : public SWidget
{
public:
	struct FOverlaySlot : TAlignedSlot<FOverlaySlot>
	{
	};
	static FOverlaySlot Slot() { return FOverlaySlot(); }

	SLATE_BEGIN_ARGS(SOverlay) {}
	SLATE_SUPPORTS_SLOT(FOverlaySlot)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs) { Slots = InArgs._Slots; }
	TArray<FWidgetChild> GetChildren() const override;

private:
	TArray<FOverlaySlot> Slots;
};
