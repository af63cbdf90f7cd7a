#include "Async/Async.h"
#include "Misc/CoreGlobals.h"

#include <condition_variable>
#include <vector>
#include <mutex>
#include <thread>

std::atomic<bool> GIsRequestingExit{false};

bool IsEngineExitRequested()
{
	return GIsRequestingExit;
}

namespace
{
// Two vectors that keep their capacity: producers append to Pending; the pump swaps it with
// Running under the lock and runs Running without holding it. Once warm, queuing allocates nothing.
struct FGameThreadQueue
{
	std::mutex Mutex;
	std::condition_variable WorkAvailable;
	std::vector<TUniqueFunction<void()>> Pending;
	std::vector<TUniqueFunction<void()>> Running;
	std::thread::id GameThreadId = std::this_thread::get_id();
};

FGameThreadQueue& Queue()
{
	static FGameThreadQueue Instance;
	return Instance;
}
}

void AsyncTask(ENamedThreads::Type, TUniqueFunction<void()> Task)
{
	// Every named thread of this host is the game thread: it is the only one the plugin names.
	FGameThreadQueue& Q = Queue();
	{
		std::lock_guard Lock(Q.Mutex);
		Q.Pending.push_back(std::move(Task));
	}
	Q.WorkAvailable.notify_one();
}

bool IsInGameThread()
{
	FGameThreadQueue& Q = Queue();
	std::lock_guard Lock(Q.Mutex);
	return Q.GameThreadId == std::this_thread::get_id();
}

void FGameThread::RegisterCurrentThread()
{
	FGameThreadQueue& Q = Queue();
	std::lock_guard Lock(Q.Mutex);
	Q.GameThreadId = std::this_thread::get_id();
}

int32 FGameThread::PumpTasks()
{
	FGameThreadQueue& Q = Queue();
	{
		std::lock_guard Lock(Q.Mutex);
		std::swap(Q.Pending, Q.Running);
	}
	const int32 Count = static_cast<int32>(Q.Running.size());
	for (TUniqueFunction<void()>& Task : Q.Running)
	{
		Task();
	}
	Q.Running.clear();
	return Count;
}

bool FGameThread::WaitForTasks(double TimeoutSeconds)
{
	FGameThreadQueue& Q = Queue();
	std::unique_lock Lock(Q.Mutex);
	return Q.WorkAvailable.wait_for(Lock, std::chrono::duration<double>(TimeoutSeconds), [&Q] { return !Q.Pending.empty(); });
}

int32 FGameThread::NumQueuedTasks()
{
	FGameThreadQueue& Q = Queue();
	std::lock_guard Lock(Q.Mutex);
	return static_cast<int32>(Q.Pending.size());
}

void FGameThread::DiscardTasks()
{
	std::vector<TUniqueFunction<void()>> Dropped;
	{
		FGameThreadQueue& Q = Queue();
		std::lock_guard Lock(Q.Mutex);
		std::swap(Dropped, Q.Pending);
	}
}
