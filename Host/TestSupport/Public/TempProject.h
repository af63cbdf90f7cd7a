#pragma once
// A temporary project folder for a test: made fresh, set as the project directory, removed after.
#include "Containers/UnrealString.h"

class FTempProject
{
public:
	FTempProject();
	~FTempProject();
	FTempProject(const FTempProject&) = delete;
	FTempProject& operator=(const FTempProject&) = delete;

	/** The folder, absolute, ending in "/". */
	const FString& GetDir() const { return Dir; }
	/** Reads a file of the project as bytes (empty when missing). */
	FString ReadFile(const FString& RelativePath) const;
	void WriteFile(const FString& RelativePath, const FString& Bytes) const;

private:
	FString Dir;
};
