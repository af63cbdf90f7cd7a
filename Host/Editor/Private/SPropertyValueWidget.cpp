#include "SPropertyValueWidget.h"

#include "PropertyHandle.h"
#include "UObject/ReflectedFunction.h"

SPropertyValueWidget::SPropertyValueWidget(TSharedPtr<IPropertyHandle> InPropertyHandle) : PropertyHandle(std::move(InPropertyHandle))
{
}

void SPropertyValueWidget::Construct(const FArguments& InArgs)
{
	SEditableTextBox::FArguments TextArgs;
	TextArgs.Text(this, &SPropertyValueWidget::GetValueText).OnTextCommitted(this, &SPropertyValueWidget::OnCommitted);
	SEditableTextBox::Construct(TextArgs);
}

FText SPropertyValueWidget::GetValueText() const
{
	FString Value;
	switch (PropertyHandle->GetValueAsFormattedString(Value))
	{
	case FPropertyAccess::Success: return FText::FromString(Value);
	case FPropertyAccess::MultipleValues: return FText::FromString("Multiple Values");
	default: return FText();
	}
}

void SPropertyValueWidget::OnCommitted(const FText& Text, ETextCommit::Type CommitType)
{
	PropertyHandle->SetValueFromFormattedString(Text.ToString());
	// The field shows the property again, whether the text was taken, clamped or refused.
	SetText(TAttribute<FText>(this, &SPropertyValueWidget::GetValueText));
}

TArray<FString> SPropertyValueWidget::GetOptions() const
{
	if (!PropertyHandle->HasMetaData("GetOptions"))
	{
		return {};
	}
	TArray<UObject*> Outers;
	PropertyHandle->GetOuterObjects(Outers);
	if (Outers.IsEmpty())
	{
		return {};
	}
	const FOptionsFunction Function =
		FReflectedFunctions::FindOptionsFunction(Outers[0]->GetClass(), FName(*PropertyHandle->GetMetaData("GetOptions")));
	return Function ? Function(*Outers[0]) : TArray<FString>();
}

void SPropertyValueWidget::DescribeAttributes(FWidgetDescription& Out) const
{
	SEditableTextBox::DescribeAttributes(Out);
	if (PropertyHandle->HasMetaData("GetOptions"))
	{
		Out.Add("Options", GetOptions());
	}
}

TSharedRef<SWidget> IPropertyHandle::CreatePropertyValueWidget(bool bDisplayDefaultPropertyButtons) const
{
	return SNew(SPropertyValueWidget, const_cast<IPropertyHandle*>(this)->AsShared());
}
