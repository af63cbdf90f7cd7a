#pragma once
// "zevo-editor run": the editor without a window. It hosts the Live Link client, loads the plugin
// module (which reconnects the saved connections a second later), adds a source through the
// source panel for each --add-source and through the factory for each --source, animates a mesh
// of a remap asset's target skeleton from a subject for each --animate, can record the client's
// traffic and the built poses as a take, plays the project's main level and runs the engine loop until
// Ctrl-C or the end of --for. With --demo it also streams the built-in performance to the saved
// connections and animates its first actor. With --view it serves the live viewer: after every
// engine tick it takes the viewer's state and hands it to the viewer's network thread. Either ending is an editor exit: play ends, the
// client shuts its sources down (they keep their saved connections), then the modules shut down.
#include <CLI/CLI.hpp>
#include <string>
#include <vector>

class FRunCommand
{
public:
	/** Declares the command and its options on App. */
	explicit FRunCommand(CLI::App& App);
	bool IsChosen() const { return Command->parsed(); }
	/** Runs the editor; returns the process exit code. */
	int Execute();

private:
	CLI::App* Command;
	std::string ProjectDir;
	double ForSeconds = 0.0;
	std::vector<std::string> Sources;
	std::vector<std::string> AddedSources;
	std::string RecordFile;
	std::vector<std::string> Animations;
	std::string ViewEndpoint;
	bool bDemo = false;
};
