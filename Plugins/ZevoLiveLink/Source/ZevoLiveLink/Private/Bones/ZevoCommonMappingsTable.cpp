#include "ZevoBoneMapping.h"

#include <initializer_list>

// The naming conventions of the rigs we meet, as data. Each row leads from one name to the names
// the same bone goes by elsewhere: a stream identifier to its usual names, a generic word to its
// synonyms, a sided form to the other forms of that side. The row order decides the order of
// the generated variations, and so which bone a caller that takes the first match finds.
// Every row of the left side has its twin on the right.

namespace
{
struct FMappingRow
{
	const TCHAR* Key;
	std::initializer_list<const TCHAR*> Values;
};

// Plain constants: the rows cost no code and no start-up time; the map is built from them on
// first use.
constexpr FMappingRow Rows[] = {
	// Pelvis and root
	{TEXT("hips"), {TEXT("pelvis"), TEXT("root"), TEXT("hip"), TEXT("basin"), TEXT("spine0"), TEXT("spine_0")}},
	{TEXT("pelvis"), {TEXT("hips"), TEXT("root"), TEXT("hip"), TEXT("basin")}},
	{TEXT("root"), {TEXT("hips"), TEXT("pelvis"), TEXT("hip")}},

	// Thigh (upper leg)
	{TEXT("lefthip"), {TEXT("thigh"), TEXT("thighl"), TEXT("thigh_l"), TEXT("upleg"), TEXT("upperleg"), TEXT("leftupleg"), TEXT("l_thigh"), TEXT("left_thigh"), TEXT("l_upleg"), TEXT("upperlegl"), TEXT("leftupperleg")}},
	{TEXT("righthip"), {TEXT("thigh"), TEXT("thighr"), TEXT("thigh_r"), TEXT("upleg"), TEXT("upperleg"), TEXT("rightupleg"), TEXT("r_thigh"), TEXT("right_thigh"), TEXT("r_upleg"), TEXT("upperlegr"), TEXT("rightupperleg")}},
	{TEXT("thigh"), {TEXT("hip"), TEXT("upleg"), TEXT("upperleg"), TEXT("leg")}},
	{TEXT("thighl"), {TEXT("lefthip"), TEXT("thigh_l"), TEXT("leftupleg"), TEXT("l_thigh"), TEXT("left_thigh"), TEXT("upperlegl")}},
	{TEXT("thighr"), {TEXT("righthip"), TEXT("thigh_r"), TEXT("rightupleg"), TEXT("r_thigh"), TEXT("right_thigh"), TEXT("upperlegr")}},
	{TEXT("thigh_l"), {TEXT("lefthip"), TEXT("thighl"), TEXT("leftupleg"), TEXT("l_thigh"), TEXT("left_thigh"), TEXT("upperlegl")}},
	{TEXT("thigh_r"), {TEXT("righthip"), TEXT("thighr"), TEXT("rightupleg"), TEXT("r_thigh"), TEXT("right_thigh"), TEXT("upperlegr")}},
	{TEXT("leftupleg"), {TEXT("lefthip"), TEXT("thighl"), TEXT("thigh_l"), TEXT("l_thigh"), TEXT("left_thigh"), TEXT("l_upleg"), TEXT("upperlegl")}},
	{TEXT("rightupleg"), {TEXT("righthip"), TEXT("thighr"), TEXT("thigh_r"), TEXT("r_thigh"), TEXT("right_thigh"), TEXT("r_upleg"), TEXT("upperlegr")}},
	{TEXT("upleg"), {TEXT("hip"), TEXT("thigh"), TEXT("upperleg"), TEXT("leg")}},
	{TEXT("upperleg"), {TEXT("hip"), TEXT("thigh"), TEXT("upleg"), TEXT("leg")}},
	{TEXT("upperlegl"), {TEXT("lefthip"), TEXT("thighl"), TEXT("thigh_l"), TEXT("leftupleg"), TEXT("l_thigh"), TEXT("left_thigh"), TEXT("leftupperleg")}},
	{TEXT("upperlegr"), {TEXT("righthip"), TEXT("thighr"), TEXT("thigh_r"), TEXT("rightupleg"), TEXT("r_thigh"), TEXT("right_thigh"), TEXT("rightupperleg")}},
	{TEXT("leftupperleg"), {TEXT("lefthip"), TEXT("thighl"), TEXT("thigh_l"), TEXT("leftupleg"), TEXT("upperlegl")}},
	{TEXT("rightupperleg"), {TEXT("righthip"), TEXT("thighr"), TEXT("thigh_r"), TEXT("rightupleg"), TEXT("upperlegr")}},

	// Calf (lower leg)
	{TEXT("leftknee"), {TEXT("calf"), TEXT("calfl"), TEXT("calf_l"), TEXT("shin"), TEXT("lowleg"), TEXT("lowerleg"), TEXT("leftleg"), TEXT("l_calf"), TEXT("left_calf"), TEXT("l_leg"), TEXT("lowerlegl"), TEXT("leftlowerleg")}},
	{TEXT("rightknee"), {TEXT("calf"), TEXT("calfr"), TEXT("calf_r"), TEXT("shin"), TEXT("lowleg"), TEXT("lowerleg"), TEXT("rightleg"), TEXT("r_calf"), TEXT("right_calf"), TEXT("r_leg"), TEXT("lowerlegr"), TEXT("rightlowerleg")}},
	{TEXT("knee"), {TEXT("calf"), TEXT("shin"), TEXT("lowleg"), TEXT("lowerleg"), TEXT("leg"), TEXT("leg1")}},
	{TEXT("calf"), {TEXT("knee"), TEXT("shin"), TEXT("lowleg"), TEXT("lowerleg"), TEXT("leg")}},
	{TEXT("calfl"), {TEXT("leftknee"), TEXT("calf_l"), TEXT("leftleg"), TEXT("l_calf"), TEXT("left_calf"), TEXT("lowerlegl")}},
	{TEXT("calfr"), {TEXT("rightknee"), TEXT("calf_r"), TEXT("rightleg"), TEXT("r_calf"), TEXT("right_calf"), TEXT("lowerlegr")}},
	{TEXT("calf_l"), {TEXT("leftknee"), TEXT("calfl"), TEXT("leftleg"), TEXT("l_calf"), TEXT("left_calf"), TEXT("lowerlegl")}},
	{TEXT("calf_r"), {TEXT("rightknee"), TEXT("calfr"), TEXT("rightleg"), TEXT("r_calf"), TEXT("right_calf"), TEXT("lowerlegr")}},
	{TEXT("leftleg"), {TEXT("leftknee"), TEXT("calfl"), TEXT("calf_l"), TEXT("l_calf"), TEXT("left_calf"), TEXT("l_leg"), TEXT("lowerlegl")}},
	{TEXT("rightleg"), {TEXT("rightknee"), TEXT("calfr"), TEXT("calf_r"), TEXT("r_calf"), TEXT("right_calf"), TEXT("r_leg"), TEXT("lowerlegr")}},
	{TEXT("lowleg"), {TEXT("knee"), TEXT("calf"), TEXT("shin"), TEXT("lowerleg")}},
	{TEXT("lowerleg"), {TEXT("knee"), TEXT("calf"), TEXT("shin"), TEXT("lowleg")}},
	{TEXT("lowerlegl"), {TEXT("leftknee"), TEXT("calfl"), TEXT("calf_l"), TEXT("leftleg"), TEXT("l_calf"), TEXT("left_calf"), TEXT("leftlowerleg")}},
	{TEXT("lowerlegr"), {TEXT("rightknee"), TEXT("calfr"), TEXT("calf_r"), TEXT("rightleg"), TEXT("r_calf"), TEXT("right_calf"), TEXT("rightlowerleg")}},
	{TEXT("leftlowerleg"), {TEXT("leftknee"), TEXT("calfl"), TEXT("calf_l"), TEXT("leftleg"), TEXT("lowerlegl")}},
	{TEXT("rightlowerleg"), {TEXT("rightknee"), TEXT("calfr"), TEXT("calf_r"), TEXT("rightleg"), TEXT("lowerlegr")}},

	// Foot
	{TEXT("leftankle"), {TEXT("foot"), TEXT("footl"), TEXT("foot_l"), TEXT("ankle"), TEXT("l_foot"), TEXT("left_foot")}},
	{TEXT("rightankle"), {TEXT("foot"), TEXT("footr"), TEXT("foot_r"), TEXT("ankle"), TEXT("r_foot"), TEXT("right_foot")}},
	{TEXT("ankle"), {TEXT("foot"), TEXT("feet"), TEXT("toes")}},
	{TEXT("foot"), {TEXT("ankle"), TEXT("feet")}},
	{TEXT("footl"), {TEXT("leftankle"), TEXT("foot_l"), TEXT("leftfoot"), TEXT("l_foot"), TEXT("left_foot")}},
	{TEXT("footr"), {TEXT("rightankle"), TEXT("foot_r"), TEXT("rightfoot"), TEXT("r_foot"), TEXT("right_foot")}},
	{TEXT("foot_l"), {TEXT("leftankle"), TEXT("footl"), TEXT("leftfoot"), TEXT("l_foot"), TEXT("left_foot")}},
	{TEXT("foot_r"), {TEXT("rightankle"), TEXT("footr"), TEXT("rightfoot"), TEXT("r_foot"), TEXT("right_foot")}},

	// Toes and ball of the foot
	{TEXT("lefttoe"), {TEXT("lefttoes"), TEXT("ball"), TEXT("balll"), TEXT("ball_l"), TEXT("ball01l"), TEXT("ball_01_l"), TEXT("toes"), TEXT("toesl"), TEXT("toes_l"), TEXT("toe"), TEXT("toel"), TEXT("toe_l"), TEXT("toebase"), TEXT("toebasel"), TEXT("toebase_l"), TEXT("l_ball"), TEXT("left_ball"), TEXT("l_toes"), TEXT("left_toes"), TEXT("l_toebase"), TEXT("left_toebase"), TEXT("lefttoebase")}},
	{TEXT("lefttoes"), {TEXT("lefttoe"), TEXT("toesl"), TEXT("toes_l"), TEXT("l_toes"), TEXT("left_toes"), TEXT("ball_l"), TEXT("toebase_l"), TEXT("lefttoebase")}},
	{TEXT("righttoe"), {TEXT("righttoes"), TEXT("ball"), TEXT("ballr"), TEXT("ball_r"), TEXT("ball01r"), TEXT("ball_01_r"), TEXT("toes"), TEXT("toesr"), TEXT("toes_r"), TEXT("toe"), TEXT("toer"), TEXT("toe_r"), TEXT("toebase"), TEXT("toebaser"), TEXT("toebase_r"), TEXT("r_ball"), TEXT("right_ball"), TEXT("r_toes"), TEXT("right_toes"), TEXT("r_toebase"), TEXT("right_toebase"), TEXT("righttoebase")}},
	{TEXT("righttoes"), {TEXT("righttoe"), TEXT("toesr"), TEXT("toes_r"), TEXT("r_toes"), TEXT("right_toes"), TEXT("ball_r"), TEXT("toebase_r"), TEXT("righttoebase")}},
	{TEXT("ball01l"), {TEXT("lefttoe"), TEXT("lefttoes"), TEXT("ball_l"), TEXT("balll"), TEXT("ball_01_l")}},
	{TEXT("ball01r"), {TEXT("righttoe"), TEXT("righttoes"), TEXT("ball_r"), TEXT("ballr"), TEXT("ball_01_r")}},
	{TEXT("toes"), {TEXT("ball"), TEXT("toe"), TEXT("toebase"), TEXT("toetip"), TEXT("footend")}},
	{TEXT("toesl"), {TEXT("lefttoe"), TEXT("lefttoes"), TEXT("toes_l"), TEXT("l_toes"), TEXT("left_toes")}},
	{TEXT("toesr"), {TEXT("righttoe"), TEXT("righttoes"), TEXT("toes_r"), TEXT("r_toes"), TEXT("right_toes")}},
	{TEXT("ball"), {TEXT("toes"), TEXT("toe"), TEXT("toebase")}},
	{TEXT("balll"), {TEXT("lefttoe"), TEXT("lefttoes"), TEXT("ball_l"), TEXT("ball01l"), TEXT("l_ball"), TEXT("left_ball")}},
	{TEXT("ballr"), {TEXT("righttoe"), TEXT("righttoes"), TEXT("ball_r"), TEXT("ball01r"), TEXT("r_ball"), TEXT("right_ball")}},
	{TEXT("ball_l"), {TEXT("lefttoe"), TEXT("lefttoes"), TEXT("balll"), TEXT("ball01l"), TEXT("ball_01_l"), TEXT("l_ball"), TEXT("left_ball")}},
	{TEXT("ball_r"), {TEXT("righttoe"), TEXT("righttoes"), TEXT("ballr"), TEXT("ball01r"), TEXT("ball_01_r"), TEXT("r_ball"), TEXT("right_ball")}},
	{TEXT("toes_l"), {TEXT("lefttoe"), TEXT("lefttoes"), TEXT("toesl"), TEXT("l_toes"), TEXT("left_toes")}},
	{TEXT("toes_r"), {TEXT("righttoe"), TEXT("righttoes"), TEXT("toesr"), TEXT("r_toes"), TEXT("right_toes")}},
	{TEXT("toe"), {TEXT("toes"), TEXT("ball"), TEXT("toebase")}},
	{TEXT("toel"), {TEXT("lefttoe"), TEXT("lefttoes"), TEXT("toe_l"), TEXT("l_toe"), TEXT("left_toe")}},
	{TEXT("toer"), {TEXT("righttoe"), TEXT("righttoes"), TEXT("toe_r"), TEXT("r_toe"), TEXT("right_toe")}},
	{TEXT("toe_l"), {TEXT("lefttoe"), TEXT("lefttoes"), TEXT("toel"), TEXT("l_toe"), TEXT("left_toe")}},
	{TEXT("toe_r"), {TEXT("righttoe"), TEXT("righttoes"), TEXT("toer"), TEXT("r_toe"), TEXT("right_toe")}},
	{TEXT("toebase"), {TEXT("toe"), TEXT("toes"), TEXT("ball")}},
	{TEXT("toebasel"), {TEXT("lefttoe"), TEXT("lefttoes"), TEXT("ball_l"), TEXT("toes_l"), TEXT("toebase_l"), TEXT("l_toebase"), TEXT("left_toebase"), TEXT("lefttoebase")}},
	{TEXT("toebaser"), {TEXT("righttoe"), TEXT("righttoes"), TEXT("ball_r"), TEXT("toes_r"), TEXT("toebase_r"), TEXT("r_toebase"), TEXT("right_toebase"), TEXT("righttoebase")}},
	{TEXT("toebase_l"), {TEXT("lefttoe"), TEXT("lefttoes"), TEXT("toebasel"), TEXT("l_toebase"), TEXT("left_toebase"), TEXT("lefttoebase")}},
	{TEXT("toebase_r"), {TEXT("righttoe"), TEXT("righttoes"), TEXT("toebaser"), TEXT("r_toebase"), TEXT("right_toebase"), TEXT("righttoebase")}},
	{TEXT("lefttoebase"), {TEXT("lefttoe"), TEXT("lefttoes"), TEXT("toebasel"), TEXT("toebase_l"), TEXT("l_toebase"), TEXT("left_toebase")}},
	{TEXT("righttoebase"), {TEXT("righttoe"), TEXT("righttoes"), TEXT("toebaser"), TEXT("toebase_r"), TEXT("r_toebase"), TEXT("right_toebase")}},
	{TEXT("l_toebase"), {TEXT("lefttoe"), TEXT("toebasel"), TEXT("toebase_l"), TEXT("left_toebase"), TEXT("lefttoebase")}},
	{TEXT("r_toebase"), {TEXT("righttoe"), TEXT("toebaser"), TEXT("toebase_r"), TEXT("right_toebase"), TEXT("righttoebase")}},
	{TEXT("left_toebase"), {TEXT("lefttoe"), TEXT("toebasel"), TEXT("toebase_l"), TEXT("l_toebase"), TEXT("lefttoebase")}},
	{TEXT("right_toebase"), {TEXT("righttoe"), TEXT("toebaser"), TEXT("toebase_r"), TEXT("r_toebase"), TEXT("righttoebase")}},

	// Spine
	{TEXT("chest"), {TEXT("spine"), TEXT("spine1"), TEXT("spine01"), TEXT("spine_01"), TEXT("spine_1"), TEXT("torso"), TEXT("upperbody")}},
	{TEXT("spine"), {TEXT("chest"), TEXT("spine1"), TEXT("spine01"), TEXT("spine_01"), TEXT("torso"), TEXT("body")}},
	{TEXT("spine1"), {TEXT("chest"), TEXT("spine"), TEXT("spine01"), TEXT("spine_01")}},
	{TEXT("spine01"), {TEXT("chest"), TEXT("spine"), TEXT("spine1"), TEXT("spine_01")}},
	{TEXT("spine_01"), {TEXT("chest"), TEXT("spine"), TEXT("spine1"), TEXT("spine01")}},
	{TEXT("chest1"), {TEXT("chest"), TEXT("spine2"), TEXT("spine02"), TEXT("spine_02"), TEXT("spine_2"), TEXT("chest2"), TEXT("upperchest")}},
	{TEXT("spine2"), {TEXT("chest1"), TEXT("chest"), TEXT("spine02"), TEXT("spine_02"), TEXT("chest2")}},
	{TEXT("spine02"), {TEXT("chest1"), TEXT("spine2"), TEXT("spine_02")}},
	{TEXT("spine_02"), {TEXT("chest1"), TEXT("spine2"), TEXT("spine02")}},
	{TEXT("chest2"), {TEXT("upperchest"), TEXT("spine3"), TEXT("spine03"), TEXT("spine_03"), TEXT("spine_3"), TEXT("chest3")}},
	{TEXT("spine3"), {TEXT("chest2"), TEXT("upperchest"), TEXT("spine03"), TEXT("spine_03")}},
	{TEXT("spine03"), {TEXT("chest2"), TEXT("upperchest"), TEXT("spine3"), TEXT("spine_03")}},
	{TEXT("spine_03"), {TEXT("chest2"), TEXT("upperchest"), TEXT("spine3"), TEXT("spine03")}},

	// Neck and head
	{TEXT("neck"), {TEXT("neck1"), TEXT("neck01"), TEXT("neck_01"), TEXT("neck_1"), TEXT("neckbase")}},
	{TEXT("neck1"), {TEXT("head"), TEXT("neck"), TEXT("head1"), TEXT("neck02"), TEXT("neck_02")}},
	{TEXT("neck01"), {TEXT("neck"), TEXT("neck1"), TEXT("neck_01")}},
	{TEXT("neck_01"), {TEXT("neck"), TEXT("neck1"), TEXT("neck01")}},
	{TEXT("head"), {TEXT("neck1"), TEXT("skull"), TEXT("head1")}},

	// Clavicle
	{TEXT("leftcollar"), {TEXT("clavicle"), TEXT("claviclel"), TEXT("clavicle_l"), TEXT("shoulder"), TEXT("shoulderl"), TEXT("l_clavicle"), TEXT("left_clavicle"), TEXT("leftshoulder")}},
	{TEXT("rightcollar"), {TEXT("clavicle"), TEXT("clavicler"), TEXT("clavicle_r"), TEXT("shoulder"), TEXT("shoulderr"), TEXT("r_clavicle"), TEXT("right_clavicle"), TEXT("rightshoulder")}},
	{TEXT("collar"), {TEXT("clavicle"), TEXT("shoulder"), TEXT("scapula"), TEXT("shoulderblade")}},
	{TEXT("clavicle"), {TEXT("collar"), TEXT("shoulder"), TEXT("scapula")}},
	{TEXT("claviclel"), {TEXT("leftcollar"), TEXT("clavicle_l"), TEXT("l_clavicle"), TEXT("left_clavicle"), TEXT("shoulderl")}},
	{TEXT("clavicler"), {TEXT("rightcollar"), TEXT("clavicle_r"), TEXT("r_clavicle"), TEXT("right_clavicle"), TEXT("shoulderr")}},
	{TEXT("clavicle_l"), {TEXT("leftcollar"), TEXT("claviclel"), TEXT("l_clavicle"), TEXT("left_clavicle"), TEXT("shoulderl")}},
	{TEXT("clavicle_r"), {TEXT("rightcollar"), TEXT("clavicler"), TEXT("r_clavicle"), TEXT("right_clavicle"), TEXT("shoulderr")}},
	{TEXT("shoulderl"), {TEXT("leftcollar"), TEXT("claviclel"), TEXT("clavicle_l"), TEXT("l_clavicle"), TEXT("left_clavicle")}},
	{TEXT("shoulderr"), {TEXT("rightcollar"), TEXT("clavicler"), TEXT("clavicle_r"), TEXT("r_clavicle"), TEXT("right_clavicle")}},

	// Upper arm (TEXT("shoulder") names the clavicle in some rigs and the upper arm in others)
	{TEXT("leftshoulder"), {TEXT("upperarm"), TEXT("upperarml"), TEXT("upperarm_l"), TEXT("arm"), TEXT("leftarm"), TEXT("l_upperarm"), TEXT("left_upperarm")}},
	{TEXT("rightshoulder"), {TEXT("upperarm"), TEXT("upperarmr"), TEXT("upperarm_r"), TEXT("arm"), TEXT("rightarm"), TEXT("r_upperarm"), TEXT("right_upperarm")}},
	{TEXT("shoulder"), {TEXT("upperarm"), TEXT("arm"), TEXT("uparm"), TEXT("bicep"), TEXT("humerus")}},
	{TEXT("upperarm"), {TEXT("shoulder"), TEXT("arm"), TEXT("uparm"), TEXT("bicep")}},
	{TEXT("upperarml"), {TEXT("leftshoulder"), TEXT("upperarm_l"), TEXT("leftarm"), TEXT("l_upperarm"), TEXT("left_upperarm")}},
	{TEXT("upperarmr"), {TEXT("rightshoulder"), TEXT("upperarm_r"), TEXT("rightarm"), TEXT("r_upperarm"), TEXT("right_upperarm")}},
	{TEXT("upperarm_l"), {TEXT("leftshoulder"), TEXT("upperarml"), TEXT("leftarm"), TEXT("l_upperarm"), TEXT("left_upperarm")}},
	{TEXT("upperarm_r"), {TEXT("rightshoulder"), TEXT("upperarmr"), TEXT("rightarm"), TEXT("r_upperarm"), TEXT("right_upperarm")}},
	{TEXT("leftarm"), {TEXT("leftshoulder"), TEXT("upperarml"), TEXT("upperarm_l"), TEXT("l_upperarm"), TEXT("left_upperarm")}},
	{TEXT("rightarm"), {TEXT("rightshoulder"), TEXT("upperarmr"), TEXT("upperarm_r"), TEXT("r_upperarm"), TEXT("right_upperarm")}},

	// Lower arm
	{TEXT("leftelbow"), {TEXT("lowerarm"), TEXT("lowerarml"), TEXT("lowerarm_l"), TEXT("forearm"), TEXT("leftforearm"), TEXT("l_lowerarm"), TEXT("left_lowerarm")}},
	{TEXT("rightelbow"), {TEXT("lowerarm"), TEXT("lowerarmr"), TEXT("lowerarm_r"), TEXT("forearm"), TEXT("rightforearm"), TEXT("r_lowerarm"), TEXT("right_lowerarm")}},
	{TEXT("elbow"), {TEXT("lowerarm"), TEXT("forearm"), TEXT("lowarm"), TEXT("arm1"), TEXT("ulna")}},
	{TEXT("lowerarm"), {TEXT("elbow"), TEXT("forearm"), TEXT("lowarm")}},
	{TEXT("lowerarml"), {TEXT("leftelbow"), TEXT("lowerarm_l"), TEXT("leftforearm"), TEXT("l_lowerarm"), TEXT("left_lowerarm")}},
	{TEXT("lowerarmr"), {TEXT("rightelbow"), TEXT("lowerarm_r"), TEXT("rightforearm"), TEXT("r_lowerarm"), TEXT("right_lowerarm")}},
	{TEXT("lowerarm_l"), {TEXT("leftelbow"), TEXT("lowerarml"), TEXT("leftforearm"), TEXT("l_lowerarm"), TEXT("left_lowerarm")}},
	{TEXT("lowerarm_r"), {TEXT("rightelbow"), TEXT("lowerarmr"), TEXT("rightforearm"), TEXT("r_lowerarm"), TEXT("right_lowerarm")}},
	{TEXT("leftforearm"), {TEXT("leftelbow"), TEXT("lowerarml"), TEXT("lowerarm_l"), TEXT("l_lowerarm"), TEXT("left_lowerarm"), TEXT("l_forearm")}},
	{TEXT("rightforearm"), {TEXT("rightelbow"), TEXT("lowerarmr"), TEXT("lowerarm_r"), TEXT("r_lowerarm"), TEXT("right_lowerarm"), TEXT("r_forearm")}},

	// Hand
	{TEXT("leftwrist"), {TEXT("hand"), TEXT("handl"), TEXT("hand_l"), TEXT("palm"), TEXT("lefthand"), TEXT("l_hand"), TEXT("left_hand")}},
	{TEXT("rightwrist"), {TEXT("hand"), TEXT("handr"), TEXT("hand_r"), TEXT("palm"), TEXT("righthand"), TEXT("r_hand"), TEXT("right_hand")}},
	{TEXT("wrist"), {TEXT("hand"), TEXT("palm"), TEXT("metacarpal")}},
	{TEXT("hand"), {TEXT("wrist"), TEXT("palm")}},
	{TEXT("handl"), {TEXT("leftwrist"), TEXT("hand_l"), TEXT("lefthand"), TEXT("l_hand"), TEXT("left_hand")}},
	{TEXT("handr"), {TEXT("rightwrist"), TEXT("hand_r"), TEXT("righthand"), TEXT("r_hand"), TEXT("right_hand")}},
	{TEXT("hand_l"), {TEXT("leftwrist"), TEXT("handl"), TEXT("lefthand"), TEXT("l_hand"), TEXT("left_hand")}},
	{TEXT("hand_r"), {TEXT("rightwrist"), TEXT("handr"), TEXT("righthand"), TEXT("r_hand"), TEXT("right_hand")}},
	{TEXT("lefthand"), {TEXT("leftwrist"), TEXT("handl"), TEXT("hand_l"), TEXT("l_hand"), TEXT("left_hand")}},
	{TEXT("righthand"), {TEXT("rightwrist"), TEXT("handr"), TEXT("hand_r"), TEXT("r_hand"), TEXT("right_hand")}},

	// Thumb, first segment
	{TEXT("leftfinger0"), {TEXT("thumb"), TEXT("thumb1"), TEXT("thumb01"), TEXT("thumb_01"), TEXT("thumbl"), TEXT("thumb_01_l"), TEXT("l_thumb_01"), TEXT("lefthandthumb1"), TEXT("lefthandthumb01"), TEXT("thumbproximall"), TEXT("thumbproximal_l")}},
	{TEXT("rightfinger0"), {TEXT("thumb"), TEXT("thumb1"), TEXT("thumb01"), TEXT("thumb_01"), TEXT("thumbr"), TEXT("thumb_01_r"), TEXT("r_thumb_01"), TEXT("righthandthumb1"), TEXT("righthandthumb01"), TEXT("thumbproximalr"), TEXT("thumbproximal_r")}},
	{TEXT("finger0"), {TEXT("thumb"), TEXT("thumb1"), TEXT("thumb01"), TEXT("thumb_01"), TEXT("thumbproximal"), TEXT("handthumb1")}},
	{TEXT("thumb"), {TEXT("finger0"), TEXT("thumb1"), TEXT("thumb01"), TEXT("thumb_01")}},
	{TEXT("thumb1"), {TEXT("finger0"), TEXT("leftfinger0"), TEXT("rightfinger0"), TEXT("thumb01"), TEXT("thumb_01")}},
	{TEXT("thumb01"), {TEXT("finger0"), TEXT("thumb1"), TEXT("thumb_01"), TEXT("thumbproximal")}},
	{TEXT("thumb_01"), {TEXT("finger0"), TEXT("thumb1"), TEXT("thumb01"), TEXT("thumbproximal")}},
	{TEXT("thumb_01_l"), {TEXT("leftfinger0"), TEXT("thumbl"), TEXT("l_thumb_01"), TEXT("left_thumb_01"), TEXT("lefthandthumb1"), TEXT("thumbproximall")}},
	{TEXT("thumb_01_r"), {TEXT("rightfinger0"), TEXT("thumbr"), TEXT("r_thumb_01"), TEXT("right_thumb_01"), TEXT("righthandthumb1"), TEXT("thumbproximalr")}},
	{TEXT("lefthandthumb1"), {TEXT("leftfinger0"), TEXT("thumbl"), TEXT("thumb_01_l"), TEXT("l_thumb_01"), TEXT("thumbproximall")}},
	{TEXT("righthandthumb1"), {TEXT("rightfinger0"), TEXT("thumbr"), TEXT("thumb_01_r"), TEXT("r_thumb_01"), TEXT("thumbproximalr")}},
	{TEXT("handthumb1"), {TEXT("finger0"), TEXT("thumb1"), TEXT("thumb01"), TEXT("thumbproximal")}},
	{TEXT("thumbproximal"), {TEXT("finger0"), TEXT("thumb1"), TEXT("thumb01"), TEXT("thumb_01")}},
	{TEXT("thumbproximall"), {TEXT("leftfinger0"), TEXT("thumb_01_l"), TEXT("l_thumb_01"), TEXT("lefthandthumb1"), TEXT("thumbproximal_l")}},
	{TEXT("thumbproximalr"), {TEXT("rightfinger0"), TEXT("thumb_01_r"), TEXT("r_thumb_01"), TEXT("righthandthumb1"), TEXT("thumbproximal_r")}},

	// Thumb, second segment
	{TEXT("leftfinger01"), {TEXT("thumb2"), TEXT("thumb02"), TEXT("thumb_02"), TEXT("thumb_02_l"), TEXT("l_thumb_02"), TEXT("lefthandthumb2"), TEXT("lefthandthumb02"), TEXT("thumbintermediatel"), TEXT("thumbintermediate_l")}},
	{TEXT("rightfinger01"), {TEXT("thumb2"), TEXT("thumb02"), TEXT("thumb_02"), TEXT("thumb_02_r"), TEXT("r_thumb_02"), TEXT("righthandthumb2"), TEXT("righthandthumb02"), TEXT("thumbintermediater"), TEXT("thumbintermediate_r")}},
	{TEXT("finger01"), {TEXT("thumb2"), TEXT("thumb02"), TEXT("thumb_02"), TEXT("thumbintermediate"), TEXT("handthumb2")}},
	{TEXT("thumb2"), {TEXT("finger01"), TEXT("leftfinger01"), TEXT("rightfinger01"), TEXT("thumb02"), TEXT("thumb_02")}},
	{TEXT("thumb02"), {TEXT("finger01"), TEXT("thumb2"), TEXT("thumb_02"), TEXT("thumbintermediate")}},
	{TEXT("thumb_02"), {TEXT("finger01"), TEXT("thumb2"), TEXT("thumb02"), TEXT("thumbintermediate")}},
	{TEXT("thumb_02_l"), {TEXT("leftfinger01"), TEXT("l_thumb_02"), TEXT("left_thumb_02"), TEXT("lefthandthumb2"), TEXT("thumbintermediatel")}},
	{TEXT("thumb_02_r"), {TEXT("rightfinger01"), TEXT("r_thumb_02"), TEXT("right_thumb_02"), TEXT("righthandthumb2"), TEXT("thumbintermediater")}},
	{TEXT("lefthandthumb2"), {TEXT("leftfinger01"), TEXT("thumb_02_l"), TEXT("l_thumb_02"), TEXT("thumbintermediatel")}},
	{TEXT("righthandthumb2"), {TEXT("rightfinger01"), TEXT("thumb_02_r"), TEXT("r_thumb_02"), TEXT("thumbintermediater")}},
	{TEXT("handthumb2"), {TEXT("finger01"), TEXT("thumb2"), TEXT("thumb02"), TEXT("thumbintermediate")}},
	{TEXT("thumbintermediate"), {TEXT("finger01"), TEXT("thumb2"), TEXT("thumb02"), TEXT("thumb_02"), TEXT("thumbmedial")}},
	{TEXT("thumbintermediatel"), {TEXT("leftfinger01"), TEXT("thumb_02_l"), TEXT("l_thumb_02"), TEXT("lefthandthumb2"), TEXT("thumbintermediate_l")}},
	{TEXT("thumbintermediater"), {TEXT("rightfinger01"), TEXT("thumb_02_r"), TEXT("r_thumb_02"), TEXT("righthandthumb2"), TEXT("thumbintermediate_r")}},

	// Thumb, third segment
	{TEXT("leftfinger02"), {TEXT("thumb3"), TEXT("thumb03"), TEXT("thumb_03"), TEXT("thumb_03_l"), TEXT("l_thumb_03"), TEXT("lefthandthumb3"), TEXT("lefthandthumb03"), TEXT("thumbdistall"), TEXT("thumbdistal_l")}},
	{TEXT("rightfinger02"), {TEXT("thumb3"), TEXT("thumb03"), TEXT("thumb_03"), TEXT("thumb_03_r"), TEXT("r_thumb_03"), TEXT("righthandthumb3"), TEXT("righthandthumb03"), TEXT("thumbdistalr"), TEXT("thumbdistal_r")}},
	{TEXT("finger02"), {TEXT("thumb3"), TEXT("thumb03"), TEXT("thumb_03"), TEXT("thumbdistal"), TEXT("handthumb3")}},
	{TEXT("thumb3"), {TEXT("finger02"), TEXT("leftfinger02"), TEXT("rightfinger02"), TEXT("thumb03"), TEXT("thumb_03")}},
	{TEXT("thumb03"), {TEXT("finger02"), TEXT("thumb3"), TEXT("thumb_03"), TEXT("thumbdistal")}},
	{TEXT("thumb_03"), {TEXT("finger02"), TEXT("thumb3"), TEXT("thumb03"), TEXT("thumbdistal")}},
	{TEXT("thumb_03_l"), {TEXT("leftfinger02"), TEXT("l_thumb_03"), TEXT("left_thumb_03"), TEXT("lefthandthumb3"), TEXT("thumbdistall")}},
	{TEXT("thumb_03_r"), {TEXT("rightfinger02"), TEXT("r_thumb_03"), TEXT("right_thumb_03"), TEXT("righthandthumb3"), TEXT("thumbdistalr")}},
	{TEXT("lefthandthumb3"), {TEXT("leftfinger02"), TEXT("thumb_03_l"), TEXT("l_thumb_03"), TEXT("thumbdistall")}},
	{TEXT("righthandthumb3"), {TEXT("rightfinger02"), TEXT("thumb_03_r"), TEXT("r_thumb_03"), TEXT("thumbdistalr")}},
	{TEXT("handthumb3"), {TEXT("finger02"), TEXT("thumb3"), TEXT("thumb03"), TEXT("thumbdistal")}},
	{TEXT("thumbdistal"), {TEXT("finger02"), TEXT("thumb3"), TEXT("thumb03"), TEXT("thumb_03")}},
	{TEXT("thumbdistall"), {TEXT("leftfinger02"), TEXT("thumb_03_l"), TEXT("l_thumb_03"), TEXT("lefthandthumb3"), TEXT("thumbdistal_l")}},
	{TEXT("thumbdistalr"), {TEXT("rightfinger02"), TEXT("thumb_03_r"), TEXT("r_thumb_03"), TEXT("righthandthumb3"), TEXT("thumbdistal_r")}},

	// Index, first segment
	{TEXT("leftfinger1"), {TEXT("index"), TEXT("index1"), TEXT("index01"), TEXT("index_01"), TEXT("indexl"), TEXT("index_01_l"), TEXT("l_index_01"), TEXT("lefthandindex1"), TEXT("lefthandindex01"), TEXT("indexproximall"), TEXT("indexproximal_l")}},
	{TEXT("rightfinger1"), {TEXT("index"), TEXT("index1"), TEXT("index01"), TEXT("index_01"), TEXT("indexr"), TEXT("index_01_r"), TEXT("r_index_01"), TEXT("righthandindex1"), TEXT("righthandindex01"), TEXT("indexproximalr"), TEXT("indexproximal_r")}},
	{TEXT("finger1"), {TEXT("index"), TEXT("index1"), TEXT("index01"), TEXT("index_01"), TEXT("indexproximal"), TEXT("handindex1")}},
	{TEXT("index"), {TEXT("finger1"), TEXT("index1"), TEXT("index01"), TEXT("index_01")}},
	{TEXT("index1"), {TEXT("finger1"), TEXT("leftfinger1"), TEXT("rightfinger1"), TEXT("index01"), TEXT("index_01")}},
	{TEXT("index01"), {TEXT("finger1"), TEXT("index1"), TEXT("index_01"), TEXT("indexproximal")}},
	{TEXT("index_01"), {TEXT("finger1"), TEXT("index1"), TEXT("index01"), TEXT("indexproximal")}},
	{TEXT("index_01_l"), {TEXT("leftfinger1"), TEXT("indexl"), TEXT("l_index_01"), TEXT("left_index_01"), TEXT("lefthandindex1"), TEXT("indexproximall")}},
	{TEXT("index_01_r"), {TEXT("rightfinger1"), TEXT("indexr"), TEXT("r_index_01"), TEXT("right_index_01"), TEXT("righthandindex1"), TEXT("indexproximalr")}},
	{TEXT("lefthandindex1"), {TEXT("leftfinger1"), TEXT("indexl"), TEXT("index_01_l"), TEXT("l_index_01"), TEXT("indexproximall")}},
	{TEXT("righthandindex1"), {TEXT("rightfinger1"), TEXT("indexr"), TEXT("index_01_r"), TEXT("r_index_01"), TEXT("indexproximalr")}},
	{TEXT("handindex1"), {TEXT("finger1"), TEXT("index1"), TEXT("index01"), TEXT("indexproximal")}},
	{TEXT("indexproximal"), {TEXT("finger1"), TEXT("index1"), TEXT("index01"), TEXT("index_01")}},
	{TEXT("indexproximall"), {TEXT("leftfinger1"), TEXT("index_01_l"), TEXT("l_index_01"), TEXT("lefthandindex1"), TEXT("indexproximal_l")}},
	{TEXT("indexproximalr"), {TEXT("rightfinger1"), TEXT("index_01_r"), TEXT("r_index_01"), TEXT("righthandindex1"), TEXT("indexproximal_r")}},

	// Index, second segment
	{TEXT("leftfinger11"), {TEXT("index2"), TEXT("index02"), TEXT("index_02"), TEXT("index_02_l"), TEXT("l_index_02"), TEXT("lefthandindex2"), TEXT("lefthandindex02"), TEXT("indexintermediatel"), TEXT("indexintermediate_l")}},
	{TEXT("rightfinger11"), {TEXT("index2"), TEXT("index02"), TEXT("index_02"), TEXT("index_02_r"), TEXT("r_index_02"), TEXT("righthandindex2"), TEXT("righthandindex02"), TEXT("indexintermediater"), TEXT("indexintermediate_r")}},
	{TEXT("finger11"), {TEXT("index2"), TEXT("index02"), TEXT("index_02"), TEXT("indexintermediate"), TEXT("handindex2")}},
	{TEXT("index2"), {TEXT("finger11"), TEXT("leftfinger11"), TEXT("rightfinger11"), TEXT("index02"), TEXT("index_02")}},
	{TEXT("index02"), {TEXT("finger11"), TEXT("index2"), TEXT("index_02"), TEXT("indexintermediate")}},
	{TEXT("index_02"), {TEXT("finger11"), TEXT("index2"), TEXT("index02"), TEXT("indexintermediate")}},
	{TEXT("index_02_l"), {TEXT("leftfinger11"), TEXT("l_index_02"), TEXT("left_index_02"), TEXT("lefthandindex2"), TEXT("indexintermediatel")}},
	{TEXT("index_02_r"), {TEXT("rightfinger11"), TEXT("r_index_02"), TEXT("right_index_02"), TEXT("righthandindex2"), TEXT("indexintermediater")}},
	{TEXT("lefthandindex2"), {TEXT("leftfinger11"), TEXT("index_02_l"), TEXT("l_index_02"), TEXT("indexintermediatel")}},
	{TEXT("righthandindex2"), {TEXT("rightfinger11"), TEXT("index_02_r"), TEXT("r_index_02"), TEXT("indexintermediater")}},
	{TEXT("handindex2"), {TEXT("finger11"), TEXT("index2"), TEXT("index02"), TEXT("indexintermediate")}},
	{TEXT("indexintermediate"), {TEXT("finger11"), TEXT("index2"), TEXT("index02"), TEXT("index_02"), TEXT("indexmedial")}},
	{TEXT("indexintermediatel"), {TEXT("leftfinger11"), TEXT("index_02_l"), TEXT("l_index_02"), TEXT("lefthandindex2"), TEXT("indexintermediate_l")}},
	{TEXT("indexintermediater"), {TEXT("rightfinger11"), TEXT("index_02_r"), TEXT("r_index_02"), TEXT("righthandindex2"), TEXT("indexintermediate_r")}},

	// Index, third segment
	{TEXT("leftfinger12"), {TEXT("index3"), TEXT("index03"), TEXT("index_03"), TEXT("index_03_l"), TEXT("l_index_03"), TEXT("lefthandindex3"), TEXT("lefthandindex03"), TEXT("indexdistall"), TEXT("indexdistal_l")}},
	{TEXT("rightfinger12"), {TEXT("index3"), TEXT("index03"), TEXT("index_03"), TEXT("index_03_r"), TEXT("r_index_03"), TEXT("righthandindex3"), TEXT("righthandindex03"), TEXT("indexdistalr"), TEXT("indexdistal_r")}},
	{TEXT("finger12"), {TEXT("index3"), TEXT("index03"), TEXT("index_03"), TEXT("indexdistal"), TEXT("handindex3")}},
	{TEXT("index3"), {TEXT("finger12"), TEXT("leftfinger12"), TEXT("rightfinger12"), TEXT("index03"), TEXT("index_03")}},
	{TEXT("index03"), {TEXT("finger12"), TEXT("index3"), TEXT("index_03"), TEXT("indexdistal")}},
	{TEXT("index_03"), {TEXT("finger12"), TEXT("index3"), TEXT("index03"), TEXT("indexdistal")}},
	{TEXT("index_03_l"), {TEXT("leftfinger12"), TEXT("l_index_03"), TEXT("left_index_03"), TEXT("lefthandindex3"), TEXT("indexdistall")}},
	{TEXT("index_03_r"), {TEXT("rightfinger12"), TEXT("r_index_03"), TEXT("right_index_03"), TEXT("righthandindex3"), TEXT("indexdistalr")}},
	{TEXT("lefthandindex3"), {TEXT("leftfinger12"), TEXT("index_03_l"), TEXT("l_index_03"), TEXT("indexdistall")}},
	{TEXT("righthandindex3"), {TEXT("rightfinger12"), TEXT("index_03_r"), TEXT("r_index_03"), TEXT("indexdistalr")}},
	{TEXT("handindex3"), {TEXT("finger12"), TEXT("index3"), TEXT("index03"), TEXT("indexdistal")}},
	{TEXT("indexdistal"), {TEXT("finger12"), TEXT("index3"), TEXT("index03"), TEXT("index_03")}},
	{TEXT("indexdistall"), {TEXT("leftfinger12"), TEXT("index_03_l"), TEXT("l_index_03"), TEXT("lefthandindex3"), TEXT("indexdistal_l")}},
	{TEXT("indexdistalr"), {TEXT("rightfinger12"), TEXT("index_03_r"), TEXT("r_index_03"), TEXT("righthandindex3"), TEXT("indexdistal_r")}},

	// Middle, first segment
	{TEXT("leftfinger2"), {TEXT("middle"), TEXT("middle1"), TEXT("middle01"), TEXT("middle_01"), TEXT("middlel"), TEXT("middle_01_l"), TEXT("l_middle_01"), TEXT("lefthandmiddle1"), TEXT("lefthandmiddle01"), TEXT("mid1"), TEXT("midl"), TEXT("mid_l"), TEXT("l_mid1"), TEXT("lmid1"), TEXT("mid_01_l")}},
	{TEXT("rightfinger2"), {TEXT("middle"), TEXT("middle1"), TEXT("middle01"), TEXT("middle_01"), TEXT("middler"), TEXT("middle_01_r"), TEXT("r_middle_01"), TEXT("righthandmiddle1"), TEXT("righthandmiddle01"), TEXT("mid1"), TEXT("midr"), TEXT("mid_r"), TEXT("r_mid1"), TEXT("rmid1"), TEXT("mid_01_r")}},
	{TEXT("finger2"), {TEXT("middle"), TEXT("middle1"), TEXT("middle01"), TEXT("middle_01"), TEXT("middleproximal"), TEXT("mid"), TEXT("mid1"), TEXT("handmiddle1")}},
	{TEXT("middle"), {TEXT("finger2"), TEXT("middle1"), TEXT("middle01"), TEXT("middle_01"), TEXT("mid")}},
	{TEXT("middle1"), {TEXT("finger2"), TEXT("leftfinger2"), TEXT("rightfinger2"), TEXT("middle01"), TEXT("middle_01"), TEXT("mid1")}},
	{TEXT("middle01"), {TEXT("finger2"), TEXT("middle1"), TEXT("middle_01"), TEXT("middleproximal")}},
	{TEXT("middle_01"), {TEXT("finger2"), TEXT("middle1"), TEXT("middle01"), TEXT("middleproximal")}},
	{TEXT("middle_01_l"), {TEXT("leftfinger2"), TEXT("middlel"), TEXT("l_middle_01"), TEXT("left_middle_01"), TEXT("lefthandmiddle1"), TEXT("middleproximall")}},
	{TEXT("middle_01_r"), {TEXT("rightfinger2"), TEXT("middler"), TEXT("r_middle_01"), TEXT("right_middle_01"), TEXT("righthandmiddle1"), TEXT("middleproximalr")}},
	{TEXT("lefthandmiddle1"), {TEXT("leftfinger2"), TEXT("middlel"), TEXT("middle_01_l"), TEXT("l_middle_01"), TEXT("middleproximall")}},
	{TEXT("righthandmiddle1"), {TEXT("rightfinger2"), TEXT("middler"), TEXT("middle_01_r"), TEXT("r_middle_01"), TEXT("middleproximalr")}},
	{TEXT("handmiddle1"), {TEXT("finger2"), TEXT("middle1"), TEXT("middle01"), TEXT("middleproximal")}},
	{TEXT("mid"), {TEXT("middle"), TEXT("finger2")}},
	{TEXT("mid1"), {TEXT("middle1"), TEXT("leftfinger2"), TEXT("rightfinger2")}},
	{TEXT("lmid1"), {TEXT("leftfinger2"), TEXT("l_mid1"), TEXT("middle_01_l")}},
	{TEXT("rmid1"), {TEXT("rightfinger2"), TEXT("r_mid1"), TEXT("middle_01_r")}},
	{TEXT("l_mid1"), {TEXT("leftfinger2"), TEXT("lmid1"), TEXT("middle_01_l")}},
	{TEXT("r_mid1"), {TEXT("rightfinger2"), TEXT("rmid1"), TEXT("middle_01_r")}},

	// Middle, second segment
	{TEXT("leftfinger21"), {TEXT("middle2"), TEXT("middle02"), TEXT("middle_02"), TEXT("middle_02_l"), TEXT("l_middle_02"), TEXT("lefthandmiddle2"), TEXT("lefthandmiddle02"), TEXT("middleintermediatel"), TEXT("middleintermediate_l"), TEXT("mid2"), TEXT("l_mid2"), TEXT("lmid2"), TEXT("mid_02_l")}},
	{TEXT("rightfinger21"), {TEXT("middle2"), TEXT("middle02"), TEXT("middle_02"), TEXT("middle_02_r"), TEXT("r_middle_02"), TEXT("righthandmiddle2"), TEXT("righthandmiddle02"), TEXT("middleintermediater"), TEXT("middleintermediate_r"), TEXT("mid2"), TEXT("r_mid2"), TEXT("rmid2"), TEXT("mid_02_r")}},
	{TEXT("finger21"), {TEXT("middle2"), TEXT("middle02"), TEXT("middle_02"), TEXT("middleintermediate"), TEXT("handmiddle2"), TEXT("mid2")}},
	{TEXT("middle2"), {TEXT("finger21"), TEXT("leftfinger21"), TEXT("rightfinger21"), TEXT("middle02"), TEXT("middle_02")}},
	{TEXT("middle02"), {TEXT("finger21"), TEXT("middle2"), TEXT("middle_02"), TEXT("middleintermediate")}},
	{TEXT("middle_02"), {TEXT("finger21"), TEXT("middle2"), TEXT("middle02"), TEXT("middleintermediate")}},
	{TEXT("middle_02_l"), {TEXT("leftfinger21"), TEXT("l_middle_02"), TEXT("left_middle_02"), TEXT("lefthandmiddle2"), TEXT("middleintermediatel")}},
	{TEXT("middle_02_r"), {TEXT("rightfinger21"), TEXT("r_middle_02"), TEXT("right_middle_02"), TEXT("righthandmiddle2"), TEXT("middleintermediater")}},
	{TEXT("lefthandmiddle2"), {TEXT("leftfinger21"), TEXT("middle_02_l"), TEXT("l_middle_02"), TEXT("middleintermediatel")}},
	{TEXT("righthandmiddle2"), {TEXT("rightfinger21"), TEXT("middle_02_r"), TEXT("r_middle_02"), TEXT("middleintermediater")}},
	{TEXT("handmiddle2"), {TEXT("finger21"), TEXT("middle2"), TEXT("middle02"), TEXT("middleintermediate")}},
	{TEXT("mid2"), {TEXT("middle2"), TEXT("leftfinger21"), TEXT("rightfinger21")}},
	{TEXT("lmid2"), {TEXT("leftfinger21"), TEXT("l_mid2"), TEXT("middle_02_l")}},
	{TEXT("rmid2"), {TEXT("rightfinger21"), TEXT("r_mid2"), TEXT("middle_02_r")}},
	{TEXT("l_mid2"), {TEXT("leftfinger21"), TEXT("lmid2"), TEXT("middle_02_l")}},
	{TEXT("r_mid2"), {TEXT("rightfinger21"), TEXT("rmid2"), TEXT("middle_02_r")}},

	// Middle, third segment
	{TEXT("leftfinger22"), {TEXT("middle3"), TEXT("middle03"), TEXT("middle_03"), TEXT("middle_03_l"), TEXT("l_middle_03"), TEXT("lefthandmiddle3"), TEXT("lefthandmiddle03"), TEXT("middledistall"), TEXT("middledistal_l"), TEXT("mid3"), TEXT("l_mid3"), TEXT("lmid3"), TEXT("mid_03_l")}},
	{TEXT("rightfinger22"), {TEXT("middle3"), TEXT("middle03"), TEXT("middle_03"), TEXT("middle_03_r"), TEXT("r_middle_03"), TEXT("righthandmiddle3"), TEXT("righthandmiddle03"), TEXT("middledistalr"), TEXT("middledistal_r"), TEXT("mid3"), TEXT("r_mid3"), TEXT("rmid3"), TEXT("mid_03_r")}},
	{TEXT("finger22"), {TEXT("middle3"), TEXT("middle03"), TEXT("middle_03"), TEXT("middledistal"), TEXT("handmiddle3"), TEXT("mid3")}},
	{TEXT("middle3"), {TEXT("finger22"), TEXT("leftfinger22"), TEXT("rightfinger22"), TEXT("middle03"), TEXT("middle_03")}},
	{TEXT("middle03"), {TEXT("finger22"), TEXT("middle3"), TEXT("middle_03"), TEXT("middledistal")}},
	{TEXT("middle_03"), {TEXT("finger22"), TEXT("middle3"), TEXT("middle03"), TEXT("middledistal")}},
	{TEXT("middle_03_l"), {TEXT("leftfinger22"), TEXT("l_middle_03"), TEXT("left_middle_03"), TEXT("lefthandmiddle3"), TEXT("middledistall")}},
	{TEXT("middle_03_r"), {TEXT("rightfinger22"), TEXT("r_middle_03"), TEXT("right_middle_03"), TEXT("righthandmiddle3"), TEXT("middledistalr")}},
	{TEXT("lefthandmiddle3"), {TEXT("leftfinger22"), TEXT("middle_03_l"), TEXT("l_middle_03"), TEXT("middledistall")}},
	{TEXT("righthandmiddle3"), {TEXT("rightfinger22"), TEXT("middle_03_r"), TEXT("r_middle_03"), TEXT("middledistalr")}},
	{TEXT("handmiddle3"), {TEXT("finger22"), TEXT("middle3"), TEXT("middle03"), TEXT("middledistal")}},
	{TEXT("mid3"), {TEXT("middle3"), TEXT("leftfinger22"), TEXT("rightfinger22")}},
	{TEXT("lmid3"), {TEXT("leftfinger22"), TEXT("l_mid3"), TEXT("middle_03_l")}},
	{TEXT("rmid3"), {TEXT("rightfinger22"), TEXT("r_mid3"), TEXT("middle_03_r")}},
	{TEXT("l_mid3"), {TEXT("leftfinger22"), TEXT("lmid3"), TEXT("middle_03_l")}},
	{TEXT("r_mid3"), {TEXT("rightfinger22"), TEXT("rmid3"), TEXT("middle_03_r")}},

	// Ring, first segment
	{TEXT("leftfinger3"), {TEXT("ring"), TEXT("ring1"), TEXT("ring01"), TEXT("ring_01"), TEXT("ringl"), TEXT("ring_01_l"), TEXT("l_ring_01"), TEXT("lefthandring1"), TEXT("lefthandring01"), TEXT("ringproximall"), TEXT("ringproximal_l"), TEXT("l_ring1"), TEXT("lring1")}},
	{TEXT("rightfinger3"), {TEXT("ring"), TEXT("ring1"), TEXT("ring01"), TEXT("ring_01"), TEXT("ringr"), TEXT("ring_01_r"), TEXT("r_ring_01"), TEXT("righthandring1"), TEXT("righthandring01"), TEXT("ringproximalr"), TEXT("ringproximal_r"), TEXT("r_ring1"), TEXT("rring1")}},
	{TEXT("finger3"), {TEXT("ring"), TEXT("ring1"), TEXT("ring01"), TEXT("ring_01"), TEXT("ringproximal"), TEXT("handring1")}},
	{TEXT("ring"), {TEXT("finger3"), TEXT("ring1"), TEXT("ring01"), TEXT("ring_01")}},
	{TEXT("ring1"), {TEXT("finger3"), TEXT("leftfinger3"), TEXT("rightfinger3"), TEXT("ring01"), TEXT("ring_01")}},
	{TEXT("ring01"), {TEXT("finger3"), TEXT("ring1"), TEXT("ring_01"), TEXT("ringproximal")}},
	{TEXT("ring_01"), {TEXT("finger3"), TEXT("ring1"), TEXT("ring01"), TEXT("ringproximal")}},
	{TEXT("ring_01_l"), {TEXT("leftfinger3"), TEXT("ringl"), TEXT("l_ring_01"), TEXT("left_ring_01"), TEXT("lefthandring1"), TEXT("ringproximall")}},
	{TEXT("ring_01_r"), {TEXT("rightfinger3"), TEXT("ringr"), TEXT("r_ring_01"), TEXT("right_ring_01"), TEXT("righthandring1"), TEXT("ringproximalr")}},
	{TEXT("lefthandring1"), {TEXT("leftfinger3"), TEXT("ringl"), TEXT("ring_01_l"), TEXT("l_ring_01"), TEXT("ringproximall")}},
	{TEXT("righthandring1"), {TEXT("rightfinger3"), TEXT("ringr"), TEXT("ring_01_r"), TEXT("r_ring_01"), TEXT("ringproximalr")}},
	{TEXT("handring1"), {TEXT("finger3"), TEXT("ring1"), TEXT("ring01"), TEXT("ringproximal")}},
	{TEXT("l_ring1"), {TEXT("leftfinger3"), TEXT("lring1"), TEXT("ring_01_l")}},
	{TEXT("r_ring1"), {TEXT("rightfinger3"), TEXT("rring1"), TEXT("ring_01_r")}},
	{TEXT("lring1"), {TEXT("leftfinger3"), TEXT("l_ring1"), TEXT("ring_01_l")}},
	{TEXT("rring1"), {TEXT("rightfinger3"), TEXT("r_ring1"), TEXT("ring_01_r")}},

	// Ring, second segment
	{TEXT("leftfinger31"), {TEXT("ring2"), TEXT("ring02"), TEXT("ring_02"), TEXT("ring_02_l"), TEXT("l_ring_02"), TEXT("lefthandring2"), TEXT("lefthandring02"), TEXT("ringintermediatel"), TEXT("ringintermediate_l"), TEXT("l_ring2"), TEXT("lring2")}},
	{TEXT("rightfinger31"), {TEXT("ring2"), TEXT("ring02"), TEXT("ring_02"), TEXT("ring_02_r"), TEXT("r_ring_02"), TEXT("righthandring2"), TEXT("righthandring02"), TEXT("ringintermediater"), TEXT("ringintermediate_r"), TEXT("r_ring2"), TEXT("rring2")}},
	{TEXT("finger31"), {TEXT("ring2"), TEXT("ring02"), TEXT("ring_02"), TEXT("ringintermediate"), TEXT("handring2")}},
	{TEXT("ring2"), {TEXT("finger31"), TEXT("leftfinger31"), TEXT("rightfinger31"), TEXT("ring02"), TEXT("ring_02")}},
	{TEXT("ring02"), {TEXT("finger31"), TEXT("ring2"), TEXT("ring_02"), TEXT("ringintermediate")}},
	{TEXT("ring_02"), {TEXT("finger31"), TEXT("ring2"), TEXT("ring02"), TEXT("ringintermediate")}},
	{TEXT("ring_02_l"), {TEXT("leftfinger31"), TEXT("l_ring_02"), TEXT("left_ring_02"), TEXT("lefthandring2"), TEXT("ringintermediatel")}},
	{TEXT("ring_02_r"), {TEXT("rightfinger31"), TEXT("r_ring_02"), TEXT("right_ring_02"), TEXT("righthandring2"), TEXT("ringintermediater")}},
	{TEXT("lefthandring2"), {TEXT("leftfinger31"), TEXT("ring_02_l"), TEXT("l_ring_02"), TEXT("ringintermediatel")}},
	{TEXT("righthandring2"), {TEXT("rightfinger31"), TEXT("ring_02_r"), TEXT("r_ring_02"), TEXT("ringintermediater")}},
	{TEXT("handring2"), {TEXT("finger31"), TEXT("ring2"), TEXT("ring02"), TEXT("ringintermediate")}},
	{TEXT("l_ring2"), {TEXT("leftfinger31"), TEXT("lring2"), TEXT("ring_02_l")}},
	{TEXT("r_ring2"), {TEXT("rightfinger31"), TEXT("rring2"), TEXT("ring_02_r")}},
	{TEXT("lring2"), {TEXT("leftfinger31"), TEXT("l_ring2"), TEXT("ring_02_l")}},
	{TEXT("rring2"), {TEXT("rightfinger31"), TEXT("r_ring2"), TEXT("ring_02_r")}},

	// Ring, third segment
	{TEXT("leftfinger32"), {TEXT("ring3"), TEXT("ring03"), TEXT("ring_03"), TEXT("ring_03_l"), TEXT("l_ring_03"), TEXT("lefthandring3"), TEXT("lefthandring03"), TEXT("ringdistall"), TEXT("ringdistal_l"), TEXT("l_ring3"), TEXT("lring3")}},
	{TEXT("rightfinger32"), {TEXT("ring3"), TEXT("ring03"), TEXT("ring_03"), TEXT("ring_03_r"), TEXT("r_ring_03"), TEXT("righthandring3"), TEXT("righthandring03"), TEXT("ringdistalr"), TEXT("ringdistal_r"), TEXT("r_ring3"), TEXT("rring3")}},
	{TEXT("finger32"), {TEXT("ring3"), TEXT("ring03"), TEXT("ring_03"), TEXT("ringdistal"), TEXT("handring3")}},
	{TEXT("ring3"), {TEXT("finger32"), TEXT("leftfinger32"), TEXT("rightfinger32"), TEXT("ring03"), TEXT("ring_03")}},
	{TEXT("ring03"), {TEXT("finger32"), TEXT("ring3"), TEXT("ring_03"), TEXT("ringdistal")}},
	{TEXT("ring_03"), {TEXT("finger32"), TEXT("ring3"), TEXT("ring03"), TEXT("ringdistal")}},
	{TEXT("ring_03_l"), {TEXT("leftfinger32"), TEXT("l_ring_03"), TEXT("left_ring_03"), TEXT("lefthandring3"), TEXT("ringdistall")}},
	{TEXT("ring_03_r"), {TEXT("rightfinger32"), TEXT("r_ring_03"), TEXT("right_ring_03"), TEXT("righthandring3"), TEXT("ringdistalr")}},
	{TEXT("lefthandring3"), {TEXT("leftfinger32"), TEXT("ring_03_l"), TEXT("l_ring_03"), TEXT("ringdistall")}},
	{TEXT("righthandring3"), {TEXT("rightfinger32"), TEXT("ring_03_r"), TEXT("r_ring_03"), TEXT("ringdistalr")}},
	{TEXT("l_ring3"), {TEXT("leftfinger32"), TEXT("lring3"), TEXT("ring_03_l")}},
	{TEXT("r_ring3"), {TEXT("rightfinger32"), TEXT("rring3"), TEXT("ring_03_r")}},
	{TEXT("lring3"), {TEXT("leftfinger32"), TEXT("l_ring3"), TEXT("ring_03_l")}},
	{TEXT("rring3"), {TEXT("rightfinger32"), TEXT("r_ring3"), TEXT("ring_03_r")}},
	{TEXT("handring3"), {TEXT("finger32"), TEXT("ring3"), TEXT("ring03"), TEXT("ringdistal")}},

	// Pinky (little finger), first segment
	{TEXT("leftfinger4"), {TEXT("pinky"), TEXT("pinky1"), TEXT("pinky01"), TEXT("pinky_01"), TEXT("pinkyl"), TEXT("pinky_01_l"), TEXT("l_pinky_01"), TEXT("little"), TEXT("lefthandpinky1"), TEXT("lefthandpinky01"), TEXT("littleproximall"), TEXT("littleproximal_l"), TEXT("pinkyproximall")}},
	{TEXT("rightfinger4"), {TEXT("pinky"), TEXT("pinky1"), TEXT("pinky01"), TEXT("pinky_01"), TEXT("pinkyr"), TEXT("pinky_01_r"), TEXT("r_pinky_01"), TEXT("little"), TEXT("righthandpinky1"), TEXT("righthandpinky01"), TEXT("littleproximalr"), TEXT("littleproximal_r"), TEXT("pinkyproximalr")}},
	{TEXT("finger4"), {TEXT("pinky"), TEXT("pinky1"), TEXT("pinky01"), TEXT("pinky_01"), TEXT("pinkyproximal"), TEXT("little"), TEXT("littleproximal"), TEXT("handpinky1")}},
	{TEXT("pinky"), {TEXT("finger4"), TEXT("pinky1"), TEXT("pinky01"), TEXT("pinky_01")}},
	{TEXT("little"), {TEXT("pinky"), TEXT("finger4"), TEXT("pinky1"), TEXT("pinky01"), TEXT("pinky_01")}},
	{TEXT("pinky1"), {TEXT("finger4"), TEXT("leftfinger4"), TEXT("rightfinger4"), TEXT("pinky01"), TEXT("pinky_01")}},
	{TEXT("pinky01"), {TEXT("finger4"), TEXT("pinky1"), TEXT("pinky_01"), TEXT("pinkyproximal")}},
	{TEXT("pinky_01"), {TEXT("finger4"), TEXT("pinky1"), TEXT("pinky01"), TEXT("pinkyproximal")}},
	{TEXT("pinky_01_l"), {TEXT("leftfinger4"), TEXT("pinkyl"), TEXT("l_pinky_01"), TEXT("left_pinky_01"), TEXT("lefthandpinky1"), TEXT("littleproximall")}},
	{TEXT("pinky_01_r"), {TEXT("rightfinger4"), TEXT("pinkyr"), TEXT("r_pinky_01"), TEXT("right_pinky_01"), TEXT("righthandpinky1"), TEXT("littleproximalr")}},
	{TEXT("lefthandpinky1"), {TEXT("leftfinger4"), TEXT("pinkyl"), TEXT("pinky_01_l"), TEXT("l_pinky_01"), TEXT("littleproximall")}},
	{TEXT("righthandpinky1"), {TEXT("rightfinger4"), TEXT("pinkyr"), TEXT("pinky_01_r"), TEXT("r_pinky_01"), TEXT("littleproximalr")}},
	{TEXT("handpinky1"), {TEXT("finger4"), TEXT("pinky1"), TEXT("pinky01"), TEXT("pinkyproximal")}},
	{TEXT("littleproximal"), {TEXT("finger4"), TEXT("pinky1"), TEXT("pinky01"), TEXT("pinky_01")}},
	{TEXT("littleproximall"), {TEXT("leftfinger4"), TEXT("pinky_01_l"), TEXT("l_pinky_01"), TEXT("lefthandpinky1"), TEXT("pinkyproximall")}},
	{TEXT("littleproximalr"), {TEXT("rightfinger4"), TEXT("pinky_01_r"), TEXT("r_pinky_01"), TEXT("righthandpinky1"), TEXT("pinkyproximalr")}},
	{TEXT("pinkyproximal"), {TEXT("finger4"), TEXT("pinky1"), TEXT("pinky01"), TEXT("pinky_01")}},
	{TEXT("pinkyproximall"), {TEXT("leftfinger4"), TEXT("pinky_01_l"), TEXT("l_pinky_01"), TEXT("lefthandpinky1"), TEXT("littleproximall")}},
	{TEXT("pinkyproximalr"), {TEXT("rightfinger4"), TEXT("pinky_01_r"), TEXT("r_pinky_01"), TEXT("righthandpinky1"), TEXT("littleproximalr")}},

	// Pinky, second segment
	{TEXT("leftfinger41"), {TEXT("pinky2"), TEXT("pinky02"), TEXT("pinky_02"), TEXT("pinky_02_l"), TEXT("l_pinky_02"), TEXT("lefthandpinky2"), TEXT("lefthandpinky02"), TEXT("littleintermediatel"), TEXT("littleintermediate_l"), TEXT("pinkyintermediatel")}},
	{TEXT("rightfinger41"), {TEXT("pinky2"), TEXT("pinky02"), TEXT("pinky_02"), TEXT("pinky_02_r"), TEXT("r_pinky_02"), TEXT("righthandpinky2"), TEXT("righthandpinky02"), TEXT("littleintermediater"), TEXT("littleintermediate_r"), TEXT("pinkyintermediater")}},
	{TEXT("finger41"), {TEXT("pinky2"), TEXT("pinky02"), TEXT("pinky_02"), TEXT("pinkyintermediate"), TEXT("littleintermediate"), TEXT("handpinky2")}},
	{TEXT("pinky2"), {TEXT("finger41"), TEXT("leftfinger41"), TEXT("rightfinger41"), TEXT("pinky02"), TEXT("pinky_02")}},
	{TEXT("pinky02"), {TEXT("finger41"), TEXT("pinky2"), TEXT("pinky_02"), TEXT("pinkyintermediate")}},
	{TEXT("pinky_02"), {TEXT("finger41"), TEXT("pinky2"), TEXT("pinky02"), TEXT("pinkyintermediate")}},
	{TEXT("pinky_02_l"), {TEXT("leftfinger41"), TEXT("l_pinky_02"), TEXT("left_pinky_02"), TEXT("lefthandpinky2"), TEXT("littleintermediatel")}},
	{TEXT("pinky_02_r"), {TEXT("rightfinger41"), TEXT("r_pinky_02"), TEXT("right_pinky_02"), TEXT("righthandpinky2"), TEXT("littleintermediater")}},
	{TEXT("lefthandpinky2"), {TEXT("leftfinger41"), TEXT("pinky_02_l"), TEXT("l_pinky_02"), TEXT("littleintermediatel")}},
	{TEXT("righthandpinky2"), {TEXT("rightfinger41"), TEXT("pinky_02_r"), TEXT("r_pinky_02"), TEXT("littleintermediater")}},
	{TEXT("handpinky2"), {TEXT("finger41"), TEXT("pinky2"), TEXT("pinky02"), TEXT("pinkyintermediate")}},
	{TEXT("littleintermediate"), {TEXT("finger41"), TEXT("pinky2"), TEXT("pinky02"), TEXT("pinky_02"), TEXT("pinkymedial")}},
	{TEXT("littleintermediatel"), {TEXT("leftfinger41"), TEXT("pinky_02_l"), TEXT("l_pinky_02"), TEXT("lefthandpinky2"), TEXT("pinkyintermediatel")}},
	{TEXT("littleintermediater"), {TEXT("rightfinger41"), TEXT("pinky_02_r"), TEXT("r_pinky_02"), TEXT("righthandpinky2"), TEXT("pinkyintermediater")}},
	{TEXT("pinkyintermediate"), {TEXT("finger41"), TEXT("pinky2"), TEXT("pinky02"), TEXT("pinky_02"), TEXT("pinkymedial")}},
	{TEXT("pinkyintermediatel"), {TEXT("leftfinger41"), TEXT("pinky_02_l"), TEXT("l_pinky_02"), TEXT("lefthandpinky2"), TEXT("littleintermediatel")}},
	{TEXT("pinkyintermediater"), {TEXT("rightfinger41"), TEXT("pinky_02_r"), TEXT("r_pinky_02"), TEXT("righthandpinky2"), TEXT("littleintermediater")}},

	// Pinky, third segment
	{TEXT("leftfinger42"), {TEXT("pinky3"), TEXT("pinky03"), TEXT("pinky_03"), TEXT("pinky_03_l"), TEXT("l_pinky_03"), TEXT("lefthandpinky3"), TEXT("lefthandpinky03"), TEXT("littledistall"), TEXT("littledistal_l"), TEXT("pinkydistall")}},
	{TEXT("rightfinger42"), {TEXT("pinky3"), TEXT("pinky03"), TEXT("pinky_03"), TEXT("pinky_03_r"), TEXT("r_pinky_03"), TEXT("righthandpinky3"), TEXT("righthandpinky03"), TEXT("littledistalr"), TEXT("littledistal_r"), TEXT("pinkydistalr")}},
	{TEXT("finger42"), {TEXT("pinky3"), TEXT("pinky03"), TEXT("pinky_03"), TEXT("pinkydistal"), TEXT("littledistal"), TEXT("handpinky3")}},
	{TEXT("pinky3"), {TEXT("finger42"), TEXT("leftfinger42"), TEXT("rightfinger42"), TEXT("pinky03"), TEXT("pinky_03")}},
	{TEXT("pinky03"), {TEXT("finger42"), TEXT("pinky3"), TEXT("pinky_03"), TEXT("pinkydistal")}},
	{TEXT("pinky_03"), {TEXT("finger42"), TEXT("pinky3"), TEXT("pinky03"), TEXT("pinkydistal")}},
	{TEXT("pinky_03_l"), {TEXT("leftfinger42"), TEXT("l_pinky_03"), TEXT("left_pinky_03"), TEXT("lefthandpinky3"), TEXT("littledistall")}},
	{TEXT("pinky_03_r"), {TEXT("rightfinger42"), TEXT("r_pinky_03"), TEXT("right_pinky_03"), TEXT("righthandpinky3"), TEXT("littledistalr")}},
	{TEXT("lefthandpinky3"), {TEXT("leftfinger42"), TEXT("pinky_03_l"), TEXT("l_pinky_03"), TEXT("littledistall")}},
	{TEXT("righthandpinky3"), {TEXT("rightfinger42"), TEXT("pinky_03_r"), TEXT("r_pinky_03"), TEXT("littledistalr")}},
	{TEXT("handpinky3"), {TEXT("finger42"), TEXT("pinky3"), TEXT("pinky03"), TEXT("pinkydistal")}},
	{TEXT("littledistal"), {TEXT("finger42"), TEXT("pinky3"), TEXT("pinky03"), TEXT("pinky_03")}},
	{TEXT("littledistall"), {TEXT("leftfinger42"), TEXT("pinky_03_l"), TEXT("l_pinky_03"), TEXT("lefthandpinky3"), TEXT("pinkydistall")}},
	{TEXT("littledistalr"), {TEXT("rightfinger42"), TEXT("pinky_03_r"), TEXT("r_pinky_03"), TEXT("righthandpinky3"), TEXT("pinkydistalr")}},
	{TEXT("pinkydistal"), {TEXT("finger42"), TEXT("pinky3"), TEXT("pinky03"), TEXT("pinky_03")}},
	{TEXT("pinkydistall"), {TEXT("leftfinger42"), TEXT("pinky_03_l"), TEXT("l_pinky_03"), TEXT("lefthandpinky3"), TEXT("littledistall")}},
	{TEXT("pinkydistalr"), {TEXT("rightfinger42"), TEXT("pinky_03_r"), TEXT("r_pinky_03"), TEXT("righthandpinky3"), TEXT("littledistalr")}},
};
}

const TMap<FString, TArray<FString>>& FZevoBoneNameMappings::GetCommonMappings()
{
	static const TMap<FString, TArray<FString>> Mappings = []
	{
		TMap<FString, TArray<FString>> Result;
		Result.Reserve(UE_ARRAY_COUNT(Rows));
		for (const FMappingRow& Row : Rows)
		{
			TArray<FString>& Values = Result.Add(Row.Key, {});
			Values.Reserve(static_cast<int32>(Row.Values.size()));
			for (const TCHAR* Value : Row.Values)
			{
				Values.Add(Value);
			}
		}
		return Result;
	}();
	return Mappings;
}
