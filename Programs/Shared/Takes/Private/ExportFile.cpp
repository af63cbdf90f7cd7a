#include "ExportFile.h"

#include "Misc/Paths.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <limits.h>
#include <unistd.h>

namespace
{
// The one export of the process in flight, for the signal handler: a fixed buffer, since a handler
// may only call what is safe in it (unlink, signal, raise).
char GPartialPath[PATH_MAX] = {};
struct sigaction GPreviousInterrupt = {};
struct sigaction GPreviousTerminate = {};

extern "C" void RemovePartialAndStop(int Signal)
{
	if (GPartialPath[0] != '\0')
	{
		unlink(GPartialPath);
	}
	signal(Signal, SIG_DFL);
	raise(Signal);
}

}

FExportFile::FExportFile(const FString& InPath)
	: Path(InPath)
	, TemporaryPath((FPaths::GetPath(InPath).IsEmpty() ? FString() : FPaths::GetPath(InPath) + "/") + "." + FPaths::GetCleanFilename(InPath)
		  + ".partial-" + FString::FromInt(getpid()))
{
	if (TemporaryPath.Len() < PATH_MAX)
	{
		std::memcpy(GPartialPath, *TemporaryPath, size_t(TemporaryPath.Len()) + 1);
	}
	struct sigaction Action = {};
	Action.sa_handler = RemovePartialAndStop;
	sigemptyset(&Action.sa_mask);
	sigaction(SIGINT, &Action, &GPreviousInterrupt);
	sigaction(SIGTERM, &Action, &GPreviousTerminate);
}

FExportFile::~FExportFile()
{
	sigaction(SIGINT, &GPreviousInterrupt, nullptr);
	sigaction(SIGTERM, &GPreviousTerminate, nullptr);
	GPartialPath[0] = '\0';
	if (!bCommitted)
	{
		unlink(*TemporaryPath);
	}
}

bool FExportFile::Commit(FString& OutError)
{
	// The data reaches the disk before the name does, so that a crash cannot leave an empty output.
	const int File = open(*TemporaryPath, O_RDONLY | O_CLOEXEC);
	const bool bSynced = File >= 0 && fsync(File) == 0;
	if (File >= 0)
	{
		close(File);
	}
	if (!bSynced || std::rename(*TemporaryPath, *Path) != 0)
	{
		OutError = FString::Printf("cannot write %s: %s", *Path, std::strerror(errno));
		return false;
	}
	bCommitted = true;
	return true;
}
