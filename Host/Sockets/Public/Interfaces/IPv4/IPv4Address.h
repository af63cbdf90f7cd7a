#pragma once
// FIPv4Address: four bytes of an IPv4 address, with the dotted-decimal text form.
// Parse is strict (four decimal fields of 0..255, nothing else), where the engine would read
// stray text as zeros: a mistyped address must not become 0.0.0.0 silently.
#include "CoreMinimal.h"

struct FIPv4Address
{
	uint8 A = 0;
	uint8 B = 0;
	uint8 C = 0;
	uint8 D = 0;

	constexpr FIPv4Address() = default;
	constexpr FIPv4Address(uint8 InA, uint8 InB, uint8 InC, uint8 InD) : A(InA), B(InB), C(InC), D(InD) {}

	static const FIPv4Address Any;
	static const FIPv4Address InternalLoopback;

	static bool Parse(const FString& Text, FIPv4Address& OutAddress);
	/** "A.B.C.D". */
	FString ToString() const;
	/** Host byte order, A in the top byte. */
	constexpr uint32 GetValue() const { return (uint32(A) << 24) | (uint32(B) << 16) | (uint32(C) << 8) | uint32(D); }
	constexpr bool operator==(const FIPv4Address& Other) const { return GetValue() == Other.GetValue(); }
};

inline constexpr FIPv4Address FIPv4Address::Any{0, 0, 0, 0};
inline constexpr FIPv4Address FIPv4Address::InternalLoopback{127, 0, 0, 1};
