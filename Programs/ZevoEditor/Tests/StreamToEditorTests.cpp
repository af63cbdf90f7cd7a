// The real zevo-stream feeding the real zevo-editor over loopback: subjects, recorded frames and the
// actors of the project's level.
#include "CoreMinimal.h"
#include "Misc/FileHelper.h"
#include "ProgramProcess.h"

#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <sstream>

namespace
{
std::vector<nlohmann::json> ReadRecording(const FTempProject& Project)
{
	std::vector<nlohmann::json> Lines;
	std::istringstream Text(Project.ReadFile("take.jsonl").ToStdString());
	for (std::string Line; std::getline(Text, Line);)
	{
		Lines.push_back(nlohmann::json::parse(Line));
	}
	return Lines;
}

/** The line of Text that starts with Start, or empty. */
std::string LineStartingWith(const std::string& Text, const std::string& Start)
{
	const size_t At = Text.rfind("\n" + Start);
	return At == std::string::npos ? std::string() : Text.substr(At + 1, Text.find('\n', At + 1) - At - 1);
}

/** Runs zevo-stream to Endpoint until it exits and returns how many datagrams it says it sent. */
long long StreamAndCountSent(const FTempProject& Project, const std::string& Endpoint, const std::vector<std::string>& Options)
{
	std::vector<std::string> Args{"--to", Endpoint};
	Args.insert(Args.end(), Options.begin(), Options.end());
	FStreamProcess Stream(Project, Args);
	EXPECT_EQ(Stream.Wait(30.0), 0) << Stream.Err();
	long long Sent = -1;
	std::istringstream Out(Stream.Out());
	for (std::string Line; std::getline(Out, Line);)
	{
		if (Line.ends_with(" datagrams in total"))
		{
			std::sscanf(Line.c_str(), "zevo-stream: sent %lld", &Sent);
		}
	}
	EXPECT_GE(Sent, 0) << Stream.Out();
	return Sent;
}

FVector Vector(const nlohmann::json& Values)
{
	return FVector(Values[0].get<double>(), Values[1].get<double>(), Values[2].get<double>());
}

FQuat Quat(const nlohmann::json& Values)
{
	return FQuat(Values[0].get<double>(), Values[1].get<double>(), Values[2].get<double>(), Values[3].get<double>());
}
}

TEST(StreamToEditor, EveryActorAndPropArrivesWithEveryFrameAt60Hz)
{
	FTempProject Project;
	const std::string Dir = *Project.GetDir();
	const std::string Endpoint = "127.0.0.1:" + std::to_string(FreeUdpPort());
	FEditorProcess Editor(Project, {"run", "--project", Dir, "--source", Endpoint, "--record", Dir + "take.jsonl"});
	ASSERT_TRUE(Editor.WaitForOutput("Receiving", 20.0)) << Editor.Err();
	const long long Sent = StreamAndCountSent(Project, Endpoint, {"--actors", "2", "--props", "1", "--rate", "60", "--for", "3"});
	StopEditorAfterNextStatus(Editor);

	const std::string Out = Editor.Out();
	EXPECT_NE(LineStartingWith(Out, "Actor1 ").find("LiveLinkAnimationRole"), std::string::npos) << Out;
	EXPECT_NE(LineStartingWith(Out, "Actor2 ").find("LiveLinkAnimationRole"), std::string::npos) << Out;
	EXPECT_NE(LineStartingWith(Out, "Box_1 ").find("LiveLinkTransformRole"), std::string::npos) << Out;

	std::map<std::string, std::string> Roles;
	std::map<std::string, long long> Frames;
	for (const nlohmann::json& Line : ReadRecording(Project))
	{
		if (Line["event"] == "static")
		{
			Roles[Line["subject"].get<std::string>()] = Line["role"].get<std::string>();
		}
		else if (Line["event"] == "frame")
		{
			++Frames[Line["subject"].get<std::string>()];
		}
	}
	const std::map<std::string, std::string> ExpectedRoles{
		{"Actor1", "LiveLinkAnimationRole"}, {"Actor2", "LiveLinkAnimationRole"}, {"Box_1", "LiveLinkTransformRole"}};
	EXPECT_EQ(Roles, ExpectedRoles);
	// One datagram per subject and frame: nothing lost, nothing counted twice.
	EXPECT_GE(Sent, 3 * 150);
	for (const auto& [Subject, Role] : ExpectedRoles)
	{
		EXPECT_EQ(Frames[Subject] * 3, Sent) << Subject;
	}
}

TEST(StreamToEditor, DemoLevelActorFollowsTheStreamedPropInEngineSpace)
{
	FTempProject Project;
	const std::string Dir = *Project.GetDir();
	FString Level;
	ASSERT_TRUE(FFileHelper::LoadFileToString(Level, ZEVO_DEMO_DIR "/Content/Maps/Main.json"));
	Project.WriteFile("Content/Maps/Main.json", Level);
	const std::string Endpoint = "127.0.0.1:" + std::to_string(FreeUdpPort());
	FEditorProcess Editor(Project, {"run", "--project", Dir, "--source", Endpoint, "--record", Dir + "take.jsonl"});
	ASSERT_TRUE(Editor.WaitForOutput("Receiving", 20.0)) << Editor.Err();
	StreamAndCountSent(Project, Endpoint, {"--actors", "0", "--props", "1", "--for", "2"});
	StopEditorAfterNextStatus(Editor);

	EXPECT_NE(LineStartingWith(Editor.Out(), "Prop Follower ").find("Box_1 (receiving)"), std::string::npos) << Editor.Out();
	// The game thread decodes and ticks in turn, so each actor line follows the prop frame it was moved by.
	std::optional<FTransform> Prop;
	int Compared = 0;
	std::set<std::vector<double>> Positions;
	for (const nlohmann::json& Line : ReadRecording(Project))
	{
		if (Line["event"] == "frame" && Line["subject"] == "Box_1")
		{
			const nlohmann::json& Transform = Line["transforms"][0];
			Prop = FTransform(Quat(Transform["r"]), Vector(Transform["t"]));
		}
		if (Line["event"] != "actor" || Line["label"] != "Prop Follower" || !Prop)
		{
			continue;
		}
		const FVector Stream = Prop->GetLocation();
		const FQuat Turn = Prop->GetRotation();
		const FVector Location = Vector(Line["transform"]["t"]);
		const FQuat Rotation = Quat(Line["transform"]["r"]);
		EXPECT_TRUE(Location.Equals(FVector(-100.0 * Stream.X, 100.0 * Stream.Z, 100.0 * Stream.Y), 1e-6)) << Line.dump();
		EXPECT_LT(Rotation.GetNormalized().AngularDistance(FQuat(-Turn.X, Turn.Z, Turn.Y, Turn.W).GetNormalized()), 1e-5) << Line.dump();
		Positions.insert({Location.X, Location.Y, Location.Z});
		++Compared;
	}
	EXPECT_GE(Compared, 60);
	EXPECT_GE(Positions.size(), 30u) << "the prop should have moved the actor";
}

TEST(StreamToEditor, UnreadableLevelIsReportedAndTheRunGoesOn)
{
	FTempProject Project;
	Project.WriteFile("Content/Maps/Main.json", "{\"Class\": \"Level\", \"Actors\": [");
	std::string Out;
	std::string Err;
	EXPECT_EQ(RunEditor(Project, {"run", "--project", *Project.GetDir(), "--for", "1.5"}, &Out, &Err), 0) << Err;
	EXPECT_NE(Err.find("LogTemp: Error: " + std::string(*Project.GetDir()) + "Content/Maps/Main.json: not valid JSON"), std::string::npos) << Err;
	EXPECT_EQ(CountOf(Out, StatusHeading), 2) << Out;
	EXPECT_NE(Out.find("(no actors)"), std::string::npos) << Out;
}
