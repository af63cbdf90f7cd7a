#include "ZevoCharacterFrame.h"

#include "ZevoStreamSkeleton.h"

#include <bit>
#include <cstring>
#include <vector>

namespace
{
/** A W-first quaternion as the blob holds it; as a transform, the rotation of a bone alone. */
struct FStreamRotation
{
	float W;
	float X;
	float Y;
	float Z;

	operator FTransform() const { return FTransform(FQuat(X, Y, Z, W), FVector()); }
};

/** Values made only of floats, from little-endian bytes of any alignment. */
template <typename T, size_t Count>
void ReadLittleEndian(const uint8* Bytes, T (&OutValues)[Count])
{
	static_assert(sizeof(T) % sizeof(uint32) == 0);
	std::memcpy(OutValues, Bytes, sizeof(OutValues));
	if constexpr (std::endian::native == std::endian::big)
	{
		uint8* Words = reinterpret_cast<uint8*>(OutValues);
		for (size_t At = 0; At < sizeof(OutValues); At += sizeof(uint32))
		{
			uint32 Word;
			std::memcpy(&Word, Words + At, sizeof(Word));
			Word = __builtin_bswap32(Word);
			std::memcpy(Words + At, &Word, sizeof(Word));
		}
	}
}
}

static_assert(ZevoCharacterBoneValueCount * sizeof(float) == 7 * sizeof(float) + (ZevoStreamBoneCount - 1) * sizeof(FStreamRotation));

TArray<FTransform> ZevoConvertCharacterBoneData(const uint8* LittleEndianFloats)
{
	float Hips[7];
	FStreamRotation Rotations[ZevoStreamBoneCount - 1];
	ReadLittleEndian(LittleEndianFloats, Hips);
	ReadLittleEndian(LittleEndianFloats + sizeof(Hips), Rotations);

	std::vector<FTransform> Transforms;
	Transforms.reserve(ZevoStreamBoneCount);
	Transforms.emplace_back(FQuat(Hips[4], Hips[5], Hips[6], Hips[3]), FVector(Hips[0], Hips[1], Hips[2]));
	// Inserted as a range, the transforms are built in place in one pass, each written once.
	Transforms.insert(Transforms.end(), std::begin(Rotations), std::end(Rotations));
	return TArray<FTransform>(std::move(Transforms));
}
