#pragma once
// The platform file layer: existence tests and directory creation on the real file system.
#include "Containers/UnrealString.h"

class IPlatformFile
{
public:
	virtual ~IPlatformFile() = default;
	virtual bool FileExists(const char* Filename) = 0;
	virtual bool DirectoryExists(const char* Directory) = 0;
	/** Creates one directory level; true when it exists afterwards. */
	virtual bool CreateDirectory(const char* Directory) = 0;
	/** Creates every missing level. */
	virtual bool CreateDirectoryTree(const char* Directory) = 0;
	virtual bool DeleteFile(const char* Filename) = 0;
	virtual bool MoveFile(const char* To, const char* From) = 0;
};

class FPlatformFileManager
{
public:
	static FPlatformFileManager& Get();
	IPlatformFile& GetPlatformFile();
};
