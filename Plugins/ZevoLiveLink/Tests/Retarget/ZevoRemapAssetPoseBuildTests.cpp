#include "BonePose.h"
#include "Logging/LogCapture.h"
#include "Misc/TransactionBuffer.h"
#include "ScopedTransaction.h"
#include "Retarget/ZevoTposeCalculator.h"
#include "ZevoRemapAssetEdits.h"
#include "Stream/ZevoStreamSkeleton.h"
#include "ZevoTestRigs.h"

#include <gtest/gtest.h>
#include <thread>

namespace
{
/** A character frame: hips position in stream metres, rotations by stream bone name, the seven properties. */
FLiveLinkAnimationFrameData StreamFrame(const FVector& HipsPosition, const TMap<FName, FQuat>& Rotations, TArray<float> Properties)
{
	FLiveLinkAnimationFrameData Frame;
	for (int32 Bone = 0; Bone < ZevoStreamBoneCount; ++Bone)
	{
		const FQuat* Rotation = Rotations.Find(FName(ZevoStreamBoneNames[Bone]));
		Frame.Transforms.Add(FTransform(Rotation ? *Rotation : FQuat::Identity, Bone == 0 ? HipsPosition : FVector::ZeroVector));
	}
	Frame.PropertyValues = MoveTemp(Properties);
	return Frame;
}

double AngleDegrees(const FQuat& A, const FQuat& B)
{
	return FMath::RadiansToDegrees(A.AngularDistance(B));
}

/** An asset driving Skeleton with every row mapped to the bone of the same name, and the default T-pose. */
template <typename AssetType = UZevoRemapAsset>
struct TDriven
{
	std::unique_ptr<USkeleton> Reference = ZevoTestRigs::MakeSkeleton(ZevoTestRigs::StreamBodyTPose(), "Reference");
	std::unique_ptr<USkeleton> Target;
	AssetType Asset;
	FBoneContainer Bones;

	explicit TDriven(const TArray<FZevoTestBone>& TargetBones, const TArray<FZevoBoneMappingRow>& Rows = ZevoTestRigs::IdentityMapping())
		: Target(ZevoTestRigs::MakeSkeleton(TargetBones, "Target")), Bones(Target.get())
	{
		Asset.TargetSkeleton = Target.get();
		Asset.TPoseReferenceSkeleton = Reference.get();
		TMap<FName, FName> Targets;
		for (const FZevoBoneMappingRow& Row : Rows)
		{
			Targets.Add(FZevoBoneNameUtils::EnumToFName(Row.SourceBone), Row.TargetBone);
		}
		ZevoRemapAssetEdits::SetTargets(Asset, Targets);
	}

	FCompactPose Build(const FLiveLinkAnimationFrameData& Frame)
	{
		static const FLiveLinkSkeletonStaticData Static = MakeZevoCharacterStaticData();
		FCompactPose Pose(Bones);
		Asset.BuildPoseFromAnimationData(0.f, &Static, &Frame, Pose);
		return Pose;
	}

	int32 Index(const char* Bone) const { return Target->GetReferenceSkeleton().FindBoneIndex(FName(Bone)); }
};
using FDriven = TDriven<>;

/** A remap asset that drives no target bone with a stream bone that has no row. */
class UZevoRowsOnlyRemapAsset : public UZevoRemapAsset
{
public:
	FName GetRemappedBoneName_Implementation(FName BoneName) const override { return NAME_None; }
};

TArray<float> Legs(float Upper, float Lower, float HipToUpper, float OffsetX = 0.f, float OffsetY = 0.f, float OffsetZ = 0.f, float Height = 0.f)
{
	return {Upper, Lower, HipToUpper, OffsetX, OffsetY, OffsetZ, Height};
}

/** The stream body with a thigh of 45, a calf of 44 and a hip-to-thigh offset of 9 centimetres. */
TArray<FZevoTestBone> LegLengthBody()
{
	TArray<FZevoTestBone> Bones = ZevoTestRigs::StreamBodyTPose();
	for (FZevoTestBone& Bone : Bones)
	{
		const FString Name = Bone.Name.ToString();
		if (Name == FString("LeftHip")) { Bone.Translation = FVector(9, 0, 0); }
		if (Name == FString("LeftKnee")) { Bone.Translation = FVector(0, 0, -45); }
		if (Name == FString("LeftAnkle")) { Bone.Translation = FVector(0, 0, -44); }
	}
	return Bones;
}
}

TEST(ZevoRemapAssetPoseBuild, LogsThePositionScaleOnceAndRemeasuresOnlyBeyondAHundredthOfACentimetre)
{
	FLogCapture Log;
	FDriven Driven(LegLengthBody());
	const double StandingZ = Driven.Build(StreamFrame(FVector(0, 1, 0), {}, Legs(0.40f, 0.42f, 0.10f)))[Driven.Index("Hips")].GetTranslation().Z;
	EXPECT_EQ(Log.Count("[Zevo Remap] Position Scale: X=1.065 Y=1.065 Z=1.125, Target Skeleton: Target", ELogVerbosity::Warning), 1);
	// Within a hundredth the scale and the ground correction hold: rising hips rise.
	const double RisenZ = Driven.Build(StreamFrame(FVector(0, 1.2, 0), {}, Legs(0.40005f, 0.42f, 0.10f)))[Driven.Index("Hips")].GetTranslation().Z;
	EXPECT_EQ(Log.CountContaining("[Zevo Remap] Position Scale:"), 1);
	EXPECT_NEAR(RisenZ - StandingZ, 20.0 * 45.0 / 40.0, 1e-3);
	// Beyond it both are measured again, on this frame: the hips stand where a calibration puts them.
	const double RemeasuredZ = Driven.Build(StreamFrame(FVector(0, 1.2, 0), {}, Legs(0.4002f, 0.42f, 0.10f)))[Driven.Index("Hips")].GetTranslation().Z;
	EXPECT_EQ(Log.CountContaining("[Zevo Remap] Position Scale:"), 2);
	EXPECT_NEAR(RemeasuredZ, StandingZ, 1e-3);
}

TEST(ZevoRemapAssetPoseBuild, IdentityStreamRotationsGiveEveryDrivenBoneItsTPosedRotation)
{
	FDriven Driven(ZevoTestRigs::StreamBodyAPose());
	const FCompactPose Pose = Driven.Build(StreamFrame(FVector(0, 0.95, 0), {}, Legs(0.42f, 0.40f, 0.09f)));
	const TMap<FName, FQuat> Deltas =
		FZevoTposeCalculator::CalculateTPoseDeltas(Driven.Target.get(), Driven.Reference.get(), Driven.Asset.GetAllBones());
	ASSERT_FALSE(Deltas.IsEmpty());
	const FReferenceSkeleton& Skeleton = Driven.Target->GetReferenceSkeleton();
	for (int32 Index = 0; Index < Skeleton.GetNum(); ++Index)
	{
		const FQuat Rest = Skeleton.GetRefBonePose()[Index].GetRotation();
		const FQuat* Delta = Deltas.Find(Skeleton.GetBoneName(Index));
		EXPECT_LT(AngleDegrees(Pose[Index].GetRotation(), Delta ? *Delta * Rest : Rest), 1e-4) << *Skeleton.GetBoneName(Index).ToString();
	}
	// The A-posed arm now points sideways, as in the T-pose.
	const FVector Arm = Pose.GetComponentSpaceTransform(Driven.Index("LeftElbow")).GetTranslation() -
		Pose.GetComponentSpaceTransform(Driven.Index("LeftShoulder")).GetTranslation();
	EXPECT_TRUE(Arm.GetSafeNormal().Equals(FVector(1, 0, 0), 1e-9));
}

TEST(ZevoRemapAssetPoseBuild, ARemappedRowIsStraightenedFromTheNextFrameOn)
{
	FDriven Driven(ZevoTestRigs::StreamBodyAPose());
	const FName Shoulder("LeftShoulder");
	const int32 Index = Driven.Index("LeftShoulder");
	const FQuat Rest = Driven.Target->GetReferenceSkeleton().GetRefBonePose()[Index].GetRotation();
	ASSERT_GT(AngleDegrees(Driven.Build(StreamFrame(FVector(0, 0.95, 0), {}, Legs(0.42f, 0.40f, 0.09f)))[Index].GetRotation(), Rest), 1.0);

	// The arm is unmapped in the panel while the character plays: its straightening must go with it.
	for (FZevoBoneMappingRow& Row : Driven.Asset.ArmBones)
	{
		Row.TargetBone = Row.TargetBone == Shoulder ? NAME_None : Row.TargetBone;
	}
	ZevoRemapAssetEdits::NotifyChanged(Driven.Asset, "ArmBones", "TargetBone");
	const FCompactPose Pose = Driven.Build(StreamFrame(FVector(0, 0.95, 0), {}, Legs(0.42f, 0.40f, 0.09f)));
	EXPECT_LT(AngleDegrees(Pose[Index].GetRotation(), Rest), 1e-3);
}

TEST(ZevoRemapAssetPoseBuild, ClearingTheMappingDropsTheStraighteningMeasuredThroughIt)
{
	FDriven Driven(ZevoTestRigs::StreamBodyAPose());
	const int32 Index = Driven.Index("LeftShoulder");
	const FQuat Rest = Driven.Target->GetReferenceSkeleton().GetRefBonePose()[Index].GetRotation();
	ASSERT_GT(AngleDegrees(Driven.Build(StreamFrame(FVector(0, 0.95, 0), {}, Legs(0.42f, 0.40f, 0.09f)))[Index].GetRotation(), Rest), 1.0);
	Driven.Asset.ClearBoneMapping();
	// The stream's shoulder still reaches the bone of its own name, now without a delta.
	EXPECT_LT(AngleDegrees(Driven.Build(StreamFrame(FVector(0, 0.95, 0), {}, Legs(0.42f, 0.40f, 0.09f)))[Index].GetRotation(), Rest), 1e-3);
}

TEST(ZevoRemapAssetPoseBuild, EveryEditThatChangesTheTableRebuildsIt)
{
	// Each edit is made on an asset that has built a pose; the next pose must be the one an
	// asset made with the edit from the start builds.
	struct FEdit
	{
		const char* What;
		void (*Apply)(FDriven& Driven, USkeleton& Other);
	};
	const FEdit Edits[] = {
		{"a row's target", [](FDriven& Driven, USkeleton&) {
			 Driven.Asset.ArmBones[2].TargetBone = FName("LeftWrist"); // the left elbow's row
			 ZevoRemapAssetEdits::NotifyChanged(Driven.Asset, "ArmBones", "TargetBone");
		 }},
		{"the target skeleton", [](FDriven& Driven, USkeleton& Other) {
			 Driven.Asset.TargetSkeleton = &Other;
			 ZevoRemapAssetEdits::NotifyChanged(Driven.Asset, "TargetSkeleton");
		 }},
		{"the T-pose reference", [](FDriven& Driven, USkeleton& Other) {
			 Driven.Asset.TPoseReferenceSkeleton = &Other;
			 ZevoRemapAssetEdits::NotifyChanged(Driven.Asset, "TPoseReferenceSkeleton");
		 }},
	};
	const FLiveLinkAnimationFrameData Frame = StreamFrame(FVector(0.1, 0.95, 0), {{FName("LeftElbow"), FQuat(FVector(0, 0, 1), 0.6)}}, Legs(0.42f, 0.40f, 0.09f));
	for (const FEdit& Edit : Edits)
	{
		// The pose is the A-posed body's; the asset starts out measuring the T-posed one.
		FDriven Edited(ZevoTestRigs::StreamBodyAPose());
		const auto TPosed = ZevoTestRigs::MakeSkeleton(ZevoTestRigs::StreamBodyTPose(), "TPosed");
		const auto APosed = ZevoTestRigs::MakeSkeleton(ZevoTestRigs::StreamBodyAPose(), "APosed");
		Edited.Asset.TargetSkeleton = TPosed.get();
		const FCompactPose Before = Edited.Build(Frame);
		Edit.Apply(Edited, *APosed);

		FDriven Fresh(ZevoTestRigs::StreamBodyAPose());
		Fresh.Asset.TargetSkeleton = TPosed.get();
		Edit.Apply(Fresh, *APosed);
		const FCompactPose Expected = Fresh.Build(Frame);
		const FCompactPose After = Edited.Build(Frame);
		bool bChanged = false;
		for (int32 Bone = 0; Bone < Expected.GetNumBones(); ++Bone)
		{
			EXPECT_LT(AngleDegrees(After[Bone].GetRotation(), Expected[Bone].GetRotation()), 1e-4) << Edit.What << ", bone " << Bone;
			bChanged = bChanged || AngleDegrees(After[Bone].GetRotation(), Before[Bone].GetRotation()) > 0.1;
		}
		EXPECT_TRUE(bChanged) << Edit.What << " should change the pose";
	}
}

TEST(ZevoRemapAssetPoseBuild, UndoBringsBackTheDuplicateBadgesAndThePose)
{
	FDriven Driven(ZevoTestRigs::StreamBodyAPose());
	Driven.Asset.BodySpineBones[0].TargetBone = Driven.Asset.BodySpineBones[1].TargetBone;
	Driven.Asset.UpdateDuplicateDetection();
	ASSERT_EQ(Driven.Asset.GetDuplicateTargetBones().Num(), 1);
	const FLiveLinkAnimationFrameData Frame = StreamFrame(FVector(0, 1, 0), {{FName("LeftShoulder"), FQuat(FVector(0, 1, 0), 0.5)}}, Legs(0.40f, 0.42f, 0.10f));
	const FCompactPose Before = Driven.Build(Frame);

	{
		FScopedTransaction Transaction(FText::FromString("Edit rows"));
		Driven.Asset.Modify();
		Driven.Asset.BodySpineBones[0].TargetBone = FName("Hips");
		Driven.Asset.ArmBones[1].TargetBone = NAME_None; // the left shoulder loses its straightening
		ZevoRemapAssetEdits::NotifyChanged(Driven.Asset, "BodySpineBones", "TargetBone");
	}
	EXPECT_TRUE(Driven.Asset.GetDuplicateTargetBones().IsEmpty());
	const FCompactPose Edited = Driven.Build(Frame);
	ASSERT_GT(AngleDegrees(Edited[Driven.Index("LeftShoulder")].GetRotation(), Before[Driven.Index("LeftShoulder")].GetRotation()), 1.0);

	ASSERT_TRUE(FTransactionBuffer::Get().Undo());
	EXPECT_EQ(Driven.Asset.GetDuplicateTargetBones().Num(), 1);
	const FCompactPose Undone = Driven.Build(Frame);
	for (int32 Bone = 0; Bone < Before.GetNumBones(); ++Bone)
	{
		EXPECT_TRUE(Undone[Bone].Equals(Before[Bone], 1e-9)) << "bone " << Bone;
	}
}

TEST(ZevoRemapAssetPoseBuild, PutsTheSolesOnTheGroundOnTheCalibrationFrame)
{
	FDriven Driven(ZevoTestRigs::StreamBodyAPose());
	const FCompactPose Pose = Driven.Build(StreamFrame(FVector(0.3, 0.97, -0.2), {}, Legs(0.44f, 0.41f, 0.09f)));
	// The ankle sits 8 cm above the sole in the rest pose; straightened legs keep it there.
	const double AnkleZ = Pose.GetComponentSpaceTransform(Driven.Index("LeftAnkle")).GetTranslation().Z;
	EXPECT_NEAR(AnkleZ - 8.0, 0.0, 0.5);
}

TEST(ZevoRemapAssetPoseBuild, PlacesTheBodyAlikeUnderARootBoneTurnedIntoTheRigsOwnAxesOrStandingAtHipHeight)
{
	// Many rigs hang the hips under a root bone turned into their own axis convention, some under
	// a centre of mass that stands at hip height; the body must stand, walk and bend in the
	// component exactly as without it, with and without the hip correction.
	const FQuat Turn(FVector(0, 1, 0), FMath::DegreesToRadians(-90.0));
	const FLiveLinkAnimationFrameData Frame = StreamFrame(FVector(0.3, 0.97, -0.2),
		{{FName("LeftHip"), FQuat(FVector(1, 0, 0), -0.4)}, {FName("RightShoulder"), FQuat(FVector(0, 0, 1), 0.9)}}, Legs(0.44f, 0.41f, 0.09f));
	for (const FVector& RootAt : {FVector::ZeroVector, FVector(0, 0, 98)})
	{
		TArray<FZevoTestBone> Bones = ZevoTestRigs::StreamBodyTPose();
		for (FZevoTestBone& Bone : Bones)
		{
			if (Bone.Parent.IsNone())
			{
				Bone.Parent = FName("root");
				Bone.Translation = Turn.UnrotateVector(Bone.Translation - RootAt);
				Bone.Rotation = Turn.Inverse() * Bone.Rotation;
			}
		}
		Bones.Insert({FName("root"), NAME_None, RootAt, Turn}, 0);
		for (const bool bHipCorrection : {true, false})
		{
			FDriven Rooted(Bones);
			FDriven Plain(ZevoTestRigs::StreamBodyTPose());
			Rooted.Asset.bUseHipCorrection = Plain.Asset.bUseHipCorrection = bHipCorrection;
			const FCompactPose RootedPose = Rooted.Build(Frame);
			const FCompactPose PlainPose = Plain.Build(Frame);
			for (const char* Bone : {"Hips", "LeftKnee", "LeftAnkle", "RightAnkle", "RightElbow", "RightWrist", "Neck1"})
			{
				const FVector Expected = PlainPose.GetComponentSpaceTransform(Plain.Index(Bone)).GetTranslation();
				EXPECT_TRUE(RootedPose.GetComponentSpaceTransform(Rooted.Index(Bone)).GetTranslation().Equals(Expected, 1e-6))
					<< Bone << " under a root at " << *RootAt.ToString() << ", hip correction " << bHipCorrection;
			}
		}
	}
}

TEST(ZevoRemapAssetPoseBuild, BonesTheTargetHangsElsewhereMoveAsTheStreamsBodyMovesThem)
{
	// Rig families hang the thighs from the first spine bone, the clavicles from the neck, or the
	// chest beside the hips under a waist; each bone must still stand where the stream puts it.
	struct FCase
	{
		const char* What;
		TMap<FName, FName> NewParents;
		bool bWaist;
	};
	const FCase Cases[] = {
		{"thighs under the spine, clavicles under the neck",
			{{FName("LeftHip"), FName("Chest")}, {FName("RightHip"), FName("Chest")}, {FName("LeftCollar"), FName("Neck")}}, false},
		{"the chest beside the hips under a waist", {{FName("Hips"), FName("Waist")}, {FName("Chest"), FName("Waist")}}, true},
	};
	const FLiveLinkAnimationFrameData Frame = StreamFrame(FVector(0.1, 0.95, 0.2),
		{{FName("Hips"), FQuat(FVector(0, 1, 0), 0.5)}, {FName("Chest"), FQuat(FVector(1, 0, 0), 0.4)}, {FName("Neck"), FQuat(FVector(0, 0, 1), -0.3)},
			{FName("LeftHip"), FQuat(FVector(1, 0, 0), -0.6)}, {FName("LeftCollar"), FQuat(FVector(0, 1, 0), 0.2)}},
		Legs(0.42f, 0.40f, 0.09f));
	FDriven Plain(ZevoTestRigs::StreamBodyTPose());
	const FCompactPose Expected = Plain.Build(Frame);
	for (const FCase& Case : Cases)
	{
		TArray<FZevoTestBone> Inserted;
		if (Case.bWaist)
		{
			Inserted.Add({FName("Waist"), NAME_None, FVector(0, 0, 95)});
		}
		const TArray<FZevoTestBone> Bones = ZevoTestRigs::Rehung(ZevoTestRigs::StreamBodyTPose(), Case.NewParents, Inserted);
		FDriven Rehung(Bones);
		const FCompactPose Pose = Rehung.Build(Frame);
		// Where a joint sits follows its new parent (a thigh joint on the spine moves as the spine
		// bends); how each bone is turned in the component must not.
		for (const char* Bone : {"Hips", "Chest", "Chest2", "Neck1", "LeftHip", "LeftKnee", "RightAnkle", "LeftCollar", "LeftElbow", "RightWrist"})
		{
			const FQuat Want = Expected.GetComponentSpaceTransform(Plain.Index(Bone)).GetRotation();
			EXPECT_LT(AngleDegrees(Pose.GetComponentSpaceTransform(Rehung.Index(Bone)).GetRotation(), Want), 1e-4) << Case.What << ": " << Bone;
		}
	}
}

TEST(ZevoRemapAssetPoseBuild, WithoutHipCorrectionAddsOnlyTheOffsets)
{
	FDriven Driven(LegLengthBody());
	Driven.Asset.bUseHipCorrection = false;
	Driven.Asset.GroundOffset = 5.f;
	const FCompactPose Pose = Driven.Build(StreamFrame(FVector(0.1, 1.0, 0.2), {}, Legs(0.40f, 0.42f, 0.10f, 0.01f, 0.02f, 0.03f, 7.f)));
	const FVector Hips = Pose[Driven.Index("Hips")].GetTranslation();
	const double Horizontal = 98.0 / 92.0;
	EXPECT_NEAR(Hips.Z, 100.0 * 45.0 / 40.0 + 7.0 + 5.0 + 2.0, 1e-3);
	EXPECT_NEAR(Hips.X, -10.0 * Horizontal - 1.0, 1e-3);
	EXPECT_NEAR(Hips.Y, 20.0 * Horizontal + 3.0, 1e-3);
}

TEST(ZevoRemapAssetPoseBuild, TheGroundOffsetRaisesTheBodyWithOrWithoutHipCorrection)
{
	for (const bool bHipCorrection : {true, false})
	{
		FDriven Driven(LegLengthBody());
		Driven.Asset.bUseHipCorrection = bHipCorrection;
		const FLiveLinkAnimationFrameData Frame = StreamFrame(FVector(0.1, 1.0, 0.2), {}, Legs(0.40f, 0.42f, 0.10f));
		const double Grounded = Driven.Build(Frame)[Driven.Index("Hips")].GetTranslation().Z;
		Driven.Asset.GroundOffset = -7.5f;
		EXPECT_NEAR(Driven.Build(Frame)[Driven.Index("Hips")].GetTranslation().Z, Grounded - 7.5, 1e-4) << "hip correction " << bHipCorrection;
	}
}

TEST(ZevoRemapAssetPoseBuild, WarnsOnEveryFrameWhileTheHipsAreUnmapped)
{
	FLogCapture Log;
	TArray<FZevoBoneMappingRow> Rows = ZevoTestRigs::IdentityMapping();
	Rows[0].TargetBone = NAME_None;
	FDriven Driven(ZevoTestRigs::StreamBodyTPose(), Rows);
	Driven.Build(StreamFrame(FVector(0, 1, 0), {}, Legs(0.4f, 0.4f, 0.1f)));
	Driven.Build(StreamFrame(FVector(0, 1, 0), {}, Legs(0.4f, 0.4f, 0.1f)));
	EXPECT_EQ(Log.Count("[Zevo Remap][Target] Hips bone not found (mapped: None)", ELogVerbosity::Warning), 2);
}

TEST(ZevoRemapAssetPoseBuild, SpreadsAMissingSpineSegmentOverTheSpineBonesTheTargetHas)
{
	TArray<FZevoTestBone> Bones = ZevoTestRigs::StreamBodyTPose();
	Bones.RemoveAll([](const FZevoTestBone& Bone) { return Bone.Name == FName("Chest1"); });
	for (FZevoTestBone& Bone : Bones)
	{
		if (Bone.Name == FName("Chest2"))
		{
			Bone.Parent = FName("Chest");
		}
	}
	FDriven Driven(Bones);
	const FQuat Bend(FVector(1, 0, 0), FMath::DegreesToRadians(30.0));
	const FCompactPose Pose = Driven.Build(StreamFrame(FVector(0, 1, 0), {{FName("Chest1"), Bend}}, Legs(0.4f, 0.4f, 0.1f)));
	const FQuat Converted(-Bend.X, Bend.Z, Bend.Y, Bend.W);
	const FQuat Half = FQuat::Slerp(FQuat::Identity, Converted, 0.5);
	EXPECT_LT(AngleDegrees(Pose[Driven.Index("Chest")].GetRotation(), Half), 1e-6);
	EXPECT_LT(AngleDegrees(Pose[Driven.Index("Chest2")].GetRotation(), Half), 1e-6);
}

TEST(ZevoRemapAssetPoseBuild, DrivesAMappedToeWithTheStreamsToeRotation)
{
	FDriven Driven(ZevoTestRigs::StreamBodyTPose());
	const FQuat Curl(FVector(1, 0, 0), FMath::DegreesToRadians(25.0));
	const FCompactPose Pose = Driven.Build(StreamFrame(FVector(0, 1, 0), {{FName("LeftToes"), Curl}}, Legs(0.4f, 0.4f, 0.1f)));
	EXPECT_GT(AngleDegrees(Pose[Driven.Index("LeftToe")].GetRotation(), FQuat::Identity), 24.0);
}

TEST(ZevoRemapAssetPoseBuild, OneAssetEvaluatesOnTwoThreadsAtOnce)
{
	FDriven Driven(ZevoTestRigs::StreamBodyAPose());
	const FLiveLinkAnimationFrameData Frame = StreamFrame(FVector(0, 1, 0), {}, Legs(0.4f, 0.4f, 0.1f));
	const FCompactPose Expected = Driven.Build(Frame);
	ZevoRemapAssetEdits::NotifyChanged(Driven.Asset, "bUseHipCorrection");
	std::atomic<int32> Mismatches{0};
	const auto Evaluate = [&] {
		for (int32 Round = 0; Round < 200; ++Round)
		{
			const FCompactPose Pose = Driven.Build(Frame);
			Mismatches += Pose[Driven.Index("LeftElbow")].Equals(Expected[Driven.Index("LeftElbow")], 1e-9) ? 0 : 1;
		}
	};
	std::thread First(Evaluate);
	std::thread Second(Evaluate);
	// Meanwhile the editor drops the table and the deltas, as a new T-pose reference does; the
	// next build compiles them again, to the same pose.
	for (int32 Edit = 0; Edit < 50; ++Edit)
	{
		ZevoRemapAssetEdits::NotifyChanged(Driven.Asset, "TPoseReferenceSkeleton");
	}
	First.join();
	Second.join();
	EXPECT_EQ(Mismatches.load(), 0);
}

TEST(ZevoRemapAssetPoseBuild, AStreamBoneWithoutARowDrivesTheBoneTheRemapEventNames)
{
	TArray<FZevoBoneMappingRow> Rows = ZevoTestRigs::IdentityMapping();
	for (FZevoBoneMappingRow& Row : Rows)
	{
		Row.TargetBone = Row.SourceBone == EZevoBoneName::LeftElbow ? NAME_None : Row.TargetBone;
	}
	const FQuat Bend(FVector(0, 0, 1), FMath::DegreesToRadians(40.0));
	const FLiveLinkAnimationFrameData Frame = StreamFrame(FVector(0, 1, 0), {{FName("LeftElbow"), Bend}}, Legs(0.4f, 0.4f, 0.1f));

	// By default the event names the stream bone itself, which this target has.
	FDriven Default(ZevoTestRigs::StreamBodyTPose(), Rows);
	const int32 Elbow = Default.Index("LeftElbow");
	const FQuat Rest = Default.Target->GetReferenceSkeleton().GetRefBonePose()[Elbow].GetRotation();
	EXPECT_GT(AngleDegrees(Default.Build(Frame)[Elbow].GetRotation(), Rest), 39.0);

	// A subclass's implementation is what the pose build asks, through the engine's event.
	TDriven<UZevoRowsOnlyRemapAsset> RowsOnly(ZevoTestRigs::StreamBodyTPose(), Rows);
	EXPECT_LT(AngleDegrees(RowsOnly.Build(Frame)[Elbow].GetRotation(), Rest), 1e-6);
}
