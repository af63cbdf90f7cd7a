#pragma once
// "zevo-editor import": imports a skeleton file (FBX, glTF 2.0, BVH) as a skeleton asset of the
// project, under /Game/ (the file's base name unless --name says otherwise). An existing asset of
// that name is kept unless --force replaces it: remap assets refer to their skeleton by name.
#include <CLI/CLI.hpp>
#include <string>

class FImportCommand
{
public:
	explicit FImportCommand(CLI::App& App);
	bool IsChosen() const { return Command->parsed(); }
	int Execute();

private:
	CLI::App* Command;
	std::string ProjectDir;
	std::string File;
	std::string Name;
	bool bForce = false;
};
