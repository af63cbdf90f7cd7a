// Any bytes as an HTTP request to the live viewer: read by the request parser with the server's
// limits and, when they make a request, answered by the viewer's routes with a state published.
#include "ViewerRoutes.h"

#include <boost/asio/io_context.hpp>
#include <boost/beast/http/empty_body.hpp>
#include <boost/beast/http/parser.hpp>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
	static boost::asio::io_context Network;
	static const std::shared_ptr<FViewerHub> Hub = [] {
		auto Made = std::make_shared<FViewerHub>(Network);
		auto State = std::make_shared<FViewerState>();
		FViewerTarget& Target = State->Targets.emplace_back();
		auto Mesh = std::make_shared<FViewerPreviewMesh>();
		Mesh->Json = "{}";
		Target.PreviewMesh = Mesh;
		Made->Publish(State);
		return Made;
	}();
	boost::beast::http::request_parser<boost::beast::http::empty_body> Parser;
	Parser.header_limit(8192);
	Parser.body_limit(0);
	Parser.eager(true);
	boost::beast::error_code Error;
	Parser.put(boost::asio::buffer(Data, Size), Error);
	if (!Error && Parser.is_header_done())
	{
		const auto& Request = Parser.get();
		const FViewerReply Reply = RouteViewerRequest(Request.method(), std::string_view(Request.target().data(), Request.target().size()), *Hub);
		if (Reply.Body.size() > (64u << 20))
		{
			__builtin_trap();
		}
	}
	return 0;
}
