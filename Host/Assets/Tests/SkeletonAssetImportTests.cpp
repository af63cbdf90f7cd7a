#include "AssetFile.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "SkeletonAssetImport.h"
#include "TempProject.h"
#include "TestRigs.h"
#include "UObject/UObjectGlobals.h"

#include <gtest/gtest.h>

#include <numbers>

namespace
{
FString RigFile(const char* Name)
{
	return FString(TestRigsDir().c_str()) + Name;
}

FString GoldenSkeletonText()
{
	FString Text;
	FFileHelper::LoadFileToString(Text, *(FString(ZEVO_TESTS_DIR) / "Golden" / "Skeleton.json"));
	return Text;
}
}

TEST(SkeletonAsset, GoldenSkeletonKeepsLoadingAndSavesTheSameText)
{
	FTempProject Project;
	Project.WriteFile("Content/Golden/Skeleton.json", GoldenSkeletonText());
	const USkeleton* Skeleton = LoadObject<USkeleton>(nullptr, "/Game/Golden/Skeleton.Skeleton");
	ASSERT_NE(Skeleton, nullptr);
	const FReferenceSkeleton& RefSkeleton = Skeleton->GetReferenceSkeleton();
	ASSERT_EQ(RefSkeleton.GetNum(), 3);
	EXPECT_EQ(RefSkeleton.FindBoneIndex(FName("thigh_l")), 2);
	EXPECT_EQ(RefSkeleton.GetParentIndex(2), 1);
	EXPECT_LT(RefSkeleton.GetRefBonePose()[1].GetRotation().AngularDistance(FQuat(FVector(0, 0, 1), std::numbers::pi / 2)), 1e-9);
	EXPECT_TRUE(RefSkeleton.GetComponentSpaceTransform(2).GetTranslation().Equals(FVector(0, 10.5, 93), 1e-9));
	EXPECT_TRUE(RefSkeleton.GetRefBonePose()[2].GetScale3D().Equals(FVector(1, 1, 1.25)));
	ASSERT_NE(Skeleton->GetPreviewMesh(), nullptr);
	const FPositionVertexBuffer& Positions =
		Skeleton->GetPreviewMesh()->GetResourceForRendering()->LODRenderData[0].StaticVertexBuffers.PositionVertexBuffer;
	ASSERT_EQ(Positions.GetNumVertices(), 2u);
	EXPECT_EQ(Positions.VertexPosition(1), FVector(5, -6, 177.5));
	EXPECT_EQ(FAssetFile::ToJson(*Skeleton), GoldenSkeletonText());
}

TEST(SkeletonAssetImport, ImportedSkeletonIsSavedAndLoadsBackWithItsBonesAndPreviewMesh)
{
	FTempProject Project;
	const FSkeletonAssetImportResult Result = ImportSkeletonAsset(RigFile("Mannequin.glb"), "/Game/Characters/Manny");
	ASSERT_NE(Result.Skeleton, nullptr) << *Result.Error;
	EXPECT_EQ(Result.Skeleton->GetPathName(), FString("/Game/Characters/Manny.Manny"));
	EXPECT_EQ(StaticFindObject(USkeleton::StaticClass(), "/Game/Characters/Manny.Manny"), Result.Skeleton);
	const FString File = Project.GetDir() + "Content/Characters/Manny.json";
	ASSERT_TRUE(FPaths::FileExists(File));

	// Read back as another process would: from the file, into a fresh object.
	USkeleton* Loaded = Cast<USkeleton>(FAssetFile::LoadFromFile(File, CreatePackage("/Game/Reloaded/Manny"), FName("Manny")));
	ASSERT_NE(Loaded, nullptr);
	const FReferenceSkeleton& Original = Result.Skeleton->GetReferenceSkeleton();
	const FReferenceSkeleton& Copy = Loaded->GetReferenceSkeleton();
	ASSERT_EQ(Copy.GetNum(), Original.GetNum());
	for (int32 Index = 0; Index < Original.GetNum(); ++Index)
	{
		EXPECT_EQ(Copy.GetRefBoneInfo()[Index], Original.GetRefBoneInfo()[Index]);
		EXPECT_TRUE(Copy.GetRefBonePose()[Index].Equals(Original.GetRefBonePose()[Index], 1e-9)) << Index;
	}
	EXPECT_EQ(Copy.FindBoneIndex(FName("ball_r")), Original.FindBoneIndex(FName("ball_r")));
	ASSERT_NE(Loaded->GetPreviewMesh(), nullptr);
	EXPECT_EQ(Loaded->GetPreviewMesh()->GetVertexPositions(), Result.Skeleton->GetPreviewMesh()->GetVertexPositions());
}

TEST(SkeletonAssetImport, FailedImportCreatesNoAssetAndNoFile)
{
	FTempProject Project;
	Project.WriteFile("broken.fbx", "; FBX 7.5.0 project file\nFBXHeaderExtension:  {\n");
	ASSERT_NE(ImportSkeletonAsset(RigFile("CmuMocap.bvh"), "/Game/Mocap/Walker").Skeleton, nullptr);
	struct FCase
	{
		FString File;
		const char* AssetPath;
		const char* Expected;
	};
	const FCase Cases[] = {
		{Project.GetDir() + "broken.fbx", "/Game/Broken/Hero", "the file could not be read"},
		{Project.GetDir() + "missing.bvh", "/Game/Broken/Hero", "the file does not exist"},
		{RigFile("Mixamo.fbx"), "Game/Broken/Hero", "Cannot import skeleton as 'Game/Broken/Hero'"},
		{RigFile("Mixamo.fbx"), "/Engine/Broken/Hero", "skeletons are imported into the project, under /Game/"},
		{RigFile("Mixamo.fbx"), "/Game/Mocap/Walker", "that asset is already loaded"},
	};
	for (const FCase& Case : Cases)
	{
		const FSkeletonAssetImportResult Result = ImportSkeletonAsset(Case.File, Case.AssetPath);
		EXPECT_EQ(Result.Skeleton, nullptr) << Case.AssetPath;
		EXPECT_TRUE(Result.Error.Contains(Case.Expected, ESearchCase::CaseSensitive)) << *Result.Error;
	}
	EXPECT_FALSE(FPaths::FileExists(Project.GetDir() + "Content/Broken/Hero.json"));
	EXPECT_EQ(StaticFindObject(USkeleton::StaticClass(), "/Game/Broken/Hero.Hero"), nullptr);
}
