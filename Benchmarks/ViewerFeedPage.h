#pragma once
// A page of the live viewer as the viewer's benchmarks open it: a WebSocket on /api/feed read on a
// thread of its own until the server closes it, each state handed to OnState with its time of receipt.
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core/buffers_to_string.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/websocket.hpp>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

class FViewerFeedPage
{
public:
	using FOnState = std::function<void(const std::string& State, std::chrono::steady_clock::time_point ReceivedAt)>;

	/** Null OnState reads and drops every state. */
	FViewerFeedPage(int Port, FOnState OnState)
		: Thread([Port, OnState = std::move(OnState)] {
			  boost::asio::io_context Io;
			  boost::beast::websocket::stream<boost::asio::ip::tcp::socket> Socket(Io);
			  boost::beast::error_code Error;
			  Socket.next_layer().connect({boost::asio::ip::address_v4::loopback(), static_cast<unsigned short>(Port)}, Error);
			  if (!Error)
			  {
				  Socket.handshake("127.0.0.1", "/api/feed", Error);
			  }
			  for (boost::beast::flat_buffer Buffer; !Error; Buffer.clear())
			  {
				  Socket.read(Buffer, Error);
				  if (!Error && OnState)
				  {
					  OnState(boost::beast::buffers_to_string(Buffer.data()), std::chrono::steady_clock::now());
				  }
			  }
		  })
	{
	}
	/** Waits for the server to close the page. */
	~FViewerFeedPage() { Thread.join(); }

private:
	std::thread Thread;
};
