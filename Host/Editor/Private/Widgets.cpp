// The widgets' own attributes and children.
#include "Widgets/Colors/SColorBlock.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/Layout/SBox.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/SCompoundWidget.h"
#include "Widgets/SOverlay.h"
#include "Widgets/Text/STextBlock.h"

namespace
{
template <typename T>
void AddIfSet(FWidgetDescription& Out, const char* Name, const TAttribute<T>& Attribute)
{
	if (Attribute.IsSet())
	{
		Out.Add(Name, Attribute.Get());
	}
}

void AddIfSet(FWidgetDescription& Out, const char* Name, const TAttribute<FOptionalSize>& Attribute)
{
	if (Attribute.IsSet() && Attribute.Get().IsSet())
	{
		Out.Add(Name, double(Attribute.Get().Get()));
	}
}

TArray<FWidgetChild> OnlyChild(const TSharedPtr<SWidget>& Child)
{
	TArray<FWidgetChild> Children;
	if (Child)
	{
		Children.Add(FWidgetChild{Child, {}});
	}
	return Children;
}
}

FWidgetDescription SWidget::Describe() const
{
	FWidgetDescription Out;
	DescribeAttributes(Out);
	AddIfSet(Out, "ToolTipText", ToolTipText);
	AddIfSet(Out, "Visibility", Visibility);
	return Out;
}

void SWidget::SWidgetConstruct(const TAttribute<FText>& InToolTipText, const TAttribute<EVisibility>& InVisibility)
{
	ToolTipText = InToolTipText;
	Visibility = InVisibility;
}

TArray<FWidgetChild> SCompoundWidget::GetChildren() const
{
	return OnlyChild(ChildSlot.Widget);
}

TArray<FWidgetChild> SBoxPanel::GetChildren() const
{
	TArray<FWidgetChild> Children;
	for (const FBoxSlot& Slot : Slots)
	{
		FWidgetChild& Child = Children.Emplace_GetRef(FWidgetChild{Slot.Widget, {}});
		if (Slot.bAutoSize)
		{
			Child.Slot.Add(bHorizontal ? "AutoWidth" : "AutoHeight", true);
		}
		else
		{
			Child.Slot.Add(bHorizontal ? "FillWidth" : "FillHeight", double(Slot.Fill.Get()));
		}
		Child.Slot.Append(Slot.Alignment);
	}
	return Children;
}

TArray<FWidgetChild> SOverlay::GetChildren() const
{
	TArray<FWidgetChild> Children;
	for (const FOverlaySlot& Slot : Slots)
	{
		FWidgetChild& Child = Children.Emplace_GetRef(FWidgetChild{Slot.Widget, {}});
		Slot.DescribeAlignment(Child.Slot);
	}
	return Children;
}

void SBox::Construct(const FArguments& InArgs)
{
	Args = InArgs;
}

TArray<FWidgetChild> SBox::GetChildren() const
{
	return OnlyChild(Args._Content);
}

void SBox::DescribeAttributes(FWidgetDescription& Out) const
{
	AddIfSet(Out, "WidthOverride", Args._WidthOverride);
	AddIfSet(Out, "HeightOverride", Args._HeightOverride);
	AddIfSet(Out, "MinDesiredWidth", Args._MinDesiredWidth);
	AddIfSet(Out, "MinDesiredHeight", Args._MinDesiredHeight);
	AddIfSet(Out, "Padding", Args._Padding);
	if (Args._HAlign != HAlign_Fill)
	{
		Out.Add("HAlign", Args._HAlign);
	}
	if (Args._VAlign != VAlign_Fill)
	{
		Out.Add("VAlign", Args._VAlign);
	}
}

void STextBlock::DescribeAttributes(FWidgetDescription& Out) const
{
	Out.Add("Text", GetText());
	AddIfSet(Out, "Font", Args._Font);
	AddIfSet(Out, "ColorAndOpacity", Args._ColorAndOpacity);
	AddIfSet(Out, "ShadowOffset", Args._ShadowOffset);
	AddIfSet(Out, "ShadowColorAndOpacity", Args._ShadowColorAndOpacity);
}

void SEditableTextBox::Construct(const FArguments& InArgs)
{
	Text = InArgs._Text;
	OnTextCommitted = InArgs._OnTextCommitted;
}

void SEditableTextBox::CommitText(const FText& Typed, ETextCommit::Type CommitType)
{
	SetText(Typed);
	// The handler may replace the text or drop the last reference to this box: keep both alive.
	const TSharedPtr<SWidget> KeepAlive = AsShared();
	const FOnTextCommitted Handler = OnTextCommitted;
	Handler.ExecuteIfBound(Typed, CommitType);
}

void SEditableTextBox::DescribeAttributes(FWidgetDescription& Out) const
{
	Out.Add("Text", GetText());
}

void SButton::Construct(const FArguments& InArgs)
{
	OnClicked = InArgs._OnClicked;
	Content = InArgs._Content;
}

TArray<FWidgetChild> SButton::GetChildren() const
{
	return OnlyChild(Content);
}

FReply SButton::Click()
{
	const TSharedPtr<SWidget> KeepAlive = AsShared();
	const FOnClicked Handler = OnClicked;
	return Handler.IsBound() ? Handler.Execute() : FReply::Unhandled();
}
