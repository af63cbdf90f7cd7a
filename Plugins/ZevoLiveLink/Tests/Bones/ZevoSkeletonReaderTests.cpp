#include "Bones/ZevoSkeletonReader.h"
#include "ZevoTestRigs.h"

#include <gtest/gtest.h>

namespace
{
FZevoRigTree TreeOf(const TArray<FZevoTestBone>& Bones)
{
	TArray<FString> Names;
	TArray<int32> Parents;
	for (const FZevoTestBone& Bone : Bones)
	{
		Parents.Add(Bone.Parent.IsNone() ? INDEX_NONE : Names.IndexOfByKey(Bone.Parent.ToString()));
		Names.Add(Bone.Name.ToString());
	}
	return FZevoRigTree::FromBones(Names, Parents, {});
}
}

TEST(ZevoSkeletonReader, ReadsASkeletonNamedLikeTheStreamRowForRow)
{
	const FZevoRigTree Tree = TreeOf(ZevoTestRigs::StreamBodyTPose());
	const FZevoRowReading Reading = FZevoSkeletonReader::Read(Tree);
	for (const EZevoBoneName Bone : FZevoBoneNameUtils::GetAllBoneEnums())
	{
		const int32 Row = Reading.Get(Bone);
		ASSERT_GE(Row, 0) << *FZevoBoneNameUtils::EnumToFName(Bone).ToString();
		EXPECT_EQ(Tree.Names[Row], FZevoBoneNameUtils::EnumToFName(Bone).ToString());
	}
}

TEST(ZevoSkeletonReader, ReadsFingersOnlyUnderTheHandsItFound)
{
	// Finger bones without a body: nothing to hang them on, so every row is left to the names.
	const FZevoRigTree Loose = FZevoRigTree::FromBones({"LeftHandThumb1", "LeftHandThumb2", "LeftHandIndex1"}, {INDEX_NONE, 0, INDEX_NONE}, {});
	const FZevoRowReading Unread = FZevoSkeletonReader::Read(Loose);
	EXPECT_EQ(Unread.Rows.IndexOfByPredicate([](int32 Row) { return Row != FZevoRowReading::Unread; }), INDEX_NONE);

	// A body whose hands have no fingers: the finger rows are read as empty, not left unread.
	TArray<FZevoTestBone> Body = ZevoTestRigs::StreamBodyTPose();
	Body.RemoveAll([](const FZevoTestBone& Bone) { return Bone.Name.ToString().Contains(TEXT("Finger")); });
	const FZevoRowReading Fingerless = FZevoSkeletonReader::Read(TreeOf(Body));
	for (const EZevoBoneName Bone : FZevoBoneNameUtils::GetAllBoneEnums())
	{
		const bool bFinger = FZevoBoneNameUtils::GetBoneCategory(Bone) == EZevoBoneCategory::Fingers;
		EXPECT_EQ(Fingerless.Get(Bone) == INDEX_NONE, bFinger) << *FZevoBoneNameUtils::EnumToFName(Bone).ToString();
	}
}

// Whatever a skeleton file holds: parents out of range or after their child, empty and very long
// names, names of nothing but separators or of another script. The reading ends, and reads nothing.
TEST(ZevoSkeletonReader, ReadsMalformedTreesWithoutFault)
{
	FString Long;
	for (int32 Part = 0; Part < 400; ++Part)
	{
		Long += TEXT("handleft");
	}
	FString OtherScript;
	for (int32 Part = 0; Part < 300; ++Part)
	{
		OtherScript += TEXT("左手首謎");
	}
	const TArray<FString> Names{TEXT(""), Long, OtherScript, TEXT("___"), TEXT("LeftHand"), TEXT("RightHand"), TEXT("LeftFoot")};
	const TArray<int32> Parents{-7, 5, 0, 99, 2, 2, INDEX_NONE};
	const FZevoRigTree Tree = FZevoRigTree::FromBones(Names, Parents, {});
	for (int32 Bone = 0; Bone < Tree.Num(); ++Bone)
	{
		EXPECT_TRUE(Tree.Parents[Bone] == INDEX_NONE || Tree.Parents[Bone] < Bone) << Bone;
	}
	const FZevoRowReading Reading = FZevoSkeletonReader::Read(Tree);
	EXPECT_EQ(Reading.Get(EZevoBoneName::Hips), FZevoRowReading::Unread);
	EXPECT_EQ(Reading.Rows.Num(), static_cast<int32>(EZevoBoneName::Count));
}
