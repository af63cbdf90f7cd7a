#pragma once
// Comparison and hashing of texts ignoring ASCII letter case, eight bytes at a time: names and
// the stream's addresses are compared for every received datagram.
#include "Containers/UnrealString.h"

namespace FCString
{
/** Equal ignoring ASCII letter case, as FString's operator== compares. */
bool EqualsIgnoreCase(std::string_view A, std::string_view B);
/** A hash that texts equal ignoring ASCII letter case share; its low bits are well mixed. */
uint64 HashIgnoreCase(std::string_view Text);
}
