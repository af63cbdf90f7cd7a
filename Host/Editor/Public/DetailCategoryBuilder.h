#pragma once
// IDetailCategoryBuilder: one category of a details panel, as a class customization edits it:
// custom rows and properties in the order they are added, before the category's other properties.
#include "DetailWidgetRow.h"

class IPropertyHandle;

class IDetailCategoryBuilder
{
public:
	virtual ~IDetailCategoryBuilder() = default;
	/** A new row for the customization to fill; FilterString is what the panel's search matches. */
	virtual FDetailWidgetRow& AddCustomRow(const FText& FilterString, bool bForAdvanced = false) = 0;
	/**
	 * Shows the property in this category at this point (and not where it would go by default).
	 * Knowingly different from the engine: returns nothing, as no caller customizes the row further.
	 */
	virtual void AddProperty(TSharedPtr<IPropertyHandle> PropertyHandle) = 0;
};
