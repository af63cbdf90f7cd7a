#pragma once
// FOscMessageWriter: composes one OSC message (address, type tags, arguments; big-endian, every
// field padded with zeros to a multiple of 4 bytes) into buffers that are reused from message to
// message, so that a stream of messages of the same shape allocates nothing once warmed up.
// The type-tag string is built from the arguments as they are added, so tags and arguments can
// never disagree.
#include "CoreMinimal.h"

#include <string_view>

class FOscMessageWriter
{
public:
	/** Starts a new message; the previous message's bytes are discarded. */
	void Begin(std::string_view Address);

	/** `s`: the bytes of Text up to its first zero byte, if any: a reader stops there, and the
	 *  message stays well formed. */
	void AddString(std::string_view Text);
	/** `i`: 32-bit two's complement, big-endian. */
	void AddInt32(int32 Value);
	/** `f`: IEEE 754 single, big-endian. */
	void AddFloat(float Value);
	/** `b`: big-endian size, the payload unchanged, zero padding. */
	void AddBlob(const uint8* Payload, int32 Size);
	/** `b` whose payload is Count floats, each written little-endian whatever this machine's order. */
	void AddLittleEndianFloatBlob(const float* Values, int32 Count);

	/** The finished message. Valid until the next Begin. */
	const TArray<uint8>& Finish();

private:
	static void AppendPadded(TArray<uint8>& Out, std::string_view Text);
	static void AppendBigEndian(TArray<uint8>& Out, uint32 Value);
	static void PadToFour(TArray<uint8>& Out);

	TArray<uint8> AddressBytes;
	TArray<uint8> TypeTags;
	TArray<uint8> Arguments;
	TArray<uint8> Message;
};
