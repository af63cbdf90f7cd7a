#include "ViewerHttpSession.h"

#include "ViewerFeedSession.h"
#include "ViewerRoutes.h"

#include <boost/beast/http/read.hpp>
#include <boost/beast/http/write.hpp>
#include <boost/beast/websocket/rfc6455.hpp>

namespace http = boost::beast::http;

FViewerHttpSession::FViewerHttpSession(boost::asio::ip::tcp::socket&& Socket, std::shared_ptr<FViewerHub> InHub)
	: Stream(std::move(Socket)), Hub(std::move(InHub))
{
}

FViewerHttpSession::~FViewerHttpSession()
{
	if (bHoldsSlot)
	{
		Hub->ReleaseConnectionSlot();
	}
}

void FViewerHttpSession::ReadRequest()
{
	Parser.emplace();
	Parser->header_limit(MaxHeaderBytes);
	Parser->body_limit(0);
	Stream.expires_after(std::chrono::seconds(IdleSeconds));
	http::async_read(Stream, Buffer, *Parser, [Self = shared_from_this()](boost::beast::error_code Error, size_t) { Self->OnRequest(Error); });
}

void FViewerHttpSession::OnRequest(boost::beast::error_code Error)
{
	const auto Refuse = [this](http::status Status, std::string_view Why) {
		FResponse Response(Status, 11, Why);
		Response.set(http::field::content_type, "text/plain; charset=utf-8");
		Write(std::move(Response), nullptr, true);
	};
	const bool bClosedMidRequest = Error == http::error::end_of_stream || Error == http::error::partial_message;
	if (Error == http::error::header_limit)
	{
		Refuse(http::status::request_header_fields_too_large, "Request headers too large\n");
		return;
	}
	if (Error && Error.category() == http::make_error_code(http::error::bad_method).category() && !bClosedMidRequest)
	{
		Refuse(http::status::bad_request, "Malformed request\n");
		return;
	}
	if (Error)
	{
		// Closed, reset or timed out: nothing to answer.
		return;
	}
	http::request<http::empty_body> Request = Parser->release();
	if (boost::beast::websocket::is_upgrade(Request) && Request.target() == "/api/feed")
	{
		bHoldsSlot = false;
		std::make_shared<FViewerFeedSession>(std::move(Stream), Hub)->Accept(std::move(Request));
		return;
	}
	FViewerReply Reply = RouteViewerRequest(Request.method(), std::string_view(Request.target().data(), Request.target().size()), *Hub);
	FResponse Response(Reply.Status, Request.version(), Reply.Body);
	Response.set(http::field::content_type, Reply.ContentType);
	if (Reply.bNoStore)
	{
		Response.set(http::field::cache_control, "no-store");
	}
	if (Reply.Status == http::status::method_not_allowed)
	{
		Response.set(http::field::allow, "GET");
	}
	Response.keep_alive(Request.keep_alive());
	Write(std::move(Response), std::move(Reply.Keep), !Request.keep_alive());
}

void FViewerHttpSession::Write(FResponse Response, std::shared_ptr<const void> Keep, bool bClose)
{
	auto Message = std::make_shared<FResponse>(std::move(Response));
	Message->set(http::field::server, "zevo-editor");
	Message->prepare_payload();
	if (bClose)
	{
		Message->keep_alive(false);
	}
	Stream.expires_after(std::chrono::seconds(IdleSeconds));
	http::async_write(Stream, *Message, [Self = shared_from_this(), Message, Keep = std::move(Keep), bClose](boost::beast::error_code Error, size_t) {
		if (Error || bClose)
		{
			boost::beast::error_code Ignored;
			Self->Stream.socket().shutdown(boost::asio::ip::tcp::socket::shutdown_send, Ignored);
			return;
		}
		Self->ReadRequest();
	});
}
