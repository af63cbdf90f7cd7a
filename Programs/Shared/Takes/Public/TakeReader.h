#pragma once
// FTakeReader: reads a take (TakeFormat.h) line by line, never holding more than the line at hand,
// so that a take of any length is read in constant memory. Every line is checked before it is
// handed out; a line that is not sound is skipped and reported as "line N: why":
//   - not one JSON object, a field of the wrong type, a number that is not finite;
//   - an event kind this reader does not know;
//   - a time before the time of the line before it (lines out of order);
//   - a frame of a subject whose static data was not seen (or was removed since), or that does not
//     fit that static data (one transform per bone, one value per property);
//   - the last line cut off before its end (a take whose writer stopped mid-line).
#include "TakeFormat.h"

#include <memory>
#include <string_view>

class FTakeReader
{
public:
	FTakeReader();
	~FTakeReader();
	FTakeReader(const FTakeReader&) = delete;
	FTakeReader& operator=(const FTakeReader&) = delete;

	/** Opens the take at Path; false with OutError ("cannot read PATH: why") when it cannot be read. */
	bool Open(const FString& Path, FString& OutError);

	/** Told each line that is skipped, as "line N: why". */
	TFunction<void(const FString&)> OnProblem;

	/**
	 * Fills OutEvent with the next sound line. False at the end of the take, or when the file
	 * cannot be read on (GetReadError then says why).
	 */
	bool Next(FTakeEvent& OutEvent);
	/** The bytes of the line Next handed out last, without its end of line. */
	std::string_view GetLineText() const;

	const FString& GetReadError() const;
	/** How far the reader is into the file, for progress reports. */
	uint64 GetBytesRead() const;
	uint64 GetFileSize() const;

private:
	struct FImpl;
	std::unique_ptr<FImpl> Impl;
};
