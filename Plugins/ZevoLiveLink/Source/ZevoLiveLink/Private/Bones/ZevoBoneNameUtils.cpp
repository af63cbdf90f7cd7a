#include "ZevoBoneMapping.h"

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
	const UEnum* Enum = StaticEnum<EZevoBoneCategory>();
	const int32 Index = Enum ? Enum->GetIndexByValue(static_cast<int64>(Category)) : INDEX_NONE;
	return Index == INDEX_NONE ? FString(TEXT("Unknown")) : Enum->GetDisplayNameTextByIndex(Index).ToString();
}
