#pragma once
// Reflected properties and the event the property editor sends after it changed one.
#include "UObject/Object.h"

/** A reflected property of a class or structure. */
class FProperty
{
public:
	explicit FProperty(FName InName) : Name(InName) {}
	virtual ~FProperty() = default;
	FName GetFName() const { return Name; }

private:
	FName Name;
};

namespace EPropertyChangeType
{
enum Type : uint32
{
	Unspecified = 1 << 0,
	ArrayAdd = 1 << 1,
	ArrayRemove = 1 << 2,
	ArrayClear = 1 << 3,
	ValueSet = 1 << 4,
	Duplicate = 1 << 5,
	Interactive = 1 << 6,
	Redirected = 1 << 7,
};
}

/** Property is the innermost property that changed; MemberProperty the member of the edited object that holds it. */
struct FPropertyChangedEvent
{
	explicit FPropertyChangedEvent(FProperty* InProperty, uint32 InChangeType = EPropertyChangeType::Unspecified)
		: Property(InProperty), MemberProperty(InProperty), ChangeType(InChangeType) {}
	FPropertyChangedEvent(FProperty* InProperty, FProperty* InMemberProperty, uint32 InChangeType)
		: Property(InProperty), MemberProperty(InMemberProperty), ChangeType(InChangeType) {}

	FName GetPropertyName() const { return Property ? Property->GetFName() : NAME_None; }
	FName GetMemberPropertyName() const { return MemberProperty ? MemberProperty->GetFName() : NAME_None; }

	FProperty* Property;
	FProperty* MemberProperty;
	uint32 ChangeType;
};
