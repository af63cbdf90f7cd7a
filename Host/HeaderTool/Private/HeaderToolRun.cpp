#include "HeaderToolRun.h"

#include "GeneratedCode.h"
#include "HeaderParser.h"
#include "HeaderToolError.h"

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <system_error>

namespace
{
namespace fs = std::filesystem;

bool ReadFile(const fs::path& Path, std::string& Out)
{
	std::ifstream In(Path, std::ios::binary);
	std::stringstream Buffer;
	Buffer << In.rdbuf();
	Out = Buffer.str();
	return In.good() || In.eof();
}

/** Replaces the file through a temporary one, so that a build never sees half of it. */
bool WriteIfChanged(const fs::path& Path, const std::string& Text, std::ostream& Errors)
{
	std::string Existing;
	if (fs::exists(Path) && ReadFile(Path, Existing) && Existing == Text)
	{
		return true;
	}
	const fs::path Temporary = Path.string() + ".tmp";
	{
		std::ofstream Out(Temporary, std::ios::binary | std::ios::trunc);
		Out << Text;
		if (!Out.flush())
		{
			Errors << Path.string() << ": error: cannot be written\n";
			return false;
		}
	}
	std::error_code Error;
	fs::rename(Temporary, Path, Error);
	if (Error)
	{
		Errors << Path.string() << ": error: cannot be written: " << Error.message() << "\n";
		return false;
	}
	return true;
}

std::string IncludePath(const fs::path& Header, const std::vector<std::string>& Roots)
{
	for (const std::string& Root : Roots)
	{
		const fs::path Relative = fs::weakly_canonical(Header).lexically_relative(fs::weakly_canonical(Root));
		if (!Relative.empty() && *Relative.begin() != "..")
		{
			return Relative.generic_string();
		}
	}
	return Header.filename().string();
}

/** The generated headers from earlier runs whose header no longer reflects anything. */
void RemoveStaleHeaders(const fs::path& OutputDir, const std::set<std::string>& Current)
{
	std::error_code Error;
	for (fs::directory_iterator It(OutputDir, Error), End; !Error && It != End; It.increment(Error))
	{
		const std::string Name = It->path().filename().string();
		if (Name.ends_with(".generated.h") && !Current.contains(Name))
		{
			fs::remove(It->path(), Error);
		}
	}
}
}

bool RunHeaderTool(const FHeaderToolOptions& Options, std::ostream& Errors)
{
	std::vector<FGeneratedHeaderInput> Reflected;
	std::set<std::string> GeneratedNames;
	bool bAllRead = true;
	for (const std::string& Path : Options.Headers)
	{
		std::string Source;
		if (!ReadFile(Path, Source))
		{
			Errors << Path << ": error: cannot be read\n";
			bAllRead = false;
			continue;
		}
		try
		{
			FReflectedHeader Header = ParseHeader(Source, fs::path(Path).stem().string());
			if (!Header.HasReflection())
			{
				continue;
			}
			if (!GeneratedNames.insert(Header.BaseName + ".generated.h").second)
			{
				Errors << Path << ": error: another header of the module " << Options.Module << " is also called " << Header.BaseName << ".h\n";
				bAllRead = false;
				continue;
			}
			Reflected.push_back(FGeneratedHeaderInput{std::move(Header), IncludePath(Path, Options.IncludeRoots)});
		}
		catch (const FHeaderToolError& Error)
		{
			Errors << Path << ":" << Error.Line << ": error: " << Error.what() << "\n";
			bAllRead = false;
		}
	}
	if (!bAllRead)
	{
		return false;
	}
	const fs::path OutputDir(Options.OutputDir);
	std::error_code Error;
	fs::create_directories(OutputDir, Error);
	bool bWritten = true;
	for (const FGeneratedHeaderInput& Input : Reflected)
	{
		bWritten = WriteIfChanged(OutputDir / (Input.Header.BaseName + ".generated.h"), WriteGeneratedHeader(Input.Header, Options.Module), Errors) && bWritten;
	}
	RemoveStaleHeaders(OutputDir, GeneratedNames);
	return WriteIfChanged(OutputDir / (Options.Module + ".gen.cpp"), WriteGeneratedSource(Reflected, Options.Module), Errors) && bWritten;
}
