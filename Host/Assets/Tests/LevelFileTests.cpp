#include "Components/StaticMeshComponent.h"
#include "Engine/StaticMesh.h"
#include "LevelFile.h"
#include "Logging/LogCapture.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "TempProject.h"

#include <gtest/gtest.h>

namespace
{
FString GoldenLevel()
{
	FString Text;
	FFileHelper::LoadFileToString(Text, *(FString(ZEVO_TESTS_DIR) / "Golden" / "TestLevel.json"));
	return Text;
}

void ExpectGoldenCrate(const UWorld& World)
{
	ASSERT_EQ(World.GetActors().Num(), 1);
	const AActor* Crate = World.GetActors()[0];
	EXPECT_EQ(Crate->GetFName(), FName("Crate"));
	EXPECT_EQ(Crate->GetActorLabel(), "Crate on the shelf");
	ASSERT_NE(Crate->GetRootComponent(), nullptr);
	EXPECT_EQ(Crate->GetRootComponent()->GetFName(), FName("Root"));
	EXPECT_TRUE(Crate->GetActorLocation().Equals(FVector(10, -20, 30.5), 1e-9));
	const auto* Body = Crate->FindComponentByClass<UStaticMeshComponent>();
	ASSERT_NE(Body, nullptr);
	EXPECT_EQ(Body->GetAttachParent(), Crate->GetRootComponent());
	EXPECT_TRUE(Body->bHiddenInGame);
	ASSERT_NE(Body->GetStaticMesh(), nullptr);
	EXPECT_EQ(Body->GetStaticMesh()->GetBounds().BoxExtent, FVector(50, 50, 50)) << "the engine cube is 100 cm wide";
	// Root scaled 2 and turned a quarter about Z: the body's (0, 0, 5) lands 10 cm above the root.
	EXPECT_TRUE(Body->GetComponentLocation().Equals(FVector(10, -20, 40.5), 1e-9));
	EXPECT_TRUE(Body->IsRegistered());
}
}

TEST(LevelFile, GoldenLevelKeepsLoadingAndSavesBackToTheSameWorld)
{
	FTempProject Project;
	Project.WriteFile("Content/Maps/Golden.json", GoldenLevel());
	FLogCapture Log;
	UWorld World;
	EXPECT_EQ(FLevelFile::LoadLevel(World, "/Game/Maps/Golden"), 1);
	EXPECT_EQ(Log.Num(), 0);
	ExpectGoldenCrate(World);

	ASSERT_TRUE(FLevelFile::SaveLevel(World, "/Game/Maps/Saved"));
	UWorld Reloaded;
	EXPECT_EQ(FLevelFile::LoadLevel(Reloaded, "/Game/Maps/Saved"), 1);
	EXPECT_EQ(Log.Num(), 0);
	ExpectGoldenCrate(Reloaded);
}

TEST(LevelFile, MalformedLevelsLoadWhatTheyCanAndSayWhatIsWrong)
{
	struct FCase
	{
		const char* Text;
		int32 ExpectedActors;
		const char* ExpectedError;
	};
	const FCase Cases[] = {
		{"{", 0, "not valid JSON"},
		{"[]", 0, "a level file is an object"},
		{R"({"Class": "Level"})", 0, "a level file is an object"},
		{R"({"Class": "Asset", "Actors": []})", 0, "a level file is an object"},
		{R"({"Class": "Level", "Actors": [{"Class": "Nope"}]})", 0, "Actors[0].Class: 'Nope' is not a known Actor class"},
		{R"({"Class": "Level", "Actors": [{"Class": "SceneComponent"}]})", 0, "is not a known Actor class"},
		{R"({"Class": "Level", "Actors": [7, {"Class": "Actor"}]})", 1, "Actors[0]: expected an object"},
		{R"({"Class": "Level", "Actors": [{"Class": 7}]})", 0, "Actors[0].Class: expected a string"},
		{R"({"Class": "Level", "Actors": [{"Class": "Actor", "Components": [{"Class": "Actor", "Name": "A"}]}]})", 1,
			"Components[0].Class: 'Actor' is not a known ActorComponent class"},
		{R"({"Class": "Level", "Actors": [{"Class": "Actor", "Components": [{"Class": "SceneComponent"}]}]})", 1,
			"Components[0].Name: expected a string"},
		{R"({"Class": "Level", "Actors": [{"Class": "Actor", "Components": {}}]})", 1, "Components: expected an array"},
		{R"({"Class": "Level", "Actors": [{"Class": "Actor", "RootComponent": "Root"}]})", 1, "no scene component named 'Root'"},
		{R"({"Class": "Level", "Actors": [{"Class": "Actor", "Components": [{"Class": "SceneComponent", "Name": "Root",
			"Properties": {"RelativeLocation": "far"}}]}]})", 1, "RelativeLocation"},
	};
	for (const FCase& Case : Cases)
	{
		FLogCapture Log;
		UWorld World;
		EXPECT_EQ(FLevelFile::LoadFromString(World, Case.Text, "Bad.json"), Case.ExpectedActors) << Case.Text;
		EXPECT_EQ(World.GetActors().Num(), Case.ExpectedActors) << Case.Text;
		EXPECT_EQ(Log.CountContaining(Case.ExpectedError, ELogVerbosity::Error), 1) << Case.Text;
	}
}

TEST(LevelFile, InvalidOrMissingLevelIsAnError)
{
	FTempProject Project;
	FLogCapture Log;
	UWorld World;
	EXPECT_EQ(FLevelFile::LoadLevel(World, "/Game/Maps/Missing"), -1);
	EXPECT_EQ(FLevelFile::LoadLevel(World, "/Game/../Outside"), -1);
	EXPECT_FALSE(FLevelFile::SaveLevel(World, "/Nowhere/Level"));
	EXPECT_EQ(Log.CountContaining("", ELogVerbosity::Error), 3);
}
