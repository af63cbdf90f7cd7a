#include "TestRigs.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
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
		// Five spine bones, a third neck bone, and the end points, helpers and controls that
		// exported rigs carry (small boxes, so that every leaf is a bone the mesh binds to).
		{"spine5a", {{0, -1, 105}, 10, false}},
		{"spine5b", {{0, -1.5, 113}, 10, false}},
		{"spine5c", {{0, -1.5, 121}, 11, false}},
		{"spine5d", {{0, -1.2, 129}, 11, false}},
		{"spine5e", {{0, -1, 137}, 11, false}},
		{"neck3", {{0, 0.8, 158}, 4, false}},
		{"spine7a", {{0, -1, 103}, 10, false}},
		{"spine7b", {{0, -1.2, 109}, 10, false}},
		{"spine7c", {{0, -1.4, 115}, 10, false}},
		{"spine7d", {{0, -1.5, 121}, 11, false}},
		{"spine7e", {{0, -1.4, 127}, 11, false}},
		{"spine7f", {{0, -1.2, 133}, 11, false}},
		{"spine7g", {{0, -1, 139}, 11, false}},
		{"neck4", {{0, 0.9, 159.5}, 4, false}},
		{"headtop", {{0, 1, 177}, 0.5, false}},
		{"eye", {{3, 8, 167}, 0.5, false}},
		{"upperarmtwist2", {{24, -1, 145}, 4, true}},
		{"lowerarmtwist2", {{64, -1, 145}, 3, true}},
		{"thightwist2", {{9, 0.1, 82}, 6, false}},
		{"calftwist2", {{9, 0.2, 40}, 4, false}},
		{"clavicleaux", {{3, 1, 146}, 0.5, false}},
		{"upperarmaux", {{17, -1, 145}, 0.5, true}},
		{"handmid", {{76, -1, 145}, 2, true}},
		{"handtip", {{82, -1, 145}, 0.5, true}},
		{"thumb4", {{81.5, 6.3, 141.2}, 0.5, true}},
		{"index4", {{89.3, 2, 145}, 0.5, true}},
		{"middle4", {{90.5, 0, 145}, 0.5, true}},
		{"ring4", {{89.2, -2, 145}, 0.5, true}},
		{"pinky4", {{86.5, -3.8, 144.6}, 0.5, true}},
		{"toetip", {{9, 17, 1.5}, 0.5, false}},
		{"toe2a", {{6.5, 12, 2}, 2, false}},
		{"toe2b", {{6.5, 16, 1.5}, 0.5, false}},
		{"heel", {{9, -5, 1}, 0.5, false}},
		{"ikroot", {{0, 0, 0}, 0.5, false}},
		{"ikfoot", {{9, -1, 8}, 0.5, false}},
		{"ikball", {{9, 12, 2}, 0.5, false}},
		{"ikhand", {{71, -1, 145}, 0.5, true}},
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
	const std::pair<std::string, std::string> Tokens[] = {{"{Side}", bLeft ? "Left" : "Right"}, {"{SIDE}", bLeft ? "LEFT" : "RIGHT"},
		{"{side}", bLeft ? "left" : "right"}, {"{S}", bLeft ? "L" : "R"}, {"{s}", bLeft ? "l" : "r"}, {"{J}", bLeft ? "左" : "右"}};
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

	/**
	 * Adds the left side, then the right; {Side}, {SIDE}, {side}, {S}, {s} and {J} stand for
	 * Left/Right, LEFT/RIGHT, left/right, L/R, l/r and the two side characters of Japanese names.
	 */
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
			{"abdomenUpper", "abdomenLower", "spine4b", "Chest1"}, {"chestLower", "abdomenUpper", "spine4c", "Chest2"},
			{"chestUpper", "chestLower", "spine4d", ""}, {"neckLower", "chestUpper", "neck", "Neck"},
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


FTestRig MakeMannequin5()
{
	FRigBuilder Builder("Mannequin5", "second-generation engine mannequin: five spine bones, two neck bones, metacarpals, two twist bones a segment, IK bones", false);
	Builder
		.Centre({{"root", "", "root", ""}, {"pelvis", "root", "pelvis", "Hips"}, {"spine_01", "pelvis", "spine5a", "Chest"},
			{"spine_02", "spine_01", "spine5b", "Chest1"}, {"spine_03", "spine_02", "spine5c", "Chest2"}, {"spine_04", "spine_03", "spine5d", ""},
			{"spine_05", "spine_04", "spine5e", ""}, {"neck_01", "spine_05", "neck", "Neck"}, {"neck_02", "neck_01", "neck2", ""},
			{"head", "neck_02", "head", "Neck1"}})
		.Sides({{"thigh_{s}", "pelvis", "thigh", "Hip"}, {"thigh_twist_01_{s}", "thigh_{s}", "thightwist2", ""},
			{"thigh_twist_02_{s}", "thigh_{s}", "thightwist", ""}, {"calf_{s}", "thigh_{s}", "calf", "Knee"},
			{"calf_twist_01_{s}", "calf_{s}", "calftwist2", ""}, {"calf_twist_02_{s}", "calf_{s}", "calftwist", ""},
			{"foot_{s}", "calf_{s}", "foot", "Ankle"}, {"ball_{s}", "foot_{s}", "ball", "Toe"},
			{"clavicle_{s}", "spine_05", "clavicle", "Collar"}, {"upperarm_{s}", "clavicle_{s}", "upperarm", "Shoulder"},
			{"upperarm_twist_01_{s}", "upperarm_{s}", "upperarmtwist2", ""}, {"upperarm_twist_02_{s}", "upperarm_{s}", "upperarmtwist", ""},
			{"lowerarm_{s}", "upperarm_{s}", "lowerarm", "Elbow"}, {"lowerarm_twist_01_{s}", "lowerarm_{s}", "lowerarmtwist2", ""},
			{"lowerarm_twist_02_{s}", "lowerarm_{s}", "lowerarmtwist", ""}, {"hand_{s}", "lowerarm_{s}", "hand", "Wrist"},
			{"thumb_01_{s}", "hand_{s}", "thumb1", "Finger0"}, {"thumb_02_{s}", "thumb_01_{s}", "thumb2", "Finger01"},
			{"thumb_03_{s}", "thumb_02_{s}", "thumb3", "Finger02"},
			{"index_metacarpal_{s}", "hand_{s}", "carpalindex", ""}, {"index_01_{s}", "index_metacarpal_{s}", "index1", "Finger1"},
			{"index_02_{s}", "index_01_{s}", "index2", "Finger11"}, {"index_03_{s}", "index_02_{s}", "index3", "Finger12"},
			{"middle_metacarpal_{s}", "hand_{s}", "carpalmiddle", ""}, {"middle_01_{s}", "middle_metacarpal_{s}", "middle1", "Finger2"},
			{"middle_02_{s}", "middle_01_{s}", "middle2", "Finger21"}, {"middle_03_{s}", "middle_02_{s}", "middle3", "Finger22"},
			{"ring_metacarpal_{s}", "hand_{s}", "carpalring", ""}, {"ring_01_{s}", "ring_metacarpal_{s}", "ring1", "Finger3"},
			{"ring_02_{s}", "ring_01_{s}", "ring2", "Finger31"}, {"ring_03_{s}", "ring_02_{s}", "ring3", "Finger32"},
			{"pinky_metacarpal_{s}", "hand_{s}", "carpalpinky", ""}, {"pinky_01_{s}", "pinky_metacarpal_{s}", "pinky1", "Finger4"},
			{"pinky_02_{s}", "pinky_01_{s}", "pinky2", "Finger41"}, {"pinky_03_{s}", "pinky_02_{s}", "pinky3", "Finger42"}})
		.Centre({{"ik_foot_root", "root", "ikroot", ""}, {"ik_hand_root", "root", "ikroot", ""}, {"ik_hand_gun", "ik_hand_root", "ikhand.R", ""}})
		.Sides({{"ik_foot_{s}", "ik_foot_root", "ikfoot", ""}, {"ik_hand_{s}", "ik_hand_gun", "ikhand", ""}});
	FTestRig Rig = Builder.Build();
	Rig.bAlignedBones = true;
	return Rig;
}

// The online auto-rigger's names in a numbered namespace, with the end bones it adds.
FTestRig MakeAutoRiggerEnds()
{
	FRigBuilder Builder("AutoRiggerEnds", "online auto-rigger names in a numbered namespace (\"mixamorig5:\") with its end bones", true);
	Builder.Prefix("mixamorig5:");
	Builder
		.Centre({{"Hips", "", "pelvis", "Hips"}, {"Spine", "Hips", "spine1", "Chest"}, {"Spine1", "Spine", "spine2", "Chest1"},
			{"Spine2", "Spine1", "spine3", "Chest2"}, {"Neck", "Spine2", "neck", "Neck"}, {"Head", "Neck", "head", "Neck1"},
			{"HeadTop_End", "Head", "headtop", ""}})
		.Sides({{"{Side}UpLeg", "Hips", "thigh", "Hip"}, {"{Side}Leg", "{Side}UpLeg", "calf", "Knee"},
			{"{Side}Foot", "{Side}Leg", "foot", "Ankle"}, {"{Side}ToeBase", "{Side}Foot", "ball", "Toe"},
			{"{Side}Toe_End", "{Side}ToeBase", "toetip", ""},
			{"{Side}Shoulder", "Spine2", "clavicle", "Collar"}, {"{Side}Arm", "{Side}Shoulder", "upperarm", "Shoulder"},
			{"{Side}ForeArm", "{Side}Arm", "lowerarm", "Elbow"}, {"{Side}Hand", "{Side}ForeArm", "hand", "Wrist"},
			{"{Side}HandThumb1", "{Side}Hand", "thumb1", "Finger0"}, {"{Side}HandThumb2", "{Side}HandThumb1", "thumb2", "Finger01"},
			{"{Side}HandThumb3", "{Side}HandThumb2", "thumb3", "Finger02"}, {"{Side}HandThumb4", "{Side}HandThumb3", "thumb4", ""},
			{"{Side}HandIndex1", "{Side}Hand", "index1", "Finger1"}, {"{Side}HandIndex2", "{Side}HandIndex1", "index2", "Finger11"},
			{"{Side}HandIndex3", "{Side}HandIndex2", "index3", "Finger12"}, {"{Side}HandIndex4", "{Side}HandIndex3", "index4", ""},
			{"{Side}HandMiddle1", "{Side}Hand", "middle1", "Finger2"}, {"{Side}HandMiddle2", "{Side}HandMiddle1", "middle2", "Finger21"},
			{"{Side}HandMiddle3", "{Side}HandMiddle2", "middle3", "Finger22"}, {"{Side}HandMiddle4", "{Side}HandMiddle3", "middle4", ""},
			{"{Side}HandRing1", "{Side}Hand", "ring1", "Finger3"}, {"{Side}HandRing2", "{Side}HandRing1", "ring2", "Finger31"},
			{"{Side}HandRing3", "{Side}HandRing2", "ring3", "Finger32"}, {"{Side}HandRing4", "{Side}HandRing3", "ring4", ""},
			{"{Side}HandPinky1", "{Side}Hand", "pinky1", "Finger4"}, {"{Side}HandPinky2", "{Side}HandPinky1", "pinky2", "Finger41"},
			{"{Side}HandPinky3", "{Side}HandPinky2", "pinky3", "Finger42"}, {"{Side}HandPinky4", "{Side}HandPinky3", "pinky4", ""}});
	return Builder.Build();
}

FTestRig MakeSuiteBiped()
{
	// Two spine links, twist bones and the nubs that end every chain; thighs under the first spine
	// bone and clavicles under the neck, as this rig family places them.
	FRigBuilder Builder("SuiteBiped", "\"Bip001 Pelvis\" biped with two spine links, twist bones, nubs and footsteps", true);
	Builder
		.Centre({{"Bip001", "", "com", ""}, {"Bip001 Footsteps", "Bip001", "ikroot", ""}, {"Bip001 Pelvis", "Bip001", "pelvis", "Hips"},
			{"Bip001 Spine", "Bip001 Pelvis", "spine1", "Chest"}, {"Bip001 Spine1", "Bip001 Spine", "spine3", "Chest1"},
			{"Bip001 Neck", "Bip001 Spine1", "neck", "Neck"}, {"Bip001 Head", "Bip001 Neck", "head", "Neck1"},
			{"Bip001 HeadNub", "Bip001 Head", "headtop", ""}})
		.Sides({{"Bip001 {S} Thigh", "Bip001 Spine", "thigh", "Hip"}, {"Bip001 {S} Calf", "Bip001 {S} Thigh", "calf", "Knee"},
			{"Bip001 {S} Foot", "Bip001 {S} Calf", "foot", "Ankle"}, {"Bip001 {S} Toe0", "Bip001 {S} Foot", "ball", "Toe"},
			{"Bip001 {S} Toe0Nub", "Bip001 {S} Toe0", "toetip", ""},
			{"Bip001 {S} Clavicle", "Bip001 Neck", "clavicle", "Collar"}, {"Bip001 {S} UpperArm", "Bip001 {S} Clavicle", "upperarm", "Shoulder"},
			{"Bip001 {S}UpArmTwist", "Bip001 {S} UpperArm", "upperarmtwist", ""},
			{"Bip001 {S} Forearm", "Bip001 {S} UpperArm", "lowerarm", "Elbow"}, {"Bip001 {S} ForeTwist", "Bip001 {S} Forearm", "lowerarmtwist", ""},
			{"Bip001 {S} Hand", "Bip001 {S} Forearm", "hand", "Wrist"},
			{"Bip001 {S} Finger0", "Bip001 {S} Hand", "thumb1", "Finger0"}, {"Bip001 {S} Finger01", "Bip001 {S} Finger0", "thumb2", "Finger01"},
			{"Bip001 {S} Finger02", "Bip001 {S} Finger01", "thumb3", "Finger02"}, {"Bip001 {S} Finger0Nub", "Bip001 {S} Finger02", "thumb4", ""},
			{"Bip001 {S} Finger1", "Bip001 {S} Hand", "index1", "Finger1"}, {"Bip001 {S} Finger11", "Bip001 {S} Finger1", "index2", "Finger11"},
			{"Bip001 {S} Finger12", "Bip001 {S} Finger11", "index3", "Finger12"}, {"Bip001 {S} Finger1Nub", "Bip001 {S} Finger12", "index4", ""},
			{"Bip001 {S} Finger2", "Bip001 {S} Hand", "middle1", "Finger2"}, {"Bip001 {S} Finger21", "Bip001 {S} Finger2", "middle2", "Finger21"},
			{"Bip001 {S} Finger22", "Bip001 {S} Finger21", "middle3", "Finger22"}, {"Bip001 {S} Finger2Nub", "Bip001 {S} Finger22", "middle4", ""},
			{"Bip001 {S} Finger3", "Bip001 {S} Hand", "ring1", "Finger3"}, {"Bip001 {S} Finger31", "Bip001 {S} Finger3", "ring2", "Finger31"},
			{"Bip001 {S} Finger32", "Bip001 {S} Finger31", "ring3", "Finger32"}, {"Bip001 {S} Finger3Nub", "Bip001 {S} Finger32", "ring4", ""},
			{"Bip001 {S} Finger4", "Bip001 {S} Hand", "pinky1", "Finger4"}, {"Bip001 {S} Finger41", "Bip001 {S} Finger4", "pinky2", "Finger41"},
			{"Bip001 {S} Finger42", "Bip001 {S} Finger41", "pinky3", "Finger42"}, {"Bip001 {S} Finger4Nub", "Bip001 {S} Finger42", "pinky4", ""}});
	FTestRig Rig = Builder.Build();
	Rig.bWriteBvh = false; // BVH joint names end at the first blank
	return Rig;
}

FTestRig MakeHumanIK()
{
	FRigBuilder Builder("HumanIK", "3D-suite human-IK names (Character1_Hips, Character1_LeftInHandIndex ...) under a reference node, with roll bones", true);
	Builder
		.Centre({{"Character1_Reference", "", "root", ""}, {"Character1_Hips", "Character1_Reference", "pelvis", "Hips"},
			{"Character1_Spine", "Character1_Hips", "spine4a", "Chest"}, {"Character1_Spine1", "Character1_Spine", "spine4b", "Chest1"},
			{"Character1_Spine2", "Character1_Spine1", "spine4c", "Chest2"}, {"Character1_Spine3", "Character1_Spine2", "spine4d", ""},
			{"Character1_Neck", "Character1_Spine3", "neck", "Neck"}, {"Character1_Neck1", "Character1_Neck", "neck2", ""},
			{"Character1_Head", "Character1_Neck1", "head", "Neck1"}})
		.Sides({{"Character1_{Side}UpLeg", "Character1_Hips", "thigh", "Hip"}, {"Character1_{Side}UpLegRoll", "Character1_{Side}UpLeg", "thightwist", ""},
			{"Character1_{Side}Leg", "Character1_{Side}UpLeg", "calf", "Knee"}, {"Character1_{Side}LegRoll", "Character1_{Side}Leg", "calftwist", ""},
			{"Character1_{Side}Foot", "Character1_{Side}Leg", "foot", "Ankle"}, {"Character1_{Side}ToeBase", "Character1_{Side}Foot", "ball", "Toe"},
			{"Character1_{Side}Shoulder", "Character1_Spine3", "clavicle", "Collar"},
			{"Character1_{Side}Arm", "Character1_{Side}Shoulder", "upperarm", "Shoulder"},
			{"Character1_{Side}ArmRoll", "Character1_{Side}Arm", "upperarmtwist", ""},
			{"Character1_{Side}ForeArm", "Character1_{Side}Arm", "lowerarm", "Elbow"},
			{"Character1_{Side}ForeArmRoll", "Character1_{Side}ForeArm", "lowerarmtwist", ""},
			{"Character1_{Side}Hand", "Character1_{Side}ForeArm", "hand", "Wrist"},
			{"Character1_{Side}HandThumb1", "Character1_{Side}Hand", "thumb1", "Finger0"},
			{"Character1_{Side}HandThumb2", "Character1_{Side}HandThumb1", "thumb2", "Finger01"},
			{"Character1_{Side}HandThumb3", "Character1_{Side}HandThumb2", "thumb3", "Finger02"},
			{"Character1_{Side}HandThumb4", "Character1_{Side}HandThumb3", "thumb4", ""},
			{"Character1_{Side}InHandIndex", "Character1_{Side}Hand", "carpalindex", ""},
			{"Character1_{Side}HandIndex1", "Character1_{Side}InHandIndex", "index1", "Finger1"},
			{"Character1_{Side}HandIndex2", "Character1_{Side}HandIndex1", "index2", "Finger11"},
			{"Character1_{Side}HandIndex3", "Character1_{Side}HandIndex2", "index3", "Finger12"},
			{"Character1_{Side}HandIndex4", "Character1_{Side}HandIndex3", "index4", ""},
			{"Character1_{Side}InHandMiddle", "Character1_{Side}Hand", "carpalmiddle", ""},
			{"Character1_{Side}HandMiddle1", "Character1_{Side}InHandMiddle", "middle1", "Finger2"},
			{"Character1_{Side}HandMiddle2", "Character1_{Side}HandMiddle1", "middle2", "Finger21"},
			{"Character1_{Side}HandMiddle3", "Character1_{Side}HandMiddle2", "middle3", "Finger22"},
			{"Character1_{Side}HandMiddle4", "Character1_{Side}HandMiddle3", "middle4", ""},
			{"Character1_{Side}InHandRing", "Character1_{Side}Hand", "carpalring", ""},
			{"Character1_{Side}HandRing1", "Character1_{Side}InHandRing", "ring1", "Finger3"},
			{"Character1_{Side}HandRing2", "Character1_{Side}HandRing1", "ring2", "Finger31"},
			{"Character1_{Side}HandRing3", "Character1_{Side}HandRing2", "ring3", "Finger32"},
			{"Character1_{Side}HandRing4", "Character1_{Side}HandRing3", "ring4", ""},
			{"Character1_{Side}InHandPinky", "Character1_{Side}Hand", "carpalpinky", ""},
			{"Character1_{Side}HandPinky1", "Character1_{Side}InHandPinky", "pinky1", "Finger4"},
			{"Character1_{Side}HandPinky2", "Character1_{Side}HandPinky1", "pinky2", "Finger41"},
			{"Character1_{Side}HandPinky3", "Character1_{Side}HandPinky2", "pinky3", "Finger42"},
			{"Character1_{Side}HandPinky4", "Character1_{Side}HandPinky3", "pinky4", ""}});
	return Builder.Build();
}

FTestRig MakeRigGeneratorMeta()
{
	// The generator's meta rig: the first spine bone is the hips and carries the thighs; spine.004
	// and .005 are the neck, .006 the head; the thumb and index share the first palm bone.
	FRigBuilder Builder("RigGeneratorMeta", "rig-generator meta rig (spine, spine.001 ... spine.006, thigh.L, f_index.01.L, palm.01.L ...)", false);
	Builder
		.Centre({{"spine", "", "pelvis", "Hips"}, {"spine.001", "spine", "spine1", "Chest"}, {"spine.002", "spine.001", "spine2", "Chest1"},
			{"spine.003", "spine.002", "spine3", "Chest2"}, {"spine.004", "spine.003", "neck", "Neck"}, {"spine.005", "spine.004", "neck2", ""},
			{"spine.006", "spine.005", "head", "Neck1"}})
		.Sides({{"pelvis.{S}", "spine", "hipjoint", ""}, {"thigh.{S}", "spine", "thigh", "Hip"}, {"shin.{S}", "thigh.{S}", "calf", "Knee"},
			{"foot.{S}", "shin.{S}", "foot", "Ankle"}, {"toe.{S}", "foot.{S}", "ball", "Toe"}, {"heel.02.{S}", "foot.{S}", "heel", ""},
			{"breast.{S}", "spine.003", "eye", ""}, {"shoulder.{S}", "spine.003", "clavicle", "Collar"},
			{"upper_arm.{S}", "shoulder.{S}", "upperarm", "Shoulder"}, {"forearm.{S}", "upper_arm.{S}", "lowerarm", "Elbow"},
			{"hand.{S}", "forearm.{S}", "hand", "Wrist"},
			{"palm.01.{S}", "hand.{S}", "carpalindex", ""}, {"palm.02.{S}", "hand.{S}", "carpalmiddle", ""},
			{"palm.03.{S}", "hand.{S}", "carpalring", ""}, {"palm.04.{S}", "hand.{S}", "carpalpinky", ""},
			{"thumb.01.{S}", "palm.01.{S}", "thumb1", "Finger0"}, {"thumb.02.{S}", "thumb.01.{S}", "thumb2", "Finger01"},
			{"thumb.03.{S}", "thumb.02.{S}", "thumb3", "Finger02"},
			{"f_index.01.{S}", "palm.01.{S}", "index1", "Finger1"}, {"f_index.02.{S}", "f_index.01.{S}", "index2", "Finger11"},
			{"f_index.03.{S}", "f_index.02.{S}", "index3", "Finger12"},
			{"f_middle.01.{S}", "palm.02.{S}", "middle1", "Finger2"}, {"f_middle.02.{S}", "f_middle.01.{S}", "middle2", "Finger21"},
			{"f_middle.03.{S}", "f_middle.02.{S}", "middle3", "Finger22"},
			{"f_ring.01.{S}", "palm.03.{S}", "ring1", "Finger3"}, {"f_ring.02.{S}", "f_ring.01.{S}", "ring2", "Finger31"},
			{"f_ring.03.{S}", "f_ring.02.{S}", "ring3", "Finger32"},
			{"f_pinky.01.{S}", "palm.04.{S}", "pinky1", "Finger4"}, {"f_pinky.02.{S}", "f_pinky.01.{S}", "pinky2", "Finger41"},
			{"f_pinky.03.{S}", "f_pinky.02.{S}", "pinky3", "Finger42"}});
	return Builder.Build();
}

FTestRig MakeJapaneseModel()
{
	// The common Japanese-named model: the lower body (legs) and upper body (spine) hang side by
	// side from the waist; shoulder helper bones around the collar, twist bones inside the arm, a
	// thumb of three bones numbered from 0, and foot IK bones under the root.
	FRigBuilder Builder("JapaneseModel", "Japanese-named model (下半身, 上半身, 左腕, 左親指０ ...) with twist, shoulder helper and IK bones", false);
	Builder
		.Centre({{"全ての親", "", "root", ""}, {"センター", "全ての親", "com", ""}, {"グルーブ", "センター", "com", ""},
			{"腰", "グルーブ", "pelvis", ""}, {"下半身", "腰", "pelvis", "Hips"}, {"上半身", "腰", "spine1", "Chest"},
			{"上半身2", "上半身", "spine3", "Chest1"}, {"首", "上半身2", "neck", "Neck"}, {"頭", "首", "head", "Neck1"},
			{"両目", "頭", "eye", ""}})
		.Sides({{"{J}目", "頭", "eye", ""}, {"{J}足", "下半身", "thigh", "Hip"}, {"{J}ひざ", "{J}足", "calf", "Knee"},
			{"{J}足首", "{J}ひざ", "foot", "Ankle"}, {"{J}つま先", "{J}足首", "ball", "Toe"},
			{"{J}肩P", "上半身2", "clavicleaux", ""}, {"{J}肩", "{J}肩P", "clavicle", "Collar"}, {"{J}肩C", "{J}肩", "upperarmaux", ""},
			{"{J}腕", "{J}肩C", "upperarm", "Shoulder"}, {"{J}腕捩", "{J}腕", "upperarmtwist", ""},
			{"{J}ひじ", "{J}腕捩", "lowerarm", "Elbow"}, {"{J}手捩", "{J}ひじ", "lowerarmtwist", ""}, {"{J}手首", "{J}手捩", "hand", "Wrist"},
			{"{J}親指０", "{J}手首", "thumb1", "Finger0"}, {"{J}親指１", "{J}親指０", "thumb2", "Finger01"},
			{"{J}親指２", "{J}親指１", "thumb3", "Finger02"},
			{"{J}人指１", "{J}手首", "index1", "Finger1"}, {"{J}人指２", "{J}人指１", "index2", "Finger11"}, {"{J}人指３", "{J}人指２", "index3", "Finger12"},
			{"{J}中指１", "{J}手首", "middle1", "Finger2"}, {"{J}中指２", "{J}中指１", "middle2", "Finger21"}, {"{J}中指３", "{J}中指２", "middle3", "Finger22"},
			{"{J}薬指１", "{J}手首", "ring1", "Finger3"}, {"{J}薬指２", "{J}薬指１", "ring2", "Finger31"}, {"{J}薬指３", "{J}薬指２", "ring3", "Finger32"},
			{"{J}小指１", "{J}手首", "pinky1", "Finger4"}, {"{J}小指２", "{J}小指１", "pinky2", "Finger41"}, {"{J}小指３", "{J}小指２", "pinky3", "Finger42"},
			{"{J}足ＩＫ", "全ての親", "ikfoot", ""}, {"{J}つま先ＩＫ", "{J}足ＩＫ", "ikball", ""}});
	return Builder.Build();
}

FTestRig MakeAvatarHumanoidV1()
{
	// The avatar format's second version names its humanoid bones in lower camel case and gives
	// the thumb a metacarpal, proximal and distal bone.
	FRigBuilder Builder("AvatarHumanoidV1", "avatar format, second version: humanoid names (hips, upperChest, leftThumbMetacarpal ...)", true);
	Builder
		.Centre({{"Root", "", "root", ""}, {"hips", "Root", "pelvis", "Hips"}, {"spine", "hips", "spine1", "Chest"}, {"chest", "spine", "spine2", "Chest1"},
			{"upperChest", "chest", "spine3", "Chest2"}, {"neck", "upperChest", "neck", "Neck"}, {"head", "neck", "head", "Neck1"}})
		.Sides({{"{side}Eye", "head", "eye", ""}, {"{side}UpperLeg", "hips", "thigh", "Hip"}, {"{side}LowerLeg", "{side}UpperLeg", "calf", "Knee"},
			{"{side}Foot", "{side}LowerLeg", "foot", "Ankle"}, {"{side}Toes", "{side}Foot", "ball", "Toe"},
			{"{side}Shoulder", "upperChest", "clavicle", "Collar"}, {"{side}UpperArm", "{side}Shoulder", "upperarm", "Shoulder"},
			{"{side}LowerArm", "{side}UpperArm", "lowerarm", "Elbow"}, {"{side}Hand", "{side}LowerArm", "hand", "Wrist"},
			{"{side}ThumbMetacarpal", "{side}Hand", "thumb1", "Finger0"}, {"{side}ThumbProximal", "{side}ThumbMetacarpal", "thumb2", "Finger01"},
			{"{side}ThumbDistal", "{side}ThumbProximal", "thumb3", "Finger02"},
			{"{side}IndexProximal", "{side}Hand", "index1", "Finger1"}, {"{side}IndexIntermediate", "{side}IndexProximal", "index2", "Finger11"},
			{"{side}IndexDistal", "{side}IndexIntermediate", "index3", "Finger12"},
			{"{side}MiddleProximal", "{side}Hand", "middle1", "Finger2"}, {"{side}MiddleIntermediate", "{side}MiddleProximal", "middle2", "Finger21"},
			{"{side}MiddleDistal", "{side}MiddleIntermediate", "middle3", "Finger22"},
			{"{side}RingProximal", "{side}Hand", "ring1", "Finger3"}, {"{side}RingIntermediate", "{side}RingProximal", "ring2", "Finger31"},
			{"{side}RingDistal", "{side}RingIntermediate", "ring3", "Finger32"},
			{"{side}LittleProximal", "{side}Hand", "pinky1", "Finger4"}, {"{side}LittleIntermediate", "{side}LittleProximal", "pinky2", "Finger41"},
			{"{side}LittleDistal", "{side}LittleIntermediate", "pinky3", "Finger42"}});
	return Builder.Build();
}

FTestRig MakeCreatorSnakeCase()
{
	// A character creator's newer figure: lower-case names with the side in front ("l_thigh"), the
	// collar called shoulder, four spine bones, two neck bones, twist bones and metacarpals.
	FRigBuilder Builder("CreatorSnakeCase", "character-creator figure with l_/r_ names (l_shoulder is the collar), four spine and two neck bones", false);
	Builder
		.Centre({{"hip", "", "pelvis", "Hips"}, {"pelvis", "hip", "pelvis", ""}, {"spine1", "hip", "spine4a", "Chest"},
			{"spine2", "spine1", "spine4b", "Chest1"}, {"spine3", "spine2", "spine4c", "Chest2"}, {"spine4", "spine3", "spine4d", ""},
			{"neck1", "spine4", "neck", "Neck"}, {"neck2", "neck1", "neck2", ""}, {"head", "neck2", "head", "Neck1"}})
		.Sides({{"{s}_eye", "head", "eye", ""}, {"{s}_thigh", "pelvis", "thigh", "Hip"}, {"{s}_thigh_twist1", "{s}_thigh", "thightwist2", ""},
			{"{s}_thigh_twist2", "{s}_thigh", "thightwist", ""}, {"{s}_shin", "{s}_thigh", "calf", "Knee"}, {"{s}_foot", "{s}_shin", "foot", "Ankle"},
			{"{s}_metatarsal", "{s}_foot", "metatarsal", ""}, {"{s}_toes", "{s}_metatarsal", "ball", "Toe"},
			{"{s}_shoulder", "spine4", "clavicle", "Collar"}, {"{s}_upperarm", "{s}_shoulder", "upperarm", "Shoulder"},
			{"{s}_upperarm_twist1", "{s}_upperarm", "upperarmtwist2", ""}, {"{s}_upperarm_twist2", "{s}_upperarm", "upperarmtwist", ""},
			{"{s}_forearm", "{s}_upperarm", "lowerarm", "Elbow"}, {"{s}_forearm_twist1", "{s}_forearm", "lowerarmtwist2", ""},
			{"{s}_forearm_twist2", "{s}_forearm", "lowerarmtwist", ""}, {"{s}_hand", "{s}_forearm", "hand", "Wrist"},
			{"{s}_thumb1", "{s}_hand", "thumb1", "Finger0"}, {"{s}_thumb2", "{s}_thumb1", "thumb2", "Finger01"}, {"{s}_thumb3", "{s}_thumb2", "thumb3", "Finger02"},
			{"{s}_index_metacarpal", "{s}_hand", "carpalindex", ""}, {"{s}_index1", "{s}_index_metacarpal", "index1", "Finger1"},
			{"{s}_index2", "{s}_index1", "index2", "Finger11"}, {"{s}_index3", "{s}_index2", "index3", "Finger12"},
			{"{s}_mid_metacarpal", "{s}_hand", "carpalmiddle", ""}, {"{s}_mid1", "{s}_mid_metacarpal", "middle1", "Finger2"},
			{"{s}_mid2", "{s}_mid1", "middle2", "Finger21"}, {"{s}_mid3", "{s}_mid2", "middle3", "Finger22"},
			{"{s}_ring_metacarpal", "{s}_hand", "carpalring", ""}, {"{s}_ring1", "{s}_ring_metacarpal", "ring1", "Finger3"},
			{"{s}_ring2", "{s}_ring1", "ring2", "Finger31"}, {"{s}_ring3", "{s}_ring2", "ring3", "Finger32"},
			{"{s}_pinky_metacarpal", "{s}_hand", "carpalpinky", ""}, {"{s}_pinky1", "{s}_pinky_metacarpal", "pinky1", "Finger4"},
			{"{s}_pinky2", "{s}_pinky1", "pinky2", "Finger41"}, {"{s}_pinky3", "{s}_pinky2", "pinky3", "Finger42"}});
	return Builder.Build();
}

FTestRig MakeBodyScan()
{
	// The body-scan model's 24 joints, named for joints: a "Foot" under the ankle is the ball of
	// the foot and a "Hand" under the wrist the hand's end; it has no fingers.
	FRigBuilder Builder("BodyScan", "body-scan model joints (m_avg_Pelvis, m_avg_L_Hip ... m_avg_L_Hand), no fingers", true);
	Builder
		.Centre({{"m_avg_root", "", "root", ""}, {"m_avg_Pelvis", "m_avg_root", "pelvis", "Hips"}, {"m_avg_Spine1", "m_avg_Pelvis", "spine1", "Chest"},
			{"m_avg_Spine2", "m_avg_Spine1", "spine2", "Chest1"}, {"m_avg_Spine3", "m_avg_Spine2", "spine3", "Chest2"},
			{"m_avg_Neck", "m_avg_Spine3", "neck", "Neck"}, {"m_avg_Head", "m_avg_Neck", "head", "Neck1"}})
		.Sides({{"m_avg_{S}_Hip", "m_avg_Pelvis", "thigh", "Hip"}, {"m_avg_{S}_Knee", "m_avg_{S}_Hip", "calf", "Knee"},
			{"m_avg_{S}_Ankle", "m_avg_{S}_Knee", "foot", "Ankle"}, {"m_avg_{S}_Foot", "m_avg_{S}_Ankle", "ball", "Toe"},
			{"m_avg_{S}_Collar", "m_avg_Spine3", "clavicle", "Collar"}, {"m_avg_{S}_Shoulder", "m_avg_{S}_Collar", "upperarm", "Shoulder"},
			{"m_avg_{S}_Elbow", "m_avg_{S}_Shoulder", "lowerarm", "Elbow"}, {"m_avg_{S}_Wrist", "m_avg_{S}_Elbow", "hand", "Wrist"},
			{"m_avg_{S}_Hand", "m_avg_{S}_Wrist", "handmid", ""}});
	return Builder.Build();
}

FTestRig MakeBodyScanHands()
{
	FRigBuilder Builder("BodyScanHands", "body-scan model with hands (pelvis, left_hip, spine3, left_collar, left_index1 ...), joint names in snake case", true);
	Builder
		.Centre({{"root", "", "root", ""}, {"pelvis", "root", "pelvis", "Hips"}, {"spine1", "pelvis", "spine1", "Chest"},
			{"spine2", "spine1", "spine2", "Chest1"}, {"spine3", "spine2", "spine3", "Chest2"}, {"neck", "spine3", "neck", "Neck"},
			{"head", "neck", "head", "Neck1"}, {"jaw", "head", "eye", ""}})
		.Sides({{"{side}_eye_smplhf", "head", "eye", ""}, {"{side}_hip", "pelvis", "thigh", "Hip"}, {"{side}_knee", "{side}_hip", "calf", "Knee"},
			{"{side}_ankle", "{side}_knee", "foot", "Ankle"}, {"{side}_foot", "{side}_ankle", "ball", "Toe"},
			{"{side}_collar", "spine3", "clavicle", "Collar"}, {"{side}_shoulder", "{side}_collar", "upperarm", "Shoulder"},
			{"{side}_elbow", "{side}_shoulder", "lowerarm", "Elbow"}, {"{side}_wrist", "{side}_elbow", "hand", "Wrist"},
			{"{side}_index1", "{side}_wrist", "index1", "Finger1"}, {"{side}_index2", "{side}_index1", "index2", "Finger11"},
			{"{side}_index3", "{side}_index2", "index3", "Finger12"},
			{"{side}_middle1", "{side}_wrist", "middle1", "Finger2"}, {"{side}_middle2", "{side}_middle1", "middle2", "Finger21"},
			{"{side}_middle3", "{side}_middle2", "middle3", "Finger22"},
			{"{side}_pinky1", "{side}_wrist", "pinky1", "Finger4"}, {"{side}_pinky2", "{side}_pinky1", "pinky2", "Finger41"},
			{"{side}_pinky3", "{side}_pinky2", "pinky3", "Finger42"},
			{"{side}_ring1", "{side}_wrist", "ring1", "Finger3"}, {"{side}_ring2", "{side}_ring1", "ring2", "Finger31"},
			{"{side}_ring3", "{side}_ring2", "ring3", "Finger32"},
			{"{side}_thumb1", "{side}_wrist", "thumb1", "Finger0"}, {"{side}_thumb2", "{side}_thumb1", "thumb2", "Finger01"},
			{"{side}_thumb3", "{side}_thumb2", "thumb3", "Finger02"}});
	return Builder.Build();
}

FTestRig MakeDepthCameraJoints()
{
	// A depth camera's 25 joints: no collar (the shoulders hang from the top of the spine), the
	// side after the word, a thumb straight from the wrist and a hand tip beyond the hand.
	FRigBuilder Builder("DepthCameraJoints", "depth-camera joints (SpineBase, SpineMid, SpineShoulder, HipLeft, ThumbLeft ...)", true);
	Builder
		.Centre({{"SpineBase", "", "pelvis", "Hips"}, {"SpineMid", "SpineBase", "spine2", "Chest"}, {"SpineShoulder", "SpineMid", "spine3", "Chest1"},
			{"Neck", "SpineShoulder", "neck", "Neck"}, {"Head", "Neck", "head", "Neck1"}})
		.Sides({{"Hip{Side}", "SpineBase", "thigh", "Hip"}, {"Knee{Side}", "Hip{Side}", "calf", "Knee"}, {"Ankle{Side}", "Knee{Side}", "foot", "Ankle"},
			{"Foot{Side}", "Ankle{Side}", "ball", "Toe"}, {"Shoulder{Side}", "SpineShoulder", "upperarm", "Shoulder"},
			{"Elbow{Side}", "Shoulder{Side}", "lowerarm", "Elbow"}, {"Wrist{Side}", "Elbow{Side}", "hand", "Wrist"},
			{"Hand{Side}", "Wrist{Side}", "handmid", ""}, {"HandTip{Side}", "Hand{Side}", "handtip", ""}, {"Thumb{Side}", "Wrist{Side}", "thumb2", "Finger0"}});
	return Builder.Build();
}

FTestRig MakeDepthCameraBody()
{
	FRigBuilder Builder("DepthCameraBody", "body-tracking depth camera joints in capitals (PELVIS, SPINE_NAVEL, SPINE_CHEST, CLAVICLE_LEFT ...)", true);
	Builder
		.Centre({{"PELVIS", "", "pelvis", "Hips"}, {"SPINE_NAVEL", "PELVIS", "spine2", "Chest"}, {"SPINE_CHEST", "SPINE_NAVEL", "spine3", "Chest1"},
			{"NECK", "SPINE_CHEST", "neck", "Neck"}, {"HEAD", "NECK", "head", "Neck1"}, {"NOSE", "HEAD", "eye", ""}})
		.Sides({{"EYE_{SIDE}", "HEAD", "eye", ""}, {"EAR_{SIDE}", "HEAD", "eye", ""},
			{"HIP_{SIDE}", "PELVIS", "thigh", "Hip"}, {"KNEE_{SIDE}", "HIP_{SIDE}", "calf", "Knee"}, {"ANKLE_{SIDE}", "KNEE_{SIDE}", "foot", "Ankle"},
			{"FOOT_{SIDE}", "ANKLE_{SIDE}", "ball", "Toe"}, {"CLAVICLE_{SIDE}", "SPINE_CHEST", "clavicle", "Collar"},
			{"SHOULDER_{SIDE}", "CLAVICLE_{SIDE}", "upperarm", "Shoulder"}, {"ELBOW_{SIDE}", "SHOULDER_{SIDE}", "lowerarm", "Elbow"},
			{"WRIST_{SIDE}", "ELBOW_{SIDE}", "hand", "Wrist"}, {"HAND_{SIDE}", "WRIST_{SIDE}", "handmid", ""},
			{"HANDTIP_{SIDE}", "HAND_{SIDE}", "handtip", ""}, {"THUMB_{SIDE}", "WRIST_{SIDE}", "thumb2", "Finger0"}});
	return Builder.Build();
}

FTestRig MakeInertialSuitSegments()
{
	// An inertial suit's segment names: vertebra codes for the torso, and fingers by ordinal with
	// bone codes (MC metacarpal, PP/MP/DP phalanges); the thumb's metacarpal is its first bone.
	FRigBuilder Builder("InertialSuitSegments", "inertial-suit segments (Pelvis, L5, L3, T12, T8, LeftFirstMC, LeftSecondPP ...)", true);
	Builder
		.Centre({{"Pelvis", "", "pelvis", "Hips"}, {"L5", "Pelvis", "spine4a", "Chest"}, {"L3", "L5", "spine4b", "Chest1"},
			{"T12", "L3", "spine4c", "Chest2"}, {"T8", "T12", "spine4d", ""}, {"Neck", "T8", "neck", "Neck"}, {"Head", "Neck", "head", "Neck1"}})
		.Sides({{"{Side}UpperLeg", "Pelvis", "thigh", "Hip"}, {"{Side}LowerLeg", "{Side}UpperLeg", "calf", "Knee"},
			{"{Side}Foot", "{Side}LowerLeg", "foot", "Ankle"}, {"{Side}Toe", "{Side}Foot", "ball", "Toe"},
			{"{Side}Shoulder", "T8", "clavicle", "Collar"}, {"{Side}UpperArm", "{Side}Shoulder", "upperarm", "Shoulder"},
			{"{Side}ForeArm", "{Side}UpperArm", "lowerarm", "Elbow"}, {"{Side}Hand", "{Side}ForeArm", "hand", "Wrist"},
			{"{Side}FirstMC", "{Side}Hand", "thumb1", "Finger0"}, {"{Side}FirstPP", "{Side}FirstMC", "thumb2", "Finger01"},
			{"{Side}FirstDP", "{Side}FirstPP", "thumb3", "Finger02"},
			{"{Side}SecondMC", "{Side}Hand", "carpalindex", ""}, {"{Side}SecondPP", "{Side}SecondMC", "index1", "Finger1"},
			{"{Side}SecondMP", "{Side}SecondPP", "index2", "Finger11"}, {"{Side}SecondDP", "{Side}SecondMP", "index3", "Finger12"},
			{"{Side}ThirdMC", "{Side}Hand", "carpalmiddle", ""}, {"{Side}ThirdPP", "{Side}ThirdMC", "middle1", "Finger2"},
			{"{Side}ThirdMP", "{Side}ThirdPP", "middle2", "Finger21"}, {"{Side}ThirdDP", "{Side}ThirdMP", "middle3", "Finger22"},
			{"{Side}FourthMC", "{Side}Hand", "carpalring", ""}, {"{Side}FourthPP", "{Side}FourthMC", "ring1", "Finger3"},
			{"{Side}FourthMP", "{Side}FourthPP", "ring2", "Finger31"}, {"{Side}FourthDP", "{Side}FourthMP", "ring3", "Finger32"},
			{"{Side}FifthMC", "{Side}Hand", "carpalpinky", ""}, {"{Side}FifthPP", "{Side}FifthMC", "pinky1", "Finger4"},
			{"{Side}FifthMP", "{Side}FifthPP", "pinky2", "Finger41"}, {"{Side}FifthDP", "{Side}FifthMP", "pinky3", "Finger42"}});
	return Builder.Build();
}

FTestRig MakeInertialSuitNeuron()
{
	// Another maker's suit: no toe bones, palm bones "InHand<Finger>" before each finger but the thumb.
	FRigBuilder Builder("InertialSuitNeuron", "inertial-suit skeleton (Hips, Spine2, Neck1, LeftHandThumb1, LeftInHandIndex ...), no toes", true);
	Builder
		.Centre({{"Hips", "", "pelvis", "Hips"}, {"Spine", "Hips", "spine1", "Chest"}, {"Spine1", "Spine", "spine2", "Chest1"},
			{"Spine2", "Spine1", "spine3", "Chest2"}, {"Neck", "Spine2", "neck", "Neck"}, {"Neck1", "Neck", "neck2", ""}, {"Head", "Neck1", "head", "Neck1"}})
		.Sides({{"{Side}UpLeg", "Hips", "thigh", "Hip"}, {"{Side}Leg", "{Side}UpLeg", "calf", "Knee"}, {"{Side}Foot", "{Side}Leg", "foot", "Ankle"},
			{"{Side}Shoulder", "Spine2", "clavicle", "Collar"}, {"{Side}Arm", "{Side}Shoulder", "upperarm", "Shoulder"},
			{"{Side}ForeArm", "{Side}Arm", "lowerarm", "Elbow"}, {"{Side}Hand", "{Side}ForeArm", "hand", "Wrist"},
			{"{Side}HandThumb1", "{Side}Hand", "thumb1", "Finger0"}, {"{Side}HandThumb2", "{Side}HandThumb1", "thumb2", "Finger01"},
			{"{Side}HandThumb3", "{Side}HandThumb2", "thumb3", "Finger02"},
			{"{Side}InHandIndex", "{Side}Hand", "carpalindex", ""}, {"{Side}HandIndex1", "{Side}InHandIndex", "index1", "Finger1"},
			{"{Side}HandIndex2", "{Side}HandIndex1", "index2", "Finger11"}, {"{Side}HandIndex3", "{Side}HandIndex2", "index3", "Finger12"},
			{"{Side}InHandMiddle", "{Side}Hand", "carpalmiddle", ""}, {"{Side}HandMiddle1", "{Side}InHandMiddle", "middle1", "Finger2"},
			{"{Side}HandMiddle2", "{Side}HandMiddle1", "middle2", "Finger21"}, {"{Side}HandMiddle3", "{Side}HandMiddle2", "middle3", "Finger22"},
			{"{Side}InHandRing", "{Side}Hand", "carpalring", ""}, {"{Side}HandRing1", "{Side}InHandRing", "ring1", "Finger3"},
			{"{Side}HandRing2", "{Side}HandRing1", "ring2", "Finger31"}, {"{Side}HandRing3", "{Side}HandRing2", "ring3", "Finger32"},
			{"{Side}InHandPinky", "{Side}Hand", "carpalpinky", ""}, {"{Side}HandPinky1", "{Side}InHandPinky", "pinky1", "Finger4"},
			{"{Side}HandPinky2", "{Side}HandPinky1", "pinky2", "Finger41"}, {"{Side}HandPinky3", "{Side}HandPinky2", "pinky3", "Finger42"}});
	return Builder.Build();
}

FTestRig MakeVirtualWorldAvatar()
{
	// The virtual world's avatar: a glued "m" before every name, joint names with the side after
	// the word; the foot under the ankle is the ball and the toe beyond it the tip.
	FRigBuilder Builder("VirtualWorldAvatar", "virtual-world avatar (mPelvis, mTorso, mCollarLeft, mHipLeft, mFootLeft, mHandThumb1Left ...)", true);
	Builder
		.Centre({{"mPelvis", "", "pelvis", "Hips"}, {"mTorso", "mPelvis", "spine2", "Chest"}, {"mChest", "mTorso", "spine3", "Chest1"},
			{"mNeck", "mChest", "neck", "Neck"}, {"mHead", "mNeck", "head", "Neck1"}, {"mSkull", "mHead", "headtop", ""}})
		.Sides({{"mEye{Side}", "mHead", "eye", ""}, {"mHip{Side}", "mPelvis", "thigh", "Hip"}, {"mKnee{Side}", "mHip{Side}", "calf", "Knee"},
			{"mAnkle{Side}", "mKnee{Side}", "foot", "Ankle"}, {"mFoot{Side}", "mAnkle{Side}", "ball", "Toe"}, {"mToe{Side}", "mFoot{Side}", "toetip", ""},
			{"mCollar{Side}", "mChest", "clavicle", "Collar"}, {"mShoulder{Side}", "mCollar{Side}", "upperarm", "Shoulder"},
			{"mElbow{Side}", "mShoulder{Side}", "lowerarm", "Elbow"}, {"mWrist{Side}", "mElbow{Side}", "hand", "Wrist"},
			{"mHandThumb1{Side}", "mWrist{Side}", "thumb1", "Finger0"}, {"mHandThumb2{Side}", "mHandThumb1{Side}", "thumb2", "Finger01"},
			{"mHandThumb3{Side}", "mHandThumb2{Side}", "thumb3", "Finger02"},
			{"mHandIndex1{Side}", "mWrist{Side}", "index1", "Finger1"}, {"mHandIndex2{Side}", "mHandIndex1{Side}", "index2", "Finger11"},
			{"mHandIndex3{Side}", "mHandIndex2{Side}", "index3", "Finger12"},
			{"mHandMiddle1{Side}", "mWrist{Side}", "middle1", "Finger2"}, {"mHandMiddle2{Side}", "mHandMiddle1{Side}", "middle2", "Finger21"},
			{"mHandMiddle3{Side}", "mHandMiddle2{Side}", "middle3", "Finger22"},
			{"mHandRing1{Side}", "mWrist{Side}", "ring1", "Finger3"}, {"mHandRing2{Side}", "mHandRing1{Side}", "ring2", "Finger31"},
			{"mHandRing3{Side}", "mHandRing2{Side}", "ring3", "Finger32"},
			{"mHandPinky1{Side}", "mWrist{Side}", "pinky1", "Finger4"}, {"mHandPinky2{Side}", "mHandPinky1{Side}", "pinky2", "Finger41"},
			{"mHandPinky3{Side}", "mHandPinky2{Side}", "pinky3", "Finger42"}});
	return Builder.Build();
}

// An exported copy where the exporter appended each node's index to its name ("Hips_010").
FTestRig MakeIndexedExport()
{
	FTestRig Rig = MakeMixamo(false);
	Rig.Name = "IndexedExport";
	Rig.Description = "auto-rigger names as an exporter writes them with every node's index appended (Hips_010, LeftUpLeg_011 ...)";
	std::map<std::string, std::string> Renamed;
	for (size_t Index = 0; Index < Rig.Bones.size(); ++Index)
	{
		char Suffix[8];
		std::snprintf(Suffix, sizeof(Suffix), "_%03zu", Index + 10);
		Renamed[Rig.Bones[Index].Name] = Rig.Bones[Index].Name + Suffix;
	}
	for (FTestRigBone& Bone : Rig.Bones)
	{
		Bone.Name = Renamed[Bone.Name];
		Bone.Parent = Bone.Parent.empty() ? "" : Renamed[Bone.Parent];
	}
	return Rig;
}

FTestRig MakeRigGeneratorJointNamed()
{
	// A rig generator that names joints, marks the centre with "_M" and the side with "_L"/"_R",
	// splits segments with "Part" bones, calls the collar the scapula, and numbers each finger's
	// metacarpal 0 and its end 4.
	FRigBuilder Builder("RigGeneratorJointNamed", "joint-named generator rig (Root_M, Spine1_M, Chest_M, Scapula_L, Hip_L, HipPart1_L, IndexFinger0_L ...)", false);
	Builder
		.Centre({{"Root_M", "", "pelvis", "Hips"}, {"Spine1_M", "Root_M", "spine1", "Chest"}, {"Spine2_M", "Spine1_M", "spine2", "Chest1"},
			{"Chest_M", "Spine2_M", "spine3", "Chest2"}, {"Neck_M", "Chest_M", "neck", "Neck"}, {"Head_M", "Neck_M", "head", "Neck1"},
			{"HeadEnd_M", "Head_M", "headtop", ""}})
		.Sides({{"Hip_{S}", "Root_M", "thigh", "Hip"}, {"HipPart1_{S}", "Hip_{S}", "thightwist", ""}, {"Knee_{S}", "HipPart1_{S}", "calf", "Knee"},
			{"Ankle_{S}", "Knee_{S}", "foot", "Ankle"}, {"Toes_{S}", "Ankle_{S}", "ball", "Toe"}, {"ToesEnd_{S}", "Toes_{S}", "toetip", ""},
			{"Scapula_{S}", "Chest_M", "clavicle", "Collar"}, {"Shoulder_{S}", "Scapula_{S}", "upperarm", "Shoulder"},
			{"ShoulderPart1_{S}", "Shoulder_{S}", "upperarmtwist", ""}, {"Elbow_{S}", "ShoulderPart1_{S}", "lowerarm", "Elbow"},
			{"ElbowPart1_{S}", "Elbow_{S}", "lowerarmtwist", ""}, {"Wrist_{S}", "ElbowPart1_{S}", "hand", "Wrist"},
			{"ThumbFinger1_{S}", "Wrist_{S}", "thumb1", "Finger0"}, {"ThumbFinger2_{S}", "ThumbFinger1_{S}", "thumb2", "Finger01"},
			{"ThumbFinger3_{S}", "ThumbFinger2_{S}", "thumb3", "Finger02"}, {"ThumbFinger4_{S}", "ThumbFinger3_{S}", "thumb4", ""},
			{"IndexFinger0_{S}", "Wrist_{S}", "carpalindex", ""}, {"IndexFinger1_{S}", "IndexFinger0_{S}", "index1", "Finger1"},
			{"IndexFinger2_{S}", "IndexFinger1_{S}", "index2", "Finger11"}, {"IndexFinger3_{S}", "IndexFinger2_{S}", "index3", "Finger12"},
			{"IndexFinger4_{S}", "IndexFinger3_{S}", "index4", ""},
			{"MiddleFinger0_{S}", "Wrist_{S}", "carpalmiddle", ""}, {"MiddleFinger1_{S}", "MiddleFinger0_{S}", "middle1", "Finger2"},
			{"MiddleFinger2_{S}", "MiddleFinger1_{S}", "middle2", "Finger21"}, {"MiddleFinger3_{S}", "MiddleFinger2_{S}", "middle3", "Finger22"},
			{"MiddleFinger4_{S}", "MiddleFinger3_{S}", "middle4", ""},
			{"RingFinger0_{S}", "Wrist_{S}", "carpalring", ""}, {"RingFinger1_{S}", "RingFinger0_{S}", "ring1", "Finger3"},
			{"RingFinger2_{S}", "RingFinger1_{S}", "ring2", "Finger31"}, {"RingFinger3_{S}", "RingFinger2_{S}", "ring3", "Finger32"},
			{"RingFinger4_{S}", "RingFinger3_{S}", "ring4", ""},
			{"PinkyFinger0_{S}", "Wrist_{S}", "carpalpinky", ""}, {"PinkyFinger1_{S}", "PinkyFinger0_{S}", "pinky1", "Finger4"},
			{"PinkyFinger2_{S}", "PinkyFinger1_{S}", "pinky2", "Finger41"}, {"PinkyFinger3_{S}", "PinkyFinger2_{S}", "pinky3", "Finger42"},
			{"PinkyFinger4_{S}", "PinkyFinger3_{S}", "pinky4", ""}});
	FTestRig Rig = Builder.Build();
	Rig.bAlignedBones = true;
	return Rig;
}

FTestRig MakeCreatorNumberedFingers()
{
	// A character creator's default skeleton: the root is the hips and carries the legs through a
	// pelvis bone of each side, five spine bones count down to the chest, every limb segment is
	// split in two, fingers are numbered 1 (thumb) to 5, and the foot carries a chain per toe.
	FRigBuilder Builder("CreatorNumberedFingers", "character-creator default skeleton (root, spine05 ... spine01, upperleg01.L, finger2-1.L, toe1-1.L ...)", false);
	Builder
		.Centre({{"root", "", "pelvis", "Hips"}, {"spine05", "root", "spine5a", "Chest"}, {"spine04", "spine05", "spine5b", "Chest1"},
			{"spine03", "spine04", "spine5c", "Chest2"}, {"spine02", "spine03", "spine5d", ""}, {"spine01", "spine02", "spine5e", ""},
			{"neck01", "spine01", "neck", "Neck"}, {"neck02", "neck01", "neck2", ""}, {"neck03", "neck02", "neck3", ""}, {"head", "neck03", "head", "Neck1"}})
		.Sides({{"pelvis.{S}", "root", "hipjoint", ""}, {"upperleg01.{S}", "pelvis.{S}", "thigh", "Hip"}, {"upperleg02.{S}", "upperleg01.{S}", "thightwist", ""},
			{"lowerleg01.{S}", "upperleg02.{S}", "calf", "Knee"}, {"lowerleg02.{S}", "lowerleg01.{S}", "calftwist", ""},
			{"foot.{S}", "lowerleg02.{S}", "foot", "Ankle"}, {"toe1-1.{S}", "foot.{S}", "ball", ""}, {"toe1-2.{S}", "toe1-1.{S}", "toetip", ""},
			{"toe2-1.{S}", "foot.{S}", "toe2a", ""}, {"toe2-2.{S}", "toe2-1.{S}", "toe2b", ""},
			{"clavicle.{S}", "spine01", "clavicle", "Collar"}, {"shoulder01.{S}", "clavicle.{S}", "upperarmaux", ""},
			{"upperarm01.{S}", "shoulder01.{S}", "upperarm", "Shoulder"}, {"upperarm02.{S}", "upperarm01.{S}", "upperarmtwist", ""},
			{"lowerarm01.{S}", "upperarm02.{S}", "lowerarm", "Elbow"}, {"lowerarm02.{S}", "lowerarm01.{S}", "lowerarmtwist", ""},
			{"wrist.{S}", "lowerarm02.{S}", "hand", "Wrist"},
			{"finger1-1.{S}", "wrist.{S}", "thumb1", "Finger0"}, {"finger1-2.{S}", "finger1-1.{S}", "thumb2", "Finger01"},
			{"finger1-3.{S}", "finger1-2.{S}", "thumb3", "Finger02"},
			{"metacarpal1.{S}", "wrist.{S}", "carpalindex", ""}, {"finger2-1.{S}", "metacarpal1.{S}", "index1", "Finger1"},
			{"finger2-2.{S}", "finger2-1.{S}", "index2", "Finger11"}, {"finger2-3.{S}", "finger2-2.{S}", "index3", "Finger12"},
			{"metacarpal2.{S}", "wrist.{S}", "carpalmiddle", ""}, {"finger3-1.{S}", "metacarpal2.{S}", "middle1", "Finger2"},
			{"finger3-2.{S}", "finger3-1.{S}", "middle2", "Finger21"}, {"finger3-3.{S}", "finger3-2.{S}", "middle3", "Finger22"},
			{"metacarpal3.{S}", "wrist.{S}", "carpalring", ""}, {"finger4-1.{S}", "metacarpal3.{S}", "ring1", "Finger3"},
			{"finger4-2.{S}", "finger4-1.{S}", "ring2", "Finger31"}, {"finger4-3.{S}", "finger4-2.{S}", "ring3", "Finger32"},
			{"metacarpal4.{S}", "wrist.{S}", "carpalpinky", ""}, {"finger5-1.{S}", "metacarpal4.{S}", "pinky1", "Finger4"},
			{"finger5-2.{S}", "finger5-1.{S}", "pinky2", "Finger41"}, {"finger5-3.{S}", "finger5-2.{S}", "pinky3", "Finger42"}});
	return Builder.Build();
}

FTestRig MakePhoneBodyTracking()
{
	// A phone's body tracking: seven spine and four neck joints, snake-case names that end in
	// "_joint", the collar as "shoulder_1", and fingers that start with a start joint and end with
	// an end joint; the thumb's start is its first bone.
	FRigBuilder Builder("PhoneBodyTracking", "phone body-tracking joints (hips_joint, spine_1_joint ... left_shoulder_1_joint, left_handThumbStart_joint ...)", true);
	Builder
		.Centre({{"root", "", "root", ""}, {"hips_joint", "root", "pelvis", "Hips"}, {"spine_1_joint", "hips_joint", "spine7a", "Chest"},
			{"spine_2_joint", "spine_1_joint", "spine7b", "Chest1"}, {"spine_3_joint", "spine_2_joint", "spine7c", "Chest2"},
			{"spine_4_joint", "spine_3_joint", "spine7d", ""}, {"spine_5_joint", "spine_4_joint", "spine7e", ""},
			{"spine_6_joint", "spine_5_joint", "spine7f", ""}, {"spine_7_joint", "spine_6_joint", "spine7g", ""},
			{"neck_1_joint", "spine_7_joint", "neck", "Neck"}, {"neck_2_joint", "neck_1_joint", "neck2", ""}, {"neck_3_joint", "neck_2_joint", "neck3", ""},
			{"neck_4_joint", "neck_3_joint", "neck4", ""}, {"head_joint", "neck_4_joint", "head", "Neck1"}})
		.Sides({{"{side}_eye_joint", "head_joint", "eye", ""}, {"{side}_upLeg_joint", "hips_joint", "thigh", "Hip"},
			{"{side}_leg_joint", "{side}_upLeg_joint", "calf", "Knee"}, {"{side}_foot_joint", "{side}_leg_joint", "foot", "Ankle"},
			{"{side}_toes_joint", "{side}_foot_joint", "ball", "Toe"}, {"{side}_toesEnd_joint", "{side}_toes_joint", "toetip", ""},
			{"{side}_shoulder_1_joint", "spine_7_joint", "clavicle", "Collar"}, {"{side}_arm_joint", "{side}_shoulder_1_joint", "upperarm", "Shoulder"},
			{"{side}_forearm_joint", "{side}_arm_joint", "lowerarm", "Elbow"}, {"{side}_hand_joint", "{side}_forearm_joint", "hand", "Wrist"},
			{"{side}_handThumbStart_joint", "{side}_hand_joint", "thumb1", "Finger0"}, {"{side}_handThumb_1_joint", "{side}_handThumbStart_joint", "thumb2", "Finger01"},
			{"{side}_handThumb_2_joint", "{side}_handThumb_1_joint", "thumb3", "Finger02"}, {"{side}_handThumbEnd_joint", "{side}_handThumb_2_joint", "thumb4", ""},
			{"{side}_handIndexStart_joint", "{side}_hand_joint", "carpalindex", ""}, {"{side}_handIndex_1_joint", "{side}_handIndexStart_joint", "index1", "Finger1"},
			{"{side}_handIndex_2_joint", "{side}_handIndex_1_joint", "index2", "Finger11"}, {"{side}_handIndex_3_joint", "{side}_handIndex_2_joint", "index3", "Finger12"},
			{"{side}_handIndexEnd_joint", "{side}_handIndex_3_joint", "index4", ""},
			{"{side}_handMidStart_joint", "{side}_hand_joint", "carpalmiddle", ""}, {"{side}_handMid_1_joint", "{side}_handMidStart_joint", "middle1", "Finger2"},
			{"{side}_handMid_2_joint", "{side}_handMid_1_joint", "middle2", "Finger21"}, {"{side}_handMid_3_joint", "{side}_handMid_2_joint", "middle3", "Finger22"},
			{"{side}_handMidEnd_joint", "{side}_handMid_3_joint", "middle4", ""},
			{"{side}_handRingStart_joint", "{side}_hand_joint", "carpalring", ""}, {"{side}_handRing_1_joint", "{side}_handRingStart_joint", "ring1", "Finger3"},
			{"{side}_handRing_2_joint", "{side}_handRing_1_joint", "ring2", "Finger31"}, {"{side}_handRing_3_joint", "{side}_handRing_2_joint", "ring3", "Finger32"},
			{"{side}_handRingEnd_joint", "{side}_handRing_3_joint", "ring4", ""},
			{"{side}_handPinkyStart_joint", "{side}_hand_joint", "carpalpinky", ""}, {"{side}_handPinky_1_joint", "{side}_handPinkyStart_joint", "pinky1", "Finger4"},
			{"{side}_handPinky_2_joint", "{side}_handPinky_1_joint", "pinky2", "Finger41"}, {"{side}_handPinky_3_joint", "{side}_handPinky_2_joint", "pinky3", "Finger42"},
			{"{side}_handPinkyEnd_joint", "{side}_handPinky_3_joint", "pinky4", ""}});
	return Builder.Build();
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
	else if (Bone.StreamBone.find("Ankle") != std::string::npos)
	{
		// A foot without toe bones reaches forward to the ground.
		Tip = FVector(Bone.Position.X, Bone.Position.Y + 12, 0);
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
		MakeHumanoidAvatar(), MakeCmuMocap(), MakeMannequin5(), MakeAutoRiggerEnds(), MakeSuiteBiped(), MakeHumanIK(),
		MakeRigGeneratorMeta(), MakeJapaneseModel(), MakeAvatarHumanoidV1(), MakeCreatorSnakeCase(), MakeBodyScan(), MakeBodyScanHands(),
		MakeDepthCameraJoints(), MakeDepthCameraBody(), MakeInertialSuitSegments(), MakeInertialSuitNeuron(), MakeVirtualWorldAvatar(),
		MakeIndexedExport(), MakeRigGeneratorJointNamed(), MakeCreatorNumberedFingers(), MakePhoneBodyTracking()};
}

std::string TestRigsDir()
{
	return std::string(ZEVO_TEST_RIGS_DIR) + "/";
}
