#include "ZevoCharacterFrame.h"

#include "Misc/ByteSwap.h"
#include "ZevoStreamSkeleton.h"

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
template <typename T, SIZE_T Count>
void ReadLittleEndian(const uint8* Bytes, T (&OutValues)[Count])
{
	static_assert(sizeof(T) % sizeof(uint32) == 0);
	FMemory::Memcpy(OutValues, Bytes, sizeof(OutValues));
#if !PLATFORM_LITTLE_ENDIAN
	uint8* Words = reinterpret_cast<uint8*>(OutValues);
	for (SIZE_T At = 0; At < sizeof(OutValues); At += sizeof(uint32))
	{
		uint32 Word;
		FMemory::Memcpy(&Word, Words + At, sizeof(Word));
		Word = INTEL_ORDER32(Word);
		FMemory::Memcpy(Words + At, &Word, sizeof(Word));
	}
#endif
}
}

static_assert(ZevoCharacterBoneValueCount * sizeof(float) == 7 * sizeof(float) + (ZevoStreamBoneCount - 1) * sizeof(FStreamRotation));

TArray<FTransform> ZevoConvertCharacterBoneData(const uint8* LittleEndianFloats)
{
	float Hips[7];
	FStreamRotation Rotations[ZevoStreamBoneCount - 1];
	ReadLittleEndian(LittleEndianFloats, Hips);
	ReadLittleEndian(LittleEndianFloats + sizeof(Hips), Rotations);

	TArray<FTransform> Transforms;
	Transforms.Reserve(ZevoStreamBoneCount);
	Transforms.Emplace(FQuat(Hips[4], Hips[5], Hips[6], Hips[3]), FVector(Hips[0], Hips[1], Hips[2]));
	// Built in place, each written once.
	for (const FStreamRotation& Rotation : Rotations)
	{
		Transforms.Emplace(Rotation);
	}
	return Transforms;
}
