// A running zevo-editor flooded over loopback by a hostile sender beside a good one: what it keeps,
// what it counts (in the status table, the log and the take) and that the good actor loses nothing.
#include "CoreMinimal.h"
#include "ProgramProcess.h"

#include <lo/lo.h>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>

namespace
{
const char* const StatusHeading = "--- zevo-editor status at";

int CountOf(const std::string& Text, const std::string& Fragment)
{
	int Count = 0;
	for (size_t At = Text.find(Fragment); At != std::string::npos; At = Text.find(Fragment, At + 1))
	{
		++Count;
	}
	return Count;
}

/** Sends datagrams to the editor from one socket, in bursts small enough that the system drops none. */
class FFloodSender
{
public:
	explicit FFloodSender(int Port) : Socket(socket(AF_INET, SOCK_DGRAM, 0))
	{
		To.sin_family = AF_INET;
		To.sin_port = htons(static_cast<uint16_t>(Port));
		To.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
	}
	~FFloodSender() { close(Socket); }
	void Send(const std::vector<uint8_t>& Datagram)
	{
		EXPECT_EQ(sendto(Socket, Datagram.data(), Datagram.size(), 0, reinterpret_cast<const sockaddr*>(&To), sizeof(To)),
			static_cast<ssize_t>(Datagram.size()));
		if (++InBurst == 100)
		{
			InBurst = 0;
			std::this_thread::sleep_for(std::chrono::milliseconds(10));
		}
	}

private:
	int Socket;
	sockaddr_in To{};
	int InBurst = 0;
};

std::vector<uint8_t> Serialise(lo_message Message, const char* Address)
{
	size_t Size = 0;
	void* Bytes = lo_message_serialise(Message, Address, nullptr, &Size);
	std::vector<uint8_t> Datagram(static_cast<uint8_t*>(Bytes), static_cast<uint8_t*>(Bytes) + Size);
	std::free(Bytes);
	lo_message_free(Message);
	return Datagram;
}

std::vector<uint8_t> PropDatagram(const std::string& Name)
{
	lo_message Message = lo_message_new();
	lo_message_add_int32(Message, 1);
	lo_message_add_int32(Message, 1);
	lo_message_add_string(Message, Name.c_str());
	return Serialise(Message, "/ZEVO/Stream/Motion/Unreal/Props");
}

std::vector<uint8_t> GoodActorDatagram()
{
	std::vector<uint8_t> Bones(211 * 4, 0);
	for (int Bone = 0; Bone < 52; ++Bone)
	{
		const float One = 1.0f;
		std::memcpy(&Bones[(3 + 4 * Bone) * 4], &One, 4);  // W first: identity rotations
	}
	lo_message Message = lo_message_new();
	lo_message_add_string(Message, "Good");
	lo_blob Blob = lo_blob_new(static_cast<int32_t>(Bones.size()), Bones.data());
	lo_message_add_blob(Message, Blob);
	lo_blob_free(Blob);
	return Serialise(Message, "/ZEVO/Stream/Motion/Unreal/Local");
}

struct FRunResult
{
	std::string Out;
	std::string Err;
	long long StaticLines = 0;
	long long GoodFrames = 0;
	/** The take's last drops line. */
	nlohmann::json Drops;
};

/** Runs the editor on a fresh port with a take, lets Flood send, and stops it a whole status interval later. */
template <typename FloodFunction>
FRunResult RunFlooded(FloodFunction Flood)
{
	FTempProject Project;
	const int Port = FreeUdpPort();
	const std::string Take = std::string(*Project.GetDir()) + "take.jsonl";
	FEditorProcess Editor(Project, {"run", "--project", *Project.GetDir(), "--source", "127.0.0.1:" + std::to_string(Port), "--record", Take});
	EXPECT_TRUE(Editor.WaitForOutput("Receiving", 20.0)) << Editor.Err();
	{
		FFloodSender Sender(Port);
		Flood(Sender);
	}
	const int Tables = CountOf(Editor.Out(), StatusHeading);
	const auto Deadline = FClock::now() + std::chrono::seconds(20);
	while (CountOf(Editor.Out(), StatusHeading) < Tables + 2 && FClock::now() < Deadline)
	{
		std::this_thread::sleep_for(std::chrono::milliseconds(20));
	}
	Editor.Signal(SIGINT);
	EXPECT_EQ(Editor.Wait(20.0), 0) << Editor.Err();

	FRunResult Result{Editor.Out(), Editor.Err()};
	std::istringstream Lines(Project.ReadFile("take.jsonl").ToStdString());
	for (std::string Line; std::getline(Lines, Line);)
	{
		const nlohmann::json Event = nlohmann::json::parse(Line);
		Result.StaticLines += Event["event"] == "static" ? 1 : 0;
		Result.GoodFrames += Event["event"] == "frame" && Event["subject"] == "Good" ? 1 : 0;
		if (Event["event"] == "drops")
		{
			Result.Drops = Event["counts"];
		}
	}
	return Result;
}

/** The sum of N over the log's "dropped N datagrams in the last second" lines. */
long long DroppedInLog(const std::string& Err)
{
	static const std::regex Line("dropped ([0-9]+) datagrams in the last second");
	long long Sum = 0;
	for (std::sregex_iterator At(Err.begin(), Err.end(), Line), End; At != End; ++At)
	{
		Sum += std::stoll((*At)[1].str());
	}
	return Sum;
}
}

TEST(HostileStream, AUniqueNameFloodStopsAtTheLiveSubjectLimitAndCountsTheRest)
{
	const int Names = 20000;
	const int GoodFrames = 100;
	const FRunResult Run = RunFlooded([&](FFloodSender& Sender) {
		for (int Index = 0; Index < Names; ++Index)
		{
			if (Index % (Names / GoodFrames) == 0)
			{
				Sender.Send(GoodActorDatagram());
			}
			Sender.Send(PropDatagram("Flood" + std::to_string(Index)));
		}
	});
	// The good actor came first and holds one of the 1,024 places.
	const long long Refused = Names - 1023;
	EXPECT_EQ(Run.StaticLines, 1024);
	EXPECT_EQ(Run.GoodFrames, GoodFrames);
	EXPECT_EQ(Run.Drops, nlohmann::json({{"too many subjects", Refused}})) << Run.Drops.dump();
	EXPECT_NE(Run.Out.rfind(std::to_string(Refused) + " too many subjects"), std::string::npos) << Run.Out.substr(Run.Out.rfind(StatusHeading));
	EXPECT_EQ(DroppedInLog(Run.Err), Refused);
	EXPECT_NE(Run.Out.rfind("... and 984 more subjects"), std::string::npos) << "the table shows 40 of the 1,024 rows";
	EXPECT_LT(CountOf(Run.Err, "Refused new subject"), 100) << "limited to a few lines a second";
}

TEST(HostileStream, ABadDatagramFloodIsCountedInAFewLogLinesAndTheGoodActorLosesNothing)
{
	const int Small = 20000;
	const int Large = 100;
	const int GoodFrames = 100;
	std::vector<uint8_t> LargeBad(65000, 'i');  // a prop address, then 64,964 type tags without their comma
	const std::string PropAddress = "/ZEVO/Stream/Motion/Unreal/Props";
	std::copy(PropAddress.begin(), PropAddress.end(), LargeBad.begin());
	std::fill(LargeBad.begin() + 32, LargeBad.begin() + 36, 0);
	LargeBad.back() = 0;
	const FRunResult Run = RunFlooded([&](FFloodSender& Sender) {
		for (int Index = 0; Index < Small; ++Index)
		{
			if (Index % (Small / GoodFrames) == 0)
			{
				Sender.Send(GoodActorDatagram());
			}
			if (Index % (Small / Large) == 0)
			{
				Sender.Send(LargeBad);
				std::this_thread::sleep_for(std::chrono::milliseconds(1));
			}
			Sender.Send({'/'});
		}
	});
	EXPECT_EQ(Run.StaticLines, 1);
	EXPECT_EQ(Run.GoodFrames, GoodFrames);
	EXPECT_EQ(Run.Drops, nlohmann::json({{"malformed", Small + Large}})) << Run.Drops.dump();
	EXPECT_EQ(DroppedInLog(Run.Err), Small + Large);
	EXPECT_LT(Run.Err.size(), 64u * 1024u) << "the log stays small";
	EXPECT_LE(CountOf(Run.Err, "[Zevo Prop] Invalid TypeTags: iiiiiiiiiiiiiiiiiiiiiiiiiiiiiiii... (64964 bytes)"), Large);
	EXPECT_EQ(CountOf(Run.Err, "iiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiii"), 0) << "type tags are cut to a short prefix";
}
