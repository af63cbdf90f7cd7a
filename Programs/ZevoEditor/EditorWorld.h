#pragma once
// FEditorWorld: the world the running editor plays, holding the actors of the project's level
// "/Game/Maps/Main" (an empty world when the project has none). Play begins once the modules have
// started, so that components find the Live Link client; the world then ticks once per engine
// frame, after the client, and with a take each actor's world transform is written to it after
// every tick. Play ends at exit while the client and the modules are still there. Game thread only.
#include "CoreMinimal.h"
#include "Engine/World.h"

#include <memory>

class FTakeWriter;

class FEditorWorld
{
public:
	/** Null writes no take. */
	explicit FEditorWorld(TSharedPtr<FTakeWriter> InTake);
	/** Ends play if EndPlay has not. */
	~FEditorWorld();
	FEditorWorld(const FEditorWorld&) = delete;
	FEditorWorld& operator=(const FEditorWorld&) = delete;

	/** Loads the main level when the project has one and begins play of every actor; a level that
	 *  cannot be read is reported (by the level reader) and play goes on with what could be loaded. */
	void BeginPlay();
	/** One engine frame: ticks the actors' components, then records where each actor stands. */
	void Tick(double DeltaSeconds, int64 EngineFrame);
	/** Ends the play of every actor and frees them, before the client shuts down. */
	void EndPlay();

	/** The live actors in spawn order; none after EndPlay. */
	TArray<AActor*> GetActors() const;

private:
	TSharedPtr<FTakeWriter> Take;
	std::unique_ptr<UWorld> World;
};
