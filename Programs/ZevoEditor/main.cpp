// zevo-editor: the headless editor. One file per command; this one only parses and dispatches.
#include "ExitCodes.h"
#include "ImportCommand.h"
#include "RemapCommand.h"
#include "RunCommand.h"
#include "SettingsCommand.h"
#include "TakeCommand.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
	CLI::App App("zevo-editor: the editor of the Zevo Live Link plugin, without a window", "zevo-editor");
	App.require_subcommand(0, 1);
	FRunCommand Run(App);
	FSettingsCommand Settings(App);
	FRemapCommand Remap(App);
	FImportCommand Import(App);
	FTakeCommand Take(App);
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
		// The parser reports a missing command before stray words; the stray word says more.
		const std::vector<std::string> Unknown = App.remaining();
		std::fprintf(stderr, "zevo-editor: %s\nRun with --help for more information.\n",
			Unknown.empty() ? Error.what() : ("unknown command or argument: " + Unknown.front()).c_str());
		return ExitUsageError;
	}
	if (Run.IsChosen())
	{
		return Run.Execute();
	}
	if (Settings.IsChosen())
	{
		return Settings.Execute();
	}
	if (Remap.IsChosen())
	{
		return Remap.Execute();
	}
	if (Import.IsChosen())
	{
		return Import.Execute();
	}
	if (Take.IsChosen())
	{
		return Take.Execute();
	}
	std::fprintf(stderr, "zevo-editor: a command is required: run, settings, remap, import or take\nRun with --help for more information.\n");
	return ExitUsageError;
}
