#include "ZevoBoneMapping.h"

namespace
{
struct FTextPair
{
	const TCHAR* First;
	const TCHAR* Second;
};

// Side words against their short and separated forms, both sides.
constexpr FTextPair SideForms[] = {
	{TEXT("left"), TEXT("l")}, {TEXT("left"), TEXT("_l")}, {TEXT("left"), TEXT(".l")}, {TEXT("left"), TEXT("_left")}, {TEXT("left"), TEXT("-l")},
	{TEXT("left"), TEXT(" l")}, {TEXT("l_"), TEXT("left_")}, {TEXT("l."), TEXT("left.")}, {TEXT("_l"), TEXT("_left")}, {TEXT(".l"), TEXT(".left")},
	{TEXT("right"), TEXT("r")}, {TEXT("right"), TEXT("_r")}, {TEXT("right"), TEXT(".r")}, {TEXT("right"), TEXT("_right")}, {TEXT("right"), TEXT("-r")},
	{TEXT("right"), TEXT(" r")}, {TEXT("r_"), TEXT("right_")}, {TEXT("r."), TEXT("right.")}, {TEXT("_r"), TEXT("_right")}, {TEXT(".r"), TEXT(".right")},
};

// Zero-padded, separated and unpadded segment numbers.
constexpr FTextPair DigitForms[] = {
	{TEXT("0"), TEXT("00")}, {TEXT("1"), TEXT("01")}, {TEXT("2"), TEXT("02")}, {TEXT("3"), TEXT("03")},
	{TEXT("_0"), TEXT("_00")}, {TEXT("_1"), TEXT("_01")}, {TEXT("_2"), TEXT("_02")}, {TEXT("_3"), TEXT("_03")},
	{TEXT("0"), TEXT("_0")}, {TEXT("1"), TEXT("_1")}, {TEXT("2"), TEXT("_2")}, {TEXT("3"), TEXT("_3")},
	{TEXT("01"), TEXT("1")}, {TEXT("02"), TEXT("2")}, {TEXT("03"), TEXT("3")}, {TEXT("04"), TEXT("4")},
	{TEXT("_01"), TEXT("_1")}, {TEXT("_02"), TEXT("_2")}, {TEXT("_03"), TEXT("_3")},
};

// Whole names that stand for the same bone, tested in both directions.
constexpr FTextPair WholeNameEquivalences[] = {
	{TEXT("lefthip"), TEXT("upperlegl")}, {TEXT("lefthip"), TEXT("leftupperleg")}, {TEXT("lefthip"), TEXT("upleg_l")},
	{TEXT("righthip"), TEXT("upperlegr")}, {TEXT("righthip"), TEXT("rightupperleg")}, {TEXT("righthip"), TEXT("upleg_r")},
	{TEXT("leftknee"), TEXT("lowerlegl")}, {TEXT("leftknee"), TEXT("leftlowerleg")}, {TEXT("leftknee"), TEXT("lowleg_l")},
	{TEXT("rightknee"), TEXT("lowerlegr")}, {TEXT("rightknee"), TEXT("rightlowerleg")}, {TEXT("rightknee"), TEXT("lowleg_r")},
	{TEXT("leftcollar"), TEXT("shoulderl")}, {TEXT("leftcollar"), TEXT("leftshoulder")},
	{TEXT("rightcollar"), TEXT("shoulderr")}, {TEXT("rightcollar"), TEXT("rightshoulder")},
	{TEXT("lefttoe"), TEXT("ball01l")}, {TEXT("lefttoe"), TEXT("balll")}, {TEXT("righttoe"), TEXT("ball01r")}, {TEXT("righttoe"), TEXT("ballr")},
	{TEXT("chest1"), TEXT("chest")}, {TEXT("chest1"), TEXT("upperchest")}, {TEXT("chest2"), TEXT("upperchest")}, {TEXT("chest2"), TEXT("chest")},
};

// Anatomical segment words against numbered segments, tested in both directions.
constexpr FTextPair FingerSegmentWords[] = {
	{TEXT("thumbproximal"), TEXT("thumb01")}, {TEXT("thumbintermediate"), TEXT("thumb02")}, {TEXT("thumbdistal"), TEXT("thumb03")},
	{TEXT("indexproximal"), TEXT("index01")}, {TEXT("indexintermediate"), TEXT("index02")}, {TEXT("indexdistal"), TEXT("index03")},
	{TEXT("middleproximal"), TEXT("middle01")}, {TEXT("middleintermediate"), TEXT("middle02")}, {TEXT("middledistal"), TEXT("middle03")},
	{TEXT("ringproximal"), TEXT("ring01")}, {TEXT("ringintermediate"), TEXT("ring02")}, {TEXT("ringdistal"), TEXT("ring03")},
	{TEXT("pinkyproximal"), TEXT("pinky01")}, {TEXT("pinkyintermediate"), TEXT("pinky02")}, {TEXT("pinkydistal"), TEXT("pinky03")},
	{TEXT("littleproximal"), TEXT("pinky01")}, {TEXT("littleintermediate"), TEXT("pinky02")}, {TEXT("littledistal"), TEXT("pinky03")},
};

/** Every character of Text found in Chars replaced by To, or deleted when To is 0. */
FString MapChars(const FString& Text, const TCHAR* Chars, TCHAR To)
{
	FString Result;
	Result.Reserve(Text.Len());
	for (int32 Index = 0; Index < Text.Len(); ++Index)
	{
		const TCHAR Character = Text[Index];
		if (!FCString::Strchr(Chars, Character))
		{
			Result.AppendChar(Character);
		}
		else if (To != TEXT('\0'))
		{
			Result.AppendChar(To);
		}
	}
	return Result;
}

bool HasChar(const FString& Text, TCHAR Character)
{
	int32 Index;
	return Text.FindChar(Character, Index);
}

/** A pattern of the tables below, or a row of the common mappings, with its length. */
int32 PatternLength(const TCHAR* Pattern)
{
	return FCString::Strlen(Pattern);
}
int32 PatternLength(const FString& Pattern)
{
	return Pattern.Len();
}
const TCHAR* PatternText(const TCHAR* Pattern)
{
	return Pattern;
}
const TCHAR* PatternText(const FString& Pattern)
{
	return *Pattern;
}

/**
 * An entry and its lower-case form. Every pattern here is lower case, so searching the lower-case
 * form finds them ignoring case, and since lower-casing keeps every position, a replacement can
 * splice the entry itself and keep the case of the rest.
 */
struct FCasedEntry
{
	explicit FCasedEntry(FString InText) : Text(MoveTemp(InText)), Lower(Text.ToLower()) {}

	template <typename PatternType>
	bool Contains(const PatternType& Pattern) const
	{
		return Lower.Contains(Pattern, ESearchCase::CaseSensitive);
	}
	bool Equals(const TCHAR* Other) const { return FCString::Strcmp(*Lower, Other) == 0; }
	bool ContainsAnyOf(const TCHAR* Chars) const
	{
		for (const TCHAR* Character = Chars; *Character; ++Character)
		{
			if (HasChar(Lower, *Character))
			{
				return true;
			}
		}
		return false;
	}

	/** Every occurrence of Pattern replaced by To. */
	template <typename PatternType, typename ToType>
	FString Replace(const PatternType& Pattern, const ToType& To) const
	{
		const int32 Length = PatternLength(Pattern);
		const int32 ToLength = PatternLength(To);
		FString Result;
		Result.Reserve(Text.Len() + ToLength);
		int32 Start = 0;
		for (int32 At = Lower.Find(Pattern, ESearchCase::CaseSensitive); At != INDEX_NONE;
			 At = Lower.Find(Pattern, ESearchCase::CaseSensitive, ESearchDir::FromStart, At + Length))
		{
			Result.Append(*Text + Start, At - Start);
			Result.Append(PatternText(To), ToLength);
			Start = At + Length;
		}
		Result.Append(*Text + Start, Text.Len() - Start);
		return Result;
	}

	FString Text;
	FString Lower;
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
			const FString& Key = Row.Key;
			if (!Entry.Contains(Key))
			{
				continue;
			}
			for (const FString& Synonym : Row.Value)
			{
				// Each separator form is tried only where it differs from the replaced name,
				// which has just been added.
				const FString Replaced = Entry.Replace(Key, Synonym);
				const bool bUnderscore = HasChar(Replaced, TEXT('_'));
				const bool bBlank = HasChar(Replaced, TEXT(' '));
				const bool bDash = HasChar(Replaced, TEXT('-'));
				List.AddIfNew(Replaced);
				if (bUnderscore)
				{
					List.AddIfNew(MapChars(Replaced, TEXT("_"), TEXT('\0')));
				}
				if (bBlank)
				{
					List.AddIfNew(MapChars(Replaced, TEXT(" "), TEXT('_')));
				}
				if (bDash)
				{
					List.AddIfNew(MapChars(Replaced, TEXT("-"), TEXT('_')));
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
		if (Entry.Contains(TEXT("little")))
		{
			List.AddIfNew(Entry.Replace(TEXT("little"), TEXT("pinky")));
		}
		if (Entry.Contains(TEXT("pinky")))
		{
			List.AddIfNew(Entry.Replace(TEXT("pinky"), TEXT("little")));
		}
	}
}

void AddSeparatorForms(FVariationList& List)
{
	const int32 Walked = List.Num();
	for (int32 Index = 0; Index < Walked; ++Index)
	{
		const FCasedEntry Entry = List[Index];
		if (!Entry.ContainsAnyOf(TEXT("_-. ")))
		{
			continue;  // all three forms are the entry itself
		}
		List.AddIfNew(MapChars(Entry.Text, TEXT("_-. "), TEXT('\0')));
		List.AddIfNew(MapChars(Entry.Text, TEXT("-. "), TEXT('_')));
		List.AddIfNew(MapChars(Entry.Text, TEXT("_- "), TEXT('.')));
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
