// zevo-editor run --animate and --demo: poses built from live subjects, end to end.
#include "ProgramProcess.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

namespace
{
/** The pose lines of a recording, in order. */
std::vector<nlohmann::json> ReadPoses(const FTempProject& Project, const char* File)
{
	std::vector<nlohmann::json> Poses;
	std::istringstream Text(Project.ReadFile(File).ToStdString());
	for (std::string Line; std::getline(Text, Line);)
	{
		nlohmann::json Event = nlohmann::json::parse(Line);
		if (Event["event"] == "pose")
		{
			Poses.push_back(std::move(Event));
		}
	}
	return Poses;
}

/** The component-space position of a bone of a pose line. */
std::vector<double> Position(const nlohmann::json& Pose, const std::string& Bone)
{
	const auto& Bones = Pose["bones"];
	const auto Found = std::find(Bones.begin(), Bones.end(), Bone);
	EXPECT_NE(Found, Bones.end()) << Bone;
	return Found == Bones.end() ? std::vector<double>{0, 0, 0} : Pose["positions"][Found - Bones.begin()].get<std::vector<double>>();
}

std::string Endpoint(int Port)
{
	return "127.0.0.1:" + std::to_string(Port);
}
}

TEST(ZevoEditorAnimate, StreamedActorWalksAnImportedSkeletonOverTheGround)
{
	FTempProject Project;
	const std::string Dir = *Project.GetDir();
	// An A-posed rig whose bones are named and turned in a convention of its own.
	ASSERT_EQ(RunEditor(Project, {"import", "--project", Dir, ZEVO_TEST_RIGS_DIR "/Mannequin.glb", "--name", "Characters/Hero"}), 0);
	ASSERT_EQ(RunEditor(Project, {"remap", "--project", Dir, "create", "Characters/Hero_Remap", "--skeleton", "Characters/Hero"}), 0);

	const int Port = FreeUdpPort();
	FEditorProcess Editor(Project, {"run", "--project", Dir, "--for", "5", "--source", Endpoint(Port), "--animate",
									   "Actor1=Characters/Hero_Remap", "--record", Dir + "take.jsonl"});
	ASSERT_TRUE(Editor.WaitForOutput("Receiving", 20.0)) << Editor.Err();
	// A second of standing (the frame the feet are measured on), then the walk fades in.
	FStreamProcess Stream(Project, {"--to", Endpoint(Port), "--actors", "1", "--props", "0", "--for", "3.5"});
	ASSERT_EQ(Editor.Wait(30.0), 0) << Editor.Err();
	EXPECT_NE(Editor.Out().find("/Game/Characters/Hero_Remap.Hero_Remap"), std::string::npos) << Editor.Out();

	const std::vector<nlohmann::json> Poses = ReadPoses(Project, "take.jsonl");
	ASSERT_GT(Poses.size(), 60u);
	EXPECT_EQ(Poses.front()["subject"], "Actor1");
	EXPECT_EQ(Poses.front()["asset"], "/Game/Characters/Hero_Remap.Hero_Remap");
	EXPECT_EQ(Poses.front()["bones"][1], "pelvis");
	for (const nlohmann::json& Pose : Poses)
	{
		const std::vector<double> Hips = Position(Pose, "pelvis");
		EXPECT_NEAR(Hips[2], 95.0, 8.0) << Pose["t"];
		double Lowest = 1e9;
		for (const char* Foot : {"foot_l", "foot_r", "ball_l", "ball_r"})
		{
			Lowest = std::min(Lowest, Position(Pose, Foot)[2]);
		}
		EXPECT_NEAR(Lowest, 2.0, 5.0) << Pose["t"];
	}
	const std::vector<double> Start = Position(Poses.front(), "pelvis");
	const std::vector<double> End = Position(Poses.back(), "pelvis");
	EXPECT_GT(std::hypot(End[0] - Start[0], End[1] - Start[1]), 50.0) << "the hips walked";
}

TEST(ZevoEditorAnimate, DemoStreamsTwoActorsAndAPropAndAnimatesTheFirstActor)
{
	FTempProject Project;
	const std::string Dir = *Project.GetDir();
	std::filesystem::copy(ZEVO_DEMO_DIR "/Content", Dir + "Content", std::filesystem::copy_options::recursive);
	const int Port = FreeUdpPort();
	Project.WriteFile(IniPath, FString::Printf("[/Script/ZevoLiveLink.ZevoLiveLinkSettings]\n"
											   "+SavedConnections=(IPAddress=\"127.0.0.1\",Port=%d,bEnabled=True)\n",
								   Port));

	std::string Out;
	std::string Err;
	ASSERT_EQ(RunEditor(Project, {"run", "--project", Dir, "--demo", "--for", "3", "--record", Dir + "take.jsonl"}, &Out, &Err), 0) << Err;
	EXPECT_NE(Out.find("streaming the built-in performance (2 actors, 1 prop, 60 Hz) to " + Endpoint(Port)), std::string::npos) << Out;
	const std::string Recording = Project.ReadFile("take.jsonl").ToStdString();
	for (const char* Subject : {R"("subject":"Actor1","role":"LiveLinkAnimationRole")", R"("subject":"Actor2","role":"LiveLinkAnimationRole")",
			 R"("subject":"Box_1","role":"LiveLinkTransformRole")"})
	{
		EXPECT_NE(Recording.find(Subject), std::string::npos) << Subject;
	}
	const std::vector<nlohmann::json> Poses = ReadPoses(Project, "take.jsonl");
	ASSERT_GT(Poses.size(), 30u);
	for (const nlohmann::json& Pose : Poses)
	{
		EXPECT_EQ(Pose["subject"], "Actor1");
		EXPECT_EQ(Pose["asset"], "/Game/Characters/Mannequin_Remap.Mannequin_Remap");
	}
	EXPECT_EQ(Err.find("could not send"), std::string::npos) << Err;
}

TEST(ZevoEditorAnimate, BadAnimateArgumentsAndADemoWithoutConnectionSayWhy)
{
	FTempProject Project;
	const std::string Dir = *Project.GetDir();
	ASSERT_EQ(RunEditor(Project, {"remap", "--project", Dir, "create", "Skeletonless_Remap"}), 0);
	struct FCase
	{
		std::vector<std::string> Args;
		int ExitCode;
		const char* Message;
	};
	const std::vector<FCase> Cases = {
		{{"--animate", "Actor1"}, 2, "\"Actor1\" is not SUBJECT=ASSET"},
		{{"--animate", "=Skeletonless_Remap"}, 2, "\"=Skeletonless_Remap\" is not SUBJECT=ASSET"},
		{{"--animate", "Actor1="}, 2, "\"Actor1=\" is not SUBJECT=ASSET"},
		{{"--animate", "Actor1=Characters/Nobody"}, 2, "--animate Actor1=Characters/Nobody: no remap asset at /Game/Characters/Nobody.Nobody"},
		{{"--animate", "Actor1=Skeletonless_Remap"}, 2, "/Game/Skeletonless_Remap.Skeletonless_Remap has no target skeleton to animate"},
		{{"--demo"}, 1, "--demo: the project has no enabled saved connection to stream to"},
	};
	for (const FCase& Case : Cases)
	{
		std::vector<std::string> Args{"run", "--project", Dir, "--for", "5"};
		Args.insert(Args.end(), Case.Args.begin(), Case.Args.end());
		std::string Err;
		EXPECT_EQ(RunEditor(Project, Args, nullptr, &Err), Case.ExitCode) << Case.Args.back();
		EXPECT_NE(Err.find(Case.Message), std::string::npos) << Case.Args.back() << "\n" << Err;
	}
}
