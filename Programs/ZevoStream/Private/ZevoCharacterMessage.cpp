#include "ZevoCharacterMessage.h"

const TArray<uint8>& WriteZevoCharacterMessage(FOscMessageWriter& Writer, const FZevoCharacterFrame& Frame)
{
	std::array<float, ZevoCharacterBlobFloats> Blob;
	Blob[0] = static_cast<float>(Frame.HipsPosition.X);
	Blob[1] = static_cast<float>(Frame.HipsPosition.Y);
	Blob[2] = static_cast<float>(Frame.HipsPosition.Z);
	for (int32 Bone = 0; Bone < ZevoStreamBody::BoneCount; ++Bone)
	{
		const FQuat& Rotation = Frame.Rotations[Bone];
		float* Quadruple = &Blob[3 + 4 * Bone];
		Quadruple[0] = static_cast<float>(Rotation.W);
		Quadruple[1] = static_cast<float>(Rotation.X);
		Quadruple[2] = static_cast<float>(Rotation.Y);
		Quadruple[3] = static_cast<float>(Rotation.Z);
	}

	Writer.Begin(ZevoCharacterAddress);
	Writer.AddString(Frame.ActorName.ToStdString());
	Writer.AddLittleEndianFloatBlob(Blob.data(), ZevoCharacterBlobFloats);
	for (const float Value : Frame.Properties)
	{
		Writer.AddFloat(Value);
	}
	return Writer.Finish();
}
