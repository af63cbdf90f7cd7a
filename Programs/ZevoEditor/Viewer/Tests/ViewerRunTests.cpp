// zevo-editor run --view as a user and a hostile network see it: the command line, an address in
// use, and clients that misbehave while the editor streams.
#include "CoreMinimal.h"
#include "ProgramProcess.h"
#include "ViewerTestClient.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>

namespace
{
int ViewerPort(const std::string& Out)
{
	std::smatch Match;
	return std::regex_search(Out, Match, std::regex("Viewer: open http://[0-9.]+:([0-9]+)/")) ? std::stoi(Match[1]) : 0;
}

/** A TCP port of 127.0.0.1 held by a listening socket until the holder goes away. */
struct FHeldPort
{
	FHeldPort()
	{
		Socket = socket(AF_INET, SOCK_STREAM, 0);
		sockaddr_in Address = {};
		Address.sin_family = AF_INET;
		Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
		bind(Socket, reinterpret_cast<sockaddr*>(&Address), sizeof(Address));
		listen(Socket, 1);
		socklen_t Length = sizeof(Address);
		getsockname(Socket, reinterpret_cast<sockaddr*>(&Address), &Length);
		Port = ntohs(Address.sin_port);
	}
	~FHeldPort() { close(Socket); }
	int Socket = -1;
	int Port = 0;
};

long ResidentKilobytes(pid_t Pid)
{
	std::ifstream Status("/proc/" + std::to_string(Pid) + "/status");
	for (std::string Line; std::getline(Status, Line);)
	{
		if (Line.rfind("VmRSS:", 0) == 0)
		{
			return std::stol(Line.substr(6));
		}
	}
	return -1;
}

/** A page that asks for the feed and then never reads a byte. */
int OpenFeedThatNeverReads(int Port)
{
	const int Socket = ConnectToPort(Port);
	const int Small = 4096;
	setsockopt(Socket, SOL_SOCKET, SO_RCVBUF, &Small, sizeof(Small));
	const std::string Upgrade = "GET /api/feed HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
								"Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n";
	send(Socket, Upgrade.data(), Upgrade.size(), MSG_NOSIGNAL);
	return Socket;
}

nlohmann::json State(int Port)
{
	return nlohmann::json::parse(HttpGet(Port, "/api/state").Body);
}
}

TEST(ViewerRun, CommandLineAndAddressProblemsEndTheRunAtStartUp)
{
	FTempProject Project;
	const FHeldPort Held;
	const std::string Dir = *Project.GetDir();
	struct FCase
	{
		std::string View;
		int ExitCode;
		const char* Err;
		const char* Out;
	};
	const FCase Cases[] = {
		{std::to_string(Held.Port), 2, "in use", nullptr},
		{"127.0.0.1:" + std::to_string(Held.Port), 2, "in use", nullptr},
		{"70000", 2, "is not [ADDRESS:]PORT", nullptr},
		{"localhost:8080", 2, "is not [ADDRESS:]PORT", nullptr},
		{"", 2, "is not [ADDRESS:]PORT", nullptr},
		{"0", 0, nullptr, "Viewer: open http://127.0.0.1:"},
		{"0.0.0.0:0", 0, "Warning: Viewer: listening on 0.0.0.0:", "Viewer: open http://0.0.0.0:"},
	};
	for (const FCase& Case : Cases)
	{
		std::string Out;
		std::string Err;
		EXPECT_EQ(RunEditor(Project, {"run", "--project", Dir, "--for", "0.5", "--view", Case.View}, &Out, &Err), Case.ExitCode) << Case.View << "\n" << Err;
		EXPECT_TRUE(!Case.Err || Err.find(Case.Err) != std::string::npos) << Case.View << "\n" << Err;
		EXPECT_TRUE(!Case.Out || Out.find(Case.Out) != std::string::npos) << Case.View << "\n" << Out;
	}
	std::string Out;
	EXPECT_EQ(RunEditor(Project, {"run", "--project", Dir, "--for", "0.5"}, &Out), 0);
	EXPECT_EQ(Out.find("Viewer"), std::string::npos) << "no viewer unless asked for";
}

TEST(ViewerRun, MisbehavingClientsLeaveTheEditorRunningAtItsFrameRateInBoundedMemory)
{
	FTempProject Project;
	const std::string Dir = *Project.GetDir();
	const std::string Endpoint = "127.0.0.1:" + std::to_string(FreeUdpPort());
	FEditorProcess Editor(Project, {"run", "--project", Dir, "--source", Endpoint, "--view", "0"});
	ASSERT_TRUE(Editor.WaitForOutput("Receiving", 20.0)) << Editor.Err();
	const int Port = ViewerPort(Editor.Out());
	ASSERT_NE(Port, 0);
	FStreamProcess Stream(Project, {"--to", Endpoint, "--actors", "2", "--props", "1", "--rate", "60", "--for", "30"});
	FFeedReader Page(Port);
	std::this_thread::sleep_for(std::chrono::seconds(2));
	const long MemoryBefore = ResidentKilobytes(Editor.GetPid());
	const nlohmann::json Before = State(Port);

	std::vector<int> NeverReading;
	for (int Index = 0; Index < 8; ++Index)
	{
		NeverReading.push_back(OpenFeedThatNeverReads(Port));
	}
	for (int Index = 0; Index < 1000; ++Index)
	{
		const int Socket = ConnectToPort(Port);
		if (Index % 3 == 0)
		{
			send(Socket, "GET /api/st", 11, MSG_NOSIGNAL);
		}
		close(Socket);
	}
	for (int Index = 0; Index < 50; ++Index)
	{
		EXPECT_EQ(SendRaw(Port, "GET /x HTTP/1.1\r\nX: " + std::string(1 << 16, 'x') + "\r\n\r\n").Status, 431);
		EXPECT_EQ(HttpGet(Port, "/nowhere/" + std::to_string(Index)).Status, 404);
	}
	// The page that reads goes on receiving while the others stall.
	for (int Index = 0; Index < 60; ++Index)
	{
		ASSERT_FALSE(Page.Read().empty());
	}
	std::this_thread::sleep_for(std::chrono::seconds(2));
	const nlohmann::json After = State(Port);
	const long MemoryAfter = ResidentKilobytes(Editor.GetPid());

	EXPECT_FALSE(Editor.Poll().has_value()) << Editor.Err();
	const double Ticks = After["frame"].get<double>() - Before["frame"].get<double>();
	const double Seconds = After["time"].get<double>() - Before["time"].get<double>();
	EXPECT_NEAR(Ticks / Seconds, 60.0, 5.0) << "engine frames per second";
	for (const nlohmann::json& Subject : After["subjects"])
	{
		EXPECT_NEAR(Subject["fps"].get<double>(), 60.0, 6.0) << Subject["name"];
	}
	EXPECT_LT(MemoryAfter - MemoryBefore, 32 * 1024) << MemoryBefore << " kB before, " << MemoryAfter << " kB after";
	for (const int Socket : NeverReading)
	{
		close(Socket);
	}
	Editor.Signal(SIGINT);
	EXPECT_EQ(Editor.Wait(20.0), 0) << Editor.Err();
}
