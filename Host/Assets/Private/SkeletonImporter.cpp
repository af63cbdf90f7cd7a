#include "SkeletonImporter.h"

#include "CrashContainedRead.h"
#include "GltfForImport.h"
#include "Misc/Paths.h"
#include "SkeletonFileLimits.h"

#include <assimp/Importer.hpp>
#include <assimp/config.h>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace
{
// How the file's axes and unit relate to the engine's.
struct FFileFrame
{
	/** Rotation part only: rows are the engine's X, Y and Z axes written in file coordinates. */
	aiMatrix4x4 ToEngineAxes;
	double CentimetresPerUnit = 1.0;
};

// The usual right-handed Y-up frame: side +X, up +Y, front +Z.
aiMatrix4x4 YUpToEngineAxes()
{
	return aiMatrix4x4(1, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 1);
}

bool ReadMetadataNumber(const aiScene& Scene, const char* Key, double& OutValue)
{
	const aiMetadata* Metadata = Scene.mMetaData;
	if (!Metadata)
	{
		return false;
	}
	for (unsigned Index = 0; Index < Metadata->mNumProperties; ++Index)
	{
		if (std::string(Metadata->mKeys[Index].C_Str()) != Key || !Metadata->mValues[Index].mData)
		{
			continue;
		}
		const aiMetadataEntry& Entry = Metadata->mValues[Index];
		switch (Entry.mType)
		{
		case AI_INT32: OutValue = *static_cast<const int32_t*>(Entry.mData); return true;
		case AI_UINT64: OutValue = static_cast<double>(*static_cast<const uint64_t*>(Entry.mData)); return true;
		case AI_FLOAT: OutValue = *static_cast<const float*>(Entry.mData); return true;
		case AI_DOUBLE: OutValue = *static_cast<const double*>(Entry.mData); return true;
		default: return false;
		}
	}
	return false;
}

// FBX declares its axes as (axis index 0..2, sign) for up, front and side ("coord").
bool ReadFbxFrame(const aiScene& Scene, FFileFrame& OutFrame, FString& OutError)
{
	double Up = 1, UpSign = 1, Front = 2, FrontSign = 1, Side = 0, SideSign = 1, Unit = 1;
	ReadMetadataNumber(Scene, "UpAxis", Up);
	ReadMetadataNumber(Scene, "UpAxisSign", UpSign);
	ReadMetadataNumber(Scene, "FrontAxis", Front);
	ReadMetadataNumber(Scene, "FrontAxisSign", FrontSign);
	ReadMetadataNumber(Scene, "CoordAxis", Side);
	ReadMetadataNumber(Scene, "CoordAxisSign", SideSign);
	ReadMetadataNumber(Scene, "UnitScaleFactor", Unit);

	const auto IsAxis = [](double Axis) { return Axis == 0 || Axis == 1 || Axis == 2; };
	const auto IsSign = [](double Sign) { return Sign == 1 || Sign == -1; };
	if (!IsAxis(Up) || !IsAxis(Front) || !IsAxis(Side) || Up == Front || Up == Side || Front == Side
		|| !IsSign(UpSign) || !IsSign(FrontSign) || !IsSign(SideSign))
	{
		OutError = FString::Printf("the file declares an unusable axis system (up %g/%g, front %g/%g, side %g/%g)",
			Up, UpSign, Front, FrontSign, Side, SideSign);
		return false;
	}
	if (!std::isfinite(Unit) || Unit <= 0)
	{
		OutError = FString::Printf("the file declares an unusable unit scale (%g)", Unit);
		return false;
	}

	aiMatrix4x4 Axes; // identity; the three rows are set below
	const auto SetRow = [&Axes](unsigned Row, double Axis, double Sign) {
		for (unsigned Column = 0; Column < 3; ++Column)
		{
			Axes[Row][Column] = Column == static_cast<unsigned>(Axis) ? static_cast<ai_real>(Sign) : 0;
		}
	};
	SetRow(0, Side, SideSign);
	SetRow(1, Front, FrontSign);
	SetRow(2, Up, UpSign);
	OutFrame.ToEngineAxes = Axes;
	OutFrame.CentimetresPerUnit = Unit;
	return true;
}

bool IsFinite(const aiMatrix4x4& M)
{
	for (unsigned Row = 0; Row < 4; ++Row)
	{
		for (unsigned Column = 0; Column < 4; ++Column)
		{
			if (!std::isfinite(M[Row][Column]))
			{
				return false;
			}
		}
	}
	return true;
}

bool IsFinite(const FVector& V)
{
	return std::isfinite(V.X) && std::isfinite(V.Y) && std::isfinite(V.Z);
}

// A local (or, for the root, global) node transform in the file's frame, turned into the engine's.
bool ToEngineTransform(const aiMatrix4x4& FileMatrix, const FFileFrame& Frame, FTransform& OutTransform)
{
	aiMatrix4x4 AxesTransposed = Frame.ToEngineAxes;
	AxesTransposed.Transpose();
	const aiMatrix4x4 EngineMatrix = Frame.ToEngineAxes * FileMatrix * AxesTransposed;
	aiVector3D Scale, Position;
	aiQuaternion Rotation;
	EngineMatrix.Decompose(Scale, Rotation, Position);
	const FQuat Quat(Rotation.x, Rotation.y, Rotation.z, Rotation.w);
	const FVector Translation = FVector(Position.x, Position.y, Position.z) * Frame.CentimetresPerUnit;
	const FVector Scale3D(Scale.x, Scale.y, Scale.z);
	if (!IsFinite(Translation) || !IsFinite(Scale3D) || !std::isfinite(Quat.SizeSquared()) || !Quat.IsNormalized()
		|| Scale3D.GetMin() <= 0)
	{
		return false;
	}
	OutTransform = FTransform(Quat.GetNormalized(), Translation, Scale3D);
	return true;
}

FVector ToEnginePosition(const aiVector3D& FilePosition, const FFileFrame& Frame)
{
	const aiVector3D Turned = Frame.ToEngineAxes * FilePosition;
	return FVector(Turned.x, Turned.y, Turned.z) * Frame.CentimetresPerUnit;
}

// Whether Text is well-formed UTF-8: no stray or missing continuation bytes, no overlong forms, no
// surrogates, nothing past U+10FFFF. Names are written to asset files, which hold only such text.
bool IsUtf8(std::string_view Text)
{
	static constexpr uint32_t SmallestOfLength[] = {0, 0, 0x80, 0x800, 0x10000};
	for (size_t Index = 0; Index < Text.size();)
	{
		const unsigned char Lead = static_cast<unsigned char>(Text[Index]);
		const size_t Length = Lead < 0x80 ? 1 : (Lead >> 5) == 0x6 ? 2 : (Lead >> 4) == 0xE ? 3 : (Lead >> 3) == 0x1E ? 4 : 0;
		if (Length == 0 || Text.size() - Index < Length)
		{
			return false;
		}
		if (Length > 1)
		{
			uint32_t CodePoint = Lead & (0x7Fu >> Length);
			for (size_t Next = 1; Next < Length; ++Next)
			{
				const unsigned char Byte = static_cast<unsigned char>(Text[Index + Next]);
				if ((Byte & 0xC0) != 0x80)
				{
					return false;
				}
				CodePoint = (CodePoint << 6) | (Byte & 0x3F);
			}
			if (CodePoint < SmallestOfLength[Length] || CodePoint > 0x10FFFF || (CodePoint >= 0xD800 && CodePoint <= 0xDFFF))
			{
				return false;
			}
		}
		Index += Length;
	}
	return true;
}

// The scene's nodes in depth-first pre-order, each with the position of its parent in that order.
struct FNodeList
{
	std::vector<const aiNode*> Nodes;
	std::vector<int> Parents;
	std::vector<aiMatrix4x4> GlobalTransforms;
};

FNodeList ListNodes(const aiNode* Root)
{
	FNodeList List;
	std::unordered_set<const aiNode*> Seen;
	std::vector<std::pair<const aiNode*, int>> Stack{{Root, -1}};
	while (!Stack.empty())
	{
		const auto [Node, Parent] = Stack.back();
		Stack.pop_back();
		if (!Node || !Seen.insert(Node).second)
		{
			continue;
		}
		const int Index = static_cast<int>(List.Nodes.size());
		List.Nodes.push_back(Node);
		List.Parents.push_back(Parent);
		List.GlobalTransforms.push_back(Parent < 0 ? Node->mTransformation : List.GlobalTransforms[Parent] * Node->mTransformation);
		for (unsigned Child = Node->mNumChildren; Child-- > 0;)
		{
			Stack.emplace_back(Node->mChildren ? Node->mChildren[Child] : nullptr, Index);
		}
	}
	return List;
}

// Names of the joints: what skinned meshes bind to, else what the animations drive.
std::vector<std::string> FindJointNames(const aiScene& Scene)
{
	std::vector<std::string> Names;
	for (unsigned MeshIndex = 0; Scene.mMeshes && MeshIndex < Scene.mNumMeshes; ++MeshIndex)
	{
		const aiMesh* Mesh = Scene.mMeshes[MeshIndex];
		for (unsigned BoneIndex = 0; Mesh && Mesh->mBones && BoneIndex < Mesh->mNumBones; ++BoneIndex)
		{
			if (Mesh->mBones[BoneIndex])
			{
				Names.emplace_back(Mesh->mBones[BoneIndex]->mName.C_Str());
			}
		}
	}
	if (!Names.empty())
	{
		return Names;
	}
	for (unsigned AnimIndex = 0; Scene.mAnimations && AnimIndex < Scene.mNumAnimations; ++AnimIndex)
	{
		const aiAnimation* Animation = Scene.mAnimations[AnimIndex];
		for (unsigned Channel = 0; Animation && Animation->mChannels && Channel < Animation->mNumChannels; ++Channel)
		{
			if (Animation->mChannels[Channel])
			{
				Names.emplace_back(Animation->mChannels[Channel]->mNodeName.C_Str());
			}
		}
	}
	return Names;
}

class FSkeletonBuilder
{
public:
	/** bInTopNodeIsLibrarys: the scene's top node was added by the import library, not read from the file. */
	FSkeletonBuilder(const aiScene& InScene, const FFileFrame& InFrame, bool bInTopNodeIsLibrarys)
		: Scene(InScene), Frame(InFrame), List(ListNodes(InScene.mRootNode)), bTopNodeIsLibrarys(bInTopNodeIsLibrarys)
	{
	}

	bool Build(USkeleton& Skeleton, FString& OutError)
	{
		std::vector<bool> IsBone;
		return MarkBones(IsBone, OutError) && AddBones(IsBone, Skeleton.GetMutableReferenceSkeleton(), OutError)
			&& AddPreviewMesh(Skeleton, OutError);
	}

private:
	bool MarkBones(std::vector<bool>& OutIsBone, FString& OutError)
	{
		std::unordered_map<std::string, int> NodeByName;
		std::unordered_set<std::string> Ambiguous;
		// A top node the library added is no joint, whatever name the library gave it.
		for (size_t Index = bTopNodeIsLibrarys ? 1 : 0; Index < List.Nodes.size(); ++Index)
		{
			if (!NodeByName.emplace(List.Nodes[Index]->mName.C_Str(), static_cast<int>(Index)).second)
			{
				Ambiguous.insert(List.Nodes[Index]->mName.C_Str());
			}
		}

		OutIsBone.assign(List.Nodes.size(), false);
		for (const std::string& Name : FindJointNames(Scene))
		{
			const auto Found = NodeByName.find(Name);
			if (Found == NodeByName.end())
			{
				continue;
			}
			if (Ambiguous.count(Name))
			{
				OutError = FString::Printf("the joint name '%s' is used by more than one node", Name.c_str());
				return false;
			}
			OutIsBone[Found->second] = true;
			// Ancestors up to the file's top level; the scene root stays out unless it is a joint.
			for (int Parent = List.Parents[Found->second]; Parent > 0 && !OutIsBone[Parent]; Parent = List.Parents[Parent])
			{
				OutIsBone[Parent] = true;
			}
		}
		if (std::find(OutIsBone.begin(), OutIsBone.end(), true) == OutIsBone.end())
		{
			OutError = "the file holds no skeleton (no skinned mesh and no animated joints)";
			return false;
		}
		return true;
	}

	bool AddBones(const std::vector<bool>& IsBone, FReferenceSkeleton& RefSkeleton, FString& OutError)
	{
		std::vector<int32> BoneIndexOfNode(List.Nodes.size(), INDEX_NONE);
		TArray<FString> Roots;
		FReferenceSkeletonModifier Modifier(RefSkeleton);
		for (size_t Index = 0; Index < List.Nodes.size(); ++Index)
		{
			if (!IsBone[Index])
			{
				continue;
			}
			const aiNode& Node = *List.Nodes[Index];
			const FString Name(Node.mName.C_Str());
			const int Parent = List.Parents[Index];
			const bool bIsRoot = Parent < 0 || !IsBone[Parent];
			if (bIsRoot)
			{
				Roots.Add(Name);
			}
			if (Name.IsEmpty())
			{
				OutError = "a joint has no name";
				return false;
			}
			if (!IsUtf8(Node.mName.C_Str()))
			{
				// The name's bytes stay out of the message, which is text like any other.
				OutError = bIsRoot ? FString("the root joint's name is not UTF-8 text")
								   : FString::Printf("the name of a joint under '%s' is not UTF-8 text", List.Nodes[Parent]->mName.C_Str());
				return false;
			}
			if (RefSkeleton.FindBoneIndex(FName(*Name)) != INDEX_NONE)
			{
				OutError = FString::Printf("two joints are named '%s' (bone names ignore letter case)", *Name);
				return false;
			}
			// The root carries everything above it, so the bones keep their place in the file.
			FTransform Local;
			if (!IsFinite(List.GlobalTransforms[Index])
				|| !ToEngineTransform(bIsRoot ? List.GlobalTransforms[Index] : Node.mTransformation, Frame, Local))
			{
				OutError = FString::Printf("the joint '%s' has an unusable transform", *Name);
				return false;
			}
			if (!Modifier.Add(FMeshBoneInfo(FName(*Name), bIsRoot ? INDEX_NONE : BoneIndexOfNode[Parent]), Local))
			{
				OutError = FString::Printf("the joint '%s' could not be added", *Name);
				return false;
			}
			BoneIndexOfNode[Index] = RefSkeleton.GetNum() - 1;
		}
		if (Roots.Num() != 1)
		{
			OutError = FString::Printf("the joints form %d separate hierarchies (%s); a skeleton needs exactly one root",
				Roots.Num(), *FString::Join(Roots, ", "));
			return false;
		}
		return true;
	}

	bool AddPreviewMesh(USkeleton& Skeleton, FString& OutError)
	{
		TArray<FVector> Positions;
		for (size_t Index = 0; Index < List.Nodes.size(); ++Index)
		{
			const aiNode& Node = *List.Nodes[Index];
			for (unsigned Slot = 0; Node.mMeshes && Slot < Node.mNumMeshes; ++Slot)
			{
				if (!Scene.mMeshes || Node.mMeshes[Slot] >= Scene.mNumMeshes)
				{
					continue;
				}
				const aiMesh* Mesh = Scene.mMeshes[Node.mMeshes[Slot]];
				if (!Mesh || Mesh->mNumBones == 0 || !Mesh->mVertices)
				{
					continue;
				}
				for (unsigned Vertex = 0; Vertex < Mesh->mNumVertices; ++Vertex)
				{
					const FVector Position = ToEnginePosition(List.GlobalTransforms[Index] * Mesh->mVertices[Vertex], Frame);
					if (!IsFinite(Position))
					{
						OutError = FString::Printf("the mesh '%s' has a vertex that is not a number", Mesh->mName.C_Str());
						return false;
					}
					Positions.Add(Position);
				}
			}
		}
		Skeleton.SetPreviewMeshVertices(Positions);
		return true;
	}

	const aiScene& Scene;
	const FFileFrame& Frame;
	FNodeList List;
	bool bTopNodeIsLibrarys = false;
};
}

namespace
{
/** Why the file cannot be imported before the library sees it (type, presence, size, limits); empty when it may be read. */
FString FindProblemBeforeReading(const FString& File, const FString& Extension)
{
	if (Extension != "fbx" && Extension != "gltf" && Extension != "glb" && Extension != "bvh")
	{
		return "unsupported file type (expected .fbx, .gltf, .glb or .bvh)";
	}
	std::error_code FileError;
	if (!std::filesystem::is_regular_file(*File, FileError))
	{
		return "the file does not exist";
	}
	const std::uintmax_t SizeBytes = std::filesystem::file_size(*File, FileError);
	if (SizeBytes == 0 && !FileError)
	{
		return "the file is empty";
	}
	return FindSkeletonFileLimitProblem(File, Extension, FileError ? 0 : SizeBytes);
}

/** The library's read of the file; null with the library's error string when it fails, throws where the library throws. */
const aiScene* ReadScene(Assimp::Importer& Importer, const FString& File, const FString& Extension, const FGltfForImport& Gltf)
{
	// Only the joints matter: no stand-in meshes for bare skeletons, no pivot helper nodes.
	Importer.SetPropertyBool(AI_CONFIG_IMPORT_NO_SKELETON_MESHES, true);
	Importer.SetPropertyBool(AI_CONFIG_IMPORT_FBX_PRESERVE_PIVOTS, false);
	Importer.SetPropertyBool(AI_CONFIG_IMPORT_FBX_READ_CAMERAS, false);
	Importer.SetPropertyBool(AI_CONFIG_IMPORT_FBX_READ_LIGHTS, false);
	Importer.SetPropertyBool(AI_CONFIG_IMPORT_FBX_READ_MATERIALS, false);
	Importer.SetPropertyBool(AI_CONFIG_IMPORT_FBX_READ_TEXTURES, false);
	// Formats that store corners per face come back with one vertex per corner; joining them
	// gives the mesh's own vertices.
	return Gltf.MendedBytes.empty()
		? Importer.ReadFile(*File, aiProcess_JoinIdenticalVertices)
		: Importer.ReadFileFromMemory(Gltf.MendedBytes.data(), Gltf.MendedBytes.size(), aiProcess_JoinIdenticalVertices, *Extension);
}
}

FSkeletonImportResult ImportSkeletonFromFile(const FString& File, FName SkeletonName)
{
	FSkeletonImportResult Result;
	const auto Fail = [&File, &Result](const FString& Reason) {
		Result.Skeleton.reset();
		Result.Error = FString::Printf("Cannot import skeleton from '%s': %s", *File, *Reason);
		return std::move(Result);
	};

	const FString Extension = FPaths::GetExtension(File).ToLower();
	if (const FString Problem = FindProblemBeforeReading(File, Extension); !Problem.IsEmpty())
	{
		return Fail(Problem);
	}
	const bool bGltf = Extension == "gltf" || Extension == "glb";
	const FGltfForImport Gltf = bGltf ? PrepareGltfForImport(*File, Extension == "glb") : FGltfForImport();
	const FString Crash = FindCrashInChild([&] {
		Assimp::Importer Trial;
		ReadScene(Trial, File, Extension, Gltf);
	});
	if (!Crash.IsEmpty())
	{
		return Fail(Crash);
	}
	Assimp::Importer Importer;
	const aiScene* Scene = nullptr;
	try
	{
		Scene = ReadScene(Importer, File, Extension, Gltf);
	}
	catch (const std::exception& Exception)
	{
		return Fail(FString::Printf("the file could not be read (%s)", Exception.what()));
	}
	catch (...)
	{
		return Fail("the file could not be read");
	}
	if (!Scene || !Scene->mRootNode)
	{
		return Fail(FString::Printf("the file could not be read (%s)", Importer.GetErrorString()));
	}

	FFileFrame Frame{YUpToEngineAxes(), Extension == "bvh" ? 1.0 : 100.0};
	FString Reason;
	if (Extension == "fbx" && !ReadFbxFrame(*Scene, Frame, Reason))
	{
		return Fail(Reason);
	}
	auto Skeleton = std::make_unique<USkeleton>();
	Skeleton->Rename(SkeletonName.IsNone() ? FName(*FPaths::GetBaseFilename(File)) : SkeletonName);
	if (!FSkeletonBuilder(*Scene, Frame, Gltf.bLibraryAddsTopNode).Build(*Skeleton, Reason))
	{
		return Fail(Reason);
	}
	Result.Skeleton = std::move(Skeleton);
	return Result;
}
