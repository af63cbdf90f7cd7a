#include "DetailLayout.h"

#include "IDetailChildrenBuilder.h"
#include "PropertyEditorModule.h"
#include "SPropertyValueWidget.h"
#include "Styling/AppStyle.h"
#include "UObject/UnrealType.h"
#include "Widgets/WidgetTree.h"

namespace
{
const char* PriorityName(ECategoryPriority::Type Priority)
{
	switch (Priority)
	{
	case ECategoryPriority::Variable: return "Variable";
	case ECategoryPriority::Transform: return "Transform";
	case ECategoryPriority::Important: return "Important";
	case ECategoryPriority::TypeSpecific: return "TypeSpecific";
	case ECategoryPriority::Uncommon: return "Uncommon";
	default: return "Default";
	}
}

/** The rows a property-type customization adds under its header. */
class FChildrenBuilder : public IDetailChildrenBuilder
{
public:
	FChildrenBuilder(FDetailLayout& InLayout, TArray<FDetailRow>& InRows) : Layout(InLayout), Rows(InRows) {}
	FDetailWidgetRow& AddCustomRow(const FText& SearchString) override
	{
		FDetailRow& Row = Rows.Emplace_GetRef();
		Row.CustomRow = MakeShared<FDetailWidgetRow>();
		return Row.CustomRow->FilterString(SearchString);
	}
	void AddProperty(TSharedPtr<IPropertyHandle> PropertyHandle) override
	{
		if (PropertyHandle && PropertyHandle->IsValidHandle())
		{
			Rows.Add(Layout.MakePropertyRow(PropertyHandle, FString()));
		}
	}

private:
	FDetailLayout& Layout;
	TArray<FDetailRow>& Rows;
};

void SplitCategory(const FString& Category, FString& OutTop, FString& OutGroup)
{
	const int32 Bar = Category.Find("|");
	OutTop = Bar == INDEX_NONE ? Category : Category.Left(Bar);
	OutGroup = Bar == INDEX_NONE ? FString() : Category.Mid(Bar + 1);
}

nlohmann::ordered_json WidgetJson(const TSharedPtr<SWidget>& Widget)
{
	return nlohmann::ordered_json::parse(*FWidgetTree::RenderJson(Widget));
}

void AddIndented(FString& Out, const FString& Text, int32 Depth)
{
	FString Indent;
	for (int32 Level = 0; Level < Depth; ++Level)
	{
		Indent += "  ";
	}
	int32 Start = 0;
	while (Start < Text.Len())
	{
		int32 End = Text.Mid(Start).Find("\n");
		End = End == INDEX_NONE ? Text.Len() : Start + End;
		Out += Indent + Text.Mid(Start, End - Start) + "\n";
		Start = End + 1;
	}
}

FString ValueText(const IPropertyHandle& Handle)
{
	if (dynamic_cast<const FArrayProperty*>(Handle.GetProperty()))
	{
		uint32 Count = 0;
		switch (Handle.GetNumElements(Count))
		{
		case FPropertyAccess::Success: return FString::Printf("%u Array elements", Count);
		case FPropertyAccess::MultipleValues: return "Multiple Values";
		default: return FString();
		}
	}
	FString Value;
	switch (Handle.GetValueAsFormattedString(Value))
	{
	case FPropertyAccess::Success: return Value;
	case FPropertyAccess::MultipleValues: return "Multiple Values";
	default: return FString();
	}
}

void RenderPart(FString& Out, const char* Label, const FDetailWidgetDecl& Part, int32 Depth)
{
	if (!Part.GetWidget())
	{
		return;
	}
	FString Layout;
	for (const FWidgetDescription::FEntry& Entry : Part.GetLayout().GetEntries())
	{
		Layout += " " + Entry.Name + "=" + Entry.Json;
	}
	AddIndented(Out, FString(Label) + Layout + ":", Depth);
	AddIndented(Out, FWidgetTree::RenderText(Part.GetWidget()), Depth + 1);
}

nlohmann::ordered_json PartJson(const FDetailWidgetDecl& Part)
{
	nlohmann::ordered_json Json = WidgetJson(Part.GetWidget());
	for (const FWidgetDescription::FEntry& Entry : Part.GetLayout().GetEntries())
	{
		Json["layout"][*Entry.Name] = nlohmann::ordered_json::parse(*Entry.Json);
	}
	return Json;
}

void RenderRowText(FString& Out, const FDetailRow& Row, int32 Depth)
{
	if (!Row.Handle)
	{
		AddIndented(Out, Row.CustomRow->GetFilterString().ToString(), Depth);
	}
	else if (Row.CustomRow)
	{
		AddIndented(Out, Row.Handle->GetPropertyDisplayName().ToString(), Depth);
	}
	else
	{
		AddIndented(Out, Row.Handle->GetPropertyDisplayName().ToString() + " = " + ValueText(*Row.Handle), Depth);
	}
	if (Row.CustomRow)
	{
		RenderPart(Out, "Name", Row.CustomRow->GetNameContent(), Depth + 1);
		RenderPart(Out, "Value", Row.CustomRow->GetValueContent(), Depth + 1);
		RenderPart(Out, "WholeRow", Row.CustomRow->GetWholeRowContent(), Depth + 1);
	}
	for (const FDetailRow& Child : Row.Children)
	{
		RenderRowText(Out, Child, Depth + 1);
	}
}

nlohmann::ordered_json RowJson(const FDetailRow& Row)
{
	nlohmann::ordered_json Json;
	Json["kind"] = Row.Handle ? "property" : "custom";
	if (!Row.Group.IsEmpty())
	{
		Json["group"] = *Row.Group;
	}
	if (Row.Handle)
	{
		Json["path"] = *Row.Handle->GetPropertyPath();
		Json["displayName"] = *Row.Handle->GetPropertyDisplayName().ToString();
		if (!Row.CustomRow)
		{
			Json["value"] = *ValueText(*Row.Handle);
		}
	}
	if (Row.CustomRow)
	{
		Json["filter"] = *Row.CustomRow->GetFilterString().ToString();
		if (Row.CustomRow->GetNameContent().GetWidget())
		{
			Json["name"] = PartJson(Row.CustomRow->GetNameContent());
		}
		if (Row.CustomRow->GetValueContent().GetWidget())
		{
			Json["value"] = PartJson(Row.CustomRow->GetValueContent());
		}
		if (Row.CustomRow->GetWholeRowContent().GetWidget())
		{
			Json["wholeRow"] = PartJson(Row.CustomRow->GetWholeRowContent());
		}
	}
	else if (Row.ValueWidget)
	{
		Json["valueWidget"] = WidgetJson(Row.ValueWidget);
	}
	nlohmann::ordered_json Children = nlohmann::ordered_json::array();
	for (const FDetailRow& Child : Row.Children)
	{
		Children.push_back(RowJson(Child));
	}
	if (!Children.empty())
	{
		Json["children"] = std::move(Children);
	}
	return Json;
}

void CollectRowWidgets(const FDetailRow& Row, TArray<TSharedPtr<SWidget>>& Out)
{
	if (Row.CustomRow)
	{
		for (const FDetailWidgetDecl* Part :
			{&Row.CustomRow->GetNameContent(), &Row.CustomRow->GetValueContent(), &Row.CustomRow->GetWholeRowContent()})
		{
			if (Part->GetWidget())
			{
				Out.Add(Part->GetWidget());
			}
		}
	}
	if (Row.ValueWidget)
	{
		Out.Add(Row.ValueWidget);
	}
	for (const FDetailRow& Child : Row.Children)
	{
		CollectRowWidgets(Child, Out);
	}
}
}

/** A category: the rows a customization added, then the properties it did not place or hide. */
class FDetailLayout::FCategory : public IDetailCategoryBuilder
{
public:
	FCategory(FDetailLayout& InLayout, FName InName, int32 InFirstUse)
		: Layout(InLayout), Name(InName), DisplayName(FText::FromString(InName.ToString())), FirstUse(InFirstUse)
	{
	}

	FDetailWidgetRow& AddCustomRow(const FText& FilterString, bool bForAdvanced) override
	{
		FDetailRow& Row = Rows.Emplace_GetRef();
		Row.CustomRow = MakeShared<FDetailWidgetRow>();
		return Row.CustomRow->FilterString(FilterString);
	}
	void AddProperty(TSharedPtr<IPropertyHandle> PropertyHandle) override
	{
		if (PropertyHandle && PropertyHandle->IsValidHandle())
		{
			Layout.MarkPlaced(PropertyHandle);
			Rows.Add(Layout.MakePropertyRow(PropertyHandle, FString()));
		}
	}

	FDetailLayout& Layout;
	FName Name;
	FText DisplayName;
	ECategoryPriority::Type Priority = ECategoryPriority::Default;
	int32 FirstUse;
	TArray<FDetailRow> Rows;
	struct FDefaultProperty
	{
		TSharedPtr<IPropertyHandle> Handle;
		FString Group;
	};
	TArray<FDefaultProperty> DefaultProperties;
};

FDetailLayout::FDetailLayout(TArray<TWeakObjectPtr<UObject>> InObjects, const FPropertyEditorModule* InModule)
	: Objects(std::move(InObjects)), Module(InModule)
{
}

FDetailLayout::~FDetailLayout() = default;

TArray<UObject*> FDetailLayout::GetLiveObjects() const
{
	TArray<UObject*> Live;
	for (const TWeakObjectPtr<UObject>& Object : Objects)
	{
		if (UObject* Pinned = Object.Get())
		{
			Live.Add(Pinned);
		}
	}
	return Live;
}

FDetailLayout::FCategory& FDetailLayout::FindOrAddCategory(FName CategoryName)
{
	for (const std::unique_ptr<FCategory>& Category : Categories)
	{
		if (Category->Name == CategoryName)
		{
			return *Category;
		}
	}
	Categories.Add(std::make_unique<FCategory>(*this, CategoryName, Categories.Num()));
	return *Categories.Last();
}

void FDetailLayout::Build()
{
	const TArray<UObject*> Live = GetLiveObjects();
	if (Live.IsEmpty())
	{
		return;
	}
	UClass* Class = Live[0]->GetClass();
	for (FProperty* Property : Class->GetProperties())
	{
		if (!Property->HasAnyPropertyFlags(CPF_Edit))
		{
			continue;
		}
		FString Top, Group;
		const FString& Category = Property->GetMetaData("Category");
		SplitCategory(Category.IsEmpty() ? Class->GetName() : Category, Top, Group);
		const TSharedRef<IPropertyHandle> Handle = GetProperty(Property->GetFName(), nullptr, NAME_None);
		FindOrAddCategory(FName(*Top)).DefaultProperties.Add(FCategory::FDefaultProperty{Handle, Group});
	}

	if (Module)
	{
		const FOnGetDetailCustomizationInstance Creator = Module->FindClassLayout(Class);
		if (Creator.IsBound())
		{
			ClassCustomization = Creator.Execute();
			ClassCustomization->CustomizeDetails(*this);
		}
	}

	for (const std::unique_ptr<FCategory>& Category : Categories)
	{
		for (const FCategory::FDefaultProperty& Default : Category->DefaultProperties)
		{
			if (!Default.Handle->IsHiddenByCustomization() && !PlacedPaths.Contains(Default.Handle->GetPropertyPath()))
			{
				Category->Rows.Add(MakePropertyRow(Default.Handle, Default.Group));
			}
		}
	}
	Categories.StableSort([](const std::unique_ptr<FCategory>& A, const std::unique_ptr<FCategory>& B) { return A->Priority < B->Priority; });
}

IDetailCategoryBuilder& FDetailLayout::EditCategory(FName CategoryName, const FText& NewLocalizedDisplayName, ECategoryPriority::Type CategoryType)
{
	FCategory& Category = FindOrAddCategory(CategoryName);
	if (!NewLocalizedDisplayName.IsEmpty())
	{
		Category.DisplayName = NewLocalizedDisplayName;
	}
	Category.Priority = CategoryType;
	return Category;
}

TSharedRef<IPropertyHandle> FDetailLayout::GetProperty(FName PropertyPath, const UClass* ClassOutermost, FName InstanceName) const
{
	const FString Path = PropertyPath.ToString();
	if (const TSharedPtr<IPropertyHandle>* Known = Handles.Find(Path))
	{
		return *Known;
	}
	TSharedPtr<IPropertyHandle> Handle = FPropertyHandles::FromPath(GetLiveObjects(), Path);
	if (!Handle)
	{
		// The engine's answer for a path that names nothing: a handle that reads as invalid.
		Handle = FPropertyHandles::ForMember(GetLiveObjects(), PropertyPath);
	}
	Handles.Add(Path, Handle);
	return Handle;
}

void FDetailLayout::HideProperty(const TSharedPtr<IPropertyHandle>& PropertyHandle)
{
	if (PropertyHandle)
	{
		PropertyHandle->MarkHiddenByCustomization();
		PlacedPaths.AddUnique(PropertyHandle->GetPropertyPath());
	}
}

void FDetailLayout::HideProperty(FName PropertyPath)
{
	HideProperty(GetProperty(PropertyPath, nullptr, NAME_None));
}

FDetailRow FDetailLayout::MakePropertyRow(const TSharedPtr<IPropertyHandle>& Handle, const FString& Group)
{
	FDetailRow Row;
	Row.Group = Group;
	Row.Handle = Handle;
	FProperty* Property = Handle->GetProperty();

	if (dynamic_cast<const FArrayProperty*>(Property))
	{
		uint32 Count = 0;
		if (Handle->GetNumElements(Count) == FPropertyAccess::Success)
		{
			for (uint32 Index = 0; Index < Count; ++Index)
			{
				Row.Children.Add(MakePropertyRow(Handle->GetElement(int32(Index)), FString()));
			}
		}
		return Row;
	}
	if (const FStructProperty* Struct = dynamic_cast<const FStructProperty*>(Property))
	{
		const FOnGetPropertyTypeCustomizationInstance Creator =
			Module ? Module->FindPropertyTypeLayout(Struct->GetStruct()->GetFName()) : FOnGetPropertyTypeCustomizationInstance();
		if (Creator.IsBound())
		{
			const TSharedPtr<IPropertyTypeCustomization> Customization = Creator.Execute();
			TypeCustomizations.Add(Customization);
			Row.CustomRow = MakeShared<FDetailWidgetRow>();
			Customization->CustomizeHeader(Handle, *Row.CustomRow, CustomizationUtils);
			FChildrenBuilder Children(*this, Row.Children);
			Customization->CustomizeChildren(Handle, Children, CustomizationUtils);
			return Row;
		}
		for (FProperty* Field : Struct->GetStruct()->GetProperties())
		{
			if (Field->HasAnyPropertyFlags(CPF_Edit))
			{
				if (const TSharedPtr<IPropertyHandle> Child = Handle->GetChildHandle(Field->GetFName()))
				{
					Row.Children.Add(MakePropertyRow(Child, FString()));
				}
			}
		}
		return Row;
	}
	Row.ValueWidget = SNew(SPropertyValueWidget, Handle);
	return Row;
}

FString FDetailLayout::RenderText() const
{
	FString Out;
	for (const std::unique_ptr<FCategory>& Category : Categories)
	{
		if (Category->Rows.IsEmpty())
		{
			continue;
		}
		Out += Category->DisplayName.ToString() + "\n";
		FString Group;
		for (const FDetailRow& Row : Category->Rows)
		{
			if (!Row.Group.Equals(Group))
			{
				Group = Row.Group;
				AddIndented(Out, "[" + Group + "]", 1);
			}
			RenderRowText(Out, Row, Group.IsEmpty() ? 1 : 2);
		}
	}
	return Out;
}

nlohmann::ordered_json FDetailLayout::RenderJson() const
{
	nlohmann::ordered_json Json;
	Json["categories"] = nlohmann::ordered_json::array();
	for (const std::unique_ptr<FCategory>& Category : Categories)
	{
		if (Category->Rows.IsEmpty())
		{
			continue;
		}
		nlohmann::ordered_json CategoryJson;
		CategoryJson["name"] = *Category->Name.ToString();
		CategoryJson["displayName"] = *Category->DisplayName.ToString();
		CategoryJson["priority"] = PriorityName(Category->Priority);
		CategoryJson["rows"] = nlohmann::ordered_json::array();
		for (const FDetailRow& Row : Category->Rows)
		{
			CategoryJson["rows"].push_back(RowJson(Row));
		}
		Json["categories"].push_back(std::move(CategoryJson));
	}
	return Json;
}

TArray<TSharedPtr<SWidget>> FDetailLayout::GetRowWidgets() const
{
	TArray<TSharedPtr<SWidget>> Widgets;
	for (const std::unique_ptr<FCategory>& Category : Categories)
	{
		for (const FDetailRow& Row : Category->Rows)
		{
			CollectRowWidgets(Row, Widgets);
		}
	}
	return Widgets;
}

FSlateFontInfo IDetailLayoutBuilder::GetDetailFont()
{
	return FAppStyle::GetFontStyle("PropertyWindow.NormalFont");
}

FSlateFontInfo IDetailLayoutBuilder::GetDetailFontBold()
{
	return FAppStyle::GetFontStyle("PropertyWindow.BoldFont");
}
