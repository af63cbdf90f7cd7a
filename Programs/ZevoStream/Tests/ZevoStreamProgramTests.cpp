// Runs the real zevo-stream against a UDP socket on loopback and counts what arrives.
#include "LibloDecodedMessage.h"
#include "ChildProcess.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <map>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace
{
	using FClock = std::chrono::steady_clock;

	/** A UDP socket on 127.0.0.1 with a port of the system's choosing. */
	class FLoopbackReceiver
	{
	public:
		FLoopbackReceiver()
		{
			Socket = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
			// Room for a whole short run, should this test thread be kept waiting on a busy machine.
			const int BufferSize = 1 << 20;
			::setsockopt(Socket, SOL_SOCKET, SO_RCVBUF, &BufferSize, sizeof(BufferSize));
			sockaddr_in Address{};
			Address.sin_family = AF_INET;
			Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
			::bind(Socket, reinterpret_cast<sockaddr*>(&Address), sizeof(Address));
			socklen_t Length = sizeof(Address);
			::getsockname(Socket, reinterpret_cast<sockaddr*>(&Address), &Length);
			Port = ntohs(Address.sin_port);
		}
		~FLoopbackReceiver() { ::close(Socket); }

		std::string Endpoint() const { return "127.0.0.1:" + std::to_string(Port); }

		/** Receives every datagram that arrives within TimeoutMs, appending them to Datagrams. */
		void Drain(int TimeoutMs)
		{
			pollfd Poll{Socket, POLLIN, 0};
			while (::poll(&Poll, 1, TimeoutMs) > 0)
			{
				uint8 Buffer[65536];
				const ssize_t Size = ::recv(Socket, Buffer, sizeof(Buffer), 0);
				if (Size > 0)
				{
					Datagrams.push_back({TArray<uint8>(Buffer, int32(Size)), FClock::now()});
				}
			}
		}

		struct FArrival
		{
			TArray<uint8> Bytes;
			FClock::time_point Time;
		};
		std::vector<FArrival> Datagrams;

	private:
		int Socket = -1;
		uint16 Port = 0;
	};

	/** zevo-stream in a child process, its output kept in files of the temporary project. */
	class FStreamProgram : public FChildProcess
	{
	public:
		FStreamProgram(const FTempProject& Project, const std::vector<std::string>& Arguments)
			: FChildProcess(Project, ZEVO_STREAM_PROGRAM, Arguments, "stream")
		{
		}

		/** Receives into Receiver until the program has ended (at most TimeoutSeconds) and the socket is quiet. */
		std::optional<int> RunTo(FLoopbackReceiver* Receiver, double TimeoutSeconds = 10.0)
		{
			const FClock::time_point Deadline = FClock::now() + std::chrono::duration_cast<FClock::duration>(std::chrono::duration<double>(TimeoutSeconds));
			while (!Poll() && FClock::now() < Deadline)
			{
				if (Receiver)
				{
					Receiver->Drain(20);
				}
				else
				{
					std::this_thread::sleep_for(std::chrono::milliseconds(20));
				}
			}
			if (Receiver)
			{
				Receiver->Drain(100);
			}
			return Poll();
		}
	};

	/** Datagrams per subject, as the receiver would name the subjects. */
	std::map<std::string, int> CountPerSubject(const FLoopbackReceiver& Receiver)
	{
		std::map<std::string, int> Counts;
		for (const auto& Arrival : Receiver.Datagrams)
		{
			const FLibloDecodedMessage Message(Arrival.Bytes);
			if (!Message.IsValid())
			{
				++Counts["<undecodable>"];
			}
			else if (Message.Types == "sbfffffff")
			{
				++Counts[Message.String(0)];
			}
			else
			{
				++Counts[Message.String(2) + "_" + std::to_string(Message.Int(1))];
			}
		}
		return Counts;
	}
}

TEST(ZevoStreamProgram, SendsOneDatagramPerStreamAndFrameForTheGivenTime)
{
	FTempProject Project;
	FLoopbackReceiver Receiver;
	FStreamProgram Program(Project, {"--to", Receiver.Endpoint(), "--for", "0.5", "--rate", "100"});
	ASSERT_TRUE(Program.Started());
	EXPECT_EQ(Program.RunTo(&Receiver), 0) << Program.Err();

	const std::map<std::string, int> Counts = CountPerSubject(Receiver);
	ASSERT_EQ(Counts.size(), 3u) << "two actors and one prop by default";
	for (const char* Subject : {"Actor1", "Actor2", "Box_1"})
	{
		ASSERT_TRUE(Counts.contains(Subject)) << Subject;
		EXPECT_NEAR(Counts.at(Subject), 50, 3) << Subject;
	}
	EXPECT_NE(Program.Out().find("in total"), std::string::npos) << Program.Out();
}

TEST(ZevoStreamProgram, StreamsTheRequestedActorsAndPropsUntilCtrlC)
{
	FTempProject Project;
	FLoopbackReceiver Receiver;
	FStreamProgram Program(Project, {"--to", Receiver.Endpoint(), "--actors", "3", "--props", "2", "--rate", "30"});
	ASSERT_TRUE(Program.Started());
	// Runs until its first once-a-second report (a bounded wait), then gets Ctrl-C.
	const FClock::time_point Deadline = FClock::now() + std::chrono::seconds(10);
	while (FClock::now() < Deadline && !Program.Poll() && Program.Out().find("datagrams in the last second") == std::string::npos)
	{
		Receiver.Drain(20);
	}
	Program.Signal(SIGINT);
	EXPECT_EQ(Program.RunTo(&Receiver), 0) << Program.Err();

	const std::map<std::string, int> Counts = CountPerSubject(Receiver);
	EXPECT_EQ(Counts.size(), 5u);
	for (const char* Subject : {"Actor1", "Actor2", "Actor3", "Box_1", "Ball_1"})
	{
		EXPECT_TRUE(Counts.contains(Subject)) << Subject;
	}
	EXPECT_NE(Program.Out().find("datagrams in the last second"), std::string::npos) << Program.Out();
}

TEST(ZevoStreamProgram, ReplaysARecordingAtItsTimingAndLoops)
{
	FTempProject Project;
	std::string Recording = R"({"t":3.0,"event":"static","source":"S","subject":"Box_1","role":"LiveLinkTransformRole","bones":[],"parents":[],"properties":["PropType"]})" "\n";
	for (const char* Time : {"3.0", "3.1", "3.2"})
	{
		Recording += std::string(R"({"t":)") + Time
			+ R"(,"event":"frame","source":"S","subject":"Box_1","transforms":[{"r":[0,0,0,1],"t":[1,2,3],"s":[1,1,1]}],"properties":[0]})" "\n";
	}
	Project.WriteFile("take.jsonl", FString(Recording));
	const std::string Path = *(Project.GetDir() + "take.jsonl");

	FLoopbackReceiver Once;
	FStreamProgram Program(Project, {"--to", Once.Endpoint(), "--replay", Path});
	EXPECT_EQ(Program.RunTo(&Once), 0) << Program.Err();
	ASSERT_EQ(Once.Datagrams.size(), 3u);
	EXPECT_GE(Once.Datagrams.back().Time - Once.Datagrams.front().Time, std::chrono::milliseconds(150))
		<< "the recording spans 0.2 s";

	// Looping restarts one frame gap after the end: due at 0, 0.1, 0.2, 0.3, ... before 0.7 s.
	FLoopbackReceiver Looped;
	FStreamProgram LoopProgram(Project, {"--to", Looped.Endpoint(), "--replay", Path, "--loop", "--for", "0.7"});
	EXPECT_EQ(LoopProgram.RunTo(&Looped), 0) << LoopProgram.Err();
	EXPECT_NEAR(double(Looped.Datagrams.size()), 7.0, 1.0);
}

TEST(ZevoStreamProgram, RefusesBadArgumentsWithExitCodeTwo)
{
	FTempProject Project;
	Project.WriteFile("take.jsonl", "");
	const std::string Take = *(Project.GetDir() + "take.jsonl");
	const std::string To = "127.0.0.1:9";
	const std::vector<std::vector<std::string>> Cases = {
		{"--for", "0.1"},
		{"--to", "127.0.0.1", "--for", "0.1"},
		{"--to", "256.0.0.1:5000", "--for", "0.1"},
		{"--to", "127.0.0.1:0", "--for", "0.1"},
		{"--to", "127.0.0.1:70000", "--for", "0.1"},
		{"--to", To, "--actors", "-1", "--for", "0.1"},
		{"--to", To, "--actors", "two", "--for", "0.1"},
		{"--to", To, "--actors", "0", "--props", "0", "--for", "0.1"},
		{"--to", To, "--rate", "0", "--for", "0.1"},
		{"--to", To, "--for", "-1"},
		{"--to", To, "--loop", "--for", "0.1"},
		{"--to", To, "--replay", Take + ".missing", "--for", "0.1"},
		{"--to", To, "--replay", Take, "--actors", "3", "--for", "0.1"},
		{"--to", To, "--bogus", "--for", "0.1"},
	};
	for (const std::vector<std::string>& Arguments : Cases)
	{
		std::string Line;
		for (const std::string& Argument : Arguments)
		{
			Line += Argument + " ";
		}
		FStreamProgram Program(Project, Arguments);
		EXPECT_EQ(Program.RunTo(nullptr, 5.0), 2) << Line;
		EXPECT_FALSE(Program.Err().empty()) << Line;
	}
}

TEST(ZevoStreamProgram, ReplayOfARecordingWithoutFramesFails)
{
	FTempProject Project;
	Project.WriteFile("empty.jsonl", "not a recording\n");
	FStreamProgram Program(Project, {"--to", "127.0.0.1:9", "--replay", *(Project.GetDir() + "empty.jsonl")});
	EXPECT_EQ(Program.RunTo(nullptr, 5.0), 1);
	EXPECT_NE(Program.Err().find("line 1: not valid JSON"), std::string::npos) << Program.Err();
	EXPECT_NE(Program.Err().find("no frames"), std::string::npos) << Program.Err();
}
