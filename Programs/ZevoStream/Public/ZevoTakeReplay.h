#pragma once
// FZevoTakeReplay: a take (read by FTakeReader, one line at a time) as the datagrams that produced
// it, so that a captured session can be streamed again. A frame's kind comes from the role its
// subject's static line announced: an animation frame (52 transforms) becomes a character message,
// a transform frame a prop message (the subject "Name_Number" split at its last underscore, the
// type from the first property). Other events have nothing to send.
#include "OscMessageWriter.h"
#include "TakeReader.h"

class FZevoTakeReplay
{
public:
	/** Opens the take; false with OutError when it cannot be read. */
	bool Open(const FString& Path, FString& OutError);

	/** Told each line that is skipped, as "line N: why": the reader's problems, and frames that
	 *  cannot travel as a message (a value beyond a 32-bit float, a prop not named Name_Number, ...). */
	TFunction<void(const FString&)> OnProblem;

	/** The next datagram and when it is due, on the take's own clock; its bytes live until the next
	 *  call. False at the end of the take (or when reading failed: GetReadError). */
	bool Next(double& OutTime, const TArray<uint8>*& OutDatagram);
	const FString& GetReadError() const { return Reader.GetReadError(); }

private:
	FTakeReader Reader;
	FTakeEvent Event;
	FOscMessageWriter Writer;
};
