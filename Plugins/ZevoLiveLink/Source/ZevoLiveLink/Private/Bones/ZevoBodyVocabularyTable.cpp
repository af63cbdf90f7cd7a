#include "Bones/ZevoBodyVocabulary.h"

// The words that rigs of the common tools use for the parts of a human body, as data. Latin words
// are lower case and match a whole token, or two or three adjacent tokens glued ("Up" "Leg" is
// "upleg"); words of other scripts match inside a run of that script, longest first. A joint word
// (shoulder, elbow, wrist, hip, knee, ankle) is kept apart from the segment words: which bone it
// means depends on where it sits in its limb, and the structural reader decides that.

namespace
{
struct FEntry
{
	const TCHAR* Word;
	EZevoBodyWord Meaning;
};

constexpr FEntry Entries[] = {
	// Centre line
	{TEXT("hips"), EZevoBodyWord::Hips}, {TEXT("pelvis"), EZevoBodyWord::Hips}, {TEXT("lowerbody"), EZevoBodyWord::Hips},
	{TEXT("下半身"), EZevoBodyWord::Hips},
	{TEXT("spine"), EZevoBodyWord::Spine}, {TEXT("chest"), EZevoBodyWord::Spine}, {TEXT("torso"), EZevoBodyWord::Spine},
	{TEXT("abdomen"), EZevoBodyWord::Spine}, {TEXT("waist"), EZevoBodyWord::Spine}, {TEXT("lowerback"), EZevoBodyWord::Spine},
	{TEXT("upperchest"), EZevoBodyWord::Spine}, {TEXT("upperbody"), EZevoBodyWord::Spine}, {TEXT("belly"), EZevoBodyWord::Spine},
	{TEXT("stomach"), EZevoBodyWord::Spine}, {TEXT("thorax"), EZevoBodyWord::Spine}, {TEXT("上半身"), EZevoBodyWord::Spine},
	{TEXT("neck"), EZevoBodyWord::Neck}, {TEXT("首"), EZevoBodyWord::Neck},
	{TEXT("head"), EZevoBodyWord::Head}, {TEXT("skull"), EZevoBodyWord::Head}, {TEXT("cranium"), EZevoBodyWord::Head},
	{TEXT("頭"), EZevoBodyWord::Head},

	// Arms
	{TEXT("clavicle"), EZevoBodyWord::Collar}, {TEXT("collar"), EZevoBodyWord::Collar}, {TEXT("collarbone"), EZevoBodyWord::Collar},
	{TEXT("clav"), EZevoBodyWord::Collar},
	{TEXT("shoulder"), EZevoBodyWord::Shoulder}, {TEXT("shldr"), EZevoBodyWord::Shoulder}, {TEXT("肩"), EZevoBodyWord::Shoulder},
	{TEXT("upperarm"), EZevoBodyWord::UpperArm}, {TEXT("uparm"), EZevoBodyWord::UpperArm}, {TEXT("arm"), EZevoBodyWord::UpperArm},
	{TEXT("humerus"), EZevoBodyWord::UpperArm}, {TEXT("bicep"), EZevoBodyWord::UpperArm}, {TEXT("腕"), EZevoBodyWord::UpperArm},
	{TEXT("elbow"), EZevoBodyWord::Elbow}, {TEXT("ひじ"), EZevoBodyWord::Elbow}, {TEXT("肘"), EZevoBodyWord::Elbow},
	{TEXT("forearm"), EZevoBodyWord::ForeArm}, {TEXT("lowerarm"), EZevoBodyWord::ForeArm}, {TEXT("lowarm"), EZevoBodyWord::ForeArm},
	{TEXT("loarm"), EZevoBodyWord::ForeArm}, {TEXT("ulna"), EZevoBodyWord::ForeArm},
	{TEXT("wrist"), EZevoBodyWord::Wrist}, {TEXT("手首"), EZevoBodyWord::Wrist},
	{TEXT("hand"), EZevoBodyWord::Hand}, {TEXT("手"), EZevoBodyWord::Hand},

	// Legs
	{TEXT("hip"), EZevoBodyWord::Hip},
	{TEXT("thigh"), EZevoBodyWord::Thigh}, {TEXT("upleg"), EZevoBodyWord::Thigh}, {TEXT("upperleg"), EZevoBodyWord::Thigh},
	{TEXT("femur"), EZevoBodyWord::Thigh},
	{TEXT("leg"), EZevoBodyWord::Leg}, {TEXT("足"), EZevoBodyWord::Leg},
	{TEXT("knee"), EZevoBodyWord::Knee}, {TEXT("ひざ"), EZevoBodyWord::Knee}, {TEXT("膝"), EZevoBodyWord::Knee},
	{TEXT("shin"), EZevoBodyWord::Shin}, {TEXT("calf"), EZevoBodyWord::Shin}, {TEXT("lowerleg"), EZevoBodyWord::Shin},
	{TEXT("lowleg"), EZevoBodyWord::Shin}, {TEXT("tibia"), EZevoBodyWord::Shin},
	{TEXT("ankle"), EZevoBodyWord::Ankle}, {TEXT("足首"), EZevoBodyWord::Ankle},
	{TEXT("foot"), EZevoBodyWord::Foot}, {TEXT("feet"), EZevoBodyWord::Foot},
	{TEXT("toe"), EZevoBodyWord::Toe}, {TEXT("toes"), EZevoBodyWord::Toe}, {TEXT("toebase"), EZevoBodyWord::Toe},
	{TEXT("ball"), EZevoBodyWord::Toe}, {TEXT("つま先"), EZevoBodyWord::Toe}, {TEXT("爪先"), EZevoBodyWord::Toe},

	// Fingers, by word or by ordinal (first is the thumb)
	{TEXT("thumb"), EZevoBodyWord::Thumb}, {TEXT("pollex"), EZevoBodyWord::Thumb}, {TEXT("first"), EZevoBodyWord::Thumb},
	{TEXT("親指"), EZevoBodyWord::Thumb},
	{TEXT("index"), EZevoBodyWord::Index}, {TEXT("pointer"), EZevoBodyWord::Index}, {TEXT("forefinger"), EZevoBodyWord::Index},
	{TEXT("second"), EZevoBodyWord::Index}, {TEXT("人指"), EZevoBodyWord::Index}, {TEXT("人差指"), EZevoBodyWord::Index},
	{TEXT("middle"), EZevoBodyWord::Middle}, {TEXT("mid"), EZevoBodyWord::Middle}, {TEXT("third"), EZevoBodyWord::Middle},
	{TEXT("中指"), EZevoBodyWord::Middle},
	{TEXT("ring"), EZevoBodyWord::Ring}, {TEXT("fourth"), EZevoBodyWord::Ring}, {TEXT("薬指"), EZevoBodyWord::Ring},
	{TEXT("pinky"), EZevoBodyWord::Pinky}, {TEXT("pinkie"), EZevoBodyWord::Pinky}, {TEXT("little"), EZevoBodyWord::Pinky},
	{TEXT("fifth"), EZevoBodyWord::Pinky}, {TEXT("小指"), EZevoBodyWord::Pinky},
	{TEXT("finger"), EZevoBodyWord::Finger}, {TEXT("fingers"), EZevoBodyWord::Finger}, {TEXT("digit"), EZevoBodyWord::Finger},
	{TEXT("metacarpal"), EZevoBodyWord::Metacarpal}, {TEXT("metacarpals"), EZevoBodyWord::Metacarpal},
	{TEXT("carpal"), EZevoBodyWord::Metacarpal}, {TEXT("palm"), EZevoBodyWord::Metacarpal}, {TEXT("mc"), EZevoBodyWord::Metacarpal},
	{TEXT("inhand"), EZevoBodyWord::Metacarpal}, {TEXT("fingerbase"), EZevoBodyWord::Metacarpal}, {TEXT("start"), EZevoBodyWord::Metacarpal},
	{TEXT("proximal"), EZevoBodyWord::Phalanx}, {TEXT("intermediate"), EZevoBodyWord::Phalanx},
	{TEXT("medial"), EZevoBodyWord::Phalanx}, {TEXT("distal"), EZevoBodyWord::Phalanx}, {TEXT("pp"), EZevoBodyWord::Phalanx},
	{TEXT("mp"), EZevoBodyWord::Phalanx}, {TEXT("dp"), EZevoBodyWord::Phalanx}, {TEXT("phalanx"), EZevoBodyWord::Phalanx},

	// Bones inside a limb that no row takes
	{TEXT("metatarsal"), EZevoBodyWord::Passage}, {TEXT("metatarsals"), EZevoBodyWord::Passage},
	{TEXT("hipjoint"), EZevoBodyWord::Passage}, {TEXT("heel"), EZevoBodyWord::Passage},

	// Helpers and end points
	{TEXT("twist"), EZevoBodyWord::Helper}, {TEXT("roll"), EZevoBodyWord::Helper}, {TEXT("share"), EZevoBodyWord::Helper},
	{TEXT("sharebone"), EZevoBodyWord::Helper}, {TEXT("ik"), EZevoBodyWord::Helper}, {TEXT("ctrl"), EZevoBodyWord::Helper},
	{TEXT("control"), EZevoBodyWord::Helper}, {TEXT("pole"), EZevoBodyWord::Helper}, {TEXT("target"), EZevoBodyWord::Helper},
	{TEXT("helper"), EZevoBodyWord::Helper}, {TEXT("corrective"), EZevoBodyWord::Helper}, {TEXT("driver"), EZevoBodyWord::Helper},
	{TEXT("aux"), EZevoBodyWord::Helper}, {TEXT("adj"), EZevoBodyWord::Helper}, {TEXT("mch"), EZevoBodyWord::Helper},
	{TEXT("dummy"), EZevoBodyWord::Helper}, {TEXT("weapon"), EZevoBodyWord::Helper}, {TEXT("attach"), EZevoBodyWord::Helper},
	{TEXT("socket"), EZevoBodyWord::Helper}, {TEXT("捩"), EZevoBodyWord::Helper}, {TEXT("ＩＫ"), EZevoBodyWord::Helper},
	{TEXT("キャンセル"), EZevoBodyWord::Helper}, {TEXT("ダミー"), EZevoBodyWord::Helper}, {TEXT("グルーブ"), EZevoBodyWord::Helper},
	{TEXT("end"), EZevoBodyWord::Tip}, {TEXT("tip"), EZevoBodyWord::Tip}, {TEXT("nub"), EZevoBodyWord::Tip},
	{TEXT("先"), EZevoBodyWord::Tip},

	// Sides and the centre line
	{TEXT("left"), EZevoBodyWord::Left}, {TEXT("l"), EZevoBodyWord::Left}, {TEXT("lft"), EZevoBodyWord::Left},
	{TEXT("左"), EZevoBodyWord::Left},
	{TEXT("right"), EZevoBodyWord::Right}, {TEXT("r"), EZevoBodyWord::Right}, {TEXT("rgt"), EZevoBodyWord::Right},
	{TEXT("右"), EZevoBodyWord::Right},
	{TEXT("c"), EZevoBodyWord::Centre}, {TEXT("m"), EZevoBodyWord::Centre}, {TEXT("center"), EZevoBodyWord::Centre},
	{TEXT("centre"), EZevoBodyWord::Centre}, {TEXT("センター"), EZevoBodyWord::Centre},
};

// Digits of the full-width forms that names in East Asian scripts carry, 0 to 9.
constexpr const TCHAR* FullWidthDigitEntries[] = {
	TEXT("０"), TEXT("１"), TEXT("２"), TEXT("３"), TEXT("４"), TEXT("５"), TEXT("６"), TEXT("７"), TEXT("８"), TEXT("９"),
};
}

const TMap<FString, EZevoBodyWord>& FZevoBodyVocabulary::GetWords()
{
	static const TMap<FString, EZevoBodyWord> Words = [] {
		TMap<FString, EZevoBodyWord> Result;
		for (const FEntry& Entry : Entries)
		{
			Result.Add(FString(Entry.Word), Entry.Meaning);
		}
		return Result;
	}();
	return Words;
}

const TArray<FString>& FZevoBodyVocabulary::GetNonLatinWords()
{
	static const TArray<FString> Words = [] {
		TArray<FString> Result;
		for (const FEntry& Entry : Entries)
		{
			if (static_cast<uint32>(Entry.Word[0]) >= 0x80)
			{
				Result.Add(FString(Entry.Word));
			}
		}
		Result.StableSort([](const FString& A, const FString& B) { return A.Len() > B.Len(); });
		return Result;
	}();
	return Words;
}

const TArray<FString>& FZevoBodyVocabulary::GetFullWidthDigits()
{
	static const TArray<FString> Digits = [] {
		TArray<FString> Result;
		for (const TCHAR* Digit : FullWidthDigitEntries)
		{
			Result.Add(FString(Digit));
		}
		return Result;
	}();
	return Digits;
}
