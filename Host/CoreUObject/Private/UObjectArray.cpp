#include "UObject/UObjectArray.h"

#include <mutex>
#include <unordered_map>

namespace
{
struct FLiveObjects
{
	std::mutex Mutex;
	// Unordered: objects come and go in any order, and removal must stay cheap.
	std::unordered_map<const UObject*, uint64> Serials;
	uint64 LastSerial = 0;
};

FLiveObjects& LiveObjects()
{
	// Never destroyed: objects held in static storage of other libraries unregister at exit.
	static FLiveObjects* Objects = new FLiveObjects();
	return *Objects;
}
}

uint64 FUObjectArray::Register(const UObject* Object)
{
	FLiveObjects& Live = LiveObjects();
	std::lock_guard Lock(Live.Mutex);
	const uint64 Serial = ++Live.LastSerial;
	Live.Serials[Object] = Serial;
	return Serial;
}

void FUObjectArray::Unregister(const UObject* Object)
{
	FLiveObjects& Live = LiveObjects();
	std::lock_guard Lock(Live.Mutex);
	Live.Serials.erase(Object);
}

bool FUObjectArray::IsLive(const UObject* Object, uint64 SerialNumber)
{
	FLiveObjects& Live = LiveObjects();
	std::lock_guard Lock(Live.Mutex);
	const auto Found = Live.Serials.find(Object);
	return Found != Live.Serials.end() && Found->second == SerialNumber;
}
