#include "Misc/Guid.h"

#include <mutex>
#include <random>

FGuid FGuid::NewGuid()
{
	static std::mutex Mutex;
	static std::mt19937_64 Generator{std::random_device{}()};
	std::lock_guard Lock(Mutex);
	FGuid Result;
	do
	{
		const uint64 High = Generator();
		const uint64 Low = Generator();
		Result = FGuid(uint32(High >> 32), uint32(High), uint32(Low >> 32), uint32(Low));
	} while (!Result.IsValid());
	return Result;
}
