#pragma once
// Level files: a world's actors, each with its class, name, label and components, each component
// an asset-file object (class and reflected properties) with its name:
//   {"Class": "Level", "Actors": [{"Class": "Actor", "Name": "PropFollower", "Label": "Prop Follower",
//     "RootComponent": "Root", "Components": [{"Name": "Root", "Class": "SceneComponent",
//     "Properties": {"RelativeLocation": {"X": 0.0, ...}}}, ...]}]}
// A level "/Game/Maps/Main" is the file <project>/Content/Maps/Main.json. Loading spawns the
// actors into a world; the other scene components of an actor attach to its root. Reading is
// forgiving like asset files: what is wrong is reported with the file and the field and skipped.
// Host only, as this whole module: the engine reads its assets in modules of its own.
#include "HAL/Platform.h"
#if ZEVO_HOST_EXTENSIONS
#include "Engine/World.h"

struct FLevelFile
{
	static FString ToJson(const UWorld& World);
	/** Writes the world's actors to the level's file, atomically; false, with an error, on failure. */
	static bool SaveLevel(const UWorld& World, const FString& LevelPath);

	/** Spawns the actors the text describes into World and returns how many; SourceName starts every error line. */
	static int32 LoadFromString(UWorld& World, const FString& Text, const FString& SourceName);
	/** The same for the level's file; -1, with an error, when the path is invalid or the file cannot be read. */
	static int32 LoadLevel(UWorld& World, const FString& LevelPath);
};
#endif
