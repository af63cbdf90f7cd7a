#include "Misc/FileHelper.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace
{
void AppendUtf8(std::string& Out, uint32 CodePoint)
{
	if (CodePoint < 0x80)
	{
		Out += char(CodePoint);
	}
	else if (CodePoint < 0x800)
	{
		Out += char(0xC0 | (CodePoint >> 6));
		Out += char(0x80 | (CodePoint & 0x3F));
	}
	else if (CodePoint < 0x10000)
	{
		Out += char(0xE0 | (CodePoint >> 12));
		Out += char(0x80 | ((CodePoint >> 6) & 0x3F));
		Out += char(0x80 | (CodePoint & 0x3F));
	}
	else
	{
		Out += char(0xF0 | (CodePoint >> 18));
		Out += char(0x80 | ((CodePoint >> 12) & 0x3F));
		Out += char(0x80 | ((CodePoint >> 6) & 0x3F));
		Out += char(0x80 | (CodePoint & 0x3F));
	}
}

std::string Utf16ToUtf8(const uint8* Bytes, size_t Count, bool bBigEndian)
{
	std::string Out;
	for (size_t I = 0; I + 1 < Count; I += 2)
	{
		uint32 Unit = bBigEndian ? (Bytes[I] << 8 | Bytes[I + 1]) : (Bytes[I + 1] << 8 | Bytes[I]);
		if (Unit >= 0xD800 && Unit < 0xDC00 && I + 3 < Count)
		{
			const uint32 Low = bBigEndian ? (Bytes[I + 2] << 8 | Bytes[I + 3]) : (Bytes[I + 3] << 8 | Bytes[I + 2]);
			if (Low >= 0xDC00 && Low < 0xE000)
			{
				Unit = 0x10000 + ((Unit - 0xD800) << 10) + (Low - 0xDC00);
				I += 2;
			}
		}
		AppendUtf8(Out, Unit);
	}
	return Out;
}

std::string Utf8ToUtf16LeWithBom(const std::string& In)
{
	std::string Out = "\xFF\xFE";
	const auto PutUnit = [&Out](uint32 Unit) {
		Out += char(Unit & 0xFF);
		Out += char(Unit >> 8);
	};
	for (size_t I = 0; I < In.size();)
	{
		const uint8 Lead = static_cast<uint8>(In[I]);
		uint32 CodePoint = Lead;
		size_t Extra = 0;
		if (Lead >= 0xF0) { CodePoint = Lead & 0x07; Extra = 3; }
		else if (Lead >= 0xE0) { CodePoint = Lead & 0x0F; Extra = 2; }
		else if (Lead >= 0xC0) { CodePoint = Lead & 0x1F; Extra = 1; }
		for (size_t K = 1; K <= Extra && I + K < In.size(); ++K)
		{
			CodePoint = (CodePoint << 6) | (static_cast<uint8>(In[I + K]) & 0x3F);
		}
		I += Extra + 1;
		if (CodePoint >= 0x10000)
		{
			CodePoint -= 0x10000;
			PutUnit(0xD800 + (CodePoint >> 10));
			PutUnit(0xDC00 + (CodePoint & 0x3FF));
		}
		else
		{
			PutUnit(CodePoint);
		}
	}
	return Out;
}

// A save writes "<file>.tmp<pid>.<sequence>" beside the file, then renames it over the file.
constexpr const char* TemporaryMarker = ".tmp";

/** The process id in a temporary file's name, or 0 when the name is not one of ours. */
pid_t WriterOfTemporaryFile(const std::string& Name)
{
	const size_t Marker = Name.rfind(TemporaryMarker);
	const size_t Dot = Marker == std::string::npos ? std::string::npos : Name.find('.', Marker + 4);
	if (Marker == 0 || Dot == std::string::npos || Dot == Marker + 4 || Dot + 1 == Name.size())
	{
		return 0;
	}
	const std::string Pid = Name.substr(Marker + 4, Dot - Marker - 4);
	const std::string Sequence = Name.substr(Dot + 1);
	const auto AllDigits = [](const std::string& Text) { return Text.find_first_not_of("0123456789") == std::string::npos; };
	return AllDigits(Pid) && AllDigits(Sequence) && Pid.size() < 10 ? static_cast<pid_t>(std::stol(Pid)) : 0;
}

bool WriteAtomically(const char* Filename, const void* Data, size_t Count)
{
	static std::atomic<uint32> Sequence{0};
	const std::string Temporary = std::string(Filename) + TemporaryMarker + std::to_string(getpid()) + "." + std::to_string(Sequence++);
	const int File = ::open(Temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
	if (File < 0)
	{
		return false;
	}
	const char* Cursor = static_cast<const char*>(Data);
	size_t Left = Count;
	bool bOk = true;
	while (Left > 0)
	{
		const ssize_t Written = ::write(File, Cursor, Left);
		if (Written <= 0)
		{
			bOk = false;
			break;
		}
		Cursor += Written;
		Left -= static_cast<size_t>(Written);
	}
	bOk = bOk && ::fsync(File) == 0;
	bOk = (::close(File) == 0) && bOk;
	if (!bOk || std::rename(Temporary.c_str(), Filename) != 0)
	{
		std::remove(Temporary.c_str());
		return false;
	}
	return true;
}
}

bool FFileHelper::LoadFileToArray(TArray<uint8>& Result, const char* Filename)
{
	std::FILE* File = std::fopen(Filename, "rb");
	if (!File)
	{
		return false;
	}
	Result.Reset();
	uint8 Buffer[65536];
	size_t Read;
	while ((Read = std::fread(Buffer, 1, sizeof(Buffer), File)) > 0)
	{
		Result.Append(Buffer, static_cast<int32>(Read));
	}
	const bool bOk = !std::ferror(File);
	std::fclose(File);
	return bOk;
}

bool FFileHelper::LoadFileToString(FString& Result, const char* Filename)
{
	TArray<uint8> Bytes;
	if (!LoadFileToArray(Bytes, Filename))
	{
		return false;
	}
	const uint8* Data = Bytes.GetData();
	const size_t Count = static_cast<size_t>(Bytes.Num());
	if (Count >= 2 && Data[0] == 0xFF && Data[1] == 0xFE)
	{
		Result = FString(Utf16ToUtf8(Data + 2, Count - 2, false));
	}
	else if (Count >= 2 && Data[0] == 0xFE && Data[1] == 0xFF)
	{
		Result = FString(Utf16ToUtf8(Data + 2, Count - 2, true));
	}
	else if (Count >= 3 && Data[0] == 0xEF && Data[1] == 0xBB && Data[2] == 0xBF)
	{
		Result = FString(std::string(reinterpret_cast<const char*>(Data) + 3, Count - 3));
	}
	else
	{
		Result = FString(std::string(reinterpret_cast<const char*>(Data), Count));
	}
	return true;
}

bool FFileHelper::SaveStringToFile(const FString& String, const char* Filename, EEncodingOptions EncodingOptions, IFileManager*, uint32)
{
	const std::string& Text = String.ToStdString();
	bool bAscii = true;
	for (const char C : Text)
	{
		bAscii = bAscii && static_cast<uint8>(C) < 0x80;
	}
	if (EncodingOptions == EEncodingOptions::ForceUnicode || (EncodingOptions == EEncodingOptions::AutoDetect && !bAscii))
	{
		const std::string Wide = Utf8ToUtf16LeWithBom(Text);
		return WriteAtomically(Filename, Wide.data(), Wide.size());
	}
	if (EncodingOptions == EEncodingOptions::ForceUTF8)
	{
		const std::string WithBom = "\xEF\xBB\xBF" + Text;
		return WriteAtomically(Filename, WithBom.data(), WithBom.size());
	}
	return WriteAtomically(Filename, Text.data(), Text.size());
}

bool FFileHelper::SaveArrayToFile(const TArray<uint8>& Bytes, const char* Filename)
{
	return WriteAtomically(Filename, Bytes.GetData(), static_cast<size_t>(Bytes.Num()));
}

int32 FFileHelper::RemoveStaleTemporaryFiles(const FString& Directory)
{
	int32 Removed = 0;
	std::error_code Error;
	for (std::filesystem::recursive_directory_iterator It(*Directory, Error), End; !Error && It != End; It.increment(Error))
	{
		const pid_t Writer = It->is_regular_file(Error) ? WriterOfTemporaryFile(It->path().filename().string()) : 0;
		// kill with signal 0 only asks whether the process exists.
		const bool bWriterGone = Writer > 0 && Writer != getpid() && ::kill(Writer, 0) != 0 && errno == ESRCH;
		std::error_code RemoveError;
		if (bWriterGone && std::filesystem::remove(It->path(), RemoveError))
		{
			++Removed;
		}
	}
	return Removed;
}
