// Name matching runs GenerateVariations and NormalizeBoneName for every stream bone each time a
// target skeleton is assigned to a remap asset. These measure both on the stream's own names.
#include "ZevoBoneMapping.h"

#include <benchmark/benchmark.h>

namespace
{
TArray<FString> StreamBoneNames()
{
	TArray<FString> Names;
	for (const EZevoBoneName Bone : FZevoBoneNameUtils::GetAllBoneEnums())
	{
		Names.Add(FZevoBoneNameUtils::EnumToFName(Bone).ToString());
	}
	return Names;
}

/** The stream bone with the longest list of variations. */
FString WorstBone()
{
	FString Worst;
	int32 MostVariations = 0;
	for (const FString& Name : StreamBoneNames())
	{
		const int32 Count = FZevoBoneNameMappings::GenerateVariations(Name).Num();
		if (Count > MostVariations)
		{
			MostVariations = Count;
			Worst = Name;
		}
	}
	return Worst;
}

void BM_GenerateVariationsAllBones(benchmark::State& State)
{
	const TArray<FString> Names = StreamBoneNames();
	FZevoBoneNameMappings::GetCommonMappings();
	int64 Entries = 0;
	for (auto _ : State)
	{
		for (const FString& Name : Names)
		{
			const TArray<FString> Variations = FZevoBoneNameMappings::GenerateVariations(Name);
			Entries += Variations.Num();
			benchmark::DoNotOptimize(Variations.GetData());
		}
	}
	State.counters["entries/sweep"] = benchmark::Counter(static_cast<double>(Entries) / State.iterations());
}
BENCHMARK(BM_GenerateVariationsAllBones)->Unit(benchmark::kMillisecond);

void BM_GenerateVariationsWorstBone(benchmark::State& State)
{
	const FString Name = WorstBone();
	State.SetLabel(*Name);
	int32 Entries = 0;
	for (auto _ : State)
	{
		const TArray<FString> Variations = FZevoBoneNameMappings::GenerateVariations(Name);
		Entries = Variations.Num();
		benchmark::DoNotOptimize(Variations.GetData());
	}
	State.counters["entries"] = Entries;
}
BENCHMARK(BM_GenerateVariationsWorstBone)->Unit(benchmark::kMicrosecond);

void BM_NormalizeBoneName(benchmark::State& State)
{
	TArray<FString> Names = StreamBoneNames();
	for (const char* Name : {"mixamorig:LeftUpLeg", "Bip01_L_Thigh", "DEF_upper_arm.L", "thigh_l_bind", "hand_r", "Spine_01"})
	{
		Names.Add(Name);
	}
	for (auto _ : State)
	{
		for (const FString& Name : Names)
		{
			const FString Normalized = FZevoBoneNameMappings::NormalizeBoneName(Name);
			benchmark::DoNotOptimize(*Normalized);
		}
	}
	State.SetItemsProcessed(State.iterations() * Names.Num());
}
BENCHMARK(BM_NormalizeBoneName)->Unit(benchmark::kNanosecond);
}

BENCHMARK_MAIN();
