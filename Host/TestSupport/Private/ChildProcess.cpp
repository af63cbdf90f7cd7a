#include "ChildProcess.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace
{
using FClock = std::chrono::steady_clock;

FClock::time_point DeadlineAfter(double Seconds)
{
	return FClock::now() + std::chrono::duration_cast<FClock::duration>(std::chrono::duration<double>(Seconds));
}
}

FChildProcess::FChildProcess(const FTempProject& InProject, const std::string& Program, const std::vector<std::string>& Args,
	const std::string& InOutputName)
	: Project(InProject), OutputName(InOutputName)
{
	std::vector<std::string> Argv{Program};
	Argv.insert(Argv.end(), Args.begin(), Args.end());
	std::vector<char*> Pointers;
	for (std::string& Arg : Argv)
	{
		Pointers.push_back(Arg.data());
	}
	Pointers.push_back(nullptr);
	const std::string OutPath = (Project.GetDir() + FString(OutputName + ".out")).ToStdString();
	const std::string ErrPath = (Project.GetDir() + FString(OutputName + ".err")).ToStdString();
	posix_spawn_file_actions_t Files;
	posix_spawn_file_actions_init(&Files);
	posix_spawn_file_actions_addopen(&Files, STDOUT_FILENO, OutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
	posix_spawn_file_actions_addopen(&Files, STDERR_FILENO, ErrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
	if (posix_spawn(&Pid, Pointers[0], &Files, nullptr, Pointers.data(), environ) != 0)
	{
		Pid = -1;
	}
	posix_spawn_file_actions_destroy(&Files);
}

FChildProcess::~FChildProcess()
{
	if (Pid > 0 && !ExitCode)
	{
		kill(Pid, SIGKILL);
		waitpid(Pid, nullptr, 0);
	}
}

std::string FChildProcess::Out() const
{
	return Project.ReadFile(FString(OutputName + ".out")).ToStdString();
}

std::string FChildProcess::Err() const
{
	return Project.ReadFile(FString(OutputName + ".err")).ToStdString();
}

bool FChildProcess::WaitForOutput(const std::string& Fragment, double TimeoutSeconds) const
{
	const FClock::time_point Deadline = DeadlineAfter(TimeoutSeconds);
	while (Out().find(Fragment) == std::string::npos)
	{
		if (FClock::now() > Deadline)
		{
			return false;
		}
		std::this_thread::sleep_for(std::chrono::milliseconds(20));
	}
	return true;
}

void FChildProcess::Signal(int Number) const
{
	if (Pid > 0 && !ExitCode)
	{
		kill(Pid, Number);
	}
}

std::optional<int> FChildProcess::Poll()
{
	int Status = 0;
	if (!ExitCode && Pid > 0 && waitpid(Pid, &Status, WNOHANG) == Pid)
	{
		ExitCode = WIFEXITED(Status) ? WEXITSTATUS(Status) : 128 + WTERMSIG(Status);
	}
	return ExitCode;
}

int FChildProcess::Wait(double TimeoutSeconds)
{
	const FClock::time_point Deadline = DeadlineAfter(TimeoutSeconds);
	while (!Poll())
	{
		if (FClock::now() > Deadline)
		{
			return -1;
		}
		std::this_thread::sleep_for(std::chrono::milliseconds(20));
	}
	return *ExitCode;
}
