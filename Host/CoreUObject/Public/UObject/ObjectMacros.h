#pragma once
// The engine's reflection macros, and the blocks they are turned into.
//
// A header declares reflected types as the engine's do:
//
//   UCLASS(Abstract, BlueprintType, EditInlineNew)
//   class UZevoRemapAssetBase : public ULiveLinkRemapAsset
//   {
//       GENERATED_BODY()
//   public:
//       UPROPERTY(EditAnywhere, Category = "Live Link", meta = (DisplayName = "Ground Offset (cm)", ClampMin = "-100.0"))
//       float GroundOffset = 0.f;
//   };
//
// and includes its "<File>.generated.h" last. UCLASS, USTRUCT, UENUM, UPROPERTY, UFUNCTION and
// UMETA expand to nothing: the header tool (Host/HeaderTool) reads them before the module
// compiles, writes the body GENERATED_BODY() expands to (found by the header's CURRENT_FILE_ID and
// the line the macro stands on) into the generated header, and the blocks below into the
// module's generated source:
//
//   ZEVO_REFLECT_CLASS(UZevoRemapAssetBase, CLASS_Abstract | CLASS_EditInlineNew)
//   {
//       Builder.MetaData({{"BlueprintType", "true"}});
//       ZEVO_PROPERTY(GroundOffset, UP::EditAnywhere, {"Category", "Live Link"}, {"DisplayName", "Ground Offset (cm)"});
//   }
//
//   ZEVO_REFLECT_STRUCT(FZevoBoneMappingRow) { ZEVO_PROPERTY(SourceBone, UP::VisibleAnywhere); ... }
//
// The host's own classes may still write these blocks by hand: such a class's body says
// ZEVO_CLASS, which also lets the block reach private members, and a structure's header says
// ZEVO_DECLARE_STRUCT(FName) after the structure.
// Reflected types live in the global namespace, as the engine's do (the blocks are global functions).
#include "UObject/UnrealType.h"

#include <cstddef>
#include <initializer_list>
#include <utility>

namespace ZevoReflection
{
using FMetaDataPairs = std::initializer_list<std::pair<const char*, const char*>>;

/** Adds metadata to a property while its owner is declared. */
class FPropertyBuilder
{
public:
	explicit FPropertyBuilder(FProperty& InProperty) : Property(InProperty) {}
	FPropertyBuilder& MetaData(FMetaDataPairs Pairs)
	{
		for (const auto& [Key, Value] : Pairs)
		{
			Property.SetMetaData(Key, Value);
		}
		return *this;
	}

private:
	FProperty& Property;
};

template <typename InOwnerType>
class TTypeBuilder
{
public:
	using OwnerType = InOwnerType;

	explicit TTypeBuilder(UStruct& InType) : Type(InType) {}

	TTypeBuilder& MetaData(FMetaDataPairs Pairs)
	{
		for (const auto& [Key, Value] : Pairs)
		{
			Type.SetMetaData(Key, Value);
		}
		return *this;
	}

	template <typename ValueType>
	FPropertyBuilder Property(const char* Name, SIZE_T Offset, uint64 Flags, FMetaDataPairs Pairs = {})
	{
		FPropertyBuilder Builder(Type.AddProperty(MakeProperty<ValueType>(Name, static_cast<int32>(Offset), Flags)));
		Builder.MetaData(Pairs);
		return Builder;
	}

	template <typename ValueType>
	FPropertyBuilder ObjectProperty(const char* Name, SIZE_T Offset, uint64 Flags, const char* ClassName, FMetaDataPairs Pairs = {})
	{
		FPropertyBuilder Builder(Type.AddProperty(MakeObjectProperty<ValueType>(Name, static_cast<int32>(Offset), Flags, ClassName)));
		Builder.MetaData(Pairs);
		return Builder;
	}

private:
	UStruct& Type;
};
}

/** Declares one member, with its specifiers (UP::...) and metadata pairs {"Key", "Value"}. */
#define ZEVO_PROPERTY(Member, Flags, ...) \
	Builder.template Property<decltype(std::remove_reference_t<decltype(Builder)>::OwnerType::Member)>( \
		#Member, offsetof(std::remove_reference_t<decltype(Builder)>::OwnerType, Member), (Flags), {__VA_ARGS__})

/**
 * As ZEVO_PROPERTY, for a member pointing to objects of ClassName (or an array of such pointers),
 * a class the block needs only to name: it is found by its reflected name when first used.
 */
#define ZEVO_OBJECT_PROPERTY(Member, ClassName, Flags, ...) \
	Builder.template ObjectProperty<decltype(std::remove_reference_t<decltype(Builder)>::OwnerType::Member)>(#Member, \
		offsetof(std::remove_reference_t<decltype(Builder)>::OwnerType, Member), (Flags), ZEVO_REFLECTED_NAME(ClassName), {__VA_ARGS__})

/** Defines ThisClassName::StaticClass and opens the block that declares its reflection. */
#define ZEVO_REFLECT_CLASS(ThisClassName, Flags) \
	void ZevoDeclareReflection(ZevoReflection::TTypeBuilder<ThisClassName>& Builder); \
	ZEVO_REGISTER_CLASS_ON_LOAD(ThisClassName) \
	UClass* ThisClassName::StaticClass() \
	{ \
		static UClass* const Class = [] { \
			static UClass Instance(ZEVO_REFLECTED_NAME(ThisClassName), ThisClassName::Super::StaticClass(), \
				&ZevoReflection::MakeInstance<ThisClassName>, \
				(Flags) | (std::is_abstract_v<ThisClassName> ? CLASS_Abstract : CLASS_None)); \
			ZevoReflection::TTypeBuilder<ThisClassName> Builder(Instance); \
			ZevoDeclareReflection(Builder); \
			return &Instance; \
		}(); \
		return Class; \
	} \
	void ZevoDeclareReflection(ZevoReflection::TTypeBuilder<ThisClassName>& Builder)

/** Defines TBaseStructure<StructName>::Get and opens the block that declares its reflection. */
#define ZEVO_REFLECT_STRUCT(StructName) \
	void ZevoDeclareReflection(ZevoReflection::TTypeBuilder<StructName>& Builder); \
	template <> \
	UScriptStruct* TBaseStructure<StructName>::Get() \
	{ \
		static UScriptStruct* const Struct = [] { \
			static UScriptStruct Instance(ZEVO_REFLECTED_NAME(StructName), GetValueOps<StructName>()); \
			ZevoReflection::TTypeBuilder<StructName> Builder(Instance); \
			ZevoDeclareReflection(Builder); \
			return &Instance; \
		}(); \
		return Struct; \
	} \
	void ZevoDeclareReflection(ZevoReflection::TTypeBuilder<StructName>& Builder)

#define UCLASS(...)
#define USTRUCT(...)
#define UENUM(...)
#define UPROPERTY(...)
#define UFUNCTION(...)
#define UMETA(...)

#define BODY_MACRO_COMBINE_INNER(A, B, C, D) A##B##C##D
#define BODY_MACRO_COMBINE(A, B, C, D) BODY_MACRO_COMBINE_INNER(A, B, C, D)
#define GENERATED_BODY(...) BODY_MACRO_COMBINE(CURRENT_FILE_ID, _, __LINE__, _GENERATED_BODY)
