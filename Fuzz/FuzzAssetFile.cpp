// Asset files come from disk and from other people's projects: the reader must turn any bytes into
// error lines, never a crash or an out-of-bounds read. The class below has one property of every
// kind, so that inputs naming it reach every reader.
#include "AssetFile.h"
#include "UObject/ObjectMacros.h"

#include <cstddef>
#include <cstdint>

enum class EFuzzSide : uint8
{
	Left,
	Right,
};
ZEVO_DECLARE_ENUM(EFuzzSide)
ZEVO_IMPLEMENT_ENUM(EFuzzSide, ZEVO_ENUM_META(), ZEVO_ENUM_ENTRY(EFuzzSide, Left), ZEVO_ENUM_ENTRY(EFuzzSide, Right))

struct FFuzzRow
{
	EFuzzSide Side = EFuzzSide::Left;
	FName Target;
	FTransform Pose;
};
ZEVO_DECLARE_STRUCT(FFuzzRow)

class UFuzzAsset : public UObject
{
	ZEVO_CLASS(UFuzzAsset, UObject)
public:
	UFuzzAsset* Other = nullptr;
	bool bFlag = false;
	int32 Count = 0;
	uint8 Byte = 0;
	float Offset = 0.f;
	double Weight = 0.0;
	FString Text;
	FName Name;
	EFuzzSide Side = EFuzzSide::Left;
	FVector Position;
	FLinearColor Tint;
	TArray<FFuzzRow> Rows;
	TArray<TArray<FName>> Nested;
};

ZEVO_REFLECT_STRUCT(FFuzzRow)
{
	ZEVO_PROPERTY(Side, UP::EditAnywhere);
	ZEVO_PROPERTY(Target, UP::EditAnywhere);
	ZEVO_PROPERTY(Pose, UP::EditAnywhere);
}

ZEVO_REFLECT_CLASS(UFuzzAsset, CLASS_None)
{
	ZEVO_PROPERTY(Other, UP::EditAnywhere);
	ZEVO_PROPERTY(bFlag, UP::EditAnywhere);
	ZEVO_PROPERTY(Count, UP::EditAnywhere);
	ZEVO_PROPERTY(Byte, UP::EditAnywhere);
	ZEVO_PROPERTY(Offset, UP::EditAnywhere);
	ZEVO_PROPERTY(Weight, UP::EditAnywhere);
	ZEVO_PROPERTY(Text, UP::EditAnywhere);
	ZEVO_PROPERTY(Name, UP::EditAnywhere);
	ZEVO_PROPERTY(Side, UP::EditAnywhere);
	ZEVO_PROPERTY(Position, UP::EditAnywhere);
	ZEVO_PROPERTY(Tint, UP::EditAnywhere);
	ZEVO_PROPERTY(Rows, UP::EditAnywhere);
	ZEVO_PROPERTY(Nested, UP::EditAnywhere);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
	static const bool bQuiet = (FLogDispatcher::SetConsoleEnabled(false), true);
	(void)bQuiet;
	UPackage Outer;
	if (UObject* Object = FAssetFile::LoadFromString(FString(reinterpret_cast<const char*>(Data), static_cast<int32>(Size)), "fuzz.json", &Outer, "Asset"))
	{
		// What was read must write out again.
		FAssetFile::ToJson(*Object);
	}
	return 0;
}
