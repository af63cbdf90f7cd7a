#pragma once
// FPropertyEditorModule: the built-in module "PropertyEditor". It keeps the customizations other
// modules register (a class layout by class name, a property-type layout by struct name) and
// builds details views that apply them. Registering or unregistering takes effect in a view when
// it is next built; NotifyCustomizationModuleChanged rebuilds the open ones at once.
// Game thread only.
#include "CoreMinimal.h"
#include "Delegates/Delegate.h"
#include "Modules/ModuleInterface.h"

class IDetailCustomization;
class IPropertyTypeCustomization;
class SDetailsView;
class UClass;

/** Makes a new class customization for one panel. */
DECLARE_DELEGATE_RetVal(TSharedRef<IDetailCustomization>, FOnGetDetailCustomizationInstance);
/** Makes a new property-type customization for one property. */
DECLARE_DELEGATE_RetVal(TSharedRef<IPropertyTypeCustomization>, FOnGetPropertyTypeCustomizationInstance);

/** How a details view is set up; the host's views need no options yet. */
struct FDetailsViewArgs
{
};

class FPropertyEditorModule : public IModuleInterface
{
public:
	void ShutdownModule() override;

	void RegisterCustomClassLayout(FName ClassName, FOnGetDetailCustomizationInstance DetailLayoutDelegate);
	void UnregisterCustomClassLayout(FName ClassName);
	void RegisterCustomPropertyTypeLayout(FName PropertyTypeName, FOnGetPropertyTypeCustomizationInstance PropertyTypeLayoutDelegate);
	void UnregisterCustomPropertyTypeLayout(FName PropertyTypeName);
	/** Rebuilds every open details view with the customizations registered now. */
	void NotifyCustomizationModuleChanged();

	/**
	 * A new details view; give it objects with SetObjects.
	 * Knowingly different from the engine: returns the view itself, not an interface.
	 */
	TSharedRef<SDetailsView> CreateDetailView(const FDetailsViewArgs& DetailsViewArgs);

	/** The class layout registered for Class or its nearest base that has one; unbound when none. */
	FOnGetDetailCustomizationInstance FindClassLayout(const UClass* Class) const;
	/** The property-type layout registered for the struct name; unbound when none. */
	FOnGetPropertyTypeCustomizationInstance FindPropertyTypeLayout(FName PropertyTypeName) const;

private:
	TMap<FName, FOnGetDetailCustomizationInstance> ClassLayouts;
	TMap<FName, FOnGetPropertyTypeCustomizationInstance> PropertyTypeLayouts;
	TArray<TWeakPtr<SDetailsView>> OpenViews;
};
