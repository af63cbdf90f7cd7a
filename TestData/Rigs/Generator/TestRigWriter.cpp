// Writes the test rigs as files: FBX (ASCII) and binary glTF through the exporters of the import
// library, BVH as text. Files are Y up and right-handed: an engine vector (x, y, z) is stored as
// (x, z, y), in centimetres for FBX and BVH and in metres for glTF.
#include "TestRigs.h"

#include <assimp/Exporter.hpp>
#include <assimp/scene.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>

namespace
{
aiVector3D ToFile(const FVector& V, double CentimetresPerUnit)
{
	return aiVector3D(static_cast<ai_real>(V.X / CentimetresPerUnit), static_cast<ai_real>(V.Z / CentimetresPerUnit),
		static_cast<ai_real>(V.Y / CentimetresPerUnit));
}

aiMatrix4x4 ToFile(const FTransform& T, double CentimetresPerUnit)
{
	const FQuat& Q = T.GetRotation();
	return aiMatrix4x4(aiVector3D(1, 1, 1), aiQuaternion(static_cast<ai_real>(Q.W), static_cast<ai_real>(-Q.X),
		static_cast<ai_real>(-Q.Z), static_cast<ai_real>(-Q.Y)), ToFile(T.GetTranslation(), CentimetresPerUnit));
}

// One node per bone under a scene root, and one mesh of boxes bound to the bones.
std::unique_ptr<aiScene> BuildScene(const FTestRig& Rig, double CentimetresPerUnit)
{
	auto Scene = std::make_unique<aiScene>();
	Scene->mRootNode = new aiNode("Scene");
	std::vector<aiNode*> Nodes;
	std::vector<aiMatrix4x4> Globals;
	for (size_t Index = 0; Index < Rig.Bones.size(); ++Index)
	{
		aiNode* Node = new aiNode(Rig.Bones[Index].Name);
		Node->mTransformation = ToFile(Rig.LocalTransform(static_cast<int>(Index)), CentimetresPerUnit);
		const int Parent = Rig.FindBone(Rig.Bones[Index].Parent);
		aiNode* ParentNode = Parent < 0 ? Scene->mRootNode : Nodes[Parent];
		ParentNode->addChildren(1, &Node);
		Globals.push_back(Parent < 0 ? Node->mTransformation : Globals[Parent] * Node->mTransformation);
		Nodes.push_back(Node);
	}

	Scene->mNumMaterials = 1;
	Scene->mMaterials = new aiMaterial*[1]{new aiMaterial()};
	aiMesh* Mesh = new aiMesh();
	Mesh->mName = "Body";
	Mesh->mPrimitiveTypes = aiPrimitiveType_TRIANGLE;
	std::vector<aiVector3D> Vertices;
	std::vector<aiBone*> MeshBones;
	for (size_t Index = 0; Index < Rig.Bones.size(); ++Index)
	{
		const std::vector<FVector> Corners = Rig.BoxCorners(static_cast<int>(Index));
		if (Corners.empty())
		{
			continue;
		}
		aiBone* Bone = new aiBone();
		Bone->mName = Rig.Bones[Index].Name;
		Bone->mOffsetMatrix = Globals[Index];
		Bone->mOffsetMatrix.Inverse();
		Bone->mNumWeights = static_cast<unsigned>(Corners.size());
		Bone->mWeights = new aiVertexWeight[Corners.size()];
		for (size_t Corner = 0; Corner < Corners.size(); ++Corner)
		{
			Bone->mWeights[Corner] = aiVertexWeight(static_cast<unsigned>(Vertices.size()), 1.0f);
			Vertices.push_back(ToFile(Corners[Corner], CentimetresPerUnit));
		}
		MeshBones.push_back(Bone);
	}
	Mesh->mNumVertices = static_cast<unsigned>(Vertices.size());
	Mesh->mVertices = new aiVector3D[Vertices.size()];
	std::copy(Vertices.begin(), Vertices.end(), Mesh->mVertices);
	Mesh->mNumBones = static_cast<unsigned>(MeshBones.size());
	Mesh->mBones = new aiBone*[MeshBones.size()];
	std::copy(MeshBones.begin(), MeshBones.end(), Mesh->mBones);
	// Twelve triangles per box; corner bit 0 is +X, bit 1 +Y, bit 2 +Z.
	static const unsigned BoxTriangles[12][3] = {{0, 2, 1}, {1, 2, 3}, {4, 5, 6}, {5, 7, 6}, {0, 1, 4}, {1, 5, 4},
		{2, 6, 3}, {3, 6, 7}, {0, 4, 2}, {2, 4, 6}, {1, 3, 5}, {3, 7, 5}};
	const unsigned Boxes = Mesh->mNumVertices / 8;
	Mesh->mNumFaces = Boxes * 12;
	Mesh->mFaces = new aiFace[Mesh->mNumFaces];
	for (unsigned Box = 0; Box < Boxes; ++Box)
	{
		for (unsigned Triangle = 0; Triangle < 12; ++Triangle)
		{
			aiFace& Face = Mesh->mFaces[Box * 12 + Triangle];
			Face.mNumIndices = 3;
			Face.mIndices = new unsigned[3];
			for (unsigned Corner = 0; Corner < 3; ++Corner)
			{
				Face.mIndices[Corner] = Box * 8 + BoxTriangles[Triangle][Corner];
			}
		}
	}
	Scene->mNumMeshes = 1;
	Scene->mMeshes = new aiMesh*[1]{Mesh};
	aiNode* MeshNode = new aiNode("Body");
	MeshNode->mNumMeshes = 1;
	MeshNode->mMeshes = new unsigned[1]{0};
	Scene->mRootNode->addChildren(1, &MeshNode);
	return Scene;
}

std::string Number(double Value)
{
	char Text[32];
	std::snprintf(Text, sizeof(Text), "%.4f", std::abs(Value) < 5e-5 ? 0.0 : Value);
	return Text;
}

std::string Offset(const FVector& EngineOffset)
{
	const aiVector3D File = ToFile(EngineOffset, 1.0);
	return Number(File.x) + " " + Number(File.y) + " " + Number(File.z);
}

// BVH keeps no rest rotations: every offset is the component-space step from the parent.
std::string BuildBvh(const FTestRig& Rig)
{
	std::ostringstream Text;
	Text << "HIERARCHY\n";
	std::function<void(int, int)> WriteJoint = [&](int Index, int Depth) {
		const std::string Indent(Depth, '\t');
		const FTestRigBone& Bone = Rig.Bones[Index];
		const int Parent = Rig.FindBone(Bone.Parent);
		Text << Indent << (Parent < 0 ? "ROOT " : "JOINT ") << Bone.Name << "\n" << Indent << "{\n";
		Text << Indent << "\tOFFSET " << Offset(Parent < 0 ? Bone.Position : Bone.Position - Rig.Bones[Parent].Position) << "\n";
		Text << Indent << "\tCHANNELS " << (Parent < 0 ? "6 Xposition Yposition Zposition " : "3 ") << "Zrotation Xrotation Yrotation\n";
		bool bHasChild = false;
		for (size_t Child = 0; Child < Rig.Bones.size(); ++Child)
		{
			if (Rig.Bones[Child].Parent == Bone.Name)
			{
				WriteJoint(static_cast<int>(Child), Depth + 1);
				bHasChild = true;
			}
		}
		if (!bHasChild)
		{
			Text << Indent << "\tEnd Site\n" << Indent << "\t{\n" << Indent << "\t\tOFFSET " << Offset(FVector(0, 0, 0)) << "\n"
				 << Indent << "\t}\n";
		}
		Text << Indent << "}\n";
	};
	WriteJoint(0, 0);
	Text << "MOTION\nFrames: 1\nFrame Time: 0.0333333\n" << Offset(Rig.Bones[0].Position);
	for (size_t Index = 0; Index < Rig.Bones.size(); ++Index)
	{
		Text << " 0.0000 0.0000 0.0000";
	}
	Text << "\n";
	return Text.str();
}

bool WriteText(const std::string& Path, const std::string& Contents, std::string& OutError)
{
	std::ofstream File(Path, std::ios::binary | std::ios::trunc);
	File << Contents;
	if (!File)
	{
		OutError = "cannot write " + Path;
		return false;
	}
	return true;
}
}

bool WriteTestRigFiles(const FTestRig& Rig, const std::string& Dir, std::string& OutError)
{
	Assimp::Exporter Exporter;
	if (Rig.bWriteFbx)
	{
		const auto Scene = BuildScene(Rig, 1.0);
		if (Exporter.Export(Scene.get(), "fbxa", Dir + Rig.Name + ".fbx") != AI_SUCCESS)
		{
			OutError = Rig.Name + ".fbx: " + Exporter.GetErrorString();
			return false;
		}
	}
	if (Rig.bWriteGltf)
	{
		const auto Scene = BuildScene(Rig, 100.0);
		if (Exporter.Export(Scene.get(), "glb2", Dir + Rig.Name + ".glb") != AI_SUCCESS)
		{
			OutError = Rig.Name + ".glb: " + Exporter.GetErrorString();
			return false;
		}
	}
	return (!Rig.bWriteBvh || WriteText(Dir + Rig.Name + ".bvh", BuildBvh(Rig), OutError))
		&& WriteText(Dir + Rig.Name + ".mapping.json", Rig.MappingJson(), OutError);
}
