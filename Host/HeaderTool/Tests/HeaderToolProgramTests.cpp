// The header tool as the build runs it: a header it cannot read fails the run with the file and
// line, and writes nothing; a good run writes the generated files, and rewrites only what changed.
#include "ChildProcess.h"
#include "TempProject.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace
{
const char* const GoodHeader = "#pragma once\n#include \"UObject/Object.h\"\n#include \"Good.generated.h\"\n\n"
							   "UCLASS()\nclass UGood : public UObject\n{\n\tGENERATED_BODY()\n};\n";

int RunTool(const FTempProject& Project, const std::vector<std::string>& Headers, const std::string& OutputName)
{
	std::vector<std::string> Args = {"--module", "Sample", "--output", std::string(*Project.GetDir()) + "Out", "--stamp",
		std::string(*Project.GetDir()) + "Out/Sample.stamp", "--root", std::string(*Project.GetDir()) + "Source"};
	for (const std::string& Header : Headers)
	{
		Args.push_back(std::string(*Project.GetDir()) + "Source/" + Header);
	}
	FChildProcess Tool(Project, ZEVO_HEADER_TOOL, Args, OutputName);
	return Tool.Wait(30.0);
}

std::string ErrorsOf(const FTempProject& Project, const std::string& OutputName)
{
	return std::string(*Project.ReadFile(FString(OutputName + ".err")));
}
}

TEST(HeaderToolProgram, AHeaderItCannotReadFailsTheRunWithFileAndLineAndWritesNothing)
{
	FTempProject Project;
	Project.WriteFile("Source/Good.h", GoodHeader);
	Project.WriteFile("Source/Bad/Broken.h", "#pragma once\n#include \"Broken.generated.h\"\n\nUCLASS(meta = (ToolTip = \"a, b\", (c)))\n"
											 "class UBroken : public UObject\n{\n\tGENERATED_BODY()\n};\n");
	EXPECT_EQ(RunTool(Project, {"Good.h", "Bad/Broken.h"}, "bad"), 1);
	EXPECT_EQ(ErrorsOf(Project, "bad"),
		std::string(*Project.GetDir()) + "Source/Bad/Broken.h:4: error: UCLASS: expected a metadata key, found '('\n");
	EXPECT_FALSE(std::filesystem::exists(std::string(*Project.GetDir()) + "Out")) << "nothing half-done for the build to pick up";
}

TEST(HeaderToolProgram, WritesEachReflectedHeadersFileAndRewritesOnlyWhatChanged)
{
	FTempProject Project;
	Project.WriteFile("Source/Good.h", GoodHeader);
	Project.WriteFile("Source/Private/Plain.h", "#pragma once\nstruct FPlain {};\n");
	ASSERT_EQ(RunTool(Project, {"Good.h", "Private/Plain.h"}, "first"), 0) << ErrorsOf(Project, "first");
	const std::filesystem::path Out(std::string(*Project.GetDir()) + "Out");
	EXPECT_TRUE(std::filesystem::exists(Out / "Good.generated.h"));
	EXPECT_FALSE(std::filesystem::exists(Out / "Plain.generated.h"));
	EXPECT_NE(Project.ReadFile("Out/Sample.gen.cpp").Find("#include \"Good.h\""), INDEX_NONE) << "included as the module includes it";
	EXPECT_NE(Project.ReadFile("Out/Good.generated.h").Find("#define FID_Sample_Good_h_8_GENERATED_BODY"), INDEX_NONE);

	const auto Written = std::filesystem::last_write_time(Out / "Good.generated.h");
	std::filesystem::last_write_time(Out / "Good.generated.h", Written - std::chrono::hours(1));
	ASSERT_EQ(RunTool(Project, {"Good.h", "Private/Plain.h"}, "again"), 0);
	EXPECT_EQ(std::filesystem::last_write_time(Out / "Good.generated.h"), Written - std::chrono::hours(1)) << "unchanged, not rewritten";

	// A header that no longer reflects anything leaves no generated header behind.
	Project.WriteFile("Source/Good.h", "#pragma once\n");
	ASSERT_EQ(RunTool(Project, {"Good.h", "Private/Plain.h"}, "emptied"), 0);
	EXPECT_FALSE(std::filesystem::exists(Out / "Good.generated.h"));
}

TEST(HeaderToolProgram, BadUsageIsExitCodeTwo)
{
	FTempProject Project;
	FChildProcess Tool(Project, ZEVO_HEADER_TOOL, {"--module"}, "usage");
	EXPECT_EQ(Tool.Wait(30.0), 2);
	EXPECT_NE(Tool.Err().find("missing value: --module"), std::string::npos);
}
