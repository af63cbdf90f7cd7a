#pragma once
// SZevoLiveLinkSourceFactory: the creation panel of the source factory: an endpoint field and an
// "Ok" button. Confirming (the button, or Enter in the field) remembers the endpoint in the
// connection settings and reports it to the factory, unless a source of this editor already
// listens on its port (then an Error says which, and nothing is saved). Game thread only.
#include "Input/Reply.h"
#include "Interfaces/IPv4/IPv4Endpoint.h"
#include "Types/SlateEnums.h"
#include "Widgets/SCompoundWidget.h"

class SEditableTextBox;

/** Receives the endpoint the user confirmed. */
DECLARE_DELEGATE_OneParam(FOnZevoEndpointConfirmed, FIPv4Endpoint);

class SZevoLiveLinkSourceFactory : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SZevoLiveLinkSourceFactory) {}
	SLATE_EVENT(FOnZevoEndpointConfirmed, OnOkClicked)
	SLATE_END_ARGS()

	void Construct(const FArguments& Args);

	/** Text-committed handler of the field: corrects unparseable text; Enter also confirms. */
	void OnEndpointChanged(const FText& NewValue, ETextCommit::Type CommitType);
	/** Click handler of the button: confirms the field's endpoint when it parses and its port is
	 *  free. Always handled. */
	FReply OnOkClicked();

private:
	TWeakPtr<SEditableTextBox> EndpointTextBox;
	FOnZevoEndpointConfirmed OkClickedCallback;
};
