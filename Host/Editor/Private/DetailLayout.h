#pragma once
// FDetailLayout: one built layout of a details view: its categories with their rows, the
// property handles it made (one per path, so a customization's MarkHiddenByCustomization reaches
// the default row), and the customizations that made rows, kept alive with the layout.
#include "DetailLayoutBuilder.h"
#include "IDetailCustomization.h"
#include "IPropertyTypeCustomization.h"
#include "PropertyHandle.h"

#include <nlohmann/json.hpp>

class FPropertyEditorModule;

/** A custom row, or a property row (standard or laid out by a property-type customization). */
struct FDetailRow
{
	FString Group; // the sub-category ("Position Scale" of "Zevo LiveLink|Position Scale")
	TSharedPtr<FDetailWidgetRow> CustomRow; // a custom row, or a customized property's header
	TSharedPtr<IPropertyHandle> Handle;     // null for a custom row
	TSharedPtr<SWidget> ValueWidget;        // a standard leaf row's value editor
	TArray<FDetailRow> Children;
};

class FDetailLayout : public IDetailLayoutBuilder
{
public:
	FDetailLayout(TArray<TWeakObjectPtr<UObject>> InObjects, const FPropertyEditorModule* InModule);
	~FDetailLayout() override;

	/** Default categories from the properties' metadata, then the class customization, then the rows. */
	void Build();

	FString RenderText() const;
	nlohmann::ordered_json RenderJson() const;
	TArray<TSharedPtr<SWidget>> GetRowWidgets() const;

	void GetObjectsBeingCustomized(TArray<TWeakObjectPtr<UObject>>& OutObjects) const override { OutObjects = Objects; }
	IDetailCategoryBuilder& EditCategory(FName CategoryName, const FText& NewLocalizedDisplayName,
		ECategoryPriority::Type CategoryType) override;
	TSharedRef<IPropertyHandle> GetProperty(FName PropertyPath, const UClass* ClassOutermost, FName InstanceName) const override;
	void HideProperty(const TSharedPtr<IPropertyHandle>& PropertyHandle) override;
	void HideProperty(FName PropertyPath) override;

	/** A row for the property, laid out by its type's customization when one is registered. */
	FDetailRow MakePropertyRow(const TSharedPtr<IPropertyHandle>& Handle, const FString& Group);
	void MarkPlaced(const TSharedPtr<IPropertyHandle>& Handle) { PlacedPaths.AddUnique(Handle->GetPropertyPath()); }

private:
	class FCategory;
	FCategory& FindOrAddCategory(FName CategoryName);
	TArray<UObject*> GetLiveObjects() const;

	TArray<TWeakObjectPtr<UObject>> Objects;
	const FPropertyEditorModule* Module;
	TArray<std::unique_ptr<FCategory>> Categories; // in first-use order
	mutable TMap<FString, TSharedPtr<IPropertyHandle>> Handles; // by path
	TArray<FString> PlacedPaths;                                // properties a customization placed
	TSharedPtr<IDetailCustomization> ClassCustomization;
	TArray<TSharedPtr<IPropertyTypeCustomization>> TypeCustomizations;
	IPropertyTypeCustomizationUtils CustomizationUtils;
};
