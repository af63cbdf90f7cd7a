#pragma once
// FViewerHttpSession: one HTTP connection to the viewer, on the network thread. It answers GET
// requests one after another on a kept-alive connection:
//   /, /index.html and the page's other files      the embedded web files
//   /api/state                                     the latest state as one JSON document (503 before the first)
//   /api/preview-mesh?target=N                     target N's preview mesh at rest (404 when it has none)
//   /api/feed with a WebSocket upgrade             handed to an FViewerFeedSession
// and refuses everything else with a status and a short text: unknown paths 404, other methods
// 405, headers over MaxHeaderBytes 431, any body or a malformed request 400 (then it closes).
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
	/** The response to a well-formed request; Keep holds the body's memory while it is written. */
	FResponse Route(const boost::beast::http::request<boost::beast::http::empty_body>& Request, std::shared_ptr<const std::string>& Keep);
	void Write(FResponse Response, std::shared_ptr<const std::string> Keep, bool bClose);

	boost::beast::tcp_stream Stream;
	std::shared_ptr<FViewerHub> Hub;
	boost::beast::flat_buffer Buffer;
	std::optional<boost::beast::http::request_parser<boost::beast::http::empty_body>> Parser;
	bool bHoldsSlot = true;
};
