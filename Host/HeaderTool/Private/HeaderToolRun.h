#pragma once
// One run of the header tool over a module: read every header, report every header that cannot
// be read ("<file>:<line>: error: <message>"), and only when all can, write the generated files
// into the output folder. A file whose text is unchanged is not rewritten, so that what includes
// it is not rebuilt; generated headers of headers that no longer reflect anything are removed.
#include <ostream>
#include <string>
#include <vector>

struct FHeaderToolOptions
{
	std::string Module;
	std::string OutputDir;
	/** The folders the module's headers are included from, to spell each header's include. */
	std::vector<std::string> IncludeRoots;
	std::vector<std::string> Headers;
};

/** True when every header was read and every file written; Errors receives the messages. */
bool RunHeaderTool(const FHeaderToolOptions& Options, std::ostream& Errors);
