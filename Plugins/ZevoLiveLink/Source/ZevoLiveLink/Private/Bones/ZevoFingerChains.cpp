#include "Bones/ZevoFingerChains.h"

namespace
{
using EWord = EZevoBodyWord;

constexpr int32 FingerCount = 5;
constexpr int32 SegmentCount = 3;

struct FChain
{
	TArray<int32> Bones;
	/** 0 thumb to 4 pinky; INDEX_NONE until known. */
	int32 Finger = INDEX_NONE;
};

bool IsMetacarpal(const FZevoBoneNameReading& Reading)
{
	return Reading.Has(EWord::Metacarpal) && Reading.FingerWord() != EWord::Thumb;
}

// Down a finger: the one child that goes on, or of several the one of the same finger.
TArray<int32> FollowFinger(const FZevoRigTree& Tree, int32 Bone)
{
	TArray<int32> Bones;
	while (Bone != INDEX_NONE)
	{
		Bones.Add(Bone);
		const EWord Finger = Tree.Reading(Bone).FingerWord();
		TArray<int32> Next;
		TArray<int32> SameFinger;
		for (const int32 Child : Tree.Children[Bone])
		{
			if (Tree.IsBodyBone(Child))
			{
				Next.Add(Child);
				if (Finger != EWord::Unknown && Tree.Reading(Child).FingerWord() == Finger)
				{
					SameFinger.Add(Child);
				}
			}
		}
		Bone = Next.Num() == 1 ? Next[0] : (SameFinger.Num() == 1 ? SameFinger[0] : INDEX_NONE);
	}
	return Bones;
}

TArray<FChain> ChainsUnder(const FZevoRigTree& Tree, int32 Hand)
{
	TArray<FChain> Chains;
	for (const int32 Child : Tree.Children[Hand])
	{
		if (!Tree.IsBodyBone(Child))
		{
			continue;
		}
		if (IsMetacarpal(Tree.Reading(Child)) && !Tree.Children[Child].IsEmpty())
		{
			for (const int32 Finger : Tree.Children[Child])
			{
				if (Tree.IsBodyBone(Finger))
				{
					Chains.Add({FollowFinger(Tree, Finger)});
				}
			}
			continue;
		}
		Chains.Add({FollowFinger(Tree, Child)});
	}
	return Chains;
}

int32 FingerOfWord(EWord Word)
{
	return Word == EWord::Unknown ? INDEX_NONE : static_cast<int32>(Word) - static_cast<int32>(EWord::Thumb);
}

// Words first; then the numbers of "Finger<n>" chains, counted from 0 when some chain is 0.
void NameByWordsAndNumbers(const FZevoRigTree& Tree, TArray<FChain>& Chains)
{
	int32 Lowest = INDEX_NONE;
	for (FChain& Chain : Chains)
	{
		for (const int32 Bone : Chain.Bones)
		{
			if (Chain.Finger == INDEX_NONE)
			{
				Chain.Finger = FingerOfWord(Tree.Reading(Bone).FingerWord());
			}
		}
		const FZevoBoneNameReading& First = Tree.Reading(Chain.Bones[0]);
		if (Chain.Finger == INDEX_NONE && First.Has(EWord::Finger) && First.FirstNumber != INDEX_NONE)
		{
			Lowest = Lowest == INDEX_NONE ? First.FirstNumber : FMath::Min(Lowest, First.FirstNumber);
		}
	}
	for (FChain& Chain : Chains)
	{
		const FZevoBoneNameReading& First = Tree.Reading(Chain.Bones[0]);
		if (Chain.Finger == INDEX_NONE && First.Has(EWord::Finger) && First.FirstNumber != INDEX_NONE)
		{
			const int32 Finger = First.FirstNumber - (Lowest == 0 ? 0 : 1);
			Chain.Finger = Finger >= 0 && Finger < FingerCount ? Finger : INDEX_NONE;
		}
	}
}

// Unnamed fingers by place: the thumb starts nearest the hand, the others follow outward from it.
void NameByPlace(const FZevoRigTree& Tree, int32 Hand, TArray<FChain>& Chains)
{
	TArray<FChain*> Fingers;
	for (FChain& Chain : Chains)
	{
		if (Chain.Bones.Num() >= 2)
		{
			Fingers.Add(&Chain);
		}
	}
	if (Fingers.Num() < 4 || Fingers.Num() > FingerCount)
	{
		return;
	}
	const auto Start = [&Tree](const FChain* Chain) { return Tree.Positions[Chain->Bones[0]]; };
	Fingers.Sort([&](const FChain* A, const FChain* B) {
		return FVector::Dist(Start(A), Tree.Positions[Hand]) < FVector::Dist(Start(B), Tree.Positions[Hand]);
	});
	const FVector Thumb = Start(Fingers[0]);
	Fingers.Sort([&](const FChain* A, const FChain* B) { return FVector::Dist(Start(A), Thumb) < FVector::Dist(Start(B), Thumb); });
	for (int32 Index = 0; Index < Fingers.Num(); ++Index)
	{
		Fingers[Index]->Finger = Index + (FingerCount - Fingers.Num());
	}
}

// The segments of a finger: a metacarpal before them goes (the thumb's stays), and so does a
// leaf beyond three bones, which marks the tip.
TArray<int32> Segments(const FZevoRigTree& Tree, const FChain& Chain)
{
	TArray<int32> Bones = Chain.Bones;
	const bool bThumb = Chain.Finger == 0;
	if (!bThumb && Bones.Num() > 1 && Tree.Reading(Bones[0]).Has(EWord::Metacarpal))
	{
		Bones.RemoveAt(0);
	}
	if (!bThumb && Bones.Num() > SegmentCount && Tree.Reading(Bones[0]).FirstNumber == 0 && Tree.Reading(Bones[1]).FirstNumber == 1)
	{
		Bones.RemoveAt(0);
	}
	if (Bones.Num() > SegmentCount && Tree.Children[Bones.Last()].IsEmpty())
	{
		Bones.Pop();
	}
	return Bones;
}
}

void FZevoFingerChains::ReadHand(const FZevoRigTree& Tree, int32 Hand, EZevoBoneSide Side, FZevoRowReading& Out)
{
	const EZevoBoneName FirstRow = Side == EZevoBoneSide::Left ? EZevoBoneName::LeftFinger0 : EZevoBoneName::RightFinger0;
	for (int32 Row = 0; Row < FingerCount * SegmentCount; ++Row)
	{
		Out.Set(FirstRow, Row, INDEX_NONE);
	}
	TArray<FChain> Chains = ChainsUnder(Tree, Hand);
	NameByWordsAndNumbers(Tree, Chains);
	if (!Chains.ContainsByPredicate([](const FChain& Chain) { return Chain.Finger != INDEX_NONE; }))
	{
		NameByPlace(Tree, Hand, Chains);
	}
	TSet<int32> Seen;
	for (const FChain& Chain : Chains)
	{
		if (Chain.Finger == INDEX_NONE || Seen.Contains(Chain.Finger))
		{
			continue;
		}
		Seen.Add(Chain.Finger);
		const TArray<int32> Bones = Segments(Tree, Chain);
		for (int32 Segment = 0; Segment < SegmentCount && Segment < Bones.Num(); ++Segment)
		{
			Out.Set(FirstRow, Chain.Finger * SegmentCount + Segment, Bones[Segment]);
		}
	}
}
