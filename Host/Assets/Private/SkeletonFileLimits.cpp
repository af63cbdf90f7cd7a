#include "SkeletonFileLimits.h"

#include "SkeletonImporter.h"

#include <algorithm>
#include <fstream>

namespace
{
/** The deepest nesting of braces in a BVH file: a joint, or an end site, opens one level. */
int64 BvhHierarchyDepth(const FString& File)
{
	std::ifstream Stream(*File, std::ios::binary);
	int64 Depth = 0;
	int64 Deepest = 0;
	char Buffer[65536];
	while (Stream.read(Buffer, sizeof(Buffer)) || Stream.gcount() > 0)
	{
		for (std::streamsize Index = 0; Index < Stream.gcount(); ++Index)
		{
			if (Buffer[Index] == '{')
			{
				Deepest = std::max(Deepest, ++Depth);
			}
			else if (Buffer[Index] == '}')
			{
				--Depth;
			}
		}
	}
	return Deepest;
}
}

FString FindSkeletonFileLimitProblem(const FString& File, const FString& Extension, std::uintmax_t SizeBytes)
{
	if (SizeBytes > static_cast<std::uintmax_t>(MaxSkeletonFileBytes))
	{
		return FString::Printf("the file is larger than %lld MiB", static_cast<long long>(MaxSkeletonFileBytes >> 20));
	}
	// An end site adds one level below the deepest joint.
	if (Extension == "bvh" && BvhHierarchyDepth(File) > MaxBvhJointDepth + 1)
	{
		return FString::Printf("its joint chains are more than %d joints deep", MaxBvhJointDepth);
	}
	return FString();
}
