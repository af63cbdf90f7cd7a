#pragma once
// Skeletons built in code for the retargeting tests: the stream's body in a T-pose (bones named by
// the stream identifiers, engine space: centimetres, Z up, facing +Y, the body's left toward +X, as the stream's
// T-pose arrives in engine space), the same body in an A-pose, copies with other bone names or
// other bone axes, and a preview mesh of boxes that each bone carries.
#include "Animation/Skeleton.h"
#include "ZevoBoneMapping.h"

#include <memory>

class FCompactPose;

struct FZevoTestBone
{
	FName Name;
	FName Parent;
	FVector Translation;
	FQuat Rotation = FQuat::Identity;
};

namespace ZevoTestRigs
{
/** The 52 stream bones in a T-pose with adult proportions; the soles at Z = 0. */
TArray<FZevoTestBone> StreamBodyTPose();
/**
 * The same body with both arms lowered by 45 degrees at the shoulders and the legs spread by 10
 * degrees at the hips, the feet flat and the soles still at Z = 0.
 */
TArray<FZevoTestBone> StreamBodyAPose();
/**
 * The same joints where every bone's axes follow the bone, as exported rigs have them: X toward
 * its first child, rolled a quarter turn; a bone without children takes its parent's axes.
 */
TArray<FZevoTestBone> WithBoneAxesAlongBones(const TArray<FZevoTestBone>& Bones);
/** Renames every bone through Rename (stream identifier to the rig's name); unnamed bones keep theirs. */
TArray<FZevoTestBone> Renamed(const TArray<FZevoTestBone>& Bones, const TMap<FName, FName>& Rename);
/**
 * Hangs bones from other parents (bone to new parent), each kept where it stood in the
 * component, with Inserted bones placed in the component; parents listed first.
 * The bones must carry no rotation, as the T-posed body's do.
 */
TArray<FZevoTestBone> Rehung(const TArray<FZevoTestBone>& Bones, const TMap<FName, FName>& NewParents, const TArray<FZevoTestBone>& Inserted = {});
/** Gives Skeleton the bones and a preview mesh of boxes around them reaching down to the soles. */
void FillSkeleton(USkeleton& Skeleton, const TArray<FZevoTestBone>& Bones);
/** The lowest point of FillSkeleton's preview mesh when the skeleton takes Pose, each box carried by its bone. */
double LowestPreviewMeshPoint(const USkeleton& Skeleton, const FCompactPose& Pose);
/** A skeleton asset of the bones (FillSkeleton), outside any package. */
std::unique_ptr<USkeleton> MakeSkeleton(const TArray<FZevoTestBone>& Bones, FName Name);
/** Rows mapping every stream bone onto the bone of the same name, as an asset's GetAllBones gives them. */
TArray<FZevoBoneMappingRow> IdentityMapping();
/** The same mapping as stream identifier to target name. */
TMap<FName, FName> IdentityTargets();
}
