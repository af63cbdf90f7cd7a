#pragma once
// The finger reader: every chain under a hand is a finger. A metacarpal (palm, carpal, "in hand")
// is passed over, except the thumb's, whose first bone from the hand is the thumb's first row.
// Which finger a chain is comes from its words, else from the numbers of a numbered scheme
// (0 to 4 or 1 to 5, thumb first), else from its place across the hand. The row is the depth in
// the chain, never a digit in the name; ends, tips and nubs are never rows, and a finger of two
// segments leaves its third row empty.
#include "Bones/ZevoRigTree.h"
#include "Bones/ZevoRowReading.h"

class FZevoFingerChains
{
public:
	/** Fills the 15 finger rows of one side from the chains under Hand (none found: all empty). */
	static void ReadHand(const FZevoRigTree& Tree, int32 Hand, EZevoBoneSide Side, FZevoRowReading& Out);
};
