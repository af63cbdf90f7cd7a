// The running editor under attack over loopback, measured from outside as its user meets it:
// a sender flooding new subject names beside a good actor at 120 Hz, a flood of 65 KB datagrams
// that each fail to decode, four stream senders for three minutes, and a thousand saved
// connections closed by Ctrl-C. Each benchmark is one run of a scenario against the real
// zevo-editor (and zevo-stream), so it runs once and reports its figures as counters.
#include "ChildProcess.h"
#include "FreeUdpPort.h"
#include "Interfaces/IPv4/IPv4Endpoint.h"
#include "TempProject.h"
#include "ZevoCharacterMessage.h"
#include "ZevoUdpSender.h"

#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <thread>
#include <unistd.h>
#include <vector>

namespace
{
using FClock = std::chrono::steady_clock;

double SecondsSince(FClock::time_point Start)
{
	return std::chrono::duration<double>(FClock::now() - Start).count();
}

FIPv4Endpoint Loopback(int Port)
{
	return FIPv4Endpoint(FIPv4Address::InternalLoopback, static_cast<uint16>(Port));
}

double Percentile(std::vector<double> Values, double Fraction)
{
	if (Values.empty())
	{
		return 0.0;
	}
	std::sort(Values.begin(), Values.end());
	return Values[std::min(Values.size() - 1, static_cast<size_t>(Fraction * Values.size()))];
}

/** A "Key:   N kB" line of /proc/<pid>/status, in MiB (0 once the process is gone). */
double ProcStatusMiB(pid_t Pid, const std::string& Key)
{
	std::ifstream Status("/proc/" + std::to_string(Pid) + "/status");
	for (std::string Line; std::getline(Status, Line);)
	{
		if (Line.rfind(Key + ":", 0) == 0)
		{
			return std::atof(Line.c_str() + Key.size() + 1) / 1024.0;
		}
	}
	return 0.0;
}

/** User plus system CPU seconds the process has used so far. */
double CpuSeconds(pid_t Pid)
{
	std::ifstream Stat("/proc/" + std::to_string(Pid) + "/stat");
	std::string Text((std::istreambuf_iterator<char>(Stat)), std::istreambuf_iterator<char>());
	const size_t AfterName = Text.rfind(')');
	if (AfterName == std::string::npos)
	{
		return 0.0;
	}
	std::istringstream Fields(Text.substr(AfterName + 2));
	std::string Field;
	double Ticks = 0.0;
	for (int Index = 3; Fields >> Field && Index <= 15; ++Index)
	{
		if (Index >= 14)
		{
			Ticks += std::atof(Field.c_str());
		}
	}
	return Ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

/** The editor as a child process, watched from outside until it ends. */
struct FWatchedEditor
{
	FWatchedEditor(const FTempProject& Project, const std::vector<std::string>& Args)
		: Started(FClock::now()), Editor(Project, ZEVO_EDITOR_PROGRAM, Args, "editor")
	{
		Watcher = std::thread([this] {
			while (!bEnded)
			{
				PeakMiB = std::max(PeakMiB.load(), ProcStatusMiB(Editor.GetPid(), "VmHWM"));
				const double Cpu = CpuSeconds(Editor.GetPid());
				LastCpuSeconds = Cpu > 0.0 ? Cpu : LastCpuSeconds.load();
				std::this_thread::sleep_for(std::chrono::milliseconds(50));
			}
		});
	}
	~FWatchedEditor() { Wait(60.0); }

	int Wait(double TimeoutSeconds)
	{
		const int ExitCode = Editor.Wait(TimeoutSeconds);
		if (!bEnded.exchange(true))
		{
			EndedSeconds = SecondsSince(Started);
			Watcher.join();
		}
		return ExitCode;
	}

	FClock::time_point Started;
	FChildProcess Editor;
	std::atomic<bool> bEnded{false};
	std::atomic<double> PeakMiB{0.0};
	std::atomic<double> LastCpuSeconds{0.0};
	double EndedSeconds = 0.0;
	std::thread Watcher;
};

FZevoCharacterFrame StandingActor(const char* Name)
{
	FZevoCharacterFrame Frame;
	Frame.ActorName = Name;
	Frame.HipsPosition = FVector(0.0, 1.0, 0.0);
	Frame.Rotations.fill(FQuat::Identity);
	return Frame;
}

/** Sends "Good" at 120 Hz until told to stop, its send time (in 10 µs since Origin) in its first property. */
void SendGoodActor(int Port, FClock::time_point Origin, const std::atomic<bool>& bStop)
{
	FZevoUdpSender Sender(Loopback(Port));
	FOscMessageWriter Writer;
	FZevoCharacterFrame Frame = StandingActor("Good");
	for (FClock::time_point Next = FClock::now(); !bStop; Next += std::chrono::microseconds(8333))
	{
		std::this_thread::sleep_until(Next);
		Frame.Properties[0] = static_cast<float>(std::chrono::duration_cast<std::chrono::microseconds>(FClock::now() - Origin).count() / 10);
		Sender.Send(WriteZevoCharacterMessage(Writer, Frame));
	}
}

/** Latencies (ms) of the good actor's frames sent in [From, To) s after Origin, read from the take:
 *  each against the quickest frame of the run, which fixes the offset between the two clocks. */
std::vector<double> GoodActorLatenciesMs(const std::string& TakeFile, double From, double To)
{
	std::vector<std::pair<double, double>> SentAndPushed;
	std::ifstream Take(TakeFile);
	for (std::string Line; std::getline(Take, Line);)
	{
		if (Line.find("\"subject\":\"Good\"") == std::string::npos || Line.find("\"event\":\"frame\"") == std::string::npos)
		{
			continue;
		}
		const nlohmann::json Event = nlohmann::json::parse(Line, nullptr, false);
		if (!Event.is_discarded() && Event.contains("properties") && !Event["properties"].empty())
		{
			SentAndPushed.emplace_back(Event["properties"][0].get<double>() / 100000.0, Event["t"].get<double>());
		}
	}
	double Offset = 1e9;
	for (const auto& [Sent, Pushed] : SentAndPushed)
	{
		Offset = std::min(Offset, Pushed - Sent);
	}
	std::vector<double> Latencies;
	for (const auto& [Sent, Pushed] : SentAndPushed)
	{
		if (Sent >= From && Sent < To)
		{
			Latencies.push_back((Pushed - Sent - Offset) * 1000.0);
		}
	}
	return Latencies;
}

std::vector<std::string> RunArgs(const FTempProject& Project, double ForSeconds, const std::vector<int>& Ports)
{
	std::vector<std::string> Args{"run", "--project", *Project.GetDir(), "--for", std::to_string(ForSeconds)};
	for (const int Port : Ports)
	{
		Args.insert(Args.end(), {"--source", "127.0.0.1:" + std::to_string(Port)});
	}
	return Args;
}

bool WaitForFirstStatus(const FChildProcess& Editor)
{
	return Editor.WaitForOutput("--- zevo-editor status at", 30.0);
}

/** Unique names as fast as loopback takes them, for FloodSeconds, beside a good actor at 120 Hz. */
void BM_UniqueNameFlood(benchmark::State& State)
{
	constexpr double FloodSeconds = 10.0;
	constexpr double ForSeconds = 13.0;
	for (auto _ : State)
	{
		FTempProject Project;
		const int Port = FreeUdpPort();
		const std::string Take = std::string(*Project.GetDir()) + "take.jsonl";
		std::vector<std::string> Args = RunArgs(Project, ForSeconds, {Port});
		Args.insert(Args.end(), {"--record", Take});
		FWatchedEditor Run(Project, Args);
		if (!WaitForFirstStatus(Run.Editor))
		{
			State.SkipWithError("the editor did not start");
			return;
		}
		const FClock::time_point Origin = FClock::now();
		std::atomic<bool> bStopGood{false};
		std::thread Good(SendGoodActor, Port, Origin, std::cref(bStopGood));

		std::this_thread::sleep_for(std::chrono::seconds(1));
		FZevoUdpSender Flood(Loopback(Port));
		FOscMessageWriter Writer;
		FZevoCharacterFrame Frame = StandingActor("");
		int64 Sent = 0;
		while (SecondsSince(Origin) < 1.0 + FloodSeconds)
		{
			Frame.ActorName = FString::Printf("Flood%lld", static_cast<long long>(Sent));
			Sent += Flood.Send(WriteZevoCharacterMessage(Writer, Frame)) ? 1 : 0;
		}
		Run.Wait(60.0);
		bStopGood = true;
		Good.join();

		const std::vector<double> Latencies = GoodActorLatenciesMs(Take, 1.0, 1.0 + FloodSeconds);
		State.counters["flood_datagrams"] = static_cast<double>(Sent);
		State.counters["good_frames"] = static_cast<double>(Latencies.size());
		State.counters["good_p50_ms"] = Percentile(Latencies, 0.5);
		State.counters["good_p99_ms"] = Percentile(Latencies, 0.99);
		State.counters["peak_MiB"] = Run.PeakMiB.load();
		State.counters["run_beyond_for_s"] = Run.EndedSeconds - ForSeconds;
	}
}

/** 65 KB prop messages whose type tags are not type tags, each one a decoding error. */
void BM_BadDatagramFlood(benchmark::State& State)
{
	constexpr double FloodSeconds = 10.0;
	for (auto _ : State)
	{
		FTempProject Project;
		const int Port = FreeUdpPort();
		FWatchedEditor Run(Project, RunArgs(Project, FloodSeconds + 2.0, {Port}));
		if (!WaitForFirstStatus(Run.Editor))
		{
			State.SkipWithError("the editor did not start");
			return;
		}
		// The address, then 65,000 letters where the type tags belong, each string ended and padded.
		const std::string Bytes = std::string("/ZEVO/Stream/Motion/Unreal/Props") + std::string(4, '\0') + std::string(65000, 'X') + std::string(4, '\0');
		TArray<uint8> Datagram;
		Datagram.Append(reinterpret_cast<const uint8*>(Bytes.data()), static_cast<int32>(Bytes.size()));
		FZevoUdpSender Flood(Loopback(Port));
		int64 Sent = 0;
		for (const FClock::time_point Start = FClock::now(); SecondsSince(Start) < FloodSeconds;)
		{
			Sent += Flood.Send(Datagram) ? 1 : 0;
		}
		Run.Wait(60.0);
		State.counters["flood_datagrams"] = static_cast<double>(Sent);
		State.counters["peak_MiB"] = Run.PeakMiB.load();
		State.counters["log_MiB"] = static_cast<double>(Run.Editor.Err().size()) / (1024.0 * 1024.0);
	}
}

/** Each status table's subject rows, summed: "<name> <role> <frames/s> <frames>". */
struct FTableTotals
{
	double FramesPerSecond = 0.0;
	int64 Frames = 0;
};

std::vector<FTableTotals> StatusTableTotals(const std::string& Out)
{
	std::vector<FTableTotals> Tables;
	std::istringstream Lines(Out);
	const std::regex Row(R"(^\S+\s+LiveLink\w+Role\s+([\d.]+)\s+(\d+)\s*$)");
	std::smatch Match;
	for (std::string Line; std::getline(Lines, Line);)
	{
		if (Line.rfind("--- zevo-editor status at", 0) == 0)
		{
			Tables.emplace_back();
		}
		else if (!Tables.empty() && std::regex_match(Line, Match, Row))
		{
			Tables.back().FramesPerSecond += std::stod(Match[1]);
			Tables.back().Frames += std::stoll(Match[2]);
		}
	}
	return Tables;
}

/** Four stream senders (10 actors and 10 props in all, 120 to 240 Hz), each to a source of its own. */
void BM_Soak(benchmark::State& State)
{
	const char* Override = std::getenv("ZEVO_SOAK_SECONDS");
	const double Seconds = Override ? std::atof(Override) : 180.0;
	struct FSender
	{
		int Actors;
		int Props;
		int Rate;
	};
	const FSender Senders[] = {{3, 3, 120}, {3, 2, 180}, {2, 3, 240}, {2, 2, 240}};
	for (auto _ : State)
	{
		FTempProject Project;
		// Distinct: one port gets one source.
		const std::vector<int> Ports = DistinctFreeUdpPorts(int(std::size(Senders)));
		FWatchedEditor Run(Project, RunArgs(Project, Seconds + 3.0, Ports));
		if (!WaitForFirstStatus(Run.Editor))
		{
			State.SkipWithError("the editor did not start");
			return;
		}
		std::vector<std::unique_ptr<FChildProcess>> Streams;
		for (size_t Index = 0; Index < std::size(Senders); ++Index)
		{
			Streams.push_back(std::make_unique<FChildProcess>(Project, ZEVO_STREAM_PROGRAM,
				std::vector<std::string>{"--to", "127.0.0.1:" + std::to_string(Ports[Index]), "--actors", std::to_string(Senders[Index].Actors),
					"--props", std::to_string(Senders[Index].Props), "--rate", std::to_string(Senders[Index].Rate), "--for",
					std::to_string(Seconds)},
				"stream" + std::to_string(Index)));
		}
		int64 Sent = 0;
		for (const std::unique_ptr<FChildProcess>& Stream : Streams)
		{
			Stream->Wait(Seconds + 60.0);
			std::smatch Match;
			const std::string Out = Stream->Out();
			if (std::regex_search(Out, Match, std::regex(R"(sent (\d+) datagrams in total)")))
			{
				Sent += std::stoll(Match[1]);
			}
		}
		Run.Wait(60.0);
		const std::vector<FTableTotals> Tables = StatusTableTotals(Run.Editor.Out());
		const int64 Received = Tables.empty() ? 0 : Tables.back().Frames;
		// The steady part: the first tables come before the senders start, the last after they stop.
		double Slowest = 1e18;
		double Fastest = 0.0;
		for (size_t Index = 3; Index + 3 < Tables.size(); ++Index)
		{
			Slowest = std::min(Slowest, Tables[Index].FramesPerSecond);
			Fastest = std::max(Fastest, Tables[Index].FramesPerSecond);
		}
		State.counters["sent"] = static_cast<double>(Sent);
		State.counters["lost"] = static_cast<double>(Sent - Received);
		State.counters["frames_per_s"] = static_cast<double>(Received) / Seconds;
		State.counters["slowest_second_frames_per_s"] = Slowest;
		State.counters["fastest_second_frames_per_s"] = Fastest;
		State.counters["cpu_share"] = Run.LastCpuSeconds.load() / Run.EndedSeconds;
		State.counters["peak_MiB"] = Run.PeakMiB.load();
	}
}

/** A thousand saved connections, auto-connected, then Ctrl-C: how long until the editor is gone. */
void BM_ManySourcesStopAtCtrlC(benchmark::State& State)
{
	const int32 Count = static_cast<int32>(State.range(0));
	for (auto _ : State)
	{
		FTempProject Project;
		std::string Ini = "[/Script/ZevoLiveLink.ZevoLiveLinkSettings]\nbAutoConnectOnStartup=True\nbRememberLastConnection=True\n";
		for (const int Port : DistinctFreeUdpPorts(Count))
		{
			Ini += "+SavedConnections=(IPAddress=\"127.0.0.1\",Port=" + std::to_string(Port) + ",bEnabled=True)\n";
		}
		Project.WriteFile("Saved/Config/ZevoLiveLink.ini", FString(Ini.c_str()));
		FWatchedEditor Run(Project, {"run", "--project", *Project.GetDir()});
		// The status table lists 40 sources and counts the rest once all are there.
		if (!Run.Editor.WaitForOutput("... and " + std::to_string(Count - 40) + " more sources", 60.0))
		{
			State.SkipWithError("the editor did not connect its sources");
			return;
		}
		const FClock::time_point Interrupted = FClock::now();
		Run.Editor.Signal(SIGINT);
		const int ExitCode = Run.Wait(120.0);
		State.counters["stop_s"] = SecondsSince(Interrupted);
		State.counters["exit_code"] = ExitCode;
		State.counters["peak_MiB"] = Run.PeakMiB.load();
	}
}
}

BENCHMARK(BM_UniqueNameFlood)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_BadDatagramFlood)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_Soak)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_ManySourcesStopAtCtrlC)->Arg(1000)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_MAIN();
