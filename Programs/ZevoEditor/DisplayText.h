#pragma once
// Text that came from outside (a sender's subject names, a level's actor labels, a source's
// status) made safe to print on a terminal: control characters, which could move the cursor,
// retitle the window or start a line that looks like the program's own, are shown as \xNN, and
// very long text is cut with its length.
#include "Containers/UnrealString.h"

/** At most MaxBytes of Text (cut on a character boundary, then "...(N bytes)"), with every C0
 *  and C1 control character and DEL written as \xNN. */
FString ToDisplayText(const FString& Text, int32 MaxBytes = 64);
