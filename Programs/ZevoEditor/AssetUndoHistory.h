#pragma once
// The undo history of one asset, kept between runs in Saved/Undo/<asset path>.<revision>.json,
// where the revision is a hash of the asset file it belongs to. The history is written before the
// asset, and older histories are removed only after it: a run killed anywhere in between leaves
// on disk a history named after the asset that is on disk, so undo always takes back the edit
// that the asset shows, never one before it.
#include "AssetArgument.h"

class UObject;

struct FAssetUndoHistory
{
	/** Makes the process's undo history the one of the asset as it is on disk (empty when none). */
	static void Load(const FAssetPathArgument& Path);
	/** Writes the process's undo history for the asset's new state, then the asset; false with
	 *  OutError when either could not be written. */
	static bool SaveWithAsset(const UObject& Asset, const FAssetPathArgument& Path, FString& OutError);
};
