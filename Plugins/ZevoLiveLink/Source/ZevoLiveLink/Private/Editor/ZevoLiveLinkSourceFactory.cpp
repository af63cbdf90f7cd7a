#include "ZevoLiveLinkSourceFactory.h"

#include "SZevoLiveLinkSourceFactory.h"
#include "Stream/ZevoLiveLinkSource.h"
#include "ZevoListeningSources.h"

FText UZevoLiveLinkSourceFactory::GetSourceDisplayName() const
{
	return NSLOCTEXT("ZevoLiveLinkSource", "SourceDisplayName", "Zevo LiveLink");
}

FText UZevoLiveLinkSourceFactory::GetSourceTooltip() const
{
	return NSLOCTEXT("ZevoLiveLinkSource", "SourceTooltip", "Creates a connection to Zevo Stream");
}

TSharedPtr<SWidget> UZevoLiveLinkSourceFactory::BuildCreationPanel(FOnLiveLinkSourceCreated OnLiveLinkSourceCreated) const
{
	return SNew(SZevoLiveLinkSourceFactory)
		.OnOkClicked(FOnZevoEndpointConfirmed::CreateUObject(this, &UZevoLiveLinkSourceFactory::OnOkClicked, OnLiveLinkSourceCreated));
}

void UZevoLiveLinkSourceFactory::OnOkClicked(FIPv4Endpoint Endpoint, FOnLiveLinkSourceCreated OnLiveLinkSourceCreated) const
{
	const FString ConnectionString = Endpoint.ToString();
	TSharedPtr<ILiveLinkSource> Source = FZevoListeningSources::MakeSource(Endpoint);
	if (Source)
	{
		OnLiveLinkSourceCreated.ExecuteIfBound(Source, ConnectionString);
	}
}

TSharedPtr<ILiveLinkSource> UZevoLiveLinkSourceFactory::CreateSource(const FString& ConnectionString) const
{
	UE_LOG(LogTemp, Log, TEXT("CreateSource Called"));
	FIPv4Endpoint Endpoint;
	if (!FIPv4Endpoint::Parse(ConnectionString, Endpoint))
	{
		UE_LOG(LogTemp, Error, TEXT("Invalid ConnectionString: %s"), *ConnectionString);
		return nullptr;
	}
	UE_LOG(LogTemp, Log, TEXT("Parsed IP: %s, Port: %d"), *Endpoint.Address.ToString(), int32(Endpoint.Port));
	return FZevoListeningSources::MakeSource(Endpoint);
}
