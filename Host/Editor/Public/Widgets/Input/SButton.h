#pragma once
// SButton: a clickable button showing its content (usually a text block).
#include "Input/Reply.h"
#include "Widgets/SWidget.h"

DECLARE_DELEGATE_RetVal(FReply, FOnClicked);

class SButton : public SWidget
{
public:
	SLATE_BEGIN_ARGS(SButton) {}
	SLATE_EVENT(FOnClicked, OnClicked)
	SLATE_DEFAULT_SLOT(FArguments, Content)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);
	TArray<FWidgetChild> GetChildren() const override;

	/** A click, for tests and the command line: the handler's reply, unhandled when none is bound. */
	FReply Click();

private:
	FOnClicked OnClicked;
	TSharedPtr<SWidget> Content;
};
