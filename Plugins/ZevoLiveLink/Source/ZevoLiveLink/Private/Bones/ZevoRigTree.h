#pragma once
// A target skeleton as the whole-skeleton readers see it: each bone's name read as words, its
// parent and children, its rest position, and the longest chain below it. Built once per
// automatic mapping; the readers then walk it without looking up a name.
#include "Bones/ZevoBoneNameReader.h"

class FReferenceSkeleton;

struct FZevoRigTree
{
	/** Bones in reference-skeleton order, parents before children. */
	static FZevoRigTree FromReferenceSkeleton(const FReferenceSkeleton& Skeleton);
	/** The same from plain lists (Parents[i] is INDEX_NONE for a root); positions in component space. */
	static FZevoRigTree FromBones(const TArray<FString>& Names, const TArray<int32>& Parents, const TArray<FVector>& Positions);

	int32 Num() const { return Parents.Num(); }
	const FZevoBoneNameReading& Reading(int32 Bone) const { return Readings[Bone]; }
	/** Neither a helper nor an end point: a bone that a row may take. */
	bool IsBodyBone(int32 Bone) const { return !Readings[Bone].IsHelper() && !Readings[Bone].IsTip(); }
	bool IsAncestorOrSelf(int32 Ancestor, int32 Bone) const;
	/** The deepest bone that has both as descendants (or is one of them); INDEX_NONE if none. */
	int32 LowestCommonAncestor(int32 A, int32 B) const;
	/** The bones from Top (exclusive) down to Bottom (inclusive); empty unless Top is above Bottom. */
	TArray<int32> PathDown(int32 Top, int32 Bottom) const;
	/** The child of Top on the way down to Bottom; INDEX_NONE unless Top is above Bottom. */
	int32 ChildToward(int32 Top, int32 Bottom) const;

	TArray<FString> Names;
	TArray<int32> Parents;
	TArray<TArray<int32>> Children;
	TArray<FVector> Positions;
	TArray<FZevoBoneNameReading> Readings;
	/** Bones from the root. */
	TArray<int32> Depths;
	/** Bones in the longest chain below, end points left out (0 for a leaf). */
	TArray<int32> Heights;
};
