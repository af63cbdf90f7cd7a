#pragma once
// ILiveLinkClientObserver: sees every push and removal that the host's Live Link client accepts,
// so that a program can keep a record of a run (the editor's takes) without the client knowing
// what the record is.
// Knowingly different from the engine: its client has no such hook (a recorder there is a Live
// Link feature of its own); this one stands in for it so that recording stays the program's.
#include "LiveLinkTypes.h"
#include "Roles/LiveLinkRole.h"

class ILiveLinkClientObserver
{
public:
	virtual ~ILiveLinkClientObserver() = default;

	// Called with the client's lock held, on whichever thread pushed: an observer only takes note
	// (the data may be shared, never modified) and never calls back into the client.
	virtual void OnStaticDataPushed(const FLiveLinkSubjectKey& SubjectKey, TSubclassOf<ULiveLinkRole> Role,
		const FLiveLinkStaticDataStruct& StaticData) = 0;
	virtual void OnFrameDataPushed(const FLiveLinkSubjectKey& SubjectKey, const FLiveLinkFrameDataStruct& FrameData) = 0;
	virtual void OnSubjectRemoved(const FLiveLinkSubjectKey& SubjectKey) = 0;
};
