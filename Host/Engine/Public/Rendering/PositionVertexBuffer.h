#pragma once
// FPositionVertexBuffer: the vertex positions of one mesh LOD, in component space (centimetres,
// Z up), read the way the engine reads them.
// Knowingly different from the engine: positions are kept as FVector (double), not FVector3f,
// and live in ordinary memory (there is no GPU side).
#include "CoreMinimal.h"

class FPositionVertexBuffer
{
public:
	void Init(const TArray<FVector>& InPositions) { Positions = InPositions; }
	uint32 GetNumVertices() const { return static_cast<uint32>(Positions.Num()); }
	const FVector& VertexPosition(uint32 VertexIndex) const { return Positions[static_cast<int32>(VertexIndex)]; }
	FVector& VertexPosition(uint32 VertexIndex) { return Positions[static_cast<int32>(VertexIndex)]; }
	const TArray<FVector>& GetPositions() const { return Positions; }

private:
	TArray<FVector> Positions;
};
