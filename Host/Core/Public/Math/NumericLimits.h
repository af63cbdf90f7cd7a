#pragma once
// TNumericLimits: the engine's limits of the arithmetic types.
#include "HAL/Platform.h"

#include <limits>

template <typename T>
struct TNumericLimits
{
	static constexpr T Min() { return std::numeric_limits<T>::min(); }
	static constexpr T Max() { return std::numeric_limits<T>::max(); }
	static constexpr T Lowest() { return std::numeric_limits<T>::lowest(); }
};
