#include "SkeletonImporter.h"
#include "TempProject.h"
#include "TestRigs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace
{
std::string ReadRigFile(const std::string& Name)
{
	std::ifstream File(TestRigsDir() + Name, std::ios::binary);
	std::ostringstream Contents;
	Contents << File.rdbuf();
	return Contents.str();
}

std::string RandomBytes(size_t Count, unsigned Seed)
{
	std::mt19937 Generator(Seed);
	std::string Bytes(Count, '\0');
	for (char& Byte : Bytes)
	{
		Byte = static_cast<char>(Generator() & 0xFF);
	}
	return Bytes;
}

std::string Replace(std::string Text, const std::string& From, const std::string& To)
{
	const size_t At = Text.find(From);
	EXPECT_NE(At, std::string::npos) << From;
	return At == std::string::npos ? Text : Text.replace(At, From.size(), To);
}

// The object id in a model's declaration line: Model: <id>, "Model::<name>", ...
std::string ModelId(const std::string& Fbx, const std::string& ModelName)
{
	const size_t Name = Fbx.find(", \"Model::" + ModelName + "\"");
	const size_t Line = Name == std::string::npos ? std::string::npos : Fbx.rfind("Model: ", Name);
	EXPECT_NE(Line, std::string::npos) << ModelName;
	return Line == std::string::npos ? std::string() : Fbx.substr(Line + 7, Name - Line - 7);
}

// The Mixamo rig's spine joint connected to the file's root instead of the hips.
std::string FbxWithTwoHierarchies()
{
	const std::string Fbx = ReadRigFile("Mixamo.fbx");
	const std::string Spine = ModelId(Fbx, "mixamorig:Spine");
	const std::string Hips = ModelId(Fbx, "mixamorig:Hips");
	return Replace(Fbx, "C: \"OO\", " + Spine + ", " + Hips + "\n", "C: \"OO\", " + Spine + ", 0\n");
}

FSkeletonImportResult ImportText(const FTempProject& Project, const std::string& FileName, const std::string& Contents)
{
	Project.WriteFile(FileName.c_str(), FString(Contents.data(), static_cast<int32>(Contents.size())));
	return ImportSkeletonFromFile(Project.GetDir() + FileName.c_str());
}

FVector ComponentPosition(const USkeleton& Skeleton, const char* BoneName)
{
	const FReferenceSkeleton& RefSkeleton = Skeleton.GetReferenceSkeleton();
	return RefSkeleton.GetComponentSpaceTransform(RefSkeleton.FindBoneIndex(FName(BoneName))).GetTranslation();
}
}

TEST(SkeletonImport, UnreadableFilesGiveOneErrorAndNoSkeleton)
{
	const std::string Fbx = ReadRigFile("Mixamo.fbx");
	const std::string Glb = ReadRigFile("Mixamo.glb");
	const std::string Bvh = ReadRigFile("Mixamo.bvh");
	struct FCase
	{
		std::string File;
		std::string Contents;
		std::string Expected;
	};
	const FCase Cases[] = {
		{"empty.fbx", "", "the file is empty"},
		{"truncated.fbx", Fbx.substr(0, Fbx.size() * 2 / 5), "the file could not be read"},
		{"truncated.glb", Glb.substr(0, Glb.size() / 2), "the file could not be read"},
		{"truncated.bvh", Bvh.substr(0, Bvh.size() / 3), "the file could not be read"},
		{"random.fbx", RandomBytes(4096, 1), "the file could not be read"},
		{"random.glb", RandomBytes(4096, 2), "the file could not be read"},
		{"random.bvh", RandomBytes(4096, 3), "the file could not be read"},
		{"glb-header-then-noise.glb", Glb.substr(0, 20) + RandomBytes(2000, 4), "the file could not be read"},
		// A byte of an 8-bit code page (an en dash) in a joint name.
		{"latin-name.bvh", Replace(Bvh, "JOINT mixamorig:Spine1\n", "JOINT mixamorig:Spine\x96" "1\n"),
			"the name of a joint under 'mixamorig:Spine' is not UTF-8 text"},
		{"no-joints.bvh", "HIERARCHY\nMOTION\nFrames: 0\nFrame Time: 0.1\n", "the file could not be read"},
		{"no-skeleton.gltf", R"({"asset":{"version":"2.0"},"scene":0,"scenes":[{"nodes":[0]}],"nodes":[{"name":"Lamp"}]})",
			"the file holds no skeleton"},
		{"model.obj", "v 0 0 0\n", "unsupported file type"},
		{"case-twin.fbx", Replace(Fbx, "\"Model::mixamorig:Spine\"", "\"Model::MIXAMORIG:HIPS\""), "two joints are named 'MIXAMORIG:HIPS'"},
		{"two-roots.fbx", FbxWithTwoHierarchies(), "the joints form 2 separate hierarchies (mixamorig:Hips, mixamorig:Spine)"},
		{"bad-axes.fbx", Replace(Fbx, "P: \"UpAxis\", \"int\", \"Integer\", \"\", 1", "P: \"UpAxis\", \"int\", \"Integer\", \"\", 2"),
			"unusable axis system"},
		{"bad-unit.fbx", Replace(Fbx, "P: \"UnitScaleFactor\", \"double\", \"Number\", \"\", 1", "P: \"UnitScaleFactor\", \"double\", \"Number\", \"\", -1"),
			"unusable unit scale (-1)"},
	};
	FTempProject Project;
	for (const FCase& Case : Cases)
	{
		const FSkeletonImportResult Result = ImportText(Project, Case.File, Case.Contents);
		EXPECT_EQ(Result.Skeleton, nullptr) << Case.File;
		EXPECT_TRUE(Result.Error.StartsWith("Cannot import skeleton from '" + Project.GetDir() + Case.File.c_str() + "': ")) << *Result.Error;
		EXPECT_TRUE(Result.Error.Contains(Case.Expected.c_str(), ESearchCase::CaseSensitive)) << Case.File << ": " << *Result.Error;
		EXPECT_FALSE(Result.Error.Contains("\n")) << *Result.Error;
	}

	const FSkeletonImportResult Missing = ImportSkeletonFromFile(Project.GetDir() + "missing.fbx");
	EXPECT_EQ(Missing.Skeleton, nullptr);
	EXPECT_TRUE(Missing.Error.EndsWith("': the file does not exist")) << *Missing.Error;
}

namespace
{
/** A BVH whose one chain is Depth joints deep, each a centimetre above its parent. */
std::string BvhChain(int32 Depth)
{
	std::string Text = "HIERARCHY\nROOT J0\n{\nOFFSET 0 0 0\nCHANNELS 6 Xposition Yposition Zposition Zrotation Xrotation Yrotation\n";
	for (int32 Joint = 1; Joint < Depth; ++Joint)
	{
		Text += "JOINT J" + std::to_string(Joint) + "\n{\nOFFSET 0 1 0\nCHANNELS 3 Zrotation Xrotation Yrotation\n";
	}
	Text += "End Site\n{\nOFFSET 0 1 0\n}\n";
	Text += std::string(Depth, '}') + "\nMOTION\nFrames: 1\nFrame Time: 0.0333\n0 0 0";
	for (int32 Joint = 0; Joint < Depth; ++Joint)
	{
		Text += " 0 0 0";
	}
	return Text + "\n";
}
}

TEST(SkeletonImport, FilesPastTheLimitsAreRefusedBeforeTheyAreRead)
{
	FTempProject Project;
	const FSkeletonImportResult Deepest = ImportText(Project, "deepest.bvh", BvhChain(MaxBvhJointDepth));
	ASSERT_NE(Deepest.Skeleton, nullptr) << *Deepest.Error;
	EXPECT_EQ(Deepest.Skeleton->GetReferenceSkeleton().GetNum(), MaxBvhJointDepth);

	// The library would overflow the stack on this one and end the program.
	const FSkeletonImportResult TooDeep = ImportText(Project, "too-deep.bvh", BvhChain(30000));
	EXPECT_EQ(TooDeep.Skeleton, nullptr);
	EXPECT_TRUE(TooDeep.Error.EndsWith(FString::Printf("its joint chains are more than %d joints deep", MaxBvhJointDepth))) << *TooDeep.Error;

	// Sparse: the size is what counts, nothing is written.
	const std::string Huge = std::string(*Project.GetDir()) + "huge.fbx";
	{
		std::ofstream Create(Huge);
	}
	std::filesystem::resize_file(Huge, MaxSkeletonFileBytes + 1);
	const FSkeletonImportResult TooLarge = ImportSkeletonFromFile(FString(Huge.c_str()));
	EXPECT_EQ(TooLarge.Skeleton, nullptr);
	EXPECT_TRUE(TooLarge.Error.EndsWith("the file is larger than 512 MiB")) << *TooLarge.Error;
}

TEST(SkeletonImport, FbxUnitAndAxesDeclaredByTheFileAreHonoured)
{
	const std::string Fbx = ReadRigFile("Mixamo.fbx");
	FTempProject Project;
	const FSkeletonImportResult Centimetres = ImportText(Project, "cm.fbx", Fbx);
	ASSERT_TRUE(Centimetres.Skeleton) << *Centimetres.Error;
	const FVector Hand = ComponentPosition(*Centimetres.Skeleton, "mixamorig:LeftHand");
	EXPECT_GT(Hand.X, 60.0); // the left hand lies on +X

	const FSkeletonImportResult Inches = ImportText(Project, "inch.fbx",
		Replace(Fbx, "P: \"UnitScaleFactor\", \"double\", \"Number\", \"\", 1", "P: \"UnitScaleFactor\", \"double\", \"Number\", \"\", 2.54"));
	ASSERT_TRUE(Inches.Skeleton) << *Inches.Error;
	EXPECT_TRUE(ComponentPosition(*Inches.Skeleton, "mixamorig:LeftHand").Equals(Hand * 2.54, 1e-3));

	// The same numbers declared Z up with the front on -Y: the file's Y now points backwards.
	std::string ZUp = Replace(Fbx, "P: \"UpAxis\", \"int\", \"Integer\", \"\", 1", "P: \"UpAxis\", \"int\", \"Integer\", \"\", 2");
	ZUp = Replace(ZUp, "P: \"FrontAxis\", \"int\", \"Integer\", \"\", 2", "P: \"FrontAxis\", \"int\", \"Integer\", \"\", 1");
	ZUp = Replace(ZUp, "P: \"FrontAxisSign\", \"int\", \"Integer\", \"\", 1", "P: \"FrontAxisSign\", \"int\", \"Integer\", \"\", -1");
	const FSkeletonImportResult Lying = ImportText(Project, "zup.fbx", ZUp);
	ASSERT_TRUE(Lying.Skeleton) << *Lying.Error;
	EXPECT_TRUE(ComponentPosition(*Lying.Skeleton, "mixamorig:LeftHand").Equals(FVector(Hand.X, -Hand.Z, Hand.Y), 1e-3));
	// The mesh turns with the bones: the top of the head is now the point furthest back.
	double Top = -1e30, Back = 1e30;
	for (const FVector& Vertex : Centimetres.Skeleton->GetPreviewMesh()->GetVertexPositions())
	{
		Top = std::max(Top, Vertex.Z);
	}
	for (const FVector& Vertex : Lying.Skeleton->GetPreviewMesh()->GetVertexPositions())
	{
		Back = std::min(Back, Vertex.Y);
	}
	EXPECT_NEAR(Back, -Top, 1e-3);
}

TEST(SkeletonImport, SkeletonIsNamedAfterTheFileUnlessANameIsGiven)
{
	const FString File = FString(TestRigsDir().c_str()) + "CmuMocap.bvh";
	EXPECT_EQ(ImportSkeletonFromFile(File).Skeleton->GetFName(), FName("CmuMocap"));
	EXPECT_EQ(ImportSkeletonFromFile(File, FName("Walker")).Skeleton->GetFName(), FName("Walker"));
}
