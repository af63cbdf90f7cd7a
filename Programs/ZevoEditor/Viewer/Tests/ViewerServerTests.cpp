// The viewer's server on a real loopback port: what it serves, what it refuses, and how its feed
// paces a page and skips states for one that reads slowly.
#include "ViewerServer.h"
#include "ViewerTestClient.h"

#include <chrono>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <thread>
#include <vector>

namespace
{
using FClock = std::chrono::steady_clock;

struct FRunningServer
{
	FRunningServer()
	{
		FString Error;
		Server = FViewerServer::Start(FIPv4Endpoint(FIPv4Address::InternalLoopback, 0), Error);
		EXPECT_TRUE(Server) << *Error;
		Port = Server ? Server->GetEndpoint().Port : 0;
	}

	/** A state told apart from others by its time, with a subject whose name can be anything. */
	void Publish(double Seconds, const char* SubjectName = "Actor1")
	{
		auto State = std::make_shared<FViewerState>();
		State->RunSeconds = Seconds;
		FViewerSubject& Subject = State->Subjects.emplace_back();
		Subject.Name = SubjectName;
		Subject.Role = "Animation";
		Subject.Bones.resize(52);
		Server->Publish(std::move(State));
	}

	std::unique_ptr<FViewerServer> Server;
	int Port = 0;
};

double TimeOf(const std::string& Message)
{
	return nlohmann::json::parse(Message)["time"].get<double>();
}
}

TEST(ViewerServer, ServesThePageAndTheStateAndRefusesWhatItDoesNotServe)
{
	FRunningServer Running;
	EXPECT_EQ(HttpGet(Running.Port, "/api/state").Status, 503) << "no state before the first tick";
	Running.Publish(1.5);

	struct FCase
	{
		std::string Request;
		int Status;
		const char* ContentType;
	};
	const std::string Get = "GET / HTTP/1.1\r\nHost: x\r\nConnection: close\r\n";
	const FCase Cases[] = {
		{"GET / HTTP/1.1\r\nConnection: close\r\n\r\n", 200, "text/html"},
		{"GET /viewer.js HTTP/1.1\r\nConnection: close\r\n\r\n", 200, "text/javascript"},
		{"GET /viewer.css HTTP/1.1\r\nConnection: close\r\n\r\n", 200, "text/css"},
		{"GET /three/three.core.js HTTP/1.1\r\nConnection: close\r\n\r\n", 200, "text/javascript"},
		{"GET /three/addons/controls/OrbitControls.js HTTP/1.1\r\nConnection: close\r\n\r\n", 200, "text/javascript"},
		{"GET /api/state HTTP/1.1\r\nConnection: close\r\n\r\n", 200, "application/json"},
		{"GET /api/state?anything HTTP/1.1\r\nConnection: close\r\n\r\n", 200, "application/json"},
		{"GET /nowhere HTTP/1.1\r\nConnection: close\r\n\r\n", 404, "text/plain"},
		{"GET /../../etc/passwd HTTP/1.1\r\nConnection: close\r\n\r\n", 404, "text/plain"},
		{"GET /api/preview-mesh?target=0 HTTP/1.1\r\nConnection: close\r\n\r\n", 404, "text/plain"},
		{"GET /api/preview-mesh?target=-1x HTTP/1.1\r\nConnection: close\r\n\r\n", 404, "text/plain"},
		{"POST /api/state HTTP/1.1\r\nConnection: close\r\n\r\n", 405, "text/plain"},
		{"DELETE / HTTP/1.1\r\nConnection: close\r\n\r\n", 405, "text/plain"},
		{Get + "X-Huge: " + std::string(20000, 'a') + "\r\n\r\n", 431, nullptr},
		{"GET / HTTP/1.1\r\nContent-Length: 5\r\nConnection: close\r\n\r\nhello", 400, nullptr},
		{"HELLO\r\n\r\n", 400, nullptr},
		{"GET / HTTP/9.9\r\n\r\n", 400, nullptr},
	};
	for (const FCase& Case : Cases)
	{
		const FHttpReply Reply = SendRaw(Running.Port, Case.Request);
		const std::string Line = Case.Request.substr(0, Case.Request.find('\r'));
		EXPECT_EQ(Reply.Status, Case.Status) << Line;
		if (Case.ContentType)
		{
			EXPECT_NE(Reply.Head.find(std::string("Content-Type: ") + Case.ContentType), std::string::npos) << Line << "\n" << Reply.Head;
		}
	}
	const FHttpReply State = HttpGet(Running.Port, "/api/state");
	EXPECT_EQ(TimeOf(State.Body), 1.5);
	EXPECT_EQ(HttpGet(Running.Port, "/three/three.module.js").Body.find("from './three.core.js'") != std::string::npos, true)
		<< "three.js is served whole, with the core module it imports";
}

TEST(ViewerServer, KeepsAConnectionAliveAcrossRequests)
{
	FRunningServer Running;
	Running.Publish(2.0);
	const FHttpReply Reply = SendRaw(Running.Port,
		"GET /api/state HTTP/1.1\r\nHost: x\r\n\r\nGET /nowhere HTTP/1.1\r\nHost: x\r\n\r\nGET /viewer.css HTTP/1.1\r\nConnection: close\r\n\r\n");
	const std::string All = Reply.Head + "\r\n\r\n" + Reply.Body;
	EXPECT_EQ(Reply.Status, 200);
	EXPECT_NE(All.find("HTTP/1.1 404"), std::string::npos);
	EXPECT_NE(All.find("Content-Type: text/css"), std::string::npos);
}

TEST(ViewerServer, NamesThatAreNotUtf8ReachThePageAsReplacementCharacters)
{
	FRunningServer Running;
	Running.Publish(1.0, "Bad\xFF\xC0Name\"\x01");
	const nlohmann::json State = nlohmann::json::parse(HttpGet(Running.Port, "/api/state").Body);
	EXPECT_EQ(State["subjects"][0]["name"], "Bad\xEF\xBF\xBD\xEF\xBF\xBDName\"\x01");
}

TEST(ViewerServer, FeedSendsTheLatestStateAtMostSixtyTimesASecond)
{
	FRunningServer Running;
	Running.Publish(0.0);
	FFeedReader Feed(Running.Port);
	EXPECT_EQ(TimeOf(Feed.Read()), 0.0) << "a new page gets the state there is at once";

	std::thread Publisher([&] {
		// 1000 states a second for a second, far more than a page may be sent.
		const auto Start = FClock::now();
		for (int Index = 1; Index <= 1000; ++Index)
		{
			Running.Publish(Index);
			std::this_thread::sleep_until(Start + std::chrono::milliseconds(Index));
		}
	});
	std::vector<double> Times;
	const auto Start = FClock::now();
	while (Times.empty() || Times.back() < 1000.0)
	{
		Times.push_back(TimeOf(Feed.Read()));
	}
	const double Seconds = std::chrono::duration<double>(FClock::now() - Start).count();
	Publisher.join();
	EXPECT_LE(Times.size(), Seconds * 60.0 + 2.0) << Seconds << " s";
	EXPECT_GE(Times.size(), 20u) << "it keeps sending while states come";
	EXPECT_TRUE(std::is_sorted(Times.begin(), Times.end()));
}

TEST(ViewerServer, PageThatReadsSlowlySkipsStatesInsteadOfQueueingThem)
{
	FRunningServer Running;
	Running.Publish(0.0);
	FFeedReader Slow(Running.Port, 16 * 1024);
	ASSERT_EQ(TimeOf(Slow.Read()), 0.0);
	// Big states, published faster than sent, while the page reads nothing.
	for (int Index = 1; Index <= 300; ++Index)
	{
		auto State = std::make_shared<FViewerState>();
		State->RunSeconds = Index;
		State->Subjects.resize(20);
		for (FViewerSubject& Subject : State->Subjects)
		{
			Subject.Bones.resize(52);
		}
		Running.Server->Publish(std::move(State));
		std::this_thread::sleep_for(std::chrono::milliseconds(3));
	}
	std::this_thread::sleep_for(std::chrono::milliseconds(200));
	// Before the latest come only the message that was being written when the page stopped reading
	// and what the two ends' socket buffers hold of it and the one before.
	std::vector<double> Times{TimeOf(Slow.Read())};
	while (Times.back() < 300.0 && Times.size() < 50)
	{
		Times.push_back(TimeOf(Slow.Read()));
	}
	EXPECT_EQ(Times.back(), 300.0);
	EXPECT_LE(Times.size(), 5u) << "older states were skipped, not queued";
}

TEST(ViewerServer, ThousandConnectionsOpenedAndDroppedLeaveItServing)
{
	FRunningServer Running;
	Running.Publish(3.0);
	for (int Round = 0; Round < 10; ++Round)
	{
		std::vector<int> Sockets;
		for (int Index = 0; Index < 100; ++Index)
		{
			Sockets.push_back(ConnectToPort(Running.Port));
		}
		for (size_t Index = 0; Index < Sockets.size(); ++Index)
		{
			// Half send half a request first, the rest nothing at all.
			if (Index % 2 == 0 && Sockets[Index] >= 0)
			{
				send(Sockets[Index], "GET /api/sta", 12, MSG_NOSIGNAL);
			}
			close(Sockets[Index]);
		}
	}
	const FHttpReply Reply = HttpGet(Running.Port, "/api/state");
	EXPECT_EQ(Reply.Status, 200);
	EXPECT_EQ(TimeOf(Reply.Body), 3.0);
}

TEST(ViewerServer, AddressInUseIsRefusedWithTheReason)
{
	FRunningServer First;
	FString Error;
	const std::unique_ptr<FViewerServer> Second = FViewerServer::Start(FIPv4Endpoint(FIPv4Address::InternalLoopback, uint16(First.Port)), Error);
	EXPECT_FALSE(Second);
	EXPECT_NE(Error.ToStdString().find("in use"), std::string::npos) << *Error;
}
