#pragma once
// The host's core, standing in for the engine's Core module. It provides, under the engine's
// names: int32 and friends, TEXT, MoveTemp; FString, FName (NAME_None), FText (NSLOCTEXT);
// TArray, TMap (TPair), TSet, TTuple; TSharedPtr, TSharedRef, TWeakPtr, MakeShared,
// TSharedFromThis; TFunction, TUniqueFunction; FVector, FQuat, FRotator, FTransform,
// FLinearColor, FMath; FGuid; FDateTime, FTimespan, FPlatformTime (with FHostClock, which tests
// advance); UE_LOG and LogTemp (with FLogCapture for tests); IsEngineExitRequested.
// Files, paths, threads and the game-thread queue have their own headers (Misc/Paths.h,
// Misc/FileHelper.h, HAL/PlatformFileManager.h, HAL/Runnable.h, Async/Async.h), and so do
// delegates (Delegates/Delegate.h: TDelegate, TMulticastDelegate, FDelegateHandle), attributes
// (Misc/Attribute.h), FCoreDelegates (Misc/CoreDelegates.h), modules (Modules/ModuleManager.h:
// IModuleInterface, FModuleManager, IMPLEMENT_MODULE), modular features
// (Features/IModularFeatures.h) and FVector2D (Math/Vector2D.h).
#include "Containers/Array.h"
#include "Containers/Map.h"
#include "Containers/Set.h"
#include "Containers/UnrealString.h"
#include "HAL/Platform.h"
#include "HAL/PlatformTime.h"
#include "HAL/UnrealMemory.h"
#include "Internationalization/Text.h"
#include "Logging/LogMacros.h"
#include "Math/Color.h"
#include "Math/NumericLimits.h"
#include "Math/Quat.h"
#include "Math/Rotator.h"
#include "Math/Transform.h"
#include "Math/Vector.h"
#include "Misc/CoreGlobals.h"
#include "Misc/DateTime.h"
#include "Misc/Guid.h"
#include "Misc/Timespan.h"
#include "Templates/Function.h"
#include "Templates/SharedPointer.h"
#include "Templates/Tuple.h"
#include "Templates/UnrealTemplate.h"
#include "UObject/NameTypes.h"
