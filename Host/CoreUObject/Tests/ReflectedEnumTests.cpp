#include "UObject/ReflectedEnum.h"

#include <gtest/gtest.h>

enum class ETestWeather : uint8
{
	Sunny,
	PartlyCloudy = 4,
	Count,
};
ZEVO_DECLARE_ENUM(ETestWeather)

ZEVO_IMPLEMENT_ENUM(ETestWeather, ZEVO_ENUM_META({"BlueprintType", "true"}),
	ZEVO_ENUM_ENTRY(ETestWeather, Sunny, {"DisplayName", "Sun & Blue Sky"}),
	ZEVO_ENUM_ENTRY(ETestWeather, PartlyCloudy),
	ZEVO_ENUM_ENTRY(ETestWeather, Count, {"Hidden", ""}))

TEST(ReflectedEnum, IsRegisteredByNameWhenItsLibraryLoads)
{
	EXPECT_EQ(FindEnum("ETestWeather"), StaticEnum<ETestWeather>());
	EXPECT_EQ(FindEnum("etestweather"), StaticEnum<ETestWeather>());
	EXPECT_EQ(FindEnum("EUnknownEnum"), nullptr);
	EXPECT_EQ(StaticEnum<ETestWeather>()->GetName(), "ETestWeather");
}

TEST(ReflectedEnum, ReadsEntriesByIndexValueAndName)
{
	const UEnum* Enum = StaticEnum<ETestWeather>();
	ASSERT_EQ(Enum->NumEnums(), 3);
	EXPECT_EQ(Enum->GetNameByIndex(1), FName("PartlyCloudy"));
	EXPECT_EQ(Enum->GetValueByIndex(1), 4);
	EXPECT_EQ(Enum->GetIndexByValue(5), 2);
	EXPECT_EQ(Enum->GetNameStringByValue(4), "PartlyCloudy");
	EXPECT_EQ(Enum->GetValueByName("partlycloudy"), 4);

	// Out of range: nothing, never a neighbour.
	EXPECT_EQ(Enum->GetIndexByValue(1), INDEX_NONE);
	EXPECT_TRUE(Enum->GetNameStringByValue(1).IsEmpty());
	EXPECT_EQ(Enum->GetValueByName("Rainy"), INDEX_NONE);
	EXPECT_EQ(Enum->GetNameByIndex(3), NAME_None);
	EXPECT_TRUE(Enum->GetDisplayNameTextByValue(99).IsEmpty());
}

TEST(ReflectedEnum, DisplayNameFallsBackToTheEntryName)
{
	const UEnum* Enum = StaticEnum<ETestWeather>();
	EXPECT_EQ(Enum->GetDisplayNameTextByValue(0).ToString(), "Sun & Blue Sky");
	EXPECT_EQ(Enum->GetDisplayNameTextByValue(4).ToString(), "PartlyCloudy");
}

TEST(ReflectedEnum, KeepsMetaDataOfTheEnumAndOfEachEntry)
{
	const UEnum* Enum = StaticEnum<ETestWeather>();
	EXPECT_EQ(Enum->GetMetaData("BlueprintType"), "true");
	EXPECT_FALSE(Enum->HasMetaData("Hidden"));
	EXPECT_TRUE(Enum->HasMetaData("Hidden", 2));
	EXPECT_FALSE(Enum->HasMetaData("Hidden", 0));
	EXPECT_FALSE(Enum->HasMetaData("Hidden", 7));
	EXPECT_TRUE(Enum->GetMetaData("Hidden", 7).IsEmpty());
}

TEST(ReflectedEnum, UnregistersWhenDestroyed)
{
	{
		const UEnum Scoped("EScopedEnum", {}, {});
		EXPECT_EQ(FindEnum("EScopedEnum"), &Scoped);
	}
	EXPECT_EQ(FindEnum("EScopedEnum"), nullptr);
}
