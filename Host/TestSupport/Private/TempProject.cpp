#include "TempProject.h"

#include "Misc/Paths.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

FTempProject::FTempProject()
{
	std::string Pattern = (std::filesystem::temp_directory_path() / "zevo-project-XXXXXX").string();
	const char* Made = mkdtemp(Pattern.data());
	Dir = FString(std::string(Made ? Made : Pattern.c_str()) + "/");
	FPaths::SetProjectDir(Dir);
}

FTempProject::~FTempProject()
{
	std::error_code Error;
	std::filesystem::remove_all(*Dir, Error);
}

FString FTempProject::ReadFile(const FString& RelativePath) const
{
	std::ifstream In(*(Dir + RelativePath), std::ios::binary);
	std::stringstream Buffer;
	Buffer << In.rdbuf();
	return FString(Buffer.str());
}

void FTempProject::WriteFile(const FString& RelativePath, const FString& Bytes) const
{
	const std::filesystem::path Path(*(Dir + RelativePath));
	std::filesystem::create_directories(Path.parent_path());
	std::ofstream Out(Path, std::ios::binary);
	Out << Bytes.ToStdString();
}
