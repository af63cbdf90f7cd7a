#pragma once
// FWidgetDescription: a widget's attributes as evaluated at one moment, each as a JSON value,
// in the order the widget lists them. The terminal rendering and the JSON rendering are both
// made from it, so both show exactly what a bound attribute returned when asked.
#include "CoreMinimal.h"
#include "Fonts/SlateFontInfo.h"
#include "Layout/Margin.h"
#include "Layout/Visibility.h"
#include "Math/Vector2D.h"
#include "Styling/SlateColor.h"
#include "Types/SlateEnums.h"

class FWidgetDescription
{
public:
	struct FEntry
	{
		FString Name;
		FString Json;
	};

	void Add(const char* Name, const FText& Value) { Add(Name, Value.ToString()); }
	void Add(const char* Name, const FString& Value);
	void Add(const char* Name, double Value);
	void Add(const char* Name, bool Value);
	void Add(const char* Name, const FLinearColor& Value);
	/** The foreground colour reads "Foreground". */
	void Add(const char* Name, const FSlateColor& Value);
	void Add(const char* Name, const FMargin& Value);
	void Add(const char* Name, const FVector2D& Value);
	void Add(const char* Name, const FSlateFontInfo& Value);
	void Add(const char* Name, const TArray<FString>& Values);
	void Add(const char* Name, EVisibility Value) { Add(Name, FString(Value.ToString())); }
	void Add(const char* Name, EHorizontalAlignment Value);
	void Add(const char* Name, EVerticalAlignment Value);

	void Append(const FWidgetDescription& Other) { Entries.Append(Other.Entries); }

	const TArray<FEntry>& GetEntries() const { return Entries; }
	/** The JSON text of the attribute, or empty when the widget did not list it. */
	FString FindJson(const char* Name) const;

private:
	void AddJson(const char* Name, FString Json) { Entries.Add(FEntry{Name, std::move(Json)}); }
	TArray<FEntry> Entries;
};
