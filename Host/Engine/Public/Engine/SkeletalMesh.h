#pragma once
// USkeletalMesh: a skinned mesh of a skeleton. Here it serves as a skeleton's preview mesh, whose
// LOD 0 vertex positions tell where the soles of the feet are.
// Knowingly different from the engine: a mesh holds one LOD of positions only (no sections,
// normals, UVs or skin weights), and its render data exists only while it has vertices.
#include "Rendering/SkeletalMeshRenderData.h"
#include "UObject/Object.h"

#include <memory>

class USkeleton;

class USkeletalMesh : public UObject
{
	ZEVO_CLASS(USkeletalMesh, UObject)

public:
	USkeleton* GetSkeleton() const { return Skeleton; }
	void SetSkeleton(USkeleton* InSkeleton) { Skeleton = InSkeleton; }

	/** Replaces LOD 0's vertex positions (component space, centimetres, Z up). */
	void SetVertexPositions(const TArray<FVector>& Positions);
	/** LOD 0's vertex positions; empty when the mesh has no render data. */
	TArray<FVector> GetVertexPositions() const;

	/** Null while the mesh has no vertices. */
	FSkeletalMeshRenderData* GetResourceForRendering() const { return RenderData.get(); }

private:
	USkeleton* Skeleton = nullptr;
	std::unique_ptr<FSkeletalMeshRenderData> RenderData;
};
