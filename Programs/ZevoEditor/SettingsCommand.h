#pragma once
// "zevo-editor settings": the plugin's project settings page without a window. It loads the
// project's ZevoLiveLink.ini and lists, adds, removes or clears saved connections through the
// settings object, which rewrites the file on every change.
#include <CLI/CLI.hpp>
#include <string>

class FSettingsCommand
{
public:
	/** Declares the command, its options and its actions on App. */
	explicit FSettingsCommand(CLI::App& App);
	bool IsChosen() const { return Command->parsed(); }
	/** Does the chosen action; returns the process exit code. */
	int Execute();

private:
	CLI::App* Command;
	CLI::App* List;
	CLI::App* Add;
	CLI::App* Remove;
	CLI::App* Clear;
	std::string ProjectDir;
	std::string EndpointText;
};
