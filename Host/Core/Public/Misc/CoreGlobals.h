#pragma once
// Engine-wide flags.
#include <atomic>

/** Set once the engine has begun to exit (Ctrl-C or the end of a timed run of zevo-editor). */
extern std::atomic<bool> GIsRequestingExit;
