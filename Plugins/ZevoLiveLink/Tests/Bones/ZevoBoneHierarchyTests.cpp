#include "ZevoBoneMapping.h"

#include <gtest/gtest.h>

namespace
{
TArray<FString> Strings(std::initializer_list<const char*> Texts)
{
	TArray<FString> Result;
	for (const char* Text : Texts)
	{
		Result.Add(Text);
	}
	return Result;
}

const TMap<FName, FName> NoParents;
const TMap<FString, FString> NoMappings;

// A target rig in its own naming: pelvis > spine_01 > ..., thigh_l > calf_l, thigh_r > calf_r.
const TMap<FName, FName> TargetParents = {
	{"pelvis", NAME_None},
	{"spine_01", "pelvis"},
	{"spine_02", "spine_01"},
	{"thigh_l", "pelvis"},
	{"calf_l", "thigh_l"},
	{"shin_l", "pelvis"},
	{"thigh_r", "pelvis"},
	{"calf_r", "thigh_r"},
};
}

TEST(ZevoBoneHierarchyExpected, ListsEveryStreamBoneInValueOrderWithItsParentAndChildren)
{
	const TMap<FString, FZevoBoneHierarchyInfo>& Hierarchy = FZevoBoneNameMappings::GetExpectedBoneHierarchy();
	ASSERT_EQ(Hierarchy.Num(), 52);
	int32 Value = 0;
	for (const auto& Entry : Hierarchy)
	{
		const FString Identifier = FZevoBoneNameUtils::EnumToFName(static_cast<EZevoBoneName>(Value++)).ToString().ToLower();
		EXPECT_TRUE(Entry.Key.Equals(Identifier, ESearchCase::CaseSensitive)) << *Entry.Key;
		EXPECT_TRUE(Entry.Value.BoneName.Equals(Entry.Key, ESearchCase::CaseSensitive));
		if (!Entry.Value.ParentBone.IsEmpty())
		{
			const FZevoBoneHierarchyInfo* Parent = Hierarchy.Find(Entry.Value.ParentBone);
			ASSERT_NE(Parent, nullptr) << *Entry.Key;
			EXPECT_TRUE(Parent->ChildBones.Contains(Entry.Key)) << *Entry.Key;
		}
	}

	const struct
	{
		const char* Bone;
		const char* Parent;
		TArray<FString> Children;
	} Cases[] = {
		{"hips", "", Strings({"chest", "lefthip", "righthip"})},
		{"chest2", "chest1", Strings({"neck", "leftcollar", "rightcollar"})},
		{"neck1", "neck", {}},
		{"righttoe", "rightankle", {}},
		{"leftcollar", "chest2", Strings({"leftshoulder"})},
		{"rightwrist", "rightelbow", Strings({"rightfinger0", "rightfinger1", "rightfinger2", "rightfinger3", "rightfinger4"})},
		{"leftfinger3", "leftwrist", Strings({"leftfinger31"})},
		{"rightfinger41", "rightfinger4", Strings({"rightfinger42"})},
	};
	for (const auto& Case : Cases)
	{
		const FZevoBoneHierarchyInfo& Info = Hierarchy[Case.Bone];
		EXPECT_TRUE(Info.ParentBone.Equals(Case.Parent, ESearchCase::CaseSensitive)) << Case.Bone;
		EXPECT_EQ(Info.ChildBones, Case.Children) << Case.Bone;
	}
}

TEST(ZevoBoneHierarchyExpected, FindsStreamBonesSpelledOutOrNormalised)
{
	const struct
	{
		const char* Name;
		const char* Expected;  // null: not a stream bone
	} Cases[] = {
		{"Hips", "hips"},
		{"lefthip", "lefthip"},
		{"LeftHip", "lefthip"},
		{"lhip", "lefthip"},
		{"rfinger42", "rightfinger42"},
		{"neck1", "neck1"},
		{"thigh", nullptr},
		{"lthigh", nullptr},
		{"", nullptr},
	};
	for (const auto& Case : Cases)
	{
		const FZevoBoneHierarchyInfo* Entry = FZevoBoneNameMappings::FindExpectedHierarchyEntry(Case.Name);
		if (!Case.Expected)
		{
			EXPECT_EQ(Entry, nullptr) << Case.Name;
			continue;
		}
		ASSERT_NE(Entry, nullptr) << Case.Name;
		EXPECT_TRUE(Entry->BoneName.Equals(Case.Expected, ESearchCase::CaseSensitive)) << Case.Name;
	}
}

TEST(ZevoBoneHierarchyExclusivity, OnlyDifferentBonesExcludeEachOther)
{
	const struct
	{
		const char* A;
		const char* B;
		bool bExclusive;
	} Cases[] = {
		{"Hips", "pelvis", false},
		{"Spine1", "chest", false},
		{"Head", "Neck1", false},
		{"Hips", "Spine", true},
		{"LeftArm", "left_arm", false},  // one name in two spellings
		{"", "", false},
		{"Neck", "Head", true},
		{"Chest1", "spine3", true},
		// Sided aliases meet in the normalised form.
		{"LeftHip", "LeftUpLeg", false},
		{"mixamorig:LeftUpLeg", "LeftHip", false},
		{"LeftElbow", "L_ForeArm", false},
		{"RightWrist", "right_hand", false},
		{"LeftHip", "RightUpLeg", true},
		{"LeftWrist", "RightHand", true},
		{"LeftHip", "RightHip", true},
	};
	for (const auto& Case : Cases)
	{
		EXPECT_EQ(FZevoBoneNameMappings::AreBonesMutuallyExclusive(Case.A, Case.B), Case.bExclusive) << Case.A << " / " << Case.B;
		EXPECT_EQ(FZevoBoneNameMappings::AreBonesMutuallyExclusive(Case.B, Case.A), Case.bExclusive) << Case.B << " / " << Case.A;
	}
}

TEST(ZevoBoneHierarchyValidation, LeavesUnknownSourcesUnchecked)
{
	for (const char* Source : {"Tail", "thigh", "", "LeftToes"})
	{
		const FZevoHierarchyValidationResult Result =
			FZevoBoneNameMappings::ValidateBoneHierarchy(Source, "thigh_r", TargetParents, {{"Hips", "thigh_r"}});
		EXPECT_TRUE(Result.bIsValid) << Source;
		EXPECT_FLOAT_EQ(Result.Score, 0.5f) << Source;
		EXPECT_TRUE(Result.Message.Equals("Unknown source bone, hierarchy not validated")) << Source;
	}
}

TEST(ZevoBoneHierarchyValidation, ScoresByTheTargetOfTheExpectedParentAndByTargetsAlreadyTaken)
{
	const struct
	{
		const char* Source;
		const char* Target;
		TMap<FString, FString> Existing;
		float Score;
	} Cases[] = {
		{"Chest", "spine_01", {}, 1.0f},
		{"Hips", "pelvis", {{"Chest", "spine_01"}}, 1.0f},           // the root has no parent to check
		{"Chest", "spine_01", {{"Hips", "pelvis"}}, 1.2f},           // hangs under the parent's target
		{"Chest", "spine_01", {{"Hips", "Pelvis"}}, 1.2f},           // names compare normalised
		{"Chest", "spine_02", {{"Hips", "pelvis"}}, 0.7f},           // hangs elsewhere
		{"Chest", "spine_01", {{"Hips", ""}}, 1.0f},                 // parent not mapped
		{"Chest", "unknown_bone", {{"Hips", "pelvis"}}, 1.0f},       // target's parent unknown
		{"Chest", "pelvis", {{"Hips", "pelvis"}}, 0.0f},             // taken by another bone: rejected below
		{"Chest", "spine_01", {{"Spine1", "spine_01"}}, 0.5f},       // taken by an alias: halved
		{"Chest", "spine_01", {{"Hips", "pelvis"}, {"Spine1", "spine_01"}, {"spine", "spine_01"}}, 0.3f},
		{"Chest", "spine_01", {{"chest", "spine_01"}}, 1.0f},        // the same bone does not count
		// Sided bones take part once their parent is found in the common form.
		{"LeftKnee", "calf_l", {{"LeftHip", "thigh_l"}}, 1.2f},
		{"LeftKnee", "calf_l", {{"lhip", "thigh_l"}}, 1.2f},
		{"LeftKnee", "shin_l", {{"LeftHip", "thigh_l"}}, 0.7f},
		{"RightKnee", "calf_r", {{"RightUpLeg", "calf_r"}}, 0.0f},   // taken by a different bone
	};
	for (const auto& Case : Cases)
	{
		const FZevoHierarchyValidationResult Result =
			FZevoBoneNameMappings::ValidateBoneHierarchy(Case.Source, Case.Target, TargetParents, Case.Existing);
		EXPECT_FLOAT_EQ(Result.Score, Case.Score) << Case.Source << " -> " << Case.Target;
		EXPECT_EQ(Result.bIsValid, Case.Score > 0.0f) << Case.Source << " -> " << Case.Target;
		if (Result.bIsValid)
		{
			EXPECT_TRUE(Result.Message.IsEmpty()) << *Result.Message;
		}
	}

	const FZevoHierarchyValidationResult Taken =
		FZevoBoneNameMappings::ValidateBoneHierarchy("Chest", "pelvis", TargetParents, {{"Hips", "pelvis"}});
	EXPECT_TRUE(Taken.Message.Equals("Target 'pelvis' already mapped to 'Hips'")) << *Taken.Message;
}

TEST(ZevoBoneHierarchyValidation, RejectsATargetOfTheOtherSide)
{
	const struct
	{
		const char* Source;
		const char* Target;
		bool bValid;
	} Cases[] = {
		{"LeftHip", "thigh_l", true},
		{"LeftHip", "thigh_r", false},
		{"LeftHip", "L_Thigh", true},
		{"LeftHip", "R_Thigh", false},
		{"LeftHip", "RightUpLeg", false},      // named after a stream bone or alias of the right side
		{"LeftHip", "LeftUpLeg", true},
		{"LeftShoulder", "L_Shoulder", true},  // explicit marker beats the trailing r of "shoulder"
		{"LeftCollar", "Collar", true},        // the r of "collar" is no side
		{"RightToe", "ball", true},            // nor the l of "ball"
		{"RightWrist", "hand_l", false},
		{"RightWrist", "Hand.R", true},
		{"RightWrist", "mixamorig:RightHand", true},
		{"LeftFinger1", "index_01_l", true},
		{"LeftFinger1", "index_01_r", false},
		{"RightElbow", "lowerarml", false},     // a trailing side letter
		{"Hips", "thigh_r", true},              // a side-less bone has no side to mismatch
		{"Chest", "spine_l", true},
	};
	for (const auto& Case : Cases)
	{
		const FZevoHierarchyValidationResult Result =
			FZevoBoneNameMappings::ValidateBoneHierarchy(Case.Source, Case.Target, NoParents, NoMappings);
		EXPECT_EQ(Result.bIsValid, Case.bValid) << Case.Source << " -> " << Case.Target;
		if (!Case.bValid)
		{
			EXPECT_TRUE(Result.Message.Equals("Left/Right side mismatch")) << *Result.Message;
			EXPECT_FLOAT_EQ(Result.Score, 0.0f);
		}
	}
}

TEST(ZevoBoneHierarchyRanking, DropsInvalidCandidatesAndOrdersTheRestBestFirst)
{
	EXPECT_TRUE(FZevoBoneNameMappings::RankCandidatesByHierarchy("LeftKnee", {}, TargetParents, NoMappings).IsEmpty());

	const TArray<TTuple<FString, float>> Ranked = FZevoBoneNameMappings::RankCandidatesByHierarchy(
		"LeftKnee", Strings({"shin_l", "calf_r", "calf_l"}), TargetParents, {{"LeftHip", "thigh_l"}});
	ASSERT_EQ(Ranked.Num(), 2);
	EXPECT_TRUE(Ranked[0].Get<0>().Equals("calf_l"));
	EXPECT_FLOAT_EQ(Ranked[0].Get<1>(), 1.2f);
	EXPECT_TRUE(Ranked[1].Get<0>().Equals("shin_l"));
	EXPECT_FLOAT_EQ(Ranked[1].Get<1>(), 0.7f);
}

// A target at the top of its skeleton has no parent to compare: it is neither praised nor blamed.
TEST(ZevoBoneHierarchyValidation, LeavesARootTargetUncheckedForItsParent)
{
	const FZevoHierarchyValidationResult Root = FZevoBoneNameMappings::ValidateBoneHierarchy("Chest", "pelvis", TargetParents, {{"Hips", "spine_01"}});
	EXPECT_TRUE(Root.bIsValid);
	EXPECT_FLOAT_EQ(Root.Score, 1.0f);
	const FZevoHierarchyValidationResult Unlisted =
		FZevoBoneNameMappings::ValidateBoneHierarchy("Chest", "not_in_skeleton", TargetParents, {{"Hips", "spine_01"}});
	EXPECT_FLOAT_EQ(Unlisted.Score, 1.0f);
}
