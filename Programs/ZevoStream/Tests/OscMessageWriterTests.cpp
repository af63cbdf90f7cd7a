#include "LibloDecodedMessage.h"
#include "ZevoCharacterMessage.h"
#include "ZevoPropMessage.h"

#include <gtest/gtest.h>

namespace
{
	FZevoCharacterFrame DistinctCharacterFrame()
	{
		FZevoCharacterFrame Frame;
		Frame.ActorName = "Actor1";
		Frame.HipsPosition = FVector(1.5, 0.95, -2.25);
		for (int32 Bone = 0; Bone < ZevoStreamBody::BoneCount; ++Bone)
		{
			// A different axis and angle for every bone, so that a shifted or reordered quadruple shows.
			Frame.Rotations[Bone] = FQuat(FVector(1.0 + Bone, 2.0 - Bone * 0.5, 0.3 * Bone).GetSafeNormal(), 0.05 + 0.03 * Bone);
		}
		Frame.Properties = {0.44f, 0.42f, 0.09f, 0.01f, 0.0f, -0.02f, 0.005f};
		return Frame;
	}
}

TEST(OscMessageWriter, CharacterMessageDecodesWithIndependentReader)
{
	FOscMessageWriter Writer;
	const FZevoCharacterFrame Frame = DistinctCharacterFrame();
	const FLibloDecodedMessage Message(WriteZevoCharacterMessage(Writer, Frame));

	ASSERT_TRUE(Message.IsValid());
	EXPECT_EQ(Message.Address, "/ZEVO/Stream/Motion/Unreal/Local");
	EXPECT_EQ(Message.Types, "sbfffffff");
	EXPECT_EQ(Message.String(0), "Actor1");
	ASSERT_EQ(Message.Blob(1).size(), 844u);
	for (int32 Index = 0; Index < 7; ++Index)
	{
		EXPECT_EQ(Message.Float(2 + Index), Frame.Properties[Index]) << "property " << Index;
	}
}

TEST(OscMessageWriter, CharacterBlobIsLittleEndianHipsThenWFirstQuaternions)
{
	FOscMessageWriter Writer;
	const FZevoCharacterFrame Frame = DistinctCharacterFrame();
	const FLibloDecodedMessage Message(WriteZevoCharacterMessage(Writer, Frame));
	ASSERT_TRUE(Message.IsValid());

	const std::vector<float> Values = Message.LittleEndianFloats(1);
	ASSERT_EQ(Values.size(), 211u);
	EXPECT_EQ(Values[0], 1.5f);
	EXPECT_EQ(Values[1], 0.95f);
	EXPECT_EQ(Values[2], -2.25f);
	for (int32 Bone = 0; Bone < ZevoStreamBody::BoneCount; ++Bone)
	{
		const FQuat& Q = Frame.Rotations[Bone];
		const size_t First = 3 + 4 * Bone;
		EXPECT_EQ(Values[First + 0], float(Q.W)) << "bone " << Bone;
		EXPECT_EQ(Values[First + 1], float(Q.X)) << "bone " << Bone;
		EXPECT_EQ(Values[First + 2], float(Q.Y)) << "bone " << Bone;
		EXPECT_EQ(Values[First + 3], float(Q.Z)) << "bone " << Bone;
	}
	// 1.5f is 0x3FC00000: little-endian puts the low byte first.
	const std::vector<uint8> Payload = Message.Blob(1);
	EXPECT_EQ((std::vector<uint8>(Payload.begin(), Payload.begin() + 4)), (std::vector<uint8>{0x00, 0x00, 0xC0, 0x3F}));
}

TEST(OscMessageWriter, PropMessageDecodesWithIndependentReader)
{
	FOscMessageWriter Writer;
	FZevoPropFrame Frame;
	Frame.Type = 1;
	Frame.Number = 7;
	Frame.Name = "Ball";
	Frame.Location = FVector(1.0, 2.0, 3.0);
	Frame.Rotation = FQuat(0.1, 0.2, 0.3, 0.927362);
	Frame.Scale = FVector(0.22, 0.23, 0.24);
	const FLibloDecodedMessage Message(WriteZevoPropMessage(Writer, Frame));

	ASSERT_TRUE(Message.IsValid());
	EXPECT_EQ(Message.Address, "/ZEVO/Stream/Motion/Unreal/Props");
	EXPECT_EQ(Message.Types, "iisffffffffff");
	EXPECT_EQ(Message.Int(0), 1);
	EXPECT_EQ(Message.Int(1), 7);
	EXPECT_EQ(Message.String(2), "Ball");
	const float Expected[] = {1.f, 2.f, 3.f, 0.1f, 0.2f, 0.3f, 0.927362f, 0.22f, 0.23f, 0.24f};
	for (int32 Index = 0; Index < 10; ++Index)
	{
		EXPECT_EQ(Message.Float(3 + Index), Expected[Index]) << "float " << Index;
	}
}

TEST(OscMessageWriter, PadsStringsToFourBytesWithAtLeastOneZero)
{
	const struct
	{
		std::string_view Text;
		int32 FieldBytes;
	} Cases[] = {
		{"", 4},
		{"abc", 4},
		{"abcd", 8},
		{"abcdefg", 8},
		{"abcdefgh", 12},
	};
	FOscMessageWriter Writer;
	for (const auto& Case : Cases)
	{
		Writer.Begin("/x");
		Writer.AddString(Case.Text);
		Writer.AddInt32(5);
		const TArray<uint8>& Bytes = Writer.Finish();
		// "/x" and ",si" take 4 bytes each, the int 4.
		EXPECT_EQ(Bytes.Num(), 4 + 4 + Case.FieldBytes + 4) << "'" << Case.Text << "'";
		const FLibloDecodedMessage Message(Bytes);
		ASSERT_TRUE(Message.IsValid()) << "'" << Case.Text << "'";
		EXPECT_EQ(Message.String(0), Case.Text);
		EXPECT_EQ(Message.Int(1), 5);
	}
}

TEST(OscMessageWriter, WritesNumbersBigEndianAndPadsOddBlobs)
{
	FOscMessageWriter Writer;
	Writer.Begin("/n");
	Writer.AddInt32(-2);
	Writer.AddFloat(-0.5f);
	const uint8 Odd[] = {1, 2, 3, 4, 5, 6};
	Writer.AddBlob(Odd, 6);
	Writer.AddInt32(9);
	const TArray<uint8>& Bytes = Writer.Finish();

	const std::vector<uint8> Arguments(Bytes.begin() + 12, Bytes.begin() + 20);  // after "/n" and ",ifbi"
	EXPECT_EQ(Arguments, (std::vector<uint8>{0xFF, 0xFF, 0xFF, 0xFE, 0xBF, 0x00, 0x00, 0x00}));
	const FLibloDecodedMessage Message(Bytes);
	ASSERT_TRUE(Message.IsValid());
	EXPECT_EQ(Message.Types, "ifbi");
	EXPECT_EQ(Message.Blob(2), (std::vector<uint8>{1, 2, 3, 4, 5, 6}));
	EXPECT_EQ(Message.Int(3), 9);
}

TEST(OscMessageWriter, NameWithZeroByteIsCutWhereReadersStop)
{
	FOscMessageWriter Writer;
	Writer.Begin("/z");
	Writer.AddString(std::string_view("ab\0cd", 5));
	Writer.AddFloat(1.25f);
	const FLibloDecodedMessage Message(Writer.Finish());
	ASSERT_TRUE(Message.IsValid());
	EXPECT_EQ(Message.String(0), "ab");
	EXPECT_EQ(Message.Float(1), 1.25f);
}

TEST(OscMessageWriter, NextMessageReusesTheBufferAndLeavesNothingBehind)
{
	FOscMessageWriter Writer;
	const FZevoCharacterFrame Frame = DistinctCharacterFrame();
	const uint8* FirstStorage = WriteZevoCharacterMessage(Writer, Frame).GetData();
	const uint8* SecondStorage = WriteZevoCharacterMessage(Writer, Frame).GetData();
	EXPECT_EQ(FirstStorage, SecondStorage) << "a message of the same shape must not need new storage";

	FZevoPropFrame Prop;
	Prop.Name = "Box";
	const TArray<uint8>& Short = WriteZevoPropMessage(Writer, Prop);
	EXPECT_EQ(Short.Num(), 36 + 16 + 4 + 4 + 4 + 40);  // address, tags, type, number, "Box", ten floats
	const FLibloDecodedMessage Message(Short);
	ASSERT_TRUE(Message.IsValid());
	EXPECT_EQ(Message.Types, "iisffffffffff");
}
