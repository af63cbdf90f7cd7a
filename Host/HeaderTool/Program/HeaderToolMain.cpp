// The header tool: reads a module's headers and writes the reflection code their UCLASS, USTRUCT,
// UENUM, UPROPERTY and UFUNCTION macros ask for. The build runs it before compiling the module.
//
//   ZevoHeaderTool --module <Name> --output <folder> [--root <folder>]... [--stamp <file>] <header>...
//
// Exit codes: 0 done, 1 a header could not be read or a file not written, 2 bad usage.
#include "HeaderToolRun.h"

#include <cstring>
#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
	FHeaderToolOptions Options;
	std::string Stamp;
	for (int Arg = 1; Arg < argc; ++Arg)
	{
		const bool bHasValue = Arg + 1 < argc;
		if (bHasValue && std::strcmp(argv[Arg], "--module") == 0)
		{
			Options.Module = argv[++Arg];
		}
		else if (bHasValue && std::strcmp(argv[Arg], "--output") == 0)
		{
			Options.OutputDir = argv[++Arg];
		}
		else if (bHasValue && std::strcmp(argv[Arg], "--root") == 0)
		{
			Options.IncludeRoots.push_back(argv[++Arg]);
		}
		else if (bHasValue && std::strcmp(argv[Arg], "--stamp") == 0)
		{
			Stamp = argv[++Arg];
		}
		else if (argv[Arg][0] == '-')
		{
			std::cerr << "ZevoHeaderTool: unknown option or missing value: " << argv[Arg] << "\n";
			return 2;
		}
		else
		{
			Options.Headers.push_back(argv[Arg]);
		}
	}
	if (Options.Module.empty() || Options.OutputDir.empty())
	{
		std::cerr << "usage: ZevoHeaderTool --module <Name> --output <folder> [--root <folder>]... [--stamp <file>] <header>...\n";
		return 2;
	}
	if (!RunHeaderTool(Options, std::cerr))
	{
		return 1;
	}
	// The build's record that the run happened; the generated files keep their times when unchanged.
	if (!Stamp.empty() && !std::ofstream(Stamp, std::ios::trunc))
	{
		std::cerr << Stamp << ": error: cannot be written\n";
		return 1;
	}
	return 0;
}
