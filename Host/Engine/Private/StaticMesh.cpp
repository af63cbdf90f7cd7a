#include "Engine/StaticMesh.h"

ZEVO_IMPLEMENT_CLASS(UStaticMesh, CLASS_None)
