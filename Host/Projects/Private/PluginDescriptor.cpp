#include "PluginDescriptor.h"

#include "Misc/FileHelper.h"

#include <nlohmann/json.hpp>

namespace
{
using FJson = nlohmann::json;

/** The last version of the descriptor format; older files read the same way. */
constexpr int64 LatestFileVersion = 3;

bool Fail(FText* OutFailReason, const FString& Reason)
{
	if (OutFailReason)
	{
		*OutFailReason = FText::FromString(Reason);
	}
	return false;
}

/** The named string field of a module; false with the reason when it is absent or not text. */
bool ReadModuleString(const FJson& Module, const char* Field, const FString& Where, FString& Out, FText* OutFailReason)
{
	const auto Found = Module.find(Field);
	if (Found == Module.end() || !Found->is_string())
	{
		return Fail(OutFailReason, FString::Printf("%s.%s: expected text", *Where, Field));
	}
	Out = FString(Found->get<std::string>());
	return true;
}

bool ReadModule(const FJson& Module, const FString& Where, FModuleDescriptor& Out, FText* OutFailReason)
{
	if (!Module.is_object())
	{
		return Fail(OutFailReason, Where + ": expected an object");
	}
	FString Name, Type;
	if (!ReadModuleString(Module, "Name", Where, Name, OutFailReason) || !ReadModuleString(Module, "Type", Where, Type, OutFailReason))
	{
		return false;
	}
	if (Name.IsEmpty())
	{
		return Fail(OutFailReason, Where + ".Name: expected a module name");
	}
	Out.Name = FName(*Name);
	Out.Type = EHostType::FromString(Type);
	if (Out.Type == EHostType::Max)
	{
		return Fail(OutFailReason, FString::Printf("%s.Type: '%s' is not a module type", *Where, *Type));
	}
	if (Module.contains("LoadingPhase"))
	{
		FString Phase;
		if (!ReadModuleString(Module, "LoadingPhase", Where, Phase, OutFailReason))
		{
			return false;
		}
		Out.LoadingPhase = ELoadingPhase::FromString(Phase);
		if (Out.LoadingPhase == ELoadingPhase::Max)
		{
			return Fail(OutFailReason, FString::Printf("%s.LoadingPhase: '%s' is not a loading phase", *Where, *Phase));
		}
	}
	return true;
}
}

bool FPluginDescriptor::Load(const FString& FileName, FText* OutFailReason)
{
	FString Text;
	if (!FFileHelper::LoadFileToString(Text, *FileName))
	{
		return Fail(OutFailReason, FString::Printf("%s: cannot be read", *FileName));
	}
	FText Reason;
	if (!Read(Text, &Reason))
	{
		return Fail(OutFailReason, FString::Printf("%s: %s", *FileName, *Reason.ToString()));
	}
	return true;
}

bool FPluginDescriptor::Read(const FString& Text, FText* OutFailReason)
{
	const FJson Root = FJson::parse(Text.ToStdString(), nullptr, false);
	if (Root.is_discarded() || !Root.is_object())
	{
		return Fail(OutFailReason, "not a JSON object");
	}
	const auto Version = Root.find("FileVersion");
	if (Version == Root.end() || !Version->is_number_integer() || Version->get<int64>() < 1 || Version->get<int64>() > LatestFileVersion)
	{
		return Fail(OutFailReason, FString::Printf("FileVersion: expected a whole number from 1 to %lld", static_cast<long long>(LatestFileVersion)));
	}
	FPluginDescriptor Read;
	if (const auto Content = Root.find("CanContainContent"); Content != Root.end())
	{
		if (!Content->is_boolean())
		{
			return Fail(OutFailReason, "CanContainContent: expected true or false");
		}
		Read.bCanContainContent = Content->get<bool>();
	}
	if (const auto Modules = Root.find("Modules"); Modules != Root.end())
	{
		if (!Modules->is_array())
		{
			return Fail(OutFailReason, "Modules: expected a list");
		}
		for (size_t Index = 0; Index < Modules->size(); ++Index)
		{
			FModuleDescriptor Module;
			if (!ReadModule((*Modules)[Index], FString::Printf("Modules[%zu]", Index), Module, OutFailReason))
			{
				return false;
			}
			Read.Modules.Add(Module);
		}
	}
	*this = MoveTemp(Read);
	return true;
}
