#include "TestRigs.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <map>
#include <numbers>

namespace
{
struct FKey
{
	FVector Position;
	double BoxRadius;
	/** Arm keys swing down about the shoulder in the A-pose. */
	bool bArm;
};

// Left side and centre line of an adult of about 178 cm in a T-pose.
const std::map<std::string, FKey>& Keys()
{
	static const std::map<std::string, FKey> Table = {
		{"root", {{0, 0, 0}, 0, false}},
		{"com", {{0, 0, 98}, 0, false}},
		{"pelvis", {{0, 0, 98}, 10, false}},
		{"spine1", {{0, -1, 108}, 10, false}},
		{"spine2", {{0, -1.5, 121}, 11, false}},
		{"spine3", {{0, -1, 134}, 11, false}},
		{"spine4a", {{0, -1, 106}, 10, false}},
		{"spine4b", {{0, -1.5, 115}, 10, false}},
		{"spine4c", {{0, -1.5, 125}, 11, false}},
		{"spine4d", {{0, -1, 136}, 11, false}},
		{"neck", {{0, 0, 150}, 5, false}},
		{"neck2", {{0, 0.5, 155}, 5, false}},
		{"head", {{0, 1, 161}, 9, false}},
		{"hipjoint", {{0, 0, 98}, 4, false}},
		{"thigh", {{9, 0, 93}, 7, false}},
		{"thightwist", {{9, 0.2, 72}, 6, false}},
		{"calf", {{9, 0.5, 50}, 5, false}},
		{"calftwist", {{9, 0, 30}, 4, false}},
		{"foot", {{9, -1, 8}, 4, false}},
		{"metatarsal", {{9, 6, 4}, 4, false}},
		{"ball", {{9, 12, 2}, 4, false}},
		{"clavicle", {{3, 1, 146}, 4, false}},
		{"upperarm", {{17, -1, 145}, 5, true}},
		{"upperarmtwist", {{31, -1, 145}, 4, true}},
		{"lowerarm", {{45, -1, 145}, 4, true}},
		{"lowerarmtwist", {{58, -1, 145}, 3.5, true}},
		{"hand", {{71, -1, 145}, 3, true}},
		{"fingerbase", {{75, -1, 145}, 2, true}},
		{"carpalindex", {{75, 1.5, 145}, 1, true}},
		{"carpalmiddle", {{75, -0.5, 145}, 1, true}},
		{"carpalring", {{74.5, -2.5, 145}, 1, true}},
		{"carpalpinky", {{74, -4.2, 145}, 1, true}},
		{"thumb1", {{73, 2.5, 143}, 1, true}},
		{"thumb2", {{76.5, 4.5, 142}, 1, true}},
		{"thumb3", {{79.5, 5.5, 141.5}, 0.9, true}},
		{"index1", {{80, 2, 145}, 0.9, true}},
		{"index2", {{84.5, 2, 145}, 0.8, true}},
		{"index3", {{87.3, 2, 145}, 0.7, true}},
		{"middle1", {{80.2, 0, 145}, 0.9, true}},
		{"middle2", {{85.2, 0, 145}, 0.8, true}},
		{"middle3", {{88.3, 0, 145}, 0.7, true}},
		{"ring1", {{79.8, -2, 145}, 0.9, true}},
		{"ring2", {{84.3, -2, 145}, 0.8, true}},
		{"ring3", {{87.2, -2, 145}, 0.7, true}},
		{"pinky1", {{79, -3.8, 144.6}, 0.8, true}},
		{"pinky2", {{82.6, -3.8, 144.6}, 0.7, true}},
		{"pinky3", {{84.8, -3.8, 144.6}, 0.6, true}},
	};
	return Table;
}

constexpr double APoseArmDropDegrees = 45.0;

// Key "name" on the centre line, "name.L" or "name.R" on a side.
FKey ResolveKey(const std::string& Key, bool bTPose)
{
	const bool bRight = Key.size() > 2 && Key.compare(Key.size() - 2, 2, ".R") == 0;
	const bool bSided = bRight || (Key.size() > 2 && Key.compare(Key.size() - 2, 2, ".L") == 0);
	FKey Resolved = Keys().at(bSided ? Key.substr(0, Key.size() - 2) : Key);
	if (!bTPose && Resolved.bArm)
	{
		// Swing the arm down about the shoulder, around the forward axis.
		const FVector Shoulder = Keys().at("upperarm").Position;
		const FQuat Down(FVector(0, 1, 0), APoseArmDropDegrees * std::numbers::pi / 180.0);
		Resolved.Position = Shoulder + Down.RotateVector(Resolved.Position - Shoulder);
	}
	if (bRight)
	{
		Resolved.Position.X = -Resolved.Position.X;
	}
	return Resolved;
}

struct FBoneEntry
{
	const char* Name;
	const char* Parent;
	const char* Key;
	const char* Stream;
};

std::string Substitute(std::string Text, bool bLeft)
{
	const std::pair<std::string, std::string> Tokens[] = {
		{"{Side}", bLeft ? "Left" : "Right"}, {"{S}", bLeft ? "L" : "R"}, {"{s}", bLeft ? "l" : "r"}};
	for (const auto& [Token, Value] : Tokens)
	{
		for (size_t At = Text.find(Token); At != std::string::npos; At = Text.find(Token, At + Value.size()))
		{
			Text.replace(At, Token.size(), Value);
		}
	}
	return Text;
}

class FRigBuilder
{
public:
	FRigBuilder(std::string Name, std::string Description, bool bTPose)
	{
		Rig.Name = std::move(Name);
		Rig.Description = std::move(Description);
		Rig.bTPose = bTPose;
	}

	FRigBuilder& Prefix(std::string InPrefix) { NamePrefix = std::move(InPrefix); return *this; }

	FRigBuilder& Centre(std::initializer_list<FBoneEntry> Entries)
	{
		for (const FBoneEntry& Entry : Entries)
		{
			AddBone(Entry.Name, Entry.Parent, Entry.Key, Entry.Stream);
		}
		return *this;
	}

	/** Adds the left side, then the right; {Side}, {S} and {s} stand for Left/Right, L/R and l/r. */
	FRigBuilder& Sides(std::initializer_list<FBoneEntry> Entries)
	{
		for (const bool bLeft : {true, false})
		{
			for (const FBoneEntry& Entry : Entries)
			{
				const std::string Stream = *Entry.Stream ? (bLeft ? "Left" : "Right") + std::string(Entry.Stream) : "";
				AddBone(Substitute(Entry.Name, bLeft), Substitute(Entry.Parent, bLeft), Entry.Key + std::string(bLeft ? ".L" : ".R"), Stream);
			}
		}
		return *this;
	}

	FTestRig Build() { return std::move(Rig); }
	FTestRig& Get() { return Rig; }

private:
	void AddBone(const std::string& Name, const std::string& Parent, const std::string& Key, const std::string& Stream)
	{
		const FKey Resolved = ResolveKey(Key, Rig.bTPose);
		Rig.Bones.push_back({NamePrefix + Name, Parent.empty() ? "" : NamePrefix + Parent, Resolved.Position, Resolved.BoxRadius, Stream});
	}

	FTestRig Rig;
	std::string NamePrefix;
};

FTestRig MakeMixamo(bool bPrefixed)
{
	FRigBuilder Builder(bPrefixed ? "Mixamo" : "MixamoUnprefixed",
		bPrefixed ? "Mixamo names with the \"mixamorig:\" prefix" : "Mixamo names without a prefix, rested in an A-pose", bPrefixed);
	if (bPrefixed)
	{
		Builder.Prefix("mixamorig:");
	}
	Builder
		.Centre({{"Hips", "", "pelvis", "Hips"}, {"Spine", "Hips", "spine1", "Chest"}, {"Spine1", "Spine", "spine2", "Chest1"},
			{"Spine2", "Spine1", "spine3", "Chest2"}, {"Neck", "Spine2", "neck", "Neck"}, {"Head", "Neck", "head", "Neck1"}})
		.Sides({{"{Side}UpLeg", "Hips", "thigh", "Hip"}, {"{Side}Leg", "{Side}UpLeg", "calf", "Knee"},
			{"{Side}Foot", "{Side}Leg", "foot", "Ankle"}, {"{Side}ToeBase", "{Side}Foot", "ball", "Toe"},
			{"{Side}Shoulder", "Spine2", "clavicle", "Collar"}, {"{Side}Arm", "{Side}Shoulder", "upperarm", "Shoulder"},
			{"{Side}ForeArm", "{Side}Arm", "lowerarm", "Elbow"}, {"{Side}Hand", "{Side}ForeArm", "hand", "Wrist"},
			{"{Side}HandMiddle1", "{Side}Hand", "middle1", "Finger2"}, {"{Side}HandMiddle2", "{Side}HandMiddle1", "middle2", "Finger21"},
			{"{Side}HandMiddle3", "{Side}HandMiddle2", "middle3", "Finger22"},
			{"{Side}HandThumb1", "{Side}Hand", "thumb1", "Finger0"}, {"{Side}HandThumb2", "{Side}HandThumb1", "thumb2", "Finger01"},
			{"{Side}HandThumb3", "{Side}HandThumb2", "thumb3", "Finger02"},
			{"{Side}HandIndex1", "{Side}Hand", "index1", "Finger1"}, {"{Side}HandIndex2", "{Side}HandIndex1", "index2", "Finger11"},
			{"{Side}HandIndex3", "{Side}HandIndex2", "index3", "Finger12"},
			{"{Side}HandRing1", "{Side}Hand", "ring1", "Finger3"}, {"{Side}HandRing2", "{Side}HandRing1", "ring2", "Finger31"},
			{"{Side}HandRing3", "{Side}HandRing2", "ring3", "Finger32"},
			{"{Side}HandPinky1", "{Side}Hand", "pinky1", "Finger4"}, {"{Side}HandPinky2", "{Side}HandPinky1", "pinky2", "Finger41"},
			{"{Side}HandPinky3", "{Side}HandPinky2", "pinky3", "Finger42"}});
	return Builder.Build();
}

FTestRig MakeMannequin()
{
	FRigBuilder Builder("Mannequin", "engine mannequin names (pelvis, spine_01, thigh_l ...) under a root bone, with twist bones", false);
	Builder
		.Centre({{"root", "", "root", ""}, {"pelvis", "root", "pelvis", "Hips"}, {"spine_01", "pelvis", "spine1", "Chest"},
			{"spine_02", "spine_01", "spine2", "Chest1"}, {"spine_03", "spine_02", "spine3", "Chest2"},
			{"neck_01", "spine_03", "neck", "Neck"}, {"head", "neck_01", "head", "Neck1"}})
		.Sides({{"thigh_{s}", "pelvis", "thigh", "Hip"}, {"calf_{s}", "thigh_{s}", "calf", "Knee"},
			{"thigh_twist_01_{s}", "thigh_{s}", "thightwist", ""}, {"foot_{s}", "calf_{s}", "foot", "Ankle"},
			{"calf_twist_01_{s}", "calf_{s}", "calftwist", ""}, {"ball_{s}", "foot_{s}", "ball", "Toe"},
			{"clavicle_{s}", "spine_03", "clavicle", "Collar"}, {"upperarm_{s}", "clavicle_{s}", "upperarm", "Shoulder"},
			{"lowerarm_{s}", "upperarm_{s}", "lowerarm", "Elbow"}, {"upperarm_twist_01_{s}", "upperarm_{s}", "upperarmtwist", ""},
			{"hand_{s}", "lowerarm_{s}", "hand", "Wrist"}, {"lowerarm_twist_01_{s}", "lowerarm_{s}", "lowerarmtwist", ""},
			{"middle_01_{s}", "hand_{s}", "middle1", "Finger2"}, {"middle_02_{s}", "middle_01_{s}", "middle2", "Finger21"},
			{"middle_03_{s}", "middle_02_{s}", "middle3", "Finger22"},
			{"index_01_{s}", "hand_{s}", "index1", "Finger1"}, {"index_02_{s}", "index_01_{s}", "index2", "Finger11"},
			{"index_03_{s}", "index_02_{s}", "index3", "Finger12"},
			{"pinky_01_{s}", "hand_{s}", "pinky1", "Finger4"}, {"pinky_02_{s}", "pinky_01_{s}", "pinky2", "Finger41"},
			{"pinky_03_{s}", "pinky_02_{s}", "pinky3", "Finger42"},
			{"ring_01_{s}", "hand_{s}", "ring1", "Finger3"}, {"ring_02_{s}", "ring_01_{s}", "ring2", "Finger31"},
			{"ring_03_{s}", "ring_02_{s}", "ring3", "Finger32"},
			{"thumb_01_{s}", "hand_{s}", "thumb1", "Finger0"}, {"thumb_02_{s}", "thumb_01_{s}", "thumb2", "Finger01"},
			{"thumb_03_{s}", "thumb_02_{s}", "thumb3", "Finger02"}});
	FTestRig Rig = Builder.Build();
	Rig.bAlignedBones = true;
	return Rig;
}

FTestRig MakeBiped()
{
	// Thighs hang from the first spine bone and the clavicles from the neck, as in this rig family.
	FRigBuilder Builder("Biped", "\"Bip01 L Thigh\" biped names with blanks; thighs under the spine, clavicles under the neck", true);
	Builder
		.Centre({{"Bip01", "", "com", ""}, {"Bip01 Pelvis", "Bip01", "pelvis", "Hips"}, {"Bip01 Spine", "Bip01 Pelvis", "spine1", "Chest"},
			{"Bip01 Spine1", "Bip01 Spine", "spine2", "Chest1"}, {"Bip01 Spine2", "Bip01 Spine1", "spine3", "Chest2"},
			{"Bip01 Neck", "Bip01 Spine2", "neck", "Neck"}, {"Bip01 Head", "Bip01 Neck", "head", "Neck1"}})
		.Sides({{"Bip01 {S} Thigh", "Bip01 Spine", "thigh", "Hip"}, {"Bip01 {S} Calf", "Bip01 {S} Thigh", "calf", "Knee"},
			{"Bip01 {S} Foot", "Bip01 {S} Calf", "foot", "Ankle"}, {"Bip01 {S} Toe0", "Bip01 {S} Foot", "ball", "Toe"},
			{"Bip01 {S} Clavicle", "Bip01 Neck", "clavicle", "Collar"}, {"Bip01 {S} UpperArm", "Bip01 {S} Clavicle", "upperarm", "Shoulder"},
			{"Bip01 {S} Forearm", "Bip01 {S} UpperArm", "lowerarm", "Elbow"}, {"Bip01 {S} Hand", "Bip01 {S} Forearm", "hand", "Wrist"},
			{"Bip01 {S} Finger2", "Bip01 {S} Hand", "middle1", "Finger2"}, {"Bip01 {S} Finger21", "Bip01 {S} Finger2", "middle2", "Finger21"},
			{"Bip01 {S} Finger22", "Bip01 {S} Finger21", "middle3", "Finger22"},
			{"Bip01 {S} Finger0", "Bip01 {S} Hand", "thumb1", "Finger0"}, {"Bip01 {S} Finger01", "Bip01 {S} Finger0", "thumb2", "Finger01"},
			{"Bip01 {S} Finger02", "Bip01 {S} Finger01", "thumb3", "Finger02"},
			{"Bip01 {S} Finger1", "Bip01 {S} Hand", "index1", "Finger1"}, {"Bip01 {S} Finger11", "Bip01 {S} Finger1", "index2", "Finger11"},
			{"Bip01 {S} Finger12", "Bip01 {S} Finger11", "index3", "Finger12"},
			{"Bip01 {S} Finger3", "Bip01 {S} Hand", "ring1", "Finger3"}, {"Bip01 {S} Finger31", "Bip01 {S} Finger3", "ring2", "Finger31"},
			{"Bip01 {S} Finger32", "Bip01 {S} Finger31", "ring3", "Finger32"},
			{"Bip01 {S} Finger4", "Bip01 {S} Hand", "pinky1", "Finger4"}, {"Bip01 {S} Finger41", "Bip01 {S} Finger4", "pinky2", "Finger41"},
			{"Bip01 {S} Finger42", "Bip01 {S} Finger41", "pinky3", "Finger42"}});
	FTestRig Rig = Builder.Build();
	Rig.bAlignedBones = true;
	Rig.bWriteBvh = false; // BVH joint names end at the first blank
	return Rig;
}

FTestRig MakeRigGenerator()
{
	FRigBuilder Builder("RigGenerator", "rig-generator deform bones (DEF-spine.001, DEF-thigh.L ...) with split limbs and palm bones", false);
	Builder
		.Centre({{"root", "", "root", ""}, {"DEF-spine", "root", "pelvis", "Hips"}, {"DEF-spine.001", "DEF-spine", "spine1", "Chest"},
			{"DEF-spine.002", "DEF-spine.001", "spine2", "Chest1"}, {"DEF-spine.003", "DEF-spine.002", "spine3", "Chest2"},
			{"DEF-spine.004", "DEF-spine.003", "neck", "Neck"}, {"DEF-spine.005", "DEF-spine.004", "neck2", ""},
			{"DEF-spine.006", "DEF-spine.005", "head", "Neck1"}})
		.Sides({{"DEF-thigh.{S}", "DEF-spine", "thigh", "Hip"}, {"DEF-thigh.{S}.001", "DEF-thigh.{S}", "thightwist", ""},
			{"DEF-shin.{S}", "DEF-thigh.{S}.001", "calf", "Knee"}, {"DEF-shin.{S}.001", "DEF-shin.{S}", "calftwist", ""},
			{"DEF-foot.{S}", "DEF-shin.{S}.001", "foot", "Ankle"}, {"DEF-toe.{S}", "DEF-foot.{S}", "ball", "Toe"},
			{"DEF-shoulder.{S}", "DEF-spine.003", "clavicle", "Collar"}, {"DEF-upper_arm.{S}", "DEF-shoulder.{S}", "upperarm", "Shoulder"},
			{"DEF-upper_arm.{S}.001", "DEF-upper_arm.{S}", "upperarmtwist", ""},
			{"DEF-forearm.{S}", "DEF-upper_arm.{S}.001", "lowerarm", "Elbow"}, {"DEF-forearm.{S}.001", "DEF-forearm.{S}", "lowerarmtwist", ""},
			{"DEF-hand.{S}", "DEF-forearm.{S}.001", "hand", "Wrist"},
			{"DEF-palm.02.{S}", "DEF-hand.{S}", "carpalmiddle", ""}, {"DEF-palm.01.{S}", "DEF-hand.{S}", "carpalindex", ""},
			{"DEF-palm.03.{S}", "DEF-hand.{S}", "carpalring", ""}, {"DEF-palm.04.{S}", "DEF-hand.{S}", "carpalpinky", ""},
			{"DEF-thumb.01.{S}", "DEF-palm.01.{S}", "thumb1", "Finger0"}, {"DEF-thumb.02.{S}", "DEF-thumb.01.{S}", "thumb2", "Finger01"},
			{"DEF-thumb.03.{S}", "DEF-thumb.02.{S}", "thumb3", "Finger02"},
			{"DEF-f_index.01.{S}", "DEF-palm.01.{S}", "index1", "Finger1"}, {"DEF-f_index.02.{S}", "DEF-f_index.01.{S}", "index2", "Finger11"},
			{"DEF-f_index.03.{S}", "DEF-f_index.02.{S}", "index3", "Finger12"},
			{"DEF-f_middle.01.{S}", "DEF-palm.02.{S}", "middle1", "Finger2"}, {"DEF-f_middle.02.{S}", "DEF-f_middle.01.{S}", "middle2", "Finger21"},
			{"DEF-f_middle.03.{S}", "DEF-f_middle.02.{S}", "middle3", "Finger22"},
			{"DEF-f_ring.01.{S}", "DEF-palm.03.{S}", "ring1", "Finger3"}, {"DEF-f_ring.02.{S}", "DEF-f_ring.01.{S}", "ring2", "Finger31"},
			{"DEF-f_ring.03.{S}", "DEF-f_ring.02.{S}", "ring3", "Finger32"},
			{"DEF-f_pinky.01.{S}", "DEF-palm.04.{S}", "pinky1", "Finger4"}, {"DEF-f_pinky.02.{S}", "DEF-f_pinky.01.{S}", "pinky2", "Finger41"},
			{"DEF-f_pinky.03.{S}", "DEF-f_pinky.02.{S}", "pinky3", "Finger42"}});
	return Builder.Build();
}

FTestRig MakeFigure()
{
	FRigBuilder Builder("Figure", "figure names (lThighBend, lShldrBend ...) with bend/twist pairs, four spine bones and carpals", false);
	Builder
		.Centre({{"hip", "", "pelvis", "Hips"}, {"pelvis", "hip", "pelvis", ""}, {"abdomenLower", "hip", "spine4a", "Chest"},
			{"abdomenUpper", "abdomenLower", "spine4b", ""}, {"chestLower", "abdomenUpper", "spine4c", "Chest1"},
			{"chestUpper", "chestLower", "spine4d", "Chest2"}, {"neckLower", "chestUpper", "neck", "Neck"},
			{"neckUpper", "neckLower", "neck2", ""}, {"head", "neckUpper", "head", "Neck1"}})
		.Sides({{"{s}ThighBend", "pelvis", "thigh", "Hip"}, {"{s}ThighTwist", "{s}ThighBend", "thightwist", ""},
			{"{s}Shin", "{s}ThighTwist", "calf", "Knee"}, {"{s}Foot", "{s}Shin", "foot", "Ankle"},
			{"{s}Metatarsals", "{s}Foot", "metatarsal", ""}, {"{s}Toe", "{s}Metatarsals", "ball", "Toe"},
			{"{s}Collar", "chestUpper", "clavicle", "Collar"}, {"{s}ShldrBend", "{s}Collar", "upperarm", "Shoulder"},
			{"{s}ShldrTwist", "{s}ShldrBend", "upperarmtwist", ""}, {"{s}ForearmBend", "{s}ShldrTwist", "lowerarm", "Elbow"},
			{"{s}ForearmTwist", "{s}ForearmBend", "lowerarmtwist", ""}, {"{s}Hand", "{s}ForearmTwist", "hand", "Wrist"},
			{"{s}Carpal2", "{s}Hand", "carpalmiddle", ""}, {"{s}Carpal1", "{s}Hand", "carpalindex", ""},
			{"{s}Carpal3", "{s}Hand", "carpalring", ""}, {"{s}Carpal4", "{s}Hand", "carpalpinky", ""},
			{"{s}Thumb1", "{s}Hand", "thumb1", "Finger0"}, {"{s}Thumb2", "{s}Thumb1", "thumb2", "Finger01"},
			{"{s}Thumb3", "{s}Thumb2", "thumb3", "Finger02"},
			{"{s}Index1", "{s}Carpal1", "index1", "Finger1"}, {"{s}Index2", "{s}Index1", "index2", "Finger11"},
			{"{s}Index3", "{s}Index2", "index3", "Finger12"},
			{"{s}Mid1", "{s}Carpal2", "middle1", "Finger2"}, {"{s}Mid2", "{s}Mid1", "middle2", "Finger21"},
			{"{s}Mid3", "{s}Mid2", "middle3", "Finger22"},
			{"{s}Ring1", "{s}Carpal3", "ring1", "Finger3"}, {"{s}Ring2", "{s}Ring1", "ring2", "Finger31"},
			{"{s}Ring3", "{s}Ring2", "ring3", "Finger32"},
			{"{s}Pinky1", "{s}Carpal4", "pinky1", "Finger4"}, {"{s}Pinky2", "{s}Pinky1", "pinky2", "Finger41"},
			{"{s}Pinky3", "{s}Pinky2", "pinky3", "Finger42"}});
	return Builder.Build();
}

FTestRig MakeCCBase()
{
	FRigBuilder Builder("CCBase", "\"CC_Base_\" names; the hip carries both the pelvis (legs) and the waist (spine)", false);
	Builder
		.Centre({{"CC_Base_BoneRoot", "", "root", ""}, {"CC_Base_Hip", "CC_Base_BoneRoot", "pelvis", "Hips"},
			{"CC_Base_Pelvis", "CC_Base_Hip", "pelvis", ""}, {"CC_Base_Waist", "CC_Base_Hip", "spine1", "Chest"},
			{"CC_Base_Spine01", "CC_Base_Waist", "spine2", "Chest1"}, {"CC_Base_Spine02", "CC_Base_Spine01", "spine3", "Chest2"},
			{"CC_Base_NeckTwist01", "CC_Base_Spine02", "neck", "Neck"}, {"CC_Base_NeckTwist02", "CC_Base_NeckTwist01", "neck2", ""},
			{"CC_Base_Head", "CC_Base_NeckTwist02", "head", "Neck1"}})
		.Sides({{"CC_Base_{S}_Thigh", "CC_Base_Pelvis", "thigh", "Hip"}, {"CC_Base_{S}_Calf", "CC_Base_{S}_Thigh", "calf", "Knee"},
			{"CC_Base_{S}_ThighTwist01", "CC_Base_{S}_Thigh", "thightwist", ""},
			{"CC_Base_{S}_Foot", "CC_Base_{S}_Calf", "foot", "Ankle"}, {"CC_Base_{S}_ToeBase", "CC_Base_{S}_Foot", "ball", "Toe"},
			{"CC_Base_{S}_Clavicle", "CC_Base_Spine02", "clavicle", "Collar"},
			{"CC_Base_{S}_Upperarm", "CC_Base_{S}_Clavicle", "upperarm", "Shoulder"},
			{"CC_Base_{S}_Forearm", "CC_Base_{S}_Upperarm", "lowerarm", "Elbow"},
			{"CC_Base_{S}_UpperarmTwist01", "CC_Base_{S}_Upperarm", "upperarmtwist", ""},
			{"CC_Base_{S}_Hand", "CC_Base_{S}_Forearm", "hand", "Wrist"},
			{"CC_Base_{S}_Mid1", "CC_Base_{S}_Hand", "middle1", "Finger2"}, {"CC_Base_{S}_Mid2", "CC_Base_{S}_Mid1", "middle2", "Finger21"},
			{"CC_Base_{S}_Mid3", "CC_Base_{S}_Mid2", "middle3", "Finger22"},
			{"CC_Base_{S}_Thumb1", "CC_Base_{S}_Hand", "thumb1", "Finger0"}, {"CC_Base_{S}_Thumb2", "CC_Base_{S}_Thumb1", "thumb2", "Finger01"},
			{"CC_Base_{S}_Thumb3", "CC_Base_{S}_Thumb2", "thumb3", "Finger02"},
			{"CC_Base_{S}_Index1", "CC_Base_{S}_Hand", "index1", "Finger1"}, {"CC_Base_{S}_Index2", "CC_Base_{S}_Index1", "index2", "Finger11"},
			{"CC_Base_{S}_Index3", "CC_Base_{S}_Index2", "index3", "Finger12"},
			{"CC_Base_{S}_Ring1", "CC_Base_{S}_Hand", "ring1", "Finger3"}, {"CC_Base_{S}_Ring2", "CC_Base_{S}_Ring1", "ring2", "Finger31"},
			{"CC_Base_{S}_Ring3", "CC_Base_{S}_Ring2", "ring3", "Finger32"},
			{"CC_Base_{S}_Pinky1", "CC_Base_{S}_Hand", "pinky1", "Finger4"}, {"CC_Base_{S}_Pinky2", "CC_Base_{S}_Pinky1", "pinky2", "Finger41"},
			{"CC_Base_{S}_Pinky3", "CC_Base_{S}_Pinky2", "pinky3", "Finger42"}});
	return Builder.Build();
}

FTestRig MakeHumanoidAvatar()
{
	FRigBuilder Builder("HumanoidAvatar", "humanoid-avatar names (J_Bip_C_Hips, J_Bip_L_UpperLeg ...) under a root", true);
	Builder
		.Centre({{"Root", "", "root", ""}, {"J_Bip_C_Hips", "Root", "pelvis", "Hips"}, {"J_Bip_C_Spine", "J_Bip_C_Hips", "spine1", "Chest"},
			{"J_Bip_C_Chest", "J_Bip_C_Spine", "spine2", "Chest1"}, {"J_Bip_C_UpperChest", "J_Bip_C_Chest", "spine3", "Chest2"},
			{"J_Bip_C_Neck", "J_Bip_C_UpperChest", "neck", "Neck"}, {"J_Bip_C_Head", "J_Bip_C_Neck", "head", "Neck1"}})
		.Sides({{"J_Bip_{S}_UpperLeg", "J_Bip_C_Hips", "thigh", "Hip"}, {"J_Bip_{S}_LowerLeg", "J_Bip_{S}_UpperLeg", "calf", "Knee"},
			{"J_Bip_{S}_Foot", "J_Bip_{S}_LowerLeg", "foot", "Ankle"}, {"J_Bip_{S}_ToeBase", "J_Bip_{S}_Foot", "ball", "Toe"},
			{"J_Bip_{S}_Shoulder", "J_Bip_C_UpperChest", "clavicle", "Collar"}, {"J_Bip_{S}_UpperArm", "J_Bip_{S}_Shoulder", "upperarm", "Shoulder"},
			{"J_Bip_{S}_LowerArm", "J_Bip_{S}_UpperArm", "lowerarm", "Elbow"}, {"J_Bip_{S}_Hand", "J_Bip_{S}_LowerArm", "hand", "Wrist"},
			{"J_Bip_{S}_Middle1", "J_Bip_{S}_Hand", "middle1", "Finger2"}, {"J_Bip_{S}_Middle2", "J_Bip_{S}_Middle1", "middle2", "Finger21"},
			{"J_Bip_{S}_Middle3", "J_Bip_{S}_Middle2", "middle3", "Finger22"},
			{"J_Bip_{S}_Thumb1", "J_Bip_{S}_Hand", "thumb1", "Finger0"}, {"J_Bip_{S}_Thumb2", "J_Bip_{S}_Thumb1", "thumb2", "Finger01"},
			{"J_Bip_{S}_Thumb3", "J_Bip_{S}_Thumb2", "thumb3", "Finger02"},
			{"J_Bip_{S}_Index1", "J_Bip_{S}_Hand", "index1", "Finger1"}, {"J_Bip_{S}_Index2", "J_Bip_{S}_Index1", "index2", "Finger11"},
			{"J_Bip_{S}_Index3", "J_Bip_{S}_Index2", "index3", "Finger12"},
			{"J_Bip_{S}_Ring1", "J_Bip_{S}_Hand", "ring1", "Finger3"}, {"J_Bip_{S}_Ring2", "J_Bip_{S}_Ring1", "ring2", "Finger31"},
			{"J_Bip_{S}_Ring3", "J_Bip_{S}_Ring2", "ring3", "Finger32"},
			{"J_Bip_{S}_Little1", "J_Bip_{S}_Hand", "pinky1", "Finger4"}, {"J_Bip_{S}_Little2", "J_Bip_{S}_Little1", "pinky2", "Finger41"},
			{"J_Bip_{S}_Little3", "J_Bip_{S}_Little2", "pinky3", "Finger42"}});
	return Builder.Build();
}

FTestRig MakeCmuMocap()
{
	// Motion-capture skeleton: hip joints between the hips and the thighs, two neck bones, and a
	// hand with one finger chain and a thumb.
	FRigBuilder Builder("CmuMocap", "CMU-style motion-capture BVH (LHipJoint, LowerBack, LeftFingerBase, LThumb ...), no mesh", true);
	Builder.Centre({{"Hips", "", "pelvis", "Hips"}})
		.Sides({{"{S}HipJoint", "Hips", "hipjoint", ""}, {"{Side}UpLeg", "{S}HipJoint", "thigh", "Hip"},
			{"{Side}Leg", "{Side}UpLeg", "calf", "Knee"}, {"{Side}Foot", "{Side}Leg", "foot", "Ankle"},
			{"{Side}ToeBase", "{Side}Foot", "ball", "Toe"}})
		.Centre({{"LowerBack", "Hips", "spine1", "Chest"}, {"Spine", "LowerBack", "spine2", "Chest1"}, {"Spine1", "Spine", "spine3", "Chest2"},
			{"Neck", "Spine1", "neck", "Neck"}, {"Neck1", "Neck", "neck2", ""}, {"Head", "Neck1", "head", "Neck1"}})
		.Sides({{"{Side}Shoulder", "Spine1", "clavicle", "Collar"}, {"{Side}Arm", "{Side}Shoulder", "upperarm", "Shoulder"},
			{"{Side}ForeArm", "{Side}Arm", "lowerarm", "Elbow"}, {"{Side}Hand", "{Side}ForeArm", "hand", "Wrist"},
			{"{Side}FingerBase", "{Side}Hand", "fingerbase", ""}, {"{Side}HandIndex1", "{Side}FingerBase", "index1", "Finger1"},
			{"{S}Thumb", "{Side}Hand", "thumb1", "Finger0"}});
	FTestRig Rig = Builder.Build();
	Rig.bWriteFbx = false;
	Rig.bWriteGltf = false;
	Rig.bHasMesh = false;
	return Rig;
}

bool IsFingerTip(const FTestRig& Rig, int BoneIndex)
{
	const std::string& Stream = Rig.Bones[BoneIndex].StreamBone;
	return Stream.find("Finger") != std::string::npos;
}
}

const std::vector<std::string>& StreamBoneIdentifiers()
{
	static const std::vector<std::string> Names = [] {
		std::vector<std::string> Result = {"Hips", "Chest", "Chest1", "Chest2", "Neck", "Neck1"};
		for (const char* Side : {"Left", "Right"})
		{
			for (const char* Bone : {"Hip", "Knee", "Ankle", "Toe"})
			{
				Result.push_back(std::string(Side) + Bone);
			}
		}
		for (const char* Side : {"Left", "Right"})
		{
			for (const char* Bone : {"Collar", "Shoulder", "Elbow", "Wrist"})
			{
				Result.push_back(std::string(Side) + Bone);
			}
		}
		for (const char* Side : {"Left", "Right"})
		{
			for (int Digit = 0; Digit < 5; ++Digit)
			{
				for (const char* Segment : {"", "1", "2"})
				{
					Result.push_back(std::string(Side) + "Finger" + std::to_string(Digit) + Segment);
				}
			}
		}
		return Result;
	}();
	return Names;
}

int FTestRig::FindBone(const std::string& BoneName) const
{
	for (size_t Index = 0; Index < Bones.size(); ++Index)
	{
		if (Bones[Index].Name == BoneName)
		{
			return static_cast<int>(Index);
		}
	}
	return -1;
}

FQuat FTestRig::ComponentRotation(int BoneIndex) const
{
	if (!bAlignedBones || BoneIndex < 0)
	{
		return FQuat::Identity;
	}
	for (const FTestRigBone& Child : Bones)
	{
		if (Child.Parent == Bones[BoneIndex].Name)
		{
			const FVector Direction = Child.Position - Bones[BoneIndex].Position;
			if (Direction.SizeSquared() > 1e-4)
			{
				return FQuat::FindBetweenVectors(FVector(1, 0, 0), Direction.GetSafeNormal());
			}
			break;
		}
	}
	// Leaves and zero-length bones keep their parent's orientation.
	return ComponentRotation(FindBone(Bones[BoneIndex].Parent));
}

FTransform FTestRig::LocalTransform(int BoneIndex) const
{
	const int Parent = FindBone(Bones[BoneIndex].Parent);
	const FQuat ParentRotation = ComponentRotation(Parent);
	const FVector ParentPosition = Parent < 0 ? FVector::ZeroVector : Bones[Parent].Position;
	return FTransform(ParentRotation.Inverse() * ComponentRotation(BoneIndex),
		ParentRotation.UnrotateVector(Bones[BoneIndex].Position - ParentPosition));
}

std::vector<FVector> FTestRig::BoxCorners(int BoneIndex) const
{
	const FTestRigBone& Bone = Bones[BoneIndex];
	if (Bone.BoxRadius <= 0)
	{
		return {};
	}
	// The box wraps the segment from the bone to its first child, or to a tip for leaves.
	FVector Tip = Bone.Position;
	const int Child = [&] {
		for (size_t Index = 0; Index < Bones.size(); ++Index)
		{
			if (Bones[Index].Parent == Bone.Name)
			{
				return static_cast<int>(Index);
			}
		}
		return -1;
	}();
	if (Child >= 0)
	{
		Tip = Bones[Child].Position;
	}
	else if (Bone.StreamBone == "Neck1")
	{
		Tip = Bone.Position + FVector(0, 0, 16);
	}
	else if (Bone.StreamBone.find("Toe") != std::string::npos)
	{
		Tip = Bone.Position + FVector(0, 7, 0);
	}
	else if (IsFingerTip(*this, BoneIndex))
	{
		const int Parent = FindBone(Bone.Parent);
		Tip = Bone.Position + (Bone.Position - Bones[Parent].Position).GetSafeNormal() * 2.2;
	}
	const double R = Bone.BoxRadius;
	const FVector Min(std::min(Bone.Position.X, Tip.X) - R, std::min(Bone.Position.Y, Tip.Y) - R,
		std::max(0.0, std::min(Bone.Position.Z, Tip.Z) - R));
	const FVector Max(std::max(Bone.Position.X, Tip.X) + R, std::max(Bone.Position.Y, Tip.Y) + R, std::max(Bone.Position.Z, Tip.Z) + R);
	std::vector<FVector> Corners;
	for (int Corner = 0; Corner < 8; ++Corner)
	{
		Corners.emplace_back((Corner & 1) ? Max.X : Min.X, (Corner & 2) ? Max.Y : Min.Y, (Corner & 4) ? Max.Z : Min.Z);
	}
	return Corners;
}

std::string FTestRig::MappingJson() const
{
	nlohmann::ordered_json Mapping = nlohmann::ordered_json::object();
	for (const std::string& Stream : StreamBoneIdentifiers())
	{
		Mapping[Stream] = nullptr;
		for (const FTestRigBone& Bone : Bones)
		{
			if (Bone.StreamBone == Stream)
			{
				Mapping[Stream] = Bone.Name;
			}
		}
	}
	nlohmann::ordered_json Document;
	Document["rig"] = Name;
	Document["description"] = Description;
	Document["restPose"] = bTPose ? "T-pose" : "A-pose";
	Document["mapping"] = Mapping;
	return Document.dump(2) + "\n";
}

std::vector<FTestRig> MakeTestRigs()
{
	return {MakeMixamo(true), MakeMixamo(false), MakeMannequin(), MakeBiped(), MakeRigGenerator(), MakeFigure(), MakeCCBase(),
		MakeHumanoidAvatar(), MakeCmuMocap()};
}

std::string TestRigsDir()
{
	return std::string(ZEVO_TEST_RIGS_DIR) + "/";
}
