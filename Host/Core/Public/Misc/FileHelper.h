#pragma once
// Whole-file text load and save. Saving replaces the file atomically (a temporary file beside it,
// then a rename), so a crash or a failed write never leaves a half-written file.
#include "Containers/Array.h"
#include "Containers/UnrealString.h"

class IFileManager;

struct FFileHelper
{
	enum class EEncodingOptions
	{
		AutoDetect,
		ForceAnsi,
		ForceUnicode,
		ForceUTF8,
		ForceUTF8WithoutBOM,
	};

	/** Reads the whole file; byte-order marks (UTF-8, UTF-16 LE/BE) are honoured. */
	static bool LoadFileToString(FString& Result, const char* Filename);
	static bool LoadFileToArray(TArray<uint8>& Result, const char* Filename);
	/** AutoDetect writes plain 8-bit text when every character is 7-bit ASCII, else UTF-16 LE with a BOM. */
	static bool SaveStringToFile(const FString& String, const char* Filename,
		EEncodingOptions EncodingOptions = EEncodingOptions::AutoDetect, IFileManager* FileManager = nullptr, uint32 WriteFlags = 0);
	static bool SaveArrayToFile(const TArray<uint8>& Bytes, const char* Filename);

	/**
	 * Host only, not in the engine: removes, anywhere under Directory, the temporary files that a
	 * save of a process no longer running left behind (it was killed between writing and renaming).
	 * Returns how many were removed. Programs call it when they open a project.
	 */
	static int32 RemoveStaleTemporaryFiles(const FString& Directory);
};
