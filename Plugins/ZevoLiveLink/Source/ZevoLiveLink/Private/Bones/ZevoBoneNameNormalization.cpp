#include "ZevoBoneMapping.h"

#include <string>
#include <string_view>

namespace
{
// Rig and exporter prefixes, each tried once in this order: stacked prefixes fall away together
// ("bip01_def_spine"), while one that only becomes leading after a later one was removed stays.
constexpr std::string_view Prefixes[] = {
	"mixamorig:", "mixamorig_", "mixamorig", "bip001_", "bip01_", "bip_", "valvebiped_", "valvebiped.",
	"def_", "deform_", "jnt_", "joint_", "bone_", "rig_", "root_", "character_", "char_",
};

constexpr std::string_view Suffixes[] = {"_jnt", "_bone", "_joint", "_bind"};

// Side markers fold onto the bare letter before separators go, so "thigh_l", "thigh.l" and
// "thigh l" meet as "thighl"; the side words shorten anywhere, also inside other words.
struct FSideFold
{
	std::string_view From;
	std::string_view To;
};
constexpr FSideFold SideFolds[] = {
	{"_l", "l"}, {"_r", "r"}, {"l_", "l"}, {"r_", "r"}, {".l", "l"}, {".r", "r"}, {"l.", "l"}, {"r.", "r"},
	{"-l", "l"}, {"-r", "r"}, {"l-", "l"}, {"r-", "r"}, {" l", "l"}, {" r", "r"}, {"l ", "l"}, {"r ", "r"},
	{"left", "l"}, {"right", "r"},
};

constexpr std::string_view Separators = "_-. :|";

void ReplaceAll(std::string& Text, std::string_view From, std::string_view To)
{
	size_t At = Text.find(From);
	while (At != std::string::npos)
	{
		Text.replace(At, From.size(), To);
		At = Text.find(From, At + To.size());
	}
}
}

FString FZevoBoneNameMappings::NormalizeBoneName(const FString& Name)
{
	FString Result = Name.ToLower();
	std::string& Text = Result.GetCharArray();
	for (const std::string_view Prefix : Prefixes)
	{
		if (Text.starts_with(Prefix))
		{
			Text.erase(0, Prefix.size());
		}
	}
	for (const std::string_view Suffix : Suffixes)
	{
		if (Text.ends_with(Suffix))
		{
			Text.erase(Text.size() - Suffix.size());
		}
	}
	for (const FSideFold& Fold : SideFolds)
	{
		ReplaceAll(Text, Fold.From, Fold.To);
	}
	std::erase_if(Text, [](char C) { return Separators.find(C) != std::string_view::npos; });
	return Result;
}
