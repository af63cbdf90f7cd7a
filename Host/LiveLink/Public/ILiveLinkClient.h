#pragma once
// The host's Live Link, standing in for the engine's LiveLinkInterface and LiveLinkAnimationCore
// modules and for the client of its Live Link plugin. It provides, under the engine's names:
// ILiveLinkClient (this header), ILiveLinkSource, ULiveLinkSourceFactory, ULiveLinkSourceSettings;
// FLiveLinkSubjectKey, FLiveLinkSubjectFrameData, FLiveLinkStaticDataStruct and
// FLiveLinkFrameDataStruct (LiveLinkTypes.h); the roles ULiveLinkAnimationRole and
// ULiveLinkTransformRole with their static and frame data (Roles/); ULiveLinkRetargetAsset and
// ULiveLinkRemapAsset (LiveLinkRemapAsset.h); FLiveLinkClient, the client that stores subjects.
// Known differences: the data structs are filled with InitializeWith(the type's StaticStruct())
// alone, taking no initial data; the client has an observer hook the engine's has not
// (LiveLinkClientObserver.h, host only), through which the programs record takes; subjects are
// evaluated at their latest frame (there is no time-synchronised buffering).
//
// ILiveLinkClient: the engine's store of Live Link sources and subjects. Pushes and removals may
// come from any thread. Found as the modular feature named ModularFeatureName.
#include "Features/IModularFeature.h"
#include "ILiveLinkSource.h"
#include "LiveLinkTypes.h"
#include "Roles/LiveLinkRole.h"

class ILiveLinkClient : public IModularFeature
{
public:
	static inline const FName ModularFeatureName{"ModularFeature_LiveLink"};

	virtual ~ILiveLinkClient() = default;

	/** Takes the source, calls its ReceiveClient and returns its GUID; an all-zero GUID means refused. */
	virtual FGuid AddSource(TSharedPtr<ILiveLinkSource> Source) = 0;
	/** Calls RequestSourceShutdown, forgets the source's subjects and deletes the source. */
	virtual void RemoveSource(FGuid SourceGuid) = 0;
	virtual TArray<FGuid> GetSources() const = 0;
	virtual FText GetSourceType(FGuid SourceGuid) const = 0;
	virtual FText GetSourceMachineName(FGuid SourceGuid) const = 0;
	virtual FText GetSourceStatus(FGuid SourceGuid) const = 0;

	virtual void PushSubjectStaticData_AnyThread(const FLiveLinkSubjectKey& SubjectKey, TSubclassOf<ULiveLinkRole> Role,
		FLiveLinkStaticDataStruct&& StaticData) = 0;
	virtual void PushSubjectFrameData_AnyThread(const FLiveLinkSubjectKey& SubjectKey, FLiveLinkFrameDataStruct&& FrameData) = 0;
	virtual void RemoveSubject_AnyThread(const FLiveLinkSubjectKey& SubjectKey) = 0;

	virtual TArray<FLiveLinkSubjectKey> GetSubjects(bool bIncludeDisabledSubject, bool bIncludeVirtualSubject) const = 0;
	virtual TSubclassOf<ULiveLinkRole> GetSubjectRole_AnyThread(const FLiveLinkSubjectKey& SubjectKey) const = 0;
	/** The latest frame of the subject of that name, if it has data and its role is (a child of) Role. */
	virtual bool EvaluateFrame_AnyThread(FName SubjectName, TSubclassOf<ULiveLinkRole> Role, FLiveLinkSubjectFrameData& OutFrame) = 0;
};
