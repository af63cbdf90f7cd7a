#pragma once
// FScopeLock: holds a critical section from its construction to its end (or to Unlock).
#include "HAL/CriticalSection.h"

class FScopeLock
{
public:
	explicit FScopeLock(FCriticalSection* InSynchObject) : SynchObject(InSynchObject) { SynchObject->Lock(); }
	FScopeLock(const FScopeLock&) = delete;
	FScopeLock& operator=(const FScopeLock&) = delete;
	~FScopeLock() { Unlock(); }

	/** Releases the lock before the scope ends; the destructor then does nothing. */
	void Unlock()
	{
		if (SynchObject)
		{
			SynchObject->Unlock();
			SynchObject = nullptr;
		}
	}

private:
	FCriticalSection* SynchObject;
};
