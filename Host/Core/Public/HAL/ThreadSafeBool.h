#pragma once
#include "HAL/Platform.h"

#include <atomic>

/** An atomic 32-bit boolean. */
class FThreadSafeBool
{
public:
	FThreadSafeBool(bool bValue = false) : Value(bValue ? 1 : 0) {}
	operator bool() const { return Value.load() != 0; }
	/** Sets the value and returns the previous one. */
	bool AtomicSet(bool bNewValue) { return Value.exchange(bNewValue ? 1 : 0) != 0; }
	FThreadSafeBool& operator=(bool bNewValue) { Value.store(bNewValue ? 1 : 0); return *this; }

private:
	std::atomic<int32> Value;
};
