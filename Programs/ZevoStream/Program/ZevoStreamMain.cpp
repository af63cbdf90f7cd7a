// zevo-stream: sends the motion stream as OSC over UDP, either the built-in synthetic
// performance or a take recorded by `zevo-editor run --record`, paced on absolute deadlines so
// that a long run keeps its rate exactly (a frame that is late goes out at once, so the count and
// the average rate stay exact). Exit codes: 0 done, 1 failed, 2 bad arguments.
#include "ZevoPerformanceSender.h"
#include "ZevoTakeReplay.h"

#include <CLI/CLI.hpp>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <optional>
#include <thread>

namespace
{
	using FClock = std::chrono::steady_clock;

	std::atomic<bool> GStopRequested{false};

	void RequestStop(int)
	{
		GStopRequested = true;
	}

	/** The seconds of a run, counted from its start, and the once-a-second report of what went out. */
	class FRunClock
	{
	public:
		/** Sleeps until Seconds into the run; false when Ctrl-C came first. Reports while it waits. */
		bool WaitUntil(double Seconds)
		{
			const FClock::time_point Due = At(Seconds);
			while (!GStopRequested)
			{
				const FClock::time_point Now = FClock::now();
				if (Now >= NextReport)
				{
					Report();
				}
				if (Now >= Due)
				{
					return true;
				}
				// Short naps keep Ctrl-C and the report prompt during long gaps in a recording.
				std::this_thread::sleep_until(std::min({Due, NextReport, Now + std::chrono::milliseconds(100)}));
			}
			return false;
		}

		void Count(int64 Sent, int64 Failed)
		{
			SentThisSecond += Sent;
			FailedThisSecond += Failed;
		}

		void Finish(const FString& LastError)
		{
			SentTotal += SentThisSecond;
			FailedTotal += FailedThisSecond;
			std::printf("zevo-stream: sent %lld datagrams in total\n", static_cast<long long>(SentTotal));
			if (FailedTotal > 0)
			{
				std::fprintf(stderr, "zevo-stream: %lld datagrams could not be sent (last: %s)\n",
					static_cast<long long>(FailedTotal), *LastError);
			}
			std::fflush(stdout);
		}

	private:
		FClock::time_point At(double Seconds) const
		{
			return Start + std::chrono::duration_cast<FClock::duration>(std::chrono::duration<double>(Seconds));
		}

		void Report()
		{
			if (SentThisSecond > 0 || FailedThisSecond > 0)
			{
				SentTotal += SentThisSecond;
				FailedTotal += FailedThisSecond;
				std::printf("zevo-stream: sent %lld datagrams in the last second (%lld in total)",
					static_cast<long long>(SentThisSecond), static_cast<long long>(SentTotal));
				if (FailedThisSecond > 0)
				{
					std::printf(", %lld failed", static_cast<long long>(FailedThisSecond));
				}
				std::printf("\n");
				std::fflush(stdout);
			}
			SentThisSecond = FailedThisSecond = 0;
			NextReport += std::chrono::seconds(1);
		}

		FClock::time_point Start = FClock::now();
		FClock::time_point NextReport = Start + std::chrono::seconds(1);
		int64 SentThisSecond = 0;
		int64 FailedThisSecond = 0;
		int64 SentTotal = 0;
		int64 FailedTotal = 0;
	};

	struct FOptions
	{
		FIPv4Endpoint Destination;
		int32 Actors = 2;
		int32 Props = 1;
		double Rate = 60.0;
		std::optional<double> Duration;
		std::string ReplayPath;
		bool bLoop = false;
	};

	/** Frame k of the performance is due at k / Rate: deadlines never depend on when a frame went out. */
	int StreamPerformance(const FOptions& Options, FZevoUdpSender& Sender)
	{
		const FZevoSyntheticPerformance Performance(Options.Actors, Options.Props);
		FZevoPerformanceSender PerformanceSender(Performance, Sender);
		std::printf("zevo-stream: streaming actors: %d, props: %d at %g Hz to %s\n", Options.Actors, Options.Props,
			Options.Rate, *Options.Destination.ToString());
		FRunClock Clock;
		for (int64 Frame = 0;; ++Frame)
		{
			const double Time = double(Frame) / Options.Rate;
			if ((Options.Duration && Time >= *Options.Duration) || !Clock.WaitUntil(Time))
			{
				break;
			}
			const FZevoPerformanceSender::FCounts Counts = PerformanceSender.SendFrame(Time);
			Clock.Count(Counts.Sent, Counts.Failed);
		}
		Clock.Finish(Sender.GetError());
		return 0;
	}

	/** When a take's messages fall: its first and last time and how often time moves on between two. */
	struct FReplaySpan
	{
		int64 Messages = 0;
		double First = 0.0;
		double Last = 0.0;
		int64 Steps = 0;

		/** A loop starts one mean frame gap after the last message. */
		double Period() const { return (Last - First) + (Steps > 0 ? (Last - First) / double(Steps) : 1.0 / 60.0); }
	};

	/** Opens the take at Path for one pass; problems are printed when bReport is set. */
	bool OpenTake(const std::string& Path, bool bReport, FZevoTakeReplay& OutReplay)
	{
		FString Error;
		if (!OutReplay.Open(FString(Path), Error))
		{
			std::fprintf(stderr, "zevo-stream: %s\n", *Error);
			return false;
		}
		if (bReport)
		{
			OutReplay.OnProblem = [Path](const FString& Problem) {
				std::fprintf(stderr, "zevo-stream: %s: %s (skipped)\n", Path.c_str(), *Problem);
			};
		}
		return true;
	}

	/** A first pass over the take: what it holds to send, with its problems printed once. */
	bool MeasureTake(const std::string& Path, FReplaySpan& OutSpan)
	{
		FZevoTakeReplay Replay;
		if (!OpenTake(Path, true, Replay))
		{
			return false;
		}
		double Time;
		const TArray<uint8>* Datagram;
		while (Replay.Next(Time, Datagram))
		{
			OutSpan.First = OutSpan.Messages == 0 ? Time : OutSpan.First;
			OutSpan.Steps += OutSpan.Messages > 0 && Time > OutSpan.Last ? 1 : 0;
			OutSpan.Last = Time;
			++OutSpan.Messages;
		}
		if (!Replay.GetReadError().IsEmpty())
		{
			std::fprintf(stderr, "zevo-stream: %s\n", *Replay.GetReadError());
			return false;
		}
		return true;
	}

	/**
	 * Each message is due at its recorded time after the first. The take is read again for every
	 * pass, one line at a time, so that a take of any length replays in constant memory.
	 */
	int Replay(const FOptions& Options, FZevoUdpSender& Sender)
	{
		FReplaySpan Span;
		if (!MeasureTake(Options.ReplayPath, Span))
		{
			return 1;
		}
		if (Span.Messages == 0)
		{
			std::fprintf(stderr, "zevo-stream: %s holds no frames to replay\n", Options.ReplayPath.c_str());
			return 1;
		}
		std::printf("zevo-stream: replaying %lld messages over %.3f s%s to %s\n", static_cast<long long>(Span.Messages),
			Span.Last - Span.First, Options.bLoop ? " in a loop" : "", *Options.Destination.ToString());

		FRunClock Clock;
		for (int64 Pass = 0; Pass == 0 || Options.bLoop; ++Pass)
		{
			FZevoTakeReplay Replay;
			if (!OpenTake(Options.ReplayPath, false, Replay))
			{
				Clock.Finish(Sender.GetError());
				return 1;
			}
			double Time;
			const TArray<uint8>* Datagram;
			while (Replay.Next(Time, Datagram))
			{
				const double Due = double(Pass) * Span.Period() + (Time - Span.First);
				if ((Options.Duration && Due >= *Options.Duration) || !Clock.WaitUntil(Due))
				{
					Clock.Finish(Sender.GetError());
					return 0;
				}
				const bool bSent = Sender.Send(*Datagram);
				Clock.Count(bSent ? 1 : 0, bSent ? 0 : 1);
			}
		}
		Clock.Finish(Sender.GetError());
		return 0;
	}

	/** Fills Options from the command line; an exit code when the program should end right away. */
	std::optional<int> ParseCommandLine(int Argc, char** Argv, FOptions& Options)
	{
		CLI::App App{"Streams motion capture as OSC over UDP: a built-in performance of walking actors and "
					 "moving props, or a take recorded by zevo-editor run --record."};
		std::string To;
		double Duration = 0.0;
		App.add_option("--to", To, "Where to send: IP:PORT")
			->required()
			->check([](const std::string& Text) -> std::string {
				FIPv4Endpoint Endpoint;
				if (!FIPv4Endpoint::Parse(FString(Text), Endpoint))
				{
					return "not an IPv4 endpoint A.B.C.D:PORT: " + Text;
				}
				return Endpoint.Port == 0 ? std::string("the port must not be 0") : std::string();
			});
		CLI::Option* Actors = App.add_option("--actors", Options.Actors, "Number of walking actors (default 2)")
			->check(CLI::Range(0, 256));
		CLI::Option* Props = App.add_option("--props", Options.Props, "Number of moving props (default 1)")
			->check(CLI::Range(0, 256));
		CLI::Option* Rate = App.add_option("--rate", Options.Rate, "Frames per second (default 60)")
			->check(CLI::Range(1.0, 1000.0));
		CLI::Option* For = App.add_option("--for", Duration, "Stop after this many seconds (default: until Ctrl-C)")
			->check(CLI::PositiveNumber);
		CLI::Option* ReplayPath = App.add_option("--replay", Options.ReplayPath,
			"Replay a take (JSON lines) at its recorded timing instead of the performance")
			->check(CLI::ExistingFile);
		App.add_flag("--loop", Options.bLoop, "Start the take over when it ends")->needs(ReplayPath);
		ReplayPath->excludes(Actors)->excludes(Props)->excludes(Rate);

		try
		{
			App.parse(Argc, Argv);
		}
		catch (const CLI::CallForHelp&)
		{
			std::printf("%s", App.help().c_str());
			return 0;
		}
		catch (const CLI::ParseError& Error)
		{
			std::fprintf(stderr, "zevo-stream: %s\nRun zevo-stream --help for the options.\n", Error.what());
			return 2;
		}
		FIPv4Endpoint::Parse(FString(To), Options.Destination);
		if (For->count() > 0)
		{
			Options.Duration = Duration;
		}
		if (Options.ReplayPath.empty() && Options.Actors + Options.Props == 0)
		{
			std::fprintf(stderr, "zevo-stream: nothing to send: --actors and --props are both 0\n");
			return 2;
		}
		return std::nullopt;
	}
}

int main(int Argc, char** Argv)
{
	FOptions Options;
	if (const std::optional<int> ExitCode = ParseCommandLine(Argc, Argv, Options))
	{
		return *ExitCode;
	}

	struct sigaction Action{};
	Action.sa_handler = RequestStop;
	sigemptyset(&Action.sa_mask);
	sigaction(SIGINT, &Action, nullptr);
	sigaction(SIGTERM, &Action, nullptr);

	FZevoUdpSender Sender(Options.Destination);
	if (!Sender.IsOpen())
	{
		std::fprintf(stderr, "zevo-stream: %s\n", *Sender.GetError());
		return 1;
	}
	return Options.ReplayPath.empty() ? StreamPerformance(Options, Sender) : Replay(Options, Sender);
}
