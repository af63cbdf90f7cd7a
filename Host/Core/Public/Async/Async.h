#pragma once
// AsyncTask onto the game thread. The game thread is the thread that runs the engine loop (in
// tests: the test thread); it pumps the queue. Queuing wakes a game thread that waits for work,
// so a task runs microseconds after it is queued, not a frame later. The queue reuses its
// storage: a task that fits TUniqueFunction's inline buffer is queued without an allocation.
#include "Templates/Function.h"

namespace ENamedThreads
{
enum Type
{
	GameThread,
	AnyThread,
};
}

void AsyncTask(ENamedThreads::Type Thread, TUniqueFunction<void()> Task);

/** A process-wide running index for naming threads. */
struct FAsyncThreadIndex
{
	static int32 GetNext();
};

/** True on the thread registered as the game thread. */
bool IsInGameThread();

struct FGameThread
{
	/** Makes the calling thread the game thread. */
	static void RegisterCurrentThread();
	/** Runs every queued task; returns how many ran. Game thread only. */
	static int32 PumpTasks();
	/** Blocks until a task is queued or TimeoutSeconds pass; true when a task is waiting. */
	static bool WaitForTasks(double TimeoutSeconds);
	static int32 NumQueuedTasks();
	/** Drops every queued task without running it. */
	static void DiscardTasks();
};
