#include "AnimationExport.h"

#include "Animation/Skeleton.h"
#include "Engine/SkeletalMesh.h"
#include "RetargetedMesh.h"
#include "TakeSubjectExport.h"
#include "ZevoRemapAssetBase.h"

#include <assimp/Exporter.hpp>
#include <assimp/scene.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace
{
/** The file's right-handed Y-up frame, centimetres times UnitsPerCentimetre. */
struct FFileFrame
{
	double UnitsPerCentimetre = 1.0;

	aiVector3D Position(const FVector& Engine) const
	{
		return aiVector3D(ai_real(Engine.X * UnitsPerCentimetre), ai_real(Engine.Z * UnitsPerCentimetre), ai_real(Engine.Y * UnitsPerCentimetre));
	}
	static aiVector3D Scale(const FVector& Engine) { return aiVector3D(ai_real(Engine.X), ai_real(Engine.Z), ai_real(Engine.Y)); }
	static aiQuaternion Rotation(const FQuat& Engine)
	{
		const FQuat Q = Engine.GetNormalized();
		return aiQuaternion(ai_real(Q.W), ai_real(-Q.X), ai_real(-Q.Z), ai_real(-Q.Y));
	}
	aiMatrix4x4 Matrix(const FTransform& Engine) const
	{
		return aiMatrix4x4(Scale(Engine.GetScale3D()), Rotation(Engine.GetRotation()), Position(Engine.GetTranslation()));
	}
};

/** One animated value of a joint. A value that never changes keeps a single key, and none at all
 *  when it is the joint's rest value, so that the file animates only what moves (the glTF writer
 *  copies all it has written before each array it adds: fewer arrays, much less copying); once it
 *  changes, the held keys are written out. The keys go
 *  straight into the array the scene takes over, made once for the frames the take was found to
 *  hold, so that the largest part of the export is never copied. */
template <typename KeyType>
class FTrack
{
public:
	/** The value at the last of FrameTimes; at most MaxFrames frames come. */
	template <typename ValueType>
	void Add(const std::vector<double>& FrameTimes, size_t MaxFrames, const ValueType& Value)
	{
		const size_t Frame = FrameTimes.size() - 1;
		if (Count == 1 && !bVaries)
		{
			if (Keys[0].mValue == Value)
			{
				return;
			}
			bVaries = true;
			std::unique_ptr<KeyType[]> All(new KeyType[MaxFrames]);
			for (size_t Held = 0; Held < Frame; ++Held)
			{
				All[Held] = KeyType(FrameTimes[Held], Keys[0].mValue);
			}
			Keys = MoveTemp(All);
			Count = Frame;
		}
		if (!Keys)
		{
			Keys.reset(new KeyType[1]);
		}
		Keys[Count++] = KeyType(FrameTimes[Frame], Value);
	}

	/** Whether the value never left Rest, so that the file needs no key for it. */
	template <typename ValueType>
	bool StaysAt(const ValueType& Rest) const
	{
		return !bVaries && (Count == 0 || Keys[0].mValue == Rest);
	}

	/** Hands the keys over to the scene, which frees them. */
	KeyType* Release(unsigned& OutCount)
	{
		OutCount = unsigned(Count);
		Count = 0;
		return Keys.release();
	}

private:
	std::unique_ptr<KeyType[]> Keys;
	size_t Count = 0;
	bool bVaries = false;
};

class FAnimationWriter : public ITakeSubjectSink
{
public:
	FAnimationWriter(UZevoRemapAssetBase& InAsset, EAnimationFileFormat InFormat) : Asset(InAsset), Format(InFormat)
	{
		File.UnitsPerCentimetre = Format == EAnimationFileFormat::Gltf ? 0.01 : 1.0;
		// The glTF writer divides key times by the ticks per second; the FBX writer takes them as
		// seconds whatever the rate.
		TicksPerSecond = Format == EAnimationFileFormat::Gltf ? 1000.0 : 1.0;
	}

	bool Begin(const FTakeEvent& Static, const FTakeSubjectPlan& Plan, const FString& InTemporaryPath, FString& OutError) override;

	void AddFrame(const FTakeEvent& Frame) override
	{
		if (FrameTimes.size() == MaxFrames)
		{
			return;  // the take grew since the first pass: the export ends where that pass did
		}
		Animation.Transforms = Frame.Transforms;
		Animation.PropertyValues = Frame.PropertyValues;
		const double Ticks = (Frame.Time - First) * TicksPerSecond;
		// The evaluation's delta time is not used by the pose build; the frame's own gap is what it would be.
		Mesh->Build(float(FrameTimes.empty() ? 0.0 : (Ticks - FrameTimes.back()) / TicksPerSecond), Skeleton, Animation);
		FrameTimes.push_back(Ticks);
		const FCompactPose& Pose = Mesh->GetPose();
		for (int32 Bone = 0; Bone < Pose.GetNumBones(); ++Bone)
		{
			FJointTracks& Tracks = Joints[Bone];
			Tracks.Rotation.Add(FrameTimes, MaxFrames, FFileFrame::Rotation(Pose[Bone].GetRotation()));
			Tracks.Position.Add(FrameTimes, MaxFrames, File.Position(Pose[Bone].GetTranslation()));
			Tracks.Scale.Add(FrameTimes, MaxFrames, FFileFrame::Scale(Pose[Bone].GetScale3D()));
		}
	}

	bool Finish(FTakeExportResult& OutResult, FString& OutError) override;

private:
	struct FJointTracks
	{
		FTrack<aiQuatKey> Rotation;
		FTrack<aiVectorKey> Position;
		FTrack<aiVectorKey> Scale;
	};

	aiNode* MakeJointNodes(const FReferenceSkeleton& Reference) const;
	aiMesh* MakePreviewMesh(const FReferenceSkeleton& Reference, const TArray<FVector>& Vertices) const;
	aiAnimation* MakeAnimation(const FReferenceSkeleton& Reference);

	UZevoRemapAssetBase& Asset;
	EAnimationFileFormat Format;
	FFileFrame File;
	FString TemporaryPath;
	std::unique_ptr<FRetargetedMesh> Mesh;
	FLiveLinkSkeletonStaticData Skeleton;
	FLiveLinkAnimationFrameData Animation;
	double First = 0.0;
	double TicksPerSecond = 1.0;
	/** Each frame's time since the first, in ticks. */
	std::vector<double> FrameTimes;
	/** The frames the first pass found: no more come. */
	size_t MaxFrames = 0;
	std::vector<FJointTracks> Joints;
};

bool FAnimationWriter::Begin(const FTakeEvent& Static, const FTakeSubjectPlan& Plan, const FString& InTemporaryPath, FString& OutError)
{
	Mesh = FRetargetedMesh::Create(Asset, OutError);
	if (!Mesh)
	{
		return false;
	}
	for (int32 Bone = 0; Bone < Static.BoneNames.Num(); ++Bone)
	{
		Skeleton.BoneNames.Add(FName(*Static.BoneNames[Bone]));
		Skeleton.BoneParents.Add(Static.BoneParents[Bone]);
	}
	for (const FString& Property : Static.PropertyNames)
	{
		Skeleton.PropertyNames.Add(FName(*Property));
	}
	TemporaryPath = InTemporaryPath;
	First = Plan.First;
	MaxFrames = size_t(Plan.Frames);
	FrameTimes.reserve(MaxFrames);
	Joints.resize(size_t(Mesh->GetReferenceSkeleton().GetNum()));
	return true;
}

/** Every joint as a node under its parent, at its reference pose; the root joint is returned. */
aiNode* FAnimationWriter::MakeJointNodes(const FReferenceSkeleton& Reference) const
{
	std::vector<aiNode*> Nodes(size_t(Reference.GetNum()));
	std::vector<std::vector<aiNode*>> Children(Nodes.size());
	for (int32 Bone = 0; Bone < Reference.GetNum(); ++Bone)
	{
		Nodes[Bone] = new aiNode(Reference.GetBoneName(Bone).ToString().ToStdString());
		Nodes[Bone]->mTransformation = File.Matrix(Reference.GetRefBonePose()[Bone]);
		const int32 Parent = Reference.GetParentIndex(Bone);
		if (Parent != INDEX_NONE)
		{
			Nodes[Bone]->mParent = Nodes[Parent];
			Children[Parent].push_back(Nodes[Bone]);
		}
	}
	for (size_t Bone = 0; Bone < Nodes.size(); ++Bone)
	{
		if (!Children[Bone].empty())
		{
			Nodes[Bone]->addChildren(unsigned(Children[Bone].size()), Children[Bone].data());
		}
	}
	return Nodes.empty() ? nullptr : Nodes[0];
}

/** The preview mesh's vertices as points, each bound wholly to the joint nearest to it at rest. */
aiMesh* FAnimationWriter::MakePreviewMesh(const FReferenceSkeleton& Reference, const TArray<FVector>& Vertices) const
{
	std::vector<FTransform> Component(size_t(Reference.GetNum()));
	for (int32 Bone = 0; Bone < Reference.GetNum(); ++Bone)
	{
		const int32 Parent = Reference.GetParentIndex(Bone);
		Component[Bone] = Parent == INDEX_NONE ? Reference.GetRefBonePose()[Bone] : Reference.GetRefBonePose()[Bone] * Component[Parent];
	}
	auto* Points = new aiMesh();
	Points->mName = (Asset.TargetSkeleton->GetName() + "_PreviewMesh").ToStdString();
	Points->mPrimitiveTypes = aiPrimitiveType_POINT;
	Points->mNumVertices = unsigned(Vertices.Num());
	Points->mVertices = new aiVector3D[Vertices.Num()];
	Points->mNumFaces = unsigned(Vertices.Num());
	Points->mFaces = new aiFace[Vertices.Num()];
	std::vector<std::vector<aiVertexWeight>> Weights(Component.size());
	for (int32 Vertex = 0; Vertex < Vertices.Num(); ++Vertex)
	{
		Points->mVertices[Vertex] = File.Position(Vertices[Vertex]);
		Points->mFaces[Vertex].mNumIndices = 1;
		Points->mFaces[Vertex].mIndices = new unsigned[1]{unsigned(Vertex)};
		size_t Nearest = 0;
		for (size_t Bone = 1; Bone < Component.size(); ++Bone)
		{
			const double Distance = (Component[Bone].GetTranslation() - Vertices[Vertex]).SizeSquared();
			Nearest = Distance < (Component[Nearest].GetTranslation() - Vertices[Vertex]).SizeSquared() ? Bone : Nearest;
		}
		Weights[Nearest].push_back(aiVertexWeight(unsigned(Vertex), 1.0f));
	}
	Points->mNumBones = unsigned(Component.size());
	Points->mBones = new aiBone*[Component.size()];
	for (size_t Bone = 0; Bone < Component.size(); ++Bone)
	{
		aiBone* Joint = Points->mBones[Bone] = new aiBone();
		Joint->mName = Reference.GetBoneName(int32(Bone)).ToString().ToStdString();
		// Inverted before the change of frame, in double precision: the matrix stays exactly affine.
		Joint->mOffsetMatrix = File.Matrix(Component[Bone].Inverse());
		Joint->mNumWeights = unsigned(Weights[Bone].size());
		Joint->mWeights = new aiVertexWeight[Weights[Bone].size()];
		std::copy(Weights[Bone].begin(), Weights[Bone].end(), Joint->mWeights);
	}
	return Points;
}

aiAnimation* FAnimationWriter::MakeAnimation(const FReferenceSkeleton& Reference)
{
	auto* Take = new aiAnimation();
	Take->mName = "Take";
	Take->mTicksPerSecond = TicksPerSecond;
	Take->mDuration = FrameTimes.empty() ? 0.0 : FrameTimes.back();
	if (Format == EAnimationFileFormat::Fbx)
	{
		// The FBX writer ends the animation at its length cut to whole seconds, and readers drop
		// the keys after the end: the length is rounded up instead.
		Take->mDuration = std::ceil(Take->mDuration);
	}
	// In glTF a value that stays at rest has no keys (its node's transform is its pose throughout),
	// and a joint all of whose values do has no channel. The FBX reader needs every value of a
	// channel (it crashes on a missing one), so FBX keeps them all.
	const bool bDropResting = Format == EAnimationFileFormat::Gltf;
	std::vector<aiNodeAnim*> Channels;
	for (size_t Bone = 0; Bone < Joints.size(); ++Bone)
	{
		const FTransform& Rest = Reference.GetRefBonePose()[int32(Bone)];
		FJointTracks& Tracks = Joints[Bone];
		const bool bRotationRests = bDropResting && Tracks.Rotation.StaysAt(FFileFrame::Rotation(Rest.GetRotation()));
		const bool bPositionRests = bDropResting && Tracks.Position.StaysAt(File.Position(Rest.GetTranslation()));
		const bool bScaleRests = bDropResting && Tracks.Scale.StaysAt(FFileFrame::Scale(Rest.GetScale3D()));
		if (bRotationRests && bPositionRests && bScaleRests)
		{
			continue;
		}
		aiNodeAnim* Channel = Channels.emplace_back(new aiNodeAnim());
		Channel->mNodeName = Reference.GetBoneName(int32(Bone)).ToString().ToStdString();
		Channel->mRotationKeys = bRotationRests ? nullptr : Tracks.Rotation.Release(Channel->mNumRotationKeys);
		Channel->mPositionKeys = bPositionRests ? nullptr : Tracks.Position.Release(Channel->mNumPositionKeys);
		Channel->mScalingKeys = bScaleRests ? nullptr : Tracks.Scale.Release(Channel->mNumScalingKeys);
	}
	Take->mNumChannels = unsigned(Channels.size());
	Take->mChannels = new aiNodeAnim*[Channels.size()];
	std::copy(Channels.begin(), Channels.end(), Take->mChannels);
	return Take;
}

bool FAnimationWriter::Finish(FTakeExportResult& OutResult, FString& OutError)
{
	const FReferenceSkeleton& Reference = Mesh->GetReferenceSkeleton();
	aiScene Scene;
	Scene.mRootNode = new aiNode("Scene");
	aiNode* RootJoint = MakeJointNodes(Reference);
	std::vector<aiNode*> Top = {RootJoint};
	const USkeletalMesh* Preview = Asset.TargetSkeleton->GetPreviewMesh();
	const TArray<FVector> Vertices = Preview ? Preview->GetVertexPositions() : TArray<FVector>();
	if (!Vertices.IsEmpty())
	{
		Scene.mNumMeshes = 1;
		Scene.mMeshes = new aiMesh*[1]{MakePreviewMesh(Reference, Vertices)};
		aiNode* MeshNode = new aiNode(Scene.mMeshes[0]->mName.C_Str());
		MeshNode->mNumMeshes = 1;
		MeshNode->mMeshes = new unsigned[1]{0};
		Top.push_back(MeshNode);
	}
	Scene.mRootNode->addChildren(unsigned(Top.size()), Top.data());
	// Exporters expect a material for every mesh.
	Scene.mNumMaterials = 1;
	Scene.mMaterials = new aiMaterial*[1]{new aiMaterial()};
	Scene.mNumAnimations = 1;
	Scene.mAnimations = new aiAnimation*[1]{MakeAnimation(Reference)};

	Assimp::Exporter Exporter;
	// FBX as text: the library's binary FBX writer makes files that its own reader refuses.
	if (Exporter.Export(&Scene, Format == EAnimationFileFormat::Gltf ? "glb2" : "fbxa", *TemporaryPath) != aiReturn_SUCCESS)
	{
		OutError = FString::Printf("cannot write the temporary file %s: %s", *TemporaryPath, Exporter.GetErrorString());
		return false;
	}
	const double Seconds = FrameTimes.empty() ? 0.0 : FrameTimes.back() / TicksPerSecond;
	OutResult = {int64(FrameTimes.size()), Seconds, Seconds > 0.0 ? double(FrameTimes.size() - 1) / Seconds : 0.0};
	return true;
}
}

bool ExportTakeToAnimationFile(const FTakeExportRequest& Request, UZevoRemapAssetBase& Asset, EAnimationFileFormat Format,
	FTakeExportResult& OutResult, FString& OutError)
{
	FAnimationWriter Writer(Asset, Format);
	return ExportTakeSubject(Request, Writer, OutResult, OutError);
}
