#include "LiveLinkSourceFactory.h"

ZEVO_IMPLEMENT_CLASS(ULiveLinkSourceFactory, CLASS_Abstract)
