#pragma once
// SPropertyValueWidget: the standard value editor of a property: a text field showing the value
// in its text form, bound to the property, so it follows every change. Committing text writes it
// through the handle (undo, clamping, change notification), whatever ended the edit; text that does
// not read as a value leaves the property as it was and the field shows the value again.
// A property with "GetOptions" metadata also lists the options that the named function of the
// first edited object returns, as the editor's drop-down does.
#include "Widgets/Input/SEditableTextBox.h"

class IPropertyHandle;

class SPropertyValueWidget : public SEditableTextBox
{
public:
	SLATE_BEGIN_ARGS(SPropertyValueWidget) {}
	SLATE_END_ARGS()

	explicit SPropertyValueWidget(TSharedPtr<IPropertyHandle> InPropertyHandle);
	void Construct(const FArguments& InArgs);

	/** The drop-down's entries now; empty when the property names no options function. */
	TArray<FString> GetOptions() const;

protected:
	void DescribeAttributes(FWidgetDescription& Out) const override;

private:
	FText GetValueText() const;
	void OnCommitted(const FText& Text, ETextCommit::Type CommitType);

	TSharedPtr<IPropertyHandle> PropertyHandle;
};
