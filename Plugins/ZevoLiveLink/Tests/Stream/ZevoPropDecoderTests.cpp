#include "StreamSourceFixture.h"
#include "StreamTestMessages.h"

using ZevoPropDecoderTest = FStreamSourceTest;

TEST_F(ZevoPropDecoderTest, AnnouncesOnceThenPushesTheTransformAndTypeAsSent)
{
	Decode(PropMessage(3, 7, "Box", {1, 2, 3, 0, 0, 0, 1, 2, 2, 2}));
	Decode(PropMessage(3, 7, "Box", {4, 5, 6, 0, 0, 0, 1, 2, 2, 2}));

	EXPECT_EQ(Client.Journal(), (TArray<FString>{"static Box_7", "frame Box_7", "frame Box_7"}));
	EXPECT_TRUE(DecoderLog().IsEmpty());
	const auto Announcement = Client.Get(EKind::StaticData);
	EXPECT_EQ(Announcement.Key, FLiveLinkSubjectKey(SourceGuid, "Box_7"));
	EXPECT_EQ(Announcement.Role, ULiveLinkTransformRole::StaticClass());
	const FLiveLinkTransformStaticData* Static = Announcement.StaticData.Cast<FLiveLinkTransformStaticData>();
	ASSERT_NE(Static, nullptr);
	EXPECT_EQ(Static->PropertyNames, TArray<FName>{"PropType"});

	const FLiveLinkTransformFrameData* Frame = Client.Frame<FLiveLinkTransformFrameData>(0);
	ASSERT_NE(Frame, nullptr);
	EXPECT_EQ(Frame->Transform.GetLocation(), FVector(1, 2, 3));
	EXPECT_LT(AngleBetween(Frame->Transform.GetRotation(), FQuat::Identity), 1e-9);
	EXPECT_EQ(Frame->Transform.GetScale3D(), FVector(2, 2, 2));
	EXPECT_EQ(Frame->PropertyValues, TArray<float>{3.0f});
	EXPECT_EQ(Client.Frame<FLiveLinkTransformFrameData>(1)->Transform.GetLocation(), FVector(4, 5, 6));
}

TEST_F(ZevoPropDecoderTest, ReadsTheQuaternionXYZWAndKeepsItUnnormalised)
{
	Decode(PropMessage(0, 1, "Q", {0, 0, 0, 0.5f, 0.25f, 0.125f, 2.0f}));
	const FQuat Rotation = Client.Frame<FLiveLinkTransformFrameData>()->Transform.GetRotation();
	EXPECT_EQ(Rotation, FQuat(0.5, 0.25, 0.125, 2.0));
}

TEST_F(ZevoPropDecoderTest, MissingFloatsKeepIdentityRotationWAndUnitScale)
{
	Decode(PropMessage(1, 1, "Six", {1, 2, 3, 0.1f, 0.2f, 0.3f}));
	const FLiveLinkTransformFrameData* Frame = Client.Frame<FLiveLinkTransformFrameData>();
	ASSERT_NE(Frame, nullptr);
	EXPECT_EQ(Frame->Transform.GetLocation(), FVector(1, 2, 3));
	EXPECT_EQ(Frame->Transform.GetRotation(), FQuat(0.1f, 0.2f, 0.3f, 1.0));
	EXPECT_EQ(Frame->Transform.GetScale3D(), FVector(1, 1, 1));
}

TEST_F(ZevoPropDecoderTest, FloatsSplitByOtherTagsFillTheValuesInOrderUpToACut)
{
	// Floats are read a run of tags at a time: the second run goes on where the first ended, an
	// eleventh float is dropped, and a run cut by the end keeps the floats before the cut.
	FOscBytes Split;
	Split.String(PropAddress).String(",ffiisfffffffff").Float(1).Float(2).Int(3).Int(7).String("Split");
	for (int32 Value = 3; Value <= 11; ++Value)
	{
		Split.Float(float(Value));
	}
	Decode(Split.Bytes);
	const FLiveLinkTransformFrameData* Frame = Client.Frame<FLiveLinkTransformFrameData>();
	ASSERT_NE(Frame, nullptr);
	EXPECT_EQ(Frame->Transform.GetLocation(), FVector(1, 2, 3));
	EXPECT_EQ(Frame->Transform.GetRotation(), FQuat(4, 5, 6, 7));
	EXPECT_EQ(Frame->Transform.GetScale3D(), FVector(8, 9, 10));

	Decode(FOscBytes().String(PropAddress).String(",ffsfff").Float(1).Float(2).String("Cut").Float(3).Raw({0, 0}).Bytes);
	EXPECT_EQ(Log.Count("[Zevo Prop] Data out of bounds for float at index 5", ELogVerbosity::Error), 1);
	Frame = Client.Frame<FLiveLinkTransformFrameData>(1);
	ASSERT_NE(Frame, nullptr);
	EXPECT_EQ(Frame->Transform.GetLocation(), FVector(1, 2, 3));
	EXPECT_EQ(Frame->Transform.GetRotation(), FQuat(0, 0, 0, 1));
}

TEST_F(ZevoPropDecoderTest, SameNameWithDifferentNumbersIsTwoSubjects)
{
	Decode(PropMessage(1, 1, "Sword", {}));
	Decode(PropMessage(1, 2, "Sword", {}));
	EXPECT_EQ(Client.Journal(), (TArray<FString>{"static Sword_1", "frame Sword_1", "static Sword_2", "frame Sword_2"}));
}

TEST_F(ZevoPropDecoderTest, AcceptsArgumentsInAnyOrderIgnoringBlobsAndUnknownTags)
{
	// Floats first, then the name, a blob tag and a 'T' tag (neither carries bytes for a prop), the
	// ints last; a third int is dropped.
	Decode(FOscBytes()
			   .String(PropAddress)
			   .String(",ffsbTiii")
			   .Float(5)
			   .Float(6)
			   .String("Late")
			   .Int(4)
			   .Int(9)
			   .Int(100)
			   .Bytes);
	EXPECT_EQ(Client.Journal(), (TArray<FString>{"static Late_9", "frame Late_9"}));
	const FLiveLinkTransformFrameData* Frame = Client.Frame<FLiveLinkTransformFrameData>();
	EXPECT_EQ(Frame->Transform.GetLocation(), FVector(5, 6, 0));
	EXPECT_EQ(Frame->PropertyValues, TArray<float>{4.0f});
}

TEST_F(ZevoPropDecoderTest, WithoutANameTheSubjectIsTheUnderscoreAndNumber)
{
	Decode(FOscBytes().String(PropAddress).String(",ii").Int(2).Int(7).Bytes);
	EXPECT_EQ(Client.Journal(), (TArray<FString>{"static _7", "frame _7"}));
}
