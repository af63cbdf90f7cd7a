#include "SZevoLiveLinkSourceFactory.h"

#include "Widgets/Input/SButton.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/Layout/SBox.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/Text/STextBlock.h"
#include "ZevoListeningSources.h"
#include "ZevoLiveLinkSettings.h"

#define LOCTEXT_NAMESPACE "ZevoLiveLinkSourceEditor"

namespace
{
// The panel opens on the last saved server, or on "any address" when nothing is remembered.
FIPv4Endpoint InitialEndpoint()
{
	const UZevoLiveLinkSettings* Settings = UZevoLiveLinkSettings::Get();
	if (Settings != nullptr && Settings->bRememberLastConnection)
	{
		return Settings->GetDefaultEndpoint();
	}
	return FIPv4Endpoint(FIPv4Address::Any, 7777);
}

// What unparseable text in the field is replaced by.
const FIPv4Endpoint FallbackEndpoint(FIPv4Address::Any, 8000);
}

void SZevoLiveLinkSourceFactory::Construct(const FArguments& Args)
{
	const FIPv4Endpoint Endpoint = InitialEndpoint();
	OkClickedCallback = Args._OnOkClicked;

	TSharedPtr<SEditableTextBox> TextBox;
	ChildSlot
	[
		SNew(SBox)
		.WidthOverride(250.f)
		[
			SNew(SVerticalBox)
			+ SVerticalBox::Slot()
			.AutoHeight()
			[
				SNew(SHorizontalBox)
				+ SHorizontalBox::Slot()
				.FillWidth(0.5f)
				.HAlign(HAlign_Left)
				[
					SNew(STextBlock)
					.Text(LOCTEXT("ZevoPortNumber", "PortNumber"))
				]
				+ SHorizontalBox::Slot()
				.FillWidth(0.5f)
				.HAlign(HAlign_Fill)
				[
					SAssignNew(TextBox, SEditableTextBox)
					.Text(FText::FromString(Endpoint.ToString()))
					.OnTextCommitted(this, &SZevoLiveLinkSourceFactory::OnEndpointChanged)
				]
			]
			+ SVerticalBox::Slot()
			.AutoHeight()
			.HAlign(HAlign_Right)
			[
				SNew(SButton)
				.OnClicked(this, &SZevoLiveLinkSourceFactory::OnOkClicked)
				[
					SNew(STextBlock)
					.Text(LOCTEXT("Ok", "Ok"))
				]
			]
		]
	];
	EndpointTextBox = TextBox;
}

void SZevoLiveLinkSourceFactory::OnEndpointChanged(const FText& NewValue, ETextCommit::Type CommitType)
{
	TSharedPtr<SEditableTextBox> TextBox = EndpointTextBox.Pin();
	if (!TextBox)
	{
		return;
	}
	FIPv4Endpoint Endpoint;
	if (!FIPv4Endpoint::Parse(NewValue.ToString(), Endpoint))
	{
		TextBox->SetText(FText::FromString(FallbackEndpoint.ToString()));
	}
	if (CommitType == ETextCommit::OnEnter)
	{
		OnOkClicked();
	}
}

FReply SZevoLiveLinkSourceFactory::OnOkClicked()
{
	if (TSharedPtr<SEditableTextBox> TextBox = EndpointTextBox.Pin())
	{
		FIPv4Endpoint Endpoint;
		// A port already listened on is refused before anything is saved.
		if (FIPv4Endpoint::Parse(TextBox->GetText().ToString(), Endpoint) && FZevoListeningSources::CheckPortFree(Endpoint))
		{
			if (UZevoLiveLinkSettings* Settings = UZevoLiveLinkSettings::Get())
			{
				Settings->AddOrUpdateConnection(Endpoint);
			}
			OkClickedCallback.ExecuteIfBound(Endpoint);
		}
	}
	return FReply::Handled();
}

#undef LOCTEXT_NAMESPACE
