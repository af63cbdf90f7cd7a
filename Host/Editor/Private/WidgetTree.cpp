#include "Widgets/WidgetTree.h"

#include <nlohmann/json.hpp>

namespace
{
FString DescribeInline(const FWidgetDescription& Description)
{
	FString Line;
	for (const FWidgetDescription::FEntry& Entry : Description.GetEntries())
	{
		if (!Line.IsEmpty())
		{
			Line += " ";
		}
		Line += Entry.Name + "=" + Entry.Json;
	}
	return Line;
}

void RenderTextLines(const TSharedPtr<SWidget>& Widget, const FWidgetDescription* Slot, int32 Depth, FString& Out)
{
	for (int32 Indent = 0; Indent < Depth; ++Indent)
	{
		Out += "  ";
	}
	if (Slot && !Slot->GetEntries().IsEmpty())
	{
		Out += "[" + DescribeInline(*Slot) + "] ";
	}
	if (!Widget)
	{
		Out += "(empty)\n";
		return;
	}
	Out += Widget->GetType().ToString();
	const FString Attributes = DescribeInline(Widget->Describe());
	if (!Attributes.IsEmpty())
	{
		Out += " " + Attributes;
	}
	Out += "\n";
	for (const FWidgetChild& Child : Widget->GetChildren())
	{
		RenderTextLines(Child.Widget, &Child.Slot, Depth + 1, Out);
	}
}

nlohmann::ordered_json ToJsonObject(const FWidgetDescription& Description)
{
	nlohmann::ordered_json Object = nlohmann::ordered_json::object();
	for (const FWidgetDescription::FEntry& Entry : Description.GetEntries())
	{
		Object[*Entry.Name] = nlohmann::ordered_json::parse(*Entry.Json);
	}
	return Object;
}

nlohmann::ordered_json RenderJsonNode(const TSharedPtr<SWidget>& Widget)
{
	if (!Widget)
	{
		return nullptr;
	}
	nlohmann::ordered_json Node;
	Node["type"] = *Widget->GetType().ToString();
	Node["attributes"] = ToJsonObject(Widget->Describe());
	nlohmann::ordered_json Children = nlohmann::ordered_json::array();
	for (const FWidgetChild& Child : Widget->GetChildren())
	{
		nlohmann::ordered_json ChildNode = RenderJsonNode(Child.Widget);
		if (ChildNode.is_null())
		{
			ChildNode = nlohmann::ordered_json::object({{"type", nullptr}});
		}
		ChildNode["slot"] = ToJsonObject(Child.Slot);
		Children.push_back(std::move(ChildNode));
	}
	Node["children"] = std::move(Children);
	return Node;
}

void Collect(const TSharedPtr<SWidget>& Widget, TArray<TSharedPtr<SWidget>>& Out)
{
	if (!Widget)
	{
		return;
	}
	Out.Add(Widget);
	for (const FWidgetChild& Child : Widget->GetChildren())
	{
		Collect(Child.Widget, Out);
	}
}
}

FString FWidgetTree::RenderText(const TSharedPtr<SWidget>& Root)
{
	FString Out;
	RenderTextLines(Root, nullptr, 0, Out);
	return Out;
}

FString FWidgetTree::RenderJson(const TSharedPtr<SWidget>& Root)
{
	return FString(RenderJsonNode(Root).dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace));
}

TArray<TSharedPtr<SWidget>> FWidgetTree::GetAllWidgets(const TSharedPtr<SWidget>& Root)
{
	TArray<TSharedPtr<SWidget>> Widgets;
	Collect(Root, Widgets);
	return Widgets;
}

bool FWidgetTree::ContainsText(const TSharedPtr<SWidget>& Root, const FString& Text)
{
	const FString Wanted(nlohmann::ordered_json(std::string(*Text)).dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace));
	for (const TSharedPtr<SWidget>& Widget : GetAllWidgets(Root))
	{
		if (Widget->Describe().FindJson("Text").Equals(Wanted))
		{
			return true;
		}
	}
	return false;
}
