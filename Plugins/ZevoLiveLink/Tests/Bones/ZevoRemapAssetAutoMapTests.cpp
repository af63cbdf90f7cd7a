#include "Logging/LogCapture.h"
#include "ZevoRemapAssetEdits.h"
#include "ZevoTestRigs.h"

#include <gtest/gtest.h>

namespace
{
/** The stream body renamed to a game-engine mannequin's conventions, under a root bone. */
TArray<FZevoTestBone> MannequinBody(TMap<FName, FName>& OutExpected)
{
	const char* Fingers[] = {"thumb", "index", "middle", "ring", "pinky"};
	TMap<FName, FName> Rename{{"Hips", "pelvis"}, {"Chest", "spine_01"}, {"Chest1", "spine_02"}, {"Chest2", "spine_03"},
		{"Neck", "neck_01"}, {"Neck1", "head"}};
	for (const auto& [Side, Suffix] : {std::pair{"Left", "l"}, std::pair{"Right", "r"}})
	{
		const FString S(Side);
		const char* Limbs[][2] = {{"Hip", "thigh"}, {"Knee", "calf"}, {"Ankle", "foot"}, {"Toe", "ball"}, {"Collar", "clavicle"},
			{"Shoulder", "upperarm"}, {"Elbow", "lowerarm"}, {"Wrist", "hand"}};
		for (const auto& Limb : Limbs)
		{
			Rename.Add(FName(S + Limb[0]), FName(*FString::Printf("%s_%s", Limb[1], Suffix)));
		}
		for (int32 Finger = 0; Finger < 5; ++Finger)
		{
			Rename.Add(FName(*FString::Printf("%sFinger%d", Side, Finger)), FName(*FString::Printf("%s_01_%s", Fingers[Finger], Suffix)));
			Rename.Add(FName(*FString::Printf("%sFinger%d1", Side, Finger)), FName(*FString::Printf("%s_02_%s", Fingers[Finger], Suffix)));
			Rename.Add(FName(*FString::Printf("%sFinger%d2", Side, Finger)), FName(*FString::Printf("%s_03_%s", Fingers[Finger], Suffix)));
		}
	}
	OutExpected = Rename;
	TArray<FZevoTestBone> Bones = ZevoTestRigs::Renamed(ZevoTestRigs::StreamBodyAPose(), Rename);
	Bones.Insert({FName("root"), NAME_None, FVector::ZeroVector}, 0);
	Bones[1].Parent = FName("root");
	return Bones;
}

int32 CountMatching(const TMap<FName, FName>& Actual, const TMap<FName, FName>& Expected)
{
	int32 Matching = 0;
	for (const auto& Entry : Expected)
	{
		Matching += Actual.FindRef(Entry.Key) == Entry.Value ? 1 : 0;
	}
	return Matching;
}
}

TEST(ZevoRemapAssetAutoMap, MapsEveryBoneOfASkeletonNamedLikeTheStreamOntoItself)
{
	FLogCapture Log;
	const auto Skeleton = ZevoTestRigs::MakeSkeleton(ZevoTestRigs::StreamBodyTPose(), "StreamNamed");
	UZevoRemapAsset Asset;
	Asset.TargetSkeleton = Skeleton.get();
	Asset.AutoMapFromTargetSkeleton();
	const TMap<FName, FName> Targets = ZevoRemapAssetEdits::Targets(Asset);
	for (const auto& Entry : Targets)
	{
		EXPECT_EQ(Entry.Value, Entry.Key) << *Entry.Key.ToString();
	}
	// The head is found although its own name contains the neck's word.
	EXPECT_EQ(Targets.FindRef(FName("Neck1")), FName("Neck1"));
	EXPECT_STREQ(*Asset.MissingStatusText, "OK");
	EXPECT_STREQ(*Asset.DuplicateStatusText, "OK");
}

TEST(ZevoRemapAssetAutoMap, MapsAMannequinStyleRigCompletely)
{
	TMap<FName, FName> Expected;
	const auto Skeleton = ZevoTestRigs::MakeSkeleton(MannequinBody(Expected), "Mannequin");
	UZevoRemapAsset Asset;
	Asset.TargetSkeleton = Skeleton.get();
	ZevoRemapAssetEdits::NotifyChanged(Asset, "TargetSkeleton");
	const TMap<FName, FName> Targets = ZevoRemapAssetEdits::Targets(Asset);
	EXPECT_EQ(CountMatching(Targets, Expected), 52);
	for (const auto& Entry : Expected)
	{
		EXPECT_EQ(Targets.FindRef(Entry.Key), Entry.Value) << *Entry.Key.ToString();
	}
	EXPECT_STREQ(*Asset.MissingStatusText, "OK");
}

TEST(ZevoRemapAssetAutoMap, KeepsNeckAndHeadApartAndThumbsOffOtherFingers)
{
	const TArray<FZevoTestBone> Bones{{"pelvis", NAME_None, FVector(0, 0, 95)}, {"neck_01", "pelvis", FVector(0, 0, 50)},
		{"head", "neck_01", FVector(0, 0, 10)}, {"hand_l", "pelvis", FVector(60, 0, 40)}, {"index_01_l", "hand_l", FVector(9, 0, 0)},
		{"mid_thumb_l", "hand_l", FVector(8, 0, 0)}, {"little_01_l", "hand_l", FVector(8, -3, 0)}};
	const auto Skeleton = ZevoTestRigs::MakeSkeleton(Bones, "Sparse");
	UZevoRemapAsset Asset;
	Asset.TargetSkeleton = Skeleton.get();
	Asset.AutoMapFromTargetSkeleton();
	const TMap<FName, FName> Targets = ZevoRemapAssetEdits::Targets(Asset);
	EXPECT_EQ(Targets.FindRef(FName("Neck")), FName("neck_01"));
	EXPECT_EQ(Targets.FindRef(FName("Neck1")), FName("head"));
	for (const char* Thumb : {"LeftFinger0", "LeftFinger01", "LeftFinger02"})
	{
		const FString Target = Targets.FindRef(FName(Thumb)).ToString().ToLower();
		EXPECT_FALSE(Target.Contains("index") || Target.Contains("mid") || Target.Contains("little")) << Thumb << " -> " << *Target;
	}
}

TEST(ZevoRemapAssetAutoMap, PrefersTheSidedBoneThatHangsUnderItsParentsTarget)
{
	// A cloth collar under the neck and an IK pole target under the root carry the stream's own
	// names, which outscore the deforming clavicle and calf by name alone; only the bone that
	// hangs under the target of its expected parent is the right one.
	const TArray<FZevoTestBone> Bones{{"root", NAME_None, FVector::ZeroVector}, {"pelvis", "root", FVector(0, 0, 95)},
		{"spine_01", "pelvis", FVector(0, 0, 10)}, {"spine_02", "spine_01", FVector(0, 0, 12)},
		{"spine_03", "spine_02", FVector(0, 0, 13)}, {"neck_01", "spine_03", FVector(0, 0, 17)}, {"head", "neck_01", FVector(0, 0, 10)},
		{"L_Collar", "neck_01", FVector(8, 4, 0)}, {"clavicle_l", "spine_03", FVector(4, 0, 12)},
		{"thigh_l", "pelvis", FVector(10, 0, -5)}, {"calf_l", "thigh_l", FVector(0, 0, -45)}, {"L_Knee", "root", FVector(10, 40, 50)}};
	const auto Skeleton = ZevoTestRigs::MakeSkeleton(Bones, "Helpers");
	UZevoRemapAsset Asset;
	Asset.TargetSkeleton = Skeleton.get();
	Asset.AutoMapFromTargetSkeleton();
	const TMap<FName, FName> Targets = ZevoRemapAssetEdits::Targets(Asset);
	EXPECT_STREQ(*Targets.FindRef(FName("LeftCollar")).ToString(), "clavicle_l");
	EXPECT_STREQ(*Targets.FindRef(FName("LeftKnee")).ToString(), "calf_l");
}

TEST(ZevoRemapAssetAutoMap, WritesTheLowerIndexedOfTwoBonesWithOneNormalisedName)
{
	const TArray<FZevoTestBone> Bones{{"Hips", NAME_None, FVector(0, 0, 95)}, {"Spine_01", "Hips", FVector(0, 0, 10)},
		{"spine01", "Spine_01", FVector(0, 0, 10)}};
	const auto Skeleton = ZevoTestRigs::MakeSkeleton(Bones, "Twins");
	UZevoRemapAsset Asset;
	Asset.TargetSkeleton = Skeleton.get();
	Asset.AutoMapFromTargetSkeleton();
	EXPECT_EQ(ZevoRemapAssetEdits::Targets(Asset).FindRef(FName("Chest")), FName("Spine_01"));
}

TEST(ZevoRemapAssetAutoMap, LeavesTheLimbsOfABodyOnlySkeletonUnmappedAndSaysSo)
{
	FLogCapture Log;
	const TArray<FZevoTestBone> Bones{{"pelvis", NAME_None, FVector(0, 0, 95)}, {"spine_01", "pelvis", FVector(0, 0, 10)},
		{"spine_02", "spine_01", FVector(0, 0, 12)}, {"spine_03", "spine_02", FVector(0, 0, 13)}, {"neck_01", "spine_03", FVector(0, 0, 17)},
		{"head", "neck_01", FVector(0, 0, 10)}};
	const auto Skeleton = ZevoTestRigs::MakeSkeleton(Bones, "BodyOnly");
	UZevoRemapAsset Asset;
	Asset.TargetSkeleton = Skeleton.get();
	Asset.AutoMapFromTargetSkeleton();
	EXPECT_STREQ(*Asset.MissingStatusText, "46 unmapped [Leg:8, Arm:8, Finger:30]");
	EXPECT_EQ(Log.Count("[Zevo Remap] 46 bones were not found in the target skeleton. You may need to map them manually.", ELogVerbosity::Warning), 1);
	EXPECT_EQ(Log.Count("[Zevo Remap] No candidates found for source bone: LeftHip", ELogVerbosity::Warning), 1);
	const TMap<FName, FName> Targets = ZevoRemapAssetEdits::Targets(Asset);
	EXPECT_EQ(Targets.FindRef(FName("Hips")), FName("pelvis"));
	EXPECT_EQ(Targets.FindRef(FName("Chest2")), FName("spine_03"));
}

TEST(ZevoRemapAssetAutoMap, WithoutATargetSkeletonWarnsAndChangesNothing)
{
	FLogCapture Log;
	UZevoRemapAsset Asset;
	Asset.BodySpineBones[0].TargetBone = FName("pelvis");
	Asset.AutoMapFromTargetSkeleton();
	EXPECT_EQ(Log.Count("[Zevo Remap] Target Skeleton is not assigned!", ELogVerbosity::Warning), 1);
	EXPECT_EQ(Asset.BodySpineBones[0].TargetBone, FName("pelvis"));
}
