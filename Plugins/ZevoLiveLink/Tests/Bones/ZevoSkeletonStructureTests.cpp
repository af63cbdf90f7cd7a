#include "Bones/ZevoSkeletonStructure.h"

#include <gtest/gtest.h>

namespace
{
// A chain of bones, each the child of the one before.
FZevoRigTree Chain(const TArray<FString>& Names)
{
	TArray<int32> Parents;
	for (int32 Bone = 0; Bone < Names.Num(); ++Bone)
	{
		Parents.Add(Bone - 1);
	}
	return FZevoRigTree::FromBones(Names, Parents, {});
}

struct FBone
{
	const char* Name;
	const char* Parent;
};

FZevoRigTree Tree(const TArray<FBone>& Bones)
{
	TArray<FString> Names;
	TArray<int32> Parents;
	for (const FBone& Bone : Bones)
	{
		Parents.Add(Bone.Parent ? Names.IndexOfByKey(FString(Bone.Parent)) : INDEX_NONE);
		Names.Add(Bone.Name);
	}
	return FZevoRigTree::FromBones(Names, Parents, {});
}

FString RowName(const FZevoRigTree& Rig, const FZevoRowReading& Reading, EZevoBoneName Bone)
{
	const int32 Row = Reading.Get(Bone);
	return Row >= 0 ? Rig.Names[Row] : (Row == INDEX_NONE ? FString(TEXT("-")) : FString(TEXT("?")));
}

// The rows of a whole body, as "Row=Bone" for the rows asked.
FString Rows(const FZevoRigTree& Rig, std::initializer_list<EZevoBoneName> Bones)
{
	FZevoRowReading Reading;
	FZevoSkeletonStructure::ReadBody(Rig, Reading);
	TArray<FString> Parts;
	for (const EZevoBoneName Bone : Bones)
	{
		Parts.Add(FZevoBoneNameUtils::EnumToFName(Bone).ToString() + TEXT("=") + RowName(Rig, Reading, Bone));
	}
	return FString::Join(Parts, TEXT(" "));
}

constexpr int32 None = INDEX_NONE;
}

// Each case is a limb chain from its root: the rows it gives, by position in the chain.
TEST(ZevoSkeletonStructure, AJointWordMeansItsPlaceInTheLimb)
{
	const struct
	{
		TArray<FString> Chain;
		EZevoLimb Limb;
		bool bEndsAtHand;
		TArray<int32> Rows;
	} Cases[] = {
		{{"LeftShoulder", "LeftArm", "LeftForeArm", "LeftHand"}, EZevoLimb::Arm, true, {0, 1, 2, 3}},
		// No collar: the shoulder joint is the upper arm, and the collar row stays empty.
		{{"ShoulderLeft", "ElbowLeft", "WristLeft"}, EZevoLimb::Arm, true, {None, 0, 1, 2}},
		// A hand under the wrist is the hand's end, not the hand.
		{{"L_Collar", "L_Shoulder", "L_Elbow", "L_Wrist", "L_Hand"}, EZevoLimb::Arm, false, {0, 1, 2, 3}},
		{{"左肩P", "左肩", "左肩C", "左腕", "左腕捩", "左ひじ", "左手捩", "左手首"}, EZevoLimb::Arm, true, {1, 3, 5, 7}},
		{{"l_shoulder", "l_upperarm", "l_forearm", "l_hand"}, EZevoLimb::Arm, true, {0, 1, 2, 3}},
		{{"lCollar", "lShldrBend", "lShldrTwist", "lForearmBend", "lForearmTwist", "lHand"}, EZevoLimb::Arm, true, {0, 1, 3, 5}},
		{{"Scapula_L", "Shoulder_L", "ShoulderPart1_L", "Elbow_L", "Wrist_L"}, EZevoLimb::Arm, true, {0, 1, 3, 4}},
		// Bones without words fill the rows nearest the hand, without a gap.
		{{"a", "b", "c"}, EZevoLimb::Arm, true, {None, 0, 1, 2}},
		// A foot under the ankle is the ball of the foot; a toe beyond it is the toe's end.
		{{"L_Hip", "L_Knee", "L_Ankle", "L_Foot"}, EZevoLimb::Leg, false, {0, 1, 2, 3}},
		{{"mHipLeft", "mKneeLeft", "mAnkleLeft", "mFootLeft", "mToeLeft"}, EZevoLimb::Leg, false, {0, 1, 2, 3}},
		{{"LHipJoint", "LeftUpLeg", "LeftLeg", "LeftFoot", "LeftToeBase"}, EZevoLimb::Leg, false, {1, 2, 3, 4}},
		{{"thigh.L", "thigh.L.001", "shin.L", "shin.L.001", "foot.L", "toe.L"}, EZevoLimb::Leg, false, {0, 2, 4, 5}},
		{{"lThighBend", "lThighTwist", "lShin", "lFoot", "lMetatarsals", "lToe"}, EZevoLimb::Leg, false, {0, 2, 3, 5}},
		{{"RightUpLeg", "RightLeg", "RightFoot"}, EZevoLimb::Leg, false, {0, 1, 2, None}},
		{{"左足", "左ひざ", "左足首", "左つま先"}, EZevoLimb::Leg, false, {0, 1, 2, 3}},
		{{"HipLeft", "KneeLeft", "AnkleLeft", "FootLeft"}, EZevoLimb::Leg, false, {0, 1, 2, 3}},
	};
	for (const auto& Case : Cases)
	{
		const FZevoRigTree Rig = Chain(Case.Chain);
		TArray<int32> Bones;
		for (int32 Bone = 0; Bone < Rig.Num(); ++Bone)
		{
			Bones.Add(Bone);
		}
		const TArray<int32> Rows = FZevoSkeletonStructure::AssignLimbRows(Rig, Bones, Case.Limb, Case.bEndsAtHand);
		EXPECT_EQ(std::vector<int32>(Rows.begin(), Rows.end()), std::vector<int32>(Case.Rows.begin(), Case.Rows.end())) << *Case.Chain[0];
	}
}

TEST(ZevoSkeletonStructure, HipsAreTheHipsNamedBoneWhereTheSpineAndLegsMeet)
{
	using enum EZevoBoneName;
	// A hip above a pelvis that carries only the legs: the hip is where all three meet.
	EXPECT_STREQ(*Rows(Tree({{"hip", nullptr}, {"pelvis", "hip"}, {"lThigh", "pelvis"}, {"lShin", "lThigh"}, {"lFoot", "lShin"},
						  {"rThigh", "pelvis"}, {"rShin", "rThigh"}, {"rFoot", "rShin"}, {"abdomen", "hip"}, {"chest", "abdomen"},
						  {"lCollar", "chest"}, {"lHand", "lCollar"}, {"rCollar", "chest"}, {"rHand", "rCollar"}, {"head", "chest"}}),
					 {Hips, Chest, Chest1, LeftHip}),
		"Hips=hip Chest=abdomen Chest1=chest LeftHip=lThigh");
	// Thighs under the first spine bone: the hips-named bone just above the meeting.
	EXPECT_STREQ(*Rows(Tree({{"Bip Pelvis", nullptr}, {"Bip Spine", "Bip Pelvis"}, {"Bip L Thigh", "Bip Spine"}, {"Bip L Foot", "Bip L Thigh"},
						  {"Bip R Thigh", "Bip Spine"}, {"Bip R Foot", "Bip R Thigh"}, {"Bip Spine1", "Bip Spine"}, {"Bip Neck", "Bip Spine1"},
						  {"Bip L Clavicle", "Bip Neck"}, {"Bip L Hand", "Bip L Clavicle"}, {"Bip R Clavicle", "Bip Neck"},
						  {"Bip R Hand", "Bip R Clavicle"}, {"Bip Head", "Bip Neck"}}),
					 {Hips, Chest, Chest1, Chest2, Neck, Neck1}),
		"Hips=Bip Pelvis Chest=Bip Spine Chest1=Bip Spine1 Chest2=- Neck=Bip Neck Neck1=Bip Head");
	// The lower body beside the upper body: the hips are the lower body, the spine starts above it.
	EXPECT_STREQ(*Rows(Tree({{"センター", nullptr}, {"下半身", "センター"}, {"左足", "下半身"}, {"左足首", "左足"}, {"右足", "下半身"},
						  {"右足首", "右足"}, {"上半身", "センター"}, {"上半身2", "上半身"}, {"首", "上半身2"}, {"頭", "首"},
						  {"左肩", "上半身2"}, {"左手首", "左肩"}, {"右肩", "上半身2"}, {"右手首", "右肩"}}),
					 {Hips, Chest, Chest1, Chest2, Neck, Neck1}),
		"Hips=下半身 Chest=上半身 Chest1=上半身2 Chest2=- Neck=首 Neck1=頭");
	// No hips word anywhere: the meeting bone itself.
	EXPECT_STREQ(*Rows(Tree({{"Base", nullptr}, {"HipLeft", "Base"}, {"AnkleLeft", "HipLeft"}, {"HipRight", "Base"}, {"AnkleRight", "HipRight"},
						  {"Mid", "Base"}, {"Top", "Mid"}, {"ShoulderLeft", "Top"}, {"WristLeft", "ShoulderLeft"}, {"ShoulderRight", "Top"},
						  {"WristRight", "ShoulderRight"}, {"Neck", "Top"}, {"Head", "Neck"}}),
					 {Hips, Chest, Chest1, Chest2, Neck, Neck1, LeftCollar, LeftShoulder}),
		"Hips=Base Chest=Mid Chest1=Top Chest2=- Neck=Neck Neck1=Head LeftCollar=- LeftShoulder=ShoulderLeft");
}

TEST(ZevoSkeletonStructure, CountsTheLowestThreeSpineBonesAndTheFirstNeckBone)
{
	using enum EZevoBoneName;
	const auto Body = [](std::initializer_list<FBone> Spine, const char* Hub, std::initializer_list<FBone> Neck) {
		TArray<FBone> Bones{{"Hips", nullptr}, {"LeftUpLeg", "Hips"}, {"LeftFoot", "LeftUpLeg"}, {"RightUpLeg", "Hips"}, {"RightFoot", "RightUpLeg"}};
		Bones.Append(TArray<FBone>(Spine));
		Bones.Append(TArray<FBone>{{"LeftShoulder", Hub}, {"LeftHand", "LeftShoulder"}, {"RightShoulder", Hub}, {"RightHand", "RightShoulder"}});
		Bones.Append(TArray<FBone>(Neck));
		return Tree(Bones);
	};
	EXPECT_STREQ(*Rows(Body({{"L5", "Hips"}, {"L3", "L5"}, {"T12", "L3"}, {"T8", "T12"}}, "T8", {{"Neck", "T8"}, {"Head", "Neck"}}),
					 {Chest, Chest1, Chest2, Neck, Neck1}),
		"Chest=L5 Chest1=L3 Chest2=T12 Neck=Neck Neck1=Head");
	// Two neck bones: the first is the neck, whatever the second is called.
	EXPECT_STREQ(*Rows(Body({{"LowerBack", "Hips"}, {"Spine", "LowerBack"}}, "Spine", {{"Neck", "Spine"}, {"Neck1", "Neck"}, {"Head", "Neck1"}}),
					 {Chest, Chest1, Chest2, Neck, Neck1}),
		"Chest=LowerBack Chest1=Spine Chest2=- Neck=Neck Neck1=Head");
	// No head word: the head is where the centre chain ends; the neck is the bone before it.
	EXPECT_STREQ(*Rows(Body({{"spine.001", "Hips"}}, "spine.001", {{"spine.002", "spine.001"}, {"spine.003", "spine.002"}, {"spine.004", "spine.003"}}),
					 {Chest, Chest1, Neck, Neck1}),
		"Chest=spine.001 Chest1=- Neck=spine.002 Neck1=spine.004");
	// The arms hang straight from the hips: no spine rows at all.
	EXPECT_STREQ(*Rows(Body({}, "Hips", {{"Head", "Hips"}}), {Chest, Chest1, Chest2, Neck, Neck1}), "Chest=- Chest1=- Chest2=- Neck=- Neck1=Head");
}

TEST(ZevoSkeletonStructure, LeavesWhatItCannotReadUnread)
{
	using enum EZevoBoneName;
	// Only a body: no hands or feet to hang the reading on.
	EXPECT_STREQ(*Rows(Tree({{"Hips", nullptr}, {"Spine", "Hips"}, {"Head", "Spine"}}), {Hips, Chest, Neck1, LeftHip, LeftWrist}),
		"Hips=? Chest=? Neck1=? LeftHip=? LeftWrist=?");
	// Legs but no arms: the legs are read, the rest is not.
	EXPECT_STREQ(*Rows(Tree({{"Hips", nullptr}, {"LeftUpLeg", "Hips"}, {"LeftFoot", "LeftUpLeg"}, {"RightUpLeg", "Hips"}, {"RightFoot", "RightUpLeg"}}),
					 {Hips, LeftHip, LeftAnkle, LeftToe, LeftWrist}),
		"Hips=? LeftHip=LeftUpLeg LeftAnkle=LeftFoot LeftToe=- LeftWrist=?");
	// Helpers and IK bones are never a hand or a foot, even with the words.
	EXPECT_STREQ(*Rows(Tree({{"root", nullptr}, {"ik_foot_l", "root"}, {"ik_foot_r", "root"}, {"ik_hand_l", "root"}, {"ik_hand_r", "root"}}),
					 {Hips, LeftAnkle, LeftWrist}),
		"Hips=? LeftAnkle=? LeftWrist=?");
}

TEST(ZevoSkeletonStructure, ToesNamedLikeFingersAreNoFingers)
{
	using enum EZevoBoneName;
	// Toe chains called "MidToe" or "IndexToe" must not pull the hand down to the hips.
	EXPECT_STREQ(*Rows(Tree({{"Hip", nullptr}, {"Spine", "Hip"}, {"Head", "Spine"}, {"L_Thigh", "Hip"}, {"L_Foot", "L_Thigh"}, {"L_ToeBase", "L_Foot"},
						  {"L_MidToe1", "L_ToeBase"}, {"L_IndexToe1", "L_ToeBase"}, {"R_Thigh", "Hip"}, {"R_Foot", "R_Thigh"},
						  {"L_Upperarm", "Spine"}, {"L_Hand", "L_Upperarm"}, {"L_Index1", "L_Hand"}, {"L_Mid1", "L_Hand"},
						  {"R_Upperarm", "Spine"}, {"R_Hand", "R_Upperarm"}, {"R_Index1", "R_Hand"}}),
					 {Hips, Chest, LeftToe, LeftShoulder, LeftWrist, RightWrist}),
		"Hips=Hip Chest=Spine LeftToe=L_ToeBase LeftShoulder=L_Upperarm LeftWrist=L_Hand RightWrist=R_Hand");
}
