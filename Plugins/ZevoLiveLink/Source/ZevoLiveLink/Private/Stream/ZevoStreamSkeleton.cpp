// The static data that announces a subject to the client before its first frame.
#include "Roles/LiveLinkAnimationTypes.h"
#include "Roles/LiveLinkRole.h"
#include "Roles/LiveLinkTransformTypes.h"
#include "ZevoLiveLinkSource.h"
#include "ZevoStreamSkeleton.h"

void ZevoLiveLinkSource::InitStaticData(int32 BoneCount, FName SubjectName)
{
	FLiveLinkStaticDataStruct StaticData;
	StaticData.InitializeWith(FLiveLinkSkeletonStaticData::StaticStruct());
	FLiveLinkSkeletonStaticData& Skeleton = *StaticData.Cast<FLiveLinkSkeletonStaticData>();

	// Only the stream skeleton's 52 bones exist: a larger count would have no names or parents.
	const int32 Count = FMath::Clamp(BoneCount, 0, ZevoStreamBoneCount);
	Skeleton.BoneNames.SetNum(Count);
	Skeleton.BoneParents.SetNum(Count);
	Skeleton.PropertyNames.SetNum(ZevoCharacterPropertyCount);
	for (int32 Index = 0; Index < ZevoCharacterPropertyCount; ++Index)
	{
		Skeleton.PropertyNames[Index] = FName(ZevoCharacterPropertyNames[Index]);
	}
	for (int32 Index = 0; Index < Count; ++Index)
	{
		Skeleton.BoneNames[Index] = FName(StreamBoneNames[Index]);
		Skeleton.BoneParents[Index] = ZevoStreamBoneParents[Index];
	}

	if (ILiveLinkClient* CurrentClient = Client.load())
	{
		CurrentClient->PushSubjectStaticData_AnyThread(FLiveLinkSubjectKey(SourceGuid, SubjectName), ULiveLinkAnimationRole::StaticClass(),
			MoveTemp(StaticData));
	}
}

void ZevoLiveLinkSource::InitPropStaticData(FName SubjectName, int32 PropType)
{
	FLiveLinkStaticDataStruct StaticData;
	StaticData.InitializeWith(FLiveLinkTransformStaticData::StaticStruct());
	FLiveLinkTransformStaticData& Transform = *StaticData.Cast<FLiveLinkTransformStaticData>();
	Transform.PropertyNames = {FName(ZevoPropPropertyName)};

	if (ILiveLinkClient* CurrentClient = Client.load())
	{
		CurrentClient->PushSubjectStaticData_AnyThread(FLiveLinkSubjectKey(SourceGuid, SubjectName), ULiveLinkTransformRole::StaticClass(),
			MoveTemp(StaticData));
	}
}

FLiveLinkSkeletonStaticData MakeZevoCharacterStaticData()
{
	FLiveLinkSkeletonStaticData Data;
	for (int32 Bone = 0; Bone < ZevoStreamBoneCount; ++Bone)
	{
		Data.BoneNames.Add(FName(ZevoStreamBoneNames[Bone]));
		Data.BoneParents.Add(ZevoStreamBoneParents[Bone]);
	}
	for (const TCHAR* Property : ZevoCharacterPropertyNames)
	{
		Data.PropertyNames.Add(FName(Property));
	}
	return Data;
}
