#include "ZevoBoneMapping.h"

// The enumerators' identifiers are the stream bones' names; the display names follow the
// target rigs' naming, which is what the person mapping bones reads in the drop-down.
ZEVO_IMPLEMENT_ENUM(EZevoBoneName, ZEVO_ENUM_META({"BlueprintType", "true"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, Hips, {"DisplayName", "Pelvis"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, Chest, {"DisplayName", "Spine 01"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, Chest1, {"DisplayName", "Spine 02"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, Chest2, {"DisplayName", "Spine 03"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, Neck, {"DisplayName", "Neck 01"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, Neck1, {"DisplayName", "Head"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, LeftHip, {"DisplayName", "Thigh L"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, LeftKnee, {"DisplayName", "Calf L"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, LeftAnkle, {"DisplayName", "Foot L"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, LeftToe, {"DisplayName", "Toe L"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, RightHip, {"DisplayName", "Thigh R"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, RightKnee, {"DisplayName", "Calf R"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, RightAnkle, {"DisplayName", "Foot R"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, RightToe, {"DisplayName", "Toe R"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, LeftCollar, {"DisplayName", "Clavicle L"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, LeftShoulder, {"DisplayName", "UpperArm L"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, LeftElbow, {"DisplayName", "LowerArm L"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, LeftWrist, {"DisplayName", "Hand L"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, RightCollar, {"DisplayName", "Clavicle R"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, RightShoulder, {"DisplayName", "UpperArm R"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, RightElbow, {"DisplayName", "LowerArm R"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, RightWrist, {"DisplayName", "Hand R"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, LeftFinger0, {"DisplayName", "Thumb 01 L"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, LeftFinger01, {"DisplayName", "Thumb 02 L"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, LeftFinger02, {"DisplayName", "Thumb 03 L"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, LeftFinger1, {"DisplayName", "Index 01 L"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, LeftFinger11, {"DisplayName", "Index 02 L"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, LeftFinger12, {"DisplayName", "Index 03 L"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, LeftFinger2, {"DisplayName", "Middle 01 L"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, LeftFinger21, {"DisplayName", "Middle 02 L"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, LeftFinger22, {"DisplayName", "Middle 03 L"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, LeftFinger3, {"DisplayName", "Ring 01 L"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, LeftFinger31, {"DisplayName", "Ring 02 L"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, LeftFinger32, {"DisplayName", "Ring 03 L"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, LeftFinger4, {"DisplayName", "Pinky 01 L"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, LeftFinger41, {"DisplayName", "Pinky 02 L"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, LeftFinger42, {"DisplayName", "Pinky 03 L"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, RightFinger0, {"DisplayName", "Thumb 01 R"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, RightFinger01, {"DisplayName", "Thumb 02 R"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, RightFinger02, {"DisplayName", "Thumb 03 R"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, RightFinger1, {"DisplayName", "Index 01 R"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, RightFinger11, {"DisplayName", "Index 02 R"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, RightFinger12, {"DisplayName", "Index 03 R"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, RightFinger2, {"DisplayName", "Middle 01 R"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, RightFinger21, {"DisplayName", "Middle 02 R"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, RightFinger22, {"DisplayName", "Middle 03 R"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, RightFinger3, {"DisplayName", "Ring 01 R"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, RightFinger31, {"DisplayName", "Ring 02 R"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, RightFinger32, {"DisplayName", "Ring 03 R"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, RightFinger4, {"DisplayName", "Pinky 01 R"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, RightFinger41, {"DisplayName", "Pinky 02 R"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, RightFinger42, {"DisplayName", "Pinky 03 R"}),
	ZEVO_ENUM_ENTRY(EZevoBoneName, Count, {"Hidden", ""}))

ZEVO_IMPLEMENT_ENUM(EZevoBoneCategory, ZEVO_ENUM_META({"BlueprintType", "true"}),
	ZEVO_ENUM_ENTRY(EZevoBoneCategory, BodyAndSpine, {"DisplayName", "Body & Spine"}),
	ZEVO_ENUM_ENTRY(EZevoBoneCategory, Legs, {"DisplayName", "Legs"}),
	ZEVO_ENUM_ENTRY(EZevoBoneCategory, Arms, {"DisplayName", "Arms"}),
	ZEVO_ENUM_ENTRY(EZevoBoneCategory, Fingers, {"DisplayName", "Fingers"}))

namespace
{
constexpr int32 NumStreamBones = static_cast<int32>(EZevoBoneName::Count);

// The identifiers as names, by value, read once from the reflection so that they are spelled
// in exactly one place.
const TArray<FName>& BoneNamesByValue()
{
	static const TArray<FName> Names = []
	{
		const UEnum* Enum = StaticEnum<EZevoBoneName>();
		TArray<FName> Result;
		Result.Reserve(NumStreamBones);
		for (int32 Value = 0; Value < NumStreamBones; ++Value)
		{
			Result.Add(FName(Enum->GetNameStringByValue(Value)));
		}
		return Result;
	}();
	return Names;
}

// The order in which a name is compared with the identifiers: body and legs first, fingers
// last. Only the first match counts, and each identifier is unique, so the order decides
// nothing but how soon the search ends.
constexpr EZevoBoneName NameSearchOrder[] = {
	EZevoBoneName::Hips,
	EZevoBoneName::LeftHip, EZevoBoneName::LeftKnee, EZevoBoneName::LeftAnkle, EZevoBoneName::LeftToe,
	EZevoBoneName::RightHip, EZevoBoneName::RightKnee, EZevoBoneName::RightAnkle, EZevoBoneName::RightToe,
	EZevoBoneName::Chest, EZevoBoneName::Chest1, EZevoBoneName::Chest2,
	EZevoBoneName::LeftCollar, EZevoBoneName::LeftShoulder, EZevoBoneName::LeftElbow, EZevoBoneName::LeftWrist,
	EZevoBoneName::Neck, EZevoBoneName::Neck1,
	EZevoBoneName::RightCollar, EZevoBoneName::RightShoulder, EZevoBoneName::RightElbow, EZevoBoneName::RightWrist,
	EZevoBoneName::LeftFinger0, EZevoBoneName::LeftFinger01, EZevoBoneName::LeftFinger02,
	EZevoBoneName::LeftFinger1, EZevoBoneName::LeftFinger11, EZevoBoneName::LeftFinger12,
	EZevoBoneName::LeftFinger2, EZevoBoneName::LeftFinger21, EZevoBoneName::LeftFinger22,
	EZevoBoneName::LeftFinger3, EZevoBoneName::LeftFinger31, EZevoBoneName::LeftFinger32,
	EZevoBoneName::LeftFinger4, EZevoBoneName::LeftFinger41, EZevoBoneName::LeftFinger42,
	EZevoBoneName::RightFinger0, EZevoBoneName::RightFinger01, EZevoBoneName::RightFinger02,
	EZevoBoneName::RightFinger1, EZevoBoneName::RightFinger11, EZevoBoneName::RightFinger12,
	EZevoBoneName::RightFinger2, EZevoBoneName::RightFinger21, EZevoBoneName::RightFinger22,
	EZevoBoneName::RightFinger3, EZevoBoneName::RightFinger31, EZevoBoneName::RightFinger32,
	EZevoBoneName::RightFinger4, EZevoBoneName::RightFinger41, EZevoBoneName::RightFinger42,
};
static_assert(UE_ARRAY_COUNT(NameSearchOrder) == NumStreamBones);
}

FName FZevoBoneNameUtils::EnumToFName(EZevoBoneName Bone)
{
	const int32 Value = static_cast<int32>(Bone);
	return Value < NumStreamBones ? BoneNamesByValue()[Value] : NAME_None;
}

EZevoBoneName FZevoBoneNameUtils::FNameToEnum(FName Name)
{
	for (const EZevoBoneName Bone : NameSearchOrder)
	{
		if (BoneNamesByValue()[static_cast<int32>(Bone)] == Name)
		{
			return Bone;
		}
	}
	return EZevoBoneName::Hips;
}

TArray<EZevoBoneName> FZevoBoneNameUtils::GetAllBoneEnums()
{
	TArray<EZevoBoneName> Bones;
	Bones.Reserve(NumStreamBones);
	for (int32 Value = 0; Value < NumStreamBones; ++Value)
	{
		Bones.Add(static_cast<EZevoBoneName>(Value));
	}
	return Bones;
}

EZevoBoneCategory FZevoBoneNameUtils::GetBoneCategory(EZevoBoneName Bone)
{
	if (Bone >= EZevoBoneName::LeftFinger0 && Bone < EZevoBoneName::Count)
	{
		return EZevoBoneCategory::Fingers;
	}
	if (Bone >= EZevoBoneName::LeftCollar && Bone < EZevoBoneName::LeftFinger0)
	{
		return EZevoBoneCategory::Arms;
	}
	if (Bone >= EZevoBoneName::LeftHip && Bone < EZevoBoneName::LeftCollar)
	{
		return EZevoBoneCategory::Legs;
	}
	return EZevoBoneCategory::BodyAndSpine;
}

FString FZevoBoneNameUtils::GetCategoryName(EZevoBoneCategory Category)
{
	const UEnum* Enum = FindEnum("EZevoBoneCategory");
	const int32 Index = Enum ? Enum->GetIndexByValue(static_cast<int64>(Category)) : INDEX_NONE;
	return Index == INDEX_NONE ? FString(TEXT("Unknown")) : Enum->GetDisplayNameTextByIndex(Index).ToString();
}
