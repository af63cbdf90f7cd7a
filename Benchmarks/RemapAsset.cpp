// The remap asset's editor-time and per-frame costs: automatic mapping on a 70- and a 250-bone
// skeleton, the T-pose deltas of a 70-bone target, and the pose build for one stream frame onto
// it, warm (caches kept) and cold (first frame after an edit).
#include "BonePose.h"
#include "Logging/LogMacros.h"
#include "ReferenceSkeleton.h"
#include "SkeletonImporter.h"
#include "UObject/UnrealType.h"
#include "ZevoRemapAsset.h"
#include "Stream/ZevoStreamSkeleton.h"
#include "Retarget/ZevoTposeCalculator.h"
#include "PluginContentMain.h"

#include <benchmark/benchmark.h>

namespace
{
/** The mannequin-style test rig, with extra helper bones (twists, a face) up to BoneCount bones. */
std::unique_ptr<USkeleton> RigWithBones(int32 BoneCount)
{
	FSkeletonImportResult Imported = ImportSkeletonFromFile(ZEVO_TEST_RIGS_DIR "/Mannequin.fbx");
	if (!Imported.Skeleton)
	{
		return nullptr;
	}
	FReferenceSkeleton& RefSkeleton = Imported.Skeleton->GetMutableReferenceSkeleton();
	FReferenceSkeletonModifier Modifier(RefSkeleton);
	const int32 Head = RefSkeleton.FindBoneIndex("head");
	for (int32 Extra = 0; RefSkeleton.GetNum() < BoneCount; ++Extra)
	{
		const int32 Parent = Extra % 3 == 0 ? Head : RefSkeleton.GetNum() - 1;
		Modifier.Add(FMeshBoneInfo(FName(*FString::Printf("FACIAL_helper_%d", Extra)), Parent), FTransform(FVector(1, 0, 0)));
	}
	return std::move(Imported.Skeleton);
}

FLiveLinkAnimationFrameData WalkingFrame()
{
	FLiveLinkAnimationFrameData Frame;
	for (int32 Bone = 0; Bone < ZevoStreamBoneCount; ++Bone)
	{
		const FQuat Rotation(FVector(1, 0.2, 0.1).GetSafeNormal(), 0.01 * Bone);
		Frame.Transforms.Add(FTransform(Rotation, Bone == 0 ? FVector(0.1, 0.95, 0.3) : FVector::ZeroVector));
	}
	Frame.PropertyValues = {0.44f, 0.42f, 0.09f, 0.f, 0.f, 0.f, 0.f};
	return Frame;
}

void BM_AutoMap(benchmark::State& State)
{
	FLogDispatcher::SetConsoleEnabled(false);
	const auto Skeleton = RigWithBones(static_cast<int32>(State.range(0)));
	UZevoRemapAsset Asset;
	Asset.TargetSkeleton = Skeleton.get();
	for (auto _ : State)
	{
		Asset.AutoMapFromTargetSkeleton();
	}
	State.counters["bones"] = Skeleton->GetReferenceSkeleton().GetNum();
}
BENCHMARK(BM_AutoMap)->Arg(70)->Arg(250)->Unit(benchmark::kMillisecond);

void BM_CalculateTPoseDeltas(benchmark::State& State)
{
	FLogDispatcher::SetConsoleEnabled(false);
	const auto Skeleton = RigWithBones(70);
	UZevoRemapAsset Asset;
	Asset.TargetSkeleton = Skeleton.get();
	Asset.AutoMapFromTargetSkeleton();
	const TArray<FZevoBoneMappingRow> Rows = Asset.GetAllBones();
	for (auto _ : State)
	{
		benchmark::DoNotOptimize(FZevoTposeCalculator::CalculateTPoseDeltas(Skeleton.get(), Asset.TPoseReferenceSkeleton, Rows));
	}
}
BENCHMARK(BM_CalculateTPoseDeltas)->Unit(benchmark::kMicrosecond);

void BM_BuildPose(benchmark::State& State)
{
	FLogDispatcher::SetConsoleEnabled(false);
	const bool bCold = State.range(0) != 0;
	const auto Skeleton = RigWithBones(70);
	UZevoRemapAsset Asset;
	Asset.TargetSkeleton = Skeleton.get();
	Asset.AutoMapFromTargetSkeleton();
	const FBoneContainer Bones(Skeleton.get());
	const FLiveLinkSkeletonStaticData Static = MakeZevoCharacterStaticData();
	const FLiveLinkAnimationFrameData Frame = WalkingFrame();
	FCompactPose Pose(Bones);
	Asset.BuildPoseFromAnimationData(0.f, &Static, &Frame, Pose);
	UClass* Class = UZevoRemapAssetBase::StaticClass();
	for (auto _ : State)
	{
		if (bCold)
		{
			// What an edit of the target skeleton forgets: deltas, scale, hip height and correction.
			FPropertyChangedEvent Event(Class->FindPropertyByName("TPoseReferenceSkeleton"), EPropertyChangeType::ValueSet);
			Asset.PostEditChangeProperty(Event);
			FPropertyChangedEvent Switch(Class->FindPropertyByName("bUseHipCorrection"), EPropertyChangeType::ValueSet);
			Asset.PostEditChangeProperty(Switch);
		}
		Asset.BuildPoseFromAnimationData(0.f, &Static, &Frame, Pose);
		benchmark::DoNotOptimize(Pose[0]);
	}
}
BENCHMARK(BM_BuildPose)->ArgName("cold")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A stage of 40 performers, each driving a character of its own, evaluated at 240 Hz on one core:
// one iteration is one frame of every subject; "core_share" is the fraction of a core that the
// pose builds of a second of this take.
void BM_BuildPoseManySubjects(benchmark::State& State)
{
	FLogDispatcher::SetConsoleEnabled(false);
	constexpr int32 Subjects = 40;
	constexpr double FramesPerSecond = 240.0;
	struct FSubject
	{
		std::unique_ptr<USkeleton> Skeleton = RigWithBones(70);
		UZevoRemapAsset Asset;
		FBoneContainer Bones{Skeleton.get()};
		FCompactPose Pose{Bones};
		FLiveLinkAnimationFrameData Frame = WalkingFrame();
	};
	TArray<std::unique_ptr<FSubject>> Stage;
	for (int32 Subject = 0; Subject < Subjects; ++Subject)
	{
		auto& Added = Stage.Emplace_GetRef(std::make_unique<FSubject>());
		Added->Asset.TargetSkeleton = Added->Skeleton.get();
		Added->Asset.AutoMapFromTargetSkeleton();
		Added->Frame.Transforms[0].SetTranslation(FVector(0.5 * Subject, 0.95, 0.3));
	}
	const FLiveLinkSkeletonStaticData Static = MakeZevoCharacterStaticData();
	for (auto _ : State)
	{
		for (const auto& Subject : Stage)
		{
			Subject->Asset.BuildPoseFromAnimationData(0.f, &Static, &Subject->Frame, Subject->Pose);
			benchmark::DoNotOptimize(Subject->Pose[0]);
		}
	}
	State.counters["core_share"] = benchmark::Counter(1.0 / FramesPerSecond, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_BuildPoseManySubjects)->Unit(benchmark::kMicrosecond);
}

int main(int argc, char** argv)
{
	return RunBenchmarksWithPluginContent(argc, argv);
}
