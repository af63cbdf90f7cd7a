#include "ZevoBoneMapping.h"

namespace
{
// Rig and exporter prefixes, each tried once in this order: stacked prefixes fall away together
// ("bip01_def_spine"), while one that only becomes leading after a later one was removed stays.
const TCHAR* const Prefixes[] = {
	TEXT("mixamorig:"), TEXT("mixamorig_"), TEXT("mixamorig"), TEXT("bip001_"), TEXT("bip01_"), TEXT("bip_"), TEXT("valvebiped_"),
	TEXT("valvebiped."), TEXT("def_"), TEXT("deform_"), TEXT("jnt_"), TEXT("joint_"), TEXT("bone_"), TEXT("rig_"), TEXT("root_"),
	TEXT("character_"), TEXT("char_"),
};

const TCHAR* const Suffixes[] = {TEXT("_jnt"), TEXT("_bone"), TEXT("_joint"), TEXT("_bind")};

// Side markers fold onto the bare letter before separators go, so "thigh_l", "thigh.l" and
// "thigh l" meet as "thighl"; the side words shorten anywhere, also inside other words.
struct FSideFold
{
	const TCHAR* From;
	const TCHAR* To;
};
const FSideFold SideFolds[] = {
	{TEXT("_l"), TEXT("l")}, {TEXT("_r"), TEXT("r")}, {TEXT("l_"), TEXT("l")}, {TEXT("r_"), TEXT("r")},
	{TEXT(".l"), TEXT("l")}, {TEXT(".r"), TEXT("r")}, {TEXT("l."), TEXT("l")}, {TEXT("r."), TEXT("r")},
	{TEXT("-l"), TEXT("l")}, {TEXT("-r"), TEXT("r")}, {TEXT("l-"), TEXT("l")}, {TEXT("r-"), TEXT("r")},
	{TEXT(" l"), TEXT("l")}, {TEXT(" r"), TEXT("r")}, {TEXT("l "), TEXT("l")}, {TEXT("r "), TEXT("r")},
	{TEXT("left"), TEXT("l")}, {TEXT("right"), TEXT("r")},
};

bool IsSeparator(TCHAR Character)
{
	return Character == TEXT('_') || Character == TEXT('-') || Character == TEXT('.') || Character == TEXT(' ') ||
		Character == TEXT(':') || Character == TEXT('|');
}

/** Deletes every separator, moving the kept characters down in place. */
void RemoveSeparators(FString& Text)
{
	int32 Kept = 0;
	for (int32 Index = 0; Index < Text.Len(); ++Index)
	{
		const TCHAR Character = Text[Index];
		if (!IsSeparator(Character))
		{
			Text[Kept++] = Character;
		}
	}
	Text.LeftInline(Kept);
}
}

FString FZevoBoneNameMappings::NormalizeBoneName(const FString& Name)
{
	// Everything below compares the lower-case text with lower-case patterns.
	FString Result = Name.ToLower();
	for (const TCHAR* Prefix : Prefixes)
	{
		Result.RemoveFromStart(Prefix, ESearchCase::CaseSensitive);
	}
	for (const TCHAR* Suffix : Suffixes)
	{
		Result.RemoveFromEnd(Suffix, ESearchCase::CaseSensitive);
	}
	for (const FSideFold& Fold : SideFolds)
	{
		Result.ReplaceInline(Fold.From, Fold.To, ESearchCase::CaseSensitive);
	}
	RemoveSeparators(Result);
	return Result;
}
