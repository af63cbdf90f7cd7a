#pragma once
// What the header tool writes for a module: each reflected header's "<File>.generated.h", which
// declares its types' reflection and defines the body that GENERATED_BODY() expands to, and one
// "<Module>.gen.cpp", which registers every type with the host's reflection (the ZEVO_* blocks of
// UObject/ObjectMacros.h, UObject/ReflectedEnum.h and UObject/ReflectedFunction.h) and defines
// the native events' dispatchers.
#include "ReflectedHeader.h"

struct FGeneratedHeaderInput
{
	FReflectedHeader Header;
	/** How the generated source includes the header ("ZevoRemapAssetBase.h", "Stream/Foo.h"). */
	std::string IncludePath;
};

std::string WriteGeneratedHeader(const FReflectedHeader& Header, const std::string& Module);
std::string WriteGeneratedSource(const std::vector<FGeneratedHeaderInput>& Headers, const std::string& Module);
