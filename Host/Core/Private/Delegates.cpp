#include "Delegates/Delegate.h"
#include "Misc/CoreDelegates.h"

#include <atomic>

FSimpleMulticastDelegate FCoreDelegates::OnPostEngineInit;

FDelegateHandle FDelegateHandle::GenerateNew()
{
	// Handles are unique in the process, so a stale handle never removes somebody else's callback.
	static std::atomic<uint64> NextId{1};
	FDelegateHandle Handle;
	Handle.Id = NextId.fetch_add(1, std::memory_order_relaxed);
	return Handle;
}
