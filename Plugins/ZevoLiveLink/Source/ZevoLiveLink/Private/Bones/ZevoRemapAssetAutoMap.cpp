// Automatic mapping: the whole target skeleton is read first (its names as words, the body in its
// tree, the fingers under each hand) and every row it reads is taken as read. For the rows it
// leaves unread, gather candidate bones of the target skeleton by name, score them by name
// quality, finger and neck vocabulary, parent agreement and side, refuse bones another row has,
// and write the best into the row. Then report duplicates and unmapped bones.
#include "ZevoRemapAssetBase.h"

#include "Animation/Skeleton.h"
#include "Bones/ZevoSkeletonReader.h"

namespace
{
struct FWordRules
{
	TArray<FString> Forbidden;
	TArray<FString> Preferred;
};

/** Neck and finger vocabulary: a head must not be taken for the neck, a thumb for an index. */
FWordRules WordRulesFor(const FString& Normalized)
{
	FWordRules Rules;
	if (Normalized.Equals(TEXT("neck1"), ESearchCase::IgnoreCase))
	{
		Rules = {{TEXT("neck")}, {TEXT("head"), TEXT("skull"), TEXT("cranium")}};
	}
	else if (Normalized.Equals(TEXT("neck"), ESearchCase::IgnoreCase))
	{
		Rules = {{TEXT("head"), TEXT("skull"), TEXT("cranium")}, {TEXT("neck")}};
	}
	const auto Add = [&Rules](TArray<FString> Forbidden, TArray<FString> Preferred) {
		Rules.Forbidden.Append(Forbidden);
		Rules.Preferred.Append(Preferred);
	};
	if (Normalized.Contains(TEXT("finger0")) || Normalized.Contains(TEXT("thumb")))
	{
		Add({TEXT("index"), TEXT("middle"), TEXT("mid"), TEXT("ring"), TEXT("pinky"), TEXT("little")}, {TEXT("thumb")});
	}
	else if (Normalized.Contains(TEXT("finger1")))
	{
		Add({TEXT("thumb"), TEXT("middle"), TEXT("mid"), TEXT("ring"), TEXT("pinky"), TEXT("little")}, {TEXT("index")});
	}
	else if (Normalized.Contains(TEXT("finger2")))
	{
		Add({TEXT("thumb"), TEXT("index"), TEXT("ring"), TEXT("pinky"), TEXT("little")}, {TEXT("middle"), TEXT("mid")});
	}
	else if (Normalized.Contains(TEXT("finger3")))
	{
		Add({TEXT("thumb"), TEXT("index"), TEXT("middle"), TEXT("mid"), TEXT("pinky"), TEXT("little")}, {TEXT("ring")});
	}
	else if (Normalized.Contains(TEXT("finger4")))
	{
		Add({TEXT("thumb"), TEXT("index"), TEXT("middle"), TEXT("mid"), TEXT("ring")}, {TEXT("pinky"), TEXT("little")});
	}
	return Rules;
}

bool ContainsAny(const FString& A, const FString& B, const TArray<FString>& Words)
{
	for (const FString& Word : Words)
	{
		if (A.Contains(Word) || B.Contains(Word))
		{
			return true;
		}
	}
	return false;
}

/** "_l" or ".l" (first occurrence) followed by the end, a digit, "_", "-" or ".". */
bool HasSideMarkerInside(const FString& Lower, const TCHAR* Marker)
{
	const int32 At = Lower.Find(Marker, ESearchCase::CaseSensitive);
	if (At == INDEX_NONE)
	{
		return false;
	}
	const int32 Next = At + 2;
	if (Next >= Lower.Len())
	{
		return true;
	}
	const TCHAR C = Lower[Next];
	return FChar::IsDigit(C) || C == TEXT('_') || C == TEXT('-') || C == TEXT('.');
}

struct FSide
{
	bool bLeft = false;
	bool bRight = false;
};

/** The side a candidate bone's name tells, from its lower-case (L) and normalised (M) forms. */
FSide CandidateSide(const FString& L, const FString& M)
{
	const bool bLeftExplicit = L.StartsWith(TEXT("l_")) || L.StartsWith(TEXT("l.")) || L.StartsWith(TEXT("l-")) || L.Contains(TEXT("left"));
	const bool bRightExplicit = L.StartsWith(TEXT("r_")) || L.StartsWith(TEXT("r.")) || L.StartsWith(TEXT("r-")) || L.Contains(TEXT("right"));
	FSide Side;
	Side.bLeft = bLeftExplicit || L.EndsWith(TEXT("_l")) || L.EndsWith(TEXT(".l")) || L.EndsWith(TEXT("-l")) || L.EndsWith(TEXT(" l")) ||
		HasSideMarkerInside(L, TEXT("_l")) || HasSideMarkerInside(L, TEXT(".l")) ||
		(M.EndsWith(TEXT("l")) && !M.EndsWith(TEXT("ll")) && !M.EndsWith(TEXT("oll")) && !M.EndsWith(TEXT("all")));
	Side.bRight = bRightExplicit || L.EndsWith(TEXT("_r")) || L.EndsWith(TEXT(".r")) || L.EndsWith(TEXT("-r")) || L.EndsWith(TEXT(" r")) ||
		HasSideMarkerInside(L, TEXT("_r")) || HasSideMarkerInside(L, TEXT(".r")) ||
		(M.EndsWith(TEXT("r")) && !M.EndsWith(TEXT("rr")) && !M.EndsWith(TEXT("ar")) && !M.EndsWith(TEXT("er")));
	if (Side.bLeft && Side.bRight)
	{
		if (bRightExplicit && !bLeftExplicit)
		{
			Side.bLeft = false;
		}
		else if (bLeftExplicit && !bRightExplicit)
		{
			Side.bRight = false;
		}
	}
	return Side;
}

/** The candidates of one row, each bone once with its best score. */
class FCandidates
{
public:
	void Offer(FName Bone, float Score)
	{
		for (FCandidate& Existing : Candidates)
		{
			if (Existing.Bone == Bone)
			{
				Existing.Score = FMath::Max(Existing.Score, Score);
				return;
			}
		}
		Candidates.Add({Bone, Score});
	}

	/** The best-scored bone; the first offered wins a tie. */
	FName Best() const
	{
		const FCandidate* Best = nullptr;
		for (const FCandidate& Candidate : Candidates)
		{
			Best = (!Best || Candidate.Score > Best->Score) ? &Candidate : Best;
		}
		return Best ? Best->Bone : NAME_None;
	}

private:
	struct FCandidate
	{
		FName Bone;
		float Score;
	};
	TArray<FCandidate> Candidates;
};

/** How a candidate's place in the tree agrees with the target already chosen for the expected parent. */
float ParentAgreement(FName Candidate, FName ExpectedParentTarget, const TMap<FName, FName>& TargetParents)
{
	const FName* Parent = ExpectedParentTarget.IsNone() ? nullptr : TargetParents.Find(Candidate);
	if (!Parent)
	{
		return 1.0f;
	}
	if (Parent->IsNone())
	{
		return 0.3f;
	}
	if (*Parent == ExpectedParentTarget)
	{
		return 2.0f;
	}
	const FName* Up1 = TargetParents.Find(*Parent);
	const FName* Up2 = (Up1 && !Up1->IsNone()) ? TargetParents.Find(*Up1) : nullptr;
	if (Up1 && *Up1 == ExpectedParentTarget)
	{
		return 1.35f;
	}
	return (Up2 && *Up2 == ExpectedParentTarget) ? 1.2f : 0.3f;
}

/** A bone another row has is never taken again: a duplicate only ever comes from an edit by hand. */
bool IsTakenByAnotherRow(FName Candidate, const FString& Normalized, const TMap<FString, FName>& MappedSoFar)
{
	for (const auto& Mapped : MappedSoFar)
	{
		if (Mapped.Value == Candidate && !Mapped.Key.Equals(Normalized))
		{
			return true;
		}
	}
	return false;
}

/** The target already chosen for a stream bone's expected parent, if any. */
FName ExpectedParentTargetOf(const FString& Normalized, const TMap<FString, FName>& MappedSoFar)
{
	const FZevoBoneHierarchyInfo* Info = FZevoBoneNameMappings::FindExpectedHierarchyEntry(Normalized);
	if (!Info || Info->ParentBone.IsEmpty())
	{
		return NAME_None;
	}
	const FName* Found = MappedSoFar.Find(FZevoBoneNameMappings::NormalizeBoneName(Info->ParentBone));
	return Found ? *Found : NAME_None;
}

/** The words riggers use for the neck and the head, best first. */
TArray<const TCHAR*> NeckAndHeadWords(const FString& Source, float& OutBase, float& OutStep)
{
	if (Source.Equals(TEXT("Neck"), ESearchCase::IgnoreCase))
	{
		OutBase = 1.5f;
		OutStep = 0.05f;
		return {TEXT("neck_01"), TEXT("neck01"), TEXT("neck_1"), TEXT("neck"), TEXT("neck_02"), TEXT("neck1")};
	}
	if (Source.Equals(TEXT("Neck1"), ESearchCase::IgnoreCase))
	{
		OutBase = 2.0f;
		OutStep = 0.1f;
		return {TEXT("head"), TEXT("skull"), TEXT("cranium"), TEXT("head1"), TEXT("head01"), TEXT("head_01")};
	}
	return {};
}

/** The target skeleton's bones by normalised name (the first and all) and each bone's parent. */
struct FTargetNames
{
	TMap<FString, TArray<FName>> BonesByNormalizedName;
	TMap<FString, FName> FirstBoneByNormalizedName;
	TMap<FName, FName> TargetParents;
};

FTargetNames IndexTargetNames(const FReferenceSkeleton& RefSkeleton)
{
	FTargetNames Names;
	for (int32 Index = 0; Index < RefSkeleton.GetNum(); ++Index)
	{
		const FName Bone = RefSkeleton.GetBoneName(Index);
		const FString Normalized = FZevoBoneNameMappings::NormalizeBoneName(Bone.ToString());
		Names.BonesByNormalizedName.FindOrAdd(Normalized).Add(Bone);
		if (!Names.FirstBoneByNormalizedName.Contains(Normalized))
		{
			Names.FirstBoneByNormalizedName.Add(Normalized, Bone);
		}
		const int32 Parent = RefSkeleton.GetParentIndex(Index);
		Names.TargetParents.Add(Bone, Parent == INDEX_NONE ? NAME_None : RefSkeleton.GetBoneName(Parent));
	}
	return Names;
}

struct FOrdered
{
	EZevoBoneName Bone;
	int32 Depth;
};

/** A stream bone's depth in the expected hierarchy; a loop in the table ends the walk. */
int32 ExpectedDepth(FName Name)
{
	const FString Start = FZevoBoneNameMappings::NormalizeBoneName(Name.ToString());
	FString Current = Start;
	FString Previous;
	int32 Depth = 0;
	for (; Depth < 20; ++Depth)
	{
		const FZevoBoneHierarchyInfo* Info = FZevoBoneNameMappings::FindExpectedHierarchyEntry(Current);
		if (!Info || Info->ParentBone.IsEmpty())
		{
			break;
		}
		const FString Parent = FZevoBoneNameMappings::NormalizeBoneName(Info->ParentBone);
		if (Parent.Equals(Start) || Parent.Equals(Previous))
		{
			break;
		}
		Previous = Current;
		Current = Parent;
	}
	return Depth;
}

/** The stream bones parents before children, so that each bone can prefer the child of its parent's target. */
TArray<FOrdered> StreamBonesParentsFirst()
{
	TArray<FOrdered> Order;
	for (const EZevoBoneName Bone : FZevoBoneNameUtils::GetAllBoneEnums())
	{
		const FName Name = FZevoBoneNameUtils::EnumToFName(Bone);
		if (!Name.IsNone())
		{
			Order.Add({Bone, ExpectedDepth(Name)});
		}
	}
	Order.StableSort([](const FOrdered& A, const FOrdered& B) { return A.Depth < B.Depth; });
	return Order;
}

struct FLabelledRows
{
	TArray<FZevoBoneMappingRow>* Rows;
	const TCHAR* DuplicateLabel;
	const TCHAR* UnmappedLabel;
};

/**
 * The targets several rows share where two of those rows can never be one bone, each logged;
 * returns the duplicate status text.
 */
FString FindDuplicates(const TMap<FName, TArray<FName>>& StreamBonesByTarget, const TMap<FName, TSet<FString>>& GroupsByTarget,
	TMap<FName, TArray<FName>>& OutDuplicates)
{
	TSet<FString> DuplicateGroups;
	for (const auto& Entry : StreamBonesByTarget)
	{
		const TArray<FName>& Streams = Entry.Value;
		bool bExclusivePair = false;
		for (int32 First = 0; First < Streams.Num() && !bExclusivePair; ++First)
		{
			for (int32 Second = First + 1; Second < Streams.Num() && !bExclusivePair; ++Second)
			{
				bExclusivePair = FZevoBoneNameMappings::AreBonesMutuallyExclusive(Streams[First].ToString(), Streams[Second].ToString());
			}
		}
		if (!bExclusivePair)
		{
			continue;
		}
		OutDuplicates.Add(Entry.Key, Streams);
		DuplicateGroups.Append(GroupsByTarget[Entry.Key]);
		TArray<FString> Names;
		for (const FName Stream : Streams)
		{
			Names.Add(Stream.ToString());
		}
		UE_LOG(LogTemp, Warning,
			TEXT("[Zevo Remap] Duplicate mapping detected! Target bone '%s' is mapped from multiple source bones: [%s]. Please verify and adjust manually."),
			*Entry.Key.ToString(), *FString::Join(Names, TEXT(", ")));
	}
	if (OutDuplicates.IsEmpty())
	{
		return TEXT("OK");
	}
	UE_LOG(LogTemp, Warning, TEXT("[Zevo Remap] Found %d duplicate target bones. Check 'Mapping Statistics' for details."), OutDuplicates.Num());
	return FString::Printf(TEXT("%d duplicate(s) [%s]"), OutDuplicates.Num(), *FString::Join(DuplicateGroups.Array(), TEXT(", ")));
}

/** The unmapped status text, with the empty rows counted per group; logs when rows stay empty. */
FString UnmappedStatus(const FLabelledRows (&Groups)[4], int32 Unmapped)
{
	if (Unmapped <= 0)
	{
		return TEXT("OK");
	}
	TArray<FString> Counts;
	for (const FLabelledRows& Group : Groups)
	{
		int32 Count = 0;
		for (const FZevoBoneMappingRow& Row : *Group.Rows)
		{
			Count += Row.TargetBone.IsNone() ? 1 : 0;
		}
		if (Count > 0)
		{
			Counts.Add(FString::Printf(TEXT("%s:%d"), Group.UnmappedLabel, Count));
		}
	}
	UE_LOG(LogTemp, Warning, TEXT("[Zevo Remap] %d bones were not found in the target skeleton. You may need to map them manually."), Unmapped);
	return FString::Printf(TEXT("%d unmapped [%s]"), Unmapped, *FString::Join(Counts, TEXT(", ")));
}
}

const FName* UZevoRemapAssetBase::FindBestMatchWithHierarchyValidationInternal(FName SourceBoneName,
	const TMap<FString, FName>& FirstBoneByNormalizedName, const TMap<FString, TArray<FName>>& BonesByNormalizedName,
	const TMap<FName, FName>& TargetParents, const TMap<FString, FName>& MappedSoFar,
	const TMap<FString, FZevoBoneHierarchyInfo>& ExpectedHierarchy) const
{
	const FString Source = SourceBoneName.ToString();
	const FString Normalized = FZevoBoneNameMappings::NormalizeBoneName(Source);
	const FName ExpectedParentTarget = ExpectedParentTargetOf(Normalized, MappedSoFar);
	const FWordRules Rules = WordRulesFor(Normalized);
	const FString SourceLower = Source.ToLower();
	const bool bSourceLeft = SourceLower.Contains(TEXT("left"));
	const bool bSourceRight = SourceLower.Contains(TEXT("right"));

	FCandidates Candidates;
	const auto Offer = [&](FName Candidate, float Score) {
		if (Candidate.IsNone())
		{
			return;
		}
		const FString L = Candidate.ToString().ToLower();
		const FString M = FZevoBoneNameMappings::NormalizeBoneName(L);
		// A bone named exactly as the stream bone is never refused for a word it contains.
		if (!M.Equals(Normalized) && ContainsAny(M, L, Rules.Forbidden))
		{
			return;
		}
		Score *= ContainsAny(M, L, Rules.Preferred) ? 1.5f : 1.0f;
		Score *= ParentAgreement(Candidate, ExpectedParentTarget, TargetParents);
		const FSide Side = CandidateSide(L, M);
		const bool bOtherSide = (bSourceLeft && Side.bRight) || (bSourceRight && Side.bLeft);
		if (!bOtherSide && Score > 0.f && !IsTakenByAnotherRow(Candidate, Normalized, MappedSoFar))
		{
			Candidates.Offer(Candidate, Score);
		}
	};
	const auto OfferName = [&](const FString& Key, float FirstScore, float OtherScore) {
		if (const FName* First = FirstBoneByNormalizedName.Find(Key))
		{
			Offer(*First, FirstScore);
		}
		if (const TArray<FName>* All = BonesByNormalizedName.Find(Key))
		{
			for (const FName Bone : *All)
			{
				Offer(Bone, OtherScore);
			}
		}
	};

	float Base = 0.f;
	float Step = 0.f;
	for (const TCHAR* Word : NeckAndHeadWords(Source, Base, Step))
	{
		OfferName(FZevoBoneNameMappings::NormalizeBoneName(Word), Base, Base * 0.9f);
		Base -= Step;
	}
	OfferName(Normalized, 1.0f, 0.95f);
	const TArray<FString> Variations = FZevoBoneNameMappings::GenerateVariations(Source);
	for (int32 Index = 0; Index < Variations.Num(); ++Index)
	{
		const float Score = FMath::Max(0.9f - 0.01f * Index, 0.5f);
		OfferName(FZevoBoneNameMappings::NormalizeBoneName(Variations[Index]), Score, Score * 0.9f);
	}

	const FName Best = Candidates.Best();
	if (Best.IsNone())
	{
		UE_LOG(LogTemp, Warning, TEXT("[Zevo Remap] No candidates found for source bone: %s"), *Source);
		return nullptr;
	}
	return FirstBoneByNormalizedName.Find(FZevoBoneNameMappings::NormalizeBoneName(Best.ToString()));
}

FName UZevoRemapAssetBase::FindBestMatchWithHierarchyValidation(FName SourceBoneName, const TMap<FString, FName>& FirstBoneByNormalizedName,
	const TMap<FString, TArray<FName>>& BonesByNormalizedName, const TMap<FName, FName>& TargetParents,
	const TMap<FString, FName>& MappedSoFar, const TMap<FString, FZevoBoneHierarchyInfo>& ExpectedHierarchy) const
{
	const FName* Found = FindBestMatchWithHierarchyValidationInternal(
		SourceBoneName, FirstBoneByNormalizedName, BonesByNormalizedName, TargetParents, MappedSoFar, ExpectedHierarchy);
	return Found ? *Found : NAME_None;
}

void UZevoRemapAssetBase::AutoMapFromTargetSkeleton()
{
	if (!TargetSkeleton)
	{
		UE_LOG(LogTemp, Warning, TEXT("[Zevo Remap] Target Skeleton is not assigned!"));
		return;
	}
	Modify();
	InitializeAllBones();
	DuplicateTargetBones.Empty();

	const FReferenceSkeleton& RefSkeleton = TargetSkeleton->GetReferenceSkeleton();
	const FTargetNames Names = IndexTargetNames(RefSkeleton);
	const TMap<FString, FZevoBoneHierarchyInfo>& ExpectedHierarchy = FZevoBoneNameMappings::GetExpectedBoneHierarchy();
	TMap<FString, FName> MappedSoFar;
	MappedSoFar.Reserve(52);
	TMap<FName, TArray<FName>> StreamBonesByTarget;
	TMap<FName, TSet<FString>> GroupsByTarget;
	FLabelledRows Groups[] = {{&BodySpineBones, TEXT("Body/Spine"), TEXT("Body")}, {&LegBones, TEXT("Leg"), TEXT("Leg")},
		{&ArmBones, TEXT("Arm"), TEXT("Arm")}, {&FingerBones, TEXT("Finger"), TEXT("Finger")}};

	// The rows the whole-skeleton reading reads are taken first; name matching then fills the
	// rows it leaves unread, parents before children.
	const FZevoRowReading Reading = FZevoSkeletonReader::Read(FZevoRigTree::FromReferenceSkeleton(RefSkeleton));
	const auto ChooseTarget = [&](EZevoBoneName Bone, FName StreamName) {
		const int32 Read = Reading.Get(Bone);
		if (Read == FZevoRowReading::Unread)
		{
			return FindBestMatchWithHierarchyValidation(StreamName, Names.FirstBoneByNormalizedName, Names.BonesByNormalizedName,
				Names.TargetParents, MappedSoFar, ExpectedHierarchy);
		}
		return Read == INDEX_NONE ? NAME_None : RefSkeleton.GetBoneName(Read);
	};
	TArray<FOrdered> Order = StreamBonesParentsFirst();
	Order.StableSort([&Reading](const FOrdered& A, const FOrdered& B) {
		return Reading.Get(A.Bone) != FZevoRowReading::Unread && Reading.Get(B.Bone) == FZevoRowReading::Unread;
	});

	int32 MappedCount = 0;
	for (const FOrdered& Entry : Order)
	{
		FLabelledRows& Group = Groups[static_cast<int32>(FZevoBoneNameUtils::GetBoneCategory(Entry.Bone))];
		const int32 RowIndex = Group.Rows->IndexOfByPredicate([&Entry](const FZevoBoneMappingRow& Row) { return Row.SourceBone == Entry.Bone; });
		if (RowIndex == INDEX_NONE)
		{
			continue;
		}
		const FName StreamName = FZevoBoneNameUtils::EnumToFName(Entry.Bone);
		const FName Target = ChooseTarget(Entry.Bone, StreamName);
		if (Target.IsNone() || Target.ToString().TrimStartAndEnd().IsEmpty() || StreamBonesByTarget.Contains(Target))
		{
			continue;
		}
		(*Group.Rows)[RowIndex].TargetBone = Target;
		++MappedCount;
		MappedSoFar.Add(FZevoBoneNameMappings::NormalizeBoneName(StreamName.ToString()), Target);
		StreamBonesByTarget.FindOrAdd(Target).Add(StreamName);
		GroupsByTarget.FindOrAdd(Target).Add(Group.DuplicateLabel);
	}

	DuplicateStatusText = FindDuplicates(StreamBonesByTarget, GroupsByTarget, DuplicateTargetBones);
	MissingStatusText = UnmappedStatus(Groups, static_cast<int32>(EZevoBoneName::Count) - MappedCount);
}
