#pragma once
// USkeleton: a skeleton asset, its reference skeleton (bones and rest pose), and the skinned mesh
// that previews it. The asset file holds the bone infos and reference poses as arrays of
// structures and the preview mesh's vertex positions as an array of vectors.
// Knowingly different from the engine: the skeleton owns its preview mesh (there is no separate
// mesh asset), so saving a skeleton saves the preview mesh's vertices with it.
#include "Engine/SkeletalMesh.h"
#include "ReferenceSkeleton.h"
#include "UObject/Object.h"

#include <memory>

class USkeleton : public UObject
{
	ZEVO_CLASS(USkeleton, UObject)

public:
	USkeleton();
	~USkeleton() override;

	const FReferenceSkeleton& GetReferenceSkeleton() const { return ReferenceSkeleton; }
	/** For building the skeleton; see FReferenceSkeletonModifier. */
	FReferenceSkeleton& GetMutableReferenceSkeleton() { return ReferenceSkeleton; }

	/** Null when the skeleton has no preview mesh. */
	USkeletalMesh* GetPreviewMesh() const { return PreviewMesh.get(); }
	/**
	 * Takes ownership; null removes the preview mesh. The mesh's vertex positions at this moment
	 * are the ones the asset saves.
	 */
	void SetPreviewMesh(std::unique_ptr<USkeletalMesh> InPreviewMesh);
	/** Makes a preview mesh named "<skeleton>_PreviewMesh" with these LOD 0 positions; none when empty. */
	void SetPreviewMeshVertices(const TArray<FVector>& Vertices);

	/** Checks what the file held bone by bone (as the builder does) and remakes the preview mesh. */
	void PostLoad() override;
#if WITH_EDITOR
	void PostEditUndo() override;
#endif

private:
	/** Rebuilds the bone lookup and the preview mesh from the reflected state, dropping bad bones. */
	void RebuildFromReflectedState();

	FReferenceSkeleton ReferenceSkeleton;
	std::unique_ptr<USkeletalMesh> PreviewMesh;
	/** The saved form of the preview mesh: LOD 0's vertex positions. */
	TArray<FVector> PreviewMeshVertices;
};
