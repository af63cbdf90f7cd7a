#pragma once
// Property handles: how the property editor reads and writes one property of the objects being
// edited, wherever it sits ("GroundOffset", "LegBones", "LegBones[2]", "LegBones[2].TargetBone").
// Writing goes through the objects' undo (Modify) and change notification
// (PostEditChangeProperty with the innermost property and the member of the object), as the
// engine's property editor does. Handles hold the objects weakly: a handle whose objects are gone
// reads Fail. Game thread only.
#include "CoreMinimal.h"
#include "UObject/UnrealType.h"

namespace FPropertyAccess
{
enum Result
{
	/** The objects hold different values. */
	MultipleValues,
	/** The property is gone, of another type, out of range or refused the value. */
	Fail,
	Success,
};
}

class IPropertyHandleArray;
class SWidget;

class IPropertyHandle : public TSharedFromThis<IPropertyHandle>
{
public:
	virtual ~IPropertyHandle() = default;

	/** True when the handle names a property and at least one of its objects still exists. */
	virtual bool IsValidHandle() const = 0;
	/** The innermost property: the struct field, the array's element property, or the member itself. */
	virtual FProperty* GetProperty() const = 0;
	/** The member of the edited objects' class that holds the property. */
	virtual FProperty* GetMemberProperty() const = 0;
	/** The "DisplayName" metadata or the spelled-out name; "Index [ 2 ]" for an array element. */
	virtual FText GetPropertyDisplayName() const = 0;
	/** "LegBones[2].TargetBone". */
	virtual FString GetPropertyPath() const = 0;
	/** The element's index for an array element, INDEX_NONE otherwise. */
	virtual int32 GetIndexInArray() const = 0;
	/** Metadata of the property; an array element answers with its array's metadata. */
	virtual bool HasMetaData(FName Key) const = 0;
	virtual const FString& GetMetaData(FName Key) const = 0;

	/** The objects being edited that still exist. */
	virtual void GetOuterObjects(TArray<UObject*>& OutObjects) const = 0;
	/** The handle one step up the path (the array of an element, the struct of a field); null for a member. */
	virtual TSharedPtr<IPropertyHandle> GetParentHandle() const = 0;
	/** A field of a struct property; null when there is no such field (or this is not a struct). */
	virtual TSharedPtr<IPropertyHandle> GetChildHandle(FName ChildName) const = 0;

#if ZEVO_HOST_EXTENSIONS
	/** Host only (the engine has these on AsArray()): the number of elements of an array property
	 *  (MultipleValues when the objects differ). */
	virtual FPropertyAccess::Result GetNumElements(uint32& OutNumElements) const = 0;
	/** Host only, as GetNumElements: the element at Index (an invalid handle when this is not an array). */
	virtual TSharedRef<IPropertyHandle> GetElement(int32 Index) const = 0;
#endif
	/** The array operations; null when this is not an array property. */
	virtual TSharedPtr<IPropertyHandleArray> AsArray() = 0;

	/** Typed reads: Fail when the property is not of that type. uint8 reads bytes and 8-bit enumerations. */
	virtual FPropertyAccess::Result GetValue(bool& OutValue) const = 0;
	virtual FPropertyAccess::Result GetValue(int32& OutValue) const = 0;
	virtual FPropertyAccess::Result GetValue(uint8& OutValue) const = 0;
	virtual FPropertyAccess::Result GetValue(float& OutValue) const = 0;
	virtual FPropertyAccess::Result GetValue(double& OutValue) const = 0;
	virtual FPropertyAccess::Result GetValue(FName& OutValue) const = 0;
	virtual FPropertyAccess::Result GetValue(FString& OutValue) const = 0;
	virtual FPropertyAccess::Result GetValue(FVector& OutValue) const = 0;
	virtual FPropertyAccess::Result GetValue(UObject*& OutValue) const = 0;
	/** The value in its text form (Reflection's ExportValueAsText). */
	virtual FPropertyAccess::Result GetValueAsFormattedString(FString& OutValue) const = 0;

	/**
	 * Reads the text as the property's value and stores it in every object, in one undoable
	 * transaction: Modify, clamp numbers to "ClampMin"/"ClampMax", write, then
	 * PostEditChangeProperty(Property = this property, MemberProperty = the member, ValueSet).
	 * Fail, changing nothing, when the text does not read, the property is read-only
	 * (VisibleAnywhere) or the value cannot be reached (an element out of range).
	 */
	virtual FPropertyAccess::Result SetValueFromFormattedString(const FString& InValue) = 0;

	/**
	 * The standard value editor of this property (SPropertyValueWidget), as a customization puts
	 * it in its own row. Defined with the property editor's widgets.
	 */
	TSharedRef<SWidget> CreatePropertyValueWidget(bool bDisplayDefaultPropertyButtons = true) const;

	/** A customization took over this property's row; the details view leaves it out. */
	virtual void MarkHiddenByCustomization() = 0;
	virtual bool IsHiddenByCustomization() const = 0;
};

/**
 * Adding and removing elements of an array property; each edit is one undoable transaction and
 * sends PostEditChangeProperty(Property = the array, MemberProperty = the member, ArrayAdd/ArrayRemove).
 */
class IPropertyHandleArray
{
public:
	virtual ~IPropertyHandleArray() = default;
	virtual FPropertyAccess::Result GetNumElements(uint32& OutNumElements) const = 0;
	virtual TSharedRef<IPropertyHandle> GetElement(int32 Index) const = 0;
	/** Appends a default element. */
	virtual FPropertyAccess::Result AddItem() = 0;
	virtual FPropertyAccess::Result DeleteItem(int32 Index) = 0;
};

/** Where handles come from: the objects being edited and a property path. */
struct FPropertyHandles
{
	/** The handle of a member of the objects; an invalid handle when their class has no such member. */
	static TSharedRef<IPropertyHandle> ForMember(const TArray<UObject*>& Objects, FName MemberName);
	/**
	 * Resolves a path of members, fields and indices: "GroundOffset", "LegBones[2].TargetBone",
	 * "Pose.Translation.X". Null, with OutError saying what does not resolve, when the path names
	 * nothing. An index is not checked against the objects' arrays (the handle then reads Fail).
	 */
	static TSharedPtr<IPropertyHandle> FromPath(const TArray<UObject*>& Objects, const FString& Path, FString* OutError = nullptr);
};
