#include "ZevoListeningSources.h"

#include "Stream/ZevoLiveLinkSource.h"

namespace
{
// Weak: the Live Link client owns the sources; one it deleted simply drops out of the list.
TArray<TWeakPtr<ZevoLiveLinkSource>>& MadeSources()
{
	static TArray<TWeakPtr<ZevoLiveLinkSource>> Sources;
	return Sources;
}
}

TSharedPtr<ZevoLiveLinkSource> FZevoListeningSources::FindListening(const FIPv4Endpoint& Endpoint)
{
	TArray<TWeakPtr<ZevoLiveLinkSource>>& Sources = MadeSources();
	Sources.RemoveAll([](const TWeakPtr<ZevoLiveLinkSource>& Source) { return !Source.IsValid(); });
	if (Endpoint.Port == 0)
	{
		return nullptr;
	}
	for (const TWeakPtr<ZevoLiveLinkSource>& Weak : Sources)
	{
		TSharedPtr<ZevoLiveLinkSource> Source = Weak.Pin();
		if (Source && Source->GetEndpoint().Port == Endpoint.Port && Source->IsSourceStillValid())
		{
			return Source;
		}
	}
	return nullptr;
}

bool FZevoListeningSources::CheckPortFree(const FIPv4Endpoint& Endpoint)
{
	const TSharedPtr<ZevoLiveLinkSource> Holder = FindListening(Endpoint);
	if (Holder)
	{
		UE_LOG(LogTemp, Error, TEXT("[Zevo LiveLink] Not creating a second source for %s: the source for %s already listens on port %d"),
			*Endpoint.ToString(), *Holder->GetConnectionString(), int32(Endpoint.Port));
	}
	return !Holder;
}

TSharedPtr<ZevoLiveLinkSource> FZevoListeningSources::MakeSource(const FIPv4Endpoint& Endpoint)
{
	if (!CheckPortFree(Endpoint))
	{
		return nullptr;
	}
	TSharedPtr<ZevoLiveLinkSource> Source = MakeShared<ZevoLiveLinkSource>(Endpoint);
	MadeSources().Add(Source);
	return Source;
}
