#include "Bones/ZevoBoneNameReader.h"

namespace
{
// What most bones of a handful share says nothing about the rig.
constexpr int32 MinBonesForRigWideRules = 4;

bool IsOtherScript(TCHAR C)
{
	return static_cast<uint32>(C) >= 0x80;
}

bool IsUpper(TCHAR C)
{
	return C >= TEXT('A') && C <= TEXT('Z');
}

bool IsLower(TCHAR C)
{
	return C >= TEXT('a') && C <= TEXT('z');
}

bool IsDigit(TCHAR C)
{
	return C >= TEXT('0') && C <= TEXT('9');
}

bool IsNumber(const FString& Token)
{
	return !Token.IsEmpty() && IsDigit(Token[0]);
}

bool IsSideWord(EZevoBodyWord Word)
{
	return Word == EZevoBodyWord::Left || Word == EZevoBodyWord::Right;
}

// A namespace ("rig:") or a path ("root|hips") says where the bone lives, not what it is.
FString WithoutNamespace(const FString& Name)
{
	int32 Start = 0;
	for (int32 Index = 0; Index < Name.Len(); ++Index)
	{
		if (Name[Index] == TEXT(':') || Name[Index] == TEXT('|'))
		{
			Start = Index + 1;
		}
	}
	return Name.Mid(Start);
}

// Whether Text holds Word at At, character for character.
bool MatchesAt(const FString& Text, int32 At, const FString& Word)
{
	if (At + Word.Len() > Text.Len())
	{
		return false;
	}
	for (int32 Index = 0; Index < Word.Len(); ++Index)
	{
		if (Text[At + Index] != Word[Index])
		{
			return false;
		}
	}
	return true;
}

// A run of another script has no separators: it is cut into the vocabulary's words, longest
// first; full-width digits become numbers, and what matches nothing stays one unknown token.
void SplitOtherScript(const FString& Name, int32& Index, TArray<FString>& Tokens)
{
	FString Unknown;
	const auto FlushUnknown = [&Unknown, &Tokens] {
		if (!Unknown.IsEmpty())
		{
			Tokens.Add(Unknown);
			Unknown.Empty();
		}
	};
	while (Index < Name.Len() && IsOtherScript(Name[Index]))
	{
		const TArray<FString>& Digits = FZevoBodyVocabulary::GetFullWidthDigits();
		const int32 Digit = Digits.IndexOfByPredicate([&](const FString& D) { return MatchesAt(Name, Index, D); });
		if (Digit != INDEX_NONE)
		{
			FlushUnknown();
			Tokens.Add(FString::Printf(TEXT("%d"), Digit));
			Index += Digits[Digit].Len();
			continue;
		}
		const FString* Word = FZevoBodyVocabulary::GetNonLatinWords().FindByPredicate(
			[&](const FString& W) { return MatchesAt(Name, Index, W); });
		if (Word)
		{
			FlushUnknown();
			Tokens.Add(*Word);
			Index += Word->Len();
			continue;
		}
		Unknown.AppendChar(Name[Index++]);
	}
	FlushUnknown();
}

// A single capital L or T glued to digits is a vertebra code ("L5", "T12"), not a side.
bool IsVertebraStart(const FString& Current, TCHAR Previous, TCHAR C)
{
	return Current.Len() == 1 && (Previous == TEXT('L') || Previous == TEXT('T')) && IsDigit(C);
}

// Vertebra codes and glued lower-case words: "l5", "t12", "lefthand" -> left, hand. No glued name
// is longer than a few words; a longer token is not cut up (the cutting grows with its square).
constexpr int32 MaxGluedLength = 32;

TArray<EZevoBodyWord> LookUpGlued(const FString& Token)
{
	if (Token.Len() >= 2 && (Token[0] == TEXT('l') || Token[0] == TEXT('t')) && IsDigit(Token[1]))
	{
		return {EZevoBodyWord::Spine};
	}
	if (Token.Len() > MaxGluedLength)
	{
		return {};
	}
	// Longest known word first at each place; single letters only at either end (a side letter).
	TArray<EZevoBodyWord> Pieces;
	for (int32 At = 0; At < Token.Len();)
	{
		int32 Length = Token.Len() - At;
		for (; Length > 0; --Length)
		{
			const bool bEnd = At == 0 || At + Length == Token.Len();
			if (Length == 1 && !bEnd)
			{
				continue;
			}
			if (Length >= 2 || bEnd)
			{
				const EZevoBodyWord Word = FZevoBoneNameReader::LookUpWord(Token.Mid(At, Length));
				if (Word != EZevoBodyWord::Unknown && (Length >= 2 || IsSideWord(Word) || Word == EZevoBodyWord::Centre))
				{
					Pieces.Add(Word);
					break;
				}
			}
		}
		if (Length == 0)
		{
			return {};
		}
		At += Length;
	}
	return Pieces.Num() >= 2 ? Pieces : TArray<EZevoBodyWord>();
}

// A trailing number that nearly every bone carries after a separator is a node index.
bool EndsWithSeparatedNumber(const FString& Name)
{
	int32 Index = Name.Len();
	while (Index > 0 && IsDigit(Name[Index - 1]))
	{
		--Index;
	}
	return Index < Name.Len() && Index > 0 && !IsOtherScript(Name[Index - 1]) && !IsUpper(Name[Index - 1])
		&& !IsLower(Name[Index - 1]) && !IsDigit(Name[Index - 1]);
}

// Most bones starting with the same token make it a rig prefix ("bip01", "cc", "base", "j", "m"),
// most ending with one a rig suffix ("joint", "jnt"); a body word is never one, however many bones
// carry it ("ik_foot_l", "ik_hand_l").
void DropSharedEnds(TArray<TArray<FString>>& Tokens, bool bFront)
{
	for (int32 Round = 0; Round < 3 && Tokens.Num() >= MinBonesForRigWideRules; ++Round)
	{
		TMap<FString, int32> Counts;
		for (const TArray<FString>& Name : Tokens)
		{
			if (Name.Num() > 1)
			{
				++Counts.FindOrAdd(bFront ? Name[0] : Name.Last());
			}
		}
		const FString* Shared = nullptr;
		for (const auto& Entry : Counts)
		{
			const EZevoBodyWord Word = FZevoBoneNameReader::LookUpWord(Entry.Key);
			if (Entry.Value * 2 >= Tokens.Num() && (Word == EZevoBodyWord::Unknown || Word == EZevoBodyWord::Centre))
			{
				Shared = &Entry.Key;
			}
		}
		if (!Shared)
		{
			return;
		}
		const FString End = *Shared;
		for (TArray<FString>& Name : Tokens)
		{
			if (Name.Num() > 1 && (bFront ? Name[0] : Name.Last()) == End)
			{
				Name.RemoveAt(bFront ? 0 : Name.Num() - 1);
			}
		}
	}
}

FZevoBoneNameReading ReadTokens(const TArray<FString>& Tokens)
{
	FZevoBoneNameReading Reading;
	bool bSeenWord = false;
	bool bLeft = false;
	bool bRight = false;
	for (int32 Index = 0; Index < Tokens.Num();)
	{
		if (IsNumber(Tokens[Index]))
		{
			if (bSeenWord && Reading.FirstNumber == INDEX_NONE)
			{
				Reading.FirstNumber = FCString::Atoi(*Tokens[Index]);
			}
			++Index;
			continue;
		}
		// Two or three adjacent tokens may make one word ("up" "leg", "fore" "arm", "in" "hand").
		TArray<EZevoBodyWord> Words;
		int32 Used = 1;
		for (int32 Span = 3; Span >= 2 && Words.IsEmpty(); --Span)
		{
			if (Index + Span > Tokens.Num())
			{
				continue;
			}
			FString Glued;
			for (int32 Part = Index; Part < Index + Span; ++Part)
			{
				Glued += Tokens[Part];
			}
			const EZevoBodyWord Word = FZevoBoneNameReader::LookUpWord(Glued);
			if (Word != EZevoBodyWord::Unknown && !IsSideWord(Word))
			{
				Words.Add(Word);
				Used = Span;
			}
		}
		if (Words.IsEmpty())
		{
			const EZevoBodyWord Word = FZevoBoneNameReader::LookUpWord(Tokens[Index]);
			Words = Word != EZevoBodyWord::Unknown ? TArray<EZevoBodyWord>{Word} : LookUpGlued(Tokens[Index]);
		}
		if (Words.IsEmpty())
		{
			Reading.UnknownTokens += bSeenWord ? 1 : 0;
		}
		for (const EZevoBodyWord Word : Words)
		{
			bLeft |= Word == EZevoBodyWord::Left;
			bRight |= Word == EZevoBodyWord::Right;
			if (!IsSideWord(Word) && Word != EZevoBodyWord::Centre)
			{
				Reading.Words.Add(Word);
			}
			bSeenWord = true;
		}
		Index += Used;
	}
	Reading.Side = bLeft == bRight ? EZevoBoneSide::None : (bLeft ? EZevoBoneSide::Left : EZevoBoneSide::Right);
	return Reading;
}
}

EZevoBodyWord FZevoBoneNameReading::FingerWord() const
{
	for (const EZevoBodyWord Word : Words)
	{
		if (Word >= EZevoBodyWord::Thumb && Word <= EZevoBodyWord::Pinky)
		{
			return Word;
		}
	}
	return EZevoBodyWord::Unknown;
}

EZevoBodyWord FZevoBoneNameReader::LookUpWord(const FString& Token)
{
	const EZevoBodyWord* Found = FZevoBodyVocabulary::GetWords().Find(Token);
	return Found ? *Found : EZevoBodyWord::Unknown;
}

TArray<FString> FZevoBoneNameReader::SplitIntoTokens(const FString& Name)
{
	TArray<FString> Tokens;
	FString Current;
	const auto Flush = [&Current, &Tokens] {
		if (!Current.IsEmpty())
		{
			Tokens.Add(Current);
			Current.Empty();
		}
	};
	const FString Text = WithoutNamespace(Name);
	for (int32 Index = 0; Index < Text.Len();)
	{
		const TCHAR C = Text[Index];
		if (IsOtherScript(C))
		{
			Flush();
			SplitOtherScript(Text, Index, Tokens);
			continue;
		}
		const TCHAR Previous = Index > 0 ? Text[Index - 1] : TEXT('\0');
		const TCHAR Next = Index + 1 < Text.Len() ? Text[Index + 1] : TEXT('\0');
		if (!IsUpper(C) && !IsLower(C) && !IsDigit(C))
		{
			Flush();
			++Index;
			continue;
		}
		const bool bCaseBreak = IsUpper(C) && (IsLower(Previous) || (IsUpper(Previous) && IsLower(Next)));
		const bool bDigitBreak = IsDigit(C) != IsDigit(Previous) && !IsVertebraStart(Current, Previous, C);
		if (!Current.IsEmpty() && (bCaseBreak || bDigitBreak))
		{
			Flush();
		}
		Current.AppendChar(IsUpper(C) ? TCHAR(C - TEXT('A') + TEXT('a')) : C);
		++Index;
	}
	Flush();
	return Tokens;
}

TArray<FZevoBoneNameReading> FZevoBoneNameReader::ReadRig(const TArray<FString>& BoneNames)
{
	TArray<TArray<FString>> Tokens;
	Tokens.Reserve(BoneNames.Num());
	int32 Indexed = 0;
	for (const FString& Name : BoneNames)
	{
		Tokens.Add(SplitIntoTokens(Name));
		Indexed += EndsWithSeparatedNumber(Name) ? 1 : 0;
	}
	// A node index on (nearly) every bone numbers the nodes, not the bones' segments.
	if (BoneNames.Num() >= MinBonesForRigWideRules && Indexed * 10 >= BoneNames.Num() * 9)
	{
		for (int32 Bone = 0; Bone < Tokens.Num(); ++Bone)
		{
			if (EndsWithSeparatedNumber(BoneNames[Bone]) && Tokens[Bone].Num() > 1)
			{
				Tokens[Bone].Pop();
			}
		}
	}
	DropSharedEnds(Tokens, true);
	DropSharedEnds(Tokens, false);

	TArray<FZevoBoneNameReading> Readings;
	Readings.Reserve(Tokens.Num());
	for (const TArray<FString>& Name : Tokens)
	{
		Readings.Add(ReadTokens(Name));
	}
	return Readings;
}
