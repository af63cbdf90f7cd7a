// zevo-editor take export: a take recorded from zevo-stream's performance, exported to BVH and to
// glTF and read back by the import library, as another tool would open it.
#include "ProgramProcess.h"
#include "SkeletonImporter.h"

#include <assimp/Importer.hpp>
#include <assimp/scene.h>
#include <cmath>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <numbers>
#include <sstream>

namespace
{
using FJson = nlohmann::json;

std::vector<FJson> ReadLines(const FTempProject& Project, const char* File)
{
	std::vector<FJson> Lines;
	std::istringstream Text(Project.ReadFile(File).ToStdString());
	for (std::string Line; std::getline(Text, Line);)
	{
		Lines.push_back(FJson::parse(Line));
	}
	return Lines;
}

/** The angle between two rotations in degrees (q and -q are the same rotation), in double
 *  precision and without acos, which loses most digits for nearly equal rotations. */
double DegreesBetween(const aiQuaternion& A, const aiQuaternion& B)
{
	const double P[4] = {A.x, A.y, A.z, A.w};
	const double Q[4] = {B.x, B.y, B.z, B.w};
	double SizeP = 0, SizeQ = 0, Dot = 0;
	for (int Index = 0; Index < 4; ++Index)
	{
		SizeP += P[Index] * P[Index];
		SizeQ += Q[Index] * Q[Index];
		Dot += P[Index] * Q[Index];
	}
	const double Sign = Dot < 0 ? -1.0 : 1.0;
	double Difference = 0, Sum = 0;
	for (int Index = 0; Index < 4; ++Index)
	{
		const double U = P[Index] / std::sqrt(SizeP), V = Sign * Q[Index] / std::sqrt(SizeQ);
		Difference += (U - V) * (U - V);
		Sum += (U + V) * (U + V);
	}
	return 4.0 * std::atan2(std::sqrt(Difference), std::sqrt(Sum)) * 180.0 / std::numbers::pi;
}

/** The animation's channels by joint name. */
std::map<std::string, const aiNodeAnim*> Channels(const aiScene& Scene)
{
	std::map<std::string, const aiNodeAnim*> Out;
	const aiAnimation* Animation = Scene.mAnimations[0];
	for (unsigned Index = 0; Index < Animation->mNumChannels; ++Index)
	{
		Out[Animation->mChannels[Index]->mNodeName.C_Str()] = Animation->mChannels[Index];
	}
	return Out;
}

/** A joint's local transform at rest, from its node. */
void RestOf(const aiScene& Scene, const std::string& Joint, aiQuaternion& OutRotation, aiVector3D& OutPosition)
{
	const aiNode* Node = Scene.mRootNode->FindNode(Joint.c_str());
	EXPECT_TRUE(Node) << Joint;
	aiVector3D Scale;
	(Node ? Node->mTransformation : aiMatrix4x4()).Decompose(Scale, OutRotation, OutPosition);
}

/** A joint's rotation at frame Frame: a value that never moves holds one key, or none when it
 *  stays at rest (and a joint that stays wholly at rest has no channel). */
aiQuaternion RotationAt(const aiScene& Scene, const aiNodeAnim* Channel, const std::string& Joint, size_t Frame)
{
	aiQuaternion Rotation;
	aiVector3D Position;
	RestOf(Scene, Joint, Rotation, Position);
	return !Channel || Channel->mNumRotationKeys == 0 ? Rotation : Channel->mRotationKeys[Channel->mNumRotationKeys == 1 ? 0 : Frame].mValue;
}

aiVector3D PositionAt(const aiScene& Scene, const aiNodeAnim* Channel, const std::string& Joint, size_t Frame)
{
	aiQuaternion Rotation;
	aiVector3D Position;
	RestOf(Scene, Joint, Rotation, Position);
	return !Channel || Channel->mNumPositionKeys == 0 ? Position : Channel->mPositionKeys[Channel->mNumPositionKeys == 1 ? 0 : Frame].mValue;
}

std::string Endpoint(int Port)
{
	return "127.0.0.1:" + std::to_string(Port);
}

class ZevoEditorTakeExport : public testing::Test
{
protected:
	/** Records Actor1 of the performance at 10 Hz (the first second standing, then walking),
	 *  driving the Mannequin rig through a remap asset, and keeps the take's frame and pose lines. */
	static void SetUpTestSuite()
	{
		Project = new FTempProject();
		const std::string Dir = *Project->GetDir();
		ASSERT_EQ(RunEditor(*Project, {"import", "--project", Dir, ZEVO_TEST_RIGS_DIR "/Mannequin.glb", "--name", "Characters/Hero"}), 0);
		ASSERT_EQ(RunEditor(*Project, {"remap", "--project", Dir, "create", "Characters/Hero_Remap", "--skeleton", "Characters/Hero"}), 0);
		const int Port = FreeUdpPort();
		FEditorProcess Editor(*Project, {"run", "--project", Dir, "--for", "5", "--source", Endpoint(Port), "--animate",
											"Actor1=Characters/Hero_Remap", "--record", Dir + "take.jsonl"});
		ASSERT_TRUE(Editor.WaitForOutput("Receiving", 20.0)) << Editor.Err();
		FStreamProcess Stream(*Project, {"--to", Endpoint(Port), "--actors", "1", "--props", "0", "--rate", "10", "--for", "3"});
		ASSERT_EQ(Editor.Wait(30.0), 0) << Editor.Err();
		// A pose line is built from the latest frame before it.
		int64_t LatestFrame = -1;
		for (FJson& Line : ReadLines(*Project, "take.jsonl"))
		{
			if (Line["event"] == "frame" && Line["subject"] == "Actor1")
			{
				Frames.push_back(std::move(Line));
				++LatestFrame;
			}
			else if (Line["event"] == "pose" && LatestFrame >= 0 && !PoseOfFrame.count(LatestFrame))
			{
				PoseOfFrame[LatestFrame] = std::move(Line);
			}
		}
	}

	static void TearDownTestSuite()
	{
		delete Project;
		Project = nullptr;
	}

	static std::string Dir() { return *Project->GetDir(); }

	static FTempProject* Project;
	static std::vector<FJson> Frames;
	static std::map<int64_t, FJson> PoseOfFrame;
};

FTempProject* ZevoEditorTakeExport::Project = nullptr;
std::vector<FJson> ZevoEditorTakeExport::Frames;
std::map<int64_t, FJson> ZevoEditorTakeExport::PoseOfFrame;
}

TEST_F(ZevoEditorTakeExport, BvhHoldsEveryRecordedFrameOfTheStreamSkeleton)
{
	ASSERT_GE(Frames.size(), 25u);
	std::string Out;
	ASSERT_EQ(RunEditor(*Project, {"take", "export", Dir() + "take.jsonl", "--subject", "Actor1", "--bvh", Dir() + "Actor1.bvh"}, &Out), 0) << Out;

	// The importer reads the stream's hierarchy, with the legs as long as the performer's.
	const FSkeletonImportResult Imported = ImportSkeletonFromFile(FString(Dir() + "Actor1.bvh"));
	ASSERT_TRUE(Imported.Skeleton) << *Imported.Error;
	const FReferenceSkeleton& Skeleton = Imported.Skeleton->GetReferenceSkeleton();
	ASSERT_EQ(Skeleton.GetNum(), 52);
	const FJson& Properties = Frames[0]["properties"];
	const std::pair<const char*, double> Legs[] = {{"LeftKnee", Properties[0].get<double>()}, {"RightAnkle", Properties[1].get<double>()},
		{"LeftHip", Properties[2].get<double>()}};
	for (const auto& [Bone, Metres] : Legs)
	{
		const int32 Index = Skeleton.FindBoneIndex(FName(Bone));
		ASSERT_NE(Index, INDEX_NONE) << Bone;
		EXPECT_NEAR(Skeleton.GetRefBonePose()[Index].GetTranslation().Size(), 100.0 * Metres, 0.01) << Bone;
	}
	EXPECT_EQ(Skeleton.GetBoneName(Skeleton.GetParentIndex(Skeleton.FindBoneIndex("Neck1"))), FName("Neck"));

	Assimp::Importer Importer;
	const aiScene* Scene = Importer.ReadFile(Dir() + "Actor1.bvh", 0);
	ASSERT_TRUE(Scene && Scene->mNumAnimations == 1) << Importer.GetErrorString();
	const std::map<std::string, const aiNodeAnim*> ByJoint = Channels(*Scene);
	const FJson Bones = FJson::parse(Project->ReadFile("take.jsonl").ToStdString().substr(0, Project->ReadFile("take.jsonl").ToStdString().find('\n')))["bones"];
	ASSERT_EQ(ByJoint.at("Hips")->mNumRotationKeys, Frames.size()) << "a take recorded at an even rate keeps every frame";
	const double Seconds = Scene->mAnimations[0]->mDuration / Scene->mAnimations[0]->mTicksPerSecond;
	EXPECT_NEAR(Seconds, Frames.back()["t"].get<double>() - Frames.front()["t"].get<double>(), 0.05);
	for (size_t Frame = 0; Frame < Frames.size(); ++Frame)
	{
		const FJson& Transforms = Frames[Frame]["transforms"];
		for (size_t Bone = 0; Bone < Bones.size(); ++Bone)
		{
			// The right-handed file mirrors the stream's X: (x, y, z, w) is written (x, -y, -z, w).
			const FJson& R = Transforms[Bone]["r"];
			const aiQuaternion Expected(R[3].get<double>(), R[0].get<double>(), -R[1].get<double>(), -R[2].get<double>());
			const aiQuaternion Read = RotationAt(*Scene, ByJoint.at(Bones[Bone].get<std::string>()), Bones[Bone], Frame);
			ASSERT_LT(DegreesBetween(Read, Expected), 0.01) << "frame " << Frame << ", " << Bones[Bone];
		}
		const FJson& Hips = Transforms[0]["t"];
		const aiVector3D Read = PositionAt(*Scene, ByJoint.at("Hips"), "Hips", Frame);
		EXPECT_NEAR(Read.x, -100.0 * Hips[0].get<double>(), 0.01) << "frame " << Frame;
		EXPECT_NEAR(Read.y, 100.0 * Hips[1].get<double>(), 0.01) << "frame " << Frame;
		EXPECT_NEAR(Read.z, 100.0 * Hips[2].get<double>(), 0.01) << "frame " << Frame;
	}
}

TEST_F(ZevoEditorTakeExport, GltfHoldsThePosesAnimateBuiltAndPassesTheValidator)
{
	ASSERT_GE(Frames.size(), 25u);
	std::string Out;
	ASSERT_EQ(RunEditor(*Project, {"take", "export", Dir() + "take.jsonl", "--subject", "Actor1", "--remap", "Characters/Hero_Remap",
								   "--project", Dir(), "--gltf", Dir() + "Hero.glb"}, &Out), 0) << Out;

	const FSkeletonImportResult Imported = ImportSkeletonFromFile(FString(Dir() + "Hero.glb"));
	ASSERT_TRUE(Imported.Skeleton) << *Imported.Error;
	const FSkeletonImportResult Rig = ImportSkeletonFromFile(ZEVO_TEST_RIGS_DIR "/Mannequin.glb");
	EXPECT_EQ(Imported.Skeleton->GetReferenceSkeleton().GetNum(), Rig.Skeleton->GetReferenceSkeleton().GetNum());
	ASSERT_TRUE(Imported.Skeleton->GetPreviewMesh()) << "the rig's mesh comes along";

	Assimp::Importer Importer;
	const aiScene* Scene = Importer.ReadFile(Dir() + "Hero.glb", 0);
	ASSERT_TRUE(Scene && Scene->mNumAnimations == 1) << Importer.GetErrorString();
	const std::map<std::string, const aiNodeAnim*> ByJoint = Channels(*Scene);
	const double TicksPerSecond = Scene->mAnimations[0]->mTicksPerSecond;
	const aiNodeAnim& Pelvis = *ByJoint.at("pelvis");
	ASSERT_EQ(Pelvis.mNumRotationKeys, Frames.size());
	size_t Compared = 0;
	for (size_t Frame = 0; Frame < Frames.size(); ++Frame)
	{
		EXPECT_NEAR(Pelvis.mRotationKeys[Frame].mTime / TicksPerSecond, Frames[Frame]["t"].get<double>() - Frames[0]["t"].get<double>(), 1e-4);
		if (!PoseOfFrame.count(int64_t(Frame)))
		{
			continue;
		}
		++Compared;
		const FJson& Pose = PoseOfFrame.at(int64_t(Frame));
		for (size_t Bone = 0; Bone < Pose["bones"].size(); ++Bone)
		{
			const std::string Name = Pose["bones"][Bone];
			const FJson& Built = Pose["transforms"][Bone];
			const aiNodeAnim* Channel = ByJoint.count(Name) ? ByJoint.at(Name) : nullptr;
			// The file is right-handed, Y up, in metres: an engine rotation (x, y, z, w) is (-x, -z, -y, w).
			const FJson& R = Built["r"];
			const aiQuaternion Expected(R[3].get<double>(), -R[0].get<double>(), -R[2].get<double>(), -R[1].get<double>());
			ASSERT_LT(DegreesBetween(RotationAt(*Scene, Channel, Name, Frame), Expected), 0.01) << "frame " << Frame << ", " << Name;
			const FJson& T = Built["t"];
			const aiVector3D Read = PositionAt(*Scene, Channel, Name, Frame);
			ASSERT_NEAR(100.0 * Read.x, T[0].get<double>(), 0.01) << "frame " << Frame << ", " << Name;
			ASSERT_NEAR(100.0 * Read.y, T[2].get<double>(), 0.01) << "frame " << Frame << ", " << Name;
			ASSERT_NEAR(100.0 * Read.z, T[1].get<double>(), 0.01) << "frame " << Frame << ", " << Name;
		}
	}
	EXPECT_GE(Compared + 2, Frames.size()) << "nearly every frame has a pose built from it";

	if (!std::filesystem::exists(ZEVO_NODE_MODULES_DIR "/gltf-validator"))
	{
		GTEST_SKIP() << "node_modules/gltf-validator is missing (scripts/install-deps installs it): the glTF file was not validated";
	}
	FChildProcess Validator(*Project, "/usr/bin/env", {"node", ZEVO_VALIDATE_GLTF_SCRIPT, ZEVO_NODE_MODULES_DIR, Dir() + "Hero.glb"}, "validator");
	EXPECT_EQ(Validator.Wait(60.0), 0) << Validator.Out() << Validator.Err();
	EXPECT_NE(Validator.Out().find(": 0 errors"), std::string::npos) << Validator.Out();
}

TEST_F(ZevoEditorTakeExport, FbxHoldsTheSameJointsAndKeys)
{
	std::string Out;
	ASSERT_EQ(RunEditor(*Project, {"take", "export", Dir() + "take.jsonl", "--subject", "Actor1", "--remap", "Characters/Hero_Remap",
								   "--project", Dir(), "--fbx", Dir() + "Hero.fbx"}, &Out), 0) << Out;
	const FSkeletonImportResult Imported = ImportSkeletonFromFile(FString(Dir() + "Hero.fbx"));
	ASSERT_TRUE(Imported.Skeleton) << *Imported.Error;
	const FSkeletonImportResult Rig = ImportSkeletonFromFile(ZEVO_TEST_RIGS_DIR "/Mannequin.glb");
	EXPECT_EQ(Imported.Skeleton->GetReferenceSkeleton().GetNum(), Rig.Skeleton->GetReferenceSkeleton().GetNum());
	Assimp::Importer Importer;
	const aiScene* Scene = Importer.ReadFile(Dir() + "Hero.fbx", 0);
	ASSERT_TRUE(Scene && Scene->mNumAnimations >= 1) << Importer.GetErrorString();
	const std::map<std::string, const aiNodeAnim*> ByJoint = Channels(*Scene);
	ASSERT_TRUE(ByJoint.count("pelvis"));
	EXPECT_EQ(ByJoint.at("pelvis")->mNumRotationKeys, Frames.size());
}
