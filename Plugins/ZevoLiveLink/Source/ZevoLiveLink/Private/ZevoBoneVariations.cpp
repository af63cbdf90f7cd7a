#include "ZevoBoneMapping.h"

#include <string_view>

namespace
{
struct FTextPair
{
	const char* First;
	const char* Second;
};

// Side words against their short and separated forms, both sides.
constexpr FTextPair SideForms[] = {
	{"left", "l"}, {"left", "_l"}, {"left", ".l"}, {"left", "_left"}, {"left", "-l"},
	{"left", " l"}, {"l_", "left_"}, {"l.", "left."}, {"_l", "_left"}, {".l", ".left"},
	{"right", "r"}, {"right", "_r"}, {"right", ".r"}, {"right", "_right"}, {"right", "-r"},
	{"right", " r"}, {"r_", "right_"}, {"r.", "right."}, {"_r", "_right"}, {".r", ".right"},
};

// Zero-padded, separated and unpadded segment numbers.
constexpr FTextPair DigitForms[] = {
	{"0", "00"}, {"1", "01"}, {"2", "02"}, {"3", "03"},
	{"_0", "_00"}, {"_1", "_01"}, {"_2", "_02"}, {"_3", "_03"},
	{"0", "_0"}, {"1", "_1"}, {"2", "_2"}, {"3", "_3"},
	{"01", "1"}, {"02", "2"}, {"03", "3"}, {"04", "4"},
	{"_01", "_1"}, {"_02", "_2"}, {"_03", "_3"},
};

// Whole names that stand for the same bone, tested in both directions.
constexpr FTextPair WholeNameEquivalences[] = {
	{"lefthip", "upperlegl"}, {"lefthip", "leftupperleg"}, {"lefthip", "upleg_l"},
	{"righthip", "upperlegr"}, {"righthip", "rightupperleg"}, {"righthip", "upleg_r"},
	{"leftknee", "lowerlegl"}, {"leftknee", "leftlowerleg"}, {"leftknee", "lowleg_l"},
	{"rightknee", "lowerlegr"}, {"rightknee", "rightlowerleg"}, {"rightknee", "lowleg_r"},
	{"leftcollar", "shoulderl"}, {"leftcollar", "leftshoulder"},
	{"rightcollar", "shoulderr"}, {"rightcollar", "rightshoulder"},
	{"lefttoe", "ball01l"}, {"lefttoe", "balll"}, {"righttoe", "ball01r"}, {"righttoe", "ballr"},
	{"chest1", "chest"}, {"chest1", "upperchest"}, {"chest2", "upperchest"}, {"chest2", "chest"},
};

// Anatomical segment words against numbered segments, tested in both directions.
constexpr FTextPair FingerSegmentWords[] = {
	{"thumbproximal", "thumb01"}, {"thumbintermediate", "thumb02"}, {"thumbdistal", "thumb03"},
	{"indexproximal", "index01"}, {"indexintermediate", "index02"}, {"indexdistal", "index03"},
	{"middleproximal", "middle01"}, {"middleintermediate", "middle02"}, {"middledistal", "middle03"},
	{"ringproximal", "ring01"}, {"ringintermediate", "ring02"}, {"ringdistal", "ring03"},
	{"pinkyproximal", "pinky01"}, {"pinkyintermediate", "pinky02"}, {"pinkydistal", "pinky03"},
	{"littleproximal", "pinky01"}, {"littleintermediate", "pinky02"}, {"littledistal", "pinky03"},
};

/** Every character of Text found in Chars replaced by To, or deleted when To is 0. */
FString MapChars(const FString& Text, std::string_view Chars, char To)
{
	std::string Result;
	Result.reserve(Text.Len());
	for (const char C : Text.ToStdString())
	{
		if (Chars.find(C) == std::string_view::npos)
		{
			Result += C;
		}
		else if (To != '\0')
		{
			Result += To;
		}
	}
	return FString(std::move(Result));
}

bool ContainsLower(const FString& LowerText, const char* LowerSub)
{
	return LowerText.ToStdString().find(LowerSub) != std::string::npos;
}

// The result under construction. Some stages add whatever they make; the others add only what
// is not there yet (ignoring case), which the set answers without a scan of the result.
class FVariationList
{
public:
	explicit FVariationList(int32 Reserve) { Entries.Reserve(Reserve); }

	void Add(FString Entry)
	{
		Seen.Add(Entry);
		Entries.Add(MoveTemp(Entry));
	}

	void AddIfNew(FString Entry)
	{
		bool bAlreadyThere = false;
		Seen.Add(Entry, &bAlreadyThere);
		if (!bAlreadyThere)
		{
			Entries.Add(MoveTemp(Entry));
		}
	}

	int32 Num() const { return Entries.Num(); }
	/** A copy: adding may move the entries. */
	FString operator[](int32 Index) const { return Entries[Index]; }
	TArray<FString> Release() { return MoveTemp(Entries); }

private:
	TArray<FString> Entries;
	TSet<FString> Seen;
};

void AddSideForms(FVariationList& List, const FString& Name)
{
	const FString Lower = Name.ToLower();
	for (const FTextPair& Pair : SideForms)
	{
		if (ContainsLower(Lower, Pair.First))
		{
			List.Add(Name.Replace(Pair.First, Pair.Second));
		}
	}
}

void AddDigitForms(FVariationList& List)
{
	const int32 Walked = List.Num();
	for (int32 Index = 0; Index < Walked; ++Index)
	{
		const FString Entry = List[Index];
		for (const FTextPair& Pair : DigitForms)
		{
			if (Entry.Contains(Pair.First))
			{
				List.Add(Entry.Replace(Pair.First, Pair.Second));
			}
		}
	}
}

void AddSynonyms(FVariationList& List)
{
	const TMap<FString, TArray<FString>>& Mappings = FZevoBoneNameMappings::GetCommonMappings();
	const int32 Walked = List.Num();
	for (int32 Index = 0; Index < Walked; ++Index)
	{
		const FString Entry = List[Index];
		const FString Lower = Entry.ToLower();
		for (const auto& Row : Mappings)
		{
			if (!ContainsLower(Lower, *Row.Key))
			{
				continue;
			}
			for (const FString& Synonym : Row.Value)
			{
				const FString Replaced = Entry.Replace(Row.Key, Synonym);
				List.AddIfNew(Replaced);
				List.AddIfNew(Replaced.Replace("_", ""));
				List.AddIfNew(Replaced.Replace(" ", "_"));
				List.AddIfNew(Replaced.Replace("-", "_"));
			}
		}
	}
}

void AddWholeNameEquivalences(FVariationList& List)
{
	const int32 Walked = List.Num();
	for (int32 Index = 0; Index < Walked; ++Index)
	{
		const FString Entry = List[Index];
		for (const FTextPair& Pair : WholeNameEquivalences)
		{
			if (Entry == Pair.First)
			{
				List.AddIfNew(Pair.Second);
			}
			if (Entry == Pair.Second)
			{
				List.AddIfNew(Pair.First);
			}
		}
	}
}

void AddFingerSegmentWords(FVariationList& List)
{
	const int32 Walked = List.Num();
	for (int32 Index = 0; Index < Walked; ++Index)
	{
		const FString Entry = List[Index];
		for (const FTextPair& Pair : FingerSegmentWords)
		{
			if (Entry.Contains(Pair.First))
			{
				List.AddIfNew(Entry.Replace(Pair.First, Pair.Second));
			}
			if (Entry.Contains(Pair.Second))
			{
				List.AddIfNew(Entry.Replace(Pair.Second, Pair.First));
			}
		}
		if (Entry.Contains("little"))
		{
			List.AddIfNew(Entry.Replace("little", "pinky"));
		}
		if (Entry.Contains("pinky"))
		{
			List.AddIfNew(Entry.Replace("pinky", "little"));
		}
	}
}

void AddSeparatorForms(FVariationList& List)
{
	const int32 Walked = List.Num();
	for (int32 Index = 0; Index < Walked; ++Index)
	{
		const FString Entry = List[Index];
		List.AddIfNew(MapChars(Entry, "_-. ", '\0'));
		List.AddIfNew(MapChars(Entry, "-. ", '_'));
		List.AddIfNew(MapChars(Entry, "_- ", '.'));
	}
}
}

TArray<FString> FZevoBoneNameMappings::GenerateVariations(const FString& Name)
{
	FVariationList List(50);
	List.Add(Name);
	AddSideForms(List, Name);
	AddDigitForms(List);
	AddSynonyms(List);
	AddWholeNameEquivalences(List);
	AddFingerSegmentWords(List);
	AddSeparatorForms(List);
	return List.Release();
}
