#pragma once
// IDetailChildrenBuilder: the rows under a customized property (its expandable children).
#include "DetailWidgetRow.h"

class IPropertyHandle;

class IDetailChildrenBuilder
{
public:
	virtual ~IDetailChildrenBuilder() = default;
	virtual FDetailWidgetRow& AddCustomRow(const FText& SearchString) = 0;
	/** Knowingly different from the engine: returns nothing, as no caller customizes the row further. */
	virtual void AddProperty(TSharedPtr<IPropertyHandle> PropertyHandle) = 0;
};
