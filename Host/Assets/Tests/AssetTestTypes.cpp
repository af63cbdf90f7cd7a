#include "AssetTestTypes.h"

ZEVO_IMPLEMENT_ENUM(EAssetTestSide, ZEVO_ENUM_META(), ZEVO_ENUM_ENTRY(EAssetTestSide, Left), ZEVO_ENUM_ENTRY(EAssetTestSide, Right))

ZEVO_REFLECT_STRUCT(FAssetTestRow)
{
	ZEVO_PROPERTY(Side, UP::VisibleAnywhere);
	ZEVO_PROPERTY(Target, UP::EditAnywhere);
	ZEVO_PROPERTY(Offset, UP::EditAnywhere);
}

ZEVO_REFLECT_CLASS(UAssetTestSkeleton, CLASS_None)
{
	ZEVO_PROPERTY(Label, UP::EditAnywhere);
	ZEVO_PROPERTY(Partner, UP::EditAnywhere);
}

ZEVO_REFLECT_CLASS(UAssetTestAsset, CLASS_None)
{
	ZEVO_PROPERTY(Skeleton, UP::EditAnywhere);
	ZEVO_PROPERTY(GroundOffset, UP::EditAnywhere, {"ClampMin", "-100.0"}, {"ClampMax", "100.0"});
	ZEVO_PROPERTY(bUseCorrection, UP::EditAnywhere);
	ZEVO_PROPERTY(Count, UP::EditAnywhere);
	ZEVO_PROPERTY(Level, UP::EditAnywhere);
	ZEVO_PROPERTY(Weight, UP::EditAnywhere);
	ZEVO_PROPERTY(Status, UP::VisibleAnywhere);
	ZEVO_PROPERTY(RootName, UP::Private);
	ZEVO_PROPERTY(Side, UP::EditAnywhere);
	ZEVO_PROPERTY(Pose, UP::EditAnywhere);
	ZEVO_PROPERTY(Tint, UP::EditAnywhere);
	ZEVO_PROPERTY(Rows, UP::EditAnywhere);
	ZEVO_PROPERTY(Samples, UP::EditAnywhere);
	ZEVO_PROPERTY(Cache, UP::Transient);
}
