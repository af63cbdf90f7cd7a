#pragma once
// EVisibility: whether a widget shows and whether it takes room (Hidden keeps its room, Collapsed not).

struct EVisibility
{
	static const EVisibility Visible;
	static const EVisibility Collapsed;
	static const EVisibility Hidden;

	constexpr EVisibility() = default;
	constexpr bool operator==(const EVisibility& Other) const { return Value == Other.Value; }
	constexpr bool operator!=(const EVisibility& Other) const { return Value != Other.Value; }
	bool IsVisible() const { return Value == 0; }
	const char* ToString() const { return Value == 0 ? "Visible" : Value == 1 ? "Collapsed" : "Hidden"; }

private:
	constexpr explicit EVisibility(int InValue) : Value(InValue) {}
	int Value = 0;
};

inline constexpr EVisibility EVisibility::Visible{0};
inline constexpr EVisibility EVisibility::Collapsed{1};
inline constexpr EVisibility EVisibility::Hidden{2};
