#pragma once
// "zevo-editor remap": creating and editing remap assets without a window. Every edit goes
// through the property editor's path (clamps apply and the asset's own change handling runs),
// is saved atomically, and is kept in the asset's undo history (see FAssetUndoHistory) so that
// `remap undo` can take it back in a later run.
#include <CLI/CLI.hpp>
#include <string>

struct FAssetPathArgument;

class FRemapCommand
{
public:
	explicit FRemapCommand(CLI::App& App);
	bool IsChosen() const { return Command->parsed(); }
	int Execute();

private:
	int Create(const FAssetPathArgument& Path);
	int Set(const FAssetPathArgument& Path);
	int Show(const FAssetPathArgument& Path);
	int AutoMap(const FAssetPathArgument& Path);
	int Clear(const FAssetPathArgument& Path);
	int Undo(const FAssetPathArgument& Path);

	CLI::App* Command;
	CLI::App* CreateCommand;
	CLI::App* SetCommand;
	CLI::App* ShowCommand;
	CLI::App* AutoMapCommand;
	CLI::App* ClearCommand;
	CLI::App* UndoCommand;
	std::string ProjectDir;
	std::string Asset;
	std::string Skeleton;
	std::string Property;
	std::string Value;
	bool bJson = false;
	bool bForce = false;
};
