#pragma once
// A read by the import library, tried first in a child process. The library crashes on some
// malformed files (an FBX animation curve node without its curves is one), and a file a user
// picked must give an error message, never take the editor down with it.
#include "CoreMinimal.h"

#include <functional>

/**
 * Runs Read in a forked child and waits for it: empty when the child finished (whatever Read
 * decided), otherwise why it did not. Where no child can be made, says nothing and the caller
 * reads as it would have without the trial.
 */
FString FindCrashInChild(const std::function<void()>& Read);
