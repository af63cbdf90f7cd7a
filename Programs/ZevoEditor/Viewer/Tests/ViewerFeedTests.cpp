// zevo-editor run --view end to end: the real editor fed by the real zevo-stream, its state read
// from /api/state and checked against what the editor recorded of the same moment (the frames it
// was pushed, the poses it built, where its actors stood) and against `remap show --json`.
#include "CoreMinimal.h"
#include "Misc/FileHelper.h"
#include "ProgramProcess.h"
#include "ViewerTestClient.h"

#include <map>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>

namespace
{
using FJson = nlohmann::json;

constexpr double Centimetres = 1e-3;
constexpr const char* RemapAsset = "/Game/Characters/Mannequin_Remap";

FVector Vector(const FJson& Values)
{
	return FVector(Values[0].get<double>(), Values[1].get<double>(), Values[2].get<double>());
}

FQuat Quat(const FJson& Values)
{
	return FQuat(Values[0].get<double>(), Values[1].get<double>(), Values[2].get<double>(), Values[3].get<double>());
}

FVector StreamToEngine(const FVector& P)
{
	return FVector(-100.0 * P.X, 100.0 * P.Z, 100.0 * P.Y);
}

/** A project with the Demo's character, remap asset and level, and no saved connection. */
void CopyDemoContent(const FTempProject& Project)
{
	for (const char* File : {"Content/Characters/Mannequin.json", "Content/Characters/Mannequin_Remap.json", "Content/Maps/Main.json"})
	{
		FString Text;
		ASSERT_TRUE(FFileHelper::LoadFileToString(Text, *(FString(ZEVO_DEMO_DIR "/") + File)));
		Project.WriteFile(File, Text);
	}
}

/** The port of the "Viewer: open http://ADDRESS:PORT/" line, or 0. */
int ViewerPort(const std::string& Out)
{
	std::smatch Match;
	return std::regex_search(Out, Match, std::regex("Viewer: open http://[0-9.]+:([0-9]+)/")) ? std::stoi(Match[1]) : 0;
}

/** The last line of each (event, subject or label) of a recording. */
std::map<std::string, FJson> LastLines(const FTempProject& Project)
{
	std::map<std::string, FJson> Last;
	std::istringstream Text(Project.ReadFile("take.jsonl").ToStdString());
	for (std::string Line; std::getline(Text, Line);)
	{
		FJson Event = FJson::parse(Line);
		const FJson Who = Event.contains("label") ? Event["label"] : Event.value("subject", FJson());
		if (!Who.is_string())
		{
			continue;
		}
		const std::string Key = Event["event"].get<std::string>() + " " + Who.get<std::string>();
		Last[Key] = std::move(Event);
	}
	return Last;
}

/** The T-pose reference skeleton's joints in the stream's frame (metres, Y up), by bone name. */
std::map<std::string, FVector> TPoseJointsInStreamFrame()
{
	FString Text;
	EXPECT_TRUE(FFileHelper::LoadFileToString(Text, ZEVO_TPOSE_SKELETON));
	const FJson Properties = FJson::parse(Text.ToStdString())["Properties"];
	std::vector<FTransform> Component;
	std::map<std::string, FVector> Joints;
	for (size_t Index = 0; Index < Properties["RefBoneInfo"].size(); ++Index)
	{
		const FJson& Pose = Properties["RefBonePose"][Index];
		const FJson& R = Pose["Rotation"];
		const FJson& T = Pose["Translation"];
		const FTransform Local(FQuat(R["X"], R["Y"], R["Z"], R["W"]), FVector(T["X"], T["Y"], T["Z"]));
		const int Parent = Properties["RefBoneInfo"][Index]["ParentIndex"];
		Component.push_back(Parent < 0 ? Local : Local * Component[Parent]);
		const FVector Engine = Component.back().GetTranslation();
		Joints[Properties["RefBoneInfo"][Index]["Name"]] = FVector(-0.01 * Engine.X, 0.01 * Engine.Z, 0.01 * Engine.Y);
	}
	return Joints;
}

/** The stream skeleton of a recorded frame in the engine's frame: its rotations on the T-pose's bone offsets. */
std::vector<FTransform> StreamSkeleton(const FJson& Static, const FJson& Frame)
{
	const std::map<std::string, FVector> Joints = TPoseJointsInStreamFrame();
	std::vector<FTransform> Component;
	for (size_t Index = 0; Index < Frame["transforms"].size(); ++Index)
	{
		const int Parent = Static["parents"][Index];
		const FJson& Local = Frame["transforms"][Index];
		const std::string Name = Static["bones"][Index];
		// The stream's "LeftToes" is the T-pose skeleton's "LeftToe".
		const auto Joint = [&](const std::string& StreamName) { return Joints.contains(StreamName) ? Joints.at(StreamName) : Joints.at(StreamName.substr(0, StreamName.size() - 1)); };
		const FVector Offset = Parent < 0 ? FVector::ZeroVector : Joint(Name) - Joint(Static["bones"][Parent].get<std::string>());
		const FTransform Transform(Quat(Local["r"]), Vector(Local["t"]) + Offset);
		Component.push_back(Parent < 0 ? Transform : Transform * Component[Parent]);
	}
	return Component;
}

struct FViewedRun
{
	FJson State;
	std::map<std::string, FJson> Recorded;
	FJson RemapShow;
};

/** One actor and one prop streamed for a second and a half; the state read once the stream stopped. */
FViewedRun StreamAndView(const FTempProject& Project)
{
	FViewedRun Run;
	const std::string Dir = *Project.GetDir();
	const std::string Endpoint = "127.0.0.1:" + std::to_string(FreeUdpPort());
	FEditorProcess Editor(Project, {"run", "--project", Dir, "--source", Endpoint, "--animate", std::string("Actor1=") + RemapAsset,
									   "--record", Dir + "take.jsonl", "--view", "0"});
	EXPECT_TRUE(Editor.WaitForOutput("Receiving", 20.0)) << Editor.Err();
	const int Port = ViewerPort(Editor.Out());
	EXPECT_NE(Port, 0) << Editor.Out();
	FStreamProcess Stream(Project, {"--to", Endpoint, "--actors", "1", "--props", "1", "--rate", "60", "--for", "1.5"});
	EXPECT_EQ(Stream.Wait(30.0), 0) << Stream.Err();
	// Still for a few ticks: every frame sent is decoded, posed and placed (and the sweep is 5 s away).
	const auto Deadline = FClock::now() + std::chrono::seconds(10);
	do
	{
		std::this_thread::sleep_for(std::chrono::milliseconds(100));
		Run.State = FJson::parse(HttpGet(Port, "/api/state").Body);
	} while (FClock::now() < Deadline && !(Run.State["subjects"].size() == 2 && Run.State["subjects"][0]["sinceLastFrame"].is_number()
												&& Run.State["subjects"][0]["sinceLastFrame"].get<double>() > 0.3));
	Editor.Signal(SIGINT);
	EXPECT_EQ(Editor.Wait(20.0), 0) << Editor.Err();
	Run.Recorded = LastLines(Project);
	std::string Out;
	EXPECT_EQ(RunEditor(Project, {"remap", "--project", Dir, "show", RemapAsset, "--json"}, &Out), 0);
	Run.RemapShow = FJson::parse(Out);
	return Run;
}

const FJson& Named(const FJson& List, const char* Key, const std::string& Name)
{
	for (const FJson& Item : List)
	{
		if (Item[Key] == Name)
		{
			return Item;
		}
	}
	ADD_FAILURE() << "nothing named " << Name << " in " << List.dump().substr(0, 300);
	static const FJson Nothing;
	return Nothing;
}

void ExpectPose(const FJson& Viewed, const FVector& Position, const FQuat& Rotation, const std::string& What)
{
	EXPECT_TRUE(Vector(Viewed["p"]).Equals(Position, Centimetres)) << What << ": " << Viewed.dump() << " vs " << *Position.ToString();
	EXPECT_LT(Quat(Viewed["q"]).GetNormalized().AngularDistance(Rotation.GetNormalized()), 1e-5) << What;
}
}

TEST(ViewerFeed, StateIsWhatTheEditorWasPushedBuiltAndPlacedAndWhatTheRemapPanelShows)
{
	FTempProject Project;
	CopyDemoContent(Project);
	const FViewedRun Run = StreamAndView(Project);
	const FJson& State = Run.State;
	ASSERT_EQ(State["subjects"].size(), 2u) << State.dump().substr(0, 500);

	// The stream skeleton: the pushed frame, composed on the T-pose's bone lengths, in engine space.
	const FJson& Actor = Named(State["subjects"], "name", "Actor1");
	const std::vector<FTransform> Skeleton = StreamSkeleton(Run.Recorded.at("static Actor1"), Run.Recorded.at("frame Actor1"));
	ASSERT_EQ(Actor["bones"].size(), Skeleton.size());
	for (size_t Index = 0; Index < Skeleton.size(); ++Index)
	{
		const FQuat R = Skeleton[Index].GetRotation();
		ExpectPose(Actor["bones"][Index], StreamToEngine(Skeleton[Index].GetTranslation()), FQuat(-R.X, R.Z, R.Y, R.W),
			Actor["bones"][Index]["name"].get<std::string>());
	}
	EXPECT_EQ(Actor["role"], "Animation");
	EXPECT_EQ(Actor["dropped"], 0);

	// The prop: converted as the prop component converts it, its scale its size in centimetres.
	const FJson& Prop = Named(State["subjects"], "name", "Box_1")["prop"];
	const FJson& PropFrame = Run.Recorded.at("frame Box_1")["transforms"][0];
	const FQuat PropTurn = Quat(PropFrame["r"]);
	ExpectPose(Prop, StreamToEngine(Vector(PropFrame["t"])), FQuat(-PropTurn.X, PropTurn.Z, PropTurn.Y, PropTurn.W), "Box_1");
	const FVector Scale = Vector(PropFrame["s"]);
	EXPECT_TRUE(Vector(Prop["size"]).Equals(FVector(100.0 * Scale.X, 100.0 * Scale.Z, 100.0 * Scale.Y), Centimetres)) << Prop.dump();

	// The built pose: the recorded component-space positions of the last pose.
	ASSERT_EQ(State["targets"].size(), 1u);
	const FJson& Target = State["targets"][0];
	const FJson& Pose = Run.Recorded.at("pose Actor1");
	ASSERT_EQ(Target["bones"].size(), Pose["positions"].size());
	for (size_t Index = 0; Index < Pose["positions"].size(); ++Index)
	{
		EXPECT_EQ(Target["bones"][Index]["name"], Pose["bones"][Index]);
		EXPECT_TRUE(Vector(Target["bones"][Index]["p"]).Equals(Vector(Pose["positions"][Index]), Centimetres)) << Pose["bones"][Index];
	}

	// The level's actors where the world last placed them, the drawn cube with its size.
	ASSERT_EQ(State["actors"].size(), 2u);
	for (const FJson& Viewed : State["actors"])
	{
		const FJson& Placed = Run.Recorded.at("actor " + Viewed["label"].get<std::string>())["transform"];
		ExpectPose(Viewed, Vector(Placed["t"]), Quat(Placed["r"]), Viewed["label"]);
	}
	EXPECT_EQ(Named(State["actors"], "label", "Prop Follower")["follows"], "Box_1");
	const FJson& Cube = Named(State["actors"], "label", "PropVisualization_Cube")["shapes"];
	ASSERT_EQ(Cube.size(), 1u);
	EXPECT_EQ(Cube[0]["shape"], "box");
	EXPECT_TRUE(Vector(Cube[0]["size"]).Equals(Vector(Prop["size"]), Centimetres)) << "the cube is drawn at the prop's size";

	// The mapping panel: the rows and status texts of `remap show --json`.
	const FJson& Mapping = Target["mapping"];
	ASSERT_EQ(Mapping["rows"].size(), Run.RemapShow["rows"].size());
	int Mapped = 0;
	for (const FJson& Row : Mapping["rows"])
	{
		EXPECT_EQ(Row["target"], Run.RemapShow["rows"][Row["bone"].get<std::string>()]) << Row.dump();
		Mapped += Row["target"].is_null() ? 0 : 1;
	}
	EXPECT_EQ(Mapping["DuplicateStatusText"], Run.RemapShow["DuplicateStatusText"]);
	EXPECT_EQ(Mapping["MissingStatusText"], Run.RemapShow["MissingStatusText"]);
	EXPECT_EQ(Mapping["mapped"], Mapped);
	EXPECT_EQ(Mapping["asset"], Run.RemapShow["asset"]);
}
