#pragma once
// USceneComponent: a component with a place. Its transform is relative to the component it is
// attached to (or to the world when it has none); the world transform follows from the chain.
// Knowingly different from the engine: the relative rotation is kept as a quaternion, and the
// world transform is worked out when asked instead of being cached.
#include "Components/ActorComponent.h"

class USceneComponent : public UActorComponent
{
	ZEVO_CLASS(USceneComponent, UActorComponent)

public:
	~USceneComponent() override;

	FTransform GetRelativeTransform() const { return FTransform(RelativeRotation, RelativeLocation, RelativeScale3D); }
	void SetRelativeTransform(const FTransform& NewTransform);
	void SetRelativeLocation(const FVector& NewLocation) { RelativeLocation = NewLocation; }
	void SetRelativeRotation(const FQuat& NewRotation) { RelativeRotation = NewRotation; }
	void SetRelativeScale3D(const FVector& NewScale) { RelativeScale3D = NewScale; }
	const FVector& GetRelativeLocation() const { return RelativeLocation; }
	const FQuat& GetRelativeRotation() const { return RelativeRotation; }
	const FVector& GetRelativeScale3D() const { return RelativeScale3D; }

	/** The relative transform carried through every parent up to the world. */
	FTransform GetComponentTransform() const;
	FVector GetComponentLocation() const { return GetComponentTransform().GetLocation(); }
	/** Sets the relative transform that puts this component at NewTransform in the world. */
	void SetWorldTransform(const FTransform& NewTransform);

	/** Attaches below Parent (detaching from any previous parent); false for a cycle or a null parent. */
	bool AttachToComponent(USceneComponent* Parent, const FAttachmentTransformRules& Rules);
	/** Leaves the parent, keeping the world transform. */
	void DetachFromComponent();
	USceneComponent* GetAttachParent() const { return AttachParent; }
	const TArray<USceneComponent*>& GetAttachChildren() const { return AttachChildren; }

	void SetVisibility(bool bNewVisibility, bool bPropagateToChildren = false);
	bool IsVisible() const { return bVisible; }
	void SetHiddenInGame(bool bNewHidden, bool bPropagateToChildren = false);
	bool bHiddenInGame = false;

	FVector RelativeLocation = FVector::ZeroVector;
	FQuat RelativeRotation = FQuat::Identity;
	FVector RelativeScale3D = FVector::OneVector;
	bool bVisible = true;

private:
	USceneComponent* AttachParent = nullptr;
	TArray<USceneComponent*> AttachChildren;
};
