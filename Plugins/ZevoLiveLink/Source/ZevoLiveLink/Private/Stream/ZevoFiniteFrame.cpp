#include "ZevoFiniteFrame.h"

#include "Roles/LiveLinkAnimationTypes.h"
#include "Roles/LiveLinkTransformTypes.h"

namespace
{
bool IsFiniteVector(const FVector& Vector)
{
	return FMath::IsFinite(Vector.X) && FMath::IsFinite(Vector.Y) && FMath::IsFinite(Vector.Z);
}

bool IsFiniteTransform(const FTransform& Transform)
{
	const FQuat Rotation = Transform.GetRotation();
	return FMath::IsFinite(Rotation.X) && FMath::IsFinite(Rotation.Y) && FMath::IsFinite(Rotation.Z) && FMath::IsFinite(Rotation.W)
		&& IsFiniteVector(Transform.GetTranslation()) && IsFiniteVector(Transform.GetScale3D());
}
}

bool ZevoIsFiniteFrame(const FLiveLinkFrameDataStruct& Frame)
{
	const FLiveLinkBaseFrameData* Base = Frame.GetBaseData();
	if (!Base)
	{
		return true;
	}
	for (const float Value : Base->PropertyValues)
	{
		if (!FMath::IsFinite(Value))
		{
			return false;
		}
	}
	if (const FLiveLinkAnimationFrameData* Animation = Frame.Cast<FLiveLinkAnimationFrameData>())
	{
		for (const FTransform& Transform : Animation->Transforms)
		{
			if (!IsFiniteTransform(Transform))
			{
				return false;
			}
		}
	}
	if (const FLiveLinkTransformFrameData* Transform = Frame.Cast<FLiveLinkTransformFrameData>())
	{
		return IsFiniteTransform(Transform->Transform);
	}
	return true;
}
