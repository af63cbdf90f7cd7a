#include "Logging/LogCapture.h"
#include "Logging/LogMacros.h"

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <vector>

DEFINE_LOG_CATEGORY(LogTemp);

namespace
{
struct FLogState
{
	std::mutex Mutex;
	std::vector<ILogSink*> Sinks;
	bool bConsole = true;
	ELogVerbosity::Type ConsoleVerbosity = ELogVerbosity::Log;
};

FLogState& State()
{
	static FLogState Instance;
	return Instance;
}
}

const char* ELogVerbosity::ToString(Type Verbosity)
{
	switch (Verbosity)
	{
	case Fatal: return "Fatal";
	case Error: return "Error";
	case Warning: return "Warning";
	case Display: return "Display";
	case Log: return "Log";
	case Verbose: return "Verbose";
	case VeryVerbose: return "VeryVerbose";
	default: return "NoLogging";
	}
}

void FLogDispatcher::Log(const FLogCategoryBase& Category, ELogVerbosity::Type Verbosity, const char* Format, ...)
{
	va_list Args;
	va_start(Args, Format);
	const FLogMessage Message{FString(Category.Name), Verbosity, FString::VPrintf(Format, Args)};
	va_end(Args);

	FLogState& S = State();
	std::lock_guard Lock(S.Mutex);
	if (S.bConsole && Verbosity <= S.ConsoleVerbosity)
	{
		if (Verbosity == ELogVerbosity::Log || Verbosity == ELogVerbosity::Display)
		{
			std::fprintf(stderr, "%s: %s\n", Category.Name, *Message.Text);
		}
		else
		{
			std::fprintf(stderr, "%s: %s: %s\n", Category.Name, ELogVerbosity::ToString(Verbosity), *Message.Text);
		}
	}
	for (ILogSink* Sink : S.Sinks)
	{
		Sink->Receive(Message);
	}
}

void FLogDispatcher::AddSink(ILogSink* Sink)
{
	std::lock_guard Lock(State().Mutex);
	State().Sinks.push_back(Sink);
}

void FLogDispatcher::RemoveSink(ILogSink* Sink)
{
	std::lock_guard Lock(State().Mutex);
	auto& Sinks = State().Sinks;
	Sinks.erase(std::remove(Sinks.begin(), Sinks.end(), Sink), Sinks.end());
}

void FLogDispatcher::SetConsoleEnabled(bool bEnabled)
{
	std::lock_guard Lock(State().Mutex);
	State().bConsole = bEnabled;
}

void FLogDispatcher::SetConsoleVerbosity(ELogVerbosity::Type Verbosity)
{
	std::lock_guard Lock(State().Mutex);
	State().ConsoleVerbosity = Verbosity;
}

FLogCapture::FLogCapture()
{
	FLogDispatcher::AddSink(this);
}

FLogCapture::~FLogCapture()
{
	FLogDispatcher::RemoveSink(this);
}

void FLogCapture::Receive(const FLogMessage& Message)
{
	std::lock_guard Lock(Mutex);
	Messages.Add(Message);
}

TArray<FLogMessage> FLogCapture::GetMessages() const
{
	std::lock_guard Lock(Mutex);
	return Messages;
}

int32 FLogCapture::Count(const FString& Text, ELogVerbosity::Type Verbosity) const
{
	std::lock_guard Lock(Mutex);
	int32 Found = 0;
	for (const FLogMessage& M : Messages)
	{
		Found += M.Text.Equals(Text) && (Verbosity == ELogVerbosity::NoLogging || M.Verbosity == Verbosity);
	}
	return Found;
}

int32 FLogCapture::CountContaining(const FString& Fragment, ELogVerbosity::Type Verbosity) const
{
	std::lock_guard Lock(Mutex);
	int32 Found = 0;
	for (const FLogMessage& M : Messages)
	{
		Found += M.Text.Contains(Fragment, ESearchCase::CaseSensitive) && (Verbosity == ELogVerbosity::NoLogging || M.Verbosity == Verbosity);
	}
	return Found;
}

int32 FLogCapture::Num() const
{
	std::lock_guard Lock(Mutex);
	return Messages.Num();
}

void FLogCapture::Clear()
{
	std::lock_guard Lock(Mutex);
	Messages.Reset();
}
