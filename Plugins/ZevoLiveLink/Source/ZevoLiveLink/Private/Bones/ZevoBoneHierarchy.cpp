#include "ZevoBoneMapping.h"

#include <initializer_list>

namespace
{
using enum EZevoBoneName;

// The expected parent of each stream bone, by value; Count marks the root.
constexpr EZevoBoneName ExpectedParents[] = {
	Count, Hips, Chest, Chest1, Chest2, Neck,                           // Hips .. Neck1
	Hips, LeftHip, LeftKnee, LeftAnkle,                                 // left leg
	Hips, RightHip, RightKnee, RightAnkle,                              // right leg
	Chest2, LeftCollar, LeftShoulder, LeftElbow,                        // left arm
	Chest2, RightCollar, RightShoulder, RightElbow,                     // right arm
	LeftWrist, LeftFinger0, LeftFinger01, LeftWrist, LeftFinger1, LeftFinger11,
	LeftWrist, LeftFinger2, LeftFinger21, LeftWrist, LeftFinger3, LeftFinger31,
	LeftWrist, LeftFinger4, LeftFinger41,                               // left fingers
	RightWrist, RightFinger0, RightFinger01, RightWrist, RightFinger1, RightFinger11,
	RightWrist, RightFinger2, RightFinger21, RightWrist, RightFinger3, RightFinger31,
	RightWrist, RightFinger4, RightFinger41,                            // right fingers
};
static_assert(UE_ARRAY_COUNT(ExpectedParents) == static_cast<SIZE_T>(Count));

// Names that stand for the same stream bone in common rigs; two names of one group never make
// a duplicate mapping.
constexpr std::initializer_list<const TCHAR*> AliasGroupsAsWritten[] = {
	{TEXT("hips"), TEXT("pelvis")}, {TEXT("chest"), TEXT("spine"), TEXT("spine1")}, {TEXT("chest1"), TEXT("spine2")}, {TEXT("chest2"), TEXT("spine3")}, {TEXT("neck")},
	{TEXT("neck1"), TEXT("head")},
	{TEXT("lefthip"), TEXT("leftupleg")}, {TEXT("leftknee"), TEXT("leftleg")}, {TEXT("leftankle"), TEXT("leftfoot")}, {TEXT("lefttoe"), TEXT("lefttoes")},
	{TEXT("righthip"), TEXT("rightupleg")}, {TEXT("rightknee"), TEXT("rightleg")}, {TEXT("rightankle"), TEXT("rightfoot")}, {TEXT("righttoe"), TEXT("righttoes")},
	{TEXT("leftcollar"), TEXT("leftclavicle")}, {TEXT("leftshoulder"), TEXT("leftupperarm")}, {TEXT("leftelbow"), TEXT("leftlowerarm"), TEXT("leftforearm")},
	{TEXT("leftwrist"), TEXT("lefthand")},
	{TEXT("rightcollar"), TEXT("rightclavicle")}, {TEXT("rightshoulder"), TEXT("rightupperarm")}, {TEXT("rightelbow"), TEXT("rightlowerarm"), TEXT("rightforearm")},
	{TEXT("rightwrist"), TEXT("righthand")},
};

FString LowerIdentifier(EZevoBoneName Bone)
{
	return FZevoBoneNameUtils::EnumToFName(Bone).ToString().ToLower();
}

enum class ESide : uint8
{
	None,
	Left,
	Right,
};

// The hierarchy and the alias groups spell sides out ("lefthip") while normalised names carry
// only the letter ("lhip"). Everything below compares in the normalised form, so that a sided
// stream bone is found, side-checked and matched against its aliases like a side-less one.
struct FCommonForms
{
	TMap<FString, const FZevoBoneHierarchyInfo*> HierarchyEntries;
	TArray<TArray<FString>> AliasGroups;
	TMap<FString, ESide> KnownSides;
};

ESide SideOfSpelledName(const FString& LowerName)
{
	if (LowerName.Contains(TEXT("left")))
	{
		return ESide::Left;
	}
	return LowerName.Contains(TEXT("right")) ? ESide::Right : ESide::None;
}

const FCommonForms& CommonForms()
{
	static const FCommonForms Forms = []
	{
		FCommonForms Result;
		for (const auto& Entry : FZevoBoneNameMappings::GetExpectedBoneHierarchy())
		{
			const FString Normalized = FZevoBoneNameMappings::NormalizeBoneName(Entry.Key);
			Result.HierarchyEntries.Add(Normalized, &Entry.Value);
			Result.KnownSides.Add(Normalized, SideOfSpelledName(Entry.Key));
		}
		for (const std::initializer_list<const TCHAR*> Group : AliasGroupsAsWritten)
		{
			TArray<FString>& NormalizedGroup = Result.AliasGroups.Emplace_GetRef();
			for (const FString Member : Group)
			{
				const FString Normalized = FZevoBoneNameMappings::NormalizeBoneName(Member);
				NormalizedGroup.Add(Normalized);
				Result.KnownSides.Add(Normalized, SideOfSpelledName(Member));
			}
		}
		return Result;
	}();
	return Forms;
}

/** Side markers that cannot be read otherwise: a side word, or a side letter set off by a separator. */
ESide ExplicitSide(const FString& LowerName)
{
	const auto HasMarkers = [&LowerName](const TCHAR* Word, TCHAR Letter)
	{
		if (LowerName.Contains(Word))
		{
			return true;
		}
		for (const TCHAR Separator : {TEXT('_'), TEXT('.'), TEXT('-'), TEXT(' ')})
		{
			const TCHAR Leading[] = {Letter, Separator, TEXT('\0')};
			const TCHAR Trailing[] = {Separator, Letter, TEXT('\0')};
			if (LowerName.StartsWith(Leading) || LowerName.EndsWith(Trailing))
			{
				return true;
			}
		}
		return false;
	};
	const bool bLeft = HasMarkers(TEXT("left"), TEXT('l'));
	const bool bRight = HasMarkers(TEXT("right"), TEXT('r'));
	return bLeft == bRight ? ESide::None : (bLeft ? ESide::Left : ESide::Right);
}

/** A trailing side letter, except where the letter belongs to the word ("ball", "collar", "finger"). */
bool EndsWithSideLetter(const FString& Normalized, ESide Side)
{
	if (Side == ESide::Left)
	{
		return Normalized.EndsWith(TEXT("l")) && !Normalized.EndsWith(TEXT("ll")) && !Normalized.EndsWith(TEXT("oll")) && !Normalized.EndsWith(TEXT("all"));
	}
	return Normalized.EndsWith(TEXT("r")) && !Normalized.EndsWith(TEXT("rr")) && !Normalized.EndsWith(TEXT("ar")) && !Normalized.EndsWith(TEXT("er"));
}

/**
 * Which sides a target bone name may stand for: its explicit markers when they name one side,
 * else the side of the stream bone or alias it names, else a side word or trailing side letter
 * in its normalised form (which can name both).
 */
void TargetSides(const FString& TargetBone, const FString& Normalized, bool& bOutLeft, bool& bOutRight)
{
	ESide Side = ExplicitSide(TargetBone.ToLower());
	if (Side == ESide::None)
	{
		Side = CommonForms().KnownSides.FindRef(Normalized);
	}
	if (Side != ESide::None)
	{
		bOutLeft = Side == ESide::Left;
		bOutRight = Side == ESide::Right;
		return;
	}
	bOutLeft = Normalized.Contains(TEXT("left")) || EndsWithSideLetter(Normalized, ESide::Left);
	bOutRight = Normalized.Contains(TEXT("right")) || EndsWithSideLetter(Normalized, ESide::Right);
}

/** The target mapped to a stream bone, whether the mappings name it spelled out or normalised. */
const FString* FindMappedTarget(const TMap<FString, FString>& ExistingMappings, const FString& StreamBone)
{
	if (const FString* Target = ExistingMappings.Find(StreamBone))
	{
		return Target;
	}
	return ExistingMappings.Find(FZevoBoneNameMappings::NormalizeBoneName(StreamBone));
}
}

const TMap<FString, FZevoBoneHierarchyInfo>& FZevoBoneNameMappings::GetExpectedBoneHierarchy()
{
	static const TMap<FString, FZevoBoneHierarchyInfo> Hierarchy = []
	{
		TMap<FString, FZevoBoneHierarchyInfo> Result;
		for (const EZevoBoneName Bone : FZevoBoneNameUtils::GetAllBoneEnums())
		{
			const EZevoBoneName Parent = ExpectedParents[static_cast<int32>(Bone)];
			TArray<FString> Children;
			for (const EZevoBoneName Child : FZevoBoneNameUtils::GetAllBoneEnums())
			{
				if (ExpectedParents[static_cast<int32>(Child)] == Bone)
				{
					Children.Add(LowerIdentifier(Child));
				}
			}
			FString Name = LowerIdentifier(Bone);
			Result.Add(Name, FZevoBoneHierarchyInfo(Name, Parent == Count ? FString() : LowerIdentifier(Parent), MoveTemp(Children)));
		}
		return Result;
	}();
	return Hierarchy;
}

const FZevoBoneHierarchyInfo* FZevoBoneNameMappings::FindExpectedHierarchyEntry(const FString& BoneName)
{
	if (const FZevoBoneHierarchyInfo* Entry = GetExpectedBoneHierarchy().Find(BoneName))
	{
		return Entry;
	}
	return CommonForms().HierarchyEntries.FindRef(BoneName);
}

FZevoHierarchyValidationResult FZevoBoneNameMappings::ValidateBoneHierarchy(const FString& SourceBone, const FString& TargetBone,
	const TMap<FName, FName>& TargetParents, const TMap<FString, FString>& ExistingMappings)
{
	const FString Source = NormalizeBoneName(SourceBone);
	const FString Target = NormalizeBoneName(TargetBone);

	const FZevoBoneHierarchyInfo* Expected = FindExpectedHierarchyEntry(Source);
	if (!Expected)
	{
		return FZevoHierarchyValidationResult(true, 0.5f, TEXT("Unknown source bone, hierarchy not validated"));
	}

	// Does the target hang under the bone its expected parent was mapped to?
	float Score = 1.0f;
	if (!Expected->ParentBone.IsEmpty())
	{
		const FString* ParentTarget = FindMappedTarget(ExistingMappings, Expected->ParentBone);
		const FName* ActualParent = TargetParents.Find(FName(TargetBone));
		if (ParentTarget && !ParentTarget->IsEmpty() && ActualParent && !ActualParent->IsNone())
		{
			Score = NormalizeBoneName(ActualParent->ToString()) == NormalizeBoneName(*ParentTarget) ? 1.2f : 0.7f;
		}
	}

	// A target another stream bone already uses: fatal unless that bone is an alias of this one.
	for (const auto& Mapping : ExistingMappings)
	{
		if (NormalizeBoneName(Mapping.Value) == Target && NormalizeBoneName(Mapping.Key) != Source)
		{
			if (AreBonesMutuallyExclusive(Mapping.Key, SourceBone))
			{
				return FZevoHierarchyValidationResult(false, 0.0f,
					FString::Printf(TEXT("Target '%s' already mapped to '%s'"), *TargetBone, *Mapping.Key));
			}
			Score *= 0.5f;
		}
	}

	const ESide SourceSide = SideOfSpelledName(Expected->BoneName);
	if (SourceSide != ESide::None)
	{
		bool bTargetLeft = false;
		bool bTargetRight = false;
		TargetSides(TargetBone, Target, bTargetLeft, bTargetRight);
		if ((SourceSide == ESide::Left && bTargetRight) || (SourceSide == ESide::Right && bTargetLeft))
		{
			return FZevoHierarchyValidationResult(false, 0.0f, TEXT("Left/Right side mismatch"));
		}
	}

	return FZevoHierarchyValidationResult(true, FMath::Clamp(Score, 0.0f, 1.5f), FString());
}

TArray<TTuple<FString, float>> FZevoBoneNameMappings::RankCandidatesByHierarchy(const FString& SourceBone,
	const TArray<FString>& Candidates, const TMap<FName, FName>& TargetParents, const TMap<FString, FString>& ExistingMappings)
{
	TArray<TTuple<FString, float>> Ranked;
	Ranked.Reserve(Candidates.Num());
	for (const FString& Candidate : Candidates)
	{
		const FZevoHierarchyValidationResult Result = ValidateBoneHierarchy(SourceBone, Candidate, TargetParents, ExistingMappings);
		if (Result.bIsValid)
		{
			Ranked.Emplace(Candidate, Result.Score);
		}
	}
	Ranked.StableSort([](const TTuple<FString, float>& A, const TTuple<FString, float>& B) { return A.Get<1>() > B.Get<1>(); });
	return Ranked;
}

bool FZevoBoneNameMappings::AreBonesMutuallyExclusive(const FString& A, const FString& B)
{
	const FString NormalizedA = NormalizeBoneName(A);
	const FString NormalizedB = NormalizeBoneName(B);
	if (NormalizedA == NormalizedB)
	{
		return false;
	}
	for (const TArray<FString>& Group : CommonForms().AliasGroups)
	{
		if (Group.Contains(NormalizedA) && Group.Contains(NormalizedB))
		{
			return false;
		}
	}
	return true;
}
