#pragma once
// The one lock over packages, mount points and the objects inside packages. Recursive, because
// loading an asset constructs objects whose constructors load further assets.
#include <mutex>

struct FObjectLock
{
	static std::recursive_mutex& Get()
	{
		static std::recursive_mutex Mutex;
		return Mutex;
	}
};
