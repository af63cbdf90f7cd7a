#pragma once
// FZevoRetargetTableBuilder: compiles the retarget table (ZevoRetargetTable.h) from the mapping
// rows, the subject's skeleton, the pose's bone container and the T-pose deltas. All name lookups
// of the pose build happen here, once per edit, instead of on every frame.
#include "Roles/LiveLinkAnimationTypes.h"
#include "Templates/Function.h"
#include "ZevoBoneMapping.h"
#include "ZevoRetargetTable.h"

class FZevoRetargetTableBuilder
{
public:
	/**
	 * Rows: the asset's rows in GetAllBones order (a later row for the same stream bone wins).
	 * RemapUnmapped: the target name of a stream bone that no row maps.
	 */
	static FZevoRetargetTable Build(const TArray<FZevoBoneMappingRow>& Rows, const FLiveLinkSkeletonStaticData& Subject,
		const FBoneContainer& BoneContainer, const TMap<FName, FQuat>& TPoseDeltas, const TFunction<FName(FName)>& RemapUnmapped);
};
