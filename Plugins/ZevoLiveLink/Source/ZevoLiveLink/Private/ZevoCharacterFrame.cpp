#include "ZevoCharacterFrame.h"

#include "ZevoStreamSkeleton.h"

#include <bit>
#include <cstring>

static_assert(ZevoCharacterBoneValueCount == 211);

void ZevoConvertCharacterBoneData(const uint8* LittleEndianFloats, TArray<FTransform>& OutTransforms)
{
	// One copy into aligned floats lets the widening below run as vector conversions.
	float Values[ZevoCharacterBoneValueCount];
	std::memcpy(Values, LittleEndianFloats, sizeof(Values));
	if constexpr (std::endian::native == std::endian::big)
	{
		for (float& Value : Values)
		{
			Value = std::bit_cast<float>(__builtin_bswap32(std::bit_cast<uint32>(Value)));
		}
	}

	OutTransforms.SetNum(ZevoStreamBoneCount);
	FTransform* Out = OutTransforms.GetData();
	Out[0] = FTransform(FQuat(Values[4], Values[5], Values[6], Values[3]), FVector(Values[0], Values[1], Values[2]));
	const float* Quaternions = Values + 7;
	for (int32 Bone = 1; Bone < ZevoStreamBoneCount; ++Bone, Quaternions += 4)
	{
		Out[Bone] = FTransform(FQuat(Quaternions[1], Quaternions[2], Quaternions[3], Quaternions[0]), FVector::ZeroVector);
	}
}
