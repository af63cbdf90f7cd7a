#pragma once
// Reads the bone names of a whole rig as words. A name is split into tokens (separators, case
// changes, letters against digits, runs of another script), the side is taken from a side word
// anywhere in it, the tokens that most of the rig's bones start with (rig prefixes) and a node
// index that every bone carries at its end are dropped, and the rest is looked up in a body
// vocabulary (ZevoBodyVocabularyTable.cpp). Reading the rig as a whole is what tells a rig prefix
// from a word: "Bip01", "CC_Base", "J_Bip" or a glued "m" mean nothing once most bones share them.
#include "Bones/ZevoBodyVocabulary.h"

enum class EZevoBoneSide : uint8
{
	None,
	Left,
	Right,
};

/** One bone name as words. */
struct FZevoBoneNameReading
{
	/** The body words in name order, side and centre words left out. */
	TArray<EZevoBodyWord> Words;
	EZevoBoneSide Side = EZevoBoneSide::None;
	/** The first number after the first word ("Finger2" -> 2, "finger2-1" -> 2); INDEX_NONE if none. */
	int32 FirstNumber = INDEX_NONE;
	/** Tokens after the first word that the vocabulary does not know (the "P" of a helper "ShoulderP"). */
	int32 UnknownTokens = 0;

	bool Has(EZevoBodyWord Word) const { return Words.Contains(Word); }
	bool IsHelper() const { return Has(EZevoBodyWord::Helper); }
	bool IsTip() const { return Has(EZevoBodyWord::Tip); }
	/** The first of thumb, index, middle, ring, pinky in the name; Unknown if none. */
	EZevoBodyWord FingerWord() const;
};

/** Reads bone names; holds no state. */
class FZevoBoneNameReader
{
public:
	/** Every bone of a rig, in the rig's order. */
	static TArray<FZevoBoneNameReading> ReadRig(const TArray<FString>& BoneNames);
	/** The tokens of one name, lower case where Latin, before the rig-wide pass. */
	static TArray<FString> SplitIntoTokens(const FString& Name);
	/** The vocabulary's meaning of one lower-case token or glued compound; Unknown if none. */
	static EZevoBodyWord LookUpWord(const FString& Token);
};
