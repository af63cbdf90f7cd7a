#pragma once
// One module of a plugin, as the plugin's descriptor lists it: its name, the kind of program that
// loads it (EHostType) and the moment of start-up at which it loads (ELoadingPhase).
#include "CoreMinimal.h"

namespace EHostType
{
enum Type : uint8
{
	Runtime,
	RuntimeNoCommandlet,
	RuntimeAndProgram,
	CookedOnly,
	UncookedOnly,
	Developer,
	DeveloperTool,
	Editor,
	EditorNoCommandlet,
	EditorAndProgram,
	Program,
	ServerOnly,
	ClientOnly,
	ClientOnlyNoCommandlet,
	Max
};
/** The type spelled as in a descriptor ("Editor"), compared without regard to case; Max when none is. */
Type FromString(const FString& Text);
const char* ToString(Type Value);
}

namespace ELoadingPhase
{
enum Type : uint8
{
	EarliestPossible,
	PostConfigInit,
	PostSplashScreen,
	PreEarlyLoadingScreen,
	PreLoadingScreen,
	PreDefault,
	Default,
	PostDefault,
	PostEngineInit,
	None,
	Max
};
/** The phase spelled as in a descriptor ("Default"), compared without regard to case; Max when none is. */
Type FromString(const FString& Text);
const char* ToString(Type Value);
}

struct FModuleDescriptor
{
	FName Name;
	EHostType::Type Type = EHostType::Runtime;
	ELoadingPhase::Type LoadingPhase = ELoadingPhase::Default;

	/**
	 * Whether this program loads the module. Every program of this host is an editor, so the
	 * modules meant for the game alone (a client, a server, cooked data, a standalone program)
	 * are the ones it leaves out.
	 */
	bool IsLoadedInCurrentConfiguration() const;
};
