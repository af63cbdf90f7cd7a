#pragma once
// The host's object system, standing in for the engine's CoreUObject module. It provides, under
// the engine's names: UObject, UClass, UStruct, UScriptStruct, TBaseStructure, UEnum,
// StaticEnum, Cast, TSubclassOf, GetDefault/GetMutableDefault; FProperty and its kinds
// (FBoolProperty, FIntProperty, FByteProperty, FFloatProperty, FDoubleProperty, FNameProperty,
// FStrProperty, FEnumProperty, FObjectProperty, FStructProperty, FArrayProperty) with
// EPropertyFlags and FPropertyChangedEvent; UPackage, FPackageName, NewObject, LoadObject,
// FindObject, ConstructorHelpers::FObjectFinder; TWeakObjectPtr; the undo history
// (FTransactionBuffer, UObject::Modify). Types declare their reflection with the macros of
// UObject/ObjectMacros.h; assets are read and written by the Assets module (AssetFile.h).
#include "Misc/TransactionBuffer.h"
#include "UObject/Class.h"
#include "UObject/ConstructorHelpers.h"
#include "UObject/Object.h"
#include "UObject/ObjectMacros.h"
#include "UObject/Package.h"
#include "UObject/ReflectedEnum.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/UnrealType.h"
#include "UObject/WeakObjectPtr.h"
