// Retargeting fidelity: one body rigged twice, in an A-pose and in a T-pose, each bone's axes along
// the bone as exported rigs have them, each rig with its own remap asset, both driven by the same
// frames of zevo-stream's performance as the character decoder pushes them.
#include "Animation/BonePose.h"
#include "StreamSourceFixture.h"
#include "ZevoCharacterMessage.h"
#include "Retarget/ZevoStreamConventions.h"
#include "ZevoRemapAssetEdits.h"
#include "ZevoSyntheticPerformance.h"
#include "ZevoTestRigs.h"

#include <cmath>

namespace
{
// Standing for a second, the walk fading in over the next, then two seconds of walking in a circle.
constexpr double FramesPerSecond = 60.0;
constexpr double PerformanceSeconds = 4.0;

/** A rig driven by its own remap asset, set up as in the editor: target assigned, mapping automatic. */
struct FDrivenRig
{
	std::unique_ptr<USkeleton> Skeleton;
	UZevoRemapAsset Asset;
	FBoneContainer Bones;

	FDrivenRig(const TArray<FZevoTestBone>& Rig, FName Name)
		: Skeleton(ZevoTestRigs::MakeSkeleton(ZevoTestRigs::WithBoneAxesAlongBones(Rig), Name)), Bones(Skeleton.get())
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

	/** From the joint of Bone's parent to the joint of Bone, in component space. */
	FVector Direction(const FCompactPose& Pose, FName Bone) const
	{
		const FReferenceSkeleton& RefSkeleton = Skeleton->GetReferenceSkeleton();
		const int32 Index = RefSkeleton.FindBoneIndex(Bone);
		return (Pose.GetComponentSpaceTransform(Index).GetTranslation() -
				   Pose.GetComponentSpaceTransform(RefSkeleton.GetParentIndex(Index)).GetTranslation())
			.GetSafeNormal();
	}
};

/**
 * Whether the segment from Parent to Bone leaves a wrist for a finger other than the middle one.
 * Straightening a wrist turns its direction toward the middle finger onto the reference's; the
 * twist of the hand about that direction is not a direction, and the other fingers' bases only
 * measure that twist.
 */
bool IsOffTheHandsAxis(FName Parent, FName Bone)
{
	const FString ParentName = Parent.ToString();
	const FString BoneName = Bone.ToString();
	return ParentName.EndsWith("Wrist") && !BoneName.EndsWith("Finger2");
}

double DegreesBetween(const FVector& A, const FVector& B)
{
	return FMath::RadiansToDegrees(std::acos(FMath::Clamp(A | B, -1.0, 1.0)));
}
}

class ZevoRemapAssetPoseBuildFidelityTest : public FStreamSourceTest
{
protected:
	void SetUp() override
	{
		FStreamSourceTest::SetUp();
		for (const FDrivenRig* Rig : {&APosed, &TPosed})
		{
			ASSERT_NE(Rig->Asset.TPoseReferenceSkeleton, nullptr);
			for (const FZevoBoneMappingRow& Row : Rig->Asset.GetAllBones())
			{
				ASSERT_EQ(Row.TargetBone, FZevoBoneNameUtils::EnumToFName(Row.SourceBone));
			}
		}
	}

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
	FDrivenRig APosed{ZevoTestRigs::StreamBodyAPose(), "APosed"};
	FDrivenRig TPosed{ZevoTestRigs::StreamBodyTPose(), "TPosed"};
};

TEST_F(ZevoRemapAssetPoseBuildFidelityTest, EveryBonePointsTheSameWayOnBothRigsAndAsOnTheStreamsBody)
{
	const FReferenceSkeleton& Rig = TPosed.Skeleton->GetReferenceSkeleton();
	for (int32 Step = 0; Step < PerformanceSeconds * FramesPerSecond; ++Step)
	{
		const FLiveLinkAnimationFrameData& Frame = DecodeActor(Step / FramesPerSecond);
		const FLiveLinkSkeletonStaticData& Stream = StreamSkeleton();
		const FCompactPose APose = APosed.Drive(Stream, Frame);
		const FCompactPose TPose = TPosed.Drive(Stream, Frame);

		// The stream's body: each bone turned by its rotation and those of its ancestors, in the
		// engine's axes, from the T-pose that the reference skeleton shares with the T-posed rig.
		// The rotations arrive as single-precision values, not quite of unit length.
		TMap<FName, FQuat> StreamRotations;
		for (int32 Bone = 0; Bone < Stream.BoneNames.Num(); ++Bone)
		{
			const FQuat Local = FZevoStreamConventions::RotationToEngine(Frame.Transforms[Bone].GetRotation());
			const int32 Parent = Stream.BoneParents[Bone];
			StreamRotations.Add(Stream.BoneNames[Bone], Parent == INDEX_NONE ? Local : StreamRotations[Stream.BoneNames[Parent]] * Local);
		}

		for (int32 Bone = 0; Bone < Rig.GetNum(); ++Bone)
		{
			const int32 Parent = Rig.GetParentIndex(Bone);
			const FName Name = Rig.GetBoneName(Bone);
			if (Parent == INDEX_NONE || IsOffTheHandsAxis(Rig.GetBoneName(Parent), Name))
			{
				continue;
			}
			const FVector Expected = StreamRotations[Rig.GetBoneName(Parent)].RotateVector(
				Rig.GetComponentSpaceTransform(Bone).GetTranslation() - Rig.GetComponentSpaceTransform(Parent).GetTranslation()).GetSafeNormal();
			const double BetweenRigs = DegreesBetween(APosed.Direction(APose, Name), TPosed.Direction(TPose, Name));
			const double AgainstStream = DegreesBetween(TPosed.Direction(TPose, Name), Expected);
			EXPECT_LT(BetweenRigs, 1.0) << *Name.ToString() << " at frame " << Step;
			EXPECT_LT(AgainstStream, 1.0) << *Name.ToString() << " at frame " << Step;
			if (HasFailure())
			{
				return;
			}
		}
	}
}

TEST_F(ZevoRemapAssetPoseBuildFidelityTest, StandingFeetTouchTheGroundOnBothRigs)
{
	ASSERT_TRUE(APosed.Asset.bUseHipCorrection);
	for (int32 Step = 0; Step < FZevoSyntheticPerformance::StandingSeconds * FramesPerSecond; ++Step)
	{
		const FLiveLinkAnimationFrameData& Frame = DecodeActor(Step / FramesPerSecond);
		const FLiveLinkSkeletonStaticData& Stream = StreamSkeleton();
		for (FDrivenRig* Rig : {&APosed, &TPosed})
		{
			const FCompactPose Pose = Rig->Drive(Stream, Frame);
			EXPECT_NEAR(ZevoTestRigs::LowestPreviewMeshPoint(*Rig->Skeleton, Pose), 0.0, 0.5) << *Rig->Skeleton->GetName() << " at frame " << Step;
		}
		if (HasFailure())
		{
			return;
		}
	}
}
