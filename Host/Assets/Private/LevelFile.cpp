#include "LevelFile.h"

#include "AssetFile.h"
#include "Misc/FileHelper.h"
#include "UObject/Package.h"

#include <nlohmann/json.hpp>

namespace
{
using FJson = nlohmann::ordered_json;

FString ToString(const std::string& Text)
{
	return FString(Text.c_str());
}

/** The text of a string field, or empty (with an error naming the field) when it is missing or not a string. */
FString ReadString(const FJson& Object, const char* Key, const FString& Where, bool bRequired)
{
	const auto Found = Object.find(Key);
	if (Found != Object.end() && Found->is_string())
	{
		return ToString(Found->get<std::string>());
	}
	if (bRequired || Found != Object.end())
	{
		UE_LOG(LogTemp, Error, "%s.%s: expected a string", *Where, Key);
	}
	return FString();
}

UClass* ReadClass(const FJson& Object, const FString& Where, UClass* Required)
{
	const FString ClassName = ReadString(Object, "Class", Where, true);
	if (ClassName.IsEmpty())
	{
		return nullptr;
	}
	UClass* Class = UClass::FindClass(FName(*ClassName));
	if (!Class || !Class->IsChildOf(Required) || Class->HasAnyClassFlags(CLASS_Abstract))
	{
		UE_LOG(LogTemp, Error, "%s.Class: '%s' is not a known %s class", *Where, *ClassName, *Required->GetName());
		return nullptr;
	}
	return Class;
}

void LoadComponentsAndRoot(AActor& Actor, const FJson& ActorJson, const FString& Where)
{
	const auto Components = ActorJson.find("Components");
	if (Components != ActorJson.end() && !Components->is_array())
	{
		UE_LOG(LogTemp, Error, "%s.Components: expected an array", *Where);
	}
	const size_t Count = Components != ActorJson.end() && Components->is_array() ? Components->size() : 0;
	for (size_t Index = 0; Index < Count; ++Index)
	{
		const FJson& ComponentJson = (*Components)[Index];
		const FString ComponentWhere = FString::Printf("%s.Components[%d]", *Where, static_cast<int32>(Index));
		if (!ComponentJson.is_object() || !ReadClass(ComponentJson, ComponentWhere, UActorComponent::StaticClass()))
		{
			continue;
		}
		const FString Name = ReadString(ComponentJson, "Name", ComponentWhere, true);
		if (Name.IsEmpty())
		{
			continue;
		}
		// The asset reader makes the object inside the actor, which then owns it.
		UObject* Loaded = FAssetFile::LoadFromString(ToString(ComponentJson.dump()), ComponentWhere, &Actor, FName(*Name));
		if (UActorComponent* Component = Cast<UActorComponent>(Loaded))
		{
			Component->RegisterComponent();
		}
	}

	const FString RootName = ReadString(ActorJson, "RootComponent", Where, false);
	if (RootName.IsEmpty())
	{
		return;
	}
	USceneComponent* Root = nullptr;
	for (UActorComponent* Component : Actor.GetComponents())
	{
		if (Component->GetFName() == FName(*RootName))
		{
			Root = Cast<USceneComponent>(Component);
		}
	}
	if (!Root)
	{
		UE_LOG(LogTemp, Error, "%s.RootComponent: no scene component named '%s'", *Where, *RootName);
		return;
	}
	Actor.SetRootComponent(Root);
	for (UActorComponent* Component : Actor.GetComponents())
	{
		if (USceneComponent* Scene = Cast<USceneComponent>(Component); Scene && Scene != Root)
		{
			Scene->AttachToComponent(Root, FAttachmentTransformRules::KeepRelativeTransform);
		}
	}
}

bool LevelFilename(const FString& LevelPath, FString& OutFilename)
{
	FString Reason;
	if (!FPackageName::IsValidLongPackageName(LevelPath, &Reason) || !FPackageName::TryConvertLongPackageNameToFilename(LevelPath, OutFilename))
	{
		UE_LOG(LogTemp, Error, "Invalid level path '%s': %s", *LevelPath, *Reason);
		return false;
	}
	return true;
}
}

FString FLevelFile::ToJson(const UWorld& World)
{
	FJson Actors = FJson::array();
	for (const AActor* Actor : World.GetActors())
	{
		FJson Components = FJson::array();
		for (const UActorComponent* Component : Actor->GetComponents())
		{
			FJson ComponentJson = {{"Name", *Component->GetName()}};
			ComponentJson.update(FJson::parse(*FAssetFile::ToJson(*Component)));
			Components.push_back(MoveTemp(ComponentJson));
		}
		FJson ActorJson = {{"Class", *Actor->GetClass()->GetName()}, {"Name", *Actor->GetName()}, {"Label", *Actor->GetActorLabel()}};
		if (const USceneComponent* Root = Actor->GetRootComponent())
		{
			ActorJson["RootComponent"] = *Root->GetName();
		}
		ActorJson["Components"] = MoveTemp(Components);
		Actors.push_back(MoveTemp(ActorJson));
	}
	const FJson Level = {{"Class", "Level"}, {"Actors", MoveTemp(Actors)}};
	return ToString(Level.dump(1, '\t', false, nlohmann::ordered_json::error_handler_t::replace) + "\n");
}

bool FLevelFile::SaveLevel(const UWorld& World, const FString& LevelPath)
{
	FString Filename;
	if (!LevelFilename(LevelPath, Filename))
	{
		return false;
	}
	if (!FFileHelper::SaveStringToFile(ToJson(World), *Filename))
	{
		UE_LOG(LogTemp, Error, "Failed to save level %s to %s", *LevelPath, *Filename);
		return false;
	}
	return true;
}

int32 FLevelFile::LoadFromString(UWorld& World, const FString& Text, const FString& SourceName)
{
	FJson Level;
	try
	{
		Level = FJson::parse(*Text);
	}
	catch (const nlohmann::json::exception& Error)
	{
		UE_LOG(LogTemp, Error, "%s: not valid JSON: %s", *SourceName, Error.what());
		return 0;
	}
	const auto Actors = Level.is_object() ? Level.find("Actors") : Level.end();
	if (!Level.is_object() || ReadString(Level, "Class", SourceName, true) != "Level" || Actors == Level.end() || !Actors->is_array())
	{
		UE_LOG(LogTemp, Error, "%s: a level file is an object with \"Class\": \"Level\" and the array \"Actors\"", *SourceName);
		return 0;
	}
	int32 Spawned = 0;
	for (size_t Index = 0; Index < Actors->size(); ++Index)
	{
		const FJson& ActorJson = (*Actors)[Index];
		const FString Where = FString::Printf("%s: Actors[%d]", *SourceName, static_cast<int32>(Index));
		if (!ActorJson.is_object())
		{
			UE_LOG(LogTemp, Error, "%s: expected an object", *Where);
			continue;
		}
		UClass* Class = ReadClass(ActorJson, Where, AActor::StaticClass());
		if (!Class)
		{
			continue;
		}
		FActorSpawnParameters Parameters;
		Parameters.Name = FName(*ReadString(ActorJson, "Name", Where, false));
		AActor* Actor = World.SpawnActor(Class, FTransform::Identity, Parameters);
		if (!Actor)
		{
			continue;
		}
		const FString Label = ReadString(ActorJson, "Label", Where, false);
		if (!Label.IsEmpty())
		{
			Actor->SetActorLabel(Label);
		}
		LoadComponentsAndRoot(*Actor, ActorJson, Where);
		++Spawned;
	}
	return Spawned;
}

int32 FLevelFile::LoadLevel(UWorld& World, const FString& LevelPath)
{
	FString Filename;
	FString Text;
	if (!LevelFilename(LevelPath, Filename))
	{
		return -1;
	}
	if (!FFileHelper::LoadFileToString(Text, *Filename))
	{
		UE_LOG(LogTemp, Error, "Level %s: %s cannot be read", *LevelPath, *Filename);
		return -1;
	}
	return LoadFromString(World, Text, Filename);
}
