#pragma once
// Subjects and a scripted source for the client's tests and the take writer's.
#include "ILiveLinkClient.h"
#include "Roles/LiveLinkAnimationTypes.h"
#include "Roles/LiveLinkTransformTypes.h"

#include <atomic>

/** A source that remembers what the client called and answers shutdown requests as told. */
class FScriptedSource : public ILiveLinkSource
{
public:
	void ReceiveClient(ILiveLinkClient* InClient, FGuid InSourceGuid) override
	{
		Client = InClient;
		SourceGuid = InSourceGuid;
	}
	bool IsSourceStillValid() const override { return true; }
	bool RequestSourceShutdown() override
	{
		++ShutdownRequests;
		return ShutdownRequests > RefusedShutdownRequests;
	}
	FText GetSourceType() const override { return FText::FromString("Scripted"); }
	FText GetSourceMachineName() const override { return FText::FromString("test-machine"); }
	FText GetSourceStatus() const override { return FText::FromString("Fine"); }

	ILiveLinkClient* Client = nullptr;
	FGuid SourceGuid;
	std::atomic<int32> ShutdownRequests{0};
	int32 RefusedShutdownRequests = 0;
};

/** A skeleton of BoneCount bones in a chain, with the given property names. */
inline FLiveLinkStaticDataStruct MakeSkeleton(int32 BoneCount, TArray<FName> Properties = {})
{
	FLiveLinkStaticDataStruct Data;
	FLiveLinkSkeletonStaticData& Skeleton = Data.InitializeWith<FLiveLinkSkeletonStaticData>();
	for (int32 Bone = 0; Bone < BoneCount; ++Bone)
	{
		Skeleton.BoneNames.Add(FName(*FString::Printf("Bone%d", Bone)));
		Skeleton.BoneParents.Add(Bone - 1);
	}
	Skeleton.PropertyNames = MoveTemp(Properties);
	return Data;
}

inline FLiveLinkStaticDataStruct MakeTransformStatic()
{
	FLiveLinkStaticDataStruct Data;
	Data.InitializeWith<FLiveLinkTransformStaticData>();
	return Data;
}

/** An animation frame whose bones all sit at (X, 0, 0). */
inline FLiveLinkFrameDataStruct MakeAnimationFrame(int32 BoneCount, double X, TArray<float> Values = {})
{
	FLiveLinkFrameDataStruct Data;
	FLiveLinkAnimationFrameData& Frame = Data.InitializeWith<FLiveLinkAnimationFrameData>();
	Frame.Transforms.Init(FTransform(FVector(X, 0.0, 0.0)), BoneCount);
	Frame.PropertyValues = MoveTemp(Values);
	return Data;
}

inline FLiveLinkFrameDataStruct MakeTransformFrame(const FTransform& Transform)
{
	FLiveLinkFrameDataStruct Data;
	Data.InitializeWith<FLiveLinkTransformFrameData>().Transform = Transform;
	return Data;
}
