// Saved connections and sources over a whole run of the real zevo-editor: what the panel confirms
// at start-up, before the one-time load of the project's file, and what the auto-connect makes a
// second later, in a temporary project.
#include "ProgramProcess.h"

namespace
{
const std::string Header = "[/Script/ZevoLiveLink.ZevoLiveLinkSettings]\n";

std::string ConnectionLine(const std::string& Address, int Port, bool bEnabled)
{
	return "+SavedConnections=(IPAddress=\"" + Address + "\",Port=" + std::to_string(Port) + ",bEnabled=" + (bEnabled ? "True" : "False") + ")\n";
}

int CountOf(const std::string& Text, const std::string& Part)
{
	int Count = 0;
	for (size_t At = Text.find(Part); At != std::string::npos; At = Text.find(Part, At + 1))
	{
		++Count;
	}
	return Count;
}

/** The last status table the run printed. */
std::string LastStatus(const std::string& Out)
{
	const size_t At = Out.rfind("--- zevo-editor status at");
	return At == std::string::npos ? std::string() : Out.substr(At);
}
}

TEST(ZevoEditorSavedConnections, AddSourceAtStartUpKeepsTheSavedConnectionsAndMakesOneSourceAnEndpoint)
{
	FTempProject Project;
	const int SavedPort = FreeUdpPort();
	const int AddedPort = FreeUdpPort();
	const std::string Added = "127.0.0.1:" + std::to_string(AddedPort);
	const std::string Saved = Header + "bAutoConnectOnStartup=True\nbRememberLastConnection=True\n" + ConnectionLine("127.0.0.1", SavedPort, true) +
		ConnectionLine("10.0.0.5", 9000, false);
	Project.WriteFile(IniPath, FString(Saved.c_str()));

	// Past the auto-connect, which then finds the panel's endpoint in the file; --source asks for it once more.
	std::string Out;
	std::string Err;
	ASSERT_EQ(RunEditor(Project, {"run", "--project", *Project.GetDir(), "--for", "2", "--add-source", Added, "--source", Added}, &Out, &Err), 0)
		<< Err;
	EXPECT_EQ(Project.ReadFile(IniPath).ToStdString(), Saved + ConnectionLine("127.0.0.1", AddedPort, true));
	EXPECT_EQ(CountOf(Err, "[Zevo LiveLink] Not creating a second source for " + Added + ": the source for " + Added +
							   " already listens on port " + std::to_string(AddedPort)),
		1)
		<< Err;
	EXPECT_EQ(CountOf(Err, "[Zevo LiveLink] Already connected: " + Added), 1) << Err;
	EXPECT_EQ(CountOf(Err, "[Zevo LiveLink] Auto-connected 2/2 sources"), 1) << Err;
	const std::string Status = LastStatus(Out);
	EXPECT_EQ(CountOf(Status, Added), 1) << Status;
	EXPECT_EQ(CountOf(Status, "127.0.0.1:" + std::to_string(SavedPort)), 1) << Status;
}

TEST(ZevoEditorSavedConnections, AddSourceAtStartUpLeavesAFileThatRemembersNothingAlone)
{
	FTempProject Project;
	const std::string Saved = Header + "bAutoConnectOnStartup=False\nbRememberLastConnection=False\n" + ConnectionLine("10.0.0.5", 9000, true);
	Project.WriteFile(IniPath, FString(Saved.c_str()));

	std::string Err;
	const std::string Added = "127.0.0.1:" + std::to_string(FreeUdpPort());
	ASSERT_EQ(RunEditor(Project, {"run", "--project", *Project.GetDir(), "--for", "0.5", "--add-source", Added}, nullptr, &Err), 0) << Err;
	EXPECT_EQ(Project.ReadFile(IniPath).ToStdString(), Saved);
	EXPECT_NE(Err.find("[Zevo LiveLink] Remember connections disabled, not saving"), std::string::npos) << Err;
}
