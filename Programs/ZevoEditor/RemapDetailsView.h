#pragma once
// The remap asset's details panel as text, laid out by the customizations the plugin module
// registers with the property editor, with every bound value evaluated now.
#include "CoreMinimal.h"

class UZevoRemapAssetBase;

/** Loads the plugin module if needed, builds a details view of the asset and renders it. */
FString RenderRemapAssetDetails(UZevoRemapAssetBase& Asset);
