#pragma once
// "zevo-editor take": what to do with a take written by `run --record`, without the editor running.
//   take info TAKE                 its subjects with roles, frames, duration, rate and gaps
//   take trim TAKE --from S --to S -o OUT
//   take export TAKE --subject NAME --bvh OUT.bvh [--rate HZ]
//   take export TAKE --subject NAME --remap ASSET (--gltf OUT.glb | --fbx OUT.fbx) [--project DIR]
// Lines of the take that are not sound are named (the first few, then how many more) and left out;
// the work goes on with the rest. Files are written whole or not at all.
#include <CLI/CLI.hpp>
#include <string>

class FTakeCommand
{
public:
	explicit FTakeCommand(CLI::App& App);
	bool IsChosen() const { return Command->parsed(); }
	int Execute();

private:
	int Info();
	int Trim();
	int Export();

	CLI::App* Command;
	CLI::App* InfoCommand;
	CLI::App* TrimCommand;
	CLI::App* ExportCommand;
	std::string TakeFile;
	double From = 0.0;
	double To = 0.0;
	std::string OutputFile;
	std::string Subject;
	std::string BvhFile;
	double Rate = 0.0;
	std::string RemapAsset;
	std::string GltfFile;
	std::string FbxFile;
	std::string ProjectDir;
};
