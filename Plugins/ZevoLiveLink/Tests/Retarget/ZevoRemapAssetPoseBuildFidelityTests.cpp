// Retargeting fidelity: every rig of the corpus that maps itself well enough, and the stream's own
// body, each rigged three times (in its own rest pose, with the arms raised to a T-pose and with
// them lowered 45 degrees into an A-pose), each twin with its own remap asset set up as in the
// editor, all driven by the same frames of zevo-stream's performance as the character decoder
// pushes them.
#include "BonePose.h"
#include "Logging/LogCapture.h"
#include "ReferenceSkeleton.h"
#include "Retarget/ZevoStreamConventions.h"
#include "SkeletonImporter.h"
#include "StreamSourceFixture.h"
#include "ZevoCharacterMessage.h"
#include "ZevoRemapAssetEdits.h"
#include "ZevoSyntheticPerformance.h"
#include "ZevoTestRigs.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

namespace
{
// Standing for a second, the walk fading in over the next, then two seconds of walking in a circle.
constexpr double FramesPerSecond = 60.0;
constexpr double PerformanceSeconds = 4.0;
constexpr int32 RowsToMapAtLeast = 48;

double DegreesBetween(const FVector& A, const FVector& B)
{
	return FMath::RadiansToDegrees(std::acos(FMath::Clamp(A.GetSafeNormal() | B.GetSafeNormal(), -1.0, 1.0)));
}

/** A copy of Rig whose upper arms are turned about the forward axis to point Degrees below the horizontal. */
std::unique_ptr<USkeleton> WithArmsDown(const USkeleton& Rig, const TMap<FName, FName>& Targets, double Degrees, FName Name)
{
	const FReferenceSkeleton& Source = Rig.GetReferenceSkeleton();
	TArray<FTransform> Locals = Source.GetRefBonePose();
	for (const auto& [Shoulder, Elbow] : {std::pair{"LeftShoulder", "LeftElbow"}, std::pair{"RightShoulder", "RightElbow"}})
	{
		const int32 ShoulderIndex = Source.FindBoneIndex(Targets.FindRef(FName(Shoulder)));
		const int32 ElbowIndex = Source.FindBoneIndex(Targets.FindRef(FName(Elbow)));
		if (ShoulderIndex == INDEX_NONE || ElbowIndex == INDEX_NONE)
		{
			continue;
		}
		const FVector Arm = Source.GetComponentSpaceTransform(ElbowIndex).GetTranslation() - Source.GetComponentSpaceTransform(ShoulderIndex).GetTranslation();
		// Turning about +Y lowers an arm that points to +X and raises one that points to -X.
		const double Side = Arm.X >= 0.0 ? 1.0 : -1.0;
		const double Below = FMath::RadiansToDegrees(std::atan2(-Arm.Z, FMath::Abs(Arm.X)));
		const FQuat Turn(FVector(0, 1, 0), Side * FMath::DegreesToRadians(Degrees - Below));
		const int32 Parent = Source.GetParentIndex(ShoulderIndex);
		const FQuat ParentRotation = Parent == INDEX_NONE ? FQuat::Identity : Source.GetComponentSpaceTransform(Parent).GetRotation();
		Locals[ShoulderIndex].SetRotation(ParentRotation.Inverse() * Turn * ParentRotation * Locals[ShoulderIndex].GetRotation());
	}
	auto Twin = std::make_unique<USkeleton>();
	Twin->Rename(Name);
	FReferenceSkeletonModifier Modifier(Twin->GetMutableReferenceSkeleton());
	for (int32 Bone = 0; Bone < Source.GetNum(); ++Bone)
	{
		Modifier.Add(FMeshBoneInfo(Source.GetBoneName(Bone), Source.GetParentIndex(Bone)), Locals[Bone]);
	}
	if (Rig.GetPreviewMesh())
	{
		Twin->SetPreviewMeshVertices(Rig.GetPreviewMesh()->GetVertexPositions());
	}
	return Twin;
}

/** A rig driven by its own remap asset, set up as in the editor: target assigned, mapping automatic. */
struct FDrivenRig
{
	std::unique_ptr<USkeleton> Skeleton;
	UZevoRemapAsset Asset;
	FBoneContainer Bones;

	explicit FDrivenRig(std::unique_ptr<USkeleton> InSkeleton) : Skeleton(std::move(InSkeleton)), Bones(Skeleton.get())
	{
		Asset.TargetSkeleton = Skeleton.get();
		ZevoRemapAssetEdits::NotifyChanged(Asset, "TargetSkeleton");
	}

	FCompactPose Drive(const FLiveLinkSkeletonStaticData& Static, const FLiveLinkAnimationFrameData& Frame)
	{
		FCompactPose Pose(Bones);
		Asset.BuildPoseFromAnimationData(0.f, &Static, &Frame, Pose);
		return Pose;
	}
};

/** One body three times over, and which of its bones the stream drives, by stream name. */
struct FRigCase
{
	FString Name;
	TMap<FName, FName> Targets;
	std::unique_ptr<FDrivenRig> OwnRest;
	std::unique_ptr<FDrivenRig> TPosed;
	std::unique_ptr<FDrivenRig> APosed;
	/**
	 * Each vertex of the preview mesh on the nearest bone that moves with the body (a mapped bone
	 * or one below it), as bone index and offset; or the foot chain's joints. A bone that stays
	 * behind, such as a rig's footprint marker on the floor, would hold the lowest point down
	 * whatever the body does.
	 */
	TArray<TPair<int32, FVector>> Surface;
};

void AttachSurface(FRigCase& Case)
{
	const USkeleton& Rig = *Case.OwnRest->Skeleton;
	const FReferenceSkeleton& Skeleton = Rig.GetReferenceSkeleton();
	if (!Rig.GetPreviewMesh())
	{
		for (const char* Foot : {"LeftAnkle", "LeftToe", "RightAnkle", "RightToe"})
		{
			const int32 Bone = Skeleton.FindBoneIndex(Case.Targets.FindRef(FName(Foot)));
			if (Bone != INDEX_NONE)
			{
				Case.Surface.Add({Bone, FVector::ZeroVector});
			}
		}
		return;
	}
	TSet<FName> Mapped;
	for (const auto& Row : Case.Targets)
	{
		Mapped.Add(Row.Value);
	}
	TSet<int32> Moves;
	for (int32 Bone = 0; Bone < Skeleton.GetNum(); ++Bone)
	{
		if (Mapped.Contains(Skeleton.GetBoneName(Bone)) || Moves.Contains(Skeleton.GetParentIndex(Bone)))
		{
			Moves.Add(Bone);
		}
	}
	for (const FVector& Vertex : Rig.GetPreviewMesh()->GetVertexPositions())
	{
		int32 Nearest = INDEX_NONE;
		double NearestDistance = UE_MAX_FLT;
		for (int32 Bone = 0; Bone < Skeleton.GetNum(); ++Bone)
		{
			const double Distance = (Skeleton.GetComponentSpaceTransform(Bone).GetTranslation() - Vertex).SizeSquared();
			if (Moves.Contains(Bone) && Distance < NearestDistance)
			{
				Nearest = Bone;
				NearestDistance = Distance;
			}
		}
		Case.Surface.Add({Nearest, Skeleton.GetComponentSpaceTransform(Nearest).InverseTransformPosition(Vertex)});
	}
}

double LowestPoint(const FRigCase& Case, const FCompactPose& Pose)
{
	double Lowest = UE_MAX_FLT;
	for (const TPair<int32, FVector>& Point : Case.Surface)
	{
		Lowest = FMath::Min(Lowest, Pose.GetComponentSpaceTransform(Point.Key).TransformPosition(Point.Value).Z);
	}
	return Lowest;
}

std::unique_ptr<FRigCase> MakeCase(const FString& Name, std::unique_ptr<USkeleton> Rig)
{
	auto Case = std::make_unique<FRigCase>();
	Case->Name = Name;
	Case->OwnRest = std::make_unique<FDrivenRig>(std::move(Rig));
	Case->Targets = ZevoRemapAssetEdits::Targets(Case->OwnRest->Asset);
	Case->TPosed = std::make_unique<FDrivenRig>(WithArmsDown(*Case->OwnRest->Skeleton, Case->Targets, 0.0, FName(*(Name + "_T"))));
	Case->APosed = std::make_unique<FDrivenRig>(WithArmsDown(*Case->OwnRest->Skeleton, Case->Targets, 45.0, FName(*(Name + "_A"))));
	AttachSurface(*Case);
	return Case;
}

/** The corpus rigs whose automatic mapping agrees with their rigger's on enough rows, and the stream's own body. */
TArray<std::unique_ptr<FRigCase>> MakeCases()
{
	FLogCapture Quiet;
	TArray<std::unique_ptr<FRigCase>> Cases;
	Cases.Add(MakeCase("StreamBody", ZevoTestRigs::MakeSkeleton(ZevoTestRigs::WithBoneAxesAlongBones(ZevoTestRigs::StreamBodyAPose()), "StreamBody")));
	for (const auto& Entry : std::filesystem::directory_iterator(ZEVO_TEST_RIGS_DIR))
	{
		if (!Entry.path().string().ends_with(".mapping.json"))
		{
			continue;
		}
		const nlohmann::json Expected = nlohmann::json::parse(std::ifstream(Entry.path()));
		std::filesystem::path RigFile = Entry.path();
		RigFile.replace_extension().replace_extension(".fbx");
		for (const char* Extension : {".bvh", ".glb"})
		{
			RigFile = std::filesystem::exists(RigFile) ? RigFile : RigFile.replace_extension(Extension);
		}
		FSkeletonImportResult Imported = ImportSkeletonFromFile(FString(RigFile.string()));
		if (!Imported.Skeleton)
		{
			ADD_FAILURE() << *Imported.Error;
			continue;
		}
		std::unique_ptr<FRigCase> Case = MakeCase(FString(Expected["rig"].get<std::string>()), std::move(Imported.Skeleton));
		int32 Agreeing = 0;
		for (const auto& [Stream, Target] : Expected["mapping"].items())
		{
			const FName Want = Target.is_null() ? NAME_None : FName(Target.get<std::string>().c_str());
			Agreeing += Case->Targets.FindRef(FName(Stream.c_str())) == Want ? 1 : 0;
		}
		if (Agreeing >= RowsToMapAtLeast)
		{
			Cases.Add(std::move(Case));
		}
	}
	return Cases;
}

// The bones whose direction the T-pose straightens, each toward the stream bone beyond it.
const char* const DirectedBones[][2] = {{"LeftHip", "LeftKnee"}, {"LeftKnee", "LeftAnkle"}, {"RightHip", "RightKnee"}, {"RightKnee", "RightAnkle"},
	{"LeftCollar", "LeftShoulder"}, {"LeftShoulder", "LeftElbow"}, {"LeftElbow", "LeftWrist"}, {"LeftWrist", "LeftFinger2"},
	{"RightCollar", "RightShoulder"}, {"RightShoulder", "RightElbow"}, {"RightElbow", "RightWrist"}, {"RightWrist", "RightFinger2"},
	{"LeftFinger0", "LeftFinger01"}, {"LeftFinger01", "LeftFinger02"}, {"LeftFinger1", "LeftFinger11"}, {"LeftFinger11", "LeftFinger12"},
	{"LeftFinger2", "LeftFinger21"}, {"LeftFinger21", "LeftFinger22"}, {"LeftFinger3", "LeftFinger31"}, {"LeftFinger31", "LeftFinger32"},
	{"LeftFinger4", "LeftFinger41"}, {"LeftFinger41", "LeftFinger42"}, {"RightFinger0", "RightFinger01"}, {"RightFinger01", "RightFinger02"},
	{"RightFinger1", "RightFinger11"}, {"RightFinger11", "RightFinger12"}, {"RightFinger2", "RightFinger21"}, {"RightFinger21", "RightFinger22"},
	{"RightFinger3", "RightFinger31"}, {"RightFinger31", "RightFinger32"}, {"RightFinger4", "RightFinger41"}, {"RightFinger41", "RightFinger42"}};

/** The stream's body on this frame: each bone turned by its rotation and those of its ancestors, in the engine's axes. */
TMap<FName, FQuat> StreamBodyRotations(const FLiveLinkSkeletonStaticData& Stream, const FLiveLinkAnimationFrameData& Frame)
{
	// The rotations arrive as single-precision values, not quite of unit length.
	TMap<FName, FQuat> Rotations;
	for (int32 Bone = 0; Bone < Stream.BoneNames.Num(); ++Bone)
	{
		const FQuat Local = FZevoStreamConventions::RotationToEngine(Frame.Transforms[Bone].GetRotation());
		const int32 Parent = Stream.BoneParents[Bone];
		Rotations.Add(Stream.BoneNames[Bone], Parent == INDEX_NONE ? Local : Rotations[Stream.BoneNames[Parent]] * Local);
	}
	return Rotations;
}

/** Every straightened bone of the T-posed twin points where the stream's body points it. */
void ExpectDirectionsOfTheStreamsBody(const FRigCase& Case, const FCompactPose& TPose, const TMap<FName, FQuat>& StreamRotations, int32 Step)
{
	const FReferenceSkeleton& Reference = Case.TPosed->Asset.TPoseReferenceSkeleton->GetReferenceSkeleton();
	const FReferenceSkeleton& Rig = Case.TPosed->Skeleton->GetReferenceSkeleton();
	for (const auto& Directed : DirectedBones)
	{
		const int32 Bone = Rig.FindBoneIndex(Case.Targets.FindRef(FName(Directed[0])));
		const int32 Beyond = Rig.FindBoneIndex(Case.Targets.FindRef(FName(Directed[1])));
		if (Bone == INDEX_NONE || Beyond == INDEX_NONE)
		{
			continue;
		}
		const FVector InReference = Reference.GetComponentSpaceTransform(Reference.FindBoneIndex(FName(Directed[1]))).GetTranslation() -
									Reference.GetComponentSpaceTransform(Reference.FindBoneIndex(FName(Directed[0]))).GetTranslation();
		const FVector Expected = StreamRotations[FName(Directed[0])].RotateVector(InReference);
		const FVector Actual = TPose.GetComponentSpaceTransform(Beyond).GetTranslation() - TPose.GetComponentSpaceTransform(Bone).GetTranslation();
		EXPECT_LT(DegreesBetween(Actual, Expected), 1.0) << *Case.Name << " " << Directed[0] << " at frame " << Step;
	}
}

/** Every mapped bone of a twin has the T-posed twin's full rotation, twist included. */
void ExpectTheTPosedTwinsRotations(const FRigCase& Case, const FDrivenRig& Twin, const FCompactPose& Pose, const FCompactPose& TPose, int32 Step)
{
	const FReferenceSkeleton& Rig = Twin.Skeleton->GetReferenceSkeleton();
	for (const auto& Row : Case.Targets)
	{
		const int32 Bone = Rig.FindBoneIndex(Row.Value);
		if (Bone != INDEX_NONE)
		{
			const double Off =
				FMath::RadiansToDegrees(Pose.GetComponentSpaceTransform(Bone).GetRotation().AngularDistance(TPose.GetComponentSpaceTransform(Bone).GetRotation()));
			EXPECT_LT(Off, 1.0) << *Twin.Skeleton->GetName() << " " << *Row.Key.ToString() << " at frame " << Step;
		}
	}
}
}

class ZevoRemapAssetPoseBuildFidelityTest : public FStreamSourceTest
{
protected:
	/** The performance's first actor at Time, sent through the character decoder; valid until the next call. */
	const FLiveLinkAnimationFrameData& DecodeActor(double Time)
	{
		FZevoCharacterFrame Frame;
		Performance.EvaluateActor(0, Time, Frame);
		Decode(WriteZevoCharacterMessage(Writer, Frame));
		const FLiveLinkAnimationFrameData* Decoded = Client.Frame<FLiveLinkAnimationFrameData>(Client.Count(EKind::FrameData) - 1);
		EXPECT_NE(Decoded, nullptr);
		return *Decoded;
	}

	/** The skeleton the decoder announced with the first frame. */
	const FLiveLinkSkeletonStaticData& StreamSkeleton()
	{
		Announcement = Client.Get(EKind::StaticData);
		return *Announcement.StaticData.Cast<FLiveLinkSkeletonStaticData>();
	}

	const FZevoSyntheticPerformance Performance{1, 0};
	FOscMessageWriter Writer;
	FCapturingLiveLinkClient::FEvent Announcement;
};

TEST_F(ZevoRemapAssetPoseBuildFidelityTest, EveryRigFollowsTheStreamsBodyAndItsTwinsAgreeOnEveryBonesFullRotation)
{
	const TArray<std::unique_ptr<FRigCase>> Cases = MakeCases();
	ASSERT_GE(Cases.Num(), 2);
	for (const std::unique_ptr<FRigCase>& Case : Cases)
	{
		std::printf("  %s, in its rest pose, a T-pose and an A-pose\n", *Case->Name);
	}
	for (int32 Step = 0; Step < PerformanceSeconds * FramesPerSecond; ++Step)
	{
		const FLiveLinkAnimationFrameData& Frame = DecodeActor(Step / FramesPerSecond);
		const FLiveLinkSkeletonStaticData& Stream = StreamSkeleton();
		const TMap<FName, FQuat> StreamRotations = StreamBodyRotations(Stream, Frame);
		const bool bStanding = Step < FZevoSyntheticPerformance::StandingSeconds * FramesPerSecond;
		for (const std::unique_ptr<FRigCase>& Case : Cases)
		{
			const FCompactPose TPose = Case->TPosed->Drive(Stream, Frame);
			ExpectDirectionsOfTheStreamsBody(*Case, TPose, StreamRotations, Step);
			for (FDrivenRig* Twin : {Case->TPosed.get(), Case->OwnRest.get(), Case->APosed.get()})
			{
				const FCompactPose Pose = Twin == Case->TPosed.get() ? TPose : Twin->Drive(Stream, Frame);
				ExpectTheTPosedTwinsRotations(*Case, *Twin, Pose, TPose, Step);
				if (bStanding)
				{
					EXPECT_NEAR(LowestPoint(*Case, Pose), 0.0, 0.5) << *Twin->Skeleton->GetName() << " at frame " << Step;
				}
			}
			if (HasFailure())
			{
				return;
			}
		}
	}
}
