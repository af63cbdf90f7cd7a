#include "UObject/ReflectedFunction.h"

namespace
{
struct FOptionsFunctionEntry
{
	const UClass* Class;
	FName Name;
	FOptionsFunction Function;
};

TArray<FOptionsFunctionEntry>& GetOptionsFunctions()
{
	static TArray<FOptionsFunctionEntry> Functions;
	return Functions;
}
}

void FReflectedFunctions::RegisterOptionsFunction(const UClass* Class, FName FunctionName, FOptionsFunction Function)
{
	GetOptionsFunctions().Add(FOptionsFunctionEntry{Class, FunctionName, Function});
}

FOptionsFunction FReflectedFunctions::FindOptionsFunction(const UClass* Class, FName FunctionName)
{
	for (const UClass* Current = Class; Current; Current = Current->GetSuperClass())
	{
		for (const FOptionsFunctionEntry& Entry : GetOptionsFunctions())
		{
			if (Entry.Class == Current && Entry.Name == FunctionName)
			{
				return Entry.Function;
			}
		}
	}
	return nullptr;
}
