#include "ZevoBoneMapping.h"

#include <gtest/gtest.h>

namespace
{
// Every key of the naming-convention table, in the order variations are generated from them.
const char* const ExpectedKeyOrder[] = {
	"hips", "pelvis", "root", "lefthip", "righthip", "thigh", "thighl", "thighr", "thigh_l", "thigh_r",
	"leftupleg", "rightupleg", "upleg", "upperleg", "upperlegl", "upperlegr", "leftupperleg", "rightupperleg",
	"leftknee", "rightknee", "knee", "calf", "calfl", "calfr", "calf_l", "calf_r", "leftleg", "rightleg",
	"lowleg", "lowerleg", "lowerlegl", "lowerlegr", "leftlowerleg", "rightlowerleg", "leftankle", "rightankle",
	"ankle", "foot", "footl", "footr", "foot_l", "foot_r", "lefttoe", "lefttoes", "righttoe", "righttoes",
	"ball01l", "ball01r", "toes", "toesl", "toesr", "ball", "balll", "ballr", "ball_l", "ball_r", "toes_l",
	"toes_r", "toe", "toel", "toer", "toe_l", "toe_r", "toebase", "toebasel", "toebaser", "toebase_l",
	"toebase_r", "lefttoebase", "righttoebase", "l_toebase", "r_toebase", "left_toebase", "right_toebase",
	"chest", "spine", "spine1", "spine01", "spine_01", "chest1", "spine2", "spine02", "spine_02", "chest2",
	"spine3", "spine03", "spine_03", "neck", "neck1", "neck01", "neck_01", "head", "leftcollar", "rightcollar",
	"collar", "clavicle", "claviclel", "clavicler", "clavicle_l", "clavicle_r", "shoulderl", "shoulderr",
	"leftshoulder", "rightshoulder", "shoulder", "upperarm", "upperarml", "upperarmr", "upperarm_l", "upperarm_r",
	"leftarm", "rightarm", "leftelbow", "rightelbow", "elbow", "lowerarm", "lowerarml", "lowerarmr", "lowerarm_l",
	"lowerarm_r", "leftforearm", "rightforearm", "leftwrist", "rightwrist", "wrist", "hand", "handl", "handr",
	"hand_l", "hand_r", "lefthand", "righthand", "leftfinger0", "rightfinger0", "finger0", "thumb", "thumb1",
	"thumb01", "thumb_01", "thumb_01_l", "thumb_01_r", "lefthandthumb1", "righthandthumb1", "handthumb1",
	"thumbproximal", "thumbproximall", "thumbproximalr", "leftfinger01", "rightfinger01", "finger01", "thumb2",
	"thumb02", "thumb_02", "thumb_02_l", "thumb_02_r", "lefthandthumb2", "righthandthumb2", "handthumb2",
	"thumbintermediate", "thumbintermediatel", "thumbintermediater", "leftfinger02", "rightfinger02", "finger02",
	"thumb3", "thumb03", "thumb_03", "thumb_03_l", "thumb_03_r", "lefthandthumb3", "righthandthumb3",
	"handthumb3", "thumbdistal", "thumbdistall", "thumbdistalr", "leftfinger1", "rightfinger1", "finger1",
	"index", "index1", "index01", "index_01", "index_01_l", "index_01_r", "lefthandindex1", "righthandindex1",
	"handindex1", "indexproximal", "indexproximall", "indexproximalr", "leftfinger11", "rightfinger11",
	"finger11", "index2", "index02", "index_02", "index_02_l", "index_02_r", "lefthandindex2", "righthandindex2",
	"handindex2", "indexintermediate", "indexintermediatel", "indexintermediater", "leftfinger12",
	"rightfinger12", "finger12", "index3", "index03", "index_03", "index_03_l", "index_03_r", "lefthandindex3",
	"righthandindex3", "handindex3", "indexdistal", "indexdistall", "indexdistalr", "leftfinger2", "rightfinger2",
	"finger2", "middle", "middle1", "middle01", "middle_01", "middle_01_l", "middle_01_r", "lefthandmiddle1",
	"righthandmiddle1", "handmiddle1", "mid", "mid1", "lmid1", "rmid1", "l_mid1", "r_mid1", "leftfinger21",
	"rightfinger21", "finger21", "middle2", "middle02", "middle_02", "middle_02_l", "middle_02_r",
	"lefthandmiddle2", "righthandmiddle2", "handmiddle2", "mid2", "lmid2", "rmid2", "l_mid2", "r_mid2",
	"leftfinger22", "rightfinger22", "finger22", "middle3", "middle03", "middle_03", "middle_03_l", "middle_03_r",
	"lefthandmiddle3", "righthandmiddle3", "handmiddle3", "mid3", "lmid3", "rmid3", "l_mid3", "r_mid3",
	"leftfinger3", "rightfinger3", "finger3", "ring", "ring1", "ring01", "ring_01", "ring_01_l", "ring_01_r",
	"lefthandring1", "righthandring1", "handring1", "l_ring1", "r_ring1", "lring1", "rring1", "leftfinger31",
	"rightfinger31", "finger31", "ring2", "ring02", "ring_02", "ring_02_l", "ring_02_r", "lefthandring2",
	"righthandring2", "handring2", "l_ring2", "r_ring2", "lring2", "rring2", "leftfinger32", "rightfinger32",
	"finger32", "ring3", "ring03", "ring_03", "ring_03_l", "ring_03_r", "lefthandring3", "righthandring3",
	"l_ring3", "r_ring3", "lring3", "rring3", "handring3", "leftfinger4", "rightfinger4", "finger4", "pinky",
	"little", "pinky1", "pinky01", "pinky_01", "pinky_01_l", "pinky_01_r", "lefthandpinky1", "righthandpinky1",
	"handpinky1", "littleproximal", "littleproximall", "littleproximalr", "pinkyproximal", "pinkyproximall",
	"pinkyproximalr", "leftfinger41", "rightfinger41", "finger41", "pinky2", "pinky02", "pinky_02", "pinky_02_l",
	"pinky_02_r", "lefthandpinky2", "righthandpinky2", "handpinky2", "littleintermediate", "littleintermediatel",
	"littleintermediater", "pinkyintermediate", "pinkyintermediatel", "pinkyintermediater", "leftfinger42",
	"rightfinger42", "finger42", "pinky3", "pinky03", "pinky_03", "pinky_03_l", "pinky_03_r", "lefthandpinky3",
	"righthandpinky3", "handpinky3", "littledistal", "littledistall", "littledistalr", "pinkydistal",
	"pinkydistall", "pinkydistalr"
};

TArray<FString> Strings(std::initializer_list<const char*> Texts)
{
	TArray<FString> Result;
	for (const char* Text : Texts)
	{
		Result.Add(Text);
	}
	return Result;
}

bool ContainsExactly(const TArray<FString>& Entries, const char* Text)
{
	return Entries.ContainsByPredicate([Text](const FString& Entry) { return Entry.Equals(Text, ESearchCase::CaseSensitive); });
}

// The right-side twin of a left-side name: the side word, a side letter set off by an
// underscore, the short middle and ring forms, and a side letter appended to a word. Words that
// end in "l" by themselves ("ball", "thumbproximal") carry no side.
FString MirrorToRight(const FString& Name)
{
	FString Result = Name.Replace("left", "right", ESearchCase::CaseSensitive);
	if (Result.StartsWith("l_") || Result.StartsWith("lmid") || Result.StartsWith("lring"))
	{
		Result[0] = 'r';
	}
	const bool bWordEndsInL = Result.EndsWith("ball") || Result.EndsWith("proximal") || Result.EndsWith("distal") ||
		Result.EndsWith("medial") || Result.EndsWith("skull");
	if (Result.EndsWith("l") && !bWordEndsInL)
	{
		Result[Result.Len() - 1] = 'r';
	}
	return Result;
}
}

TEST(ZevoBoneVariationsCommonMappings, HoldsItsKeysInTheirFixedOrder)
{
	const TMap<FString, TArray<FString>>& Mappings = FZevoBoneNameMappings::GetCommonMappings();
	ASSERT_EQ(Mappings.Num(), 367);
	ASSERT_EQ(static_cast<int32>(std::size(ExpectedKeyOrder)), 367);
	int32 Index = 0;
	for (const auto& Row : Mappings)
	{
		EXPECT_TRUE(Row.Key.Equals(ExpectedKeyOrder[Index], ESearchCase::CaseSensitive)) << Index << ": " << *Row.Key;
		++Index;
	}
	EXPECT_EQ(&Mappings, &FZevoBoneNameMappings::GetCommonMappings()) << "built once";
}

TEST(ZevoBoneVariationsCommonMappings, IsLowerCaseAsciiWithoutEmptyOrRepeatedValues)
{
	for (const auto& Row : FZevoBoneNameMappings::GetCommonMappings())
	{
		EXPECT_TRUE(Row.Key.Equals(Row.Key.ToLower(), ESearchCase::CaseSensitive)) << *Row.Key;
		EXPECT_FALSE(Row.Value.IsEmpty()) << *Row.Key;
		TSet<FString> Seen;
		for (const FString& Value : Row.Value)
		{
			EXPECT_FALSE(Value.IsEmpty()) << *Row.Key;
			EXPECT_FALSE(Value == Row.Key) << *Row.Key;
			for (const char C : Value.ToStdString())
			{
				EXPECT_TRUE((C >= 'a' && C <= 'z') || (C >= '0' && C <= '9') || C == '_') << *Row.Key << ": " << *Value;
			}
			bool bRepeated = false;
			Seen.Add(Value, &bRepeated);
			EXPECT_FALSE(bRepeated) << *Row.Key << ": " << *Value;
		}
	}
}

TEST(ZevoBoneVariationsCommonMappings, EveryLeftRowHasItsMirroredRightTwin)
{
	const TMap<FString, TArray<FString>>& Mappings = FZevoBoneNameMappings::GetCommonMappings();
	int32 LeftRows = 0;
	int32 RightRows = 0;
	for (const auto& Row : Mappings)
	{
		const FString RightKey = MirrorToRight(Row.Key);
		if (RightKey.Equals(Row.Key, ESearchCase::CaseSensitive))
		{
			continue;
		}
		++LeftRows;
		const TArray<FString>* Twin = Mappings.Find(RightKey);
		ASSERT_NE(Twin, nullptr) << *Row.Key;
		++RightRows;
		ASSERT_EQ(Twin->Num(), Row.Value.Num()) << *Row.Key;
		for (int32 Index = 0; Index < Row.Value.Num(); ++Index)
		{
			EXPECT_TRUE((*Twin)[Index].Equals(MirrorToRight(Row.Value[Index]), ESearchCase::CaseSensitive))
				<< *Row.Key << " / " << *RightKey << ": " << *Row.Value[Index] << " vs " << *(*Twin)[Index];
		}
	}
	EXPECT_EQ(LeftRows, 114);
	EXPECT_EQ(RightRows, 114);
	EXPECT_EQ(Mappings.Num() - LeftRows - RightRows, 139) << "rows without a side";
}

TEST(ZevoBoneVariationsCommonMappings, KeepsTheConventionalRowsAsTheyAre)
{
	const TMap<FString, TArray<FString>>& Mappings = FZevoBoneNameMappings::GetCommonMappings();
	const struct
	{
		const char* Key;
		TArray<FString> Values;
	} Cases[] = {
		{"hips", Strings({"pelvis", "root", "hip", "basin", "spine0", "spine_0"})},
		{"lefthip", Strings({"thigh", "thighl", "thigh_l", "upleg", "upperleg", "leftupleg", "l_thigh", "left_thigh", "l_upleg",
						"upperlegl", "leftupperleg"})},
		{"thigh_l", Strings({"lefthip", "thighl", "leftupleg", "l_thigh", "left_thigh", "upperlegl"})},
		{"lefttoe", Strings({"lefttoes", "ball", "balll", "ball_l", "ball01l", "ball_01_l", "toes", "toesl", "toes_l", "toe", "toel",
						"toe_l", "toebase", "toebasel", "toebase_l", "l_ball", "left_ball", "l_toes", "left_toes", "l_toebase",
						"left_toebase", "lefttoebase"})},
		{"chest1", Strings({"chest", "spine2", "spine02", "spine_02", "spine_2", "chest2", "upperchest"})},
		{"leftfinger2", Strings({"middle", "middle1", "middle01", "middle_01", "middlel", "middle_01_l", "l_middle_01",
							"lefthandmiddle1", "lefthandmiddle01", "mid1", "midl", "mid_l", "l_mid1", "lmid1", "mid_01_l"})},
		{"littleproximall", Strings({"leftfinger4", "pinky_01_l", "l_pinky_01", "lefthandpinky1", "pinkyproximall"})},
	};
	for (const auto& Case : Cases)
	{
		const TArray<FString>* Values = Mappings.Find(Case.Key);
		ASSERT_NE(Values, nullptr) << Case.Key;
		EXPECT_EQ(*Values, Case.Values) << Case.Key;
	}
}

TEST(ZevoBoneVariations, StartWithTheInputAndItsSideForms)
{
	const TArray<FString> Variations = FZevoBoneNameMappings::GenerateVariations("LeftHip");
	const char* const FirstSeven[] = {"LeftHip", "lHip", "_lHip", ".lHip", "_leftHip", "-lHip", " lHip"};
	ASSERT_GE(Variations.Num(), 7);
	for (int32 Index = 0; Index < 7; ++Index)
	{
		EXPECT_TRUE(Variations[Index].Equals(FirstSeven[Index], ESearchCase::CaseSensitive)) << Index << ": " << *Variations[Index];
	}
	for (const char* Member : {"thigh_l", "thighl", "upperlegl", "leftupleg"})
	{
		EXPECT_TRUE(Variations.Contains(FString(Member))) << Member;
	}
	EXPECT_FALSE(Variations.ContainsByPredicate([](const FString& Entry) { return Entry.Contains("right"); }))
		<< "no side form of the other side";
}

TEST(ZevoBoneVariations, AddDigitFormsAndSynonyms)
{
	const TArray<FString> Variations = FZevoBoneNameMappings::GenerateVariations("Chest1");
	EXPECT_TRUE(Variations[0].Equals("Chest1", ESearchCase::CaseSensitive));
	for (const char* Member : {"Chest01", "Chest_1", "spine2", "upperchest"})
	{
		EXPECT_TRUE(ContainsExactly(Variations, Member)) << Member;
	}
}

TEST(ZevoBoneVariations, LeaveAnUnknownNameAlone)
{
	EXPECT_EQ(FZevoBoneNameMappings::GenerateVariations("x"), Strings({"x"}));
	EXPECT_EQ(FZevoBoneNameMappings::GenerateVariations(""), Strings({""}));
}

TEST(ZevoBoneVariations, FindTheWholeNameEquivalencesAndFingerSegmentWords)
{
	const struct
	{
		const char* Name;
		const char* Member;
	} Cases[] = {
		{"LeftKnee", "lowleg_l"},
		{"RightCollar", "shoulderr"},
		{"RightToe", "ballr"},
		{"Chest2", "upperchest"},
		{"thumb_proximal_l", "thumb.proximal.l"},
		{"ThumbProximal_L", "thumb01_L"},
		{"LittleDistal", "pinky03"},
		{"pinky_02_r", "little_02_r"},
		{"LeftFinger41", "lefthandpinky2"},
		{"RightFinger22", "righthandmiddle3"},
	};
	for (const auto& Case : Cases)
	{
		const TArray<FString> Variations = FZevoBoneNameMappings::GenerateVariations(Case.Name);
		EXPECT_TRUE(Variations.Contains(FString(Case.Member))) << Case.Name << " lacks " << Case.Member;
	}
}

TEST(ZevoBoneVariations, CoverEveryStreamBoneWithinBounds)
{
	int32 Fewest = INT32_MAX;
	int32 Most = 0;
	for (const EZevoBoneName Bone : FZevoBoneNameUtils::GetAllBoneEnums())
	{
		const FString Name = FZevoBoneNameUtils::EnumToFName(Bone).ToString();
		const TArray<FString> Variations = FZevoBoneNameMappings::GenerateVariations(Name);
		EXPECT_TRUE(Variations[0].Equals(Name, ESearchCase::CaseSensitive));
		const int32 Count = Variations.Num();
		Fewest = std::min(Fewest, Count);
		Most = std::max(Most, Count);
	}
	EXPECT_EQ(FZevoBoneNameMappings::GenerateVariations("Hips").Num(), 8);
	EXPECT_EQ(Fewest, 8);
	EXPECT_GT(Most, 800);
}

// The whole-name equivalences hold both ways: either name of a pair leads to the other.
TEST(ZevoBoneVariations, FindWholeNameEquivalencesFromEitherSide)
{
	const struct
	{
		const char* Name;
		const char* Member;
	} Cases[] = {
		{"lowleg_l", "leftknee"},
		{"LeftKnee", "lowleg_l"},
		{"upleg_r", "righthip"},
		{"RightHip", "upleg_r"},
		{"lowerlegr", "rightknee"},
		{"shoulderl", "leftcollar"},
	};
	for (const auto& Case : Cases)
	{
		const TArray<FString> Variations = FZevoBoneNameMappings::GenerateVariations(Case.Name);
		EXPECT_TRUE(Variations.Contains(FString(Case.Member))) << Case.Name << " lacks " << Case.Member;
	}
}
