#pragma once
// Comparison and hashing of texts ignoring ASCII letter case, eight bytes at a time: names and
// the stream's addresses are compared for every received datagram.
#include "Containers/UnrealString.h"

namespace ZevoHost::Private
{
/** Equal ignoring ASCII letter case, as FString's operator== compares. */
bool EqualsIgnoreCase(std::string_view A, std::string_view B);
/** A hash that texts equal ignoring ASCII letter case share; its low bits are well mixed. */
uint64 HashIgnoreCase(std::string_view Text);
}

#if ZEVO_HOST_EXTENSIONS
/** Host only: the engine compares with FCString::Stricmp or a string view's Equals(IgnoreCase). */
namespace FCString
{
using ZevoHost::Private::EqualsIgnoreCase;
using ZevoHost::Private::HashIgnoreCase;
}
#endif
