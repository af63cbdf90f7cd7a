#include "SkeletonImporter.h"
#include "TestRigs.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <tuple>
#include <sstream>

namespace
{
std::tuple<long, long, long> Rounded(const FVector& V)
{
	return {std::lround(V.X * 100), std::lround(V.Y * 100), std::lround(V.Z * 100)};
}

std::string ReadText(const std::string& Path)
{
	std::ifstream File(Path, std::ios::binary);
	std::ostringstream Contents;
	Contents << File.rdbuf();
	return Contents.str();
}

std::vector<std::string> FilesOf(const FTestRig& Rig, const std::string& Dir)
{
	std::vector<std::string> Files;
	if (Rig.bWriteFbx) { Files.push_back(Dir + Rig.Name + ".fbx"); }
	if (Rig.bWriteGltf) { Files.push_back(Dir + Rig.Name + ".glb"); }
	if (Rig.bWriteBvh) { Files.push_back(Dir + Rig.Name + ".bvh"); }
	return Files;
}

// Every bone of the rig, under its parent, at its place (0.1 cm); rest rotations too where the
// format keeps them (BVH does not).
void ExpectSkeletonMatchesRig(const USkeleton& Skeleton, const FTestRig& Rig, const std::string& File)
{
	const FReferenceSkeleton& RefSkeleton = Skeleton.GetReferenceSkeleton();
	ASSERT_EQ(RefSkeleton.GetNum(), static_cast<int32>(Rig.Bones.size())) << File;
	const bool bKeepsRotations = File.substr(File.size() - 4) != ".bvh";
	for (size_t Index = 0; Index < Rig.Bones.size(); ++Index)
	{
		const FTestRigBone& Bone = Rig.Bones[Index];
		const int32 BoneIndex = RefSkeleton.FindBoneIndex(FName(Bone.Name.c_str()));
		ASSERT_NE(BoneIndex, INDEX_NONE) << File << ": " << Bone.Name;
		const int32 ParentIndex = RefSkeleton.GetParentIndex(BoneIndex);
		// Names compare as names: without regard to case, whose first spelling the process keeps.
		EXPECT_EQ(ParentIndex == INDEX_NONE ? NAME_None : RefSkeleton.GetBoneName(ParentIndex), FName(Bone.Parent.c_str()))
			<< File << ": " << Bone.Name;
		const FTransform Component = RefSkeleton.GetComponentSpaceTransform(BoneIndex);
		EXPECT_LT(FVector::Dist(Component.GetTranslation(), Bone.Position), 0.1)
			<< File << ": " << Bone.Name << " at " << *Component.GetTranslation().ToString() << ", expected " << *Bone.Position.ToString();
		if (bKeepsRotations)
		{
			EXPECT_LT(Component.GetRotation().AngularDistance(Rig.ComponentRotation(static_cast<int>(Index))), 1e-3)
				<< File << ": " << Bone.Name;
		}
	}
}
}

// Set ZEVO_REGENERATE_TEST_RIGS=1 to rewrite the checked-in files from the definitions.
TEST(TestRigs, CheckedInFilesAreWhatTheGeneratorWrites)
{
	const bool bRegenerate = std::getenv("ZEVO_REGENERATE_TEST_RIGS") != nullptr;
	const std::string Fresh = (std::filesystem::temp_directory_path() / "zevo-test-rigs-XXXXXX").string();
	std::vector<char> Template(Fresh.begin(), Fresh.end());
	Template.push_back('\0');
	ASSERT_NE(mkdtemp(Template.data()), nullptr);
	const std::string FreshDir = std::string(Template.data()) + "/";

	for (const FTestRig& Rig : MakeTestRigs())
	{
		std::string Error;
		ASSERT_TRUE(WriteTestRigFiles(Rig, bRegenerate ? TestRigsDir() : FreshDir, Error)) << Error;
		if (bRegenerate)
		{
			continue;
		}
		// Text files must match byte for byte; the exported ones carry time stamps, so they are
		// compared by what they import as.
		EXPECT_EQ(ReadText(FreshDir + Rig.Name + ".mapping.json"), ReadText(TestRigsDir() + Rig.Name + ".mapping.json")) << Rig.Name;
		if (Rig.bWriteBvh)
		{
			EXPECT_EQ(ReadText(FreshDir + Rig.Name + ".bvh"), ReadText(TestRigsDir() + Rig.Name + ".bvh")) << Rig.Name;
		}
		for (const std::string& File : FilesOf(Rig, FreshDir))
		{
			const FSkeletonImportResult Result = ImportSkeletonFromFile(FString(File.c_str()));
			ASSERT_TRUE(Result.Skeleton) << *Result.Error;
			ExpectSkeletonMatchesRig(*Result.Skeleton, Rig, File);
		}
	}
	std::filesystem::remove_all(FreshDir);
}

TEST(SkeletonImport, SameRigAsFbxGltfAndBvhGivesTheSameBonesParentsAndPositions)
{
	for (const FTestRig& Rig : MakeTestRigs())
	{
		for (const std::string& File : FilesOf(Rig, TestRigsDir()))
		{
			const FSkeletonImportResult Result = ImportSkeletonFromFile(FString(File.c_str()));
			ASSERT_TRUE(Result.Skeleton) << *Result.Error;
			EXPECT_TRUE(Result.Error.IsEmpty());
			ExpectSkeletonMatchesRig(*Result.Skeleton, Rig, File);
		}
	}
}

TEST(SkeletonImport, SkinnedMeshBecomesThePreviewMeshWithTheSolesOnTheGround)
{
	for (const FTestRig& Rig : MakeTestRigs())
	{
		std::set<std::tuple<long, long, long>> ExpectedCorners;
		double ExpectedTop = 0;
		for (size_t Index = 0; Index < Rig.Bones.size(); ++Index)
		{
			for (const FVector& Corner : Rig.BoxCorners(static_cast<int>(Index)))
			{
				ExpectedCorners.insert(Rounded(Corner));
				ExpectedTop = std::max(ExpectedTop, Corner.Z);
			}
		}
		for (const std::string& File : FilesOf(Rig, TestRigsDir()))
		{
			const FSkeletonImportResult Result = ImportSkeletonFromFile(FString(File.c_str()));
			ASSERT_TRUE(Result.Skeleton) << *Result.Error;
			const USkeletalMesh* Mesh = Result.Skeleton->GetPreviewMesh();
			if (!Rig.bHasMesh || File.substr(File.size() - 4) == ".bvh")
			{
				EXPECT_EQ(Mesh, nullptr) << File;
				continue;
			}
			ASSERT_NE(Mesh, nullptr) << File;
			const FSkeletalMeshRenderData* RenderData = Mesh->GetResourceForRendering();
			ASSERT_NE(RenderData, nullptr) << File;
			const FPositionVertexBuffer& Positions = RenderData->LODRenderData[0].StaticVertexBuffers.PositionVertexBuffer;
			// Formats may join corners that two boxes share, so the places are compared, not the count.
			std::set<std::tuple<long, long, long>> Corners;
			double Bottom = 1e30, Top = -1e30;
			for (uint32 Vertex = 0; Vertex < Positions.GetNumVertices(); ++Vertex)
			{
				Corners.insert(Rounded(Positions.VertexPosition(Vertex)));
				Bottom = std::min(Bottom, Positions.VertexPosition(Vertex).Z);
				Top = std::max(Top, Positions.VertexPosition(Vertex).Z);
			}
			EXPECT_EQ(Corners, ExpectedCorners) << File;
			EXPECT_NEAR(Bottom, 0.0, 0.01) << File;
			EXPECT_NEAR(Top, ExpectedTop, 0.01) << File;
		}
	}
}

TEST(TestRigs, MappingFilesNameEveryStreamBoneAndOnlyBonesOfTheRig)
{
	for (const FTestRig& Rig : MakeTestRigs())
	{
		const nlohmann::ordered_json Document = nlohmann::ordered_json::parse(ReadText(TestRigsDir() + Rig.Name + ".mapping.json"));
		EXPECT_TRUE(Document["restPose"] == "T-pose" || Document["restPose"] == "A-pose") << Rig.Name;
		const nlohmann::ordered_json& Mapping = Document["mapping"];
		ASSERT_EQ(Mapping.size(), StreamBoneIdentifiers().size()) << Rig.Name;
		size_t Row = 0;
		const FSkeletonImportResult Imported = ImportSkeletonFromFile(FString(FilesOf(Rig, TestRigsDir()).front().c_str()));
		ASSERT_TRUE(Imported.Skeleton) << *Imported.Error;
		for (const auto& [Stream, Target] : Mapping.items())
		{
			EXPECT_EQ(Stream, StreamBoneIdentifiers()[Row++]) << Rig.Name;
			if (!Target.is_null())
			{
				EXPECT_NE(Imported.Skeleton->GetReferenceSkeleton().FindBoneIndex(FName(Target.get<std::string>().c_str())), INDEX_NONE)
					<< Rig.Name << ": " << Stream << " -> " << Target;
			}
		}
	}
}
