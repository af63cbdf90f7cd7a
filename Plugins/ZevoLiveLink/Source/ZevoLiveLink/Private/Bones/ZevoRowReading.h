#pragma once
// What reading a whole skeleton says for each of the 52 stream bones: the bone that plays its
// part, none where the rig has no such bone, or unread where the readers could not tell (those
// rows are left to the name matching).
#include "ZevoBoneMapping.h"

struct FZevoRowReading
{
	static constexpr int32 Unread = -2;

	FZevoRowReading() { Rows.Init(Unread, static_cast<int32>(EZevoBoneName::Count)); }

	int32 Get(EZevoBoneName Bone) const { return Rows[static_cast<int32>(Bone)]; }
	void Set(EZevoBoneName Bone, int32 TargetBone) { Rows[static_cast<int32>(Bone)] = TargetBone; }
	/** The bone of the stream bone Base + Offset (rows of one limb or finger run in order). */
	void Set(EZevoBoneName Base, int32 Offset, int32 TargetBone) { Rows[static_cast<int32>(Base) + Offset] = TargetBone; }

	/** Per stream bone value: a bone index, INDEX_NONE or Unread. */
	TArray<int32> Rows;
};
