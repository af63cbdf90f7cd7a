// Automatic mapping on rigs of real naming conventions, imported from files, scored against the
// mapping a rigger expects for each (TestData/Rigs/*.mapping.json).
#include "Logging/LogCapture.h"
#include "SkeletonImporter.h"
#include "ZevoRemapAssetEdits.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace
{
struct FRigScore
{
	FString Rig;
	int32 Correct = 0;
	int32 Expected = 0;
	/** "Row: got X, want Y" for every row the automatic mapping got wrong. */
	TArray<FString> Wrong;
};

FRigScore ScoreRig(const std::filesystem::path& MappingFile)
{
	FRigScore Score;
	const nlohmann::json Expected = nlohmann::json::parse(std::ifstream(MappingFile));
	Score.Rig = FString(Expected["rig"].get<std::string>());
	std::filesystem::path RigFile = MappingFile;
	RigFile.replace_extension().replace_extension(".fbx");
	if (!std::filesystem::exists(RigFile))
	{
		RigFile.replace_extension(".bvh");
	}
	FSkeletonImportResult Imported = ImportSkeletonFromFile(FString(RigFile.string()));
	EXPECT_TRUE(Imported.Skeleton) << *Imported.Error;
	if (!Imported.Skeleton)
	{
		return Score;
	}
	UZevoRemapAsset Asset;
	Asset.TargetSkeleton = Imported.Skeleton.get();
	Asset.AutoMapFromTargetSkeleton();
	const TMap<FName, FName> Actual = ZevoRemapAssetEdits::Targets(Asset);
	for (const auto& [Stream, Target] : Expected["mapping"].items())
	{
		const FName Want = Target.is_null() ? NAME_None : FName(Target.get<std::string>().c_str());
		const FName Got = Actual.FindRef(FName(Stream.c_str()));
		++Score.Expected;
		if (Got == Want)
		{
			++Score.Correct;
		}
		else
		{
			Score.Wrong.Add(FString::Printf("%s: got %s, want %s", Stream.c_str(), *Got.ToString(), *Want.ToString()));
		}
	}
	return Score;
}
}

// Prints the table of every rig with the rows it gets wrong, and the total. The rigs cover the
// conventions that users bring; the automatic mapping must get nearly all of their rows right
// and no rig badly wrong.
TEST(ZevoRemapAssetAutoMapRigs, MapsRigsOfRealNamingConventions)
{
	FLogCapture Quiet;
	TArray<FRigScore> Scores;
	for (const auto& Entry : std::filesystem::directory_iterator(ZEVO_TEST_RIGS_DIR))
	{
		if (Entry.path().string().ends_with(".mapping.json"))
		{
			Scores.Add(ScoreRig(Entry.path()));
		}
	}
	Scores.Sort([](const FRigScore& A, const FRigScore& B) { return A.Rig < B.Rig; });
	ASSERT_GE(Scores.Num(), 25);
	int32 Correct = 0;
	int32 Expected = 0;
	for (const FRigScore& Score : Scores)
	{
		std::printf("  %-24s %2d / %d rows as a rigger maps them\n", *Score.Rig, Score.Correct, Score.Expected);
		for (const FString& Row : Score.Wrong)
		{
			std::printf("      %s\n", *Row);
		}
		EXPECT_EQ(Score.Expected, 52) << *Score.Rig;
		EXPECT_GE(Score.Correct, 48) << *Score.Rig;
		Correct += Score.Correct;
		Expected += Score.Expected;
	}
	std::printf("  %-24s %d / %d rows (%.1f%%)\n", "total", Correct, Expected, 100.0 * Correct / FMath::Max(Expected, 1));
	EXPECT_GE(Correct * 100, Expected * 98);
}

// These conventions mapped completely before the whole skeleton was read; they still do.
TEST(ZevoRemapAssetAutoMapRigs, RigsThatMappedCompletelyStillDo)
{
	FLogCapture Quiet;
	for (const char* Rig : {"Mannequin", "Mixamo", "MixamoUnprefixed"})
	{
		const FRigScore Score = ScoreRig(std::filesystem::path(ZEVO_TEST_RIGS_DIR) / (std::string(Rig) + ".mapping.json"));
		EXPECT_EQ(Score.Correct, 52) << Rig;
	}
}
