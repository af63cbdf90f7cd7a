// zevo-editor: the headless editor. One file per command; this one only parses and dispatches.
#include "RunCommand.h"
#include "SettingsCommand.h"

#include <CLI/CLI.hpp>
#include <cstdio>

namespace
{
// Usage errors have their own exit code, so that scripts can tell them from failures.
constexpr int UsageErrorExitCode = 2;
}

int main(int argc, char** argv)
{
	CLI::App App("zevo-editor: the editor of the Zevo Live Link plugin, without a window", "zevo-editor");
	App.require_subcommand(1);
	FRunCommand Run(App);
	FSettingsCommand Settings(App);
	try
	{
		App.parse(argc, argv);
	}
	catch (const CLI::ParseError& Error)
	{
		if (Error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success))
		{
			return App.exit(Error);  // --help
		}
		std::fprintf(stderr, "zevo-editor: %s\nRun with --help for more information.\n", Error.what());
		return UsageErrorExitCode;
	}
	return Run.IsChosen() ? Run.Execute() : Settings.Execute();
}
