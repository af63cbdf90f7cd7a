#include "ZevoBoneMapping.h"

#include <gtest/gtest.h>

TEST(ZevoBoneNameNormalization, FoldsRigNamesToOneCanonicalForm)
{
	const struct
	{
		const char* Name;
		const char* Expected;
	} Cases[] = {
		{"", ""},
		{"Hips", "hips"},
		{"mixamorig:LeftUpLeg", "lupleg"},
		{"mixamorig_Spine1", "spine1"},
		{"Bip01_L_Thigh", "lthigh"},
		{"thigh_l", "thighl"},
		{"thigh_l_bind", "thighl"},
		{"DEF_upper_arm.L", "upperarml"},
		{"DEF-upper_arm.L", "defupperarml"},          // only the underscore form of the prefix is known
		{"Root_Hips", "hips"},
		{"Hips_Root", "hipsroot"},                     // "_r" folds even where it starts a word
		{"bip01_def_spine", "spine"},                  // stacked prefixes fall away together
		{"joint_bip01_spine", "bip01spine"},           // bip01_ was tried before joint_ uncovered it
		{"character_char_Head", "head"},
		{"Spine_jnt_bone", "spinejnt"},                // each suffix once, in order: _jnt was tried before _bone uncovered it
		{"upright", "upr"},                            // side words shorten inside other words
		{"le-ft_arm", "leftarm"},                      // a separator inside the side word stops the folding
		{"RightHandIndex1", "rhandindex1"},
		{"hand.R", "handr"},
		{"hand R", "handr"},
		{"L Hand", "lhand"},
		{"Arm|Upper:Twist", "armuppertwist"},
		{"VALVEBIPED.Bip01_R_Foot", "bip01rfoot"},
	};
	for (const auto& Case : Cases)
	{
		EXPECT_TRUE(FZevoBoneNameMappings::NormalizeBoneName(Case.Name).Equals(Case.Expected, ESearchCase::CaseSensitive))
			<< Case.Name << " -> " << *FZevoBoneNameMappings::NormalizeBoneName(Case.Name);
	}
}

TEST(ZevoBoneNameNormalization, IsStableOnItsOwnOutputForTheStreamBones)
{
	for (const EZevoBoneName Bone : FZevoBoneNameUtils::GetAllBoneEnums())
	{
		const FString Once = FZevoBoneNameMappings::NormalizeBoneName(FZevoBoneNameUtils::EnumToFName(Bone).ToString());
		EXPECT_TRUE(FZevoBoneNameMappings::NormalizeBoneName(Once).Equals(Once, ESearchCase::CaseSensitive)) << *Once;
	}
}

// Each prefix and suffix goes once: a name that repeats one keeps the second.
TEST(ZevoBoneNameNormalization, RemovesEachPrefixAndSuffixOnceOnly)
{
	const struct
	{
		const char* Name;
		const char* Expected;
	} Cases[] = {
		{"bip01_bip01_spine", "bip01spine"},
		{"def_def_upperarm", "defupperarm"},
		{"mixamorig:mixamorig:Hips", "hips"}, // "mixamorig:" then the bare "mixamorig", each once
		{"spine_bind_bind", "spinebind"},
		{"hand_jnt_jnt", "handjnt"},
	};
	for (const auto& Case : Cases)
	{
		EXPECT_STREQ(*FZevoBoneNameMappings::NormalizeBoneName(Case.Name), Case.Expected) << Case.Name;
	}
}
