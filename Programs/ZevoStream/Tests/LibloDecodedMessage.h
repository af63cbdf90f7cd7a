#pragma once
// Decodes a datagram with liblo, an OSC implementation independent of ours, so that the tests
// check our bytes against someone else's reading of the format rather than against our own.
#include "CoreMinimal.h"

#include <bit>
#include <cstring>
#include <lo/lo.h>
#include <string>
#include <vector>

class FLibloDecodedMessage
{
public:
	explicit FLibloDecodedMessage(const TArray<uint8>& Datagram)
		: Bytes(Datagram.ToStdVector())
	{
		int Result = 0;
		Message = lo_message_deserialise(Bytes.data(), Bytes.size(), &Result);
		if (Message != nullptr)
		{
			const char* Path = lo_get_path(Bytes.data(), static_cast<ssize_t>(Bytes.size()));
			Address = Path ? Path : "";
			Types = lo_message_get_types(Message);
			Arguments = lo_message_get_argv(Message);
		}
	}
	~FLibloDecodedMessage()
	{
		if (Message != nullptr)
		{
			lo_message_free(Message);
		}
	}
	FLibloDecodedMessage(const FLibloDecodedMessage&) = delete;
	FLibloDecodedMessage& operator=(const FLibloDecodedMessage&) = delete;

	bool IsValid() const { return Message != nullptr; }

	// liblo's argument union claims 8-byte alignment, but OSC packs arguments at 4-byte offsets:
	// read the bytes through memcpy rather than through the union's members.
	int32 Int(int32 Index) const { return Read<int32>(Argument(Index)); }
	float Float(int32 Index) const { return Read<float>(Argument(Index)); }
	std::string String(int32 Index) const { return reinterpret_cast<const char*>(Argument(Index)); }
	/** liblo keeps a blob as its size (host order) followed by the payload. */
	std::vector<uint8> Blob(int32 Index) const
	{
		const uint8* Data = Argument(Index);
		const int32 Size = Read<int32>(Data);
		return std::vector<uint8>(Data + 4, Data + 4 + Size);
	}
	/** The blob read as little-endian 32-bit floats, byte by byte (independent of this machine's order). */
	std::vector<float> LittleEndianFloats(int32 Index) const
	{
		const std::vector<uint8> Payload = Blob(Index);
		std::vector<float> Values;
		for (size_t Offset = 0; Offset + 4 <= Payload.size(); Offset += 4)
		{
			const uint32 Bits = uint32(Payload[Offset]) | uint32(Payload[Offset + 1]) << 8
				| uint32(Payload[Offset + 2]) << 16 | uint32(Payload[Offset + 3]) << 24;
			Values.push_back(std::bit_cast<float>(Bits));
		}
		return Values;
	}

	std::string Address;
	std::string Types;

private:
	const uint8* Argument(int32 Index) const { return reinterpret_cast<const uint8*>(Arguments[Index]); }
	template <typename T>
	static T Read(const uint8* Data)
	{
		T Value;
		std::memcpy(&Value, Data, sizeof(T));
		return Value;
	}

	std::vector<uint8> Bytes;
	lo_message Message = nullptr;
	lo_arg** Arguments = nullptr;
};
