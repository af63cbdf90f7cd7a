#pragma once
// SCompoundWidget: a widget made of other widgets; Construct fills ChildSlot[ ... ].
#include "Widgets/SWidget.h"

class SCompoundWidget : public SWidget
{
public:
	TArray<FWidgetChild> GetChildren() const override;

protected:
	struct FCompoundSlot
	{
		FCompoundSlot& operator[](TSharedPtr<SWidget> InWidget)
		{
			Widget = std::move(InWidget);
			return *this;
		}
		TSharedPtr<SWidget> Widget;
	};
	FCompoundSlot ChildSlot;
};
