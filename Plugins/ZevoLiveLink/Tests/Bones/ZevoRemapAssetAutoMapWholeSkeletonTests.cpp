// Automatic mapping that reads the whole skeleton before choosing: each way a rig's names or
// shape defeat matching bone by bone, on the smallest skeleton that shows it.
#include "Logging/LogCapture.h"
#include "ZevoRemapAssetEdits.h"
#include "ZevoTestRigs.h"

#include <gtest/gtest.h>

namespace
{
// "{S}", "{s}", "{Side}" and "{J}" in a name stand for the side (L, l, Left, 左 or R, r, Right, 右).
FString Sided(const FString& Pattern, bool bLeft)
{
	return Pattern.Replace(TEXT("{Side}"), bLeft ? TEXT("Left") : TEXT("Right"), ESearchCase::CaseSensitive)
		.Replace(TEXT("{S}"), bLeft ? TEXT("L") : TEXT("R"), ESearchCase::CaseSensitive)
		.Replace(TEXT("{s}"), bLeft ? TEXT("l") : TEXT("r"), ESearchCase::CaseSensitive)
		.Replace(TEXT("{J}"), bLeft ? TEXT("左") : TEXT("右"), ESearchCase::CaseSensitive);
}

// A skeleton from "Name<Parent" lines (no parent for the root); a sided line is added for both sides.
std::unique_ptr<USkeleton> Skeleton(std::initializer_list<const char*> Lines)
{
	TArray<FZevoTestBone> Bones;
	for (const char* Line : Lines)
	{
		const FString Text(Line);
		const bool bSided = Text.Contains(TEXT("{"));
		for (const bool bLeft : {true, false})
		{
			const FString Both = Sided(Text, bLeft);
			FString Name = Both;
			FString Parent;
			Both.Split(TEXT("<"), &Name, &Parent);
			Bones.Add({FName(Name), Parent.IsEmpty() ? NAME_None : FName(Parent), FVector(bLeft ? 1 : -1, 0, 1)});
			if (!bSided)
			{
				break;
			}
		}
	}
	return ZevoTestRigs::MakeSkeleton(Bones, "Case");
}

// "Row=Bone" for each row asked, "-" where the row stays empty.
FString MappedRows(const USkeleton& Target, std::initializer_list<const char*> Rows)
{
	UZevoRemapAsset Asset;
	Asset.TargetSkeleton = const_cast<USkeleton*>(&Target);
	Asset.AutoMapFromTargetSkeleton();
	const TMap<FName, FName> Targets = ZevoRemapAssetEdits::Targets(Asset);
	TArray<FString> Parts;
	for (const char* Row : Rows)
	{
		const FName Bone = Targets.FindRef(FName(Row));
		Parts.Add(FString(Row) + TEXT("=") + (Bone.IsNone() ? FString(TEXT("-")) : Bone.ToString()));
	}
	return FString::Join(Parts, TEXT(" "));
}
}

TEST(ZevoRemapAssetAutoMapWholeSkeleton, DropsWhatEveryBoneOfTheRigCarries)
{
	FLogCapture Quiet;
	// A prefix with a blank, and thighs that hang from the first spine bone.
	EXPECT_STREQ(*MappedRows(*Skeleton({"Bip001", "Bip001 Pelvis<Bip001", "Bip001 Spine<Bip001 Pelvis", "Bip001 Neck<Bip001 Spine",
										   "Bip001 Head<Bip001 Neck", "Bip001 {S} Thigh<Bip001 Spine", "Bip001 {S} Calf<Bip001 {S} Thigh",
										   "Bip001 {S} Foot<Bip001 {S} Calf", "Bip001 {S} Toe0<Bip001 {S} Foot", "Bip001 {S} Clavicle<Bip001 Neck",
										   "Bip001 {S} UpperArm<Bip001 {S} Clavicle", "Bip001 {S} Forearm<Bip001 {S} UpperArm",
										   "Bip001 {S} Hand<Bip001 {S} Forearm"}),
					 {"Hips", "Chest", "Neck", "Neck1", "LeftHip", "LeftToe", "RightCollar", "RightWrist"}),
		"Hips=Bip001 Pelvis Chest=Bip001 Spine Neck=Bip001 Neck Neck1=Bip001 Head LeftHip=Bip001 L Thigh LeftToe=Bip001 L Toe0 "
		"RightCollar=Bip001 R Clavicle RightWrist=Bip001 R Hand");
	// A namespace and a node index on every bone.
	EXPECT_STREQ(*MappedRows(*Skeleton({"rig:Hips_016", "rig:Spine_017<rig:Hips_016", "rig:Head_018<rig:Spine_017",
										   "rig:LeftUpLeg_020<rig:Hips_016", "rig:RightUpLeg_021<rig:Hips_016", "rig:LeftFoot_022<rig:LeftUpLeg_020",
										   "rig:RightFoot_023<rig:RightUpLeg_021", "rig:LeftArm_024<rig:Spine_017", "rig:RightArm_025<rig:Spine_017",
										   "rig:LeftHand_026<rig:LeftArm_024", "rig:RightHand_027<rig:RightArm_025"}),
					 {"Hips", "Chest", "Neck1", "LeftHip", "RightAnkle", "LeftShoulder", "LeftWrist"}),
		"Hips=rig:Hips_016 Chest=rig:Spine_017 Neck1=rig:Head_018 LeftHip=rig:LeftUpLeg_020 RightAnkle=rig:RightFoot_023 "
		"LeftShoulder=rig:LeftArm_024 LeftWrist=rig:LeftHand_026");
	// A glued lower-case prefix and centre markers.
	EXPECT_STREQ(*MappedRows(*Skeleton({"mPelvis", "mTorso<mPelvis", "mHead<mTorso", "mHip{Side}<mPelvis", "mAnkle{Side}<mHip{Side}",
										   "mShoulder{Side}<mTorso", "mWrist{Side}<mShoulder{Side}"}),
					 {"Hips", "Chest", "LeftHip", "LeftAnkle", "LeftShoulder", "RightWrist"}),
		"Hips=mPelvis Chest=mTorso LeftHip=mHipLeft LeftAnkle=mAnkleLeft LeftShoulder=mShoulderLeft RightWrist=mWristRight");
}

TEST(ZevoRemapAssetAutoMapWholeSkeleton, ReadsTheSideWrittenAfterTheWordAndJointWordsByTheirPlace)
{
	FLogCapture Quiet;
	// Joint names with the side last: the foot under the ankle is the ball of the foot, the
	// shoulder with no collar above it the upper arm, and the collar row stays empty.
	EXPECT_STREQ(*MappedRows(*Skeleton({"SpineBase", "SpineMid<SpineBase", "SpineShoulder<SpineMid", "Neck<SpineShoulder", "Head<Neck",
										   "Hip{Side}<SpineBase", "Knee{Side}<Hip{Side}", "Ankle{Side}<Knee{Side}", "Foot{Side}<Ankle{Side}",
										   "Shoulder{Side}<SpineShoulder", "Elbow{Side}<Shoulder{Side}", "Wrist{Side}<Elbow{Side}",
										   "Hand{Side}<Wrist{Side}", "HandTip{Side}<Hand{Side}", "Thumb{Side}<Wrist{Side}"}),
					 {"Hips", "Chest", "Chest1", "Chest2", "LeftAnkle", "LeftToe", "LeftCollar", "LeftShoulder", "LeftWrist", "LeftFinger0",
						 "LeftFinger01"}),
		"Hips=SpineBase Chest=SpineMid Chest1=SpineShoulder Chest2=- LeftAnkle=AnkleLeft LeftToe=FootLeft LeftCollar=- "
		"LeftShoulder=ShoulderLeft LeftWrist=WristLeft LeftFinger0=ThumbLeft LeftFinger01=-");
	// The side after a dot, twist segments inside the limb, the collar called shoulder.
	EXPECT_STREQ(*MappedRows(*Skeleton({"spine", "spine.001<spine", "spine.002<spine.001", "spine.003<spine.002", "thigh.{S}<spine",
										   "thigh.{S}.001<thigh.{S}", "shin.{S}<thigh.{S}.001", "foot.{S}<shin.{S}", "toe.{S}<foot.{S}",
										   "shoulder.{S}<spine.001", "upper_arm.{S}<shoulder.{S}", "forearm.{S}<upper_arm.{S}", "hand.{S}<forearm.{S}"}),
					 {"Hips", "Chest", "Neck", "Neck1", "LeftHip", "LeftKnee", "LeftCollar", "LeftShoulder", "LeftElbow"}),
		"Hips=spine Chest=spine.001 Neck=spine.002 Neck1=spine.003 LeftHip=thigh.L LeftKnee=shin.L LeftCollar=shoulder.L "
		"LeftShoulder=upper_arm.L LeftElbow=forearm.L");
}

TEST(ZevoRemapAssetAutoMapWholeSkeleton, CountsTheTorsoFromTheHipsToTheBoneThatCarriesTheArms)
{
	FLogCapture Quiet;
	// A hip above a pelvis, four torso bones, two neck bones, bend bones with twists below them.
	EXPECT_STREQ(*MappedRows(*Skeleton({"hip", "pelvis<hip", "abdomenLower<hip", "abdomenUpper<abdomenLower", "chestLower<abdomenUpper",
										   "chestUpper<chestLower", "neckLower<chestUpper", "neckUpper<neckLower", "head<neckUpper",
										   "{s}ThighBend<pelvis", "{s}ThighTwist<{s}ThighBend", "{s}Shin<{s}ThighTwist", "{s}Foot<{s}Shin",
										   "{s}Collar<chestUpper", "{s}ShldrBend<{s}Collar", "{s}ShldrTwist<{s}ShldrBend", "{s}ForearmBend<{s}ShldrTwist",
										   "{s}ForearmTwist<{s}ForearmBend", "{s}Hand<{s}ForearmTwist"}),
					 {"Hips", "Chest", "Chest1", "Chest2", "Neck", "Neck1", "LeftHip", "LeftKnee", "LeftShoulder", "LeftElbow"}),
		"Hips=hip Chest=abdomenLower Chest1=abdomenUpper Chest2=chestLower Neck=neckLower Neck1=head LeftHip=lThighBend "
		"LeftKnee=lShin LeftShoulder=lShldrBend LeftElbow=lForearmBend");
	// Vertebra codes; a digit on a body bone is no segment.
	EXPECT_STREQ(*MappedRows(*Skeleton({"Pelvis", "L5<Pelvis", "L3<L5", "T12<L3", "T8<T12", "Neck<T8", "Neck1<Neck", "Head<Neck1",
										   "{Side}UpperLeg<Pelvis", "{Side}LowerLeg<{Side}UpperLeg", "{Side}Foot<{Side}LowerLeg", "{Side}Toe0<{Side}Foot",
										   "{Side}Shoulder<T8", "{Side}UpperArm<{Side}Shoulder", "{Side}ForeArm<{Side}UpperArm", "{Side}Hand<{Side}ForeArm"}),
					 {"Chest", "Chest1", "Chest2", "Neck", "Neck1", "LeftToe", "LeftCollar", "LeftShoulder"}),
		"Chest=L5 Chest1=L3 Chest2=T12 Neck=Neck Neck1=Head LeftToe=LeftToe0 LeftCollar=LeftShoulder LeftShoulder=LeftUpperArm");
}

TEST(ZevoRemapAssetAutoMapWholeSkeleton, ReadsFingersByChainAndLeavesMissingSegmentsEmpty)
{
	FLogCapture Quiet;
	// Fingers numbered 1 (thumb) to 5 with metacarpals, a finger of two segments and tips.
	EXPECT_STREQ(*MappedRows(*Skeleton({"root", "spine<root", "head<spine", "thigh.{S}<root", "foot.{S}<thigh.{S}", "clavicle.{S}<spine",
										   "upperarm.{S}<clavicle.{S}", "lowerarm.{S}<upperarm.{S}", "wrist.{S}<lowerarm.{S}",
										   "finger1-1.{S}<wrist.{S}", "finger1-2.{S}<finger1-1.{S}", "finger1-3.{S}<finger1-2.{S}",
										   "metacarpal1.{S}<wrist.{S}", "finger2-1.{S}<metacarpal1.{S}", "finger2-2.{S}<finger2-1.{S}",
										   "finger2-end.{S}<finger2-2.{S}", "metacarpal4.{S}<wrist.{S}", "finger5-1.{S}<metacarpal4.{S}",
										   "finger5-2.{S}<finger5-1.{S}", "finger5-3.{S}<finger5-2.{S}"}),
					 {"LeftWrist", "LeftFinger0", "LeftFinger02", "LeftFinger1", "LeftFinger11", "LeftFinger12", "LeftFinger2", "LeftFinger4",
						 "RightFinger42"}),
		"LeftWrist=wrist.L LeftFinger0=finger1-1.L LeftFinger02=finger1-3.L LeftFinger1=finger2-1.L LeftFinger11=finger2-2.L "
		"LeftFinger12=- LeftFinger2=- LeftFinger4=finger5-1.L RightFinger42=finger5-3.R");
}

TEST(ZevoRemapAssetAutoMapWholeSkeleton, LeavesHelpersAloneAndReadsJapaneseNames)
{
	FLogCapture Quiet;
	// Leaf helpers named for the joints beside the real forearm and hand.
	EXPECT_STREQ(*MappedRows(*Skeleton({"Hips", "Spine<Hips", "Head<Spine", "{Side}UpLeg<Hips", "{Side}Foot<{Side}UpLeg", "{Side}Shoulder<Spine",
										   "{Side}Arm<{Side}Shoulder", "{Side}Arm_Elbow<{Side}Arm", "{Side}ForeArm<{Side}Arm",
										   "{Side}ForeArm_Wrist<{Side}ForeArm", "{Side}Hand<{Side}ForeArm", "{Side}Hand_Twist<{Side}Hand"}),
					 {"LeftCollar", "LeftShoulder", "LeftElbow", "LeftWrist", "RightElbow"}),
		"LeftCollar=LeftShoulder LeftShoulder=LeftArm LeftElbow=LeftForeArm LeftWrist=LeftHand RightElbow=RightForeArm");
	EXPECT_STREQ(*MappedRows(*Skeleton({"センター", "下半身<センター", "上半身<センター", "上半身2<上半身", "首<上半身2", "頭<首", "{J}足<下半身",
										   "{J}ひざ<{J}足", "{J}足首<{J}ひざ", "{J}つま先<{J}足首", "{J}肩<上半身2", "{J}腕<{J}肩", "{J}腕捩<{J}腕",
										   "{J}ひじ<{J}腕捩", "{J}手首<{J}ひじ", "{J}親指０<{J}手首", "{J}親指１<{J}親指０", "{J}人指１<{J}手首",
										   "{J}人指２<{J}人指１", "{J}人指３<{J}人指２", "{J}足ＩＫ<センター"}),
					 {"Hips", "Chest", "Chest1", "Neck", "Neck1", "LeftHip", "LeftKnee", "LeftAnkle", "LeftToe", "RightCollar", "RightShoulder",
						 "RightElbow", "RightWrist", "LeftFinger0", "LeftFinger01", "LeftFinger02", "LeftFinger12"}),
		"Hips=下半身 Chest=上半身 Chest1=上半身2 Neck=首 Neck1=頭 LeftHip=左足 LeftKnee=左ひざ LeftAnkle=左足首 LeftToe=左つま先 "
		"RightCollar=右肩 RightShoulder=右腕 RightElbow=右ひじ RightWrist=右手首 LeftFinger0=左親指０ LeftFinger01=左親指１ "
		"LeftFinger02=- LeftFinger12=左人指３");
}

TEST(ZevoRemapAssetAutoMapWholeSkeleton, NeverGivesATargetToTwoRows)
{
	FLogCapture Quiet;
	// Only a torso: the rows are left to the name matching, which must not reuse a bone.
	const auto Target = Skeleton({"pelvis", "spine<pelvis", "neck<spine"});
	UZevoRemapAsset Asset;
	Asset.TargetSkeleton = Target.get();
	Asset.AutoMapFromTargetSkeleton();
	TSet<FName> Seen;
	for (const auto& [Row, Bone] : ZevoRemapAssetEdits::Targets(Asset))
	{
		EXPECT_TRUE(Bone.IsNone() || !Seen.Contains(Bone)) << *Row.ToString() << " reuses " << *Bone.ToString();
		Seen.Add(Bone);
	}
	EXPECT_EQ(Asset.DuplicateStatusText, FString("OK"));
}

TEST(ZevoRemapAssetAutoMapWholeSkeleton, TargetsKeepTheSkeletonsSpelling)
{
	FLogCapture Quiet;
	const FName StreamSpelling("Neck");
	const auto Target = Skeleton({"Hips", "Spine<Hips", "neck<Spine", "Head<neck", "{Side}UpLeg<Hips", "{Side}Foot<{Side}UpLeg",
		"{Side}Arm<Spine", "{Side}Hand<{Side}Arm"});
	EXPECT_STREQ(*MappedRows(*Target, {"Neck"}), "Neck=neck");
	EXPECT_STREQ(*StreamSpelling.ToString(), "Neck");
}
