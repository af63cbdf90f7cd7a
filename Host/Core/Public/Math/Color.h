#pragma once
// FLinearColor: linear RGBA with components in 0..1.
#include "HAL/Platform.h"

struct FLinearColor
{
	float R = 0.f;
	float G = 0.f;
	float B = 0.f;
	float A = 1.f;

	constexpr FLinearColor() = default;
	constexpr FLinearColor(float InR, float InG, float InB, float InA = 1.f) : R(InR), G(InG), B(InB), A(InA) {}
	constexpr bool operator==(const FLinearColor& C) const { return R == C.R && G == C.G && B == C.B && A == C.A; }

	static const FLinearColor White;
	static const FLinearColor Black;
};

inline constexpr FLinearColor FLinearColor::White{1.f, 1.f, 1.f, 1.f};
inline constexpr FLinearColor FLinearColor::Black{0.f, 0.f, 0.f, 1.f};
