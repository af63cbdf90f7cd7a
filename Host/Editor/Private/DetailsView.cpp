#include "DetailsView.h"

#include "DetailLayout.h"
#include "Modules/ModuleManager.h"
#include "PropertyEditorModule.h"

SDetailsView::SDetailsView() = default;
SDetailsView::~SDetailsView() = default;

void SDetailsView::SetObjects(const TArray<UObject*>& InObjects)
{
	Objects.Empty();
	for (UObject* Object : InObjects)
	{
		if (Object)
		{
			Objects.Add(TWeakObjectPtr<UObject>(Object));
		}
	}
	ForceRefresh();
}

void SDetailsView::ForceRefresh()
{
	// The module is asked each time: the view may outlive a module that was unloaded meanwhile.
	const FPropertyEditorModule* Module = FModuleManager::GetModulePtr<FPropertyEditorModule>("PropertyEditor");
	// The old layout goes first, so its customizations are gone before the new ones are made.
	Layout.reset();
	Layout = std::make_unique<FDetailLayout>(Objects, Module);
	Layout->Build();
}

FString SDetailsView::RenderText() const
{
	return Layout ? Layout->RenderText() : FString();
}

FString SDetailsView::RenderJson() const
{
	return FString(Layout ? Layout->RenderJson().dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) : std::string("{\"categories\":[]}"));
}

TArray<TSharedPtr<SWidget>> SDetailsView::GetRowWidgets() const
{
	return Layout ? Layout->GetRowWidgets() : TArray<TSharedPtr<SWidget>>();
}
