#pragma once
// The pass that reads a whole target skeleton before any row is chosen: the names as words
// (FZevoBoneNameReader), the body in the tree (FZevoSkeletonStructure) and the fingers under
// each hand it found (FZevoFingerChains). What it cannot read stays unread, for the name matching.
#include "Bones/ZevoRigTree.h"
#include "Bones/ZevoRowReading.h"

class FZevoSkeletonReader
{
public:
	static FZevoRowReading Read(const FZevoRigTree& Tree);
};
