#pragma once
// What the viewer answers to one well-formed HTTP request, apart from the connection that carries
// it (FViewerHttpSession reads and writes; this decides):
//   GET /, /index.html and the page's other files   the embedded web files
//   GET /api/state                                  the latest state as one JSON document (503 before the first)
//   GET /api/preview-mesh?target=N                  target N's preview mesh at rest (404 when it has none)
// Unknown paths are 404 and other methods 405, each with a short text. Network thread only.
#include "ViewerHub.h"

#include <boost/beast/http/status.hpp>
#include <boost/beast/http/verb.hpp>
#include <memory>
#include <string_view>

struct FViewerReply
{
	boost::beast::http::status Status = boost::beast::http::status::ok;
	const char* ContentType = "text/plain; charset=utf-8";
	std::string_view Body;
	/** Holds Body's memory while it is written (null for the embedded files and fixed texts). */
	std::shared_ptr<const void> Keep;
	/** A state changes every tick: a browser must not keep it. */
	bool bNoStore = false;
};

FViewerReply RouteViewerRequest(boost::beast::http::verb Method, std::string_view Target, FViewerHub& Hub);
