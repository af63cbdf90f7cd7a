#pragma once
#include "HAL/Platform.h"

#include <atomic>

/** An atomic 32-bit counter. */
class FThreadSafeCounter
{
public:
	int32 Increment() { return ++Value; }
	int32 Decrement() { return --Value; }
	int32 GetValue() const { return Value.load(); }
	void Set(int32 NewValue) { Value.store(NewValue); }

private:
	std::atomic<int32> Value{0};
};
