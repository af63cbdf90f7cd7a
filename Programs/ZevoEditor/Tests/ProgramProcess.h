#pragma once
// Runs the real programs (zevo-editor, zevo-stream) as child processes in a temporary project.
#include "ChildProcess.h"
#include "FreeUdpPort.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

using FClock = std::chrono::steady_clock;

/** zevo-editor with the given arguments. */
class FEditorProcess : public FChildProcess
{
public:
	FEditorProcess(const FTempProject& InProject, const std::vector<std::string>& Args)
		: FChildProcess(InProject, ZEVO_EDITOR_PROGRAM, Args, "editor")
	{
	}
};

/** zevo-stream with the given arguments. */
class FStreamProcess : public FChildProcess
{
public:
	FStreamProcess(const FTempProject& InProject, const std::vector<std::string>& Args)
		: FChildProcess(InProject, ZEVO_STREAM_PROGRAM, Args, "stream")
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

inline const char* const IniPath = "Saved/Config/ZevoLiveLink.ini";

inline const char* const StatusHeading = "--- zevo-editor status at";

inline int CountOf(const std::string& Text, const std::string& Fragment)
{
	int Count = 0;
	for (size_t At = Text.find(Fragment); At != std::string::npos; At = Text.find(Fragment, At + 1))
	{
		++Count;
	}
	return Count;
}

/** Ends a run once everything sent so far was surely decoded: a whole status interval later. */
inline void StopEditorAfterNextStatus(FEditorProcess& Editor)
{
	const int Tables = CountOf(Editor.Out(), StatusHeading);
	const auto Deadline = FClock::now() + std::chrono::seconds(20);
	while (CountOf(Editor.Out(), StatusHeading) < Tables + 2 && FClock::now() < Deadline)
	{
		std::this_thread::sleep_for(std::chrono::milliseconds(20));
	}
	Editor.Signal(SIGINT);
	EXPECT_EQ(Editor.Wait(20.0), 0) << Editor.Err();
}
