#include "ViewerHttpSession.h"

#include "ViewerFeedSession.h"
#include "ViewerWebFiles.h"

#include <boost/beast/http/read.hpp>
#include <boost/beast/http/write.hpp>
#include <boost/beast/websocket/rfc6455.hpp>
#include <charconv>

namespace http = boost::beast::http;

namespace
{
const char* ContentType(std::string_view Path)
{
	return Path.ends_with(".html") ? "text/html; charset=utf-8"
		: Path.ends_with(".js")    ? "text/javascript; charset=utf-8"
		: Path.ends_with(".css")   ? "text/css; charset=utf-8"
		: Path.ends_with(".png")   ? "image/png"
								   : "application/json";
}

const FViewerWebFile* FindWebFile(std::string_view Path)
{
	if (Path == "/")
	{
		Path = "/index.html";
	}
	for (const FViewerWebFile& File : GetViewerWebFiles())
	{
		if (Path == File.Url)
		{
			return &File;
		}
	}
	return nullptr;
}

/** N of "target=N" in a query, or -1. */
int ParseTargetIndex(std::string_view Query)
{
	constexpr std::string_view Key = "target=";
	if (!Query.starts_with(Key))
	{
		return -1;
	}
	int Index = -1;
	const char* End = Query.data() + Query.size();
	const auto Result = std::from_chars(Query.data() + Key.size(), End, Index);
	return Result.ec == std::errc() && Result.ptr == End ? Index : -1;
}
}

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
	static constexpr std::string_view TooLarge = "Request headers too large\n";
	static constexpr std::string_view Malformed = "Malformed request\n";
	if (Error == http::error::header_limit)
	{
		FResponse Response(http::status::request_header_fields_too_large, 11, TooLarge);
		Write(std::move(Response), nullptr, true);
		return;
	}
	const bool bClosedMidRequest = Error == http::error::end_of_stream || Error == http::error::partial_message;
	if (Error && Error.category() == http::make_error_code(http::error::bad_method).category() && !bClosedMidRequest)
	{
		FResponse Response(http::status::bad_request, 11, Malformed);
		Write(std::move(Response), nullptr, true);
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
	std::shared_ptr<const std::string> Keep;
	FResponse Response = Route(Request, Keep);
	Response.version(Request.version());
	Response.keep_alive(Request.keep_alive());
	Write(std::move(Response), std::move(Keep), !Request.keep_alive());
}

FViewerHttpSession::FResponse FViewerHttpSession::Route(const http::request<http::empty_body>& Request, std::shared_ptr<const std::string>& Keep)
{
	static constexpr std::string_view NotFound = "Not found\n";
	static constexpr std::string_view NotAllowed = "Only GET\n";
	static constexpr std::string_view NoState = "No state yet: the editor has not ticked\n";
	const auto Text = [](http::status Status, std::string_view Body) {
		FResponse Response(Status, 11, Body);
		Response.set(http::field::content_type, "text/plain; charset=utf-8");
		return Response;
	};
	if (Request.method() != http::verb::get)
	{
		FResponse Response = Text(http::status::method_not_allowed, NotAllowed);
		Response.set(http::field::allow, "GET");
		return Response;
	}
	const std::string_view Target(Request.target().data(), Request.target().size());
	const size_t QueryAt = Target.find('?');
	const std::string_view Path = Target.substr(0, QueryAt);
	const std::string_view Query = QueryAt == std::string_view::npos ? std::string_view() : Target.substr(QueryAt + 1);
	if (Path == "/api/state")
	{
		Keep = Hub->GetLatestJson().Json;
	}
	else if (Path == "/api/preview-mesh")
	{
		const std::shared_ptr<const FViewerState> State = Hub->GetLatestState();
		const int Index = ParseTargetIndex(Query);
		const bool bHasMesh = State && Index >= 0 && size_t(Index) < State->Targets.size() && State->Targets[Index].PreviewMesh;
		if (!bHasMesh)
		{
			return Text(http::status::not_found, NotFound);
		}
		// Shares the state's mesh, so the text lives while it is written.
		Keep = std::shared_ptr<const std::string>(State->Targets[Index].PreviewMesh, &State->Targets[Index].PreviewMesh->Json);
	}
	else if (const FViewerWebFile* File = FindWebFile(Path))
	{
		FResponse Response(http::status::ok, 11, File->Content);
		Response.set(http::field::content_type, ContentType(File->Url));
		return Response;
	}
	else
	{
		return Text(http::status::not_found, NotFound);
	}
	if (!Keep)
	{
		return Text(http::status::service_unavailable, NoState);
	}
	FResponse Response(http::status::ok, 11, std::string_view(*Keep));
	Response.set(http::field::content_type, "application/json");
	Response.set(http::field::cache_control, "no-store");
	return Response;
}

void FViewerHttpSession::Write(FResponse Response, std::shared_ptr<const std::string> Keep, bool bClose)
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
