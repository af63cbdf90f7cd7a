// Must compile in the engine-surface build: how the check reads the source text of a format and
// of its arguments, one case a line.
#include "CoreMinimal.h"

using ZevoEngineSurface::HasNarrowLiteral;
using ZevoEngineSurface::IsTextLiteral;

static_assert(IsTextLiteral(R"x(TEXT("%d bones"))x"));
static_assert(IsTextLiteral(R"x(ZevoEngineSurface::Text("%d bones"))x"));
static_assert(!IsTextLiteral(R"x("%d bones")x"));
static_assert(!IsTextLiteral(R"x(Format)x"));
static_assert(!IsTextLiteral(R"x(bWide ? TEXT("%d") : TEXT("%x"))x"));

static_assert(!HasNarrowLiteral(""));
static_assert(!HasNarrowLiteral(R"x(*Name, Count, TEXT("Valid"))x"));
static_assert(!HasNarrowLiteral(R"x(bValid ? TEXT("Valid") : TEXT("Null"))x"));
static_assert(!HasNarrowLiteral(R"x(*FString::Printf(TEXT("(%s)"), TEXT(")")), *Other)x"));
static_assert(!HasNarrowLiteral(R"x(TEXT("say \"hi\", then \\"), '"', TEXT('"'))x"));
static_assert(!HasNarrowLiteral(R"x(*Name, ZevoEngineSurface::Text("Valid"))x"));
static_assert(HasNarrowLiteral(R"x(*Name, "Valid")x"));
static_assert(HasNarrowLiteral(R"x(bValid ? "Valid" : "Null")x"));
static_assert(HasNarrowLiteral(R"x(TEXT("a"), *FString("b"))x"));
static_assert(HasNarrowLiteral(R"x(*FString::Join(Names, ", "))x"));
static_assert(HasNarrowLiteral(R"x(NEXTTEXT("a"))x"));
static_assert(HasNarrowLiteral(R"x(Other::Text("a"))x"));
