// Subject names and actor labels come from the network and from project files as any bytes; the
// viewer writes them into every state. Whatever they are, the state must be JSON a page can read.
#include "ViewerStateJson.h"

#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
	const std::string Bytes(reinterpret_cast<const char*>(Data), Size);
	FViewerState State;
	FViewerSubject& Subject = State.Subjects.emplace_back();
	Subject.Name = FName(Bytes.c_str());
	Subject.Source = FString(Bytes);
	Subject.Bones.push_back({FName(Bytes.c_str()), INDEX_NONE, FVector(double(Size), -1e300, 1e-300), FQuat::Identity});
	State.Actors.push_back({FString(Bytes), FVector::ZeroVector, FQuat::Identity, NAME_None, false, {}});
	const nlohmann::json Parsed = nlohmann::json::parse(ViewerStateToJson(State), nullptr, false);
	if (Parsed.is_discarded() || Parsed["actors"][0]["label"].get<std::string>().size() < Bytes.size())
	{
		__builtin_trap();
	}
	return 0;
}
