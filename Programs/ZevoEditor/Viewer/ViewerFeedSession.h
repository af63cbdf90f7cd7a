#pragma once
// FViewerFeedSession: one page's live feed, a WebSocket on the network thread. It sends the latest
// state whenever one is waiting, with at most one message in flight and at most MaxUpdatesPerSecond
// a second: a page that reads slowly skips states instead of queueing them, and one that stops
// reading holds one message, never more, until the keep-alive pings it does not answer close it.
// What the page sends is read and dropped (a page only ever answers pings).
#include "ViewerHub.h"

#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/http/empty_body.hpp>
#include <boost/beast/http/message.hpp>
#include <boost/beast/websocket/stream.hpp>
#include <chrono>

class FViewerFeedSession : public std::enable_shared_from_this<FViewerFeedSession>
{
public:
	static constexpr double MaxUpdatesPerSecond = 60.0;

	FViewerFeedSession(boost::beast::tcp_stream&& Stream, std::shared_ptr<FViewerHub> InHub);
	~FViewerFeedSession();

	/** Completes the WebSocket handshake of the upgrade request, then starts feeding. */
	void Accept(boost::beast::http::request<boost::beast::http::empty_body> Request);
	/** The hub has a newer state: send it now, or as soon as the pace and the last write allow. */
	void OnStateAvailable();

private:
	void ReadAndDrop();
	void SendLatest();

	boost::beast::websocket::stream<boost::beast::tcp_stream> Socket;
	std::shared_ptr<FViewerHub> Hub;
	boost::asio::steady_timer Pacer;
	boost::beast::flat_buffer Incoming;
	std::shared_ptr<const std::string> Sending;
	uint64 SentSerial = 0;
	/** When the pace allows the next send. */
	std::chrono::steady_clock::time_point NextSendAt;
	bool bOpen = false;
	bool bWriting = false;
	bool bPacerArmed = false;
};
