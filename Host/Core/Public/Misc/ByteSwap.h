#pragma once
// The engine's byte-order helpers: BYTESWAP_ORDER32 reverses a word's bytes; INTEL_ORDER32 reads
// a little-endian word, NETWORK_ORDER32 a big-endian one, on whatever machine this runs.
#include "HAL/Platform.h"

#define BYTESWAP_ORDER32(x) __builtin_bswap32(x)
#if PLATFORM_LITTLE_ENDIAN
#define INTEL_ORDER32(x) (x)
#define NETWORK_ORDER32(x) BYTESWAP_ORDER32(x)
#else
#define INTEL_ORDER32(x) BYTESWAP_ORDER32(x)
#define NETWORK_ORDER32(x) (x)
#endif
