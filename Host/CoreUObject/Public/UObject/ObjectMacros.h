#pragma once
// Declaring a class's or structure's reflection beside it, in declaration order:
//
//   ZEVO_REFLECT_CLASS(UZevoRemapAssetBase, CLASS_EditInlineNew)
//   {
//       Builder.MetaData({{"BlueprintType", "true"}, {"IsBlueprintBase", "true"}});
//       ZEVO_PROPERTY(GroundOffset, UP::EditAnywhere | UP::BlueprintReadWrite,
//           {"Category", "Live Link"}, {"DisplayName", "Ground Offset (cm)"}, {"ClampMin", "-100.0"});
//   }
//
//   ZEVO_REFLECT_STRUCT(FZevoBoneMappingRow) { ZEVO_PROPERTY(SourceBone, UP::VisibleAnywhere); ... }
//
// ZEVO_REFLECT_CLASS replaces ZEVO_IMPLEMENT_CLASS for a class that has reflected properties or
// class metadata; the class body still says ZEVO_CLASS, which also lets the block reach private
// members. A structure's header says ZEVO_DECLARE_STRUCT(FName) after the structure.
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

private:
	UStruct& Type;
};
}

/** Declares one member, with its specifiers (UP::...) and metadata pairs {"Key", "Value"}. */
#define ZEVO_PROPERTY(Member, Flags, ...) \
	Builder.template Property<decltype(std::remove_reference_t<decltype(Builder)>::OwnerType::Member)>( \
		#Member, offsetof(std::remove_reference_t<decltype(Builder)>::OwnerType, Member), (Flags), {__VA_ARGS__})

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
