#pragma once
// FMemory: the engine's raw memory operations.
#include "HAL/Platform.h"

#include <cstring>

struct FMemory
{
	static void* Memcpy(void* Dest, const void* Src, SIZE_T Count) { return std::memcpy(Dest, Src, Count); }
	static void* Memzero(void* Dest, SIZE_T Count) { return std::memset(Dest, 0, Count); }
};
