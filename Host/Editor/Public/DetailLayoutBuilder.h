#pragma once
// IDetailLayoutBuilder: what a class customization gets to lay out the details panel of the
// objects being edited: their categories (by name, with a display priority), handles to their
// properties, and hiding of default rows.
#include "DetailCategoryBuilder.h"
#include "Fonts/SlateFontInfo.h"
#include "UObject/WeakObjectPtr.h"

class IPropertyHandle;
class UClass;

/** Where a category goes: lower values first; categories of equal priority keep their first-use order. */
namespace ECategoryPriority
{
enum Type
{
	Variable = 0,
	Transform,
	Important,
	TypeSpecific,
	Default,
	Uncommon,
};
}

class IDetailLayoutBuilder
{
public:
	virtual ~IDetailLayoutBuilder() = default;

	virtual void GetObjectsBeingCustomized(TArray<TWeakObjectPtr<UObject>>& OutObjects) const = 0;
	/** The category named CategoryName, made if new; a non-empty display name and the priority replace the old ones. */
	virtual IDetailCategoryBuilder& EditCategory(FName CategoryName, const FText& NewLocalizedDisplayName = FText::GetEmpty(),
		ECategoryPriority::Type CategoryType = ECategoryPriority::Default) = 0;
	/** A handle to a property of the objects by path ("LegBones", "LegBones[2].TargetBone"); invalid when there is none. */
	virtual TSharedRef<IPropertyHandle> GetProperty(FName PropertyPath, const UClass* ClassOutermost = nullptr,
		FName InstanceName = NAME_None) const = 0;
	virtual void HideProperty(const TSharedPtr<IPropertyHandle>& PropertyHandle) = 0;
	virtual void HideProperty(FName PropertyPath) = 0;

	/** The property editor's fonts: "PropertyWindow.NormalFont" and "PropertyWindow.BoldFont". */
	static FSlateFontInfo GetDetailFont();
	static FSlateFontInfo GetDetailFontBold();
};
