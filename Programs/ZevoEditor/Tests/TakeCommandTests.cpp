// zevo-editor take info|trim|export on takes written by hand, bad ones among them, and run --record
// onto a file that cannot hold the take.
#include "ProgramProcess.h"
#include "TakeLines.h"

#include <cmath>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sys/stat.h>

namespace
{
using FJson = nlohmann::json;

std::string Static(const char* Subject)
{
	return TakeLines::CharacterStatic(Subject) + "\n";
}

/** A character frame whose bones all turn by Angle about Z. */
std::string Frame(double Time, const char* Subject, double Angle = 0.0)
{
	FJson Transforms = FJson::array();
	for (int Bone = 0; Bone < 52; ++Bone)
	{
		Transforms.push_back({{"r", {0.0, 0.0, std::sin(Angle / 2), std::cos(Angle / 2)}}, {"t", {0.1 * Time, 0.9, 0.0}}, {"s", {1, 1, 1}}});
	}
	return FJson{{"t", Time}, {"event", "frame"}, {"source", "A1B2"}, {"subject", Subject}, {"transforms", Transforms},
		{"properties", {0.44, 0.42, 0.09, 0.0, 0.0, 0.0, 0.0}}}.dump() + "\n";
}

/** A take of Actor1 standing, Count frames at 30 Hz from t=0. */
std::string Take(int Count)
{
	std::string Text = Static("Actor1");
	for (int Index = 0; Index < Count; ++Index)
	{
		Text += Frame(Index / 30.0, "Actor1", 0.01 * Index);
	}
	return Text;
}

bool Exists(const std::string& Path)
{
	return std::filesystem::exists(Path);
}

/** Whether the process has File open. */
bool HasOpen(pid_t Pid, const std::string& File)
{
	std::error_code Error;
	for (const auto& Entry : std::filesystem::directory_iterator("/proc/" + std::to_string(Pid) + "/fd", Error))
	{
		if (std::filesystem::read_symlink(Entry.path(), Error) == File)
		{
			return true;
		}
	}
	return false;
}

/** Waits, at most TimeoutSeconds, until Condition holds. */
template <typename FCondition>
bool WaitFor(FCondition Condition, double TimeoutSeconds)
{
	const FClock::time_point Deadline = FClock::now() + std::chrono::duration_cast<FClock::duration>(std::chrono::duration<double>(TimeoutSeconds));
	while (!Condition())
	{
		if (FClock::now() >= Deadline)
		{
			return false;
		}
		std::this_thread::sleep_for(std::chrono::milliseconds(5));
	}
	return true;
}
}

TEST(ZevoEditorTake, BadTakesAreNamedLineByLineAndWhatIsSoundIsExported)
{
	const struct
	{
		const char* Name;
		std::string Text;
		int ExitCode;
		const char* Message;  // on standard error
	} Cases[] = {
		{"truncated last line", Take(4) + Frame(0.2, "Actor1").substr(0, 300), 0,
			"line 6: the take ends in the middle of this line (skipped)"},
		{"unknown line kinds", Take(2) + "{\"t\":0.1,\"event\":\"marker\"}\n" + Frame(0.2, "Actor1"), 0,
			"line 4: unknown event \"marker\" (skipped)"},
		{"frames out of order", Take(4) + Frame(0.05, "Actor1"), 0, "line 6: out of order: t=0.050000 comes after t=0.100000 (skipped)"},
		{"a subject that never had static data", Frame(0.0, "Actor1") + Frame(0.1, "Actor1"), 1,
			"line 1: frame of subject \"Actor1\" before its static data (skipped)"},
		{"no such subject", Take(3), 1, "has no subject Actor2 with static data"},
		{"not a take at all", std::string("\x89PNG\r\n\x1a\n\0\0", 10), 1, "line 1: not "},
		{"a character without bones", TakeLines::Static("Actor1", "LiveLinkAnimationRole") + "\n"
				+ TakeLines::Frame(0.0, "Actor1", TakeLines::FJson::array(), TakeLines::FJson::array()) + "\n",
			1, "the skeleton of Actor1 has no bones"},
	};
	for (const auto& Case : Cases)
	{
		FTempProject Project;
		const std::string Dir = *Project.GetDir();
		Project.WriteFile("take.jsonl", FString(Case.Text));
		const std::string Subject = std::string(Case.Name) == "no such subject" ? "Actor2" : "Actor1";
		std::string Out, Err;
		EXPECT_EQ(RunEditor(Project, {"take", "export", Dir + "take.jsonl", "--subject", Subject, "--bvh", Dir + "out.bvh"}, &Out, &Err),
			Case.ExitCode) << Case.Name << "\n" << Err;
		EXPECT_NE(Err.find(Case.Message), std::string::npos) << Case.Name << "\n" << Err;
		EXPECT_EQ(Exists(Dir + "out.bvh"), Case.ExitCode == 0) << Case.Name;
		for (const auto& Entry : std::filesystem::directory_iterator(Dir))
		{
			EXPECT_EQ(Entry.path().filename().string().find(".partial"), std::string::npos) << Case.Name << ": " << Entry.path();
		}
	}
}

TEST(ZevoEditorTake, AMillionBadLinesGiveAFewMessagesAndACount)
{
	FTempProject Project;
	const std::string Dir = *Project.GetDir();
	{
		std::ofstream File(Dir + "take.jsonl");
		File << Take(3);
		for (int Line = 0; Line < 1000000; ++Line)
		{
			File << "{\"t\":1,\"event\":\"marker\"}\n";
		}
	}
	std::string Out, Err;
	ASSERT_EQ(RunEditor(Project, {"take", "info", Dir + "take.jsonl"}, &Out, &Err), 0) << Err;
	EXPECT_NE(Out.find("4 lines, 0.067 s (t=0.000 to t=0.067), 1000000 lines skipped"), std::string::npos) << Out;
	EXPECT_NE(Out.find("Actor1 (character, source A1B2): 3 frames over 0.067 s at 30 Hz, 0 gaps"), std::string::npos) << Out;
	EXPECT_NE(Err.find("line 5: unknown event \"marker\" (skipped)"), std::string::npos) << Err.substr(0, 500);
	EXPECT_NE(Err.find("999980 more lines skipped"), std::string::npos) << Err.substr(Err.size() - std::min<size_t>(Err.size(), 500));
	EXPECT_LT(std::count(Err.begin(), Err.end(), '\n'), 25);
}

TEST(ZevoEditorTake, InfoNamesGapsAndTrimKeepsEachFramesStaticData)
{
	FTempProject Project;
	const std::string Dir = *Project.GetDir();
	std::string Text = Static("Actor1") + Static("Actor2");
	for (int Index = 0; Index < 30; ++Index)
	{
		Text += Frame(Index / 30.0, "Actor1");
		Text += Index < 10 || Index > 19 ? Frame(Index / 30.0 + 0.001, "Actor2") : "";  // a third of a second missing
	}
	Project.WriteFile("take.jsonl", FString(Text));
	std::string Out, Err;
	ASSERT_EQ(RunEditor(Project, {"take", "info", Dir + "take.jsonl"}, &Out, &Err), 0) << Err;
	EXPECT_NE(Out.find("Actor1 (character, source A1B2): 30 frames over 0.967 s at 30 Hz, 0 gaps"), std::string::npos) << Out;
	EXPECT_NE(Out.find("Actor2 (character, source A1B2): 20 frames over 0.967 s at 30 Hz, 1 gap: 0.367 s at t=0.301"), std::string::npos) << Out;
	EXPECT_TRUE(Err.empty()) << Err;

	ASSERT_EQ(RunEditor(Project, {"take", "trim", Dir + "take.jsonl", "--from", "0.49", "--to", "0.69", "-o", Dir + "cut.jsonl"}, &Out, &Err), 0) << Err;
	EXPECT_NE(Out.find("Wrote " + Dir + "cut.jsonl: 7 lines from 0.49 s to 0.69 s, after 2 static lines"), std::string::npos) << Out;
	ASSERT_EQ(RunEditor(Project, {"take", "info", Dir + "cut.jsonl"}, &Out, &Err), 0) << Err;
	EXPECT_NE(Out.find("Actor1 (character, source A1B2): 6 frames"), std::string::npos) << Out;
	EXPECT_NE(Out.find("Actor2 (character, source A1B2): 1 frames"), std::string::npos) << Out;
	EXPECT_TRUE(Err.empty()) << "every frame of the cut follows its static data: " << Err;

	EXPECT_EQ(RunEditor(Project, {"take", "trim", Dir + "take.jsonl", "--from", "0.7", "--to", "0.5", "-o", Dir + "bad.jsonl"}), 2);
	EXPECT_EQ(RunEditor(Project, {"take", "trim", Dir + "take.jsonl", "--from", "5", "--to", "6", "-o", Dir + "none.jsonl"}, &Out, &Err), 1);
	EXPECT_NE(Err.find("has no lines from 5 s to 6 s"), std::string::npos) << Err;
	EXPECT_FALSE(Exists(Dir + "none.jsonl"));
}

TEST(ZevoEditorTake, BvhOfUnevenFramesFillsTheGridAtTheChosenRate)
{
	FTempProject Project;
	const std::string Dir = *Project.GetDir();
	// At 10 Hz: slots at 0, 0.1, 0.2, 0.3. The second frame came late, the third slot got none, the
	// fourth two (the nearer is kept).
	Project.WriteFile("take.jsonl", FString(Static("Actor1") + Frame(0.0, "Actor1", 0.0) + Frame(0.13, "Actor1", 0.2)
		+ Frame(0.29, "Actor1", 0.6) + Frame(0.33, "Actor1", 1.0)));
	std::string Out, Err;
	ASSERT_EQ(RunEditor(Project, {"take", "export", Dir + "take.jsonl", "--subject", "Actor1", "--bvh", Dir + "a.bvh", "--rate", "10"}, &Out, &Err), 0) << Err;
	EXPECT_NE(Out.find("4 frames, 0.300 s at 10 Hz"), std::string::npos) << Out;
	EXPECT_TRUE(Err.empty()) << "no progress where standard error is no terminal: " << Err;
	const std::string Bvh = *Project.ReadFile("a.bvh");
	const std::string Motion = Bvh.substr(Bvh.find("MOTION"));
	ASSERT_EQ(Motion.rfind("MOTION\nFrames: 4\nFrame Time: 0.100000000\n", 0), 0u) << Motion.substr(0, 80);
	// The hips' first rotation channel (about Z) of each frame: the recorded angles, and for the empty
	// slot the angle half-way between its neighbours in time.
	std::istringstream Lines(Motion.substr(Motion.find("Frame Time")));
	std::string Line;
	std::getline(Lines, Line);
	const double Expected[] = {0.0, 0.2, 0.2 + (0.6 - 0.2) * (0.2 - 0.13) / (0.29 - 0.13), 0.6};
	for (const double Angle : Expected)
	{
		ASSERT_TRUE(std::getline(Lines, Line));
		std::istringstream Values(Line);
		double X, Y, Z, AboutZ;
		Values >> X >> Y >> Z >> AboutZ;
		// The mirrored file turns the other way about Z.
		EXPECT_NEAR(AboutZ, -Angle * 180.0 / M_PI, 1e-4) << Line.substr(0, 60);
	}
}

TEST(ZevoEditorTake, AnExportStoppedHalfWayLeavesNoFile)
{
	for (const int Signal : {SIGTERM, SIGKILL})
	{
		FTempProject Project;
		const std::string Dir = *Project.GetDir();
		// The take comes through a pipe, so the export can be held half-way: the first pass reads it
		// whole, the second gets half of it and waits for the rest.
		const std::string Pipe = Dir + "take.jsonl";
		ASSERT_EQ(mkfifo(Pipe.c_str(), 0600), 0);
		FEditorProcess Export(Project, {"take", "export", Pipe, "--subject", "Actor1", "--bvh", Dir + "out.bvh"});
		const std::string Text = Take(200);
		{
			std::ofstream(Pipe) << Text;
		}
		// The second pass opens the pipe anew once the first has let go of it.
		ASSERT_TRUE(WaitFor([&] { return !HasOpen(Export.GetPid(), Pipe); }, 20.0));
		std::ofstream Second(Pipe);
		Second << Text.substr(0, Text.size() / 2) << std::flush;
		const std::string Partial = Dir + ".out.bvh.partial-" + std::to_string(Export.GetPid());
		ASSERT_TRUE(WaitFor([&] { return Exists(Partial); }, 20.0)) << "the export never started writing";
		Export.Signal(Signal);
		EXPECT_EQ(Export.Wait(10.0), 128 + Signal);
		EXPECT_FALSE(Exists(Dir + "out.bvh")) << "signal " << Signal;
		if (Signal == SIGTERM)
		{
			for (const auto& Entry : std::filesystem::directory_iterator(Dir))
			{
				EXPECT_EQ(Entry.path().filename().string().find(".partial"), std::string::npos) << Entry.path();
			}
		}
	}
}

TEST(ZevoEditorTake, RecordingOntoAFullDiskFailsTheRunSayingWhereTheTakeStops)
{
	// /dev/full opens like any file and refuses every write, as a full disk does; it is there on every
	// Linux machine, CI's included, where mounting a small file system would need privileges.
	FTempProject Project;
	std::filesystem::copy(ZEVO_DEMO_DIR, *Project.GetDir(), std::filesystem::copy_options::recursive);
	const std::string Dir = *Project.GetDir();
	std::string Out, Err;
	EXPECT_EQ(RunEditor(Project, {"run", "--project", Dir, "--for", "1.5", "--record", "/dev/full"}, &Out, &Err), 1) << Err;
	EXPECT_NE(Err.find("Error: Failed to write the take /dev/full: No space left on device; it stops after line 0 (0.000 s recorded)"),
		std::string::npos) << Err;
	EXPECT_NE(Err.find("zevo-editor: Failed to write the take /dev/full"), std::string::npos) << Err;
}
