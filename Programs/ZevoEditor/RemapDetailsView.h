#pragma once
// The remap asset's details panel, laid out by the customizations the plugin module registers
// with the property editor, with every bound value evaluated now, as a terminal shows it.
#include "CoreMinimal.h"

class UZevoRemapAssetBase;

/** Loads the plugin module if needed, builds a details view of the asset and formats it (FormatDetailsPanelForTerminal). */
FString RenderRemapAssetDetails(UZevoRemapAssetBase& Asset, bool bColor);
