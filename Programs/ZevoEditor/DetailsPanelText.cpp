#include "DetailsPanelText.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace
{
using FJson = nlohmann::ordered_json;

constexpr int BarWidth = 30;

/** A terminal style: the codes that switch it on and off, each leaving every other style as it is. */
struct FStyle
{
	std::string On;
	std::string Off;
};

/** Text as it prints (with any style codes) and its width in characters on the screen. */
struct FStyledText
{
	std::string Text;
	size_t Width = 0;

	bool IsEmpty() const { return Width == 0; }

	void Append(const std::string& Plain, const FStyle& Style = {})
	{
		if (Plain.empty())
		{
			return;
		}
		Text += Style.On + Plain + Style.Off;
		// UTF-8: every byte but a continuation byte starts a character.
		Width += std::count_if(Plain.begin(), Plain.end(), [](char C) { return (static_cast<unsigned char>(C) & 0xC0) != 0x80; });
	}

	/** Appends Other after a blank. */
	void Join(const FStyledText& Other)
	{
		if (Other.IsEmpty())
		{
			return;
		}
		if (!IsEmpty())
		{
			Text += ' ';
			++Width;
		}
		Text += Other.Text;
		Width += Other.Width;
	}
};

FStyledText Plain(const std::string& Text)
{
	FStyledText Styled;
	Styled.Append(Text);
	return Styled;
}

/** "[3]" for the path of an array element ("LegBones[3]"), empty for any other path. */
std::string ElementIndex(const std::string& Path)
{
	if (Path.empty() || Path.back() != ']')
	{
		return {};
	}
	const size_t Open = Path.rfind('[');
	return Open == std::string::npos ? std::string() : Path.substr(Open);
}

class FPanelFormatter
{
public:
	explicit FPanelFormatter(bool bInColor) : bColor(bInColor) {}

	std::string Format(const FJson& Panel)
	{
		for (const FJson& Category : Panel.value("categories", FJson::array()))
		{
			FStyledText Heading;
			Heading.Append(Category.value("displayName", ""), bColor ? FStyle{"\x1b[1m", "\x1b[22m"} : FStyle());
			Lines.push_back({0, Heading, {}});
			for (const FJson& Row : Category.value("rows", FJson::array()))
			{
				AddRow(Row, 1);
			}
		}
		return Print();
	}

private:
	struct FLine
	{
		size_t Depth;
		FStyledText Label;
		FStyledText Value;
	};
	struct FNote
	{
		FStyledText Subject;
		std::string ToolTip;
	};

	void AddRow(const FJson& Row, size_t Depth)
	{
		if (Row.contains("wholeRow"))
		{
			Lines.push_back({Depth, Widget(Row["wholeRow"]), {}});
		}
		else
		{
			const std::string Path = Row.value("path", "");
			const std::string Index = ElementIndex(Path);
			FStyledText Label = Plain(Index);
			if (Row.contains("name"))
			{
				Label.Join(Widget(Row["name"]));
			}
			else if (Index.empty())
			{
				Label.Append(Row.contains("displayName") ? Row.value("displayName", "") : Row.value("filter", ""));
			}
			if (Row.contains("children") && Index.empty() && !Path.empty())
			{
				Label.Join(Plain("(" + Path + ")"));
			}
			const FJson Value = Row.value("value", FJson());
			Lines.push_back({Depth, Label, Value.is_string() ? Plain(Value.get<std::string>()) : Widget(Value)});
		}
		for (const FJson& Child : Row.value("children", FJson::array()))
		{
			AddRow(Child, Depth + 1);
		}
	}

	/** What a widget shows: its text, then its children's, blank-separated; nothing when collapsed or hidden. */
	FStyledText Widget(const FJson& Node)
	{
		FStyledText Shown;
		if (!Node.is_object() || !Node.value("type", FJson()).is_string())
		{
			return Shown;
		}
		const FJson Attributes = Node.value("attributes", FJson::object());
		const std::string Visibility = Attributes.value("Visibility", "Visible");
		if (Visibility == "Collapsed" || Visibility == "Hidden")
		{
			return Shown;
		}
		Shown.Append(Attributes.value("Text", ""), Color(Attributes.value("ColorAndOpacity", FJson())));
		const FJson Children = Node.value("children", FJson::array());
		if (IsBar(Children))
		{
			Shown.Join(Bar(Children));
		}
		else if (HasBackground(Node))
		{
			// The panel's colours for the other layers were chosen for this background: keep it under them.
			FStyledText Layers;
			for (size_t Index = 1; Index < Children.size(); ++Index)
			{
				Layers.Join(Widget(Children[Index]));
			}
			const FStyle Background = Color(Children[0].value("attributes", FJson::object()).value("Color", FJson()), 48);
			Shown.Join(FStyledText{Background.On + Layers.Text + Background.Off, Layers.Width});
		}
		else
		{
			for (const FJson& Child : Children)
			{
				Shown.Join(Widget(Child));
			}
		}
		const std::string ToolTip = Attributes.value("ToolTipText", "");
		const bool bNoted = std::any_of(Notes.begin(), Notes.end(),
			[&](const FNote& Note) { return Note.Subject.Text == Shown.Text && Note.ToolTip == ToolTip; });
		if (!ToolTip.empty() && !Shown.IsEmpty() && !bNoted)
		{
			Notes.push_back({Shown, ToolTip});
		}
		return Shown;
	}

	/** Slots that all share the width by weight: a bar, however the panel colours it. */
	static bool IsBar(const FJson& Children)
	{
		return !Children.empty() &&
			std::all_of(Children.begin(), Children.end(), [](const FJson& Child) { return Child.value("slot", FJson::object()).contains("FillWidth"); });
	}

	/** An overlay whose first layer is a colour block: the background of the layers above it. */
	static bool HasBackground(const FJson& Node)
	{
		const FJson Children = Node.value("children", FJson::array());
		return Node.value("type", FJson()) == "SOverlay" && Children.size() > 1 && Children[0].value("type", FJson()) == "SColorBlock";
	}

	/** Each slot's share of the bar: '#' in its colour block's colour where it holds one, '-' where it is empty. */
	FStyledText Bar(const FJson& Children) const
	{
		double Total = 0.0;
		for (const FJson& Child : Children)
		{
			Total += std::max(0.0, Child["slot"]["FillWidth"].get<double>());
		}
		FStyledText Drawn = Plain("[");
		double Reached = 0.0;
		long Filled = 0;
		for (const FJson& Child : Children)
		{
			Reached += std::max(0.0, Child["slot"]["FillWidth"].get<double>());
			const long End = Total > 0.0 ? std::lround(Reached / Total * BarWidth) : 0;
			const bool bBlock = Child.value("type", FJson()) == "SColorBlock";
			Drawn.Append(std::string(End - Filled, bBlock ? '#' : '-'),
				bBlock ? Color(Child.value("attributes", FJson::object()).value("Color", FJson())) : FStyle());
			Filled = End;
		}
		Drawn.Append(std::string(BarWidth - Filled, '-'));
		Drawn.Append("]");
		return Drawn;
	}

	/**
	 * A linear RGBA colour as a 24-bit terminal colour of the text (Layer 38) or of the background
	 * (48); the panel's foreground (any value but a colour) stays unstyled.
	 */
	FStyle Color(const FJson& Value, int Layer = 38) const
	{
		if (!bColor || !Value.is_array() || Value.size() < 3)
		{
			return {};
		}
		const auto Channel = [&Value](size_t Index) {
			return std::to_string(std::lround(std::clamp(Value[Index].get<double>(), 0.0, 1.0) * 255.0));
		};
		return {"\x1b[" + std::to_string(Layer) + ";2;" + Channel(0) + ";" + Channel(1) + ";" + Channel(2) + "m",
			"\x1b[" + std::to_string(Layer + 1) + "m"};
	}

	std::string Print() const
	{
		size_t Column = 0;
		for (const FLine& Line : Lines)
		{
			if (!Line.Value.IsEmpty())
			{
				Column = std::max(Column, 2 * Line.Depth + Line.Label.Width);
			}
		}
		std::string Out;
		for (const FLine& Line : Lines)
		{
			Out += std::string(2 * Line.Depth, ' ') + Line.Label.Text;
			if (!Line.Value.IsEmpty())
			{
				Out += std::string(Column + 2 - 2 * Line.Depth - Line.Label.Width, ' ') + Line.Value.Text;
			}
			Out += '\n';
		}
		size_t SubjectWidth = 0;
		for (const FNote& Note : Notes)
		{
			SubjectWidth = std::max(SubjectWidth, Note.Subject.Width);
		}
		for (size_t Index = 0; Index < Notes.size(); ++Index)
		{
			const FNote& Note = Notes[Index];
			Out += (Index == 0 ? "\n" : "") + Note.Subject.Text + std::string(SubjectWidth + 2 - Note.Subject.Width, ' ') + Note.ToolTip + '\n';
		}
		return Out;
	}

	bool bColor;
	std::vector<FLine> Lines;
	std::vector<FNote> Notes;
};
}

FString FormatDetailsPanelForTerminal(const FString& PanelJson, bool bColor)
{
	return FString(FPanelFormatter(bColor).Format(FJson::parse(PanelJson.ToStdString())));
}
