// Must compile in the engine-surface build: plugin code as the engine takes it, including the
// forms the check reads from the source text (TEXT inside conditionals and nested formats,
// parentheses and quotes inside TEXT, character literals) and the standard library the engine
// itself uses.
#include "CoreMinimal.h"
#include "BonePose.h"
#include "Containers/StringView.h"
#include "HAL/CriticalSection.h"
#include "Misc/ScopeLock.h"

#include <atomic>
#include <initializer_list>

// A format named by a macro, and one handed on by a macro of the plugin's own.
#define ZEVO_SURFACE_BONES_LINE TEXT("%d \"bones\" (%c)")
#define ZEVO_SURFACE_LOG(Format, ...) UE_LOG(LogTemp, Log, Format, ##__VA_ARGS__)

namespace
{
inline constexpr const TCHAR* PropertyName = TEXT("PropType");
constexpr std::initializer_list<const TCHAR*> Aliases[] = {{TEXT("hips"), TEXT("pelvis")}, {TEXT("neck")}};

FCriticalSection Lock;
std::atomic<int32> Received{0};
}

FString Describe(const FString& Name, bool bValid, FAnsiStringView Address, const FCompactPose& Pose)
{
	FScopeLock Guard(&Lock);
	++Received;
	UE_LOG(LogTemp, Log, TEXT("Socket '%s' (%s): %s"), *Name, bValid ? TEXT("Valid") : TEXT("Null"),
		*FString::Printf(ZEVO_SURFACE_BONES_LINE, Pose.GetNumBones(), TEXT(')')));
	ZEVO_SURFACE_LOG(ZEVO_SURFACE_BONES_LINE, Pose.GetNumBones(), TEXT('('));
	ZEVO_SURFACE_LOG(TEXT("%s"), *FString::Printf(TEXT("%s"), *Name));
	UE_LOG(LogTemp, Verbose, TEXT("Aliases: %d, %s"), static_cast<int32>(Aliases[0].size()), PropertyName);
	const bool bStream = Address.Equals(FAnsiStringView("/ZEVO/Stream"), ESearchCase::IgnoreCase);
	TArray<FString> Parts = {Name, FString(TEXT("x")), FName(TEXT("Hips")).ToString()};
	TMap<FName, int32> Counts;
	Counts.Add(FName(TEXT("Hips")), bStream ? 1 : 0);
	const FTransform& Root = Pose[FCompactPoseBoneIndex(0)];
	return FString::Join(Parts, TEXT(", ")) + FString::Printf(TEXT(" %.1f"), Root.GetTranslation().X);
}
