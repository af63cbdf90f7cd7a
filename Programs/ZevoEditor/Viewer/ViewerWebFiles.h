#pragma once
// The viewer's web files, embedded into the program when it is built (the table is written by
// this folder's CMakeLists.txt): the page, its script and styles, and the parts of three.js that
// the script imports, each under the URL path the page asks for.
#include <string_view>
#include <vector>

struct FViewerWebFile
{
	const char* Url;
	std::string_view Content;
};

const std::vector<FViewerWebFile>& GetViewerWebFiles();
