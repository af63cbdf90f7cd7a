#include "ZevoBoneMapping.h"

#include <string_view>

namespace
{
struct FTextPair
{
	std::string_view First;
	std::string_view Second;
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

bool HasChar(const FString& Text, char C)
{
	return Text.ToStdString().find(C) != std::string::npos;
}

/**
 * An entry and its lower-case form. Every pattern here is lower case, so searching the lower-case
 * form finds them ignoring case, and since lower-casing keeps every position, a replacement can
 * splice the entry itself and keep the case of the rest.
 */
struct FCasedEntry
{
	explicit FCasedEntry(FString InText) : Text(MoveTemp(InText)), Lower(Text.ToLower().ToStdString()) {}

	bool Contains(std::string_view Pattern) const { return Lower.find(Pattern) != std::string::npos; }
	bool Equals(std::string_view Other) const { return Lower == Other; }

	/** Every occurrence of Pattern replaced by To. */
	FString Replace(std::string_view Pattern, std::string_view To) const
	{
		const std::string& Original = Text.ToStdString();
		std::string Result;
		Result.reserve(Original.size() + To.size());
		size_t Start = 0;
		for (size_t At = Lower.find(Pattern); At != std::string::npos; At = Lower.find(Pattern, At + Pattern.size()))
		{
			Result.append(Original, Start, At - Start);
			Result.append(To);
			Start = At + Pattern.size();
		}
		Result.append(Original, Start);
		return FString(std::move(Result));
	}

	FString Text;
	std::string Lower;
};

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
	FCasedEntry operator[](int32 Index) const { return FCasedEntry(Entries[Index]); }
	TArray<FString> Release() { return MoveTemp(Entries); }

private:
	TArray<FString> Entries;
	TSet<FString> Seen;
};

void AddSideForms(FVariationList& List, const FString& Name)
{
	const FCasedEntry Input(Name);
	for (const FTextPair& Pair : SideForms)
	{
		if (Input.Contains(Pair.First))
		{
			List.Add(Input.Replace(Pair.First, Pair.Second));
		}
	}
}

void AddDigitForms(FVariationList& List)
{
	const int32 Walked = List.Num();
	for (int32 Index = 0; Index < Walked; ++Index)
	{
		const FCasedEntry Entry = List[Index];
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
		const FCasedEntry Entry = List[Index];
		for (const auto& Row : Mappings)
		{
			const std::string& Key = Row.Key.ToStdString();
			if (!Entry.Contains(Key))
			{
				continue;
			}
			for (const FString& Synonym : Row.Value)
			{
				// Each separator form is tried only where it differs from the replaced name,
				// which has just been added.
				const FString Replaced = Entry.Replace(Key, Synonym.ToStdString());
				const bool bUnderscore = HasChar(Replaced, '_');
				const bool bBlank = HasChar(Replaced, ' ');
				const bool bDash = HasChar(Replaced, '-');
				List.AddIfNew(Replaced);
				if (bUnderscore)
				{
					List.AddIfNew(MapChars(Replaced, "_", '\0'));
				}
				if (bBlank)
				{
					List.AddIfNew(MapChars(Replaced, " ", '_'));
				}
				if (bDash)
				{
					List.AddIfNew(MapChars(Replaced, "-", '_'));
				}
			}
		}
	}
}

void AddWholeNameEquivalences(FVariationList& List)
{
	const int32 Walked = List.Num();
	for (int32 Index = 0; Index < Walked; ++Index)
	{
		const FCasedEntry Entry = List[Index];
		for (const FTextPair& Pair : WholeNameEquivalences)
		{
			if (Entry.Equals(Pair.First))
			{
				List.AddIfNew(FString(Pair.Second));
			}
			if (Entry.Equals(Pair.Second))
			{
				List.AddIfNew(FString(Pair.First));
			}
		}
	}
}

void AddFingerSegmentWords(FVariationList& List)
{
	const int32 Walked = List.Num();
	for (int32 Index = 0; Index < Walked; ++Index)
	{
		const FCasedEntry Entry = List[Index];
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
		const FCasedEntry Entry = List[Index];
		if (Entry.Lower.find_first_of("_-. ") == std::string::npos)
		{
			continue;  // all three forms are the entry itself
		}
		List.AddIfNew(MapChars(Entry.Text, "_-. ", '\0'));
		List.AddIfNew(MapChars(Entry.Text, "-. ", '_'));
		List.AddIfNew(MapChars(Entry.Text, "_- ", '.'));
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
