#include "SkeletonImporter.h"
#include "TempProject.h"
#include "TestRigs.h"

#include <assimp/Exporter.hpp>
#include <assimp/scene.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstring>
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

// A skinned triangle bound to a chain of joints one metre apart along +Y: the document (its
// buffer named BufferUri, or none) and the buffer's bytes.
struct FSkinnedGltf
{
	nlohmann::json Document;
	std::string Buffer;
};

FSkinnedGltf SkinnedGltf(const std::vector<std::string>& Joints, bool bInverseBindMatrices, const char* BufferUri)
{
	FSkinnedGltf Gltf;
	const auto Append = [&Gltf](const void* Data, size_t Size) {
		const size_t Offset = Gltf.Buffer.size();
		Gltf.Buffer.append(static_cast<const char*>(Data), Size);
		Gltf.Buffer.append((4 - Gltf.Buffer.size() % 4) % 4, '\0');
		return nlohmann::json{{"buffer", 0}, {"byteOffset", Offset}, {"byteLength", Size}};
	};
	const float Positions[9] = {0, 0, 0, 0.1f, 0, 0, 0, 0.1f, 0};
	const uint8_t JointIndices[12] = {0};
	const float Weights[12] = {1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0};
	const uint16_t Indices[3] = {0, 1, 2};
	nlohmann::json& Doc = Gltf.Document;
	Doc["asset"] = {{"version", "2.0"}};
	Doc["bufferViews"] = {Append(Positions, sizeof(Positions)), Append(JointIndices, sizeof(JointIndices)), Append(Weights, sizeof(Weights)),
		Append(Indices, sizeof(Indices))};
	Doc["accessors"] = {{{"bufferView", 0}, {"componentType", 5126}, {"count", 3}, {"type", "VEC3"}, {"min", {0, 0, 0}}, {"max", {0.1, 0.1, 0}}},
		{{"bufferView", 1}, {"componentType", 5121}, {"count", 3}, {"type", "VEC4"}},
		{{"bufferView", 2}, {"componentType", 5126}, {"count", 3}, {"type", "VEC4"}},
		{{"bufferView", 3}, {"componentType", 5123}, {"count", 3}, {"type", "SCALAR"}}};
	nlohmann::json Skin = {{"joints", nlohmann::json::array()}};
	std::vector<float> Matrices;
	for (size_t Joint = 0; Joint < Joints.size(); ++Joint)
	{
		nlohmann::json Node = {{"name", Joints[Joint]}, {"translation", {0, Joint == 0 ? 0.0 : 1.0, 0}}};
		if (Joint + 1 < Joints.size())
		{
			Node["children"] = {Joint + 1};
		}
		Doc["nodes"].push_back(Node);
		Skin["joints"].push_back(Joint);
		for (int Element = 0; Element < 16; ++Element)
		{
			Matrices.push_back(Element % 5 == 0 ? 1.0f : (Element == 13 ? -1.0f * static_cast<float>(Joint) : 0.0f));
		}
	}
	if (bInverseBindMatrices)
	{
		Doc["bufferViews"].push_back(Append(Matrices.data(), Matrices.size() * sizeof(float)));
		Doc["accessors"].push_back({{"bufferView", 4}, {"componentType", 5126}, {"count", Joints.size()}, {"type", "MAT4"}});
		Skin["inverseBindMatrices"] = 4;
	}
	Doc["nodes"].push_back({{"name", "Body"}, {"mesh", 0}, {"skin", 0}});
	Doc["skins"] = {Skin};
	Doc["meshes"] = {{{"primitives", {{{"attributes", {{"POSITION", 0}, {"JOINTS_0", 1}, {"WEIGHTS_0", 2}}}, {"indices", 3}}}}}};
	Doc["scene"] = 0;
	Doc["scenes"] = {{{"nodes", {0, Joints.size()}}}};
	Doc["buffers"] = {{{"byteLength", Gltf.Buffer.size()}}};
	if (BufferUri)
	{
		Doc["buffers"][0]["uri"] = BufferUri;
	}
	return Gltf;
}

std::string AsGlb(const FSkinnedGltf& Gltf)
{
	std::string Json = Gltf.Document.dump();
	Json.append((4 - Json.size() % 4) % 4, ' ');
	const auto U32 = [](uint32_t Value) { return std::string(reinterpret_cast<const char*>(&Value), 4); };
	const uint32_t Length = static_cast<uint32_t>(12 + 8 + Json.size() + 8 + Gltf.Buffer.size());
	return U32(0x46546C67) + U32(2) + U32(Length) + U32(static_cast<uint32_t>(Json.size())) + U32(0x4E4F534A) + Json
		+ U32(static_cast<uint32_t>(Gltf.Buffer.size())) + U32(0x004E4942) + Gltf.Buffer;
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

namespace
{
/** An FBX whose one animation turns a joint with rotation keys only: its curve node lacks the other curves. */
std::string FbxWithRotationOnlyCurve(const FTempProject& Project)
{
	aiScene Scene;
	Scene.mRootNode = new aiNode("Root");
	aiNode* Hips = new aiNode("Hips");
	aiNode* Spine = new aiNode("Spine");
	Spine->mTransformation.b4 = 10.f;
	Scene.mRootNode->addChildren(1, &Hips);
	Hips->addChildren(1, &Spine);
	Scene.mNumMaterials = 1;
	Scene.mMaterials = new aiMaterial*[1]{new aiMaterial()};
	aiNodeAnim* Channel = new aiNodeAnim();
	Channel->mNodeName = aiString("Spine");
	Channel->mNumRotationKeys = 2;
	Channel->mRotationKeys = new aiQuatKey[2]{aiQuatKey(0.0, aiQuaternion()), aiQuatKey(10.0, aiQuaternion(0.7071f, 0.7071f, 0.f, 0.f))};
	aiAnimation* Animation = new aiAnimation();
	Animation->mDuration = 10.0;
	Animation->mTicksPerSecond = 30.0;
	Animation->mNumChannels = 1;
	Animation->mChannels = new aiNodeAnim*[1]{Channel};
	Scene.mNumAnimations = 1;
	Scene.mAnimations = new aiAnimation*[1]{Animation};
	const std::string Path = std::string(*Project.GetDir()) + "rotation-only.fbx";
	Assimp::Exporter Exporter;
	EXPECT_EQ(Exporter.Export(&Scene, "fbxa", Path), AI_SUCCESS) << Exporter.GetErrorString();
	return Path;
}
}

TEST(SkeletonImport, AFileTheImportLibraryCrashesOnGivesAnError)
{
	FTempProject Project;
	const FSkeletonImportResult Result = ImportSkeletonFromFile(FbxWithRotationOnlyCurve(Project).c_str());
	EXPECT_EQ(Result.Skeleton, nullptr);
	EXPECT_TRUE(Result.Error.Contains("': the import library crashed reading it (")) << *Result.Error;

	// The trial read costs nothing but time where the library copes: the next import works.
	const FSkeletonImportResult Sound = ImportSkeletonFromFile((TestRigsDir() + "Mixamo.fbx").c_str());
	EXPECT_NE(Sound.Skeleton, nullptr) << *Sound.Error;
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

// A skin may leave out its inverse bind matrices (they are identity then): the joints import
// from a text file with its buffer beside it and from a binary file alike.
TEST(SkeletonImport, GltfSkinWithoutInverseBindMatricesImportsItsJoints)
{
	FTempProject Project;
	const FSkinnedGltf Text = SkinnedGltf({"Hips", "Spine"}, false, "skin data.bin");
	Project.WriteFile("sub/skin data.bin", FString(Text.Buffer.data(), static_cast<int32>(Text.Buffer.size())));
	const std::string Glb = AsGlb(SkinnedGltf({"Hips", "Spine"}, false, nullptr));
	for (const auto& [File, Contents] : {std::pair<std::string, std::string>{"sub/noskinmatrices.gltf", Text.Document.dump()},
			 std::pair<std::string, std::string>{"noskinmatrices.glb", Glb}})
	{
		const FSkeletonImportResult Result = ImportText(Project, File, Contents);
		ASSERT_TRUE(Result.Skeleton) << File << ": " << *Result.Error;
		const FReferenceSkeleton& RefSkeleton = Result.Skeleton->GetReferenceSkeleton();
		ASSERT_EQ(RefSkeleton.GetNum(), 2) << File;
		EXPECT_EQ(RefSkeleton.GetParentIndex(RefSkeleton.FindBoneIndex("Spine")), RefSkeleton.FindBoneIndex("Hips")) << File;
		EXPECT_NEAR(ComponentPosition(*Result.Skeleton, "Spine").Z, 100.0, 1e-3) << File;
	}
	// The file itself is left as it was.
	std::ifstream Written(*(Project.GetDir() + "sub/noskinmatrices.gltf"));
	EXPECT_EQ(std::string(std::istreambuf_iterator<char>(Written), {}), Text.Document.dump());
}

// With several roots in its scene the import library adds a top node named "ROOT" of its own; a
// joint of that name is still the file's joint.
TEST(SkeletonImport, GltfJointNamedRootBesideOtherSceneRoots)
{
	FTempProject Project;
	for (const bool bMatrices : {true, false})
	{
		const FSkinnedGltf Gltf = SkinnedGltf({"ROOT", "Hips"}, bMatrices, nullptr);
		const FSkeletonImportResult Result = ImportText(Project, bMatrices ? "root.glb" : "root-nomatrices.glb", AsGlb(Gltf));
		ASSERT_TRUE(Result.Skeleton) << *Result.Error;
		const FReferenceSkeleton& RefSkeleton = Result.Skeleton->GetReferenceSkeleton();
		ASSERT_EQ(RefSkeleton.GetNum(), 2);
		EXPECT_EQ(RefSkeleton.GetBoneName(0).ToString(), FString("ROOT"));
		EXPECT_EQ(RefSkeleton.GetParentIndex(1), 0);
	}
}
