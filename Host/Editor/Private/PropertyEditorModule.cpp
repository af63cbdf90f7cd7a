#include "PropertyEditorModule.h"

#include "DetailsView.h"
#include "Modules/ModuleManager.h"

static FStaticallyLinkedModuleRegistrant<FPropertyEditorModule> PropertyEditorModuleRegistrant("PropertyEditor");

void FPropertyEditorModule::ShutdownModule()
{
	ClassLayouts.Empty();
	PropertyTypeLayouts.Empty();
	OpenViews.Empty();
}

void FPropertyEditorModule::RegisterCustomClassLayout(FName ClassName, FOnGetDetailCustomizationInstance DetailLayoutDelegate)
{
	ClassLayouts.Add(ClassName, std::move(DetailLayoutDelegate));
}

void FPropertyEditorModule::UnregisterCustomClassLayout(FName ClassName)
{
	ClassLayouts.Remove(ClassName);
}

void FPropertyEditorModule::RegisterCustomPropertyTypeLayout(FName PropertyTypeName,
	FOnGetPropertyTypeCustomizationInstance PropertyTypeLayoutDelegate)
{
	PropertyTypeLayouts.Add(PropertyTypeName, std::move(PropertyTypeLayoutDelegate));
}

void FPropertyEditorModule::UnregisterCustomPropertyTypeLayout(FName PropertyTypeName)
{
	PropertyTypeLayouts.Remove(PropertyTypeName);
}

void FPropertyEditorModule::NotifyCustomizationModuleChanged()
{
	OpenViews.RemoveAll([](const TWeakPtr<SDetailsView>& View) { return !View.IsValid(); });
	for (const TWeakPtr<SDetailsView>& View : TArray<TWeakPtr<SDetailsView>>(OpenViews))
	{
		if (const TSharedPtr<SDetailsView> Pinned = View.Pin())
		{
			Pinned->ForceRefresh();
		}
	}
}

TSharedRef<SDetailsView> FPropertyEditorModule::CreateDetailView(const FDetailsViewArgs& DetailsViewArgs)
{
	TSharedRef<SDetailsView> View = MakeShared<SDetailsView>();
	OpenViews.RemoveAll([](const TWeakPtr<SDetailsView>& Open) { return !Open.IsValid(); });
	OpenViews.Add(View);
	return View;
}

FOnGetDetailCustomizationInstance FPropertyEditorModule::FindClassLayout(const UClass* Class) const
{
	for (const UClass* Current = Class; Current; Current = Current->GetSuperClass())
	{
		if (const FOnGetDetailCustomizationInstance* Found = ClassLayouts.Find(Current->GetFName()))
		{
			return *Found;
		}
	}
	return FOnGetDetailCustomizationInstance();
}

FOnGetPropertyTypeCustomizationInstance FPropertyEditorModule::FindPropertyTypeLayout(FName PropertyTypeName) const
{
	return PropertyTypeLayouts.FindRef(PropertyTypeName);
}
