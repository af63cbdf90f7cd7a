#pragma once
// FExportFile: where an export writes. The export goes to a temporary file beside the output and
// is renamed over it only when complete, so that a failed or killed export never leaves a partial
// file under the output's name. The temporary file is removed when the export fails, and also when
// the process is stopped by Ctrl-C or a termination signal while the export runs.
#include "CoreMinimal.h"

class FExportFile
{
public:
	explicit FExportFile(const FString& InPath);
	/** Removes the temporary file unless Commit moved it. */
	~FExportFile();
	FExportFile(const FExportFile&) = delete;
	FExportFile& operator=(const FExportFile&) = delete;

	/** Where to write: ".<name>.partial-<process>" in the output's folder. */
	const FString& GetTemporaryPath() const { return TemporaryPath; }
	/** Moves the complete file to the output's name; false with OutError when that fails. */
	bool Commit(FString& OutError);

private:
	FString Path;
	FString TemporaryPath;
	bool bCommitted = false;
};
