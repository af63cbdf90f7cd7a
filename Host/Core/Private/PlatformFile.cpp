#include "HAL/PlatformFileManager.h"

#include <cstdio>
#include <filesystem>

namespace
{
class FPosixPlatformFile final : public IPlatformFile
{
public:
	bool FileExists(const char* Filename) override
	{
		std::error_code Error;
		return std::filesystem::is_regular_file(Filename, Error);
	}
	bool DirectoryExists(const char* Directory) override
	{
		std::error_code Error;
		return std::filesystem::is_directory(Directory, Error);
	}
	bool CreateDirectory(const char* Directory) override
	{
		std::error_code Error;
		std::filesystem::create_directory(Directory, Error);
		return DirectoryExists(Directory);
	}
	bool CreateDirectoryTree(const char* Directory) override
	{
		std::error_code Error;
		std::filesystem::create_directories(Directory, Error);
		return DirectoryExists(Directory);
	}
	bool DeleteFile(const char* Filename) override { return std::remove(Filename) == 0; }
	bool MoveFile(const char* To, const char* From) override { return std::rename(From, To) == 0; }
};
}

FPlatformFileManager& FPlatformFileManager::Get()
{
	static FPlatformFileManager Manager;
	return Manager;
}

IPlatformFile& FPlatformFileManager::GetPlatformFile()
{
	static FPosixPlatformFile File;
	return File;
}
