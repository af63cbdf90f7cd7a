#include "Animation/Skeleton.h"
#include "Logging/LogCapture.h"

#include <gtest/gtest.h>

#include <numbers>

namespace
{
// root -> pelvis -> thigh_l -> calf_l, with the root turned a quarter about Z.
void BuildLeg(FReferenceSkeleton& RefSkeleton)
{
	FReferenceSkeletonModifier Modifier(RefSkeleton);
	ASSERT_TRUE(Modifier.Add(FMeshBoneInfo(FName("root"), INDEX_NONE),
		FTransform(FQuat(FVector(0, 0, 1), std::numbers::pi / 2), FVector::ZeroVector)));
	ASSERT_TRUE(Modifier.Add(FMeshBoneInfo(FName("pelvis"), 0), FTransform(FVector(0, 0, 95))));
	ASSERT_TRUE(Modifier.Add(FMeshBoneInfo(FName("thigh_l"), 1), FTransform(FVector(10, 0, -5))));
	ASSERT_TRUE(Modifier.Add(FMeshBoneInfo(FName("calf_l"), 2), FTransform(FVector(0, 0, -45))));
}
}

TEST(ReferenceSkeleton, AnswersBoneQueriesByIndexAndName)
{
	FReferenceSkeleton RefSkeleton;
	BuildLeg(RefSkeleton);

	EXPECT_EQ(RefSkeleton.GetNum(), 4);
	EXPECT_EQ(RefSkeleton.GetRawBoneNum(), 4);
	EXPECT_EQ(RefSkeleton.GetBoneName(2), FName("thigh_l"));
	EXPECT_EQ(RefSkeleton.GetParentIndex(0), INDEX_NONE);
	EXPECT_EQ(RefSkeleton.GetParentIndex(3), 2);
	EXPECT_EQ(RefSkeleton.FindBoneIndex(FName("CALF_L")), 3);
	EXPECT_EQ(RefSkeleton.FindBoneIndex(FName("foot_l")), INDEX_NONE);
	EXPECT_EQ(RefSkeleton.FindBoneIndex(NAME_None), INDEX_NONE);
	EXPECT_EQ(RefSkeleton.GetBoneName(4), NAME_None);
	EXPECT_EQ(RefSkeleton.GetBoneName(-1), NAME_None);
	EXPECT_EQ(RefSkeleton.GetParentIndex(17), INDEX_NONE);
	EXPECT_EQ(RefSkeleton.GetRefBoneInfo()[1], FMeshBoneInfo(FName("pelvis"), 0));
	EXPECT_EQ(RefSkeleton.GetRawRefBoneInfo().Num(), RefSkeleton.GetRefBoneInfo().Num());
	EXPECT_TRUE(RefSkeleton.GetRefBonePose()[3].GetTranslation().Equals(FVector(0, 0, -45)));
	EXPECT_TRUE(RefSkeleton.GetRawRefBonePose()[2].GetTranslation().Equals(FVector(10, 0, -5)));
}

TEST(ReferenceSkeleton, ComponentSpaceAppliesParentRotationToChildOffsets)
{
	FReferenceSkeleton RefSkeleton;
	BuildLeg(RefSkeleton);

	// The root's quarter turn about Z carries the thigh's +X offset onto +Y.
	EXPECT_TRUE(RefSkeleton.GetComponentSpaceTransform(3).GetTranslation().Equals(FVector(0, 10, 45), 1e-9));
	EXPECT_TRUE(RefSkeleton.GetComponentSpaceTransform(INDEX_NONE).Equals(FTransform::Identity));
}

TEST(ReferenceSkeleton, ModifierRefusesBonesThatWouldBreakTheHierarchy)
{
	struct FCase
	{
		const char* Name;
		int32 ParentIndex;
	};
	const FCase Cases[] = {
		{"", INDEX_NONE},        // no name
		{"PELVIS", 0},           // name taken (names compare without case)
		{"spine_01", 4},         // parent is not an earlier bone
		{"spine_01", -2},        // parent index below INDEX_NONE
	};
	for (const FCase& Case : Cases)
	{
		FReferenceSkeleton RefSkeleton;
		BuildLeg(RefSkeleton);
		FLogCapture Log;
		EXPECT_FALSE(FReferenceSkeletonModifier(RefSkeleton).Add(FMeshBoneInfo(FName(Case.Name), Case.ParentIndex), FTransform()))
			<< Case.Name << " " << Case.ParentIndex;
		EXPECT_EQ(Log.CountContaining("Reference skeleton:", ELogVerbosity::Error), 1) << Case.Name;
		EXPECT_EQ(RefSkeleton.GetNum(), 4);
		EXPECT_EQ(RefSkeleton.GetRefBonePose().Num(), 4);
	}
}

TEST(Skeleton, PreviewMeshVerticesAreReadThroughTheRenderData)
{
	USkeleton Skeleton;
	EXPECT_EQ(Skeleton.GetPreviewMesh(), nullptr);

	auto Mesh = std::make_unique<USkeletalMesh>();
	EXPECT_EQ(Mesh->GetResourceForRendering(), nullptr);
	Mesh->SetVertexPositions({FVector(1, 2, 3), FVector(-4, 5, -0.5)});
	Skeleton.SetPreviewMesh(std::move(Mesh));

	USkeletalMesh* Preview = Skeleton.GetPreviewMesh();
	ASSERT_NE(Preview, nullptr);
	EXPECT_EQ(Preview->GetSkeleton(), &Skeleton);
	const FSkeletalMeshRenderData* RenderData = Preview->GetResourceForRendering();
	ASSERT_NE(RenderData, nullptr);
	const FPositionVertexBuffer& Positions = RenderData->LODRenderData[0].StaticVertexBuffers.PositionVertexBuffer;
	ASSERT_EQ(Positions.GetNumVertices(), 2u);
	EXPECT_EQ(Positions.VertexPosition(1), FVector(-4, 5, -0.5));

	Preview->SetVertexPositions({});
	EXPECT_EQ(Preview->GetResourceForRendering(), nullptr);
	EXPECT_TRUE(Preview->GetVertexPositions().IsEmpty());
}
