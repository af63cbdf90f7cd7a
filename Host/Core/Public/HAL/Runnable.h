#pragma once
// FRunnable: the body of a thread; FRunnableThread: a real thread that runs one.
#include "Containers/UnrealString.h"

#include <atomic>

class FSingleThreadRunnable;

class FRunnable
{
public:
	virtual bool Init() { return true; }
	virtual uint32 Run() = 0;
	virtual void Stop() {}
	virtual void Exit() {}
	virtual FSingleThreadRunnable* GetSingleThreadInterface() { return nullptr; }
	virtual ~FRunnable() = default;
};

enum EThreadPriority
{
	TPri_Normal,
	TPri_AboveNormal,
	TPri_BelowNormal,
	TPri_Highest,
	TPri_Lowest,
	TPri_SlightlyBelowNormal,
	TPri_TimeCritical,
};

enum class EThreadCreateFlags : int8
{
	None = 0,
};

struct FPlatformAffinity
{
	static uint64 GetNoAffinityMask() { return ~0ull; }
};

class FRunnableThread
{
public:
	/** Starts a thread that runs Init, Run and Exit of Runnable; null when no thread could be made. */
	static FRunnableThread* Create(FRunnable* Runnable, const char* ThreadName, uint32 StackSize = 0,
		EThreadPriority Priority = TPri_Normal, uint64 AffinityMask = FPlatformAffinity::GetNoAffinityMask(),
		EThreadCreateFlags Flags = EThreadCreateFlags::None);
	virtual ~FRunnableThread();

	/** Blocks until Run has returned and Exit has run. */
	void WaitForCompletion();
	/** Asks the runnable to stop and optionally waits. */
	bool Kill(bool bShouldWait = true);
	const FString& GetThreadName() const { return ThreadName; }
	uint32 GetStackSize() const { return StackSize; }
	EThreadPriority GetThreadPriority() const { return Priority; }

private:
	FRunnableThread() = default;
	struct FImpl;
	FImpl* Impl = nullptr;
	FRunnable* Runnable = nullptr;
	FString ThreadName;
	uint32 StackSize = 0;
	EThreadPriority Priority = TPri_Normal;
};

/** A process-wide running index for naming threads. */
struct FAsyncThreadIndex
{
	static int32 GetNext();
};

/** An atomic 32-bit boolean. */
class FThreadSafeBool
{
public:
	FThreadSafeBool(bool bValue = false) : Value(bValue ? 1 : 0) {}
	operator bool() const { return Value.load() != 0; }
	/** Sets the value and returns the previous one. */
	bool AtomicSet(bool bNewValue) { return Value.exchange(bNewValue ? 1 : 0) != 0; }
	FThreadSafeBool& operator=(bool bNewValue) { Value.store(bNewValue ? 1 : 0); return *this; }

private:
	std::atomic<int32> Value;
};

class FThreadSafeCounter
{
public:
	int32 Increment() { return ++Value; }
	int32 Decrement() { return --Value; }
	int32 GetValue() const { return Value.load(); }
	void Set(int32 NewValue) { Value.store(NewValue); }

private:
	std::atomic<int32> Value{0};
};

struct FPlatformProcess
{
	static void Sleep(float Seconds);
};
