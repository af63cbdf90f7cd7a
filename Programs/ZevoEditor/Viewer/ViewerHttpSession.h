#pragma once
// FViewerHttpSession: one HTTP connection to the viewer, on the network thread. It answers requests
// one after another on a kept-alive connection as RouteViewerRequest decides, hands a WebSocket
// upgrade of /api/feed to an FViewerFeedSession, and refuses what cannot be read with a status and
// a short text before it closes: headers over MaxHeaderBytes 431, any body or a malformed request 400.
// A client that sends nothing for IdleSeconds, or does not take a response within that time, is
// dropped.
#include "ViewerHub.h"

#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/http/empty_body.hpp>
#include <boost/beast/http/parser.hpp>
#include <boost/beast/http/span_body.hpp>
#include <optional>

class FViewerHttpSession : public std::enable_shared_from_this<FViewerHttpSession>
{
public:
	static constexpr size_t MaxHeaderBytes = 8192;
	static constexpr int IdleSeconds = 30;

	/** Takes over a connection for which the hub gave a slot; the slot is released with the session
	 *  (or with the feed it becomes). */
	FViewerHttpSession(boost::asio::ip::tcp::socket&& Socket, std::shared_ptr<FViewerHub> InHub);
	~FViewerHttpSession();

	void Start() { ReadRequest(); }

private:
	using FResponse = boost::beast::http::response<boost::beast::http::span_body<const char>>;

	void ReadRequest();
	void OnRequest(boost::beast::error_code Error);
	/** Keep holds the body's memory while it is written. */
	void Write(FResponse Response, std::shared_ptr<const void> Keep, bool bClose);

	boost::beast::tcp_stream Stream;
	std::shared_ptr<FViewerHub> Hub;
	boost::beast::flat_buffer Buffer;
	std::optional<boost::beast::http::request_parser<boost::beast::http::empty_body>> Parser;
	bool bHoldsSlot = true;
};
