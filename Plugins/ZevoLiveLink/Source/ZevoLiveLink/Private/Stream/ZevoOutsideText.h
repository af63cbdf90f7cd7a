#pragma once
// Text that comes from the network: which subject names a source accepts, and how such bytes are
// written into a log line so that they can neither forge a line nor drive a terminal.
#include "Containers/StringView.h"
#include "CoreMinimal.h"

/** Longer subject names are refused: they only cost memory in every table that keeps names. */
constexpr int32 ZevoMaxSubjectNameBytes = 255;

enum class EZevoNameProblem : uint8
{
	None,
	TooLong,
	/** A byte below 0x20, or 0x7F. */
	ControlByte,
};

EZevoNameProblem ZevoFindNameProblem(FAnsiStringView Bytes);

/**
 * Bytes fit for a log line: printable ASCII as it is, a backslash doubled and every other byte as
 * \xNN. Past MaxBytes the text is cut and says how long the whole was: "abc... (70000 bytes)".
 */
FString ZevoEscapeForLog(FAnsiStringView Bytes, int32 MaxBytes = 64);
