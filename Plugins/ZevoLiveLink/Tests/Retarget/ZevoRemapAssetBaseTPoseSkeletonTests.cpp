// The plugin's default T-pose reference skeleton is content generated from the test body: run the
// tests with ZEVO_WRITE_CONTENT=1 to write it again after changing the body.
#include "AssetFile.h"
#include "UObject/UObjectGlobals.h"
#include "ZevoTestRigs.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace
{
const char* const TPosePath = "/ZevoLiveLink/Zevo_TPose_Skeleton.Zevo_TPose_Skeleton";

void WriteContent()
{
	UPackage* Package = CreatePackage("/ZevoLiveLink/Zevo_TPose_Skeleton");
	USkeleton* Skeleton = NewObject<USkeleton>(Package, USkeleton::StaticClass(), "Zevo_TPose_Skeleton");
	ASSERT_NE(Skeleton, nullptr);
	ZevoTestRigs::FillSkeleton(*Skeleton, ZevoTestRigs::StreamBodyTPose());
	ASSERT_TRUE(FAssetFile::SaveObject(*Skeleton));
}
}

TEST(ZevoRemapAssetBaseTPoseSkeleton, IsTheStreamBodyStandingInATPose)
{
	if (std::getenv("ZEVO_WRITE_CONTENT"))
	{
		WriteContent();
	}
	const USkeleton* Skeleton = LoadObject<USkeleton>(nullptr, TPosePath);
	ASSERT_NE(Skeleton, nullptr);
	const FReferenceSkeleton& Loaded = Skeleton->GetReferenceSkeleton();
	const auto Expected = ZevoTestRigs::MakeSkeleton(ZevoTestRigs::StreamBodyTPose(), "Expected");
	const FReferenceSkeleton& Body = Expected->GetReferenceSkeleton();
	ASSERT_EQ(Loaded.GetNum(), 52);
	for (const EZevoBoneName Bone : FZevoBoneNameUtils::GetAllBoneEnums())
	{
		const FName Name = FZevoBoneNameUtils::EnumToFName(Bone);
		const int32 Index = Loaded.FindBoneIndex(Name);
		ASSERT_NE(Index, INDEX_NONE) << *Name.ToString();
		EXPECT_TRUE(Loaded.GetComponentSpaceTransform(Index).Equals(Body.GetComponentSpaceTransform(Body.FindBoneIndex(Name)), 1e-9));
		EXPECT_TRUE(Loaded.GetRefBonePose()[Index].GetRotation().Equals(FQuat::Identity, 1e-12));
	}
	ASSERT_NE(Skeleton->GetPreviewMesh(), nullptr);
	double Sole = UE_MAX_FLT;
	for (const FVector& Vertex : Skeleton->GetPreviewMesh()->GetVertexPositions())
	{
		Sole = FMath::Min(Sole, Vertex.Z);
	}
	EXPECT_EQ(Sole, 0.0);
}
