#pragma once
// A program run by a test as a child process, its standard output and error going to the files
// <OutputName>.out and <OutputName>.err of the test's temporary project. A process still running
// when the object goes away is killed.
#include "TempProject.h"

#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

class FChildProcess
{
public:
	FChildProcess(const FTempProject& InProject, const std::string& Program, const std::vector<std::string>& Args,
		const std::string& InOutputName);
	~FChildProcess();
	FChildProcess(const FChildProcess&) = delete;
	FChildProcess& operator=(const FChildProcess&) = delete;

	bool Started() const { return Pid > 0; }
	pid_t GetPid() const { return Pid; }
	std::string Out() const;
	std::string Err() const;

	/** Waits, at most TimeoutSeconds, until the standard output contains Fragment. */
	bool WaitForOutput(const std::string& Fragment, double TimeoutSeconds) const;
	void Signal(int Number) const;
	/** The exit code once the program has ended (128 + signal when a signal ended it); while it runs, nothing. */
	std::optional<int> Poll();
	/** The exit code, or -1 when the program is still running after TimeoutSeconds. */
	int Wait(double TimeoutSeconds);

private:
	const FTempProject& Project;
	std::string OutputName;
	pid_t Pid = -1;
	std::optional<int> ExitCode;
};
