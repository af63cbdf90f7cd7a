// The script structs of the Live Link data types, each made once, in this library.
#include "Roles/LiveLinkAnimationTypes.h"
#include "Roles/LiveLinkTransformTypes.h"

namespace
{
/** The script struct of a data type T of the kind BaseType (static or frame data), made once. */
template <typename BaseType, typename T>
UScriptStruct* MakeLiveLinkScriptStruct(const char* Name)
{
	// Default-initialised: every member of these structures has its own initialiser, and zeroing
	// the whole object first would cost a decoder as much as allocating it.
	static TLiveLinkScriptStruct<BaseType> Struct(Name, GetValueOps<T>(),
		[] { return std::shared_ptr<BaseType>(std::make_shared_for_overwrite<T>()); });
	return &Struct;
}
}

UScriptStruct* FLiveLinkSkeletonStaticData::StaticStruct()
{
	return MakeLiveLinkScriptStruct<FLiveLinkBaseStaticData, FLiveLinkSkeletonStaticData>("LiveLinkSkeletonStaticData");
}

UScriptStruct* FLiveLinkAnimationFrameData::StaticStruct()
{
	return MakeLiveLinkScriptStruct<FLiveLinkBaseFrameData, FLiveLinkAnimationFrameData>("LiveLinkAnimationFrameData");
}

UScriptStruct* FLiveLinkTransformStaticData::StaticStruct()
{
	return MakeLiveLinkScriptStruct<FLiveLinkBaseStaticData, FLiveLinkTransformStaticData>("LiveLinkTransformStaticData");
}

UScriptStruct* FLiveLinkTransformFrameData::StaticStruct()
{
	return MakeLiveLinkScriptStruct<FLiveLinkBaseFrameData, FLiveLinkTransformFrameData>("LiveLinkTransformFrameData");
}
