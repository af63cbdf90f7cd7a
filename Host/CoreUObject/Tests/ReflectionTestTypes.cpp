#include "ReflectionTestTypes.h"

ZEVO_IMPLEMENT_ENUM(ETestShape, ZEVO_ENUM_META(), ZEVO_ENUM_ENTRY(ETestShape, Cube), ZEVO_ENUM_ENTRY(ETestShape, Sphere),
	ZEVO_ENUM_ENTRY(ETestShape, Capsule))

ZEVO_REFLECT_STRUCT(FTestRow)
{
	Builder.MetaData({{"BlueprintType", "true"}});
	ZEVO_PROPERTY(Shape, UP::VisibleAnywhere, {"DisplayName", "Shape (Stream)"});
	ZEVO_PROPERTY(Target, UP::EditAnywhere);
	ZEVO_PROPERTY(Label, UP::EditAnywhere | UP::Transient);
}

ZEVO_IMPLEMENT_CLASS(UTestReferenced, CLASS_None)

ZEVO_REFLECT_CLASS(UTestBase, CLASS_None)
{
	ZEVO_PROPERTY(BaseCount, UP::EditAnywhere);
}

ZEVO_REFLECT_CLASS(UTestEverything, CLASS_EditInlineNew)
{
	Builder.MetaData({{"BlueprintType", "true"}, {"ToolTip", "Every kind of property"}});
	ZEVO_PROPERTY(bFlag, UP::EditAnywhere | UP::BlueprintReadWrite, {"Category", "Switches"}, {"ToolTip", "A switch"});
	ZEVO_PROPERTY(Count, UP::EditAnywhere, {"ClampMin", "1"}, {"ClampMax", "65535"});
	ZEVO_PROPERTY(Byte, UP::EditAnywhere);
	ZEVO_PROPERTY(Offset, UP::EditAnywhere | UP::BlueprintReadWrite, {"DisplayName", "Ground Offset (cm)"}, {"ClampMin", "-100.0"},
		{"ClampMax", "100.0"}, {"UIMin", "-100.0"}, {"UIMax", "100.0"});
	ZEVO_PROPERTY(Precise, UP::EditDefaultsOnly);
	ZEVO_PROPERTY(Bone, UP::EditAnywhere, {"GetOptions", "GetBoneNames"});
	ZEVO_PROPERTY(Text, UP::VisibleAnywhere | UP::BlueprintReadOnly);
	ZEVO_PROPERTY(Shape, UP::EditAnywhere);
	ZEVO_PROPERTY(Reference, UP::EditAnywhere);
	ZEVO_PROPERTY(Position, UP::EditAnywhere, {"EditCondition", "bFlag"});
	ZEVO_PROPERTY(Pose, UP::EditAnywhere);
	ZEVO_PROPERTY(Tint, UP::EditAnywhere);
	ZEVO_PROPERTY(Names, UP::EditAnywhere);
	ZEVO_PROPERTY(Rows, UP::EditAnywhere, {"TitleProperty", "Target"}, {"ShowOnlyInnerProperties", ""});
	ZEVO_PROPERTY(Points, UP::EditAnywhere);
	ZEVO_PROPERTY(CachedValue, UP::Transient);
	ZEVO_PROPERTY(Secret, UP::Private);
}
