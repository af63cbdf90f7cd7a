#include "TakeLineSource.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <simdjson.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
constexpr size_t BlockBytes = 1u << 20;
}

FTakeLineSource::~FTakeLineSource()
{
	if (File >= 0)
	{
		close(File);
	}
}

bool FTakeLineSource::Open(const FString& InPath, FString& OutError)
{
	Path = InPath;
	File = open(*Path, O_RDONLY | O_CLOEXEC);
	struct stat Status = {};
	if (File < 0 || fstat(File, &Status) != 0)
	{
		OutError = FString::Printf("cannot read %s: %s", *Path, std::strerror(errno));
		return false;
	}
	if (S_ISDIR(Status.st_mode))
	{
		OutError = FString::Printf("cannot read %s: it is a folder", *Path);
		return false;
	}
	FileSize = S_ISREG(Status.st_mode) ? uint64(Status.st_size) : 0;
	Buffer.resize(BlockBytes + simdjson::SIMDJSON_PADDING);
	return true;
}

bool FTakeLineSource::Fill()
{
	if (bEndOfFile || File < 0)
	{
		return false;
	}
	// Keep the unfinished line, moved to the front; grow only for a line longer than a block.
	std::memmove(Buffer.data(), Buffer.data() + Begin, End - Begin);
	End -= Begin;
	Begin = 0;
	if (Buffer.size() - simdjson::SIMDJSON_PADDING - End < BlockBytes / 2)
	{
		Buffer.resize(Buffer.size() * 2);
	}
	const size_t Room = Buffer.size() - simdjson::SIMDJSON_PADDING - End;
	ssize_t Count;
	do
	{
		Count = read(File, Buffer.data() + End, Room);
	} while (Count < 0 && errno == EINTR);
	if (Count < 0)
	{
		ReadError = FString::Printf("cannot read %s: %s (after line %lld)", *Path, std::strerror(errno), static_cast<long long>(LineNumber));
		bEndOfFile = true;
		return false;
	}
	bEndOfFile = Count == 0;
	End += size_t(Count);
	BytesRead += uint64(Count);
	return Count > 0;
}

void FTakeLineSource::SkipRestOfLine()
{
	Begin = End = 0;
	while (Fill())
	{
		const void* LineEnd = std::memchr(Buffer.data(), '\n', End);
		if (LineEnd)
		{
			Begin = size_t(static_cast<const char*>(LineEnd) - Buffer.data()) + 1;
			return;
		}
		Begin = End = 0;
	}
}

bool FTakeLineSource::Next(FLine& OutLine)
{
	if (File < 0)
	{
		return false;
	}
	size_t Searched = Begin;
	for (;;)
	{
		const void* Found = std::memchr(Buffer.data() + Searched, '\n', End - Searched);
		if (Found || (bEndOfFile && Begin < End) || End - Begin > MaxLineBytes)
		{
			const size_t LineEnd = Found ? size_t(static_cast<const char*>(Found) - Buffer.data()) : End;
			OutLine.Text = std::string_view(Buffer.data() + Begin, std::min(LineEnd - Begin, MaxLineBytes));
			OutLine.Capacity = Buffer.size() - Begin;
			OutLine.Number = ++LineNumber;
			OutLine.bEnded = Found != nullptr;
			OutLine.bTooLong = LineEnd - Begin > MaxLineBytes;
			Begin = Found ? LineEnd + 1 : LineEnd;
			if (OutLine.bTooLong && !Found)
			{
				SkipRestOfLine();
				OutLine.Text = std::string_view();
			}
			OutLine.bLast = bEndOfFile && Begin == End;
			return true;
		}
		if (bEndOfFile)
		{
			return false;
		}
		Searched = End - Begin;
		if (!Fill())
		{
			if (!bEndOfFile || Begin == End)
			{
				return false;
			}
			Searched = End;
		}
		else
		{
			Searched = Begin + Searched;
		}
	}
}
