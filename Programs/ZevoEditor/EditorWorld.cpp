#include "EditorWorld.h"

#include "LevelFile.h"
#include "TakeWriter.h"
#include "Misc/Paths.h"
#include "UObject/Package.h"

namespace
{
const char* const MainLevel = "/Game/Maps/Main";
}

FEditorWorld::FEditorWorld(TSharedPtr<FTakeWriter> InTake) : Take(MoveTemp(InTake)), World(std::make_unique<UWorld>())
{
}

FEditorWorld::~FEditorWorld()
{
	EndPlay();
}

void FEditorWorld::BeginPlay()
{
	FString Filename;
	// A project without the level plays an empty world; that is not worth a line.
	if (FPackageName::TryConvertLongPackageNameToFilename(MainLevel, Filename) && FPaths::FileExists(Filename))
	{
		const int32 Loaded = FLevelFile::LoadLevel(*World, MainLevel);
		if (Loaded >= 0)
		{
			UE_LOG(LogTemp, Log, "Level %s: %d actor(s) loaded from %s", MainLevel, Loaded, *Filename);
		}
	}
	World->BeginPlay();
}

void FEditorWorld::Tick(double DeltaSeconds, int64 EngineFrame)
{
	if (!World)
	{
		return;
	}
	World->Tick(LEVELTICK_All, float(DeltaSeconds));
	if (Take)
	{
		for (const AActor* Actor : World->GetActors())
		{
			Take->RecordActorTransform(EngineFrame, Actor->GetActorLabel(), Actor->GetActorTransform());
		}
	}
}

void FEditorWorld::EndPlay()
{
	if (World)
	{
		World->EndPlay(EEndPlayReason::Quit);
		World.reset();
	}
}

TArray<AActor*> FEditorWorld::GetActors() const
{
	return World ? World->GetActors() : TArray<AActor*>();
}
