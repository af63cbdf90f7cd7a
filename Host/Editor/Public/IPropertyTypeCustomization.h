#pragma once
// IPropertyTypeCustomization: lays out every property of one struct type, wherever it appears
// (registered with FPropertyEditorModule::RegisterCustomPropertyTypeLayout by the struct's name).
// One instance serves one property: its header row, then its children.
#include "CoreMinimal.h"

class FDetailWidgetRow;
class IDetailChildrenBuilder;
class IPropertyHandle;

/** Services the panel offers a property-type customization; no caller needs one yet. */
class IPropertyTypeCustomizationUtils
{
public:
	virtual ~IPropertyTypeCustomizationUtils() = default;
};

class IPropertyTypeCustomization
{
public:
	virtual ~IPropertyTypeCustomization() = default;
	virtual void CustomizeHeader(TSharedRef<IPropertyHandle> PropertyHandle, FDetailWidgetRow& HeaderRow,
		IPropertyTypeCustomizationUtils& CustomizationUtils) = 0;
	virtual void CustomizeChildren(TSharedRef<IPropertyHandle> PropertyHandle, IDetailChildrenBuilder& ChildBuilder,
		IPropertyTypeCustomizationUtils& CustomizationUtils) = 0;
};
