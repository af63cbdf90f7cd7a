#pragma once
// The engine's small compile-time helpers.
#include "HAL/Platform.h"

template <typename T, SIZE_T N>
char (&UE4ArrayCountHelper(const T (&)[N]))[N + 1];

/** The number of elements of a C array, as a constant expression. */
#define UE_ARRAY_COUNT(Array) (sizeof(UE4ArrayCountHelper(Array)) - 1)
