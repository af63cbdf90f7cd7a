#pragma once
// FVector2D: a 2D vector in double precision (widget offsets and sizes).

struct FVector2D
{
	double X = 0.0;
	double Y = 0.0;

	constexpr FVector2D() = default;
	constexpr FVector2D(double InX, double InY) : X(InX), Y(InY) {}
	constexpr bool operator==(const FVector2D& Other) const { return X == Other.X && Y == Other.Y; }
};
