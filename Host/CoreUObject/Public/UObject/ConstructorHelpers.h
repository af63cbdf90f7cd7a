#pragma once
// Finding assets in a constructor, as class defaults do: declare the finder static so that the
// asset is looked up once per process.
#include "UObject/UObjectGlobals.h"

struct ConstructorHelpers
{
	/**
	 * Finds or loads the object; on failure logs the error
	 * "CDO Constructor (<class being constructed>): Failed to find <path>".
	 */
	static UObject* FindOrLoadObject(UClass* Class, const FString& ObjectPath);

	template <typename T>
	class FObjectFinder
	{
	public:
		explicit FObjectFinder(const char* ObjectPath) : Object(static_cast<T*>(FindOrLoadObject(T::StaticClass(), ObjectPath))) {}
		bool Succeeded() const { return Object != nullptr; }

		TObjectPtr<T> Object;
	};
};
