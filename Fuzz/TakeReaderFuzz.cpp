// Takes are files from outside: any bytes must give line problems, never a crash or a read past
// the line. The bytes go through a real file, as the reader reads them, and through the replay
// conversion that zevo-stream applies to every frame.
#include "TempProject.h"
#include "TakeSummary.h"
#include "TakeReader.h"
#include "ZevoTakeReplay.h"

#include <cstddef>
#include <cstdint>
#include <fstream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
	static FTempProject Project;
	const std::string Path = (Project.GetDir() + "take.jsonl").ToStdString();
	std::ofstream(Path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(Data), std::streamsize(Size));
	FString Error;
	{
		FTakeReader Reader;
		FTakeSummary Summary;
		if (Reader.Open(FString(Path), Error))
		{
			SummarizeTake(Reader, Summary);
		}
	}
	FZevoTakeReplay Replay;
	if (Replay.Open(FString(Path), Error))
	{
		double Time;
		const TArray<uint8>* Datagram;
		while (Replay.Next(Time, Datagram))
		{
		}
	}
	return 0;
}
