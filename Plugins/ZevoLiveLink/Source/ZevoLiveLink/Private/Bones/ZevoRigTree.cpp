#include "Bones/ZevoRigTree.h"

#include "ReferenceSkeleton.h"

FZevoRigTree FZevoRigTree::FromReferenceSkeleton(const FReferenceSkeleton& Skeleton)
{
	TArray<FString> Names;
	TArray<int32> Parents;
	TArray<FTransform> Component;
	const TArray<FTransform>& Local = Skeleton.GetRefBonePose();
	for (int32 Bone = 0; Bone < Skeleton.GetNum(); ++Bone)
	{
		const int32 Parent = Skeleton.GetParentIndex(Bone);
		Names.Add(Skeleton.GetBoneName(Bone).ToString());
		Parents.Add(Parent);
		const FTransform Own = Bone < Local.Num() ? Local[Bone] : FTransform::Identity;
		Component.Add(Parent == INDEX_NONE || Parent >= Bone ? Own : Own * Component[Parent]);
	}
	TArray<FVector> Positions;
	for (const FTransform& Transform : Component)
	{
		Positions.Add(Transform.GetLocation());
	}
	return FromBones(Names, Parents, Positions);
}

FZevoRigTree FZevoRigTree::FromBones(const TArray<FString>& Names, const TArray<int32>& Parents, const TArray<FVector>& Positions)
{
	FZevoRigTree Tree;
	Tree.Names = Names;
	Tree.Parents = Parents;
	Tree.Positions = Positions;
	Tree.Positions.SetNum(Names.Num());
	Tree.Readings = FZevoBoneNameReader::ReadRig(Names);
	Tree.Children.SetNum(Names.Num());
	Tree.Depths.Init(0, Names.Num());
	Tree.Heights.Init(0, Names.Num());
	for (int32 Bone = 0; Bone < Names.Num(); ++Bone)
	{
		// A parent after its child (or no bone at all) cannot come from a reference skeleton; such a
		// bone is a root here, so that every walk up the tree ends.
		if (Tree.Parents[Bone] < 0 || Tree.Parents[Bone] >= Bone)
		{
			Tree.Parents[Bone] = INDEX_NONE;
		}
		const int32 Parent = Tree.Parents[Bone];
		if (Parent != INDEX_NONE)
		{
			Tree.Children[Parent].Add(Bone);
			Tree.Depths[Bone] = Tree.Depths[Parent] + 1;
		}
	}
	for (int32 Bone = Names.Num() - 1; Bone >= 0; --Bone)
	{
		const int32 Parent = Tree.Parents[Bone];
		if (Parent != INDEX_NONE && !Tree.Readings[Bone].IsTip())
		{
			Tree.Heights[Parent] = FMath::Max(Tree.Heights[Parent], Tree.Heights[Bone] + 1);
		}
	}
	return Tree;
}

bool FZevoRigTree::IsAncestorOrSelf(int32 Ancestor, int32 Bone) const
{
	for (; Bone != INDEX_NONE && Depths[Bone] >= Depths[Ancestor]; Bone = Parents[Bone])
	{
		if (Bone == Ancestor)
		{
			return true;
		}
	}
	return false;
}

int32 FZevoRigTree::LowestCommonAncestor(int32 A, int32 B) const
{
	if (A == INDEX_NONE || B == INDEX_NONE)
	{
		return INDEX_NONE;
	}
	while (A != B && A != INDEX_NONE && B != INDEX_NONE)
	{
		if (Depths[A] >= Depths[B])
		{
			A = Parents[A];
		}
		else
		{
			B = Parents[B];
		}
	}
	return A == B ? A : INDEX_NONE;
}

TArray<int32> FZevoRigTree::PathDown(int32 Top, int32 Bottom) const
{
	TArray<int32> Path;
	if (Top == INDEX_NONE || Bottom == INDEX_NONE || Top == Bottom || !IsAncestorOrSelf(Top, Bottom))
	{
		return Path;
	}
	for (int32 Bone = Bottom; Bone != Top; Bone = Parents[Bone])
	{
		Path.Insert(Bone, 0);
	}
	return Path;
}

int32 FZevoRigTree::ChildToward(int32 Top, int32 Bottom) const
{
	const TArray<int32> Path = PathDown(Top, Bottom);
	return Path.IsEmpty() ? INDEX_NONE : Path[0];
}
