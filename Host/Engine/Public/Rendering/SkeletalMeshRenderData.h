#pragma once
// The render data of a skeletal mesh, reduced to what is read here: LOD 0's vertex positions,
// reached as GetResourceForRendering()->LODRenderData[0].StaticVertexBuffers.PositionVertexBuffer.
#include "Rendering/PositionVertexBuffer.h"

struct FStaticMeshVertexBuffers
{
	FPositionVertexBuffer PositionVertexBuffer;
};

struct FSkeletalMeshLODRenderData
{
	FStaticMeshVertexBuffers StaticVertexBuffers;
	uint32 GetNumVertices() const { return StaticVertexBuffers.PositionVertexBuffer.GetNumVertices(); }
};

struct FSkeletalMeshRenderData
{
	TArray<FSkeletalMeshLODRenderData> LODRenderData;
};
