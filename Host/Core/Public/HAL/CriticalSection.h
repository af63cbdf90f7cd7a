#pragma once
// FCriticalSection: the engine's lock. As on the engine, the thread that holds it may lock it
// again (it is recursive). Held with FScopeLock (Misc/ScopeLock.h).
#include "HAL/Platform.h"

#include <mutex>

class FCriticalSection
{
public:
	FCriticalSection() = default;
	FCriticalSection(const FCriticalSection&) = delete;
	FCriticalSection& operator=(const FCriticalSection&) = delete;

	void Lock() { Mutex.lock(); }
	bool TryLock() { return Mutex.try_lock(); }
	void Unlock() { Mutex.unlock(); }

private:
	std::recursive_mutex Mutex;
};
