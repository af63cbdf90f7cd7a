#include "Bones/ZevoSkeletonReader.h"

#include "Bones/ZevoFingerChains.h"
#include "Bones/ZevoSkeletonStructure.h"

FZevoRowReading FZevoSkeletonReader::Read(const FZevoRigTree& Tree)
{
	FZevoRowReading Reading;
	const FZevoSkeletonStructure::FHands Hands = FZevoSkeletonStructure::ReadBody(Tree, Reading);
	if (Hands.Left != INDEX_NONE)
	{
		FZevoFingerChains::ReadHand(Tree, Hands.Left, EZevoBoneSide::Left, Reading);
	}
	if (Hands.Right != INDEX_NONE)
	{
		FZevoFingerChains::ReadHand(Tree, Hands.Right, EZevoBoneSide::Right, Reading);
	}
	return Reading;
}
