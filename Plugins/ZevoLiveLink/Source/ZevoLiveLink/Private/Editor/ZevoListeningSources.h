#pragma once
// FZevoListeningSources: the stream sources this editor has made, held weakly, so that no second
// source is made for a port that one of them listens on. A source listens on its endpoint's port
// on every address, so a second one for that port could never receive: its socket fails to bind,
// or, where the system lets both bind, one of the two gets nothing while both look alive. The
// factory, its creation panel and the start-up auto-connect make every source through here.
// Game thread only (the sources themselves may be released on any thread).
#include "CoreMinimal.h"
#include "Interfaces/IPv4/IPv4Endpoint.h"

class ZevoLiveLinkSource;

class FZevoListeningSources
{
public:
	/** The source of this editor that listens on Endpoint's port, or null. A source that has
	 *  stopped, or whose socket failed, listens on nothing; port 0 (whatever free port the system
	 *  picks) is never taken. */
	static TSharedPtr<ZevoLiveLinkSource> FindListening(const FIPv4Endpoint& Endpoint);
	/** False, with an Error naming the port and the source that holds it, when a source of this
	 *  editor listens on Endpoint's port already. */
	static bool CheckPortFree(const FIPv4Endpoint& Endpoint);
	/** A new source for Endpoint, remembered; null (after the Error of CheckPortFree) when its
	 *  port is taken. */
	static TSharedPtr<ZevoLiveLinkSource> MakeSource(const FIPv4Endpoint& Endpoint);
};
