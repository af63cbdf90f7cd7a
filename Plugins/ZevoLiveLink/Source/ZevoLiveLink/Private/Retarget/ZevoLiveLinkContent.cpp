// The plugin's content folder is mounted as /ZevoLiveLink/ as soon as the plugin's library is
// loaded, before any of its objects is constructed: the remap asset's constructor finds its
// default T-pose skeleton there.
#include "UObject/Package.h"

namespace
{
const bool bContentMounted = [] {
	FPackageName::RegisterMountPoint("/ZevoLiveLink/", ZEVO_PLUGIN_CONTENT_DIR);
	return true;
}();
}
