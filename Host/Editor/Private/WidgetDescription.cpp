#include "Widgets/WidgetDescription.h"

#include <nlohmann/json.hpp>

namespace
{
FString ToJson(const nlohmann::ordered_json& Value)
{
	return FString(Value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace));
}

const char* AlignmentName(EHorizontalAlignment Value)
{
	switch (Value)
	{
	case HAlign_Left: return "Left";
	case HAlign_Center: return "Center";
	case HAlign_Right: return "Right";
	default: return "Fill";
	}
}

const char* AlignmentName(EVerticalAlignment Value)
{
	switch (Value)
	{
	case VAlign_Top: return "Top";
	case VAlign_Center: return "Center";
	case VAlign_Bottom: return "Bottom";
	default: return "Fill";
	}
}
}

void FWidgetDescription::Add(const char* Name, const FString& Value)
{
	AddJson(Name, ToJson(std::string(*Value)));
}

void FWidgetDescription::Add(const char* Name, double Value)
{
	AddJson(Name, ToJson(Value));
}

void FWidgetDescription::Add(const char* Name, bool Value)
{
	AddJson(Name, ToJson(Value));
}

void FWidgetDescription::Add(const char* Name, const TArray<FString>& Values)
{
	nlohmann::ordered_json Array = nlohmann::ordered_json::array();
	for (const FString& Value : Values)
	{
		Array.push_back(std::string(*Value));
	}
	AddJson(Name, ToJson(Array));
}

void FWidgetDescription::Add(const char* Name, const FLinearColor& Value)
{
	AddJson(Name, ToJson({Value.R, Value.G, Value.B, Value.A}));
}

void FWidgetDescription::Add(const char* Name, const FSlateColor& Value)
{
	if (Value.IsColorSpecified())
	{
		Add(Name, Value.GetSpecifiedColor());
	}
	else
	{
		Add(Name, FString("Foreground"));
	}
}

void FWidgetDescription::Add(const char* Name, const FMargin& Value)
{
	AddJson(Name, ToJson({Value.Left, Value.Top, Value.Right, Value.Bottom}));
}

void FWidgetDescription::Add(const char* Name, const FVector2D& Value)
{
	AddJson(Name, ToJson({Value.X, Value.Y}));
}

void FWidgetDescription::Add(const char* Name, const FSlateFontInfo& Value)
{
	nlohmann::ordered_json Font;
	if (!Value.StyleName.IsNone())
	{
		Font["Style"] = *Value.StyleName.ToString();
	}
	Font["Typeface"] = *Value.TypefaceFontName.ToString();
	Font["Size"] = Value.Size;
	AddJson(Name, ToJson(Font));
}

void FWidgetDescription::Add(const char* Name, EHorizontalAlignment Value)
{
	Add(Name, FString(AlignmentName(Value)));
}

void FWidgetDescription::Add(const char* Name, EVerticalAlignment Value)
{
	Add(Name, FString(AlignmentName(Value)));
}

FString FWidgetDescription::FindJson(const char* Name) const
{
	const FEntry* Found = Entries.FindByPredicate([&](const FEntry& Entry) { return Entry.Name.Equals(Name); });
	return Found ? Found->Json : FString();
}
