#include "CrashContainedRead.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

FString FindCrashInChild(const std::function<void()>& Read)
{
	const pid_t Child = fork();
	if (Child < 0)
	{
		return FString();
	}
	if (Child == 0)
	{
		try
		{
			Read();
		}
		catch (...)
		{
		}
		// No exit handlers and no stdio flush: the child shares the parent's buffers and files.
		_exit(0);
	}
	int Status = 0;
	while (waitpid(Child, &Status, 0) < 0)
	{
		if (errno != EINTR)
		{
			return FString();
		}
	}
	if (WIFSIGNALED(Status))
	{
		return FString::Printf("the import library crashed reading it (%s)", strsignal(WTERMSIG(Status)));
	}
	// The child ends with 0 whenever the read returns; anything else is a crash that a handler
	// (a sanitizer's) turned into an exit status.
	if (WIFEXITED(Status) && WEXITSTATUS(Status) != 0)
	{
		return FString::Printf("the import library crashed reading it (exit status %d)", WEXITSTATUS(Status));
	}
	return FString();
}
