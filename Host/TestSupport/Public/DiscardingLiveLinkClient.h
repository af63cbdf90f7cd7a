#pragma once
// A Live Link client that takes every push and keeps nothing: for fuzzing and measuring a
// source without a store growing behind it. OnFrame, when set, sees each frame first.
#include "SourceOnlyLiveLinkClient.h"

class FDiscardingLiveLinkClient : public FSourceOnlyLiveLinkClient
{
public:
	TFunction<void(const FLiveLinkFrameDataStruct&)> OnFrame;

	void PushSubjectStaticData_AnyThread(const FLiveLinkSubjectKey&, TSubclassOf<ULiveLinkRole>, FLiveLinkStaticDataStruct&&) override {}
	void PushSubjectFrameData_AnyThread(const FLiveLinkSubjectKey&, FLiveLinkFrameDataStruct&& Frame) override
	{
		if (OnFrame)
		{
			OnFrame(Frame);
		}
	}
	void RemoveSubject_AnyThread(const FLiveLinkSubjectKey&) override {}
};
