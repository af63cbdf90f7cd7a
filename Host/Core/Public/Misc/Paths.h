#pragma once
// FPaths: the engine's and the project's folders and path helpers. The project folder is set once
// by the program that hosts the editor (zevo-editor --project DIR), or by a test.
// Knowingly different from the engine: the engine folder is the source tree the host was built
// from, which holds the engine plugins in Plugins/ and the engine's own content in
// Host/Engine/Content/ (the engine keeps it in Engine/Content/).
#include "Containers/UnrealString.h"

struct FPaths
{
	/** The engine folder, absolute, ending in "/". */
	static FString EngineDir();
	static FString EngineContentDir() { return EngineDir() + "Host/Engine/Content/"; }
	static FString EnginePluginsDir() { return EngineDir() + "Plugins/"; }

	static void SetProjectDir(const FString& Dir);
	/** The project folder, absolute, ending in "/". */
	static FString ProjectDir();
	static FString ProjectSavedDir() { return ProjectDir() + "Saved/"; }
	static FString ProjectContentDir() { return ProjectDir() + "Content/"; }
	static FString ProjectConfigDir() { return ProjectDir() + "Config/"; }
	static FString ProjectPluginsDir() { return ProjectDir() + "Plugins/"; }
	/** Absolute and normalised: "." and ".." resolved, no doubled separators. */
	static FString ConvertRelativePathToFull(const FString& Path);
	static FString Combine(const FString& A, const FString& B) { return A / B; }
	static FString GetPath(const FString& Path);
	static FString GetCleanFilename(const FString& Path);
	static FString GetBaseFilename(const FString& Path);
	static FString GetExtension(const FString& Path);
	static bool FileExists(const FString& Path);
	static bool DirectoryExists(const FString& Path);
};
