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
		++Score.Expected;
		Score.Correct += Actual.FindRef(FName(Stream.c_str())) == Want ? 1 : 0;
	}
	return Score;
}
}

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
	ASSERT_GE(Scores.Num(), 8);
	for (const FRigScore& Score : Scores)
	{
		std::printf("  %-18s %2d / %d rows as a rigger maps them\n", *Score.Rig, Score.Correct, Score.Expected);
		EXPECT_EQ(Score.Expected, 52) << *Score.Rig;
	}
}
