// Skeleton files come from other tools: whatever the import library makes of any bytes, our side
// must turn it into a skeleton or an error, never a crash. A skeleton that imports goes on where
// a user's would: it is written as an asset and read back, mapped automatically by a remap asset,
// and driven by a character frame.
//
// The bytes become a file of the type their start suggests, as a user's file would be named:
// binary glTF, glTF text, FBX (binary or text), else BVH.
#include "BonePose.h"
#include "AssetFile.h"
#include "Async/Async.h"
#include "Interfaces/IPluginManager.h"
#include "SkeletonImporter.h"
#include "TempProject.h"
#include "UObject/Package.h"
#include "ZevoRemapAsset.h"
#include "Stream/ZevoStreamSkeleton.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace
{
const char* ExtensionFor(std::string_view Bytes)
{
	if (Bytes.starts_with("glTF"))
	{
		return "glb";
	}
	if (Bytes.starts_with("{"))
	{
		return "gltf";
	}
	if (Bytes.starts_with("Kaydara FBX Binary") || Bytes.starts_with(";"))
	{
		return "fbx";
	}
	return "bvh";
}

// A performer standing still: rest rotations, hips 95 cm up, ordinary leg lengths.
FLiveLinkAnimationFrameData StandingFrame()
{
	FLiveLinkAnimationFrameData Frame;
	for (int32 Bone = 0; Bone < ZevoStreamBoneCount; ++Bone)
	{
		Frame.Transforms.Add(FTransform(FQuat::Identity, Bone == 0 ? FVector(0, 0.95, 0) : FVector::ZeroVector));
	}
	Frame.PropertyValues = {0.42f, 0.40f, 0.09f, 0.f, 0.f, 0.f, 0.f};
	return Frame;
}

void Retarget(USkeleton& Skeleton)
{
	static const FLiveLinkSkeletonStaticData Static = MakeZevoCharacterStaticData();
	static const FLiveLinkAnimationFrameData Frame = StandingFrame();
	UZevoRemapAsset Asset;
	Asset.TargetSkeleton = &Skeleton;
	Asset.AutoMapFromTargetSkeleton();
	const FBoneContainer Bones(&Skeleton);
	FCompactPose Pose(Bones);
	Asset.BuildPoseFromAnimationData(1.f / 60.f, &Static, &Frame, Pose);
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
	static const FTempProject Project;
	// As the editor opens a project: the plugins' content is mounted before the first remap asset
	// looks for its default T-pose skeleton there.
	static const bool bSetUp = (FLogDispatcher::SetConsoleEnabled(false), FGameThread::RegisterCurrentThread(),
		IPluginManager::Get().LoadModulesForEnabledPlugins(ELoadingPhase::EarliestPossible));
	(void)bSetUp;

	const std::string_view Bytes(reinterpret_cast<const char*>(Data), Size);
	const FString File = FString::Printf("Import/Rig.%s", ExtensionFor(Bytes));
	Project.WriteFile(File, FString(Bytes));
	const FSkeletonImportResult Imported = ImportSkeletonFromFile(Project.GetDir() + File);
	if (!Imported.Skeleton)
	{
		return 0;
	}
	UPackage Outer;
	if (UObject* Read = FAssetFile::LoadFromString(FAssetFile::ToJson(*Imported.Skeleton), "Rig.json", &Outer, "Rig"))
	{
		FAssetFile::ToJson(*Read);
	}
	Retarget(*Imported.Skeleton);
	return 0;
}
