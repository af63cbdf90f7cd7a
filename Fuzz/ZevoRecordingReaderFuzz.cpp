// Recordings are files from outside: any bytes must give messages or line errors, never a crash.
#include "ZevoRecordingReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
	ZevoRecordingReader::Parse(FString(reinterpret_cast<const char*>(Data), int32(Size)));
	return 0;
}
