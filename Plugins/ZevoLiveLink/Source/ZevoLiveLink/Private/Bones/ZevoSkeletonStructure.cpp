#include "Bones/ZevoSkeletonStructure.h"

namespace
{
using EWord = EZevoBodyWord;

struct FRoleWord
{
	EWord Word;
	float Weight;
};

// Which words fit each of a limb's four rows, and how well: a joint word names the bone that
// starts at that joint, so it fits that row as well as the segment word does. The shoulder joint
// also fits the collar row, a little less, for rigs that call the collar the shoulder; a foot also
// fits the toe row, for joint-named rigs whose "Foot" under the ankle is the ball of the foot.
constexpr int32 RoleCount = 4;
constexpr int32 MaxWordsPerRole = 3;
struct FRole
{
	FRoleWord Words[MaxWordsPerRole];
};
constexpr FRole ArmRoles[RoleCount] = {
	{{{EWord::Collar, 2.0f}, {EWord::Shoulder, 1.5f}}},
	{{{EWord::UpperArm, 2.0f}, {EWord::Shoulder, 2.0f}}},
	{{{EWord::ForeArm, 2.0f}, {EWord::Elbow, 2.0f}}},
	{{{EWord::Hand, 2.0f}, {EWord::Wrist, 2.0f}}},
};
constexpr FRole LegRoles[RoleCount] = {
	{{{EWord::Thigh, 2.0f}, {EWord::Hip, 2.0f}, {EWord::Leg, 1.5f}}},
	{{{EWord::Shin, 2.0f}, {EWord::Knee, 2.0f}, {EWord::Leg, 2.0f}}},
	{{{EWord::Foot, 2.0f}, {EWord::Ankle, 2.0f}}},
	{{{EWord::Toe, 2.0f}, {EWord::Foot, 2.0f}}},
};
constexpr EWord ArmWords[] = {EWord::Collar, EWord::Shoulder, EWord::UpperArm, EWord::Elbow, EWord::ForeArm, EWord::Wrist, EWord::Hand};
constexpr EWord LegWords[] = {EWord::Hip, EWord::Thigh, EWord::Leg, EWord::Knee, EWord::Shin, EWord::Ankle, EWord::Foot, EWord::Toe};

// Scores of the chain assignment: a bone without a limb word may take any row, a bone left out
// costs (less beyond the last row: the end of a limb), and so does a row left empty between two
// filled ones (a limb has no gaps).
constexpr float AnonymousBone = 0.5f;
constexpr float WrongWord = -3.0f;
constexpr float LeftOutBone = -1.0f;
constexpr float BeyondLastRow = -0.5f;
constexpr float GapInLimb = -1.0f;
constexpr float PerUnknownToken = 0.1f;
constexpr float Impossible = -1.0e6f;
constexpr int32 MaxChain = 16;

bool IsLimbWord(EZevoLimb Limb, EWord Word)
{
	const auto Holds = [Word](const auto& Words) {
		for (const EWord LimbWord : Words)
		{
			if (LimbWord == Word)
			{
				return true;
			}
		}
		return false;
	};
	return Limb == EZevoLimb::Arm ? Holds(ArmWords) : Holds(LegWords);
}

TArray<EWord> LimbWordsOf(const FZevoRigTree& Tree, int32 Bone, EZevoLimb Limb)
{
	TArray<EWord> Words;
	for (const EWord Word : Tree.Reading(Bone).Words)
	{
		if (IsLimbWord(Limb, Word))
		{
			Words.AddUnique(Word);
		}
	}
	return Words;
}

float MatchScore(const FZevoRigTree& Tree, int32 Bone, EZevoLimb Limb, int32 Role)
{
	const TArray<EWord> Words = LimbWordsOf(Tree, Bone, Limb);
	const float Unknown = PerUnknownToken * Tree.Reading(Bone).UnknownTokens;
	if (Words.IsEmpty())
	{
		return AnonymousBone - Unknown;
	}
	const FRole& Fitting = (Limb == EZevoLimb::Arm ? ArmRoles : LegRoles)[Role];
	float Best = WrongWord;
	for (const FRoleWord& Entry : Fitting.Words)
	{
		if (Entry.Weight > 0.0f && Words.Contains(Entry.Word))
		{
			Best = FMath::Max(Best, Entry.Weight);
		}
	}
	return Best - Unknown;
}

// The chain without helpers and end points; of consecutive bones with the same limb words
// ("thigh", "thigh.001"; "ShoulderP", "Shoulder", "ShoulderC") the one with the plainest name stays.
TArray<int32> PrepareChain(const FZevoRigTree& Tree, const TArray<int32>& Raw, EZevoLimb Limb)
{
	TArray<int32> Chain;
	for (const int32 Bone : Raw)
	{
		if (!Tree.IsBodyBone(Bone))
		{
			continue;
		}
		const TArray<EWord> Words = LimbWordsOf(Tree, Bone, Limb);
		if (!Chain.IsEmpty() && !Words.IsEmpty() && LimbWordsOf(Tree, Chain.Last(), Limb) == Words)
		{
			if (Tree.Reading(Bone).UnknownTokens < Tree.Reading(Chain.Last()).UnknownTokens)
			{
				Chain.Last() = Bone;
			}
			continue;
		}
		Chain.Add(Bone);
	}
	return Chain;
}

// Best assignment of the four rows to chain bones, in order: Best[i][j][s] is the best score for
// bones i.. and rows j.., s telling whether a row was filled before. Of two equal assignments the
// one that gives a row to the deeper bone wins: helpers sit at the top of a segment (a shoulder
// helper above the upper arm, a hip joint above the thigh), and a joint's own bone follows them.
struct FLimbSolver
{
	const FZevoRigTree& Tree;
	const TArray<int32>& Chain;
	EZevoLimb Limb;
	bool bEndsAtHand;
	float Memo[MaxChain + 1][RoleCount + 1][2] = {};
	bool bKnown[MaxChain + 1][RoleCount + 1][2] = {};

	float LeaveOut(int32 Index, int32 Role) const
	{
		return Tree.Reading(Chain[Index]).Has(EWord::Passage) ? 0.0f : (Role == RoleCount ? BeyondLastRow : LeftOutBone);
	}

	float Best(int32 Index, int32 Role, int32 bStarted)
	{
		const int32 Count = Chain.Num();
		if (Index == Count)
		{
			return 0.0f;
		}
		if (bKnown[Index][Role][bStarted])
		{
			return Memo[Index][Role][bStarted];
		}
		const bool bMustBeHand = bEndsAtHand && Index == Count - 1;
		float Result = Impossible;
		if (!bMustBeHand)
		{
			Result = FMath::Max(Result, LeaveOut(Index, Role) + Best(Index + 1, Role, bStarted));
		}
		if (Role < RoleCount)
		{
			if (!bMustBeHand || Role == RoleCount - 1)
			{
				Result = FMath::Max(Result, MatchScore(Tree, Chain[Index], Limb, Role) + Best(Index + 1, Role + 1, 1));
			}
			Result = FMath::Max(Result, (bStarted ? GapInLimb : 0.0f) + Best(Index, Role + 1, bStarted));
		}
		bKnown[Index][Role][bStarted] = true;
		Memo[Index][Role][bStarted] = Result;
		return Result;
	}

	TArray<int32> Assignment()
	{
		TArray<int32> Rows;
		Rows.Init(INDEX_NONE, RoleCount);
		int32 Index = 0;
		int32 Role = 0;
		int32 bStarted = 0;
		while (Index < Chain.Num())
		{
			const float Here = Best(Index, Role, bStarted);
			const bool bMustBeHand = bEndsAtHand && Index == Chain.Num() - 1;
			if (!bMustBeHand && FMath::IsNearlyEqual(Here, LeaveOut(Index, Role) + Best(Index + 1, Role, bStarted)))
			{
				++Index;
				continue;
			}
			if (Role < RoleCount)
			{
				if ((!bMustBeHand || Role == RoleCount - 1)
					&& FMath::IsNearlyEqual(Here, MatchScore(Tree, Chain[Index], Limb, Role) + Best(Index + 1, Role + 1, 1)))
				{
					Rows[Role++] = Chain[Index++];
					bStarted = 1;
					continue;
				}
				if (FMath::IsNearlyEqual(Here, (bStarted ? GapInLimb : 0.0f) + Best(Index, Role + 1, bStarted)))
				{
					++Role;
					continue;
				}
			}
			++Index;
		}
		return Rows;
	}
};

// The chain below Bone that a limb follows: past leaf helpers beside it, into the one child that
// goes on (the one with the limb's words when several do), stopping where it branches.
TArray<int32> MainPath(const FZevoRigTree& Tree, int32 Bone, EZevoLimb Limb)
{
	TArray<int32> Path;
	while (Bone != INDEX_NONE)
	{
		Path.Add(Bone);
		// A helper inside the limb (a twist bone between thigh and shin) is walked through when no
		// body bone goes on; leaf helpers and helper branches beside the limb are not.
		TArray<int32> Inner;
		TArray<int32> InnerHelpers;
		TArray<int32> Leaves;
		for (const int32 Child : Tree.Children[Bone])
		{
			if (Tree.Reading(Child).IsTip())
			{
				continue;
			}
			if (Tree.Heights[Child] > 0)
			{
				(Tree.IsBodyBone(Child) ? Inner : InnerHelpers).Add(Child);
			}
			else if (Tree.IsBodyBone(Child))
			{
				Leaves.Add(Child);
			}
		}
		if (Inner.IsEmpty())
		{
			Inner = InnerHelpers;
		}
		const auto WithLimbWords = [&](const TArray<int32>& Bones) {
			TArray<int32> Result;
			for (const int32 Child : Bones)
			{
				if (!LimbWordsOf(Tree, Child, Limb).IsEmpty())
				{
					Result.Add(Child);
				}
			}
			return Result;
		};
		const TArray<int32>& Candidates = Inner.IsEmpty() ? Leaves : Inner;
		const TArray<int32> Worded = WithLimbWords(Candidates);
		Bone = Candidates.Num() == 1 ? Candidates[0] : (Worded.Num() == 1 ? Worded[0] : INDEX_NONE);
	}
	return Path;
}

bool HasAny(const FZevoBoneNameReading& Reading, std::initializer_list<EWord> Words)
{
	for (const EWord Word : Words)
	{
		if (Reading.Has(Word))
		{
			return true;
		}
	}
	return false;
}

// Toes are named like fingers in some rigs ("BigToe", "MidToe", "IndexToe"): they are no fingers.
bool IsFingerBone(const FZevoBoneNameReading& Reading)
{
	return (Reading.FingerWord() != EWord::Unknown || Reading.Has(EWord::Finger)) && !HasAny(Reading, {EWord::Toe, EWord::Foot});
}

// The topmost body bone of the side with one of the words; INDEX_NONE if none.
int32 TopmostWith(const FZevoRigTree& Tree, EZevoBoneSide Side, std::initializer_list<EWord> Words)
{
	int32 Found = INDEX_NONE;
	for (int32 Bone = 0; Bone < Tree.Num(); ++Bone)
	{
		const FZevoBoneNameReading& Reading = Tree.Reading(Bone);
		if (Reading.Side == Side && Tree.IsBodyBone(Bone) && HasAny(Reading, Words)
			&& (Found == INDEX_NONE || Tree.Depths[Bone] < Tree.Depths[Found]))
		{
			Found = Bone;
		}
	}
	return Found;
}

struct FHand
{
	int32 Bone = INDEX_NONE;
	/** Found where the fingers branch, so the arm chain ends there. */
	bool bFromFingers = false;
};

// The hand is where the side's fingers meet; without fingers, the topmost hand or wrist bone.
FHand FindHand(const FZevoRigTree& Tree, EZevoBoneSide Side)
{
	FHand Hand;
	for (int32 Bone = 0; Bone < Tree.Num(); ++Bone)
	{
		if (Tree.Reading(Bone).Side == Side && Tree.IsBodyBone(Bone) && IsFingerBone(Tree.Reading(Bone)))
		{
			Hand.Bone = Hand.Bone == INDEX_NONE ? Bone : Tree.LowestCommonAncestor(Hand.Bone, Bone);
		}
	}
	while (Hand.Bone != INDEX_NONE && (IsFingerBone(Tree.Reading(Hand.Bone)) || Tree.Reading(Hand.Bone).Has(EWord::Metacarpal)))
	{
		Hand.Bone = Tree.Parents[Hand.Bone];
	}
	if (Hand.Bone != INDEX_NONE)
	{
		Hand.bFromFingers = true;
		return Hand;
	}
	Hand.Bone = TopmostWith(Tree, Side, {EWord::Hand, EWord::Wrist});
	if (Hand.Bone == INDEX_NONE)
	{
		Hand.Bone = TopmostWith(Tree, Side, {EWord::ForeArm, EWord::Elbow});
	}
	return Hand;
}

int32 FindFoot(const FZevoRigTree& Tree, EZevoBoneSide Side)
{
	int32 Foot = TopmostWith(Tree, Side, {EWord::Foot, EWord::Ankle});
	if (Foot == INDEX_NONE)
	{
		Foot = TopmostWith(Tree, Side, {EWord::Toe, EWord::Shin, EWord::Knee});
	}
	return Foot;
}

bool IsHipsWord(const FZevoBoneNameReading& Reading)
{
	return Reading.Side == EZevoBoneSide::None && HasAny(Reading, {EWord::Hips, EWord::Hip});
}

// The hips: the hips-named bone where the legs and the spine meet, else one on the way down to
// the legs ("lower body"), else one just above the meeting (a spine bone carrying the thighs),
// else the meeting bone itself.
int32 FindHips(const FZevoRigTree& Tree, int32 Meeting, int32 LegsMeet)
{
	if (IsHipsWord(Tree.Reading(Meeting)))
	{
		return Meeting;
	}
	for (const int32 Bone : Tree.PathDown(Meeting, LegsMeet))
	{
		if (IsHipsWord(Tree.Reading(Bone)))
		{
			return Bone;
		}
	}
	int32 Above = Tree.Parents[Meeting];
	for (int32 Step = 0; Step < 2 && Above != INDEX_NONE; ++Step, Above = Tree.Parents[Above])
	{
		if (IsHipsWord(Tree.Reading(Above)))
		{
			return Above;
		}
	}
	return Meeting;
}

// The head: the nearest head-named bone above the hub outside the arms, else the end of the
// centre chain that leaves the hub (where it ends or branches).
int32 FindHead(const FZevoRigTree& Tree, int32 Hub, int32 LeftArm, int32 RightArm)
{
	const auto IsCentreBodyBone = [&](int32 Bone) {
		return Tree.IsBodyBone(Bone) && Tree.Reading(Bone).Side == EZevoBoneSide::None && !Tree.IsAncestorOrSelf(LeftArm, Bone)
			&& !Tree.IsAncestorOrSelf(RightArm, Bone);
	};
	int32 Named = INDEX_NONE;
	for (int32 Bone = Hub + 1; Bone < Tree.Num(); ++Bone)
	{
		if (Tree.Reading(Bone).Has(EWord::Head) && IsCentreBodyBone(Bone) && Tree.IsAncestorOrSelf(Hub, Bone)
			&& (Named == INDEX_NONE || Tree.Depths[Bone] < Tree.Depths[Named]))
		{
			Named = Bone;
		}
	}
	if (Named != INDEX_NONE)
	{
		return Named;
	}
	int32 Bone = Hub;
	for (;;)
	{
		TArray<int32> Next;
		for (const int32 Child : Tree.Children[Bone])
		{
			if (IsCentreBodyBone(Child))
			{
				Next.Add(Child);
			}
		}
		if (Bone == Hub && Next.Num() > 1)
		{
			Next.Sort([&](int32 A, int32 B) { return Tree.Heights[A] > Tree.Heights[B]; });
			Next.SetNum(1);
		}
		if (Next.Num() != 1)
		{
			return Bone == Hub ? INDEX_NONE : Bone;
		}
		Bone = Next[0];
	}
}

void WriteLimb(const FZevoRigTree& Tree, const TArray<int32>& Raw, EZevoLimb Limb, bool bEndsAtHand, EZevoBoneName FirstRow,
	FZevoRowReading& Out)
{
	const TArray<int32> Rows = FZevoSkeletonStructure::AssignLimbRows(Tree, Raw, Limb, bEndsAtHand);
	if (Rows.IsEmpty())
	{
		return;
	}
	for (int32 Role = 0; Role < RoleCount; ++Role)
	{
		Out.Set(FirstRow, Role, Rows[Role]);
	}
}

void WriteSpine(const FZevoRigTree& Tree, int32 Hips, int32 Meeting, int32 Hub, int32 Head, FZevoRowReading& Out)
{
	const int32 Start = Tree.IsAncestorOrSelf(Hips, Hub) ? Hips : Meeting;
	TArray<int32> Spine = Tree.PathDown(Start, Hub);
	TArray<int32> Neck = Tree.PathDown(Hub, Head);
	if (!Neck.IsEmpty())
	{
		Neck.Pop();
	}
	// A hub named as the neck (the collars hang from the neck) is the neck, not a spine bone.
	while (!Spine.IsEmpty() && Tree.Reading(Spine.Last()).Has(EWord::Neck))
	{
		Neck.Insert(Spine.Pop(), 0);
	}
	const EZevoBoneName ChestRows[] = {EZevoBoneName::Chest, EZevoBoneName::Chest1, EZevoBoneName::Chest2};
	for (int32 Index = 0; Index < 3; ++Index)
	{
		Out.Set(ChestRows[Index], Index < Spine.Num() ? Spine[Index] : INDEX_NONE);
	}
	Out.Set(EZevoBoneName::Neck, Neck.IsEmpty() ? INDEX_NONE : Neck[0]);
	Out.Set(EZevoBoneName::Neck1, Head);
}
}

TArray<int32> FZevoSkeletonStructure::AssignLimbRows(const FZevoRigTree& Tree, const TArray<int32>& Raw, EZevoLimb Limb, bool bEndsAtHand)
{
	TArray<int32> Chain = PrepareChain(Tree, Raw, Limb);
	if (Chain.Num() > MaxChain)
	{
		// The rows sit at the end that the chain was followed to; what lies far above is not the limb.
		Chain.RemoveAt(0, Chain.Num() - MaxChain);
	}
	if (Chain.IsEmpty())
	{
		return {};
	}
	FLimbSolver Solver{Tree, Chain, Limb, bEndsAtHand && Tree.IsBodyBone(Raw.Last()) && Chain.Last() == Raw.Last()};
	if (Solver.Best(0, 0, 0) <= Impossible / 2)
	{
		return {};
	}
	return Solver.Assignment();
}

FZevoSkeletonStructure::FHands FZevoSkeletonStructure::ReadBody(const FZevoRigTree& Tree, FZevoRowReading& Out)
{
	FHands Hands;
	const FHand LeftHand = FindHand(Tree, EZevoBoneSide::Left);
	const FHand RightHand = FindHand(Tree, EZevoBoneSide::Right);
	const int32 LeftFoot = FindFoot(Tree, EZevoBoneSide::Left);
	const int32 RightFoot = FindFoot(Tree, EZevoBoneSide::Right);
	const int32 Hub = Tree.LowestCommonAncestor(LeftHand.Bone, RightHand.Bone);
	const int32 LegsMeet = Tree.LowestCommonAncestor(LeftFoot, RightFoot);
	const int32 Meeting = Tree.LowestCommonAncestor(Hub, LegsMeet);
	const int32 LeftArm = Tree.ChildToward(Hub, LeftHand.Bone);
	const int32 RightArm = Tree.ChildToward(Hub, RightHand.Bone);
	const int32 LeftLeg = Tree.ChildToward(LegsMeet, LeftFoot);
	const int32 RightLeg = Tree.ChildToward(LegsMeet, RightFoot);

	if (LeftLeg != INDEX_NONE && RightLeg != INDEX_NONE)
	{
		WriteLimb(Tree, MainPath(Tree, LeftLeg, EZevoLimb::Leg), EZevoLimb::Leg, false, EZevoBoneName::LeftHip, Out);
		WriteLimb(Tree, MainPath(Tree, RightLeg, EZevoLimb::Leg), EZevoLimb::Leg, false, EZevoBoneName::RightHip, Out);
	}
	if (LeftArm == INDEX_NONE || RightArm == INDEX_NONE)
	{
		return Hands;
	}
	const auto ArmChain = [&Tree](int32 Root, const FHand& Hand) {
		TArray<int32> Chain = Tree.PathDown(Tree.Parents[Root], Hand.Bone);
		return Hand.bFromFingers ? Chain : MainPath(Tree, Root, EZevoLimb::Arm);
	};
	WriteLimb(Tree, ArmChain(LeftArm, LeftHand), EZevoLimb::Arm, LeftHand.bFromFingers, EZevoBoneName::LeftCollar, Out);
	WriteLimb(Tree, ArmChain(RightArm, RightHand), EZevoLimb::Arm, RightHand.bFromFingers, EZevoBoneName::RightCollar, Out);
	Hands.Left = FMath::Max(Out.Get(EZevoBoneName::LeftWrist), INDEX_NONE);
	Hands.Right = FMath::Max(Out.Get(EZevoBoneName::RightWrist), INDEX_NONE);

	if (Meeting != INDEX_NONE && LeftLeg != INDEX_NONE && RightLeg != INDEX_NONE)
	{
		const int32 Hips = FindHips(Tree, Meeting, LegsMeet);
		Out.Set(EZevoBoneName::Hips, Hips);
		WriteSpine(Tree, Hips, Meeting, Hub, FindHead(Tree, Hub, LeftArm, RightArm), Out);
	}
	return Hands;
}
