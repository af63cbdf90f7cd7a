#pragma once
// Runs the real programs (zevo-editor, zevo-stream) as child processes in a temporary project.
#include "TempProject.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <spawn.h>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

using FClock = std::chrono::steady_clock;

/** One child process with its output going to the files <OutputName>.out and .err of the project. */
class FProgramProcess
{
public:
	FProgramProcess(const FTempProject& InProject, const std::string& Program, const std::vector<std::string>& Args,
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
		posix_spawn_file_actions_t Files;
		posix_spawn_file_actions_init(&Files);
		posix_spawn_file_actions_addopen(&Files, STDOUT_FILENO, *(Project.GetDir() + FString(OutputName + ".out")), O_WRONLY | O_CREAT | O_TRUNC, 0644);
		posix_spawn_file_actions_addopen(&Files, STDERR_FILENO, *(Project.GetDir() + FString(OutputName + ".err")), O_WRONLY | O_CREAT | O_TRUNC, 0644);
		EXPECT_EQ(posix_spawn(&Pid, Pointers[0], &Files, nullptr, Pointers.data(), environ), 0);
		posix_spawn_file_actions_destroy(&Files);
	}

	~FProgramProcess()
	{
		if (Pid > 0)
		{
			kill(Pid, SIGKILL);
			waitpid(Pid, nullptr, 0);
		}
	}

	std::string Out() const { return Project.ReadFile(FString(OutputName + ".out")).ToStdString(); }
	std::string Err() const { return Project.ReadFile(FString(OutputName + ".err")).ToStdString(); }

	/** Waits, at most TimeoutSeconds, until the standard output contains Fragment. */
	bool WaitForOutput(const std::string& Fragment, double TimeoutSeconds) const
	{
		const auto Deadline = FClock::now() + std::chrono::duration<double>(TimeoutSeconds);
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

	void Signal(int Number) const { kill(Pid, Number); }

	/** The exit code, or -1 when the process had to be killed after TimeoutSeconds. */
	int Wait(double TimeoutSeconds)
	{
		const auto Deadline = FClock::now() + std::chrono::duration<double>(TimeoutSeconds);
		int Status = 0;
		while (waitpid(Pid, &Status, WNOHANG) == 0)
		{
			if (FClock::now() > Deadline)
			{
				return -1;  // the destructor kills it
			}
			std::this_thread::sleep_for(std::chrono::milliseconds(20));
		}
		Pid = 0;
		return WIFEXITED(Status) ? WEXITSTATUS(Status) : 128 + WTERMSIG(Status);
	}

private:
	const FTempProject& Project;
	std::string OutputName;
	pid_t Pid = 0;
};

/** zevo-editor with the given arguments. */
class FEditorProcess : public FProgramProcess
{
public:
	FEditorProcess(const FTempProject& InProject, const std::vector<std::string>& Args)
		: FProgramProcess(InProject, ZEVO_EDITOR_PROGRAM, Args, "editor")
	{
	}
};

/** zevo-stream with the given arguments. */
class FStreamProcess : public FProgramProcess
{
public:
	FStreamProcess(const FTempProject& InProject, const std::vector<std::string>& Args)
		: FProgramProcess(InProject, ZEVO_STREAM_PROGRAM, Args, "stream")
	{
	}
};

inline int RunEditor(const FTempProject& Project, const std::vector<std::string>& Args, std::string* OutText = nullptr, std::string* ErrText = nullptr)
{
	FEditorProcess Editor(Project, Args);
	const int ExitCode = Editor.Wait(30.0);
	if (OutText)
	{
		*OutText = Editor.Out();
	}
	if (ErrText)
	{
		*ErrText = Editor.Err();
	}
	return ExitCode;
}

/** A UDP port of 127.0.0.1 that was free a moment ago. */
inline int FreeUdpPort()
{
	const int Socket = socket(AF_INET, SOCK_DGRAM, 0);
	sockaddr_in Address = {};
	Address.sin_family = AF_INET;
	Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
	bind(Socket, reinterpret_cast<sockaddr*>(&Address), sizeof(Address));
	socklen_t Length = sizeof(Address);
	getsockname(Socket, reinterpret_cast<sockaddr*>(&Address), &Length);
	close(Socket);
	return ntohs(Address.sin_port);
}

inline const char* const IniPath = "Saved/Config/ZevoLiveLink.ini";
