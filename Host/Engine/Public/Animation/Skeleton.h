#pragma once
// USkeleton: a skeleton asset, its reference skeleton (bones and rest pose), and the skinned mesh
// that previews it.
// Knowingly different from the engine: the skeleton owns its preview mesh (there is no garbage
// collector and no separate mesh asset), so saving a skeleton saves the preview mesh's vertices
// with it.
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
	/** For building or loading the skeleton; see FReferenceSkeletonModifier. */
	FReferenceSkeleton& GetMutableReferenceSkeleton() { return ReferenceSkeleton; }

	/** Null when the skeleton has no preview mesh. */
	USkeletalMesh* GetPreviewMesh() const { return PreviewMesh.get(); }
	/** Takes ownership; null removes the preview mesh. */
	void SetPreviewMesh(std::unique_ptr<USkeletalMesh> InPreviewMesh);

private:
	FReferenceSkeleton ReferenceSkeleton;
	std::unique_ptr<USkeletalMesh> PreviewMesh;
};
