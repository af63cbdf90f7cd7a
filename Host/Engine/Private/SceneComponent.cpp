#include "Components/SceneComponent.h"

#include "UObject/ObjectMacros.h"

ZEVO_REFLECT_CLASS(USceneComponent, CLASS_None)
{
	ZEVO_PROPERTY(RelativeLocation, UP::EditAnywhere, {"Category", "Transform"}, {"DisplayName", "Location"});
	ZEVO_PROPERTY(RelativeRotation, UP::EditAnywhere, {"Category", "Transform"}, {"DisplayName", "Rotation"});
	ZEVO_PROPERTY(RelativeScale3D, UP::EditAnywhere, {"Category", "Transform"}, {"DisplayName", "Scale"});
	ZEVO_PROPERTY(bVisible, UP::EditAnywhere, {"Category", "Rendering"});
	ZEVO_PROPERTY(bHiddenInGame, UP::EditAnywhere, {"Category", "Rendering"});
}

USceneComponent::~USceneComponent()
{
	// Neither side may keep a pointer to a component that is gone.
	DetachFromComponent();
	for (USceneComponent* Child : AttachChildren)
	{
		const FTransform World = Child->GetComponentTransform();
		Child->AttachParent = nullptr;
		Child->SetRelativeTransform(World);
	}
}

void USceneComponent::SetRelativeTransform(const FTransform& NewTransform)
{
	RelativeLocation = NewTransform.GetLocation();
	RelativeRotation = NewTransform.GetRotation();
	RelativeScale3D = NewTransform.GetScale3D();
}

FTransform USceneComponent::GetComponentTransform() const
{
	const FTransform Relative = GetRelativeTransform();
	return AttachParent ? Relative * AttachParent->GetComponentTransform() : Relative;
}

void USceneComponent::SetWorldTransform(const FTransform& NewTransform)
{
	SetRelativeTransform(AttachParent ? NewTransform * AttachParent->GetComponentTransform().Inverse() : NewTransform);
}

bool USceneComponent::AttachToComponent(USceneComponent* Parent, const FAttachmentTransformRules& Rules)
{
	for (const USceneComponent* Ancestor = Parent; Ancestor; Ancestor = Ancestor->AttachParent)
	{
		if (Ancestor == this)
		{
			return false;
		}
	}
	if (!Parent)
	{
		return false;
	}
	const FTransform World = GetComponentTransform();
	DetachFromComponent();
	AttachParent = Parent;
	Parent->AttachChildren.Add(this);
	if (Rules.bKeepWorldTransform)
	{
		SetWorldTransform(World);
	}
	return true;
}

void USceneComponent::DetachFromComponent()
{
	if (!AttachParent)
	{
		return;
	}
	const FTransform World = GetComponentTransform();
	AttachParent->AttachChildren.Remove(this);
	AttachParent = nullptr;
	SetRelativeTransform(World);
}

void USceneComponent::SetVisibility(bool bNewVisibility, bool bPropagateToChildren)
{
	bVisible = bNewVisibility;
	if (bPropagateToChildren)
	{
		for (USceneComponent* Child : AttachChildren)
		{
			Child->SetVisibility(bNewVisibility, true);
		}
	}
}

void USceneComponent::SetHiddenInGame(bool bNewHidden, bool bPropagateToChildren)
{
	bHiddenInGame = bNewHidden;
	if (bPropagateToChildren)
	{
		for (USceneComponent* Child : AttachChildren)
		{
			Child->SetHiddenInGame(bNewHidden, true);
		}
	}
}
