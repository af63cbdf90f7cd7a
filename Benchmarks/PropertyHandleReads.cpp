// The remap asset's details panel recounts its mapped rows through property handles on every
// paint (four arrays, 52 rows), and every edit records the asset for undo. This measures those
// paths, and the asset file written and read through the reflection, on an asset of that shape.
#include "AssetFile.h"
#include "Misc/TransactionBuffer.h"
#include "PropertyHandle.h"
#include "UObject/ObjectMacros.h"

#include <benchmark/benchmark.h>

enum class EBenchBone : uint8
{
	Hips,
	Spine,
	Head,
};
ZEVO_DECLARE_ENUM(EBenchBone)
ZEVO_IMPLEMENT_ENUM(EBenchBone, ZEVO_ENUM_META(), ZEVO_ENUM_ENTRY(EBenchBone, Hips), ZEVO_ENUM_ENTRY(EBenchBone, Spine),
	ZEVO_ENUM_ENTRY(EBenchBone, Head))

struct FBenchRow
{
	EBenchBone SourceBone = EBenchBone::Hips;
	FName TargetBone;
};
ZEVO_DECLARE_STRUCT(FBenchRow)

class UBenchRemapAsset : public UObject
{
	ZEVO_CLASS(UBenchRemapAsset, UObject)
public:
	UBenchRemapAsset()
	{
		const int32 Counts[] = {6, 8, 8, 30};
		TArray<FBenchRow>* Arrays[] = {&BodySpineBones, &LegBones, &ArmBones, &FingerBones};
		for (int32 Index = 0; Index < 4; ++Index)
		{
			for (int32 Row = 0; Row < Counts[Index]; ++Row)
			{
				Arrays[Index]->Add({EBenchBone::Spine, Row % 2 ? FName(*FString::Printf("bone_%d_%d", Index, Row)) : NAME_None});
			}
		}
	}
	float GroundOffset = 0.f;
	FString DuplicateStatusText;
	TArray<FBenchRow> BodySpineBones;
	TArray<FBenchRow> LegBones;
	TArray<FBenchRow> ArmBones;
	TArray<FBenchRow> FingerBones;
};

ZEVO_REFLECT_STRUCT(FBenchRow)
{
	ZEVO_PROPERTY(SourceBone, UP::VisibleAnywhere);
	ZEVO_PROPERTY(TargetBone, UP::EditAnywhere);
}

ZEVO_REFLECT_CLASS(UBenchRemapAsset, CLASS_None)
{
	ZEVO_PROPERTY(GroundOffset, UP::EditAnywhere, {"ClampMin", "-100.0"}, {"ClampMax", "100.0"});
	ZEVO_PROPERTY(DuplicateStatusText, UP::VisibleAnywhere);
	ZEVO_PROPERTY(BodySpineBones, UP::EditAnywhere);
	ZEVO_PROPERTY(LegBones, UP::EditAnywhere);
	ZEVO_PROPERTY(ArmBones, UP::EditAnywhere);
	ZEVO_PROPERTY(FingerBones, UP::EditAnywhere);
}

static void CountMappedRowsThroughHandles(benchmark::State& State)
{
	UBenchRemapAsset Asset;
	TArray<TSharedRef<IPropertyHandle>> Arrays;
	for (const char* Name : {"BodySpineBones", "LegBones", "ArmBones", "FingerBones"})
	{
		Arrays.Add(FPropertyHandles::ForMember({&Asset}, Name));
	}
	for (auto _ : State)
	{
		int32 Total = 0, Mapped = 0;
		for (const TSharedRef<IPropertyHandle>& Array : Arrays)
		{
			uint32 Count = 0;
			Array->GetNumElements(Count);
			for (uint32 Index = 0; Index < Count; ++Index)
			{
				FName Target;
				if (Array->GetElement(Index)->GetChildHandle("TargetBone")->GetValue(Target) == FPropertyAccess::Success)
				{
					++Total;
					Mapped += Target.IsNone() ? 0 : 1;
				}
			}
		}
		benchmark::DoNotOptimize(Mapped + Total);
	}
}
BENCHMARK(CountMappedRowsThroughHandles);

static void EditOneRowWithUndo(benchmark::State& State)
{
	UBenchRemapAsset Asset;
	TSharedPtr<IPropertyHandle> Row = FPropertyHandles::FromPath({&Asset}, "LegBones[2].TargetBone");
	int32 Edit = 0;
	for (auto _ : State)
	{
		Row->SetValueFromFormattedString(Edit++ % 2 ? "thigh_l" : "calf_l");
		if (FTransactionBuffer::Get().GetUndoCount() >= FTransactionBuffer::MaxTransactions)
		{
			FTransactionBuffer::Get().Reset();
		}
	}
}
BENCHMARK(EditOneRowWithUndo);

static void WriteAssetJson(benchmark::State& State)
{
	UBenchRemapAsset Asset;
	for (auto _ : State)
	{
		benchmark::DoNotOptimize(FAssetFile::ToJson(Asset));
	}
}
BENCHMARK(WriteAssetJson);

static void ReadAssetJson(benchmark::State& State)
{
	const FString Text = FAssetFile::ToJson(UBenchRemapAsset());
	for (auto _ : State)
	{
		UPackage Outer;
		benchmark::DoNotOptimize(FAssetFile::LoadFromString(Text, "bench.json", &Outer, "Asset"));
	}
}
BENCHMARK(ReadAssetJson);

BENCHMARK_MAIN();
