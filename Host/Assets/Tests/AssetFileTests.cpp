#include "AssetFile.h"
#include "AssetTestTypes.h"
#include "Logging/LogCapture.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "TempProject.h"

#include <gtest/gtest.h>

namespace
{
FString GoldenFile(const char* Name)
{
	FString Text;
	FFileHelper::LoadFileToString(Text, *(FString(ZEVO_TESTS_DIR) / "Golden" / Name));
	return Text;
}

/** Each test gets its own package names: loaded packages live for the process. */
FString UniqueName(const char* Base)
{
	static int32 Counter = 0;
	return FString::Printf("%s%d", Base, ++Counter);
}
}

TEST(AssetFile, GoldenAssetKeepsLoadingWithItsReferences)
{
	FTempProject Project;
	const FString Folder = UniqueName("Golden");
	Project.WriteFile("Content/" + Folder + "/TestAsset.json",
		GoldenFile("TestAsset.json").Replace("/Game/Golden/", *("/Game/" + Folder + "/")));
	Project.WriteFile("Content/" + Folder + "/TestSkeleton.json", GoldenFile("TestSkeleton.json"));
	FLogCapture Log;

	const UAssetTestAsset* Asset = LoadObject<UAssetTestAsset>(nullptr, "/Game/" + Folder + "/TestAsset.TestAsset");
	ASSERT_NE(Asset, nullptr);
	EXPECT_EQ(Log.Num(), 0);
	ASSERT_NE(Asset->Skeleton, nullptr);
	EXPECT_EQ(Asset->Skeleton->Label, "Golden skeleton");
	EXPECT_EQ(Asset->Skeleton->GetPathName(), "/Game/" + Folder + "/TestSkeleton.TestSkeleton");
	EXPECT_EQ(Asset->GroundOffset, -2.5f);
	EXPECT_FALSE(Asset->bUseCorrection);
	EXPECT_EQ(Asset->Count, 52);
	EXPECT_EQ(Asset->Level, 255);
	EXPECT_EQ(Asset->Weight, 0.1);
	EXPECT_EQ(Asset->Status, "3 unmapped");
	EXPECT_EQ(Asset->RootName, FName("Hips"));
	EXPECT_EQ(Asset->Side, EAssetTestSide::Right);
	EXPECT_LT(Asset->Pose.Rotation.AngularDistance(FQuat(FVector(0, 0, 1), UE_PI / 2)), 1e-9);
	EXPECT_EQ(Asset->Pose.Translation, FVector(1.0, -2.0, 100.5));
	EXPECT_EQ(Asset->Tint, FLinearColor(0.2f, 1.0f, 0.2f, 1.0f));
	ASSERT_EQ(Asset->Rows.Num(), 2);
	EXPECT_EQ(Asset->Rows[0].Target, FName("thigh_l"));
	EXPECT_EQ(Asset->Rows[1].Side, EAssetTestSide::Right);
	EXPECT_TRUE(Asset->Rows[1].Target.IsNone());
	EXPECT_EQ(Asset->Rows[1].Offset, FVector(0.5, 0.0, -3.0));
	EXPECT_EQ(Asset->Samples, (TArray<float>{0.1f, 1.5f, -7.0f}));

	// Written back, the asset is the golden text again (apart from where it lives).
	EXPECT_EQ(FAssetFile::ToJson(*Asset).Replace(*("/Game/" + Folder + "/"), "/Game/Golden/"), GoldenFile("TestAsset.json"));
}

TEST(AssetFile, SavedAssetsLoadBackIdenticallyAndOncePerProcess)
{
	FTempProject Project;
	const FString Package = "/Game/" + UniqueName("Saved") + "/Hero";
	UAssetTestSkeleton* Skeleton = NewObject<UAssetTestSkeleton>(CreatePackage(Package + "Skeleton"), UAssetTestSkeleton::StaticClass(), "HeroSkeleton");
	UAssetTestAsset* Asset = NewObject<UAssetTestAsset>(CreatePackage(Package), UAssetTestAsset::StaticClass(), "Hero");
	Asset->Skeleton = Skeleton;
	Asset->GroundOffset = 0.1f;
	Asset->Weight = 1.0 / 3.0;
	Asset->Status = "quote \" and\nnewline";
	Asset->Side = EAssetTestSide::Right;
	Asset->Pose = FTransform(FQuat(0.5, 0.5, 0.5, 0.5), FVector(1.25, 2, 3), FVector(2, 2, 2));
	Asset->Rows = {{EAssetTestSide::Left, "thigh_l", FVector(1, 2, 3)}};
	Asset->Samples = {3.4028235e38f, -0.0f};
	Asset->Cache = 99.f;
	ASSERT_TRUE(FAssetFile::SaveObject(*Skeleton));
	ASSERT_TRUE(FAssetFile::SaveObject(*Asset));
	EXPECT_FALSE(Project.ReadFile("Content/" + Package.RightChop(6) + ".json").Contains("Cache"));

	UPackage Elsewhere;
	const UObject* Loaded = FAssetFile::LoadFromFile(Project.GetDir() + "Content/" + Package.RightChop(6) + ".json", &Elsewhere, "Copy");
	ASSERT_NE(Loaded, nullptr);
	EXPECT_EQ(FAssetFile::ToJson(*Loaded), FAssetFile::ToJson(*Asset));
	EXPECT_EQ(static_cast<const UAssetTestAsset*>(Loaded)->Skeleton, Skeleton);
	// Transient state is not read from the file; PostLoad derives it.
	EXPECT_EQ(static_cast<const UAssetTestAsset*>(Loaded)->Cache, 2.f);

	// In memory already: LoadObject finds it and never reads the file again.
	Project.WriteFile("Content/" + Package.RightChop(6) + ".json", "garbage");
	EXPECT_EQ(LoadObject<UAssetTestAsset>(nullptr, Package + ".Hero"), Asset);
}

TEST(AssetFile, TextThatIsNotUtf8IsSavedWithReplacementCharacters)
{
	// A name typed on a command line in an 8-bit code page reaches the asset as it was typed.
	FTempProject Project;
	const FString Package = "/Game/" + UniqueName("Latin1") + "/Hero";
	UAssetTestAsset* Asset = NewObject<UAssetTestAsset>(CreatePackage(Package), UAssetTestAsset::StaticClass(), "Hero");
	Asset->Status = "caf\xe9";
	Asset->Rows = {{EAssetTestSide::Left, FName("thigh\x97l"), FVector(1, 2, 3)}};
	ASSERT_TRUE(FAssetFile::SaveObject(*Asset));
	const FString Saved = Project.ReadFile("Content/" + Package.RightChop(6) + ".json");
	EXPECT_TRUE(Saved.Contains("caf\xef\xbf\xbd", ESearchCase::CaseSensitive)) << *Saved;
	EXPECT_TRUE(Saved.Contains("thigh\xef\xbf\xbdl", ESearchCase::CaseSensitive)) << *Saved;
}

TEST(AssetFile, AssetsThatReferToEachOtherLoadOnce)
{
	FTempProject Project;
	const FString Folder = UniqueName("Cycle");
	const FString First = "/Game/" + Folder + "/First.First";
	const FString Second = "/Game/" + Folder + "/Second.Second";
	Project.WriteFile("Content/" + Folder + "/First.json", "{\"Class\":\"AssetTestSkeleton\",\"Properties\":{\"Partner\":\"" + Second + "\"}}");
	Project.WriteFile("Content/" + Folder + "/Second.json", "{\"Class\":\"AssetTestSkeleton\",\"Properties\":{\"Partner\":\"" + First + "\"}}");
	const UAssetTestSkeleton* Loaded = LoadObject<UAssetTestSkeleton>(nullptr, First);
	ASSERT_NE(Loaded, nullptr);
	ASSERT_NE(Loaded->Partner, nullptr);
	EXPECT_EQ(Loaded->Partner->Partner, Loaded);
}

TEST(AssetFile, MalformedFilesLoadWhatTheyCanAndNameFileAndField)
{
	const struct
	{
		const char* Text;
		bool bLoads;
		const char* Error;
	} Cases[] = {
		{"", false, "test.json: not valid JSON"},
		{"{\"Class\":", false, "test.json: not valid JSON"},
		{"[]", false, "test.json: Class: missing"},
		{"{\"Properties\":{}}", false, "test.json: Class: missing"},
		{"{\"Class\":7}", false, "test.json: Class: missing"},
		{"{\"Class\":\"NoSuchClass\"}", false, "test.json: Class: unknown class 'NoSuchClass'"},
		{"{\"Class\":\"Object\"}", true, nullptr},
		{"{\"Class\":\"AssetTestAsset\"}", true, nullptr},
		{"{\"Class\":\"AssetTestAsset\",\"Properties\":[]}", true, "test.json: Properties: expected an object, found array"},
		{"{\"Class\":\"AssetTestAsset\",\"Properties\":{\"Bogus\":1}}", true, "test.json: Properties.Bogus: no such saved property"},
		{"{\"Class\":\"AssetTestAsset\",\"Properties\":{\"Cache\":1}}", true, "test.json: Properties.Cache: no such saved property"},
		{"{\"Class\":\"AssetTestAsset\",\"Properties\":{\"GroundOffset\":\"high\"}}", true,
			"test.json: Properties.GroundOffset: expected a number, found string"},
		{"{\"Class\":\"AssetTestAsset\",\"Properties\":{\"GroundOffset\":1e300}}", true,
			"test.json: Properties.GroundOffset: number out of range for float"},
		{"{\"Class\":\"AssetTestAsset\",\"Properties\":{\"Count\":1.5}}", true, "test.json: Properties.Count: expected a whole number"},
		{"{\"Class\":\"AssetTestAsset\",\"Properties\":{\"Count\":99999999999}}", true, "test.json: Properties.Count: number out of range"},
		{"{\"Class\":\"AssetTestAsset\",\"Properties\":{\"Level\":-1}}", true, "test.json: Properties.Level: number out of range for uint8"},
		{"{\"Class\":\"AssetTestAsset\",\"Properties\":{\"bUseCorrection\":1}}", true,
			"test.json: Properties.bUseCorrection: expected true or false, found number"},
		{"{\"Class\":\"AssetTestAsset\",\"Properties\":{\"Side\":\"Up\"}}", true, "test.json: Properties.Side: cannot read as EAssetTestSide: 'Up'"},
		{"{\"Class\":\"AssetTestAsset\",\"Properties\":{\"Status\":null}}", true, "test.json: Properties.Status: expected a string, found null"},
		{"{\"Class\":\"AssetTestAsset\",\"Properties\":{\"Skeleton\":\"/Game/Nowhere/Skel.Skel\"}}", true,
			"test.json: Properties.Skeleton: cannot read as UAssetTestSkeleton*"},
		{"{\"Class\":\"AssetTestAsset\",\"Properties\":{\"Skeleton\":\"/Game/../../etc/passwd\"}}", true,
			"test.json: Properties.Skeleton: cannot read as UAssetTestSkeleton*"},
		{"{\"Class\":\"AssetTestAsset\",\"Properties\":{\"Pose\":[1,2]}}", true, "test.json: Properties.Pose: expected an object, found array"},
		{"{\"Class\":\"AssetTestAsset\",\"Properties\":{\"Pose\":{\"Translation\":{\"W\":1}}}}", true,
			"test.json: Properties.Pose.Translation.W: no such field in FVector"},
		{"{\"Class\":\"AssetTestAsset\",\"Properties\":{\"Rows\":{}}}", true, "test.json: Properties.Rows: expected an array, found object"},
		{"{\"Class\":\"AssetTestAsset\",\"Properties\":{\"Rows\":[{\"Target\":\"a\"},{\"Target\":5}]}}", true,
			"test.json: Properties.Rows[1].Target: expected a string, found number"},
		{"{\"Class\":\"AssetTestAsset\",\"Properties\":{\"Samples\":[1,\"x\",3]}}", true,
			"test.json: Properties.Samples[1]: expected a number, found string"},
	};
	FTempProject Project;
	for (const auto& Case : Cases)
	{
		FLogCapture Log;
		UPackage Outer;
		const UObject* Loaded = FAssetFile::LoadFromString(Case.Text, "test.json", &Outer, "Asset");
		EXPECT_EQ(Loaded != nullptr, Case.bLoads) << Case.Text;
		if (Case.Error)
		{
			EXPECT_EQ(Log.CountContaining(Case.Error, ELogVerbosity::Error), 1) << Case.Text;
		}
		else
		{
			EXPECT_EQ(Log.Num(), 0) << Case.Text;
		}
	}
}

TEST(AssetFile, WhatLoadsBesideABadFieldIsKept)
{
	FLogCapture Log;
	UPackage Outer;
	const auto* Asset = static_cast<const UAssetTestAsset*>(FAssetFile::LoadFromString(
		"{\"Class\":\"AssetTestAsset\",\"Properties\":{\"Count\":\"x\",\"GroundOffset\":4,\"Rows\":[{\"Target\":5},{\"Target\":\"b\"}]}}",
		"test.json", &Outer, "Asset"));
	ASSERT_NE(Asset, nullptr);
	EXPECT_EQ(Asset->Count, 0);
	EXPECT_EQ(Asset->GroundOffset, 4.f);
	ASSERT_EQ(Asset->Rows.Num(), 2);
	EXPECT_TRUE(Asset->Rows[0].Target.IsNone());
	EXPECT_EQ(Asset->Rows[1].Target, FName("b"));
}

TEST(AssetFile, ObjectsOutsideAPackageCannotBeSaved)
{
	FLogCapture Log;
	UAssetTestAsset Loose;
	EXPECT_FALSE(FAssetFile::SaveObject(Loose));
	EXPECT_EQ(Log.CountContaining("Cannot save", ELogVerbosity::Error), 1);
}

TEST(AssetFile, APackagesFileLoadsOnlyAsTheAssetNamedAfterThePackage)
{
	FTempProject Project;
	const FString Folder = UniqueName("Named");
	const FString Package = "/Game/" + Folder + "/Remap";
	Project.WriteFile("Content/" + Folder + "/Remap.json", "{\"Class\":\"AssetTestSkeleton\",\"Properties\":{\"Label\":\"the remap\"}}");
	FLogCapture Log;

	EXPECT_EQ(LoadObject<UAssetTestSkeleton>(nullptr, Package + ".Other"), nullptr);
	EXPECT_EQ(Log.Count("Failed to find object 'AssetTestSkeleton " + Package + ".Other'", ELogVerbosity::Warning), 1);
	UAssetTestSkeleton* Remap = LoadObject<UAssetTestSkeleton>(nullptr, Package + ".Remap");
	ASSERT_NE(Remap, nullptr);
	EXPECT_EQ(Remap->Label, "the remap");
	// With the package loaded, the file still gives no second object under another name.
	EXPECT_EQ(LoadObject<UAssetTestSkeleton>(nullptr, Package + ".Other"), nullptr);
	EXPECT_EQ(Log.Count("Failed to find object 'AssetTestSkeleton " + Package + ".Other'", ELogVerbosity::Warning), 2);
	EXPECT_EQ(FindPackage(Package)->GetInnerObjects(), TArray<UObject*>{Remap});

	// Nor is such an object written where it could never be loaded from.
	const FString Misnamed = "/Game/" + Folder + "/Misnamed";
	const UAssetTestSkeleton* Stray = NewObject<UAssetTestSkeleton>(CreatePackage(Misnamed), UAssetTestSkeleton::StaticClass(), "Stray");
	EXPECT_FALSE(FAssetFile::SaveObject(*Stray));
	EXPECT_EQ(Log.Count("Cannot save " + Misnamed + ".Stray: an asset takes the name of its package, as " + Misnamed + ".Misnamed",
				  ELogVerbosity::Error),
		1);
	EXPECT_FALSE(FPackageName::DoesPackageExist(Misnamed));
}
