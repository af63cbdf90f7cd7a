#pragma once
// The prelude of an engine-surface build: a second compile of a plugin's sources, never linked,
// that holds them to the engine's API. The build forces this header before each source, with
// ZEVO_ENGINE_SURFACE=1 and ZEVO_HOST_EXTENSIONS=0, so that:
//  - the host's extensions (the declarations marked "Host only") do not exist;
//  - UE_LOG and FString::Printf refuse, as the engine's do, a format that is not TEXT("...") and
//    narrow text among their arguments. The host's TCHAR is char, so this is read from the source
//    text of the format (its macros expanded, so that a format a macro names or hands on is read
//    too) and of the arguments: a narrow literal anywhere outside TEXT(...) is refused. TEXT
//    leaves its mark in expanded text: TEXT(x) is ZevoEngineSurface::Text(x), which gives back x;
//  - the standard library's strings, containers, locks and threads cannot be named: every header
//    the plugin may include is read first, then their names are poisoned;
//  - the host's reflection macros cannot be named either: the plugin declares its reflection with
//    UCLASS, UPROPERTY, ... and GENERATED_BODY, whose generated code uses ZEVO_GENERATED_* alone.
#include <atomic>
#include <initializer_list>
#include <string_view>

// Every public header of the host modules the plugin's rules name (written by the build).
#include "ZevoEngineSurfaceHeaders.h"

namespace ZevoEngineSurface
{
/** TEXT's literal itself, of the very same type, so that it goes wherever the literal goes. */
template <SIZE_T Count>
constexpr const TCHAR (&Text(const TCHAR (&Literal)[Count]))[Count]
{
	return Literal;
}
constexpr TCHAR Text(TCHAR Character)
{
	return Character;
}

constexpr bool IsIdentifierCharacter(char Character)
{
	return (Character >= 'a' && Character <= 'z') || (Character >= 'A' && Character <= 'Z') || (Character >= '0' && Character <= '9') ||
		Character == '_';
}

/** The length of the TEXT( mark that starts at At (as written, or as a macro handed it on), else 0. */
constexpr size_t TextMarkAt(std::string_view Spelling, size_t At)
{
	if (At > 0 && (IsIdentifierCharacter(Spelling[At - 1]) || Spelling[At - 1] == ':'))
	{
		return 0;
	}
	for (const std::string_view Mark : {std::string_view("TEXT("), std::string_view("ZevoEngineSurface::Text(")})
	{
		if (Spelling.substr(At).starts_with(Mark))
		{
			return Mark.size();
		}
	}
	return 0;
}

/** Whether the source text of a macro argument is one TEXT(...) literal. */
consteval bool IsTextLiteral(std::string_view Spelling)
{
	return TextMarkAt(Spelling, 0) != 0 && Spelling.ends_with(")");
}

/** Whether the source text of macro arguments holds a string literal outside every TEXT(...). */
consteval bool HasNarrowLiteral(std::string_view Spelling)
{
	int Depth = 0;
	int TextDepth = -1; // the depth of the outermost open TEXT( parenthesis, -1 outside any
	for (size_t At = 0; At < Spelling.size(); ++At)
	{
		const char Character = Spelling[At];
		if (Character == '"' || Character == '\'')
		{
			if (Character == '"' && TextDepth < 0)
			{
				return true;
			}
			for (++At; At < Spelling.size() && Spelling[At] != Character; ++At)
			{
				At += Spelling[At] == '\\' ? 1 : 0;
			}
		}
		else if (Character == '(')
		{
			++Depth;
		}
		else if (Character == ')')
		{
			TextDepth = Depth == TextDepth ? -1 : TextDepth;
			--Depth;
		}
		else if (const size_t Mark = TextDepth < 0 ? TextMarkAt(Spelling, At) : 0)
		{
			TextDepth = Depth + 1;
			At += Mark - 2; // on to the parenthesis
		}
	}
	return false;
}

template <bool bTextFormat, bool bNoNarrowArgument>
constexpr void CheckFormat()
{
	static_assert(bTextFormat, "Formatting string must be a TCHAR array.");
	static_assert(bNoNarrowArgument, "Formatted text must be TCHAR text: TEXT(\"...\") or *FString, not a narrow literal.");
}
}

// The format's text once its macros are expanded. The arguments' text is read as written: expanded,
// a nested FString::Printf would bring its own check's text along.
#define ZEVO_ENGINE_SURFACE_SPELLING(Format) #Format
#define ZEVO_ENGINE_SURFACE_EXPANDED_SPELLING(Format) ZEVO_ENGINE_SURFACE_SPELLING(Format)
#define ZEVO_ENGINE_SURFACE_CHECK_FORMAT(Format, ...) \
	ZevoEngineSurface::CheckFormat<ZevoEngineSurface::IsTextLiteral(ZEVO_ENGINE_SURFACE_EXPANDED_SPELLING(Format)), \
		!ZevoEngineSurface::HasNarrowLiteral(#__VA_ARGS__)>()

#undef TEXT
#define TEXT(x) ZevoEngineSurface::Text(x)
#undef UE_LOG
#define UE_LOG(CategoryName, Verbosity, Format, ...) \
	do \
	{ \
		ZEVO_ENGINE_SURFACE_CHECK_FORMAT(Format, ##__VA_ARGS__); \
		FLogDispatcher::Log(CategoryName, ELogVerbosity::Verbosity, Format, ##__VA_ARGS__); \
	} while (false)
// FString::Printf, the one Printf the plugin calls.
#define Printf(Format, ...) Printf((ZEVO_ENGINE_SURFACE_CHECK_FORMAT(Format, ##__VA_ARGS__), Format), ##__VA_ARGS__)

// The engine's types stand for these: FString, FStringView, TArray, TMap, TSet, TSharedPtr,
// TUniquePtr, TFunction, TOptional, FCriticalSection, FScopeLock, FRunnableThread, ...
#pragma GCC poison string wstring u8string u16string u32string string_view wstring_view
#pragma GCC poison vector deque list forward_list array span
#pragma GCC poison map multimap unordered_map unordered_multimap set multiset unordered_set unordered_multiset
#pragma GCC poison stack queue priority_queue pair tuple optional variant any
#pragma GCC poison unique_ptr shared_ptr weak_ptr make_unique make_shared function
#pragma GCC poison mutex recursive_mutex shared_mutex timed_mutex lock_guard unique_lock scoped_lock shared_lock condition_variable
#pragma GCC poison thread jthread async future promise
#pragma GCC poison stringstream istringstream ostringstream fstream ifstream ofstream cout cerr cin to_string
// The rest is read as a system header: poisoning the two reflection macros that generated code
// still expands would otherwise warn in every source.
#pragma GCC system_header
#pragma GCC poison ZEVO_CLASS ZEVO_DECLARE_STRUCT ZEVO_DECLARE_ENUM ZEVO_IMPLEMENT_CLASS ZEVO_IMPLEMENT_ENUM ZEVO_ENUM_ENTRY ZEVO_ENUM_META
#pragma GCC poison ZEVO_REFLECT_CLASS ZEVO_REFLECT_STRUCT ZEVO_PROPERTY ZEVO_OBJECT_PROPERTY ZEVO_REFLECT_OPTIONS_FUNCTION
