#pragma once
// FTakeLineSource: the lines of a file, read in large blocks into one buffer that always keeps
// room after each line for the JSON parser's look-ahead. Only the line at hand (and the rest of
// its block) is held; a line longer than any event of a take is passed over, not gathered.
#include "CoreMinimal.h"

#include <string_view>
#include <vector>

class FTakeLineSource
{
public:
	/** One line, without its end of line; valid until the next call. */
	struct FLine
	{
		std::string_view Text;
		/** Readable bytes from Text.data() on (at least Text.size() plus the parser's padding). */
		size_t Capacity = 0;
		int64 Number = 0;
		/** Whether a line end closed it (the last line of a file may lack one). */
		bool bEnded = true;
		bool bLast = false;
		/** Longer than MaxLineBytes: Text holds only its start. */
		bool bTooLong = false;
	};

	/** Lines longer than this are no event of a take (a pose of a thousand bones is some 300 KB). */
	static constexpr size_t MaxLineBytes = 64u << 20;

	FTakeLineSource() = default;
	~FTakeLineSource();
	FTakeLineSource(const FTakeLineSource&) = delete;
	FTakeLineSource& operator=(const FTakeLineSource&) = delete;

	bool Open(const FString& Path, FString& OutError);
	/** False at the end of the file or when reading fails (GetReadError). */
	bool Next(FLine& OutLine);

	const FString& GetReadError() const { return ReadError; }
	uint64 GetBytesRead() const { return BytesRead; }
	uint64 GetFileSize() const { return FileSize; }

private:
	/** Reads more of the file behind what is buffered; false at its end or on a failure. */
	bool Fill();
	/** Drops the rest of a too-long line, up to and including its end of line. */
	void SkipRestOfLine();

	FString Path;
	int File = -1;
	std::vector<char> Buffer;
	size_t Begin = 0;
	size_t End = 0;
	bool bEndOfFile = false;
	int64 LineNumber = 0;
	uint64 BytesRead = 0;
	uint64 FileSize = 0;
	FString ReadError;
};
