#include "Bones/ZevoBoneNameReader.h"

#include <gtest/gtest.h>

namespace
{
FString Joined(const TArray<FString>& Tokens)
{
	return FString::Join(Tokens, TEXT(" "));
}

std::vector<int> AsNumbers(const TArray<EZevoBodyWord>& Words)
{
	std::vector<int> Numbers;
	for (const EZevoBodyWord Word : Words)
	{
		Numbers.push_back(static_cast<int>(Word));
	}
	return Numbers;
}

FZevoBoneNameReading ReadAlone(const char* Name)
{
	return FZevoBoneNameReader::ReadRig({FString(Name)})[0];
}
}

TEST(ZevoBoneNameReader, SplitsAtSeparatorsCaseChangesDigitsAndScripts)
{
	const struct
	{
		const char* Name;
		const char* Tokens;
	} Cases[] = {
		{"LeftUpLeg", "left up leg"},
		{"mixamorig:LeftHand", "left hand"},
		{"root|pelvis|spine_01", "spine 01"},
		{"Bip001 L Thigh", "bip 001 l thigh"},
		{"lThighBend", "l thigh bend"},
		{"LHipJoint", "l hip joint"},
		{"DEF-upper_arm.L.001", "def upper arm l 001"},
		{"Finger21", "finger 21"},
		{"LeftFirstMC", "left first mc"},
		{"HANDTIP_LEFT", "handtip left"},
		{"L5", "l5"},
		{"T12", "t12"},
		{"Spine_L5", "spine l5"},
		{"L_5", "l 5"},
		{"左足首", "左 足首"},
		{"左親指０", "左 親指 0"},
		{"右つま先ＩＫ", "右 つま先 ＩＫ"},
		{"左肩P", "左 肩 p"},
		{"謎の骨", "謎の骨"},
		{"", ""},
		{"__", ""},
	};
	for (const auto& Case : Cases)
	{
		EXPECT_STREQ(*Joined(FZevoBoneNameReader::SplitIntoTokens(FString(Case.Name))), Case.Tokens) << Case.Name;
	}
}

TEST(ZevoBoneNameReader, TakesTheSideFromASideWordAnywhere)
{
	const struct
	{
		const char* Name;
		EZevoBoneSide Side;
	} Cases[] = {
		{"LeftHand", EZevoBoneSide::Left},
		{"HipLeft", EZevoBoneSide::Left},
		{"Hip_L", EZevoBoneSide::Left},
		{"shin.L", EZevoBoneSide::Left},
		{"l_thigh", EZevoBoneSide::Left},
		{"lShldrBend", EZevoBoneSide::Left},
		{"Bip01 R Calf", EZevoBoneSide::Right},
		{"mCollarRight", EZevoBoneSide::Right},
		{"HANDTIP_RIGHT", EZevoBoneSide::Right},
		{"左腕", EZevoBoneSide::Left},
		{"右ひじ", EZevoBoneSide::Right},
		{"thighl", EZevoBoneSide::Left},
		{"righthand", EZevoBoneSide::Right},
		// Not sides: vertebra codes, the centre, a word that merely contains the letters.
		{"L5", EZevoBoneSide::None},
		{"T12", EZevoBoneSide::None},
		{"J_Bip_C_Spine", EZevoBoneSide::None},
		{"Spine_M", EZevoBoneSide::None},
		{"Upright", EZevoBoneSide::None},
		{"Roll", EZevoBoneSide::None},
		// Both sides named: no side can be told.
		{"LeftToRight", EZevoBoneSide::None},
	};
	for (const auto& Case : Cases)
	{
		EXPECT_EQ(ReadAlone(Case.Name).Side, Case.Side) << Case.Name;
	}
}

TEST(ZevoBoneNameReader, LooksUpWordsCompoundsAndGluedWords)
{
	using EWord = EZevoBodyWord;
	const struct
	{
		const char* Name;
		TArray<EWord> Words;
	} Cases[] = {
		{"LeftUpLeg", {EWord::Thigh}},
		{"LeftLeg", {EWord::Leg}},
		{"upper_arm.L", {EWord::UpperArm}},
		{"LeftForeArm", {EWord::ForeArm}},
		{"CC_Base_L_ToeBase", {EWord::Toe}},
		{"LeftInHandIndex", {EWord::Metacarpal, EWord::Index}},
		{"LeftFingerBase", {EWord::Metacarpal}},
		{"LHipJoint", {EWord::Passage}},
		{"LowerBack", {EWord::Spine}},
		{"T8", {EWord::Spine}},
		{"upperarm_twist_01_l", {EWord::UpperArm, EWord::Helper}},
		{"HeadTop_End", {EWord::Head, EWord::Tip}},
		{"lefthand", {EWord::Hand}},
		{"handtip", {EWord::Hand, EWord::Tip}},
		{"LeftSecondMP", {EWord::Index, EWord::Phalanx}},
		{"左手捩", {EWord::Hand, EWord::Helper}},
		{"下半身", {EWord::Hips}},
		{"左つま先", {EWord::Toe}},
		{"左親指先", {EWord::Thumb, EWord::Tip}},
		// Words hidden inside other words are not read.
		{"Armature", {}},
		{"Earring", {}},
		{"Spring", {}},
	};
	for (const auto& Case : Cases)
	{
		EXPECT_EQ(AsNumbers(ReadAlone(Case.Name).Words), AsNumbers(Case.Words)) << Case.Name;
	}
}

TEST(ZevoBoneNameReader, DropsWhatMostBonesShareButNothingElse)
{
	// The rig prefix "Bip01" goes from the front of every name, once: the finger's own 0 stays.
	const TArray<FZevoBoneNameReading> Biped =
		FZevoBoneNameReader::ReadRig({"Bip01", "Bip01 Pelvis", "Bip01 Spine", "Bip01 L Thigh", "Bip01 L Finger0", "Bip01 L Finger01"});
	EXPECT_EQ(Biped[4].FirstNumber, 0);
	EXPECT_EQ(Biped[5].FirstNumber, 1);
	EXPECT_EQ(Biped[1].Words, TArray<EZevoBodyWord>{EZevoBodyWord::Hips});

	// A node index on every bone is no segment number.
	const TArray<FZevoBoneNameReading> Indexed =
		FZevoBoneNameReader::ReadRig({"Hips_010", "Spine_011", "LeftHand_012", "LeftHandIndex1_013", "LeftHandIndex2_014"});
	EXPECT_EQ(Indexed[3].FirstNumber, 1);
	EXPECT_EQ(Indexed[4].FirstNumber, 2);

	// The same numbers on a few bones only are kept.
	const TArray<FZevoBoneNameReading> Numbered =
		FZevoBoneNameReader::ReadRig({"pelvis", "spine_01", "spine_02", "thigh_l", "index_01_l", "index_02_l"});
	EXPECT_EQ(Numbered[4].FirstNumber, 1);
	EXPECT_EQ(Numbered[5].FirstNumber, 2);

	// A suffix that most bones carry goes too, and does not glue onto the word before it.
	const TArray<FZevoBoneNameReading> Suffixed =
		FZevoBoneNameReader::ReadRig({"hips_joint", "left_hip_joint", "left_hand_joint", "spine_1_joint", "left_handThumbStart_joint"});
	EXPECT_EQ(Suffixed[1].Words, TArray<EZevoBodyWord>{EZevoBodyWord::Hip});
	EXPECT_EQ(Suffixed[1].Side, EZevoBoneSide::Left);
	EXPECT_EQ(Suffixed[4].FingerWord(), EZevoBodyWord::Thumb);
	// Where few bones carry it, "hip joint" is the bone between the pelvis and the thigh.
	EXPECT_EQ(FZevoBoneNameReader::ReadRig({"Hips", "LHipJoint", "LeftUpLeg", "LeftLeg", "LeftFoot"})[1].Words,
		TArray<EZevoBodyWord>{EZevoBodyWord::Passage});

	// A side word that starts most names (a one-sided rig) is still the side.
	const TArray<FZevoBoneNameReading> OneSided = FZevoBoneNameReader::ReadRig({"LeftArm", "LeftForeArm", "LeftHand", "Hips"});
	EXPECT_EQ(OneSided[0].Side, EZevoBoneSide::Left);
	EXPECT_EQ(OneSided[2].Words, TArray<EZevoBodyWord>{EZevoBodyWord::Hand});

	// A glued "m" that every bone carries goes; a word is never taken for a prefix inside a name.
	const TArray<FZevoBoneNameReading> Glued = FZevoBoneNameReader::ReadRig({"mPelvis", "mTorso", "mHipLeft", "mHandThumb1Left"});
	EXPECT_EQ(Glued[2].Side, EZevoBoneSide::Left);
	EXPECT_EQ(Glued[3].FingerWord(), EZevoBodyWord::Thumb);
	EXPECT_EQ(Glued[3].FirstNumber, 1);
}

TEST(ZevoBoneNameReader, CountsUnknownTokensAfterTheFirstWordOnly)
{
	EXPECT_EQ(ReadAlone("左肩P").UnknownTokens, 1);
	EXPECT_EQ(ReadAlone("左肩").UnknownTokens, 0);
	EXPECT_EQ(ReadAlone("Xyz_Hand").UnknownTokens, 0);
	EXPECT_EQ(ReadAlone("thigh.L.001").UnknownTokens, 0);
}
