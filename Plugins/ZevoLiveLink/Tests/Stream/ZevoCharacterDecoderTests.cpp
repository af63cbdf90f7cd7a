#include "StreamSourceFixture.h"
#include "StreamTestMessages.h"

using ZevoCharacterDecoderTest = FStreamSourceTest;

namespace
{
void ExpectPose(const FLiveLinkAnimationFrameData& Frame, const FTestPose& Pose)
{
	ASSERT_EQ(Frame.Transforms.Num(), 52);
	EXPECT_EQ(Frame.Transforms[0].GetTranslation(), FVector(0.25, 1.0, -0.5));
	for (int32 Bone = 0; Bone < 52; ++Bone)
	{
		EXPECT_LT(AngleBetween(Frame.Transforms[Bone].GetRotation(), Pose.Rotation(Bone)), 1e-6) << "bone " << Bone;
		EXPECT_EQ(Frame.Transforms[Bone].GetScale3D(), FVector(1, 1, 1));
		if (Bone > 0)
		{
			EXPECT_EQ(Frame.Transforms[Bone].GetTranslation(), FVector(0, 0, 0));
		}
	}
}
}

TEST_F(ZevoCharacterDecoderTest, AnnouncesTheSkeletonOnceAndPushesOneFramePerMessage)
{
	const FTestPose First = FTestPose::Random(1);
	const FTestPose Second = FTestPose::Random(2);
	Decode(CharacterMessage("Actor1", First));
	Decode(CharacterMessage("Actor1", Second));

	EXPECT_EQ(Client.Journal(), (TArray<FString>{"static Actor1", "frame Actor1", "frame Actor1"}));
	EXPECT_TRUE(DecoderLog().IsEmpty());
	const auto Announcement = Client.Get(EKind::StaticData);
	EXPECT_EQ(Announcement.Key.Source, SourceGuid);
	EXPECT_EQ(Announcement.Role, ULiveLinkAnimationRole::StaticClass());
	EXPECT_EQ(Client.Get(EKind::FrameData, 1).Key, FLiveLinkSubjectKey(SourceGuid, "Actor1"));
	ExpectPose(*Client.Frame<FLiveLinkAnimationFrameData>(0), First);
	ExpectPose(*Client.Frame<FLiveLinkAnimationFrameData>(1), Second);
	EXPECT_EQ(Client.Frame<FLiveLinkAnimationFrameData>(0)->PropertyValues, (TArray<float>{10, 11, 12, 13, 14, 15, 16}));
}

TEST_F(ZevoCharacterDecoderTest, SkeletonHasTheStreamBonesParentsAndProperties)
{
	Decode(CharacterMessage("Actor1", FTestPose::Random(1)));
	const auto Announcement = Client.Get(EKind::StaticData);
	const FLiveLinkSkeletonStaticData* Skeleton = Announcement.StaticData.Cast<FLiveLinkSkeletonStaticData>();
	ASSERT_NE(Skeleton, nullptr);
	ASSERT_EQ(Skeleton->BoneNames.Num(), 52);
	ASSERT_EQ(Skeleton->BoneParents.Num(), 52);
	struct FBone
	{
		int32 Index;
		const char* Name;
		int32 Parent;
	};
	for (const FBone& Bone : {FBone{0, "Hips", -1}, FBone{4, "LeftToes", 3}, FBone{8, "RightToes", 7}, FBone{11, "Chest2", 10},
			 FBone{16, "Neck", 11}, FBone{17, "Neck1", 16}, FBone{18, "RightCollar", 11}, FBone{22, "LeftFinger0", 15},
			 FBone{36, "LeftFinger42", 35}, FBone{49, "RightFinger4", 21}, FBone{51, "RightFinger42", 50}})
	{
		EXPECT_EQ(Skeleton->BoneNames[Bone.Index].ToString().ToStdString(), Bone.Name);
		EXPECT_EQ(Skeleton->BoneParents[Bone.Index], Bone.Parent) << Bone.Name;
	}
	for (int32 Index = 1; Index < 52; ++Index)
	{
		EXPECT_LT(Skeleton->BoneParents[Index], Index) << "a parent comes before its child";
	}
	EXPECT_EQ(Skeleton->PropertyNames, (TArray<FName>{"UpperLegLength", "LowerLegLength", "HipToUpperLegLength", "PositionOffsetX",
										   "PositionOffsetY", "PositionOffsetZ", "HeightOffset"}));
}

TEST_F(ZevoCharacterDecoderTest, IdentityRotationsSentWFirstArriveWithWLast)
{
	FTestPose Pose = FTestPose::Random(3);
	for (int32 Bone = 0; Bone < 52; ++Bone)
	{
		float* Q = Pose.Values + 3 + 4 * Bone;
		Q[0] = 1, Q[1] = Q[2] = Q[3] = 0;
	}
	Decode(CharacterMessage("Actor1", Pose));
	const FLiveLinkAnimationFrameData* Frame = Client.Frame<FLiveLinkAnimationFrameData>();
	ASSERT_NE(Frame, nullptr);
	for (const FTransform& Transform : Frame->Transforms)
	{
		EXPECT_EQ(Transform.GetRotation().W, 1.0);
		EXPECT_EQ(Transform.GetRotation().X, 0.0);
	}
}

TEST_F(ZevoCharacterDecoderTest, MissingPropertyFloatsAreZeroAndExtraOnesDropped)
{
	Decode(CharacterMessage("Short", FTestPose::Random(1), 3));
	Decode(CharacterMessage("Long", FTestPose::Random(1), 9));
	EXPECT_EQ(Client.Frame<FLiveLinkAnimationFrameData>(0)->PropertyValues, (TArray<float>{10, 11, 12, 0, 0, 0, 0}));
	EXPECT_EQ(Client.Frame<FLiveLinkAnimationFrameData>(1)->PropertyValues, (TArray<float>{10, 11, 12, 13, 14, 15, 16}));
}

TEST_F(ZevoCharacterDecoderTest, AcceptsArgumentsInAnyOrderAndSkipsTagsWithoutData)
{
	const FTestPose Pose = FTestPose::Random(4);
	lo_message Message = lo_message_new();
	lo_message_add_float(Message, 1.0f);
	lo_message_add_true(Message);
	lo_message_add_int32(Message, 99);
	const TArray<uint8> Payload = Pose.LittleEndianBytes();
	lo_blob Blob = lo_blob_new(Payload.Num(), Payload.GetData());
	lo_message_add_blob(Message, Blob);
	lo_blob_free(Blob);
	lo_message_add_nil(Message);
	lo_message_add_false(Message);
	lo_message_add_float(Message, 2.0f);
	lo_message_add_string(Message, "Late");
	Decode(Serialise(Message, CharacterAddress));

	EXPECT_EQ(Client.Journal(), (TArray<FString>{"static Late", "frame Late"}));
	ExpectPose(*Client.Frame<FLiveLinkAnimationFrameData>(), Pose);
	EXPECT_EQ(Client.Frame<FLiveLinkAnimationFrameData>()->PropertyValues, (TArray<float>{1, 2, 0, 0, 0, 0, 0}));
}

TEST_F(ZevoCharacterDecoderTest, ADoubleTagCarriesNoBytesForThisStream)
{
	const FTestPose Pose = FTestPose::Random(5);
	Decode(FOscBytes().String(CharacterAddress).String(",sdbf").String("Actor1").Blob(Pose.LittleEndianBytes()).Float(3.0f).Bytes);
	ExpectPose(*Client.Frame<FLiveLinkAnimationFrameData>(), Pose);
	EXPECT_EQ(Client.Frame<FLiveLinkAnimationFrameData>()->PropertyValues[0], 3.0f);
}

TEST_F(ZevoCharacterDecoderTest, ABigEndianBlobDecodesToOtherValues)
{
	const FTestPose Pose = FTestPose::Random(6);
	TArray<uint8> BigEndian = Pose.LittleEndianBytes();
	for (int32 Index = 0; Index < BigEndian.Num(); Index += 4)
	{
		std::swap(BigEndian[Index], BigEndian[Index + 3]);
		std::swap(BigEndian[Index + 1], BigEndian[Index + 2]);
	}
	Decode(FOscBytes().String(CharacterAddress).String(",sb").String("Actor1").Blob(BigEndian).Bytes);
	const FLiveLinkAnimationFrameData* Frame = Client.Frame<FLiveLinkAnimationFrameData>();
	ASSERT_NE(Frame, nullptr);
	EXPECT_NE(Frame->Transforms[0].GetTranslation(), FVector(0.25, 1.0, -0.5));
}

TEST_F(ZevoCharacterDecoderTest, DispatchIgnoresTheLetterCaseOfTheAddress)
{
	Decode(CharacterMessage("Lower", FTestPose::Random(1), 7, "/zevo/stream/motion/unreal/local"));
	Decode(CharacterMessage("Mixed", FTestPose::Random(1), 7, "/Zevo/STREAM/motion/Unreal/LOCAL"));
	Decode(FOscBytes().String("/zevo/stream/motion/unreal/PROPS").String(",iis").Int(1).Int(2).String("Prop").Bytes);
	EXPECT_EQ(Client.Journal(), (TArray<FString>{"static Lower", "frame Lower", "static Mixed", "frame Mixed", "static Prop_2", "frame Prop_2"}));
}
