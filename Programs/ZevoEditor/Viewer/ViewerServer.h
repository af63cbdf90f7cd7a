#pragma once
// FViewerServer: the live viewer's server, on a network thread of its own: the page and its files,
// GET /api/state, and one WebSocket feed per open page (FViewerHttpSession, FViewerFeedSession).
// The game thread publishes a state after each tick; the network thread reads only published
// states, never the client, the sources or the world, and so takes none of their locks.
#include "CoreMinimal.h"
#include "Interfaces/IPv4/IPv4Endpoint.h"
#include "ViewerState.h"

#include <memory>

class FViewerServer
{
public:
	/** Listens on Endpoint (port 0: any free port) and starts the network thread; null with
	 *  OutError when the address cannot be listened on (a port in use, an address not of this machine). */
	static std::unique_ptr<FViewerServer> Start(const FIPv4Endpoint& Endpoint, FString& OutError);
	/** Stops the network thread; open pages see their connection close. */
	~FViewerServer();
	FViewerServer(const FViewerServer&) = delete;
	FViewerServer& operator=(const FViewerServer&) = delete;

	/** The endpoint listened on, with the port chosen when 0 was asked for. */
	FIPv4Endpoint GetEndpoint() const;

	/** Any thread: the newest state, replacing one not yet sent. */
	void Publish(std::shared_ptr<const FViewerState> State);

private:
	struct FNetwork;
	explicit FViewerServer(std::unique_ptr<FNetwork> InNetwork);

	std::unique_ptr<FNetwork> Network;
};
