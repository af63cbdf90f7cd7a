#pragma once
// SEditableTextBox: a one-line text field. When the user ends an edit (Enter, focus moved away,
// cleared) the box reports the text and how the edit ended through OnTextCommitted.
#include "Types/SlateEnums.h"
#include "Widgets/SWidget.h"

DECLARE_DELEGATE_TwoParams(FOnTextCommitted, const FText&, ETextCommit::Type);

class SEditableTextBox : public SWidget
{
public:
	SLATE_BEGIN_ARGS(SEditableTextBox) {}
	SLATE_ATTRIBUTE(FText, Text)
	SLATE_EVENT(FOnTextCommitted, OnTextCommitted)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

	FText GetText() const { return Text.Get(FText()); }
	void SetText(TAttribute<FText> InText) { Text = std::move(InText); }

	/**
	 * The user's edit, for tests and the command line: the box takes Typed as its text, then
	 * reports the commit. Knowingly not in the engine, where only keyboard and focus do this.
	 */
	void CommitText(const FText& Typed, ETextCommit::Type CommitType);

protected:
	void DescribeAttributes(FWidgetDescription& Out) const override;

private:
	TAttribute<FText> Text;
	FOnTextCommitted OnTextCommitted;
};
