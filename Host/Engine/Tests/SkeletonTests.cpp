#include "Animation/Skeleton.h"
#include "Logging/LogCapture.h"
#include "UObject/UnrealType.h"

#include <gtest/gtest.h>

#include <limits>
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

namespace
{
// What the asset loader does: every reflected property written as text and read back into a
// fresh skeleton, then PostLoad.
std::unique_ptr<USkeleton> CopyThroughReflection(const USkeleton& Source)
{
	auto Copy = std::make_unique<USkeleton>();
	for (const FProperty* Property : USkeleton::StaticClass()->GetProperties())
	{
		const FString Text = Property->ExportValueAsText(Property->ContainerPtrToValuePtr(&Source));
		EXPECT_TRUE(Property->ImportValueFromText(Text, Property->ContainerPtrToValuePtr(Copy.get()))) << *Property->GetName();
	}
	Copy->PostLoad();
	return Copy;
}

FProperty* SkeletonProperty(const char* Name)
{
	return USkeleton::StaticClass()->FindPropertyByName(FName(Name));
}
}

TEST(Skeleton, BonesPosesAndPreviewVerticesSurviveTheReflectedForm)
{
	USkeleton Source;
	BuildLeg(Source.GetMutableReferenceSkeleton());
	Source.SetPreviewMeshVertices({FVector(1, 2, 0), FVector(-4, 5, 170.25)});

	const std::unique_ptr<USkeleton> Copy = CopyThroughReflection(Source);
	const FReferenceSkeleton& RefSkeleton = Copy->GetReferenceSkeleton();
	ASSERT_EQ(RefSkeleton.GetNum(), 4);
	EXPECT_EQ(RefSkeleton.FindBoneIndex(FName("calf_l")), 3);
	EXPECT_EQ(RefSkeleton.GetRefBoneInfo(), Source.GetReferenceSkeleton().GetRefBoneInfo());
	for (int32 Index = 0; Index < 4; ++Index)
	{
		EXPECT_TRUE(RefSkeleton.GetRefBonePose()[Index].Equals(Source.GetReferenceSkeleton().GetRefBonePose()[Index], 1e-9));
	}
	ASSERT_NE(Copy->GetPreviewMesh(), nullptr);
	EXPECT_EQ(Copy->GetPreviewMesh()->GetVertexPositions(), Source.GetPreviewMesh()->GetVertexPositions());
	EXPECT_EQ(Copy->GetPreviewMesh()->GetSkeleton(), Copy.get());
}

TEST(Skeleton, LoadKeepsTheBonesBeforeTheFirstBadOneAndSaysWhy)
{
	struct FCase
	{
		const char* Property;
		const char* Text;
		int32 BonesKept;
	};
	const FCase Cases[] = {
		{"RefBoneInfo", "((Name=\"root\",ParentIndex=-1),(Name=\"pelvis\",ParentIndex=3),(Name=\"thigh_l\",ParentIndex=1))", 1},
		{"RefBoneInfo", "((Name=\"root\",ParentIndex=-1),(Name=\"ROOT\",ParentIndex=0),(Name=\"thigh_l\",ParentIndex=1))", 1},
		{"RefBoneInfo", "((Name=\"root\",ParentIndex=-1),(Name=\"pelvis\",ParentIndex=0))", 2},
		{"RefBonePose", "((Rotation=(X=0,Y=0,Z=0,W=1)),(Rotation=(X=0,Y=0,Z=0,W=0)),(),())", 1},
	};
	for (const FCase& Case : Cases)
	{
		USkeleton Source;
		BuildLeg(Source.GetMutableReferenceSkeleton());
		Source.SetPreviewMeshVertices({FVector(1, 2, 3)});
		USkeleton Broken;
		for (const FProperty* Property : USkeleton::StaticClass()->GetProperties())
		{
			Property->CopyValue(Property->ContainerPtrToValuePtr(&Broken), Property->ContainerPtrToValuePtr(&Source));
		}
		ASSERT_TRUE(SkeletonProperty(Case.Property)->ImportValueFromText(Case.Text, SkeletonProperty(Case.Property)->ContainerPtrToValuePtr(&Broken)))
			<< Case.Text;
		FLogCapture Log;
		Broken.PostLoad();
		EXPECT_EQ(Broken.GetReferenceSkeleton().GetNum(), Case.BonesKept) << Case.Text;
		EXPECT_EQ(Broken.GetReferenceSkeleton().GetRefBonePose().Num(), Case.BonesKept) << Case.Text;
		EXPECT_NE(Broken.GetPreviewMesh(), nullptr) << Case.Text;
		EXPECT_GE(Log.CountContaining("Skeleton ", ELogVerbosity::Error), 1) << Case.Text;
	}

	// Text never carries a vertex that is not a number, but a loaded array is checked all the same.
	USkeleton Broken;
	BuildLeg(Broken.GetMutableReferenceSkeleton());
	static_cast<TArray<FVector>*>(SkeletonProperty("PreviewMeshVertices")->ContainerPtrToValuePtr(&Broken))
		->Add(FVector(0, std::numeric_limits<double>::quiet_NaN(), 0));
	FLogCapture Log;
	Broken.PostLoad();
	EXPECT_EQ(Broken.GetPreviewMesh(), nullptr);
	EXPECT_EQ(Broken.GetReferenceSkeleton().GetNum(), 4);
	EXPECT_EQ(Log.CountContaining("the preview mesh has a vertex that is not a number", ELogVerbosity::Error), 1);
}
