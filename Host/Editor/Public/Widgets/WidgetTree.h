#pragma once
// FWidgetTree: a widget tree as a reader sees it. Rendering evaluates every bound attribute at
// that moment. The text form is one line per widget, indented by depth:
//   [slot attributes] SType Name=value ...
// The JSON form is {"type", "attributes", "slot", "children"}. Finders serve tests and commands.
#include "Widgets/SWidget.h"

struct FWidgetTree
{
	static FString RenderText(const TSharedPtr<SWidget>& Root);
	static FString RenderJson(const TSharedPtr<SWidget>& Root);

	/** Every widget of the tree, parents before children. */
	static TArray<TSharedPtr<SWidget>> GetAllWidgets(const TSharedPtr<SWidget>& Root);

	/** The first widget of type T whose own text, or a descendant's, equals Text (any, when Text is empty). */
	template <typename T>
	static TSharedPtr<T> Find(const TSharedPtr<SWidget>& Root, const FString& Text = FString())
	{
		for (const TSharedPtr<SWidget>& Widget : GetAllWidgets(Root))
		{
			if (TSharedPtr<T> Typed = std::dynamic_pointer_cast<T>(Widget); Typed && (Text.IsEmpty() || ContainsText(Widget, Text)))
			{
				return Typed;
			}
		}
		return nullptr;
	}
	template <typename T>
	static TArray<TSharedPtr<T>> FindAll(const TSharedPtr<SWidget>& Root)
	{
		TArray<TSharedPtr<T>> Found;
		for (const TSharedPtr<SWidget>& Widget : GetAllWidgets(Root))
		{
			if (TSharedPtr<T> Typed = std::dynamic_pointer_cast<T>(Widget))
			{
				Found.Add(Typed);
			}
		}
		return Found;
	}

	/** True when the widget's "Text" attribute, or a descendant's, equals Text exactly. */
	static bool ContainsText(const TSharedPtr<SWidget>& Root, const FString& Text);
};
