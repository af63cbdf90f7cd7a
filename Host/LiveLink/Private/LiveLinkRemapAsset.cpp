#include "LiveLinkRemapAsset.h"

ZEVO_IMPLEMENT_CLASS(ULiveLinkRetargetAsset, CLASS_Abstract)
ZEVO_IMPLEMENT_CLASS(ULiveLinkRemapAsset, CLASS_Abstract)
