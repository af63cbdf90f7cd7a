#pragma once
// SDetailsView: the details panel of a set of objects: their editable properties grouped by
// category, laid out by the customizations registered with the "PropertyEditor" module (the class
// layout of the objects' class or its nearest base, a property-type layout for every struct
// property of a registered type, also inside arrays). The customizations live as long as the layout.
// Rendering evaluates every bound attribute at that moment: categories in priority order, then
// each row's name, value or whole-row widgets, or a standard property row (display name, value).
// Game thread only.
#include "CoreMinimal.h"
#include "UObject/WeakObjectPtr.h"

class FDetailLayout;
class SWidget;

class SDetailsView : public TSharedFromThis<SDetailsView>
{
public:
	SDetailsView();
	~SDetailsView();

	/** Shows these objects (the first one's class decides the layout) and builds the layout. */
	void SetObjects(const TArray<UObject*>& InObjects);
	/** Builds the layout again, with the customizations registered now. */
	void ForceRefresh();
	const TArray<TWeakObjectPtr<UObject>>& GetSelectedObjects() const { return Objects; }

	/** The panel as indented text. */
	FString RenderText() const;
	/** The panel as JSON: {"categories":[{"name","displayName","rows":[...]}]}. */
	FString RenderJson() const;
	/** Every widget placed in a row, in panel order, for tests and commands that act on the panel. */
	TArray<TSharedPtr<SWidget>> GetRowWidgets() const;

private:
	TArray<TWeakObjectPtr<UObject>> Objects;
	std::unique_ptr<FDetailLayout> Layout;
};
