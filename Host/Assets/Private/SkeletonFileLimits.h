#pragma once
// What the skeleton importer refuses before it hands a file to the import library: the library
// reads a BVH hierarchy by recursion (so a chain thousands of joints deep overflows the stack and
// ends the program) and holds a whole file in memory.
#include "Containers/UnrealString.h"

#include <cstdint>

/** Why File (of the given lower-case extension, SizeBytes long) is past a limit, or empty. */
FString FindSkeletonFileLimitProblem(const FString& File, const FString& Extension, std::uintmax_t SizeBytes);
