#pragma once
// The part of a Live Link client that a source never calls, left empty: test clients that only
// watch what a source pushes derive from this and implement the three pushes.
#include "ILiveLinkClient.h"

class FSourceOnlyLiveLinkClient : public ILiveLinkClient
{
public:
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
