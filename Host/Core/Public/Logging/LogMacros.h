#pragma once
// UE_LOG with printf formats. Every message goes to the registered sinks; the default sink
// writes "Category: Verbosity: message" to stderr (Log lines without the verbosity), as the
// engine's console does. Tests attach FLogCapture (Logging/LogCapture.h).
#include "Containers/UnrealString.h"
#include "UObject/NameTypes.h"

namespace ELogVerbosity
{
enum Type : uint8
{
	NoLogging = 0,
	Fatal,
	Error,
	Warning,
	Display,
	Log,
	Verbose,
	VeryVerbose,
};
const char* ToString(Type Verbosity);
}

struct FLogCategoryBase
{
	explicit FLogCategoryBase(const char* InName) : Name(InName) {}
	const char* Name;
};

struct FLogMessage
{
	FString Category;
	ELogVerbosity::Type Verbosity;
	FString Text;
};

class ILogSink
{
public:
	virtual ~ILogSink() = default;
	/** Called from any thread, one call at a time. */
	virtual void Receive(const FLogMessage& Message) = 0;
};

struct FLogDispatcher
{
	static void Log(const FLogCategoryBase& Category, ELogVerbosity::Type Verbosity, const char* Format, ...)
		__attribute__((format(printf, 3, 4)));
	static void AddSink(ILogSink* Sink);
	static void RemoveSink(ILogSink* Sink);
	/** The stderr sink: on by default; tests and quiet commands turn it off. */
	static void SetConsoleEnabled(bool bEnabled);
	/** Lowest verbosity the console prints (default Log). */
	static void SetConsoleVerbosity(ELogVerbosity::Type Verbosity);
};

#define DECLARE_LOG_CATEGORY_EXTERN(CategoryName, DefaultVerbosity, CompileTimeVerbosity) \
	extern FLogCategoryBase CategoryName
#define DEFINE_LOG_CATEGORY(CategoryName) FLogCategoryBase CategoryName(#CategoryName)

DECLARE_LOG_CATEGORY_EXTERN(LogTemp, Log, All);

#define UE_LOG(CategoryName, Verbosity, Format, ...) \
	FLogDispatcher::Log(CategoryName, ELogVerbosity::Verbosity, Format, ##__VA_ARGS__)
