#pragma once
// FDetailWidgetRow: one row of a details panel filled by a customization: a name part and a value
// part, or one widget across the whole row, plus the text the panel's search filters it by.
//   Row.FilterString(Text).NameContent()[ NameWidget ].ValueContent().MinDesiredWidth(200)[ ValueWidget ];
#include "CoreMinimal.h"
#include "Widgets/SWidget.h"

class FDetailWidgetRow;

/** One part of a row; operator[] sets its widget and returns the row, so parts chain. */
class FDetailWidgetDecl
{
public:
	explicit FDetailWidgetDecl(FDetailWidgetRow& InOwner) : Owner(InOwner) {}
	FDetailWidgetDecl(const FDetailWidgetDecl&) = delete;
	FDetailWidgetDecl& operator=(const FDetailWidgetDecl&) = delete;

	FDetailWidgetRow& operator[](TSharedPtr<SWidget> InWidget);
	FDetailWidgetDecl& MinDesiredWidth(float InWidth);
	FDetailWidgetDecl& MaxDesiredWidth(float InWidth);
	FDetailWidgetDecl& HAlign(EHorizontalAlignment InAlignment);
	FDetailWidgetDecl& VAlign(EVerticalAlignment InAlignment);

	const TSharedPtr<SWidget>& GetWidget() const { return Widget; }
	/** The part's size and alignment where they were given. */
	const FWidgetDescription& GetLayout() const { return Layout; }

private:
	FDetailWidgetRow& Owner;
	TSharedPtr<SWidget> Widget;
	FWidgetDescription Layout;
};

class FDetailWidgetRow
{
public:
	FDetailWidgetRow() : NameDecl(*this), ValueDecl(*this), WholeRowDecl(*this) {}

	FDetailWidgetDecl& NameContent() { return NameDecl; }
	FDetailWidgetDecl& ValueContent() { return ValueDecl; }
	FDetailWidgetDecl& WholeRowContent() { return WholeRowDecl; }
	FDetailWidgetRow& FilterString(const FText& InFilterString)
	{
		FilterTextString = InFilterString;
		return *this;
	}

	const FText& GetFilterString() const { return FilterTextString; }
	const FDetailWidgetDecl& GetNameContent() const { return NameDecl; }
	const FDetailWidgetDecl& GetValueContent() const { return ValueDecl; }
	const FDetailWidgetDecl& GetWholeRowContent() const { return WholeRowDecl; }

private:
	FText FilterTextString;
	FDetailWidgetDecl NameDecl;
	FDetailWidgetDecl ValueDecl;
	FDetailWidgetDecl WholeRowDecl;
};
