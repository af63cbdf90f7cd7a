#include "CoreMinimal.h"

#include <gtest/gtest.h>

TEST(TMap, IteratesInInsertionOrderAcrossGrowthAndRemoval)
{
	TMap<FString, int32> Map;
	for (int32 I = 0; I < 100; ++I)
	{
		Map.Add(FString::Printf("k%d", 99 - I), I);
	}
	Map.Remove("k50");
	Map.Add("K10", -1); // replaces k10 in place, ignoring case
	int32 Expected = 0;
	for (const auto& Pair : Map)
	{
		if (Expected == 49)
		{
			++Expected; // k50 was removed
		}
		EXPECT_STREQ(*Pair.Key, *FString::Printf("k%d", 99 - Expected));
		EXPECT_EQ(Pair.Value, Pair.Key == FString("k10") ? -1 : Expected);
		++Expected;
	}
	EXPECT_EQ(Map.Num(), 99);
	EXPECT_EQ(Map.Find("k50"), nullptr);
	EXPECT_EQ(*Map.Find("K99"), 0);
}

TEST(TSet, KeepsEachMemberOnceInFirstAddedOrder)
{
	TSet<FString> Set;
	Set.Add("Leg");
	Set.Add("Arm");
	bool bAlready = false;
	Set.Add("leg", &bAlready);
	EXPECT_TRUE(bAlready);
	ASSERT_EQ(Set.Num(), 2);
	EXPECT_STREQ(*Set.Array()[0], "Leg");
	EXPECT_STREQ(*Set.Array()[1], "Arm");
}

TEST(TMapAndTSet, FilteringKeepsTheOrderAndAFindableIndex)
{
	TMap<FString, int32> Map;
	TSet<FString> Set;
	TSet<FString> Odd;
	for (int32 I = 0; I < 40; ++I)
	{
		Map.Add(FString::Printf("k%d", I), I);
		Set.Add(FString::Printf("k%d", I));
		if (I % 2)
		{
			Odd.Add(FString::Printf("K%d", I));
		}
	}
	const TMap<FString, int32> EvenMap = Map.FilterByPredicate([](const auto& Pair) { return Pair.Value % 2 == 0; });
	const TSet<FString> EvenSet = Set.Difference(Odd);
	ASSERT_EQ(EvenMap.Num(), 20);
	ASSERT_EQ(EvenSet.Num(), 20);
	int32 Expected = 0;
	for (const auto& Pair : EvenMap)
	{
		EXPECT_EQ(Pair.Value, Expected);
		EXPECT_STREQ(*EvenSet.Array()[Expected / 2], *Pair.Key);
		Expected += 2;
	}
	EXPECT_EQ(*EvenMap.Find("K38"), 38);
	EXPECT_EQ(EvenMap.Find("k7"), nullptr);
	EXPECT_TRUE(EvenSet.Contains("K0"));
	EXPECT_FALSE(EvenSet.Contains("k39"));
}

TEST(TUniqueFunction, HoldsSmallAndLargeCapturesAndMovesThem)
{
	auto Shared = std::make_shared<int32>(7);
	TUniqueFunction<int32()> Small = [Shared] { return *Shared; };
	std::array<char, 512> Big{};
	Big[511] = 3;
	TUniqueFunction<int32()> Large = [Big, Shared] { return Big[511] + *Shared; };
	TUniqueFunction<int32()> Moved = std::move(Large);
	EXPECT_FALSE(static_cast<bool>(Large));
	EXPECT_EQ(Small(), 7);
	EXPECT_EQ(Moved(), 10);
	Small.Reset();
	Moved.Reset();
	EXPECT_EQ(Shared.use_count(), 1);
}
