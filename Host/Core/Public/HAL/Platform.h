#pragma once
// Fixed-size integer names, the character types and the text macro of the engine.
// Knowingly different from the engine: text is UTF-8 `char` on this host, so TEXT(x) is x and
// TCHAR is char, where the engine's TCHAR is a 16-bit character.
#include <cstddef>
#include <cstdint>
#include <utility>

using int8 = std::int8_t;
using int16 = std::int16_t;
using int32 = std::int32_t;
using int64 = std::int64_t;
using uint8 = std::uint8_t;
using uint16 = std::uint16_t;
using uint32 = std::uint32_t;
using uint64 = std::uint64_t;
using TCHAR = char;
using ANSICHAR = char;
using UCS2CHAR = char16_t;
using SIZE_T = std::size_t;

#define TEXT(x) x
#define INDEX_NONE (-1)

#define PLATFORM_LITTLE_ENDIAN (__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__)

template <typename T>
constexpr std::remove_reference_t<T>&& MoveTemp(T&& Value) noexcept
{
	return static_cast<std::remove_reference_t<T>&&>(Value);
}
