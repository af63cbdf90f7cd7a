#include "Misc/Paths.h"

#include "Containers/Array.h"

#include <filesystem>
#include <mutex>

namespace
{
std::mutex ProjectMutex;
FString ProjectDirectory;
}

#ifndef ZEVO_ENGINE_DIR
#error "ZEVO_ENGINE_DIR must name the folder the host was built from"
#endif

FString FPaths::EngineDir()
{
	return ZEVO_ENGINE_DIR "/";
}

void FPaths::SetProjectDir(const FString& Dir)
{
	FString Full = ConvertRelativePathToFull(Dir);
	if (!Full.EndsWith("/"))
	{
		Full += "/";
	}
	std::lock_guard Lock(ProjectMutex);
	ProjectDirectory = Full;
}

FString FPaths::ProjectDir()
{
	{
		std::lock_guard Lock(ProjectMutex);
		if (!ProjectDirectory.IsEmpty())
		{
			return ProjectDirectory;
		}
	}
	return ConvertRelativePathToFull(FString(std::filesystem::current_path().string())) + "/";
}

FString FPaths::ConvertRelativePathToFull(const FString& Path)
{
	std::filesystem::path P(*Path);
	if (P.is_relative())
	{
		P = std::filesystem::current_path() / P;
	}
	std::string Normal = P.lexically_normal().generic_string();
	const bool bTrailing = Normal.size() > 1 && Normal.back() == '/';
	if (bTrailing)
	{
		Normal.pop_back();
	}
	return FString(Normal);
}

FString FPaths::GetPath(const FString& Path)
{
	FString Left;
	return Path.Split("/", &Left, nullptr, ESearchCase::CaseSensitive, ESearchDir::FromEnd) ? Left : FString();
}

FString FPaths::GetCleanFilename(const FString& Path)
{
	FString Right;
	return Path.Split("/", nullptr, &Right, ESearchCase::CaseSensitive, ESearchDir::FromEnd) ? Right : Path;
}

FString FPaths::GetBaseFilename(const FString& Path)
{
	const FString Clean = GetCleanFilename(Path);
	FString Left;
	return Clean.Split(".", &Left, nullptr, ESearchCase::CaseSensitive, ESearchDir::FromEnd) ? Left : Clean;
}

FString FPaths::GetExtension(const FString& Path)
{
	const FString Clean = GetCleanFilename(Path);
	FString Right;
	return Clean.Split(".", nullptr, &Right, ESearchCase::CaseSensitive, ESearchDir::FromEnd) ? Right : FString();
}

bool FPaths::FileExists(const FString& Path)
{
	std::error_code Error;
	return std::filesystem::is_regular_file(*Path, Error);
}

bool FPaths::DirectoryExists(const FString& Path)
{
	std::error_code Error;
	return std::filesystem::is_directory(*Path, Error);
}
