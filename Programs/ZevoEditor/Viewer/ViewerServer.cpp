#include "ViewerServer.h"

#include "ViewerHttpSession.h"

#include <boost/asio/ip/tcp.hpp>
#include <thread>

namespace asio = boost::asio;
using tcp = asio::ip::tcp;

struct FViewerServer::FNetwork
{
	asio::io_context Io{1};
	tcp::acceptor Acceptor{Io};
	std::shared_ptr<FViewerHub> Hub = std::make_shared<FViewerHub>(Io);
	/** Where it listens, kept before the network thread starts: the acceptor is that thread's alone. */
	FIPv4Endpoint Listening;
	std::thread Thread;

	void Accept()
	{
		Acceptor.async_accept([this](boost::system::error_code Error, tcp::socket Socket) {
			if (Error == asio::error::operation_aborted)
			{
				return;
			}
			// Past the limit a connection is closed at once: a flood of them costs no memory.
			if (!Error && Hub->TryTakeConnectionSlot())
			{
				std::make_shared<FViewerHttpSession>(std::move(Socket), Hub)->Start();
			}
			Accept();
		});
	}
};

std::unique_ptr<FViewerServer> FViewerServer::Start(const FIPv4Endpoint& Endpoint, FString& OutError)
{
	auto Network = std::make_unique<FNetwork>();
	const tcp::endpoint Address(asio::ip::address_v4(Endpoint.Address.GetValue()), Endpoint.Port);
	boost::system::error_code Error;
	Network->Acceptor.open(Address.protocol(), Error);
	if (!Error)
	{
		Network->Acceptor.set_option(tcp::acceptor::reuse_address(true), Error);
	}
	if (!Error)
	{
		Network->Acceptor.bind(Address, Error);
	}
	if (!Error)
	{
		Network->Acceptor.listen(asio::socket_base::max_listen_connections, Error);
	}
	if (Error)
	{
		OutError = FString::Printf("cannot listen on %s: %s", *Endpoint.ToString(), Error.message().c_str());
		return nullptr;
	}
	Network->Listening = FIPv4Endpoint(Endpoint.Address, Network->Acceptor.local_endpoint().port());
	Network->Accept();
	FNetwork* Running = Network.get();
	Running->Thread = std::thread([Running] { Running->Io.run(); });
	return std::unique_ptr<FViewerServer>(new FViewerServer(std::move(Network)));
}

FViewerServer::FViewerServer(std::unique_ptr<FNetwork> InNetwork) : Network(std::move(InNetwork))
{
}

FViewerServer::~FViewerServer()
{
	Network->Io.stop();
	Network->Thread.join();
}

FIPv4Endpoint FViewerServer::GetEndpoint() const
{
	return Network->Listening;
}

void FViewerServer::Publish(std::shared_ptr<const FViewerState> State)
{
	Network->Hub->Publish(std::move(State));
}
