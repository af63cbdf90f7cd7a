#pragma once
// Reflected functions: functions of a class that the editor calls by name. The editor calls one
// kind so far, the options function a property names in its "GetOptions" metadata: a const
// function without arguments returning the drop-down's entries. A class reflects one with
// ZEVO_REFLECT_OPTIONS_FUNCTION(UMyClass, GetMyOptions) in its source file.
// Knowingly different from the engine: there is no UFunction or script VM, only this lookup.
// Registration happens while libraries load; lookups after that need no lock.
#include "UObject/Object.h"

using FOptionsFunction = TArray<FString> (*)(const UObject& Object);

struct FReflectedFunctions
{
	static void RegisterOptionsFunction(const UClass* Class, FName FunctionName, FOptionsFunction Function);
	/** The options function of that name on Class or its nearest base; null when none. */
	static FOptionsFunction FindOptionsFunction(const UClass* Class, FName FunctionName);
};

struct FOptionsFunctionRegistrant
{
	FOptionsFunctionRegistrant(const UClass* Class, const char* FunctionName, FOptionsFunction Function)
	{
		FReflectedFunctions::RegisterOptionsFunction(Class, FName(FunctionName), Function);
	}
};

// Host only: the registrations the header tool writes into a module's .gen.cpp.
#if ZEVO_HOST_EXTENSIONS
#define ZEVO_REFLECT_OPTIONS_FUNCTION(ClassName, FunctionName) \
	static const FOptionsFunctionRegistrant ZevoOptionsFunction_##ClassName##_##FunctionName( \
		ClassName::StaticClass(), #FunctionName, \
		[](const UObject& Object) -> TArray<FString> { return static_cast<const ClassName&>(Object).FunctionName(); });

#endif