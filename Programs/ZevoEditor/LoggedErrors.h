#pragma once
// FLoggedErrors: counts the Errors logged while it lives. Some work reports a failure only in the
// log (a settings file that could not be saved, an asset field that could not be read), and a
// command must not call such work a success.
#include "Logging/LogMacros.h"

#include <atomic>

class FLoggedErrors : public ILogSink
{
public:
	FLoggedErrors() { FLogDispatcher::AddSink(this); }
	~FLoggedErrors() override { FLogDispatcher::RemoveSink(this); }
	FLoggedErrors(const FLoggedErrors&) = delete;
	FLoggedErrors& operator=(const FLoggedErrors&) = delete;

	void Receive(const FLogMessage& Message) override
	{
		if (Message.Verbosity <= ELogVerbosity::Error && Message.Verbosity != ELogVerbosity::NoLogging)
		{
			++Count;
		}
	}
	int32 Num() const { return Count.load(); }

private:
	std::atomic<int32> Count{0};
};
