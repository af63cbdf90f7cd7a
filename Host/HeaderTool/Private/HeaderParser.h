#pragma once
// Reads a header's reflection: every UENUM, USTRUCT and UCLASS with its specifiers, the UMETA of
// each enumerator, the UPROPERTY members and UFUNCTION declarations of each type, where its
// GENERATED_BODY() stands and whether the header includes its "<File>.generated.h" last.
// Members may be declared inside #if WITH_EDITOR or #if WITH_EDITORONLY_DATA (the generated code
// keeps the condition); reflection under any other condition, or anything this host's
// reflection cannot record, is an FHeaderToolError with the line it concerns.
// Knowingly different from the engine's header tool: comments do not become ToolTip metadata
// (a header writes meta=(ToolTip="...") where it wants one), and UFUNCTION specifiers are checked
// but leave no trace beyond options functions and native events: there is no script VM to call
// the rest.
#include "ReflectedHeader.h"

/** BaseName is the header's file name without folder and extension. */
FReflectedHeader ParseHeader(const std::string& Source, const std::string& BaseName);
