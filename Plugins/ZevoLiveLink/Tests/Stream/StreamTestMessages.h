#pragma once
// Messages for the stream decoders. Well-formed ones come from liblo, an independent OSC
// encoder; malformed ones are written byte by byte with FOscBytes.
#include "CoreMinimal.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <lo/lo.h>
#include <random>

inline constexpr const char* CharacterAddress = "/ZEVO/Stream/Motion/Unreal/Local";
inline constexpr const char* PropAddress = "/ZEVO/Stream/Motion/Unreal/Props";

/** The datagram of a liblo message (the message is freed). */
inline TArray<uint8> Serialise(lo_message Message, const char* Address)
{
	size_t Size = 0;
	void* Bytes = lo_message_serialise(Message, Address, nullptr, &Size);
	TArray<uint8> Datagram(static_cast<const uint8*>(Bytes), static_cast<int32>(Size));
	std::free(Bytes);
	lo_message_free(Message);
	return Datagram;
}

/** A character pose: hips position, then unit quaternions (W first) for all 52 bones. */
struct FTestPose
{
	float Values[211];

	static FTestPose Random(uint32 Seed)
	{
		FTestPose Pose;
		std::mt19937 Generator(Seed);
		std::uniform_real_distribution<float> Unit(-1.0f, 1.0f);
		Pose.Values[0] = 0.25f;
		Pose.Values[1] = 1.0f;
		Pose.Values[2] = -0.5f;
		for (int32 Bone = 0; Bone < 52; ++Bone)
		{
			float* Q = Pose.Values + 3 + 4 * Bone;
			float Length = 0.0f;
			do
			{
				for (int32 C = 0; C < 4; ++C)
				{
					Q[C] = Unit(Generator);
				}
				Length = std::sqrt(Q[0] * Q[0] + Q[1] * Q[1] + Q[2] * Q[2] + Q[3] * Q[3]);
			} while (Length < 0.1f);
			for (int32 C = 0; C < 4; ++C)
			{
				Q[C] /= Length;
			}
		}
		return Pose;
	}
	/** The rotation the stream sends for a bone, W first in the blob. */
	FQuat Rotation(int32 Bone) const
	{
		const float* Q = Values + 3 + 4 * Bone;
		return FQuat(Q[1], Q[2], Q[3], Q[0]);
	}
	/** The blob payload: the values as little-endian bytes. */
	TArray<uint8> LittleEndianBytes() const
	{
		TArray<uint8> Bytes;
		Bytes.SetNum(sizeof(Values));
		for (int32 Index = 0; Index < 211; ++Index)
		{
			uint32 Word;
			std::memcpy(&Word, &Values[Index], 4);
			for (int32 Byte = 0; Byte < 4; ++Byte)
			{
				Bytes[Index * 4 + Byte] = uint8(Word >> (8 * Byte));
			}
		}
		return Bytes;
	}
};

/** A character message as the stream sends it: name, blob, seven property floats. */
inline TArray<uint8> CharacterMessage(const char* Actor, const FTestPose& Pose, int32 PropertyCount = 7, const char* Address = CharacterAddress)
{
	lo_message Message = lo_message_new();
	lo_message_add_string(Message, Actor);
	const TArray<uint8> Payload = Pose.LittleEndianBytes();
	lo_blob Blob = lo_blob_new(Payload.Num(), Payload.GetData());
	lo_message_add_blob(Message, Blob);
	lo_blob_free(Blob);
	for (int32 Index = 0; Index < PropertyCount; ++Index)
	{
		lo_message_add_float(Message, 10.0f + Index);
	}
	return Serialise(Message, Address);
}

/** A prop message as the stream sends it: type, number, name, then the given floats. */
inline TArray<uint8> PropMessage(int32 Type, int32 Number, const char* Name, std::initializer_list<float> Floats)
{
	lo_message Message = lo_message_new();
	lo_message_add_int32(Message, Type);
	lo_message_add_int32(Message, Number);
	lo_message_add_string(Message, Name);
	for (const float Value : Floats)
	{
		lo_message_add_float(Message, Value);
	}
	return Serialise(Message, PropAddress);
}

/** Raw OSC bytes, for messages no encoder would write. */
struct FOscBytes
{
	TArray<uint8> Bytes;

	FOscBytes& String(const char* Text)
	{
		const int32 Length = static_cast<int32>(std::strlen(Text));
		Bytes.Append(reinterpret_cast<const uint8*>(Text), Length);
		for (int32 Pad = (Length + 4) / 4 * 4 - Length; Pad > 0; --Pad)
		{
			Bytes.Add(0);
		}
		return *this;
	}
	FOscBytes& Raw(std::initializer_list<uint8> Values)
	{
		for (const uint8 Value : Values)
		{
			Bytes.Add(Value);
		}
		return *this;
	}
	FOscBytes& Int(int32 Value)
	{
		const uint32 Word = static_cast<uint32>(Value);
		return Raw({uint8(Word >> 24), uint8(Word >> 16), uint8(Word >> 8), uint8(Word)});
	}
	FOscBytes& Float(float Value)
	{
		uint32 Word;
		std::memcpy(&Word, &Value, 4);
		return Int(static_cast<int32>(Word));
	}
	FOscBytes& Blob(const TArray<uint8>& Payload)
	{
		Int(Payload.Num());
		Bytes.Append(Payload);
		return *this;
	}
	/** Payload of N little-endian floats (values 0, 1, 2, ...). */
	static TArray<uint8> Floats(int32 Count)
	{
		FTestPose Pose{};
		for (int32 Index = 0; Index < 211; ++Index)
		{
			Pose.Values[Index] = float(Index);
		}
		TArray<uint8> Bytes = Pose.LittleEndianBytes();
		Bytes.SetNum(Count * 4);
		return Bytes;
	}
	FOscBytes& CutLast(int32 Count)
	{
		Bytes.SetNum(Bytes.Num() - Count);
		return *this;
	}
};

/** Angle in radians between two rotations; q and -q are the same rotation. */
inline double AngleBetween(const FQuat& A, const FQuat& B)
{
	const double LengthA = std::sqrt(A.X * A.X + A.Y * A.Y + A.Z * A.Z + A.W * A.W);
	const double LengthB = std::sqrt(B.X * B.X + B.Y * B.Y + B.Z * B.Z + B.W * B.W);
	const double Dot = std::fabs(A.X * B.X + A.Y * B.Y + A.Z * B.Z + A.W * B.W) / (LengthA * LengthB);
	return 2.0 * std::acos(std::fmin(1.0, Dot));
}
