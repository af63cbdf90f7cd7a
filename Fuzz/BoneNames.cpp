// Bone names come from whatever skeleton the user imports: any bytes must normalise, expand
// into variations and take part in validation without a crash or a read out of bounds.
#include "ZevoBoneMapping.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
	const std::string_view Bytes(reinterpret_cast<const char*>(Data), Size);
	const size_t Split = Bytes.find('\n');
	const FString Name(Bytes.substr(0, Split));
	const FString Other(Split == std::string_view::npos ? std::string_view() : Bytes.substr(Split + 1));

	const FString Normalized = FZevoBoneNameMappings::NormalizeBoneName(Name);
	const TArray<FString> Variations = FZevoBoneNameMappings::GenerateVariations(Name);
	if (Variations.IsEmpty() || !Variations[0].Equals(Name, ESearchCase::CaseSensitive))
	{
		__builtin_trap();
	}
	if (FZevoBoneNameMappings::AreBonesMutuallyExclusive(Name, Name))
	{
		__builtin_trap();
	}
	FZevoBoneNameMappings::FindExpectedHierarchyEntry(Normalized);
	const TMap<FName, FName> Parents = {{FName(Other), FName(Name)}};
	const TMap<FString, FString> Existing = {{"Hips", Other}, {Other, Name}};
	FZevoBoneNameMappings::RankCandidatesByHierarchy(Name, {Other, Normalized}, Parents, Existing);
	FZevoBoneNameMappings::RankCandidatesByHierarchy(Other, {Name}, Parents, Existing);
	return 0;
}
