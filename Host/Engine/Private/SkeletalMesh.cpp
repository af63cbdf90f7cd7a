#include "Engine/SkeletalMesh.h"

ZEVO_IMPLEMENT_CLASS(USkeletalMesh, CLASS_None)

void USkeletalMesh::SetVertexPositions(const TArray<FVector>& Positions)
{
	if (Positions.IsEmpty())
	{
		RenderData.reset();
		return;
	}
	RenderData = std::make_unique<FSkeletalMeshRenderData>();
	RenderData->LODRenderData.AddDefaulted();
	RenderData->LODRenderData[0].StaticVertexBuffers.PositionVertexBuffer.Init(Positions);
}

TArray<FVector> USkeletalMesh::GetVertexPositions() const
{
	if (!RenderData || RenderData->LODRenderData.IsEmpty())
	{
		return {};
	}
	return RenderData->LODRenderData[0].StaticVertexBuffers.PositionVertexBuffer.GetPositions();
}
