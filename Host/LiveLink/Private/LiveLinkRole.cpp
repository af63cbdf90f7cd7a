#include "LiveLinkSourceSettings.h"
#include "Roles/LiveLinkRole.h"

ZEVO_IMPLEMENT_CLASS(ULiveLinkRole, CLASS_Abstract)
ZEVO_IMPLEMENT_CLASS(ULiveLinkBasicRole, CLASS_None)
ZEVO_IMPLEMENT_CLASS(ULiveLinkAnimationRole, CLASS_None)
ZEVO_IMPLEMENT_CLASS(ULiveLinkTransformRole, CLASS_None)
ZEVO_IMPLEMENT_CLASS(ULiveLinkSourceSettings, CLASS_None)
