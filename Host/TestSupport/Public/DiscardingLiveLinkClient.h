#pragma once
// A Live Link client that takes every push and keeps nothing: for fuzzing and measuring a
// source without a store growing behind it. OnFrame, when set, sees each frame first.
#include "ILiveLinkClient.h"

class FDiscardingLiveLinkClient : public ILiveLinkClient
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

	FGuid AddSource(TSharedPtr<ILiveLinkSource>) override { return FGuid(); }
	void RemoveSource(FGuid) override {}
	TArray<FGuid> GetSources() const override { return {}; }
	FText GetSourceType(FGuid) const override { return FText(); }
	FText GetSourceMachineName(FGuid) const override { return FText(); }
	FText GetSourceStatus(FGuid) const override { return FText(); }
	TArray<FLiveLinkSubjectKey> GetSubjects(bool, bool) const override { return {}; }
	TSubclassOf<ULiveLinkRole> GetSubjectRole_AnyThread(const FLiveLinkSubjectKey&) const override { return nullptr; }
	bool EvaluateFrame_AnyThread(FName, TSubclassOf<ULiveLinkRole>, FLiveLinkSubjectFrameData&) override { return false; }
};
