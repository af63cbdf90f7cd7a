// Runs the real zevo-editor in a temporary project.
#include "ProgramProcess.h"

#include <filesystem>
#include <lo/lo.h>
#include <nlohmann/json.hpp>

TEST(ZevoEditor, SettingsCommandsWorkTheProjectsIniFile)
{
	FTempProject Project;
	const std::string Dir = *Project.GetDir();
	ASSERT_EQ(RunEditor(Project, {"settings", "--project", Dir, "add", "10.0.0.5:9000"}), 0);
	ASSERT_EQ(RunEditor(Project, {"settings", "add", "127.0.0.1:7777", "--project", Dir}), 0);
	EXPECT_STREQ(*Project.ReadFile(IniPath), "[/Script/ZevoLiveLink.ZevoLiveLinkSettings]\n"
											 "bAutoConnectOnStartup=True\n"
											 "bRememberLastConnection=True\n"
											 "+SavedConnections=(IPAddress=\"10.0.0.5\",Port=9000,bEnabled=True)\n"
											 "+SavedConnections=(IPAddress=\"127.0.0.1\",Port=7777,bEnabled=True)\n");

	// A hand-edited file is what the next command starts from.
	Project.WriteFile(IniPath, "[/Script/ZevoLiveLink.ZevoLiveLinkSettings]\n"
							   "bAutoConnectOnStartup=False\n"
							   "+SavedConnections=(IPAddress=\"10.0.0.5\",Port=9000,bEnabled=False)\n"
							   "+SavedConnections=(IPAddress=\"127.0.0.1\",Port=7777,bEnabled=True)\n");
	std::string Out;
	ASSERT_EQ(RunEditor(Project, {"settings", "--project", Dir, "list"}, &Out), 0);
	EXPECT_NE(Out.find("Auto connect on startup: False"), std::string::npos) << Out;
	EXPECT_NE(Out.find("Remember connections:    True"), std::string::npos) << Out;
	EXPECT_NE(Out.find("Saved connections:       2"), std::string::npos) << Out;
	EXPECT_NE(Out.find("1  10.0.0.5:9000"), std::string::npos) << Out;
	EXPECT_NE(Out.find("disabled"), std::string::npos) << Out;
	EXPECT_NE(Out.find("2  127.0.0.1:7777"), std::string::npos) << Out;

	ASSERT_EQ(RunEditor(Project, {"settings", "--project", Dir, "remove", "10.0.0.5:9000"}), 0);
	EXPECT_STREQ(*Project.ReadFile(IniPath), "[/Script/ZevoLiveLink.ZevoLiveLinkSettings]\n"
											 "bAutoConnectOnStartup=False\n"
											 "bRememberLastConnection=True\n"
											 "+SavedConnections=(IPAddress=\"127.0.0.1\",Port=7777,bEnabled=True)\n");
	std::string Err;
	EXPECT_EQ(RunEditor(Project, {"settings", "--project", Dir, "remove", "10.0.0.5:9000"}, nullptr, &Err), 1);
	EXPECT_NE(Err.find("10.0.0.5:9000 is not a saved connection"), std::string::npos) << Err;

	ASSERT_EQ(RunEditor(Project, {"settings", "--project", Dir, "clear"}), 0);
	ASSERT_EQ(RunEditor(Project, {"settings", "--project", Dir, "list"}, &Out), 0);
	EXPECT_NE(Out.find("Saved connections:       0"), std::string::npos) << Out;
}

TEST(ZevoEditor, SettingsCommandsThatCouldNotSaveExitWithOne)
{
	FTempProject Project;
	const std::string Dir = *Project.GetDir();
	ASSERT_EQ(RunEditor(Project, {"settings", "--project", Dir, "add", "10.0.0.5:9000"}), 0);
	// A directory where the new file should go makes every save fail, also for root.
	const std::string Ini = Dir + IniPath;
	std::filesystem::rename(Ini, Dir + "kept.ini");
	std::filesystem::create_directory(Ini);
	std::filesystem::copy_file(Dir + "kept.ini", Ini + "/inside");
	const std::vector<std::vector<std::string>> Actions = {{"add", "10.0.0.6:9000"}, {"clear"}};
	for (const std::vector<std::string>& Action : Actions)
	{
		std::vector<std::string> Args{"settings", "--project", Dir};
		Args.insert(Args.end(), Action.begin(), Action.end());
		std::string Err;
		EXPECT_EQ(RunEditor(Project, Args, nullptr, &Err), 1) << Action[0];
		EXPECT_NE(Err.find("Failed to save config file"), std::string::npos) << Err;
	}
}

TEST(ZevoEditor, BadCommandLinesExitWithTwoAndSayWhy)
{
	FTempProject Project;
	const std::string Dir = *Project.GetDir();
	struct FCase
	{
		std::vector<std::string> Args;
		const char* Message;
	};
	const std::vector<FCase> Cases = {
		{{}, "a command is required: run, settings, remap, import or take"},
		{{"frobnicate"}, "unknown command or argument: frobnicate"},
		{{"settings", "--project", Dir, "add", "300.0.0.1:7777"}, "\"300.0.0.1:7777\" is not an IPv4 endpoint"},
		{{"settings", "--project", Dir, "add", "127.0.0.1"}, "\"127.0.0.1\" is not an IPv4 endpoint"},
		{{"settings", "--project", Dir, "remove", "127.0.0.1:0"}, "port must be 1 to 65535"},
		{{"settings", "--project", Dir, "add"}, "endpoint"},
		{{"settings", "--project", Dir}, "settings needs an action"},
		{{"settings", "list"}, "--project"},
		{{"settings", "--project", Dir + "missing", "list"}, "missing"},
		{{"run", "--project", Dir, "--source", "localhost:7777"}, "\"localhost:7777\" is not an IPv4 endpoint"},
		{{"run", "--project", Dir, "--for", "-1"}, "\"-1\" is not a number of seconds above 0"},
		{{"run", "--project", Dir, "--for", "soon"}, "\"soon\" is not a number of seconds above 0"},
		{{"run", "--project", Dir, "--record"}, "--record"},
		{{"take"}, "A subcommand is required"},
		{{"take", "info", Dir + "missing.jsonl"}, "missing.jsonl"},
		{{"take", "export", Dir + "take.jsonl", "--subject", "Actor1"}, "take export needs --bvh, or --remap with --gltf or --fbx"},
		{{"take", "export", Dir + "take.jsonl", "--subject", "Actor1", "--gltf", "a.glb"}, "--gltf requires --remap"},
		{{"take", "export", Dir + "take.jsonl", "--subject", "Actor1", "--bvh", "a.bvh", "--remap", "Hero_Remap"}, "excludes --remap"},
		{{"take", "export", Dir + "take.jsonl", "--subject", "Actor1", "--bvh", "a.bvh", "--rate", "0"}, "--rate"},
		{{"take", "trim", Dir + "take.jsonl", "--from", "2", "--to", "1", "-o", "cut.jsonl"}, "--to (1) comes before --from (2)"},
	};
	Project.WriteFile("take.jsonl", "");
	for (const FCase& Case : Cases)
	{
		std::string Joined;
		for (const std::string& Arg : Case.Args)
		{
			Joined += Arg + " ";
		}
		std::string Err;
		EXPECT_EQ(RunEditor(Project, Case.Args, nullptr, &Err), 2) << Joined;
		EXPECT_NE(Err.find(Case.Message), std::string::npos) << Joined << "\n" << Err;
	}
	EXPECT_FALSE(std::filesystem::exists(*(Project.GetDir() + IniPath))) << "nothing was saved";
}

TEST(ZevoEditor, TimedRunPrintsTheStatusTableAndKeepsSavedConnections)
{
	FTempProject Project;
	const std::string Dir = *Project.GetDir();
	const std::string Endpoint = "127.0.0.1:" + std::to_string(FreeUdpPort());
	ASSERT_EQ(RunEditor(Project, {"settings", "--project", Dir, "add", Endpoint}), 0);
	const FString SavedIni = Project.ReadFile(IniPath);

	std::string Out;
	std::string Err;
	ASSERT_EQ(RunEditor(Project, {"run", "--project", Dir, "--for", "1", "--source", Endpoint}, &Out, &Err), 0) << Err;
	EXPECT_NE(Out.find("--- zevo-editor status at"), std::string::npos) << Out;
	EXPECT_NE(Out.find("Zevo LiveLink"), std::string::npos) << Out;
	EXPECT_NE(Out.find(Endpoint), std::string::npos) << Out;
	EXPECT_NE(Out.find("Receiving"), std::string::npos) << Out;
	EXPECT_NE(Out.find("(no subjects)"), std::string::npos) << Out;
	EXPECT_NE(Err.find("Editor shutting down, keeping saved connection: " + Endpoint), std::string::npos) << Err;
	EXPECT_STREQ(*Project.ReadFile(IniPath), *SavedIni);
}

TEST(ZevoEditor, InterruptIsAnOrderlyEditorExit)
{
	FTempProject Project;
	for (const int Signal : {SIGINT, SIGTERM})
	{
		FEditorProcess Editor(Project, {"run", "--project", *Project.GetDir(), "--source", "127.0.0.1:" + std::to_string(FreeUdpPort())});
		ASSERT_TRUE(Editor.WaitForOutput("--- zevo-editor status at", 20.0)) << Editor.Err();
		Editor.Signal(Signal);
		EXPECT_EQ(Editor.Wait(20.0), 0) << Editor.Err();
		EXPECT_NE(Editor.Err().find("Editor shutting down, keeping saved connection"), std::string::npos) << Editor.Err();
	}
}

TEST(ZevoEditor, StreamedPropReachesTheStatusTableAndTheRecording)
{
	FTempProject Project;
	const int Port = FreeUdpPort();
	FEditorProcess Editor(Project, {"run", "--project", *Project.GetDir(), "--for", "3", "--source",
									   "127.0.0.1:" + std::to_string(Port), "--record", *(Project.GetDir() + "take.jsonl")});
	ASSERT_TRUE(Editor.WaitForOutput("Receiving", 20.0)) << Editor.Err();

	lo_address Target = lo_address_new("127.0.0.1", std::to_string(Port).c_str());
	for (int Frame = 0; Frame < 20; ++Frame)
	{
		lo_send(Target, "/ZEVO/Stream/Motion/Unreal/Props", "iisffffffffff", 3, 7, "Box", 1.0f, 2.0f, 3.0f, 0.0f, 0.0f, 0.0f, 1.0f,
			2.0f, 2.0f, 2.0f);
		std::this_thread::sleep_for(std::chrono::milliseconds(10));
	}
	lo_address_free(Target);
	ASSERT_EQ(Editor.Wait(30.0), 0) << Editor.Err();

	const std::string Out = Editor.Out();
	EXPECT_NE(Out.find("Box_7"), std::string::npos) << Out;
	EXPECT_NE(Out.find("LiveLinkTransformRole"), std::string::npos) << Out;
	const std::string Recording = Project.ReadFile("take.jsonl").ToStdString();
	EXPECT_NE(Recording.find(R"("event":"static","source":)"), std::string::npos) << Recording;
	EXPECT_NE(Recording.find(R"("subject":"Box_7","transforms":[{"r":[0,0,0,1],"t":[1,2,3],"s":[2,2,2]}],"properties":[3]})"),
		std::string::npos)
		<< Recording;
}

TEST(ZevoEditor, RunReconnectsTheSavedConnectionsASecondAfterStartUp)
{
	FTempProject Project;
	const std::string Dir = *Project.GetDir();
	const std::string Endpoint = "127.0.0.1:" + std::to_string(FreeUdpPort());
	ASSERT_EQ(RunEditor(Project, {"settings", "--project", Dir, "add", Endpoint}), 0);

	std::string Out;
	std::string Err;
	ASSERT_EQ(RunEditor(Project, {"run", "--project", Dir, "--for", "2"}, &Out, &Err), 0) << Err;
	EXPECT_NE(Err.find("[Zevo LiveLink] Auto-connected: " + Endpoint), std::string::npos) << Err;
	EXPECT_NE(Err.find("[Zevo LiveLink] Auto-connected 1/1 sources"), std::string::npos) << Err;
	EXPECT_NE(Out.find(Endpoint), std::string::npos) << Out;
}

TEST(ZevoEditor, AddSourceConfirmsTheCreationPanelAndSavesTheEndpoint)
{
	FTempProject Project;
	const int Port = FreeUdpPort();
	const std::string Endpoint = "127.0.0.1:" + std::to_string(Port);

	// Shorter than the auto-connect delay: the only source is the panel's.
	std::string Out;
	std::string Err;
	ASSERT_EQ(RunEditor(Project, {"run", "--project", *Project.GetDir(), "--for", "0.5", "--add-source", Endpoint}, &Out, &Err), 0) << Err;
	EXPECT_NE(Out.find(Endpoint), std::string::npos) << Out;
	const std::string Ini = Project.ReadFile(IniPath).ToStdString();
	EXPECT_NE(Ini.find("(IPAddress=\"127.0.0.1\",Port=" + std::to_string(Port) + ",bEnabled=True)"), std::string::npos) << Ini;
	EXPECT_EQ(Err.find("[Zevo LiveLink] Auto-connected"), std::string::npos) << Err;
}

TEST(ZevoEditor, ManySavedSourcesAllStopAtCtrlCAndStaySaved)
{
	FTempProject Project;
	constexpr int32 Count = 120;
	std::string Ini = "[/Script/ZevoLiveLink.ZevoLiveLinkSettings]\nbAutoConnectOnStartup=True\nbRememberLastConnection=True\n";
	// Distinct: one port gets one source.
	for (const int Port : DistinctFreeUdpPorts(Count))
	{
		Ini += "+SavedConnections=(IPAddress=\"127.0.0.1\",Port=" + std::to_string(Port) + ",bEnabled=True)\n";
	}
	Project.WriteFile(IniPath, FString(Ini.c_str()));

	FEditorProcess Editor(Project, {"run", "--project", *Project.GetDir()});
	// The table lists 40 sources and counts the rest once the auto-connect has made them all.
	ASSERT_TRUE(Editor.WaitForOutput("... and " + std::to_string(Count - 40) + " more sources\n", 60.0)) << Editor.Out() << Editor.Err();
	Editor.Signal(SIGINT);
	ASSERT_EQ(Editor.Wait(60.0), 0) << Editor.Err();
	const std::string Err = Editor.Err();
	int32 Kept = 0;
	int32 Stopped = 0;
	for (size_t At = 0; (At = Err.find("Editor shutting down, keeping saved connection", At)) != std::string::npos; ++At)
	{
		++Kept;
	}
	for (size_t At = 0; (At = Err.find("UDP Receiver thread stopped", At)) != std::string::npos; ++At)
	{
		++Stopped;
	}
	EXPECT_EQ(Kept, Count);
	EXPECT_EQ(Stopped, Count);
	EXPECT_EQ(Project.ReadFile(IniPath).ToStdString(), Ini);
}

TEST(ZevoEditor, StatusTableShowsFortyRowsASectionAndTextFromTheLevelEscaped)
{
	FTempProject Project;
	// A level of 45 actors; one label would retitle the terminal, another start a forged line.
	nlohmann::json Actors = nlohmann::json::array();
	for (int32 Index = 0; Index < 45; ++Index)
	{
		const std::string Label = Index == 0 ? "\x1b]0;owned\x07" : Index == 1 ? "Two\nLogTemp: Error: forged" : "Actor" + std::to_string(Index);
		Actors.push_back({{"Class", "Actor"}, {"Name", "A" + std::to_string(Index)}, {"Label", Label}, {"RootComponent", "Root"},
			{"Components", {{{"Name", "Root"}, {"Class", "SceneComponent"}, {"Properties", nlohmann::json::object()}}}}});
	}
	Project.WriteFile("Content/Maps/Main.json", FString(nlohmann::json({{"Class", "Level"}, {"Actors", Actors}}).dump().c_str()));

	std::string Out;
	std::string Err;
	ASSERT_EQ(RunEditor(Project, {"run", "--project", *Project.GetDir(), "--for", "1"}, &Out, &Err), 0) << Err;
	const std::string LastTable = Out.substr(Out.rfind("--- zevo-editor status at"));
	EXPECT_NE(LastTable.find("\\x1B]0;owned\\x07"), std::string::npos) << LastTable;
	EXPECT_NE(LastTable.find("Two\\x0ALogTemp: Error: forged"), std::string::npos) << LastTable;
	EXPECT_EQ(Out.find('\x1b'), std::string::npos);
	EXPECT_NE(LastTable.find("Actor39 "), std::string::npos) << LastTable;
	EXPECT_EQ(LastTable.find("Actor40 "), std::string::npos) << LastTable;
	EXPECT_NE(LastTable.find("\n... and 5 more actors\n"), std::string::npos) << LastTable;
}
