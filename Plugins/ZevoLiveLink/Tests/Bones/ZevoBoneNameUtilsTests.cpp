#include "ZevoBoneMapping.h"

#include <gtest/gtest.h>

namespace
{
constexpr int32 NumStreamBones = 52;

EZevoBoneName Bone(int32 Value)
{
	return static_cast<EZevoBoneName>(Value);
}
}

TEST(ZevoBoneNameUtils, EveryIdentifierRoundTripsThroughItsName)
{
	const TArray<EZevoBoneName> All = FZevoBoneNameUtils::GetAllBoneEnums();
	ASSERT_EQ(All.Num(), NumStreamBones);
	TSet<FName> Names;
	for (int32 Value = 0; Value < NumStreamBones; ++Value)
	{
		EXPECT_EQ(All[Value], Bone(Value));
		const FName Name = FZevoBoneNameUtils::EnumToFName(Bone(Value));
		ASSERT_FALSE(Name.IsNone()) << Value;
		Names.Add(Name);
		EXPECT_EQ(FZevoBoneNameUtils::FNameToEnum(Name), Bone(Value)) << *Name.ToString();
		EXPECT_EQ(FZevoBoneNameUtils::FNameToEnum(FName(Name.ToString().ToUpper())), Bone(Value)) << *Name.ToString();
	}
	EXPECT_EQ(Names.Num(), NumStreamBones);
	EXPECT_EQ(All[0], EZevoBoneName::Hips);
	EXPECT_EQ(All.Last(), EZevoBoneName::RightFinger42);
}

TEST(ZevoBoneNameUtils, IdentifiersAreTheEnumeratorNames)
{
	const struct
	{
		EZevoBoneName Bone;
		const char* Name;
	} Cases[] = {
		{EZevoBoneName::Hips, "Hips"},
		{EZevoBoneName::Neck1, "Neck1"},
		{EZevoBoneName::LeftToe, "LeftToe"},
		{EZevoBoneName::RightCollar, "RightCollar"},
		{EZevoBoneName::LeftFinger01, "LeftFinger01"},
		{EZevoBoneName::RightFinger42, "RightFinger42"},
	};
	for (const auto& Case : Cases)
	{
		EXPECT_EQ(FZevoBoneNameUtils::EnumToFName(Case.Bone).ToString(), FString(Case.Name));
		EXPECT_TRUE(FZevoBoneNameUtils::EnumToFName(Case.Bone).ToString().Equals(Case.Name, ESearchCase::CaseSensitive));
	}
}

TEST(ZevoBoneNameUtils, CountAndValuesBeyondHaveNoName)
{
	EXPECT_TRUE(FZevoBoneNameUtils::EnumToFName(EZevoBoneName::Count).IsNone());
	EXPECT_TRUE(FZevoBoneNameUtils::EnumToFName(Bone(53)).IsNone());
	EXPECT_TRUE(FZevoBoneNameUtils::EnumToFName(Bone(255)).IsNone());
}

TEST(ZevoBoneNameUtils, ForeignNamesFallBackToHips)
{
	const struct
	{
		const char* Name;
		EZevoBoneName Expected;
	} Cases[] = {
		{"lefthip", EZevoBoneName::LeftHip},
		{"RIGHTFINGER42", EZevoBoneName::RightFinger42},
		{"LeftToes", EZevoBoneName::Hips},  // the stream skeleton's spelling, not an identifier
		{"Spine", EZevoBoneName::Hips},
		{"", EZevoBoneName::Hips},
		{"Count", EZevoBoneName::Hips},
		{"LeftFinger5", EZevoBoneName::Hips},
	};
	for (const auto& Case : Cases)
	{
		EXPECT_EQ(FZevoBoneNameUtils::FNameToEnum(FName(Case.Name)), Case.Expected) << Case.Name;
	}
}

TEST(ZevoBoneNameUtils, CategoriesPartitionTheBonesIntoContiguousRanges)
{
	int32 Counts[4] = {};
	EZevoBoneCategory Previous = EZevoBoneCategory::BodyAndSpine;
	for (const EZevoBoneName Each : FZevoBoneNameUtils::GetAllBoneEnums())
	{
		const EZevoBoneCategory Category = FZevoBoneNameUtils::GetBoneCategory(Each);
		EXPECT_GE(Category, Previous) << *FZevoBoneNameUtils::EnumToFName(Each).ToString();
		Previous = Category;
		++Counts[static_cast<int32>(Category)];
	}
	EXPECT_EQ(Counts[0], 6);
	EXPECT_EQ(Counts[1], 8);
	EXPECT_EQ(Counts[2], 8);
	EXPECT_EQ(Counts[3], 30);

	EXPECT_EQ(FZevoBoneNameUtils::GetBoneCategory(EZevoBoneName::Neck1), EZevoBoneCategory::BodyAndSpine);
	EXPECT_EQ(FZevoBoneNameUtils::GetBoneCategory(EZevoBoneName::LeftHip), EZevoBoneCategory::Legs);
	EXPECT_EQ(FZevoBoneNameUtils::GetBoneCategory(EZevoBoneName::RightToe), EZevoBoneCategory::Legs);
	EXPECT_EQ(FZevoBoneNameUtils::GetBoneCategory(EZevoBoneName::LeftCollar), EZevoBoneCategory::Arms);
	EXPECT_EQ(FZevoBoneNameUtils::GetBoneCategory(EZevoBoneName::RightWrist), EZevoBoneCategory::Arms);
	EXPECT_EQ(FZevoBoneNameUtils::GetBoneCategory(EZevoBoneName::LeftFinger0), EZevoBoneCategory::Fingers);
	EXPECT_EQ(FZevoBoneNameUtils::GetBoneCategory(EZevoBoneName::Count), EZevoBoneCategory::BodyAndSpine);
	EXPECT_EQ(FZevoBoneNameUtils::GetBoneCategory(Bone(200)), EZevoBoneCategory::BodyAndSpine);
}

TEST(ZevoBoneNameUtils, CategoryNamesComeFromTheReflectedDisplayNames)
{
	EXPECT_TRUE(FZevoBoneNameUtils::GetCategoryName(EZevoBoneCategory::BodyAndSpine).Equals("Body & Spine"));
	EXPECT_TRUE(FZevoBoneNameUtils::GetCategoryName(EZevoBoneCategory::Legs).Equals("Legs"));
	EXPECT_TRUE(FZevoBoneNameUtils::GetCategoryName(EZevoBoneCategory::Arms).Equals("Arms"));
	EXPECT_TRUE(FZevoBoneNameUtils::GetCategoryName(EZevoBoneCategory::Fingers).Equals("Fingers"));
	EXPECT_TRUE(FZevoBoneNameUtils::GetCategoryName(static_cast<EZevoBoneCategory>(9)).Equals("Unknown"));

	const UEnum* Categories = FindEnum("EZevoBoneCategory");
	ASSERT_NE(Categories, nullptr);
	EXPECT_EQ(Categories->GetMetaData("BlueprintType"), "true");
	EXPECT_EQ(Categories->NumEnums(), 4);
}

TEST(ZevoBoneNameUtils, DropDownShowsDisplayNamesAndHidesCount)
{
	const UEnum* Bones = StaticEnum<EZevoBoneName>();
	ASSERT_EQ(Bones, FindEnum("EZevoBoneName"));
	EXPECT_EQ(Bones->GetMetaData("BlueprintType"), "true");
	ASSERT_EQ(Bones->NumEnums(), NumStreamBones + 1);

	const char* Segments[] = {"01", "02", "03"};
	const char* Fingers[] = {"Thumb", "Index", "Middle", "Ring", "Pinky"};
	for (int32 Value = 0; Value < NumStreamBones; ++Value)
	{
		EXPECT_FALSE(Bones->HasMetaData("Hidden", Value)) << Value;
		EXPECT_EQ(Bones->GetNameStringByValue(Value), FZevoBoneNameUtils::EnumToFName(Bone(Value)).ToString());
		if (Value >= 22)
		{
			// Fingers read "<Finger> <segment> <side>" in value order.
			const int32 Finger = (Value - 22) % 15;
			const FString Expected = FString::Printf("%s %s %s", Fingers[Finger / 3], Segments[Finger % 3], Value < 37 ? "L" : "R");
			EXPECT_TRUE(Bones->GetDisplayNameTextByValue(Value).ToString().Equals(Expected)) << Value;
		}
	}
	EXPECT_TRUE(Bones->HasMetaData("Hidden", NumStreamBones));

	const struct
	{
		EZevoBoneName Bone;
		const char* DisplayName;
	} Cases[] = {
		{EZevoBoneName::Hips, "Pelvis"}, {EZevoBoneName::Chest, "Spine 01"}, {EZevoBoneName::Chest1, "Spine 02"},
		{EZevoBoneName::Chest2, "Spine 03"}, {EZevoBoneName::Neck, "Neck 01"}, {EZevoBoneName::Neck1, "Head"},
		{EZevoBoneName::LeftHip, "Thigh L"}, {EZevoBoneName::LeftKnee, "Calf L"}, {EZevoBoneName::LeftAnkle, "Foot L"},
		{EZevoBoneName::LeftToe, "Toe L"}, {EZevoBoneName::RightHip, "Thigh R"}, {EZevoBoneName::RightKnee, "Calf R"},
		{EZevoBoneName::RightAnkle, "Foot R"}, {EZevoBoneName::RightToe, "Toe R"},
		{EZevoBoneName::LeftCollar, "Clavicle L"}, {EZevoBoneName::LeftShoulder, "UpperArm L"},
		{EZevoBoneName::LeftElbow, "LowerArm L"}, {EZevoBoneName::LeftWrist, "Hand L"},
		{EZevoBoneName::RightCollar, "Clavicle R"}, {EZevoBoneName::RightShoulder, "UpperArm R"},
		{EZevoBoneName::RightElbow, "LowerArm R"}, {EZevoBoneName::RightWrist, "Hand R"},
	};
	for (const auto& Case : Cases)
	{
		EXPECT_TRUE(Bones->GetDisplayNameTextByValue(static_cast<int64>(Case.Bone)).ToString().Equals(Case.DisplayName))
			<< Case.DisplayName;
	}
}
