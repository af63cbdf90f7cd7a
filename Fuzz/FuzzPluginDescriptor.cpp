// A plugin's descriptor is a file anyone can edit: any bytes must read as a descriptor or give a
// reason, never a crash, and a descriptor that does not read must leave the one it was read into
// as it was.
#include "PluginDescriptor.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
	FPluginDescriptor Descriptor;
	Descriptor.bCanContainContent = true;
	FText Reason;
	if (!Descriptor.Read(FString(std::string_view(reinterpret_cast<const char*>(Data), Size)), &Reason))
	{
		if (Reason.IsEmpty() || !Descriptor.bCanContainContent || !Descriptor.Modules.IsEmpty())
		{
			std::abort();
		}
		return 0;
	}
	for (const FModuleDescriptor& Module : Descriptor.Modules)
	{
		if (Module.Name.IsNone() || Module.Type == EHostType::Max || Module.LoadingPhase == ELoadingPhase::Max)
		{
			std::abort();
		}
	}
	return 0;
}
