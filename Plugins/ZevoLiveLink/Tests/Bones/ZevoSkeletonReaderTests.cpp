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
