#pragma once
// UZevoLiveLinkSourceFactory: the plugin's entry in the Live Link window's "add source" menu. Its
// panel takes a stream server's endpoint, remembers it in the connection settings and hands a new
// stream source to the host; the host may also create a source from a connection string, which
// leaves the settings alone. A port that a source of this editor already listens on gets no second
// source (an Error says which source holds it). Stateless; game thread only.
#include "Interfaces/IPv4/IPv4Endpoint.h"
#include "LiveLinkSourceFactory.h"
#include "ZevoLiveLinkSourceFactory.generated.h"

UCLASS()
class UZevoLiveLinkSourceFactory : public ULiveLinkSourceFactory
{
	GENERATED_BODY()

public:
	FText GetSourceDisplayName() const override;
	FText GetSourceTooltip() const override;
	EMenuType GetMenuType() const override { return EMenuType::SubPanel; }
	TSharedPtr<SWidget> BuildCreationPanel(FOnLiveLinkSourceCreated OnLiveLinkSourceCreated) const override;
	/** Logs what it parsed; an unparseable string, or a port already listened on, is an Error and
	 *  gives an empty pointer. */
	TSharedPtr<ILiveLinkSource> CreateSource(const FString& ConnectionString) const override;

private:
	/** The panel confirmed Endpoint: a new source goes to the host with its connection string,
	 *  unless its port is already listened on. */
	void OnOkClicked(FIPv4Endpoint Endpoint, FOnLiveLinkSourceCreated OnLiveLinkSourceCreated) const;
};
