#include "ImportCommand.h"

#include "EditorProject.h"
#include "ExitCodes.h"
#include "Misc/Paths.h"
#include "SkeletonAssetImport.h"
#include "UObject/Package.h"

#include <cstdio>

FImportCommand::FImportCommand(CLI::App& App)
{
	Command = App.add_subcommand("import", "Import a skeleton file (FBX, glTF, BVH) as a skeleton asset under /Game/");
	Command->add_option("--project", ProjectDir, "The project folder")->required()->check(CLI::ExistingDirectory);
	Command->add_option("file", File, "The skeleton file")->required()->check(CLI::ExistingFile);
	Command->add_option("--name", Name, "The asset's path under /Game/ (default: the file's base name)");
	Command->add_flag("--force", bForce,
		"Replace an asset that already exists at that path (remap assets that use it then use the new skeleton); "
		"without it the import refuses");
}

int FImportCommand::Execute()
{
	if (!OpenProject(ProjectDir))
	{
		return ExitFailure;
	}
	const FString AssetName = Name.empty() ? FPaths::GetBaseFilename(File.c_str()) : FString(Name.c_str());
	const FString AssetPath = AssetName.StartsWith("/") ? AssetName : "/Game/" + AssetName;
	FString PackageName, ObjectName;
	if (!bForce && FPackageName::SplitObjectPath(AssetPath, PackageName, ObjectName) && FPackageName::DoesPackageExist(PackageName))
	{
		std::fprintf(stderr, "zevo-editor: %s already exists (--force replaces it)\n", *PackageName);
		return ExitFailure;
	}
	const FSkeletonAssetImportResult Result = ImportSkeletonAsset(File.c_str(), AssetPath);
	if (!Result.Skeleton)
	{
		std::fprintf(stderr, "zevo-editor: %s\n", *Result.Error);
		return ExitFailure;
	}
	std::printf("Imported %s as %s (%d bones)\n", File.c_str(), *Result.Skeleton->GetPathName(), Result.Skeleton->GetReferenceSkeleton().GetNum());
	return ExitSuccess;
}
