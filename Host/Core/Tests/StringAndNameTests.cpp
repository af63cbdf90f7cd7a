#include "Containers/StringView.h"
#include "CoreMinimal.h"
#include "Misc/CString.h"

#include <gtest/gtest.h>
#include <thread>

TEST(FString, ComparesAndHashesIgnoringCaseByDefault)
{
	EXPECT_TRUE(FString("LeftHip") == FString("lefthip"));
	EXPECT_FALSE(FString("LeftHip").Equals("lefthip"));
	EXPECT_TRUE(FString("LeftHip").Equals("lefthip", ESearchCase::IgnoreCase));
	EXPECT_EQ(GetTypeHash(FString("ABC")), GetTypeHash(FString("abc")));
}

TEST(FString, ReplaceKeepsTheCaseOfTheRest)
{
	EXPECT_STREQ(*FString("LeftUpLeg").Replace("left", "l"), "lUpLeg");
	EXPECT_STREQ(*FString("a_b_c").Replace("_", ""), "abc");
	EXPECT_STREQ(*FString("aaa").Replace("aa", "b"), "ba");
	EXPECT_STREQ(*FString("x").Replace("", "y"), "x");
}

TEST(FString, ReplaceInlineShrinksInPlaceGrowsIntoACopyAndCountsEachReplacement)
{
	struct FCase
	{
		const char* Text;
		const char* From;
		const char* To;
		ESearchCase::Type SearchCase;
		const char* Expected;
		int32 Count;
	};
	const FCase Cases[] = {
		{"l_arm_l_", "_l", "l", ESearchCase::CaseSensitive, "l_arml_", 1},
		{"_l_l_l", "_l", "", ESearchCase::CaseSensitive, "", 3},
		{"ab_L", "_l", "l", ESearchCase::CaseSensitive, "ab_L", 0},
		{"ab_L", "_l", "l", ESearchCase::IgnoreCase, "abl", 1},
		{"left_leftleft", "left", "l", ESearchCase::CaseSensitive, "l_ll", 3},
		{"a.l.l", ".l", ".left", ESearchCase::CaseSensitive, "a.left.left", 2},
		{"x", "x", "yyy", ESearchCase::CaseSensitive, "yyy", 1},
		{"xyz", "xyzw", "", ESearchCase::CaseSensitive, "xyz", 0},
	};
	for (const FCase& Case : Cases)
	{
		FString Text(Case.Text);
		EXPECT_EQ(Text.ReplaceInline(Case.From, Case.To, Case.SearchCase), Case.Count) << Case.Text << " " << Case.From;
		EXPECT_STREQ(*Text, Case.Expected) << Case.Text << " " << Case.From;
	}
}

TEST(FString, CaseSensitiveSearchesFindOnlyWholeOccurrences)
{
	// A partial match at the very end must not count, nor one cut off by the end of the text.
	EXPECT_TRUE(FString("thumb_01_l").Contains("_l", ESearchCase::CaseSensitive));
	EXPECT_FALSE(FString("thumb_01_").Contains("_l", ESearchCase::CaseSensitive));
	EXPECT_FALSE(FString("abab").Contains("abc", ESearchCase::CaseSensitive));
	EXPECT_TRUE(FString("aab").Contains("ab", ESearchCase::CaseSensitive));
	EXPECT_TRUE(FString("abc").Contains("", ESearchCase::CaseSensitive));
	EXPECT_FALSE(FString("ABC").Contains("abc", ESearchCase::CaseSensitive));
	EXPECT_TRUE(FString("ABC").Contains("abc"));

	FString Text("bip01_spine");
	EXPECT_FALSE(Text.RemoveFromStart("bip01_spine_", ESearchCase::CaseSensitive));
	EXPECT_FALSE(Text.RemoveFromStart("", ESearchCase::CaseSensitive));
	EXPECT_TRUE(Text.RemoveFromStart("bip01_", ESearchCase::CaseSensitive));
	EXPECT_STREQ(*Text, "spine");
	EXPECT_FALSE(Text.StartsWith("Spine", ESearchCase::CaseSensitive));
	EXPECT_TRUE(Text.StartsWith("Spine"));
}

TEST(FString, AppendsA16BitCharacterAsItsUtf8Bytes)
{
	FString Text;
	Text.AppendChar(u'A').AppendChar(u'\u00E9').AppendChar(u'\uFF80').AppendChar(u'\uFFFF');
	EXPECT_STREQ(*Text, "A\xC3\xA9\xEF\xBE\x80\xEF\xBF\xBF");
}

TEST(TStringView, ComparesWithOrWithoutRegardToCase)
{
	const FAnsiStringView Address("/ZEVO/Stream/Motion/Unreal/Local");
	EXPECT_TRUE(Address.Equals(FAnsiStringView("/ZEVO/Stream/Motion/Unreal/Local")));
	EXPECT_FALSE(Address.Equals(FAnsiStringView("/zevo/stream/motion/unreal/local")));
	EXPECT_TRUE(Address.Equals(FAnsiStringView("/zevo/stream/motion/unreal/local"), ESearchCase::IgnoreCase));
	EXPECT_FALSE(Address.Equals(FAnsiStringView("/ZEVO/Stream/Motion/Unreal/Loca"), ESearchCase::IgnoreCase));
	EXPECT_EQ(FName(FAnsiStringView("LeftHipXYZ", 7)), FName("lefthip"));
}

TEST(FString, SplitsLinesAtEveryLineEnding)
{
	TArray<FString> Lines;
	FString("a\r\nb\rc\n\nd").ParseIntoArrayLines(Lines);
	ASSERT_EQ(Lines.Num(), 4);
	EXPECT_STREQ(*Lines[0], "a");
	EXPECT_STREQ(*Lines[2], "c");
	EXPECT_STREQ(*Lines[3], "d");
}

TEST(FString, SplitTakesTheFirstOrLastDelimiter)
{
	FString Left, Right;
	ASSERT_TRUE(FString("a,b,c").Split(",", &Left, &Right));
	EXPECT_STREQ(*Left, "a");
	EXPECT_STREQ(*Right, "b,c");
	ASSERT_TRUE(FString("a,b,c").Split(",", &Left, &Right, ESearchCase::IgnoreCase, ESearchDir::FromEnd));
	EXPECT_STREQ(*Left, "a,b");
	EXPECT_FALSE(FString("abc").Split(",", &Left, &Right));
}

TEST(FString, PathJoinUsesOneSeparator)
{
	EXPECT_STREQ(*(FString("/a/") / FString("/b")), "/a/b");
	EXPECT_STREQ(*(FString("/a") / FString("b")), "/a/b");
}

TEST(FCString, IgnoresTheCaseOfLettersOnlyAndSeesEveryByteAtEveryLength)
{
	// Texts are folded a word at a time, with the last few bytes gathered apart: every length
	// from empty to past two words, and a difference at every position.
	const std::string Mixed = "LeftUpLeg_01@Hips[Spine]";
	for (size_t Length = 0; Length <= Mixed.size(); ++Length)
	{
		const std::string Text = Mixed.substr(0, Length);
		std::string Lower = Text;
		std::string Upper = Text;
		for (size_t At = 0; At < Length; ++At)
		{
			Lower[At] = FChar::ToLower(Text[At]);
			Upper[At] = FChar::ToUpper(Text[At]);
		}
		EXPECT_TRUE(FCString::EqualsIgnoreCase(Lower, Upper)) << Text;
		EXPECT_EQ(FCString::HashIgnoreCase(Lower), FCString::HashIgnoreCase(Upper)) << Text;
		for (size_t At = 0; At < Length; ++At)
		{
			std::string Other = Lower;
			Other[At] = Other[At] == '#' ? '$' : '#';
			EXPECT_FALSE(FCString::EqualsIgnoreCase(Lower, Other)) << Text << " at " << At;
		}
	}
	// Characters one case bit apart that are not letters stay different, in a full word and in
	// the gathered end.
	const std::pair<char, char> CaseBitApart[] = {{'@', '`'}, {'[', '{'}, {'\\', '|'}, {']', '}'}, {'^', '~'}, {'_', '\x7F'},
		{'\x10', '0'}, {'\xC1', '\xE1'}, {'\xDA', '\xFA'}};
	for (const auto& [A, B] : CaseBitApart)
	{
		EXPECT_FALSE(FCString::EqualsIgnoreCase(std::string("hips") + A + "spine", std::string("HIPS") + B + "SPINE")) << A;
		EXPECT_FALSE(FCString::EqualsIgnoreCase(std::string("leftupleg") + A, std::string("LEFTUPLEG") + B)) << A;
	}
}

TEST(FCString, AtoiReadsLikeTheCLibraryAndSaturatesBeyondInt32)
{
	EXPECT_EQ(FCString::Atoi("  7777x"), 7777);
	EXPECT_EQ(FCString::Atoi("-12"), -12);
	EXPECT_EQ(FCString::Atoi("port"), 0);
	EXPECT_EQ(FCString::Atoi("99999999999"), INT32_MAX);
	EXPECT_EQ(FCString::Atoi("-99999999999999999999999"), INT32_MIN);
}

TEST(FName, ComparesWithoutCaseAndKeepsEachSpelling)
{
	const FName First("ZevoOwnSpelling");
	const FName Second("zevoownspelling");
	const FName Third("ZEVOOWNSPELLING");
	EXPECT_EQ(First, Second);
	EXPECT_EQ(Second, Third);
	EXPECT_EQ(GetTypeHash(First), GetTypeHash(Third));
	EXPECT_STREQ(*First.ToString(), "ZevoOwnSpelling");
	EXPECT_STREQ(*Second.ToString(), "zevoownspelling");
	EXPECT_STREQ(*Third.ToString(), "ZEVOOWNSPELLING");
	EXPECT_STREQ(*FName("zevoownspelling").ToString(), "zevoownspelling") << "a spelling met again is found, not re-added";

	TMap<FName, int32> ByName;
	ByName.Add(First, 1);
	EXPECT_EQ(ByName.FindRef(Third), 1);

	EXPECT_TRUE(FName("").IsNone());
	EXPECT_EQ(FName("none"), NAME_None);
	EXPECT_STREQ(*NAME_None.ToString(), "None");
}

TEST(FName, RegistersFromManyThreadsAtOnce)
{
	TArray<FName> Seen[4];
	std::vector<std::thread> Threads;
	for (int32 T = 0; T < 4; ++T)
	{
		Threads.emplace_back([T, &Seen] {
			for (int32 I = 0; I < 500; ++I)
			{
				Seen[T].Add(FName(*FString::Printf("Bone%d", I)));
			}
		});
	}
	for (std::thread& Thread : Threads)
	{
		Thread.join();
	}
	for (int32 I = 0; I < 500; ++I)
	{
		EXPECT_EQ(Seen[0][I], Seen[3][I]);
	}
}

TEST(FName, RegistersSpellingsOfOneNameFromManyThreadsAtOnce)
{
	// Each thread spells the same names its own way: all meet as one name, none loses its spelling.
	const char* Spellings[4] = {"Joint%d", "joint%d", "JOINT%d", "jOiNt%d"};
	TArray<FName> Seen[4];
	std::vector<std::thread> Threads;
	for (int32 T = 0; T < 4; ++T)
	{
		Threads.emplace_back([T, &Seen, &Spellings] {
			for (int32 I = 0; I < 500; ++I)
			{
				Seen[T].Add(FName(*FString::Printf(Spellings[T], I)));
			}
		});
	}
	for (std::thread& Thread : Threads)
	{
		Thread.join();
	}
	for (int32 I = 0; I < 500; ++I)
	{
		for (int32 T = 0; T < 4; ++T)
		{
			EXPECT_EQ(Seen[T][I], Seen[0][I]);
			EXPECT_STREQ(*Seen[T][I].ToString(), *FString::Printf(Spellings[T], I));
		}
	}
}

TEST(FText, FormatsArgumentsAndNumbers)
{
	const FText Text = FText::Format(NSLOCTEXT("Ns", "Key", "Mapped: {0} / {1} ({2}%)"), FText::AsNumber(26), FText::AsNumber(52), FText::AsNumber(50));
	EXPECT_STREQ(*Text.ToString(), "Mapped: 26 / 52 (50%)");
	EXPECT_STREQ(*FText::AsNumber(1234567).ToString(), "1,234,567");
}
