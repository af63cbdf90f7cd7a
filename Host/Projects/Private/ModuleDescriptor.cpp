#include "ModuleDescriptor.h"

namespace
{
template <typename EnumType, int32 Count>
EnumType FromName(const FString& Text, const char* const (&Names)[Count])
{
	for (int32 Index = 0; Index < Count; ++Index)
	{
		if (Text.Equals(Names[Index], ESearchCase::IgnoreCase))
		{
			return static_cast<EnumType>(Index);
		}
	}
	return static_cast<EnumType>(Count);
}

const char* const HostTypeNames[] = {"Runtime", "RuntimeNoCommandlet", "RuntimeAndProgram", "CookedOnly", "UncookedOnly", "Developer",
	"DeveloperTool", "Editor", "EditorNoCommandlet", "EditorAndProgram", "Program", "ServerOnly", "ClientOnly", "ClientOnlyNoCommandlet"};
static_assert(std::size(HostTypeNames) == EHostType::Max);

const char* const LoadingPhaseNames[] = {"EarliestPossible", "PostConfigInit", "PostSplashScreen", "PreEarlyLoadingScreen",
	"PreLoadingScreen", "PreDefault", "Default", "PostDefault", "PostEngineInit", "None"};
static_assert(std::size(LoadingPhaseNames) == ELoadingPhase::Max);
}

EHostType::Type EHostType::FromString(const FString& Text)
{
	return FromName<Type>(Text, HostTypeNames);
}

const char* EHostType::ToString(Type Value)
{
	return Value < Max ? HostTypeNames[Value] : "Max";
}

ELoadingPhase::Type ELoadingPhase::FromString(const FString& Text)
{
	return FromName<Type>(Text, LoadingPhaseNames);
}

const char* ELoadingPhase::ToString(Type Value)
{
	return Value < Max ? LoadingPhaseNames[Value] : "Max";
}

bool FModuleDescriptor::IsLoadedInCurrentConfiguration() const
{
	switch (Type)
	{
	case EHostType::CookedOnly:
	case EHostType::Program:
	case EHostType::ServerOnly:
	case EHostType::ClientOnly:
	case EHostType::ClientOnlyNoCommandlet:
	case EHostType::Max:
		return false;
	default:
		return LoadingPhase != ELoadingPhase::None;
	}
}
