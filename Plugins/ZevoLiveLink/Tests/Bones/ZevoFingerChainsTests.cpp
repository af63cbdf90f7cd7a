#include "Bones/ZevoFingerChains.h"

#include <gtest/gtest.h>

namespace
{
struct FBone
{
	FString Name;
	FString Parent;
	FVector Position = FVector::ZeroVector;
};

// A left hand "hand" with the given bones under it; returns the 15 left finger rows as names.
TArray<FString> FingerRows(const TArray<FBone>& Bones)
{
	TArray<FString> Names{TEXT("hand")};
	TArray<int32> Parents{INDEX_NONE};
	TArray<FVector> Positions{FVector::ZeroVector};
	for (const FBone& Bone : Bones)
	{
		Parents.Add(Names.IndexOfByKey(Bone.Parent));
		Names.Add(Bone.Name);
		Positions.Add(Bone.Position);
	}
	const FZevoRigTree Tree = FZevoRigTree::FromBones(Names, Parents, Positions);
	FZevoRowReading Reading;
	FZevoFingerChains::ReadHand(Tree, 0, EZevoBoneSide::Left, Reading);
	TArray<FString> Rows;
	for (int32 Row = 0; Row < 15; ++Row)
	{
		const int32 Bone = Reading.Rows[static_cast<int32>(EZevoBoneName::LeftFinger0) + Row];
		Rows.Add(Bone >= 0 ? Tree.Names[Bone] : FString(TEXT("-")));
	}
	return Rows;
}

// Fingers of three segments under their parents: Pattern with {f} the finger, {n} the segment.
TArray<FBone> Fingers(const TArray<FString>& Words, const FString& Pattern, const TArray<FString>& Parents, int32 First = 1, int32 Count = 3)
{
	TArray<FBone> Bones;
	for (int32 Finger = 0; Finger < Words.Num(); ++Finger)
	{
		FString Parent = Parents[Finger];
		for (int32 Segment = First; Segment < First + Count; ++Segment)
		{
			const FString Name = Pattern.Replace(TEXT("{f}"), *Words[Finger]).Replace(TEXT("{n}"), *FString::FromInt(Segment));
			Bones.Add({Name, Parent});
			Parent = Name;
		}
	}
	return Bones;
}

std::string Row(const TArray<FString>& Rows, int32 Finger, int32 Segment)
{
	return *Rows[Finger * 3 + Segment];
}

const TArray<FString> Hand5{TEXT("hand"), TEXT("hand"), TEXT("hand"), TEXT("hand"), TEXT("hand")};
}

TEST(ZevoFingerChains, NamesFingersByWordsOrByTheirNumberingScheme)
{
	// Words, in any order under the hand.
	const TArray<FString> ByWord = FingerRows(Fingers({"Pinky", "Thumb", "Index", "Ring", "Middle"}, "L_{f}{n}", Hand5));
	EXPECT_EQ(Row(ByWord, 0, 0), "L_Thumb1");
	EXPECT_EQ(Row(ByWord, 4, 2), "L_Pinky3");
	EXPECT_EQ(Row(ByWord, 2, 1), "L_Middle2");

	// Numbers from 0: the thumb is 0; the segment digit in "Finger01" is not the finger.
	TArray<FBone> ZeroBased;
	for (int32 Finger = 0; Finger < 5; ++Finger)
	{
		const FString First = FString::Printf(TEXT("L Finger%d"), Finger);
		ZeroBased.Append(TArray<FBone>{{First, "hand"}, {First + "1", First}, {First + "2", First + "1"}});
	}
	const TArray<FString> FromZero = FingerRows(ZeroBased);
	EXPECT_EQ(Row(FromZero, 0, 0), "L Finger0");
	EXPECT_EQ(Row(FromZero, 0, 1), "L Finger01");
	EXPECT_EQ(Row(FromZero, 3, 2), "L Finger32");

	// Numbers from 1: the thumb is 1, and the metacarpals before the others are passed over.
	TArray<FBone> OneBased = Fingers({"1"}, "finger{f}-{n}.L", {"hand"});
	for (int32 Finger = 2; Finger <= 5; ++Finger)
	{
		const FString Meta = FString::Printf(TEXT("metacarpal%d.L"), Finger - 1);
		OneBased.Add({Meta, "hand"});
		OneBased.Append(Fingers({FString::FromInt(Finger)}, "finger{f}-{n}.L", {Meta}));
	}
	const TArray<FString> FromOne = FingerRows(OneBased);
	EXPECT_EQ(Row(FromOne, 0, 0), "finger1-1.L");
	EXPECT_EQ(Row(FromOne, 1, 0), "finger2-1.L");
	EXPECT_EQ(Row(FromOne, 4, 2), "finger5-3.L");

	// Ordinal words with bone codes: the thumb's metacarpal is its first row, the others' are not.
	TArray<FBone> Ordinal{{"LeftFirstMC", "hand"}, {"LeftFirstPP", "LeftFirstMC"}, {"LeftFirstDP", "LeftFirstPP"}, {"LeftSecondMC", "hand"},
		{"LeftSecondPP", "LeftSecondMC"}, {"LeftSecondMP", "LeftSecondPP"}, {"LeftSecondDP", "LeftSecondMP"}};
	const TArray<FString> ByOrdinal = FingerRows(Ordinal);
	EXPECT_EQ(Row(ByOrdinal, 0, 0), "LeftFirstMC");
	EXPECT_EQ(Row(ByOrdinal, 0, 2), "LeftFirstDP");
	EXPECT_EQ(Row(ByOrdinal, 1, 0), "LeftSecondPP");
	EXPECT_EQ(Row(ByOrdinal, 1, 2), "LeftSecondDP");
	EXPECT_EQ(Row(ByOrdinal, 2, 0), "-");
}

TEST(ZevoFingerChains, TheRowIsTheDepthInTheChainAndEndsAreNeverRows)
{
	// A metacarpal numbered 0 before segments 1 to 3 and an end numbered 4.
	const TArray<FString> Numbered = FingerRows(Fingers({"Index", "Thumb"}, "{f}Finger{n}_L", {"hand", "hand"}, 0, 5));
	EXPECT_EQ(Row(Numbered, 1, 0), "IndexFinger1_L");
	EXPECT_EQ(Row(Numbered, 1, 2), "IndexFinger3_L");
	// The thumb keeps its first bone, whatever its number; the leaf beyond three is its end.
	EXPECT_EQ(Row(Numbered, 0, 0), "ThumbFinger0_L");
	EXPECT_EQ(Row(Numbered, 0, 2), "ThumbFinger2_L");

	// Two segments: the third row stays empty instead of taking the second again or the tip.
	const TArray<FString> Short = FingerRows({{"Index1", "hand"}, {"Index2", "Index1"}, {"Index_End", "Index2"}});
	EXPECT_EQ(Row(Short, 1, 0), "Index1");
	EXPECT_EQ(Row(Short, 1, 1), "Index2");
	EXPECT_EQ(Row(Short, 1, 2), "-");

	// A thumb whose first bone is called its metacarpal is still the thumb's first row.
	const TArray<FString> Metacarpal = FingerRows({{"ThumbMetacarpal", "hand"}, {"ThumbProximal", "ThumbMetacarpal"}, {"ThumbDistal", "ThumbProximal"}});
	EXPECT_EQ(Row(Metacarpal, 0, 0), "ThumbMetacarpal");
	EXPECT_EQ(Row(Metacarpal, 0, 2), "ThumbDistal");

	// Fingers that start with a "start" bone and end with an "end" bone: the thumb's start is its
	// first row, the index's start its metacarpal.
	const TArray<FString> Started = FingerRows({{"handThumbStart", "hand"}, {"handThumb_1", "handThumbStart"}, {"handThumb_2", "handThumb_1"},
		{"handThumb_3", "handThumb_2"}, {"handThumbEnd", "handThumb_3"}, {"handIndexStart", "hand"}, {"handIndex_1", "handIndexStart"},
		{"handIndex_2", "handIndex_1"}, {"handIndex_3", "handIndex_2"}, {"handIndexEnd", "handIndex_3"}});
	EXPECT_EQ(Row(Started, 0, 0), "handThumbStart");
	EXPECT_EQ(Row(Started, 0, 2), "handThumb_2");
	EXPECT_EQ(Row(Started, 1, 0), "handIndex_1");
	EXPECT_EQ(Row(Started, 1, 2), "handIndex_3");

	// One palm bone carrying two fingers.
	const TArray<FString> SharedPalm = FingerRows({{"palm.01", "hand"}, {"thumb.01", "palm.01"}, {"f_index.01", "palm.01"}, {"f_index.02", "f_index.01"}});
	EXPECT_EQ(Row(SharedPalm, 0, 0), "thumb.01");
	EXPECT_EQ(Row(SharedPalm, 1, 1), "f_index.02");
}

TEST(ZevoFingerChains, OnlyFingersAreFingers)
{
	// The hand's own end and helpers under the hand are no fingers; a second chain of one finger is ignored.
	const TArray<FString> Rows = FingerRows({{"HandTip", "hand"}, {"HandEnd", "hand"}, {"Thumb", "hand"}, {"hand_twist", "hand"},
		{"Index1", "hand"}, {"Index1_copy", "hand"}});
	EXPECT_EQ(Row(Rows, 0, 0), "Thumb");
	EXPECT_EQ(Row(Rows, 0, 1), "-");
	EXPECT_EQ(Row(Rows, 1, 0), "Index1");
	for (int32 Finger = 2; Finger < 5; ++Finger)
	{
		EXPECT_EQ(Row(Rows, Finger, 0), "-");
	}
	// No fingers at all: every row is empty (the rig has none), not left for the name matching.
	EXPECT_EQ(FingerRows({{"HandEnd", "hand"}}), TArray<FString>(FingerRows({})));
	EXPECT_EQ(FingerRows({}).IndexOfByPredicate([](const FString& R) { return R != "-"; }), INDEX_NONE);
}

TEST(ZevoFingerChains, UnnamedFingersAreTakenByTheirPlaceAcrossTheHand)
{
	// The thumb starts nearest the hand; index to pinky follow outward from the thumb.
	TArray<FBone> Bones;
	const FVector Starts[5] = {FVector(3, 3, 0), FVector(9, -4, 0), FVector(9, 2, 0), FVector(9, 0, 0), FVector(9, -2, 0)};
	const char* Names[5] = {"a", "b", "c", "d", "e"};
	for (int32 Chain = 0; Chain < 5; ++Chain)
	{
		Bones.Add({FString(Names[Chain]) + "1", "hand", Starts[Chain]});
		Bones.Add({FString(Names[Chain]) + "2", FString(Names[Chain]) + "1", Starts[Chain] + FVector(3, 0, 0)});
	}
	const TArray<FString> Rows = FingerRows(Bones);
	EXPECT_EQ(Row(Rows, 0, 0), "a1");
	EXPECT_EQ(Row(Rows, 1, 0), "c1");
	EXPECT_EQ(Row(Rows, 2, 0), "d1");
	EXPECT_EQ(Row(Rows, 3, 0), "e1");
	EXPECT_EQ(Row(Rows, 4, 1), "b2");
}
