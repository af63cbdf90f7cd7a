#pragma once
// FRunnableThread: a real thread that runs one FRunnable, with the engine's priorities and
// affinity masks.
#include "Containers/UnrealString.h"
#include "HAL/Runnable.h"

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
