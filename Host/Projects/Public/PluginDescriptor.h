#pragma once
// A plugin's descriptor, the <Plugin>.uplugin file at the root of its folder: the plugin's
// modules and whether it has content of its own to mount.
// Knowingly different from the engine: only the fields the host acts on are kept. The rest of a
// descriptor (names, versions, the plugins it depends on) is allowed and not read; the one plugin
// dependency the host could be asked for, Live Link, is built into the host.
#include "ModuleDescriptor.h"

struct FPluginDescriptor
{
	TArray<FModuleDescriptor> Modules;
	bool bCanContainContent = false;

	/** Reads the file; false with the reason (naming the file) when it is missing or malformed. */
	bool Load(const FString& FileName, FText* OutFailReason = nullptr);
	/**
	 * Reads a descriptor's text: a JSON object with "FileVersion" 1 to 3, optionally "Modules"
	 * (objects with a "Name", a "Type" and optionally a "LoadingPhase") and "CanContainContent".
	 * False with the reason, naming the field, when the text is not that; the descriptor is then
	 * left as it was.
	 */
	bool Read(const FString& Text, FText* OutFailReason = nullptr);
};
