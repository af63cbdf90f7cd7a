// Level files come from the project and from other people's: any bytes must spawn what they can and
// report the rest, never crash. The world then plays as the editor plays it: begin, a few ticks, end;
// and what was spawned must write out again.
#include "LevelFile.h"
#include "TempProject.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
	// Assets that a level names under /Game/ are looked for in an empty project.
	static const FTempProject Project;
	static const bool bQuiet = (FLogDispatcher::SetConsoleEnabled(false), true);
	(void)bQuiet;

	UWorld World;
	FLevelFile::LoadFromString(World, FString(reinterpret_cast<const char*>(Data), static_cast<int32>(Size)), "fuzz.json");
	FLevelFile::ToJson(World);
	World.BeginPlay();
	for (int32 Frame = 0; Frame < 3; ++Frame)
	{
		World.Tick(LEVELTICK_All, 1.f / 60.f);
	}
	World.EndPlay(EEndPlayReason::Quit);
	return 0;
}
