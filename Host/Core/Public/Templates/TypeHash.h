#pragma once
// GetTypeHash for the built-in key types; FString, FName and FGuid declare their own.
#include "HAL/Platform.h"

#include <type_traits>

inline uint32 HashCombine(uint32 A, uint32 B)
{
	return A ^ (B + 0x9e3779b9u + (A << 6) + (A >> 2));
}

template <typename T>
	requires(std::is_integral_v<T> || std::is_enum_v<T>)
uint32 GetTypeHash(T Value)
{
	const uint64 Bits = static_cast<uint64>(Value);
	uint64 Mixed = Bits * 0x9e3779b97f4a7c15ull;
	return static_cast<uint32>(Mixed >> 32) ^ static_cast<uint32>(Mixed);
}

template <typename T>
uint32 GetTypeHash(const T* Pointer)
{
	return GetTypeHash(reinterpret_cast<uintptr_t>(Pointer));
}
