#pragma once
// FPaths: the project's folders and path helpers. The project folder is set once by the program
// that hosts the editor (zevo-editor --project DIR), or by a test.
#include "Containers/UnrealString.h"

struct FPaths
{
	static void SetProjectDir(const FString& Dir);
	/** The project folder, absolute, ending in "/". */
	static FString ProjectDir();
	static FString ProjectSavedDir() { return ProjectDir() + "Saved/"; }
	static FString ProjectContentDir() { return ProjectDir() + "Content/"; }
	static FString ProjectConfigDir() { return ProjectDir() + "Config/"; }
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
