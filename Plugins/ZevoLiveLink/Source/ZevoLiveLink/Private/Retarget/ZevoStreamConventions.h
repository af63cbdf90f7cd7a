#pragma once
// FZevoStreamConventions: how the capture stream's quantities become the engine's. The stream
// measures in metres in a Y-up frame; the engine in centimetres, Z up. Its X axis points the other
// way, so a position negates X and swaps Y and Z, and a rotation, whose axis turns with the frame
// while the mirroring flips its sense, negates X and swaps the Y and Z components.
#include "CoreMinimal.h"

class FZevoStreamConventions
{
public:
	/** Metres to centimetres: leg lengths, offsets and prop sizes. */
	static constexpr float LengthToEngine(float Metres) { return Metres * 100.f; }

	/** A stream position (metres, Y up) in engine centimetres, Z up. */
	static FVector PositionToEngine(const FVector& Metres) { return FVector(-100.0 * Metres.X, 100.0 * Metres.Z, 100.0 * Metres.Y); }

	/** A stream rotation (X, Y, Z, W) in the engine's axes. */
	static FQuat RotationToEngine(const FQuat& Q) { return FQuat(-Q.X, Q.Z, Q.Y, Q.W); }

	/**
	 * A stream scale that carries a size in metres as a size in engine centimetres along the
	 * engine's axes: a size has no sense along an axis, so X keeps its sign.
	 */
	static FVector SizeToEngine(const FVector& Metres) { return FVector(100.0 * Metres.X, 100.0 * Metres.Z, 100.0 * Metres.Y); }
};
