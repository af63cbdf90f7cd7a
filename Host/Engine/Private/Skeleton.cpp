#include "Animation/Skeleton.h"

ZEVO_IMPLEMENT_CLASS(USkeleton, CLASS_None)

USkeleton::USkeleton() = default;
USkeleton::~USkeleton() = default;

void USkeleton::SetPreviewMesh(std::unique_ptr<USkeletalMesh> InPreviewMesh)
{
	PreviewMesh = std::move(InPreviewMesh);
	if (PreviewMesh)
	{
		PreviewMesh->SetSkeleton(this);
		PreviewMesh->SetOuter(this);
	}
}
