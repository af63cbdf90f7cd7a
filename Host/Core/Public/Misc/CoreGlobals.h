#pragma once
// Engine-wide flags.
#include "HAL/Platform.h"

#include <atomic>

/** True once the engine has begun to exit (Ctrl-C or the end of a timed run of zevo-editor). */
bool IsEngineExitRequested();
/**
 * The flag behind IsEngineExitRequested. Host only: the engine loop sets it, and tests set and
 * clear it, where the engine keeps it to itself.
 */
extern std::atomic<bool> GIsRequestingExit;
