#pragma once
// FLogCapture: records every log message while it lives, so tests can assert texts and levels.
// Host only: the engine's tests read its log otherwise.
#include "HAL/Platform.h"
#if ZEVO_HOST_EXTENSIONS
#include "Containers/Array.h"
#include "Logging/LogMacros.h"

#include <mutex>

class FLogCapture : public ILogSink
{
public:
	FLogCapture();
	~FLogCapture() override;

	void Receive(const FLogMessage& Message) override;

	TArray<FLogMessage> GetMessages() const;
	/** Messages whose text equals Text exactly (and whose verbosity matches, when given). */
	int32 Count(const FString& Text, ELogVerbosity::Type Verbosity = ELogVerbosity::NoLogging) const;
	/** Messages whose text contains Fragment (case-sensitive). */
	int32 CountContaining(const FString& Fragment, ELogVerbosity::Type Verbosity = ELogVerbosity::NoLogging) const;
	int32 Num() const;
	void Clear();

private:
	mutable std::mutex Mutex;
	TArray<FLogMessage> Messages;
};
#endif
