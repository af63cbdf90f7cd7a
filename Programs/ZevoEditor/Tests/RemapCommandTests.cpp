// The real zevo-editor importing skeletons and editing remap assets in a temporary project, one
// process per command, as a user at a terminal would.
#include "ProgramProcess.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>

namespace
{
const std::string RigsDir = std::string(ZEVO_TEST_RIGS_DIR) + "/";

bool Contains(const std::string& Text, const std::string& Part)
{
	return Text.find(Part) != std::string::npos;
}

/** The rows a careful rigger maps for a test rig: stream identifier to target bone or null. */
nlohmann::json RiggerMapping(const char* Rig)
{
	return nlohmann::json::parse(std::ifstream(RigsDir + Rig + ".mapping.json"))["mapping"];
}

/** zevo-editor remap ACTION --project DIR ARGS... */
class FRemap
{
public:
	explicit FRemap(const FTempProject& InProject) : Project(InProject) {}

	int operator()(const std::string& Action, std::vector<std::string> Args, std::string* Out = nullptr, std::string* Err = nullptr) const
	{
		Args.insert(Args.begin(), {"remap", Action, "--project", *Project.GetDir()});
		return RunEditor(Project, Args, Out, Err);
	}

	/** `remap show --json`, parsed. */
	nlohmann::json ShowJson(const std::string& Asset) const
	{
		std::string Out;
		EXPECT_EQ((*this)("show", {Asset, "--json"}, &Out), 0);
		return nlohmann::json::parse(Out, nullptr, false);
	}

	/** The asset's file, which every command that saved it must have left whole. */
	std::string SavedFile(const std::string& RelativePath) const
	{
		const std::string Text = Project.ReadFile(FString(RelativePath)).ToStdString();
		EXPECT_FALSE(nlohmann::json::parse(Text, nullptr, false).is_discarded()) << RelativePath << " is not whole:\n" << Text;
		return Text;
	}

private:
	const FTempProject& Project;
};

/** Every file under the project's Content folder: each one an asset, whole, and no temporary file left over. */
std::vector<std::string> ContentFiles(const FTempProject& Project)
{
	std::vector<std::string> Files;
	const std::filesystem::path Content = std::string(*Project.GetDir()) + "Content";
	for (const auto& Entry : std::filesystem::recursive_directory_iterator(Content))
	{
		if (Entry.is_regular_file())
		{
			Files.push_back(std::filesystem::relative(Entry.path(), Content).string());
			EXPECT_FALSE(nlohmann::json::parse(std::ifstream(Entry.path()), nullptr, false).is_discarded()) << Entry.path();
		}
	}
	std::sort(Files.begin(), Files.end());
	return Files;
}
}

TEST(RemapCommands, ImportMakesASkeletonAssetAndUnreadableFilesMakeNone)
{
	FTempProject Project;
	const std::string Dir = *Project.GetDir();
	std::string Out;
	std::string Err;
	ASSERT_EQ(RunEditor(Project, {"import", "--project", Dir, RigsDir + "Mannequin.glb", "--name", "Characters/Manny"}, &Out, &Err), 0) << Err;
	EXPECT_TRUE(Contains(Out, "as /Game/Characters/Manny.Manny (")) << Out;
	const nlohmann::json Skeleton = nlohmann::json::parse(*Project.ReadFile("Content/Characters/Manny.json"));
	EXPECT_EQ(Skeleton["Class"], "Skeleton");
	std::set<std::string> Bones;
	for (const nlohmann::json& Bone : Skeleton["Properties"]["RefBoneInfo"])
	{
		Bones.insert(Bone["Name"].get<std::string>());
	}
	const nlohmann::json Expected = RiggerMapping("Mannequin");
	for (const auto& [Stream, Target] : Expected.items())
	{
		EXPECT_TRUE(Target.is_null() || Bones.contains(Target.get<std::string>())) << Stream << " -> " << Target;
	}

	// Remap assets refer to the skeleton by its name: a second import onto it replaces it only when forced.
	const std::string Manny = Project.ReadFile("Content/Characters/Manny.json").ToStdString();
	EXPECT_EQ(RunEditor(Project, {"import", "--project", Dir, RigsDir + "Mixamo.fbx", "--name", "Characters/Manny"}, &Out, &Err), 1);
	EXPECT_TRUE(Contains(Err, "zevo-editor: /Game/Characters/Manny already exists (--force replaces it)")) << Err;
	EXPECT_TRUE(Out.empty()) << Out;
	EXPECT_EQ(Project.ReadFile("Content/Characters/Manny.json").ToStdString(), Manny);
	ASSERT_EQ(RunEditor(Project, {"import", "--project", Dir, RigsDir + "Mixamo.fbx", "--name", "Characters/Manny", "--force"}, &Out, &Err), 0)
		<< Err;
	EXPECT_TRUE(Contains(Project.ReadFile("Content/Characters/Manny.json").ToStdString(), "mixamorig:Hips")) << "replaced";

	struct FCase
	{
		const char* File;
		const char* Bytes;
		const char* Reason;
	};
	const FCase Cases[] = {
		{"Empty.fbx", "", "the file is empty"},
		{"Corrupt.glb", "glTF\x02 and then no model at all", "the file could not be read"},
		{"Cut.bvh", "HIERARCHY\nROOT Hips\n{\n", "the file could not be read"},
		{"Lamp.gltf", R"({"asset":{"version":"2.0"},"scene":0,"scenes":[{"nodes":[0]}],"nodes":[{"name":"Lamp"}]})", "the file holds no skeleton"},
	};
	for (const FCase& Case : Cases)
	{
		Project.WriteFile(Case.File, Case.Bytes);
		EXPECT_EQ(RunEditor(Project, {"import", "--project", Dir, Dir + Case.File}, &Out, &Err), 1) << Case.File;
		EXPECT_TRUE(Contains(Err, "Cannot import skeleton from '" + Dir + Case.File + "': " + Case.Reason)) << Err;
		EXPECT_TRUE(Out.empty()) << Out;
	}
	EXPECT_EQ(ContentFiles(Project), std::vector<std::string>{"Characters/Manny.json"});
}

TEST(RemapCommands, EditsGoThroughThePropertyEditorAndUndoStepByStep)
{
	FTempProject Project;
	const FRemap Remap(Project);
	ASSERT_EQ(RunEditor(Project, {"import", "--project", *Project.GetDir(), RigsDir + "Mixamo.fbx"}), 0);
	const char* const File = "Content/Hero/Remap.json";
	std::vector<std::string> Saved;  // the file after each edit

	std::string Out;
	ASSERT_EQ(Remap("create", {"Hero/Remap"}, &Out), 0);
	EXPECT_TRUE(Contains(Out, "/Game/Hero/Remap.Remap\nLive Link\n  Target Skeleton ")) << Out;
	EXPECT_TRUE(Contains(Out, "[------------------------------] Mapped: 0 / 52 (0%)")) << Out;
	EXPECT_TRUE(Contains(Out, "  Legs (LegBones) ")) << Out;
	EXPECT_TRUE(Contains(Out, "    [2] Foot L [!] ")) << Out;
	EXPECT_TRUE(Contains(Out, "\n[!]  This bone is not mapped to any target bone\n")) << Out;
	Saved.push_back(Remap.SavedFile(File));

	ASSERT_EQ(Remap("set", {"Hero/Remap", "GroundOffset", "150"}, &Out), 0);
	EXPECT_EQ(Out, "GroundOffset = 100.0\n");
	Saved.push_back(Remap.SavedFile(File));
	EXPECT_EQ(nlohmann::json::parse(Saved.back())["Properties"]["GroundOffset"], 100.0);

	// Assigning the target skeleton maps the rows, as in the editor.
	ASSERT_EQ(Remap("set", {"Hero/Remap", "TargetSkeleton", "/Game/Mixamo"}, &Out), 0);
	EXPECT_EQ(Out, "TargetSkeleton = /Game/Mixamo.Mixamo\n");
	Saved.push_back(Remap.SavedFile(File));
	nlohmann::json Shown = Remap.ShowJson("Hero/Remap");
	EXPECT_EQ(Shown["asset"], "/Game/Hero/Remap.Remap");
	EXPECT_EQ(Shown["rows"], RiggerMapping("Mixamo"));
	EXPECT_EQ(Shown["DuplicateStatusText"], "OK");
	EXPECT_EQ(Shown["MissingStatusText"], "OK");

	// A row's target edited onto another row's makes a duplicate; an emptied row an unmapped one.
	ASSERT_EQ(Remap("set", {"Hero/Remap", "ArmBones[4].TargetBone", "mixamorig:LeftShoulder"}), 0);
	Saved.push_back(Remap.SavedFile(File));
	ASSERT_EQ(Remap("set", {"Hero/Remap", "FingerBones[3].TargetBone", "None"}), 0);
	Saved.push_back(Remap.SavedFile(File));
	Shown = Remap.ShowJson("Hero/Remap");
	ASSERT_EQ(Shown["rows"].size(), 52u);
	EXPECT_EQ(Shown["rows"]["RightCollar"], "mixamorig:LeftShoulder");
	EXPECT_TRUE(Shown["rows"]["LeftFinger1"].is_null());
	EXPECT_EQ(Shown["DuplicateStatusText"], "1 duplicate(s) [Arm]");
	EXPECT_EQ(Shown["MissingStatusText"], "1 unmapped [Finger:1]");

	ASSERT_EQ(Remap("show", {"/Game/Hero/Remap.Remap"}, &Out), 0);
	EXPECT_TRUE(Contains(Out, "  Ground Offset (cm) ")) << Out;
	EXPECT_TRUE(Contains(Out, " 1 duplicate(s) [Arm]\n")) << Out;
	EXPECT_TRUE(Contains(Out, "[#############################-] Mapped: 51 / 52 (98%)")) << Out;
	EXPECT_TRUE(Contains(Out, "    [0] Clavicle L [DUPLICATE] ")) << Out;
	EXPECT_TRUE(Contains(Out, "    [4] Clavicle R [DUPLICATE] ")) << Out;
	EXPECT_TRUE(Contains(Out, "    [3] Index 01 L [!] ")) << Out;
	EXPECT_TRUE(Contains(Out, "\n[DUPLICATE]  Duplicate! This target bone is mapped from: LeftCollar, RightCollar\n"
							  "[!]          This bone is not mapped to any target bone\n"))
		<< Out;
	EXPECT_EQ(Remap.SavedFile(File), Saved.back()) << "show changes nothing";

	// Each undo gives back the file as the edit before left it, one edit at a time.
	const char* const Titles[] = {"Edit Target (Unreal)", "Edit Target (Unreal)", "Edit Target Skeleton", "Edit Ground Offset (cm)"};
	for (size_t Step = 0; Step + 1 < Saved.size(); ++Step)
	{
		ASSERT_EQ(Remap("undo", {"Hero/Remap"}, &Out), 0) << Step;
		EXPECT_EQ(Out, std::string("Undid: ") + Titles[Step] + "\n");
		EXPECT_EQ(Remap.SavedFile(File), Saved[Saved.size() - 2 - Step]) << Step;
	}
	std::string Err;
	EXPECT_EQ(Remap("undo", {"Hero/Remap"}, &Out, &Err), 1);
	EXPECT_TRUE(Contains(Err, "nothing to undo for /Game/Hero/Remap.Remap")) << Err;
	EXPECT_EQ(Remap.SavedFile(File), Saved.front());
}

TEST(RemapCommands, AutomapAndClearKeepEachAssetsUndoApart)
{
	FTempProject Project;
	const FRemap Remap(Project);
	ASSERT_EQ(RunEditor(Project, {"import", "--project", *Project.GetDir(), RigsDir + "Mannequin.glb"}), 0);

	std::string Out;
	ASSERT_EQ(Remap("create", {"Manny", "--skeleton", "Mannequin"}, &Out), 0);
	EXPECT_TRUE(Contains(Out, "[##############################] Mapped: 52 / 52 (100%)")) << Out;
	EXPECT_FALSE(Contains(Out, "[!]")) << Out;
	EXPECT_EQ(Remap.ShowJson("Manny")["rows"], RiggerMapping("Mannequin"));
	const std::string Created = Remap.SavedFile("Content/Manny.json");

	ASSERT_EQ(Remap("clear", {"Manny"}), 0);
	const std::string Cleared = Remap.SavedFile("Content/Manny.json");
	nlohmann::json Shown = Remap.ShowJson("Manny");
	for (const auto& [Stream, Target] : Shown["rows"].items())
	{
		EXPECT_TRUE(Target.is_null()) << Stream;
	}
	EXPECT_EQ(Shown["DuplicateStatusText"], "OK");
	EXPECT_EQ(Shown["MissingStatusText"], "52 unmapped");

	ASSERT_EQ(Remap("automap", {"Manny"}, &Out), 0);
	EXPECT_TRUE(Contains(Out, "/Game/Manny.Manny\n")) << Out;
	EXPECT_TRUE(Contains(Out, "Mapped: 52 / 52 (100%)")) << Out;
	EXPECT_EQ(Remap.ShowJson("Manny")["rows"], RiggerMapping("Mannequin"));

	// The newest edit of the project is another asset's: undoing this one takes back its own.
	ASSERT_EQ(Remap("create", {"Other", "--skeleton", "/Game/Mannequin.Mannequin"}), 0);
	const std::string Other = Remap.SavedFile("Content/Other.json");
	ASSERT_EQ(Remap("undo", {"Manny"}, &Out), 0);
	EXPECT_EQ(Out, "Undid: Map bones automatically\n");
	EXPECT_EQ(Remap.SavedFile("Content/Manny.json"), Cleared);
	ASSERT_EQ(Remap("undo", {"Manny"}, &Out), 0);
	EXPECT_EQ(Out, "Undid: Clear bone mapping\n");
	EXPECT_EQ(Remap.SavedFile("Content/Manny.json"), Created);
	EXPECT_EQ(Remap.SavedFile("Content/Other.json"), Other);
	ASSERT_EQ(Remap("undo", {"Other"}), 0);
	EXPECT_TRUE(Remap.ShowJson("Other")["rows"]["Hips"].is_null());

	// On a terminal the panel keeps its colours: the green status, the red titles of unmapped rows.
	setenv("CLICOLOR_FORCE", "1", 1);
	const int ShowResult = Remap("show", {"Other"}, &Out);
	unsetenv("CLICOLOR_FORCE");
	ASSERT_EQ(ShowResult, 0);
	EXPECT_TRUE(Contains(Out, "\x1b[1mBone Mapping Status\x1b[22m\n")) << Out;
	EXPECT_TRUE(Contains(Out, "[0] \x1b[38;2;255;77;77mPelvis\x1b[39m \x1b[38;2;255;128;0m[!]\x1b[39m ")) << Out;
	EXPECT_EQ(ContentFiles(Project), (std::vector<std::string>{"Mannequin.json", "Manny.json", "Other.json"}));
}

TEST(RemapCommands, CommandsThatCannotWorkSayWhyAndChangeNothing)
{
	FTempProject Project;
	const FRemap Remap(Project);
	ASSERT_EQ(RunEditor(Project, {"import", "--project", *Project.GetDir(), RigsDir + "Mixamo.fbx"}), 0);
	ASSERT_EQ(Remap("create", {"Hero"}), 0);
	const std::string Hero = Remap.SavedFile("Content/Hero.json");

	struct FCase
	{
		std::string Action;
		std::vector<std::string> Args;
		int ExitCode;
		const char* Message;
	};
	const FCase Cases[] = {
		{"create", {"Hero"}, 1, "/Game/Hero already exists"},
		{"create", {"Villain", "--skeleton", "Missing"}, 1, "no skeleton asset at /Game/Missing.Missing"},
		{"create", {"Bad Name"}, 2, "'Bad Name' is not an asset path"},
		{"show", {"Nobody"}, 1, "no remap asset at /Game/Nobody.Nobody"},
		{"show", {"Mixamo"}, 1, "no remap asset at /Game/Mixamo.Mixamo"},
		{"set", {"Hero", "Nothing", "1"}, 2, "Nothing"},
		{"set", {"Hero", "TPoseReferenceSkeleton", "None"}, 2, "TPoseReferenceSkeleton is not shown in the details panel"},
		{"set", {"Hero", "DuplicateStatusText", "OK"}, 1, "DuplicateStatusText cannot be set to 'OK'"},
		{"set", {"Hero", "GroundOffset", "soon"}, 1, "GroundOffset cannot be set to 'soon'"},
		{"set", {"Hero", "LegBones[8].TargetBone", "foot_l"}, 1, "LegBones[8].TargetBone cannot be set"},
		{"automap", {"Hero"}, 1, "/Game/Hero.Hero has no target skeleton to map onto"},
		{"undo", {"Hero"}, 1, "nothing to undo"},
	};
	for (const FCase& Case : Cases)
	{
		std::string Err;
		EXPECT_EQ(Remap(Case.Action, Case.Args, nullptr, &Err), Case.ExitCode) << Case.Action << " " << Case.Args[0];
		EXPECT_TRUE(Contains(Err, Case.Message)) << Case.Action << " " << Case.Args[0] << "\n" << Err;
	}
	EXPECT_EQ(Remap.SavedFile("Content/Hero.json"), Hero);
	EXPECT_EQ(ContentFiles(Project), (std::vector<std::string>{"Hero.json", "Mixamo.json"}));
}

namespace
{
double GroundOffsetOf(const FRemap& Remap, const char* File)
{
	const nlohmann::json Asset = nlohmann::json::parse(Remap.SavedFile(File), nullptr, false);
	return Asset.is_discarded() ? -1.0 : Asset["Properties"]["GroundOffset"].get<double>();
}

/** Files a save left half-done: its temporary file beside the file it was replacing. */
std::vector<std::string> TemporaryFiles(const FTempProject& Project)
{
	std::vector<std::string> Found;
	for (const auto& Entry : std::filesystem::recursive_directory_iterator(std::string(*Project.GetDir())))
	{
		if (Contains(Entry.path().filename().string(), ".tmp"))
		{
			Found.push_back(Entry.path().string());
		}
	}
	return Found;
}
}

TEST(RemapCommands, AnEditKilledAtAnyMomentLeavesUndoInStepWithTheAsset)
{
	FTempProject Project;
	const FRemap Remap(Project);
	const char* const File = "Content/Hero.json";
	ASSERT_EQ(Remap("create", {"Hero"}), 0);
	// The values the asset has held since it was made, as undo should walk back through them.
	std::vector<double> Values{GroundOffsetOf(Remap, File)};
	int32 NextValue = 1;
	const auto SetNext = [&] {
		const double Value = NextValue++ % 90 + 1;
		EXPECT_EQ(Remap("set", {"Hero", "GroundOffset", std::to_string(Value)}), 0);
		Values.push_back(Value);
	};

	// How long a whole edit takes here, so that the kills fall all over one.
	const auto Started = FClock::now();
	SetNext();
	const double EditSeconds = std::chrono::duration<double>(FClock::now() - Started).count();

	constexpr int32 Tries = 30;
	for (int32 Try = 0; Try < Tries; ++Try)
	{
		while (Values.size() < 2)
		{
			SetNext();
		}
		const double Value = NextValue++ % 90 + 1;
		{
			FEditorProcess Killed(Project, {"remap", "set", "Hero", "GroundOffset", std::to_string(Value), "--project", *Project.GetDir()});
			std::this_thread::sleep_for(std::chrono::duration<double>(EditSeconds * 1.2 * Try / Tries));
			Killed.Signal(SIGKILL);
			Killed.Wait(30.0);
		}
		const double Now = GroundOffsetOf(Remap, File);
		if (Now == Value)
		{
			Values.push_back(Value);
		}
		ASSERT_EQ(Now, Values.back()) << "try " << Try << ": the asset holds a value it never was set to";

		std::string Err;
		ASSERT_EQ(Remap("undo", {"Hero"}, nullptr, &Err), 0) << "try " << Try << "\n" << Err;
		Values.pop_back();
		ASSERT_EQ(GroundOffsetOf(Remap, File), Values.back()) << "try " << Try << ": undo did not give the value before";
	}
	EXPECT_EQ(TemporaryFiles(Project), std::vector<std::string>()) << "each start removes what killed saves left";
}

TEST(RemapCommands, AnAssetThatLoadedWithErrorsIsNotSavedOverUnlessForced)
{
	FTempProject Project;
	const FRemap Remap(Project);
	ASSERT_EQ(RunEditor(Project, {"import", "--project", *Project.GetDir(), RigsDir + "Mixamo.fbx"}), 0);
	ASSERT_EQ(Remap("create", {"Hero", "--skeleton", "Mixamo"}), 0);
	const std::string Hero = Remap.SavedFile("Content/Hero.json");

	// The skeleton's file is away for a moment (a sync, a checkout): the asset loads without it.
	std::filesystem::rename(std::string(*Project.GetDir()) + "Content/Mixamo.json", std::string(*Project.GetDir()) + "Mixamo.away");
	std::string Err;
	for (const std::string Action : {"set", "automap", "clear", "undo"})
	{
		std::vector<std::string> Args{"Hero"};
		if (Action == "set")
		{
			Args.insert(Args.end(), {"GroundOffset", "2"});
		}
		EXPECT_EQ(Remap(Action, Args, nullptr, &Err), 1) << Action;
		EXPECT_TRUE(Contains(Err, "/Game/Hero.Hero did not load cleanly")) << Action << "\n" << Err;
		EXPECT_EQ(Remap.SavedFile("Content/Hero.json"), Hero) << Action;
	}
	EXPECT_EQ(Remap("show", {"Hero"}), 0) << "looking changes nothing, so it is allowed";

	ASSERT_EQ(Remap("set", {"Hero", "GroundOffset", "2", "--force"}, nullptr, &Err), 0) << Err;
	EXPECT_TRUE(nlohmann::json::parse(Remap.SavedFile("Content/Hero.json"))["Properties"]["TargetSkeleton"].is_null());
}
