// The live viewer seen from outside a real zevo-editor: how long a datagram takes from its arrival
// to leaving the server inside a state (measured from its send to a page's receipt, both on
// loopback), and the editor's CPU use with the viewer off, on with no page, and on with four pages.
// The stream is the synthetic performance's two actors and a prop at 60 Hz; the first actor's hips
// carry the frame's number, so a page can tell which datagram a state shows.
#include "CoreMinimal.h"
#include "OscMessageWriter.h"
#include "ZevoCharacterMessage.h"
#include "ZevoPropMessage.h"
#include "ZevoSyntheticPerformance.h"
#include "ZevoUdpSender.h"

#include <algorithm>
#include <arpa/inet.h>
#include "FreeUdpPort.h"
#include "ViewerFeedPage.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <nlohmann/json.hpp>
#include <random>
#include <regex>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace
{
using FClock = std::chrono::steady_clock;
constexpr double FrameSeconds = 1.0 / 60.0;

/** zevo-editor run in an empty project, listening for the stream on UdpPort, with or without the viewer. */
class FEditor
{
public:
	FEditor(int UdpPort, bool bView)
	{
		char Template[] = "/tmp/zevo-viewer-bench-XXXXXX";
		Project = mkdtemp(Template);
		const std::string Out = Project + "/editor.out";
		std::vector<std::string> Args{ZEVO_EDITOR_PROGRAM, "run", "--project", Project, "--source", "127.0.0.1:" + std::to_string(UdpPort)};
		if (bView)
		{
			Args.insert(Args.end(), {"--view", "0"});
		}
		Pid = fork();
		if (Pid == 0)
		{
			std::freopen(Out.c_str(), "w", stdout);
			std::freopen("/dev/null", "w", stderr);
			std::vector<char*> Argv;
			for (std::string& Arg : Args)
			{
				Argv.push_back(Arg.data());
			}
			Argv.push_back(nullptr);
			execv(Argv[0], Argv.data());
			_exit(127);
		}
		// Serving (or, without the viewer, its source open) once the first status table is out.
		const auto Deadline = FClock::now() + std::chrono::seconds(20);
		std::smatch Match;
		for (std::string Text; FClock::now() < Deadline; std::this_thread::sleep_for(std::chrono::milliseconds(50)))
		{
			std::ifstream File(Out);
			Text.assign(std::istreambuf_iterator<char>(File), {});
			if (Text.find("Receiving") != std::string::npos && (!bView || std::regex_search(Text, Match, std::regex("http://127.0.0.1:([0-9]+)/"))))
			{
				ViewPort = bView ? std::stoi(Match[1]) : 0;
				break;
			}
		}
	}
	~FEditor()
	{
		Stop();
		std::filesystem::remove_all(Project);
	}

	/** Ends the run (Ctrl-C): the pages see their feed close. */
	void Stop()
	{
		if (Pid > 0)
		{
			kill(Pid, SIGINT);
			waitpid(Pid, nullptr, 0);
			Pid = -1;
		}
	}

	/** User and system CPU seconds the editor has used so far. */
	double CpuSeconds() const
	{
		std::ifstream Stat("/proc/" + std::to_string(Pid) + "/stat");
		std::string Text((std::istreambuf_iterator<char>(Stat)), {});
		std::istringstream Fields(Text.substr(Text.rfind(')') + 2));
		std::vector<std::string> Values{std::istream_iterator<std::string>(Fields), {}};
		return Values.size() > 12 ? (std::stod(Values[11]) + std::stod(Values[12])) / double(sysconf(_SC_CLK_TCK)) : 0.0;
	}

	int ViewPort = 0;

private:
	std::string Project;
	pid_t Pid = -1;
};

/**
 * Sends the performance at 60 Hz for Seconds; Actor1's hips X is the frame number in centimetres.
 * A capture server's clock is not the editor's: frame k goes at a random moment within its 1/60 s,
 * so that every phase between a datagram and the next engine tick is sampled, not one by chance.
 */
void Stream(int UdpPort, double Seconds, std::map<int, FClock::time_point>* SentAt, std::mutex* SentMutex)
{
	std::mt19937 Random(7);
	std::uniform_real_distribution<double> Phase(0.0, FrameSeconds);
	FZevoSyntheticPerformance Performance(2, 1);
	FZevoUdpSender Sender(FIPv4Endpoint(FIPv4Address::InternalLoopback, uint16(UdpPort)));
	FOscMessageWriter Writer;
	FZevoCharacterFrame Character;
	FZevoPropFrame Prop;
	const auto Start = FClock::now();
	for (int Frame = 0; Frame < int(Seconds / FrameSeconds); ++Frame)
	{
		const double Due = Frame * FrameSeconds + Phase(Random);
		std::this_thread::sleep_until(Start + std::chrono::duration_cast<FClock::duration>(std::chrono::duration<double>(Due)));
		Performance.EvaluateProp(0, Frame * FrameSeconds, Prop);
		Sender.Send(WriteZevoPropMessage(Writer, Prop));
		Performance.EvaluateActor(1, Frame * FrameSeconds, Character);
		Sender.Send(WriteZevoCharacterMessage(Writer, Character));
		Performance.EvaluateActor(0, Frame * FrameSeconds, Character);
		Character.HipsPosition.X = -0.01 * Frame;  // -100 X in the engine: Frame centimetres
		if (SentMutex)
		{
			std::lock_guard Lock(*SentMutex);
			(*SentAt)[Frame] = FClock::now();
		}
		Sender.Send(WriteZevoCharacterMessage(Writer, Character));
	}
}

/** The frame number a state shows (Actor1's hips), or -1. */
int FrameShown(const std::string& Text)
{
	const nlohmann::json State = nlohmann::json::parse(Text, nullptr, false);
	if (State.is_discarded())
	{
		return -1;
	}
	for (const nlohmann::json& Subject : State["subjects"])
	{
		if (Subject["name"] == "Actor1" && !Subject["bones"].empty())
		{
			return int(std::lround(Subject["bones"][0]["p"][0].get<double>()));
		}
	}
	return -1;
}

void BM_DatagramToFeedLatency(benchmark::State& State)
{
	const int UdpPort = FreeUdpPort();
	std::vector<double> Latencies;
	for (auto _ : State)
	{
		std::map<int, FClock::time_point> SentAt;
		std::mutex SentMutex;
		std::map<int, FClock::time_point> SeenAt;
		{
			FEditor Editor(UdpPort, true);
			auto Page = std::make_unique<FViewerFeedPage>(Editor.ViewPort, [&](const std::string& Text, FClock::time_point At) {
				const int Frame = FrameShown(Text);
				if (Frame >= 0 && !SeenAt.contains(Frame))
				{
					SeenAt[Frame] = At;
				}
			});
			Stream(UdpPort, 10.0, &SentAt, &SentMutex);
			std::this_thread::sleep_for(std::chrono::milliseconds(200));
			Editor.Stop();
		}
		for (const auto& [Frame, Seen] : SeenAt)
		{
			if (SentAt.contains(Frame))
			{
				Latencies.push_back(std::chrono::duration<double, std::milli>(Seen - SentAt[Frame]).count());
			}
		}
		State.SetIterationTime(10.0);
	}
	std::sort(Latencies.begin(), Latencies.end());
	const auto Percentile = [&](double P) { return Latencies.empty() ? 0.0 : Latencies[std::min(Latencies.size() - 1, size_t(P * Latencies.size()))]; };
	State.counters["min_ms"] = Latencies.empty() ? 0.0 : Latencies.front();
	State.counters["p50_ms"] = Percentile(0.50);
	State.counters["p99_ms"] = Percentile(0.99);
	State.counters["max_ms"] = Latencies.empty() ? 0.0 : Latencies.back();
	State.counters["states_seen"] = double(Latencies.size());
}
BENCHMARK(BM_DatagramToFeedLatency)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

/** mode 0: no viewer; 1: viewer, no page; 2: viewer, four pages. CPU use of the editor over 20 s of streaming. */
void BM_EditorCpu(benchmark::State& State)
{
	const int Mode = int(State.range(0));
	const int UdpPort = FreeUdpPort();
	double CpuPercent = 0.0;
	for (auto _ : State)
	{
		FEditor Editor(UdpPort, Mode > 0);
		std::vector<std::unique_ptr<FViewerFeedPage>> Pages;
		for (int Page = 0; Mode == 2 && Page < 4; ++Page)
		{
			Pages.push_back(std::make_unique<FViewerFeedPage>(Editor.ViewPort, nullptr));
		}
		std::thread Sender([UdpPort] { Stream(UdpPort, 22.0, nullptr, nullptr); });
		std::this_thread::sleep_for(std::chrono::seconds(1));
		const double Before = Editor.CpuSeconds();
		std::this_thread::sleep_for(std::chrono::seconds(20));
		CpuPercent = 100.0 * (Editor.CpuSeconds() - Before) / 20.0;
		Sender.join();
		Editor.Stop();
		Pages.clear();
		State.SetIterationTime(20.0);
	}
	State.counters["cpu_percent"] = CpuPercent;
}
BENCHMARK(BM_EditorCpu)->ArgName("mode")->Arg(0)->Arg(1)->Arg(2)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
}

BENCHMARK_MAIN();
