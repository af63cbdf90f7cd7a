#include "StreamSourceFixture.h"
#include "StreamTestMessages.h"
#include "Stream/ZevoOscReader.h"

using ZevoOscReaderStringTest = FStreamSourceTest;

TEST_F(ZevoOscReaderStringTest, AdvancesPastTerminatorAndPaddingToAMultipleOfFour)
{
	struct FCase
	{
		const char* Text;
		int32 Advance;
	};
	for (const FCase& Case : {FCase{"", 4}, FCase{"abc", 4}, FCase{"abcd", 8}, FCase{"abcdefg", 8}, FCase{"abcdefgh", 12}})
	{
		const TArray<uint8> Bytes = FOscBytes().String(Case.Text).Int(7).Bytes;
		int32 Offset = 0;
		EXPECT_EQ(Source->ParseString(Bytes.GetData(), Offset, Bytes.Num()), Case.Text);
		EXPECT_EQ(Offset, Case.Advance) << '"' << Case.Text << '"';
	}
}

TEST_F(ZevoOscReaderStringTest, GivesEmptyTextWithoutMovingAtTheEnd)
{
	const TArray<uint8> Bytes = FOscBytes().String("abc").Bytes;
	int32 Offset = 4;
	EXPECT_EQ(Source->ParseString(Bytes.GetData(), Offset, Bytes.Num()), "");
	EXPECT_EQ(Offset, 4);
	EXPECT_TRUE(DecoderLog().IsEmpty()) << "the end of the datagram is not an error";
}

TEST_F(ZevoOscReaderStringTest, RefusesAStringWithoutTerminatorInsteadOfReadingPastTheDatagram)
{
	// Shorter and longer than the eight bytes the reader looks at together.
	TArray<uint8> HighBytes;
	HighBytes.Init(0x80, 21);
	for (const TArray<uint8>& Bytes : {TArray<uint8>{'a', 'b', 'c', 'd', 'e'}, HighBytes})
	{
		int32 Offset = 0;
		EXPECT_EQ(Source->ParseString(Bytes.GetData(), Offset, Bytes.Num()), "");
		EXPECT_EQ(Offset, 0);
		const FString Expected = FString::Printf(
			"OSC string at offset 0 has no terminating zero byte before the end of the datagram (%d bytes)", Bytes.Num());
		EXPECT_EQ(Log.CountContaining(*Expected, ELogVerbosity::Error), 1);
	}
}

TEST_F(ZevoOscReaderStringTest, FindsTheTerminatorAtEveryPlaceInALongString)
{
	const std::string Long = "/ZEVO/Stream/Motion/Unreal/Local/Extra";
	for (size_t Length = 0; Length <= Long.size(); ++Length)
	{
		const TArray<uint8> Bytes = FOscBytes().String(Long.substr(0, Length).c_str()).Int(7).Bytes;
		int32 Offset = 0;
		EXPECT_EQ(Source->ParseString(Bytes.GetData(), Offset, Bytes.Num()), FString(Long.substr(0, Length).c_str()));
		EXPECT_EQ(Offset, static_cast<int32>((Length + 4) & ~size_t(3)));
	}
}

TEST_F(ZevoOscReaderStringTest, ReadsHighBytesAsTheCharactersFromFF80)
{
	const TArray<uint8> Bytes = FOscBytes().Raw({'A', 0x80, 0xBF, 0xC0, 0xFF, 0, 0, 0}).Bytes;
	int32 Offset = 0;
	const FString Text = Source->ParseString(Bytes.GetData(), Offset, Bytes.Num());
	// U+FF80, U+FFBF, U+FFC0, U+FFFF in UTF-8.
	EXPECT_EQ(Text.ToStdString(), "A\xEF\xBE\x80\xEF\xBE\xBF\xEF\xBF\x80\xEF\xBF\xBF");
	EXPECT_EQ(Offset, 8);
}

TEST(ZevoOscReader, NumbersAreBigEndianAndNeverReadPastTheEnd)
{
	const TArray<uint8> Bytes = FOscBytes().Int(-2).Float(1.5f).Raw({1, 2, 3}).Bytes;
	FZevoOscReader Reader(Bytes.GetData(), Bytes.Num(), 0);
	int32 Int = 0;
	float Float = 0;
	EXPECT_TRUE(Reader.ReadInt32(Int));
	EXPECT_EQ(Int, -2);
	EXPECT_TRUE(Reader.ReadFloat(Float));
	EXPECT_EQ(Float, 1.5f);
	EXPECT_EQ(Reader.GetRemaining(), 3);
	EXPECT_FALSE(Reader.ReadInt32(Int));
	EXPECT_FALSE(Reader.ReadFloat(Float));
	EXPECT_EQ(Reader.GetOffset(), 8);
}
