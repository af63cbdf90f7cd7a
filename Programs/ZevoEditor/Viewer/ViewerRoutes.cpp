#include "ViewerRoutes.h"

#include "ViewerWebFiles.h"

#include <charconv>

namespace http = boost::beast::http;

namespace
{
const char* ContentType(std::string_view Path)
{
	return Path.ends_with(".html") ? "text/html; charset=utf-8"
		: Path.ends_with(".js")    ? "text/javascript; charset=utf-8"
		: Path.ends_with(".css")   ? "text/css; charset=utf-8"
								   : "application/octet-stream";
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

FViewerReply Json(std::shared_ptr<const std::string> Text)
{
	FViewerReply Reply;
	Reply.ContentType = "application/json";
	Reply.Body = *Text;
	Reply.Keep = std::move(Text);
	Reply.bNoStore = true;
	return Reply;
}

FViewerReply Text(http::status Status, std::string_view Body)
{
	FViewerReply Reply;
	Reply.Status = Status;
	Reply.Body = Body;
	return Reply;
}

FViewerReply PreviewMesh(std::string_view Query, const FViewerHub& Hub)
{
	const std::shared_ptr<const FViewerState> State = Hub.GetLatestState();
	const int Index = ParseTargetIndex(Query);
	if (!State || Index < 0 || size_t(Index) >= State->Targets.size() || !State->Targets[Index].PreviewMesh)
	{
		return Text(http::status::not_found, "No such preview mesh\n");
	}
	// Shares the state's mesh, so that its text lives while it is written.
	const std::shared_ptr<const FViewerPreviewMesh>& Mesh = State->Targets[Index].PreviewMesh;
	return Json(std::shared_ptr<const std::string>(Mesh, &Mesh->Json));
}
}

FViewerReply RouteViewerRequest(http::verb Method, std::string_view Target, FViewerHub& Hub)
{
	if (Method != http::verb::get)
	{
		return Text(http::status::method_not_allowed, "Only GET\n");
	}
	const size_t QueryAt = Target.find('?');
	const std::string_view Path = Target.substr(0, QueryAt);
	const std::string_view Query = QueryAt == std::string_view::npos ? std::string_view() : Target.substr(QueryAt + 1);
	if (Path == "/api/state")
	{
		std::shared_ptr<const std::string> State = Hub.GetLatestJson().Json;
		return State ? Json(std::move(State)) : Text(http::status::service_unavailable, "No state yet: the editor has not ticked\n");
	}
	if (Path == "/api/preview-mesh")
	{
		return PreviewMesh(Query, Hub);
	}
	if (const FViewerWebFile* File = FindWebFile(Path))
	{
		FViewerReply Reply;
		Reply.ContentType = ContentType(File->Url);
		Reply.Body = File->Content;
		return Reply;
	}
	return Text(http::status::not_found, "Not found\n");
}
