#include "Async/Async.h"
#include "HAL/PlatformProcess.h"
#include "HAL/RunnableThread.h"

#include <pthread.h>
#include <sched.h>
#include <thread>

struct FRunnableThread::FImpl
{
	pthread_t Handle{};
	bool bJoined = false;
};

namespace
{
void* ThreadMain(void* Argument)
{
	FRunnable* Runnable = static_cast<FRunnable*>(Argument);
	if (Runnable->Init())
	{
		Runnable->Run();
		Runnable->Exit();
	}
	return nullptr;
}
}

FRunnableThread* FRunnableThread::Create(FRunnable* Runnable, const char* ThreadName, uint32 StackSize,
	EThreadPriority Priority, uint64 /*AffinityMask: every core*/, EThreadCreateFlags)
{
	if (!Runnable)
	{
		return nullptr;
	}
	FRunnableThread* Thread = new FRunnableThread();
	Thread->Impl = new FImpl();
	Thread->Runnable = Runnable;
	Thread->ThreadName = ThreadName;
	Thread->StackSize = StackSize;
	Thread->Priority = Priority;

	pthread_attr_t Attributes;
	pthread_attr_init(&Attributes);
	if (StackSize > 0)
	{
		pthread_attr_setstacksize(&Attributes, StackSize);
	}
	// Without privileges a normal-policy thread cannot be raised above normal priority, so the
	// priority is recorded, not enforced.
	const int Error = pthread_create(&Thread->Impl->Handle, &Attributes, &ThreadMain, Runnable);
	pthread_attr_destroy(&Attributes);
	if (Error != 0)
	{
		Thread->Impl->bJoined = true;
		delete Thread;
		return nullptr;
	}
	char ShortName[16];
	snprintf(ShortName, sizeof(ShortName), "%s", ThreadName);
	pthread_setname_np(Thread->Impl->Handle, ShortName);
	return Thread;
}

FRunnableThread::~FRunnableThread()
{
	WaitForCompletion();
	delete Impl;
}

void FRunnableThread::WaitForCompletion()
{
	if (Impl && !Impl->bJoined)
	{
		if (pthread_equal(Impl->Handle, pthread_self()))
		{
			// A thread cannot wait for itself; leave it to finish on its own.
			pthread_detach(Impl->Handle);
		}
		else
		{
			pthread_join(Impl->Handle, nullptr);
		}
		Impl->bJoined = true;
	}
}

bool FRunnableThread::Kill(bool bShouldWait)
{
	if (Runnable)
	{
		Runnable->Stop();
	}
	if (bShouldWait)
	{
		WaitForCompletion();
	}
	return true;
}

int32 FAsyncThreadIndex::GetNext()
{
	static std::atomic<int32> Index{0};
	return Index++;
}

void FPlatformProcess::Sleep(float Seconds)
{
	std::this_thread::sleep_for(std::chrono::duration<double>(Seconds));
}
