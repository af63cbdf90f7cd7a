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
	const char* Key;
	std::initializer_list<const char*> Values;
};

// Plain constants: the rows cost no code and no start-up time; the map is built from them on
// first use.
constexpr FMappingRow Rows[] = {
	// Pelvis and root
	{"hips", {"pelvis", "root", "hip", "basin", "spine0", "spine_0"}},
	{"pelvis", {"hips", "root", "hip", "basin"}},
	{"root", {"hips", "pelvis", "hip"}},

	// Thigh (upper leg)
	{"lefthip", {"thigh", "thighl", "thigh_l", "upleg", "upperleg", "leftupleg", "l_thigh", "left_thigh", "l_upleg", "upperlegl", "leftupperleg"}},
	{"righthip", {"thigh", "thighr", "thigh_r", "upleg", "upperleg", "rightupleg", "r_thigh", "right_thigh", "r_upleg", "upperlegr", "rightupperleg"}},
	{"thigh", {"hip", "upleg", "upperleg", "leg"}},
	{"thighl", {"lefthip", "thigh_l", "leftupleg", "l_thigh", "left_thigh", "upperlegl"}},
	{"thighr", {"righthip", "thigh_r", "rightupleg", "r_thigh", "right_thigh", "upperlegr"}},
	{"thigh_l", {"lefthip", "thighl", "leftupleg", "l_thigh", "left_thigh", "upperlegl"}},
	{"thigh_r", {"righthip", "thighr", "rightupleg", "r_thigh", "right_thigh", "upperlegr"}},
	{"leftupleg", {"lefthip", "thighl", "thigh_l", "l_thigh", "left_thigh", "l_upleg", "upperlegl"}},
	{"rightupleg", {"righthip", "thighr", "thigh_r", "r_thigh", "right_thigh", "r_upleg", "upperlegr"}},
	{"upleg", {"hip", "thigh", "upperleg", "leg"}},
	{"upperleg", {"hip", "thigh", "upleg", "leg"}},
	{"upperlegl", {"lefthip", "thighl", "thigh_l", "leftupleg", "l_thigh", "left_thigh", "leftupperleg"}},
	{"upperlegr", {"righthip", "thighr", "thigh_r", "rightupleg", "r_thigh", "right_thigh", "rightupperleg"}},
	{"leftupperleg", {"lefthip", "thighl", "thigh_l", "leftupleg", "upperlegl"}},
	{"rightupperleg", {"righthip", "thighr", "thigh_r", "rightupleg", "upperlegr"}},

	// Calf (lower leg)
	{"leftknee", {"calf", "calfl", "calf_l", "shin", "lowleg", "lowerleg", "leftleg", "l_calf", "left_calf", "l_leg", "lowerlegl", "leftlowerleg"}},
	{"rightknee", {"calf", "calfr", "calf_r", "shin", "lowleg", "lowerleg", "rightleg", "r_calf", "right_calf", "r_leg", "lowerlegr", "rightlowerleg"}},
	{"knee", {"calf", "shin", "lowleg", "lowerleg", "leg", "leg1"}},
	{"calf", {"knee", "shin", "lowleg", "lowerleg", "leg"}},
	{"calfl", {"leftknee", "calf_l", "leftleg", "l_calf", "left_calf", "lowerlegl"}},
	{"calfr", {"rightknee", "calf_r", "rightleg", "r_calf", "right_calf", "lowerlegr"}},
	{"calf_l", {"leftknee", "calfl", "leftleg", "l_calf", "left_calf", "lowerlegl"}},
	{"calf_r", {"rightknee", "calfr", "rightleg", "r_calf", "right_calf", "lowerlegr"}},
	{"leftleg", {"leftknee", "calfl", "calf_l", "l_calf", "left_calf", "l_leg", "lowerlegl"}},
	{"rightleg", {"rightknee", "calfr", "calf_r", "r_calf", "right_calf", "r_leg", "lowerlegr"}},
	{"lowleg", {"knee", "calf", "shin", "lowerleg"}},
	{"lowerleg", {"knee", "calf", "shin", "lowleg"}},
	{"lowerlegl", {"leftknee", "calfl", "calf_l", "leftleg", "l_calf", "left_calf", "leftlowerleg"}},
	{"lowerlegr", {"rightknee", "calfr", "calf_r", "rightleg", "r_calf", "right_calf", "rightlowerleg"}},
	{"leftlowerleg", {"leftknee", "calfl", "calf_l", "leftleg", "lowerlegl"}},
	{"rightlowerleg", {"rightknee", "calfr", "calf_r", "rightleg", "lowerlegr"}},

	// Foot
	{"leftankle", {"foot", "footl", "foot_l", "ankle", "l_foot", "left_foot"}},
	{"rightankle", {"foot", "footr", "foot_r", "ankle", "r_foot", "right_foot"}},
	{"ankle", {"foot", "feet", "toes"}},
	{"foot", {"ankle", "feet"}},
	{"footl", {"leftankle", "foot_l", "leftfoot", "l_foot", "left_foot"}},
	{"footr", {"rightankle", "foot_r", "rightfoot", "r_foot", "right_foot"}},
	{"foot_l", {"leftankle", "footl", "leftfoot", "l_foot", "left_foot"}},
	{"foot_r", {"rightankle", "footr", "rightfoot", "r_foot", "right_foot"}},

	// Toes and ball of the foot
	{"lefttoe", {"lefttoes", "ball", "balll", "ball_l", "ball01l", "ball_01_l", "toes", "toesl", "toes_l", "toe", "toel", "toe_l", "toebase", "toebasel", "toebase_l", "l_ball", "left_ball", "l_toes", "left_toes", "l_toebase", "left_toebase", "lefttoebase"}},
	{"lefttoes", {"lefttoe", "toesl", "toes_l", "l_toes", "left_toes", "ball_l", "toebase_l", "lefttoebase"}},
	{"righttoe", {"righttoes", "ball", "ballr", "ball_r", "ball01r", "ball_01_r", "toes", "toesr", "toes_r", "toe", "toer", "toe_r", "toebase", "toebaser", "toebase_r", "r_ball", "right_ball", "r_toes", "right_toes", "r_toebase", "right_toebase", "righttoebase"}},
	{"righttoes", {"righttoe", "toesr", "toes_r", "r_toes", "right_toes", "ball_r", "toebase_r", "righttoebase"}},
	{"ball01l", {"lefttoe", "lefttoes", "ball_l", "balll", "ball_01_l"}},
	{"ball01r", {"righttoe", "righttoes", "ball_r", "ballr", "ball_01_r"}},
	{"toes", {"ball", "toe", "toebase", "toetip", "footend"}},
	{"toesl", {"lefttoe", "lefttoes", "toes_l", "l_toes", "left_toes"}},
	{"toesr", {"righttoe", "righttoes", "toes_r", "r_toes", "right_toes"}},
	{"ball", {"toes", "toe", "toebase"}},
	{"balll", {"lefttoe", "lefttoes", "ball_l", "ball01l", "l_ball", "left_ball"}},
	{"ballr", {"righttoe", "righttoes", "ball_r", "ball01r", "r_ball", "right_ball"}},
	{"ball_l", {"lefttoe", "lefttoes", "balll", "ball01l", "ball_01_l", "l_ball", "left_ball"}},
	{"ball_r", {"righttoe", "righttoes", "ballr", "ball01r", "ball_01_r", "r_ball", "right_ball"}},
	{"toes_l", {"lefttoe", "lefttoes", "toesl", "l_toes", "left_toes"}},
	{"toes_r", {"righttoe", "righttoes", "toesr", "r_toes", "right_toes"}},
	{"toe", {"toes", "ball", "toebase"}},
	{"toel", {"lefttoe", "lefttoes", "toe_l", "l_toe", "left_toe"}},
	{"toer", {"righttoe", "righttoes", "toe_r", "r_toe", "right_toe"}},
	{"toe_l", {"lefttoe", "lefttoes", "toel", "l_toe", "left_toe"}},
	{"toe_r", {"righttoe", "righttoes", "toer", "r_toe", "right_toe"}},
	{"toebase", {"toe", "toes", "ball"}},
	{"toebasel", {"lefttoe", "lefttoes", "ball_l", "toes_l", "toebase_l", "l_toebase", "left_toebase", "lefttoebase"}},
	{"toebaser", {"righttoe", "righttoes", "ball_r", "toes_r", "toebase_r", "r_toebase", "right_toebase", "righttoebase"}},
	{"toebase_l", {"lefttoe", "lefttoes", "toebasel", "l_toebase", "left_toebase", "lefttoebase"}},
	{"toebase_r", {"righttoe", "righttoes", "toebaser", "r_toebase", "right_toebase", "righttoebase"}},
	{"lefttoebase", {"lefttoe", "lefttoes", "toebasel", "toebase_l", "l_toebase", "left_toebase"}},
	{"righttoebase", {"righttoe", "righttoes", "toebaser", "toebase_r", "r_toebase", "right_toebase"}},
	{"l_toebase", {"lefttoe", "toebasel", "toebase_l", "left_toebase", "lefttoebase"}},
	{"r_toebase", {"righttoe", "toebaser", "toebase_r", "right_toebase", "righttoebase"}},
	{"left_toebase", {"lefttoe", "toebasel", "toebase_l", "l_toebase", "lefttoebase"}},
	{"right_toebase", {"righttoe", "toebaser", "toebase_r", "r_toebase", "righttoebase"}},

	// Spine
	{"chest", {"spine", "spine1", "spine01", "spine_01", "spine_1", "torso", "upperbody"}},
	{"spine", {"chest", "spine1", "spine01", "spine_01", "torso", "body"}},
	{"spine1", {"chest", "spine", "spine01", "spine_01"}},
	{"spine01", {"chest", "spine", "spine1", "spine_01"}},
	{"spine_01", {"chest", "spine", "spine1", "spine01"}},
	{"chest1", {"chest", "spine2", "spine02", "spine_02", "spine_2", "chest2", "upperchest"}},
	{"spine2", {"chest1", "chest", "spine02", "spine_02", "chest2"}},
	{"spine02", {"chest1", "spine2", "spine_02"}},
	{"spine_02", {"chest1", "spine2", "spine02"}},
	{"chest2", {"upperchest", "spine3", "spine03", "spine_03", "spine_3", "chest3"}},
	{"spine3", {"chest2", "upperchest", "spine03", "spine_03"}},
	{"spine03", {"chest2", "upperchest", "spine3", "spine_03"}},
	{"spine_03", {"chest2", "upperchest", "spine3", "spine03"}},

	// Neck and head
	{"neck", {"neck1", "neck01", "neck_01", "neck_1", "neckbase"}},
	{"neck1", {"head", "neck", "head1", "neck02", "neck_02"}},
	{"neck01", {"neck", "neck1", "neck_01"}},
	{"neck_01", {"neck", "neck1", "neck01"}},
	{"head", {"neck1", "skull", "head1"}},

	// Clavicle
	{"leftcollar", {"clavicle", "claviclel", "clavicle_l", "shoulder", "shoulderl", "l_clavicle", "left_clavicle", "leftshoulder"}},
	{"rightcollar", {"clavicle", "clavicler", "clavicle_r", "shoulder", "shoulderr", "r_clavicle", "right_clavicle", "rightshoulder"}},
	{"collar", {"clavicle", "shoulder", "scapula", "shoulderblade"}},
	{"clavicle", {"collar", "shoulder", "scapula"}},
	{"claviclel", {"leftcollar", "clavicle_l", "l_clavicle", "left_clavicle", "shoulderl"}},
	{"clavicler", {"rightcollar", "clavicle_r", "r_clavicle", "right_clavicle", "shoulderr"}},
	{"clavicle_l", {"leftcollar", "claviclel", "l_clavicle", "left_clavicle", "shoulderl"}},
	{"clavicle_r", {"rightcollar", "clavicler", "r_clavicle", "right_clavicle", "shoulderr"}},
	{"shoulderl", {"leftcollar", "claviclel", "clavicle_l", "l_clavicle", "left_clavicle"}},
	{"shoulderr", {"rightcollar", "clavicler", "clavicle_r", "r_clavicle", "right_clavicle"}},

	// Upper arm ("shoulder" names the clavicle in some rigs and the upper arm in others)
	{"leftshoulder", {"upperarm", "upperarml", "upperarm_l", "arm", "leftarm", "l_upperarm", "left_upperarm"}},
	{"rightshoulder", {"upperarm", "upperarmr", "upperarm_r", "arm", "rightarm", "r_upperarm", "right_upperarm"}},
	{"shoulder", {"upperarm", "arm", "uparm", "bicep", "humerus"}},
	{"upperarm", {"shoulder", "arm", "uparm", "bicep"}},
	{"upperarml", {"leftshoulder", "upperarm_l", "leftarm", "l_upperarm", "left_upperarm"}},
	{"upperarmr", {"rightshoulder", "upperarm_r", "rightarm", "r_upperarm", "right_upperarm"}},
	{"upperarm_l", {"leftshoulder", "upperarml", "leftarm", "l_upperarm", "left_upperarm"}},
	{"upperarm_r", {"rightshoulder", "upperarmr", "rightarm", "r_upperarm", "right_upperarm"}},
	{"leftarm", {"leftshoulder", "upperarml", "upperarm_l", "l_upperarm", "left_upperarm"}},
	{"rightarm", {"rightshoulder", "upperarmr", "upperarm_r", "r_upperarm", "right_upperarm"}},

	// Lower arm
	{"leftelbow", {"lowerarm", "lowerarml", "lowerarm_l", "forearm", "leftforearm", "l_lowerarm", "left_lowerarm"}},
	{"rightelbow", {"lowerarm", "lowerarmr", "lowerarm_r", "forearm", "rightforearm", "r_lowerarm", "right_lowerarm"}},
	{"elbow", {"lowerarm", "forearm", "lowarm", "arm1", "ulna"}},
	{"lowerarm", {"elbow", "forearm", "lowarm"}},
	{"lowerarml", {"leftelbow", "lowerarm_l", "leftforearm", "l_lowerarm", "left_lowerarm"}},
	{"lowerarmr", {"rightelbow", "lowerarm_r", "rightforearm", "r_lowerarm", "right_lowerarm"}},
	{"lowerarm_l", {"leftelbow", "lowerarml", "leftforearm", "l_lowerarm", "left_lowerarm"}},
	{"lowerarm_r", {"rightelbow", "lowerarmr", "rightforearm", "r_lowerarm", "right_lowerarm"}},
	{"leftforearm", {"leftelbow", "lowerarml", "lowerarm_l", "l_lowerarm", "left_lowerarm", "l_forearm"}},
	{"rightforearm", {"rightelbow", "lowerarmr", "lowerarm_r", "r_lowerarm", "right_lowerarm", "r_forearm"}},

	// Hand
	{"leftwrist", {"hand", "handl", "hand_l", "palm", "lefthand", "l_hand", "left_hand"}},
	{"rightwrist", {"hand", "handr", "hand_r", "palm", "righthand", "r_hand", "right_hand"}},
	{"wrist", {"hand", "palm", "metacarpal"}},
	{"hand", {"wrist", "palm"}},
	{"handl", {"leftwrist", "hand_l", "lefthand", "l_hand", "left_hand"}},
	{"handr", {"rightwrist", "hand_r", "righthand", "r_hand", "right_hand"}},
	{"hand_l", {"leftwrist", "handl", "lefthand", "l_hand", "left_hand"}},
	{"hand_r", {"rightwrist", "handr", "righthand", "r_hand", "right_hand"}},
	{"lefthand", {"leftwrist", "handl", "hand_l", "l_hand", "left_hand"}},
	{"righthand", {"rightwrist", "handr", "hand_r", "r_hand", "right_hand"}},

	// Thumb, first segment
	{"leftfinger0", {"thumb", "thumb1", "thumb01", "thumb_01", "thumbl", "thumb_01_l", "l_thumb_01", "lefthandthumb1", "lefthandthumb01", "thumbproximall", "thumbproximal_l"}},
	{"rightfinger0", {"thumb", "thumb1", "thumb01", "thumb_01", "thumbr", "thumb_01_r", "r_thumb_01", "righthandthumb1", "righthandthumb01", "thumbproximalr", "thumbproximal_r"}},
	{"finger0", {"thumb", "thumb1", "thumb01", "thumb_01", "thumbproximal", "handthumb1"}},
	{"thumb", {"finger0", "thumb1", "thumb01", "thumb_01"}},
	{"thumb1", {"finger0", "leftfinger0", "rightfinger0", "thumb01", "thumb_01"}},
	{"thumb01", {"finger0", "thumb1", "thumb_01", "thumbproximal"}},
	{"thumb_01", {"finger0", "thumb1", "thumb01", "thumbproximal"}},
	{"thumb_01_l", {"leftfinger0", "thumbl", "l_thumb_01", "left_thumb_01", "lefthandthumb1", "thumbproximall"}},
	{"thumb_01_r", {"rightfinger0", "thumbr", "r_thumb_01", "right_thumb_01", "righthandthumb1", "thumbproximalr"}},
	{"lefthandthumb1", {"leftfinger0", "thumbl", "thumb_01_l", "l_thumb_01", "thumbproximall"}},
	{"righthandthumb1", {"rightfinger0", "thumbr", "thumb_01_r", "r_thumb_01", "thumbproximalr"}},
	{"handthumb1", {"finger0", "thumb1", "thumb01", "thumbproximal"}},
	{"thumbproximal", {"finger0", "thumb1", "thumb01", "thumb_01"}},
	{"thumbproximall", {"leftfinger0", "thumb_01_l", "l_thumb_01", "lefthandthumb1", "thumbproximal_l"}},
	{"thumbproximalr", {"rightfinger0", "thumb_01_r", "r_thumb_01", "righthandthumb1", "thumbproximal_r"}},

	// Thumb, second segment
	{"leftfinger01", {"thumb2", "thumb02", "thumb_02", "thumb_02_l", "l_thumb_02", "lefthandthumb2", "lefthandthumb02", "thumbintermediatel", "thumbintermediate_l"}},
	{"rightfinger01", {"thumb2", "thumb02", "thumb_02", "thumb_02_r", "r_thumb_02", "righthandthumb2", "righthandthumb02", "thumbintermediater", "thumbintermediate_r"}},
	{"finger01", {"thumb2", "thumb02", "thumb_02", "thumbintermediate", "handthumb2"}},
	{"thumb2", {"finger01", "leftfinger01", "rightfinger01", "thumb02", "thumb_02"}},
	{"thumb02", {"finger01", "thumb2", "thumb_02", "thumbintermediate"}},
	{"thumb_02", {"finger01", "thumb2", "thumb02", "thumbintermediate"}},
	{"thumb_02_l", {"leftfinger01", "l_thumb_02", "left_thumb_02", "lefthandthumb2", "thumbintermediatel"}},
	{"thumb_02_r", {"rightfinger01", "r_thumb_02", "right_thumb_02", "righthandthumb2", "thumbintermediater"}},
	{"lefthandthumb2", {"leftfinger01", "thumb_02_l", "l_thumb_02", "thumbintermediatel"}},
	{"righthandthumb2", {"rightfinger01", "thumb_02_r", "r_thumb_02", "thumbintermediater"}},
	{"handthumb2", {"finger01", "thumb2", "thumb02", "thumbintermediate"}},
	{"thumbintermediate", {"finger01", "thumb2", "thumb02", "thumb_02", "thumbmedial"}},
	{"thumbintermediatel", {"leftfinger01", "thumb_02_l", "l_thumb_02", "lefthandthumb2", "thumbintermediate_l"}},
	{"thumbintermediater", {"rightfinger01", "thumb_02_r", "r_thumb_02", "righthandthumb2", "thumbintermediate_r"}},

	// Thumb, third segment
	{"leftfinger02", {"thumb3", "thumb03", "thumb_03", "thumb_03_l", "l_thumb_03", "lefthandthumb3", "lefthandthumb03", "thumbdistall", "thumbdistal_l"}},
	{"rightfinger02", {"thumb3", "thumb03", "thumb_03", "thumb_03_r", "r_thumb_03", "righthandthumb3", "righthandthumb03", "thumbdistalr", "thumbdistal_r"}},
	{"finger02", {"thumb3", "thumb03", "thumb_03", "thumbdistal", "handthumb3"}},
	{"thumb3", {"finger02", "leftfinger02", "rightfinger02", "thumb03", "thumb_03"}},
	{"thumb03", {"finger02", "thumb3", "thumb_03", "thumbdistal"}},
	{"thumb_03", {"finger02", "thumb3", "thumb03", "thumbdistal"}},
	{"thumb_03_l", {"leftfinger02", "l_thumb_03", "left_thumb_03", "lefthandthumb3", "thumbdistall"}},
	{"thumb_03_r", {"rightfinger02", "r_thumb_03", "right_thumb_03", "righthandthumb3", "thumbdistalr"}},
	{"lefthandthumb3", {"leftfinger02", "thumb_03_l", "l_thumb_03", "thumbdistall"}},
	{"righthandthumb3", {"rightfinger02", "thumb_03_r", "r_thumb_03", "thumbdistalr"}},
	{"handthumb3", {"finger02", "thumb3", "thumb03", "thumbdistal"}},
	{"thumbdistal", {"finger02", "thumb3", "thumb03", "thumb_03"}},
	{"thumbdistall", {"leftfinger02", "thumb_03_l", "l_thumb_03", "lefthandthumb3", "thumbdistal_l"}},
	{"thumbdistalr", {"rightfinger02", "thumb_03_r", "r_thumb_03", "righthandthumb3", "thumbdistal_r"}},

	// Index, first segment
	{"leftfinger1", {"index", "index1", "index01", "index_01", "indexl", "index_01_l", "l_index_01", "lefthandindex1", "lefthandindex01", "indexproximall", "indexproximal_l"}},
	{"rightfinger1", {"index", "index1", "index01", "index_01", "indexr", "index_01_r", "r_index_01", "righthandindex1", "righthandindex01", "indexproximalr", "indexproximal_r"}},
	{"finger1", {"index", "index1", "index01", "index_01", "indexproximal", "handindex1"}},
	{"index", {"finger1", "index1", "index01", "index_01"}},
	{"index1", {"finger1", "leftfinger1", "rightfinger1", "index01", "index_01"}},
	{"index01", {"finger1", "index1", "index_01", "indexproximal"}},
	{"index_01", {"finger1", "index1", "index01", "indexproximal"}},
	{"index_01_l", {"leftfinger1", "indexl", "l_index_01", "left_index_01", "lefthandindex1", "indexproximall"}},
	{"index_01_r", {"rightfinger1", "indexr", "r_index_01", "right_index_01", "righthandindex1", "indexproximalr"}},
	{"lefthandindex1", {"leftfinger1", "indexl", "index_01_l", "l_index_01", "indexproximall"}},
	{"righthandindex1", {"rightfinger1", "indexr", "index_01_r", "r_index_01", "indexproximalr"}},
	{"handindex1", {"finger1", "index1", "index01", "indexproximal"}},
	{"indexproximal", {"finger1", "index1", "index01", "index_01"}},
	{"indexproximall", {"leftfinger1", "index_01_l", "l_index_01", "lefthandindex1", "indexproximal_l"}},
	{"indexproximalr", {"rightfinger1", "index_01_r", "r_index_01", "righthandindex1", "indexproximal_r"}},

	// Index, second segment
	{"leftfinger11", {"index2", "index02", "index_02", "index_02_l", "l_index_02", "lefthandindex2", "lefthandindex02", "indexintermediatel", "indexintermediate_l"}},
	{"rightfinger11", {"index2", "index02", "index_02", "index_02_r", "r_index_02", "righthandindex2", "righthandindex02", "indexintermediater", "indexintermediate_r"}},
	{"finger11", {"index2", "index02", "index_02", "indexintermediate", "handindex2"}},
	{"index2", {"finger11", "leftfinger11", "rightfinger11", "index02", "index_02"}},
	{"index02", {"finger11", "index2", "index_02", "indexintermediate"}},
	{"index_02", {"finger11", "index2", "index02", "indexintermediate"}},
	{"index_02_l", {"leftfinger11", "l_index_02", "left_index_02", "lefthandindex2", "indexintermediatel"}},
	{"index_02_r", {"rightfinger11", "r_index_02", "right_index_02", "righthandindex2", "indexintermediater"}},
	{"lefthandindex2", {"leftfinger11", "index_02_l", "l_index_02", "indexintermediatel"}},
	{"righthandindex2", {"rightfinger11", "index_02_r", "r_index_02", "indexintermediater"}},
	{"handindex2", {"finger11", "index2", "index02", "indexintermediate"}},
	{"indexintermediate", {"finger11", "index2", "index02", "index_02", "indexmedial"}},
	{"indexintermediatel", {"leftfinger11", "index_02_l", "l_index_02", "lefthandindex2", "indexintermediate_l"}},
	{"indexintermediater", {"rightfinger11", "index_02_r", "r_index_02", "righthandindex2", "indexintermediate_r"}},

	// Index, third segment
	{"leftfinger12", {"index3", "index03", "index_03", "index_03_l", "l_index_03", "lefthandindex3", "lefthandindex03", "indexdistall", "indexdistal_l"}},
	{"rightfinger12", {"index3", "index03", "index_03", "index_03_r", "r_index_03", "righthandindex3", "righthandindex03", "indexdistalr", "indexdistal_r"}},
	{"finger12", {"index3", "index03", "index_03", "indexdistal", "handindex3"}},
	{"index3", {"finger12", "leftfinger12", "rightfinger12", "index03", "index_03"}},
	{"index03", {"finger12", "index3", "index_03", "indexdistal"}},
	{"index_03", {"finger12", "index3", "index03", "indexdistal"}},
	{"index_03_l", {"leftfinger12", "l_index_03", "left_index_03", "lefthandindex3", "indexdistall"}},
	{"index_03_r", {"rightfinger12", "r_index_03", "right_index_03", "righthandindex3", "indexdistalr"}},
	{"lefthandindex3", {"leftfinger12", "index_03_l", "l_index_03", "indexdistall"}},
	{"righthandindex3", {"rightfinger12", "index_03_r", "r_index_03", "indexdistalr"}},
	{"handindex3", {"finger12", "index3", "index03", "indexdistal"}},
	{"indexdistal", {"finger12", "index3", "index03", "index_03"}},
	{"indexdistall", {"leftfinger12", "index_03_l", "l_index_03", "lefthandindex3", "indexdistal_l"}},
	{"indexdistalr", {"rightfinger12", "index_03_r", "r_index_03", "righthandindex3", "indexdistal_r"}},

	// Middle, first segment
	{"leftfinger2", {"middle", "middle1", "middle01", "middle_01", "middlel", "middle_01_l", "l_middle_01", "lefthandmiddle1", "lefthandmiddle01", "mid1", "midl", "mid_l", "l_mid1", "lmid1", "mid_01_l"}},
	{"rightfinger2", {"middle", "middle1", "middle01", "middle_01", "middler", "middle_01_r", "r_middle_01", "righthandmiddle1", "righthandmiddle01", "mid1", "midr", "mid_r", "r_mid1", "rmid1", "mid_01_r"}},
	{"finger2", {"middle", "middle1", "middle01", "middle_01", "middleproximal", "mid", "mid1", "handmiddle1"}},
	{"middle", {"finger2", "middle1", "middle01", "middle_01", "mid"}},
	{"middle1", {"finger2", "leftfinger2", "rightfinger2", "middle01", "middle_01", "mid1"}},
	{"middle01", {"finger2", "middle1", "middle_01", "middleproximal"}},
	{"middle_01", {"finger2", "middle1", "middle01", "middleproximal"}},
	{"middle_01_l", {"leftfinger2", "middlel", "l_middle_01", "left_middle_01", "lefthandmiddle1", "middleproximall"}},
	{"middle_01_r", {"rightfinger2", "middler", "r_middle_01", "right_middle_01", "righthandmiddle1", "middleproximalr"}},
	{"lefthandmiddle1", {"leftfinger2", "middlel", "middle_01_l", "l_middle_01", "middleproximall"}},
	{"righthandmiddle1", {"rightfinger2", "middler", "middle_01_r", "r_middle_01", "middleproximalr"}},
	{"handmiddle1", {"finger2", "middle1", "middle01", "middleproximal"}},
	{"mid", {"middle", "finger2"}},
	{"mid1", {"middle1", "leftfinger2", "rightfinger2"}},
	{"lmid1", {"leftfinger2", "l_mid1", "middle_01_l"}},
	{"rmid1", {"rightfinger2", "r_mid1", "middle_01_r"}},
	{"l_mid1", {"leftfinger2", "lmid1", "middle_01_l"}},
	{"r_mid1", {"rightfinger2", "rmid1", "middle_01_r"}},

	// Middle, second segment
	{"leftfinger21", {"middle2", "middle02", "middle_02", "middle_02_l", "l_middle_02", "lefthandmiddle2", "lefthandmiddle02", "middleintermediatel", "middleintermediate_l", "mid2", "l_mid2", "lmid2", "mid_02_l"}},
	{"rightfinger21", {"middle2", "middle02", "middle_02", "middle_02_r", "r_middle_02", "righthandmiddle2", "righthandmiddle02", "middleintermediater", "middleintermediate_r", "mid2", "r_mid2", "rmid2", "mid_02_r"}},
	{"finger21", {"middle2", "middle02", "middle_02", "middleintermediate", "handmiddle2", "mid2"}},
	{"middle2", {"finger21", "leftfinger21", "rightfinger21", "middle02", "middle_02"}},
	{"middle02", {"finger21", "middle2", "middle_02", "middleintermediate"}},
	{"middle_02", {"finger21", "middle2", "middle02", "middleintermediate"}},
	{"middle_02_l", {"leftfinger21", "l_middle_02", "left_middle_02", "lefthandmiddle2", "middleintermediatel"}},
	{"middle_02_r", {"rightfinger21", "r_middle_02", "right_middle_02", "righthandmiddle2", "middleintermediater"}},
	{"lefthandmiddle2", {"leftfinger21", "middle_02_l", "l_middle_02", "middleintermediatel"}},
	{"righthandmiddle2", {"rightfinger21", "middle_02_r", "r_middle_02", "middleintermediater"}},
	{"handmiddle2", {"finger21", "middle2", "middle02", "middleintermediate"}},
	{"mid2", {"middle2", "leftfinger21", "rightfinger21"}},
	{"lmid2", {"leftfinger21", "l_mid2", "middle_02_l"}},
	{"rmid2", {"rightfinger21", "r_mid2", "middle_02_r"}},
	{"l_mid2", {"leftfinger21", "lmid2", "middle_02_l"}},
	{"r_mid2", {"rightfinger21", "rmid2", "middle_02_r"}},

	// Middle, third segment
	{"leftfinger22", {"middle3", "middle03", "middle_03", "middle_03_l", "l_middle_03", "lefthandmiddle3", "lefthandmiddle03", "middledistall", "middledistal_l", "mid3", "l_mid3", "lmid3", "mid_03_l"}},
	{"rightfinger22", {"middle3", "middle03", "middle_03", "middle_03_r", "r_middle_03", "righthandmiddle3", "righthandmiddle03", "middledistalr", "middledistal_r", "mid3", "r_mid3", "rmid3", "mid_03_r"}},
	{"finger22", {"middle3", "middle03", "middle_03", "middledistal", "handmiddle3", "mid3"}},
	{"middle3", {"finger22", "leftfinger22", "rightfinger22", "middle03", "middle_03"}},
	{"middle03", {"finger22", "middle3", "middle_03", "middledistal"}},
	{"middle_03", {"finger22", "middle3", "middle03", "middledistal"}},
	{"middle_03_l", {"leftfinger22", "l_middle_03", "left_middle_03", "lefthandmiddle3", "middledistall"}},
	{"middle_03_r", {"rightfinger22", "r_middle_03", "right_middle_03", "righthandmiddle3", "middledistalr"}},
	{"lefthandmiddle3", {"leftfinger22", "middle_03_l", "l_middle_03", "middledistall"}},
	{"righthandmiddle3", {"rightfinger22", "middle_03_r", "r_middle_03", "middledistalr"}},
	{"handmiddle3", {"finger22", "middle3", "middle03", "middledistal"}},
	{"mid3", {"middle3", "leftfinger22", "rightfinger22"}},
	{"lmid3", {"leftfinger22", "l_mid3", "middle_03_l"}},
	{"rmid3", {"rightfinger22", "r_mid3", "middle_03_r"}},
	{"l_mid3", {"leftfinger22", "lmid3", "middle_03_l"}},
	{"r_mid3", {"rightfinger22", "rmid3", "middle_03_r"}},

	// Ring, first segment
	{"leftfinger3", {"ring", "ring1", "ring01", "ring_01", "ringl", "ring_01_l", "l_ring_01", "lefthandring1", "lefthandring01", "ringproximall", "ringproximal_l", "l_ring1", "lring1"}},
	{"rightfinger3", {"ring", "ring1", "ring01", "ring_01", "ringr", "ring_01_r", "r_ring_01", "righthandring1", "righthandring01", "ringproximalr", "ringproximal_r", "r_ring1", "rring1"}},
	{"finger3", {"ring", "ring1", "ring01", "ring_01", "ringproximal", "handring1"}},
	{"ring", {"finger3", "ring1", "ring01", "ring_01"}},
	{"ring1", {"finger3", "leftfinger3", "rightfinger3", "ring01", "ring_01"}},
	{"ring01", {"finger3", "ring1", "ring_01", "ringproximal"}},
	{"ring_01", {"finger3", "ring1", "ring01", "ringproximal"}},
	{"ring_01_l", {"leftfinger3", "ringl", "l_ring_01", "left_ring_01", "lefthandring1", "ringproximall"}},
	{"ring_01_r", {"rightfinger3", "ringr", "r_ring_01", "right_ring_01", "righthandring1", "ringproximalr"}},
	{"lefthandring1", {"leftfinger3", "ringl", "ring_01_l", "l_ring_01", "ringproximall"}},
	{"righthandring1", {"rightfinger3", "ringr", "ring_01_r", "r_ring_01", "ringproximalr"}},
	{"handring1", {"finger3", "ring1", "ring01", "ringproximal"}},
	{"l_ring1", {"leftfinger3", "lring1", "ring_01_l"}},
	{"r_ring1", {"rightfinger3", "rring1", "ring_01_r"}},
	{"lring1", {"leftfinger3", "l_ring1", "ring_01_l"}},
	{"rring1", {"rightfinger3", "r_ring1", "ring_01_r"}},

	// Ring, second segment
	{"leftfinger31", {"ring2", "ring02", "ring_02", "ring_02_l", "l_ring_02", "lefthandring2", "lefthandring02", "ringintermediatel", "ringintermediate_l", "l_ring2", "lring2"}},
	{"rightfinger31", {"ring2", "ring02", "ring_02", "ring_02_r", "r_ring_02", "righthandring2", "righthandring02", "ringintermediater", "ringintermediate_r", "r_ring2", "rring2"}},
	{"finger31", {"ring2", "ring02", "ring_02", "ringintermediate", "handring2"}},
	{"ring2", {"finger31", "leftfinger31", "rightfinger31", "ring02", "ring_02"}},
	{"ring02", {"finger31", "ring2", "ring_02", "ringintermediate"}},
	{"ring_02", {"finger31", "ring2", "ring02", "ringintermediate"}},
	{"ring_02_l", {"leftfinger31", "l_ring_02", "left_ring_02", "lefthandring2", "ringintermediatel"}},
	{"ring_02_r", {"rightfinger31", "r_ring_02", "right_ring_02", "righthandring2", "ringintermediater"}},
	{"lefthandring2", {"leftfinger31", "ring_02_l", "l_ring_02", "ringintermediatel"}},
	{"righthandring2", {"rightfinger31", "ring_02_r", "r_ring_02", "ringintermediater"}},
	{"handring2", {"finger31", "ring2", "ring02", "ringintermediate"}},
	{"l_ring2", {"leftfinger31", "lring2", "ring_02_l"}},
	{"r_ring2", {"rightfinger31", "rring2", "ring_02_r"}},
	{"lring2", {"leftfinger31", "l_ring2", "ring_02_l"}},
	{"rring2", {"rightfinger31", "r_ring2", "ring_02_r"}},

	// Ring, third segment
	{"leftfinger32", {"ring3", "ring03", "ring_03", "ring_03_l", "l_ring_03", "lefthandring3", "lefthandring03", "ringdistall", "ringdistal_l", "l_ring3", "lring3"}},
	{"rightfinger32", {"ring3", "ring03", "ring_03", "ring_03_r", "r_ring_03", "righthandring3", "righthandring03", "ringdistalr", "ringdistal_r", "r_ring3", "rring3"}},
	{"finger32", {"ring3", "ring03", "ring_03", "ringdistal", "handring3"}},
	{"ring3", {"finger32", "leftfinger32", "rightfinger32", "ring03", "ring_03"}},
	{"ring03", {"finger32", "ring3", "ring_03", "ringdistal"}},
	{"ring_03", {"finger32", "ring3", "ring03", "ringdistal"}},
	{"ring_03_l", {"leftfinger32", "l_ring_03", "left_ring_03", "lefthandring3", "ringdistall"}},
	{"ring_03_r", {"rightfinger32", "r_ring_03", "right_ring_03", "righthandring3", "ringdistalr"}},
	{"lefthandring3", {"leftfinger32", "ring_03_l", "l_ring_03", "ringdistall"}},
	{"righthandring3", {"rightfinger32", "ring_03_r", "r_ring_03", "ringdistalr"}},
	{"l_ring3", {"leftfinger32", "lring3", "ring_03_l"}},
	{"r_ring3", {"rightfinger32", "rring3", "ring_03_r"}},
	{"lring3", {"leftfinger32", "l_ring3", "ring_03_l"}},
	{"rring3", {"rightfinger32", "r_ring3", "ring_03_r"}},
	{"handring3", {"finger32", "ring3", "ring03", "ringdistal"}},

	// Pinky (little finger), first segment
	{"leftfinger4", {"pinky", "pinky1", "pinky01", "pinky_01", "pinkyl", "pinky_01_l", "l_pinky_01", "little", "lefthandpinky1", "lefthandpinky01", "littleproximall", "littleproximal_l", "pinkyproximall"}},
	{"rightfinger4", {"pinky", "pinky1", "pinky01", "pinky_01", "pinkyr", "pinky_01_r", "r_pinky_01", "little", "righthandpinky1", "righthandpinky01", "littleproximalr", "littleproximal_r", "pinkyproximalr"}},
	{"finger4", {"pinky", "pinky1", "pinky01", "pinky_01", "pinkyproximal", "little", "littleproximal", "handpinky1"}},
	{"pinky", {"finger4", "pinky1", "pinky01", "pinky_01"}},
	{"little", {"pinky", "finger4", "pinky1", "pinky01", "pinky_01"}},
	{"pinky1", {"finger4", "leftfinger4", "rightfinger4", "pinky01", "pinky_01"}},
	{"pinky01", {"finger4", "pinky1", "pinky_01", "pinkyproximal"}},
	{"pinky_01", {"finger4", "pinky1", "pinky01", "pinkyproximal"}},
	{"pinky_01_l", {"leftfinger4", "pinkyl", "l_pinky_01", "left_pinky_01", "lefthandpinky1", "littleproximall"}},
	{"pinky_01_r", {"rightfinger4", "pinkyr", "r_pinky_01", "right_pinky_01", "righthandpinky1", "littleproximalr"}},
	{"lefthandpinky1", {"leftfinger4", "pinkyl", "pinky_01_l", "l_pinky_01", "littleproximall"}},
	{"righthandpinky1", {"rightfinger4", "pinkyr", "pinky_01_r", "r_pinky_01", "littleproximalr"}},
	{"handpinky1", {"finger4", "pinky1", "pinky01", "pinkyproximal"}},
	{"littleproximal", {"finger4", "pinky1", "pinky01", "pinky_01"}},
	{"littleproximall", {"leftfinger4", "pinky_01_l", "l_pinky_01", "lefthandpinky1", "pinkyproximall"}},
	{"littleproximalr", {"rightfinger4", "pinky_01_r", "r_pinky_01", "righthandpinky1", "pinkyproximalr"}},
	{"pinkyproximal", {"finger4", "pinky1", "pinky01", "pinky_01"}},
	{"pinkyproximall", {"leftfinger4", "pinky_01_l", "l_pinky_01", "lefthandpinky1", "littleproximall"}},
	{"pinkyproximalr", {"rightfinger4", "pinky_01_r", "r_pinky_01", "righthandpinky1", "littleproximalr"}},

	// Pinky, second segment
	{"leftfinger41", {"pinky2", "pinky02", "pinky_02", "pinky_02_l", "l_pinky_02", "lefthandpinky2", "lefthandpinky02", "littleintermediatel", "littleintermediate_l", "pinkyintermediatel"}},
	{"rightfinger41", {"pinky2", "pinky02", "pinky_02", "pinky_02_r", "r_pinky_02", "righthandpinky2", "righthandpinky02", "littleintermediater", "littleintermediate_r", "pinkyintermediater"}},
	{"finger41", {"pinky2", "pinky02", "pinky_02", "pinkyintermediate", "littleintermediate", "handpinky2"}},
	{"pinky2", {"finger41", "leftfinger41", "rightfinger41", "pinky02", "pinky_02"}},
	{"pinky02", {"finger41", "pinky2", "pinky_02", "pinkyintermediate"}},
	{"pinky_02", {"finger41", "pinky2", "pinky02", "pinkyintermediate"}},
	{"pinky_02_l", {"leftfinger41", "l_pinky_02", "left_pinky_02", "lefthandpinky2", "littleintermediatel"}},
	{"pinky_02_r", {"rightfinger41", "r_pinky_02", "right_pinky_02", "righthandpinky2", "littleintermediater"}},
	{"lefthandpinky2", {"leftfinger41", "pinky_02_l", "l_pinky_02", "littleintermediatel"}},
	{"righthandpinky2", {"rightfinger41", "pinky_02_r", "r_pinky_02", "littleintermediater"}},
	{"handpinky2", {"finger41", "pinky2", "pinky02", "pinkyintermediate"}},
	{"littleintermediate", {"finger41", "pinky2", "pinky02", "pinky_02", "pinkymedial"}},
	{"littleintermediatel", {"leftfinger41", "pinky_02_l", "l_pinky_02", "lefthandpinky2", "pinkyintermediatel"}},
	{"littleintermediater", {"rightfinger41", "pinky_02_r", "r_pinky_02", "righthandpinky2", "pinkyintermediater"}},
	{"pinkyintermediate", {"finger41", "pinky2", "pinky02", "pinky_02", "pinkymedial"}},
	{"pinkyintermediatel", {"leftfinger41", "pinky_02_l", "l_pinky_02", "lefthandpinky2", "littleintermediatel"}},
	{"pinkyintermediater", {"rightfinger41", "pinky_02_r", "r_pinky_02", "righthandpinky2", "littleintermediater"}},

	// Pinky, third segment
	{"leftfinger42", {"pinky3", "pinky03", "pinky_03", "pinky_03_l", "l_pinky_03", "lefthandpinky3", "lefthandpinky03", "littledistall", "littledistal_l", "pinkydistall"}},
	{"rightfinger42", {"pinky3", "pinky03", "pinky_03", "pinky_03_r", "r_pinky_03", "righthandpinky3", "righthandpinky03", "littledistalr", "littledistal_r", "pinkydistalr"}},
	{"finger42", {"pinky3", "pinky03", "pinky_03", "pinkydistal", "littledistal", "handpinky3"}},
	{"pinky3", {"finger42", "leftfinger42", "rightfinger42", "pinky03", "pinky_03"}},
	{"pinky03", {"finger42", "pinky3", "pinky_03", "pinkydistal"}},
	{"pinky_03", {"finger42", "pinky3", "pinky03", "pinkydistal"}},
	{"pinky_03_l", {"leftfinger42", "l_pinky_03", "left_pinky_03", "lefthandpinky3", "littledistall"}},
	{"pinky_03_r", {"rightfinger42", "r_pinky_03", "right_pinky_03", "righthandpinky3", "littledistalr"}},
	{"lefthandpinky3", {"leftfinger42", "pinky_03_l", "l_pinky_03", "littledistall"}},
	{"righthandpinky3", {"rightfinger42", "pinky_03_r", "r_pinky_03", "littledistalr"}},
	{"handpinky3", {"finger42", "pinky3", "pinky03", "pinkydistal"}},
	{"littledistal", {"finger42", "pinky3", "pinky03", "pinky_03"}},
	{"littledistall", {"leftfinger42", "pinky_03_l", "l_pinky_03", "lefthandpinky3", "pinkydistall"}},
	{"littledistalr", {"rightfinger42", "pinky_03_r", "r_pinky_03", "righthandpinky3", "pinkydistalr"}},
	{"pinkydistal", {"finger42", "pinky3", "pinky03", "pinky_03"}},
	{"pinkydistall", {"leftfinger42", "pinky_03_l", "l_pinky_03", "lefthandpinky3", "littledistall"}},
	{"pinkydistalr", {"rightfinger42", "pinky_03_r", "r_pinky_03", "righthandpinky3", "littledistalr"}},
};
}

const TMap<FString, TArray<FString>>& FZevoBoneNameMappings::GetCommonMappings()
{
	static const TMap<FString, TArray<FString>> Mappings = []
	{
		TMap<FString, TArray<FString>> Result;
		Result.Reserve(static_cast<int32>(std::size(Rows)));
		for (const FMappingRow& Row : Rows)
		{
			TArray<FString>& Values = Result.Add(Row.Key, {});
			Values.Reserve(static_cast<int32>(Row.Values.size()));
			for (const char* Value : Row.Values)
			{
				Values.Add(Value);
			}
		}
		return Result;
	}();
	return Mappings;
}
