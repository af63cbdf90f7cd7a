#pragma once
// Whether a decoded frame holds only finite numbers. A NaN or an infinity from the network would
// otherwise travel through every pose built from the subject and every actor that follows it.
#include "LiveLinkTypes.h"

/** True when every transform and property value of the animation or transform frame is finite. */
bool ZevoIsFiniteFrame(const FLiveLinkFrameDataStruct& Frame);
