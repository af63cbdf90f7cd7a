#pragma once
// FGuid: a 128-bit identifier; all zero means invalid.
#include "Containers/UnrealString.h"
#include "Templates/TypeHash.h"

struct FGuid
{
	uint32 A = 0;
	uint32 B = 0;
	uint32 C = 0;
	uint32 D = 0;

	constexpr FGuid() = default;
	constexpr FGuid(uint32 InA, uint32 InB, uint32 InC, uint32 InD) : A(InA), B(InB), C(InC), D(InD) {}

	static FGuid NewGuid();
	bool IsValid() const { return (A | B | C | D) != 0; }
	void Invalidate() { A = B = C = D = 0; }
	/** 32 upper-case hex digits, the engine's default form. */
	FString ToString() const { return FString::Printf(TEXT("%08X%08X%08X%08X"), A, B, C, D); }
	constexpr bool operator==(const FGuid& G) const { return A == G.A && B == G.B && C == G.C && D == G.D; }
};

inline uint32 GetTypeHash(const FGuid& Guid)
{
	return HashCombine(HashCombine(GetTypeHash(Guid.A), GetTypeHash(Guid.B)), HashCombine(GetTypeHash(Guid.C), GetTypeHash(Guid.D)));
}
