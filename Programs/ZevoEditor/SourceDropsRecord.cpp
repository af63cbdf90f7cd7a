#include "SourceDropsRecord.h"

#include "ZevoLiveLinkSourceDrops.h"

void FSourceDropsRecord::Record(const FLiveLinkClient& Client, FTakeWriter& Take)
{
	for (const FGuid& Source : Client.GetSources())
	{
		FZevoSourceDropCounts Drops;
		if (!ZevoGetSourceDropCounts(Source, Drops) || Drops.Total() == RecordedTotals.FindRef(Source))
		{
			continue;
		}
		TArray<TPair<FString, int64>> Counts;
		for (int32 Kind = 0; Kind < static_cast<int32>(EZevoDropKind::Count); ++Kind)
		{
			if (Drops.Counts[Kind] != 0)
			{
				Counts.Emplace(FString(FZevoSourceDropCounts::GetKindLabel(static_cast<EZevoDropKind>(Kind))), Drops.Counts[Kind]);
			}
		}
		Take.RecordSourceDrops(Source, Counts);
		RecordedTotals.Add(Source, Drops.Total());
	}
}
