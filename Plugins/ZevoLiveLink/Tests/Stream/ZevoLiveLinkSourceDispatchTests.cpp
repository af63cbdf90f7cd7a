// Every malformed or foreign datagram, one line each: what reaches the client and what is logged.
#include "StreamSourceFixture.h"
#include "StreamTestMessages.h"

namespace
{
struct FMalformedCase
{
	const char* Name;
	TArray<uint8> Datagram;
	/** The client's journal afterwards. */
	TArray<FString> Journal;
	/** What the decoders log. */
	TArray<FString> LogLines;
};

TArray<uint8> Character(const char* Tags, const char* Actor, const TArray<uint8>& Blob)
{
	return FOscBytes().String(CharacterAddress).String(Tags).String(Actor).Blob(Blob).Bytes;
}

TArray<FMalformedCase> MalformedCases()
{
	const TArray<uint8> Bones = FOscBytes::Floats(211);
	const TArray<FString> Pushed{"static A", "frame A"};
	const TArray<FString> PropPushed{"static P_2", "frame P_2"};
	return {
		{"empty datagram", {}, {}, {}},
		{"bundle", FOscBytes().String("#bundle").Int(0).Int(1).Blob(CharacterMessage("A", FTestPose::Random(1))).Bytes, {}, {}},
		{"unknown address", FOscBytes().String("/ZEVO/Stream/Motion/Unreal/Other").String(",f").Float(1).Bytes, {}, {}},
		{"address with a suffix", FOscBytes().String("/ZEVO/Stream/Motion/Unreal/Locals").String(",sb").Bytes, {}, {}},
		{"address without terminator", FOscBytes().Raw({'/', 'Z', 'E', 'V', 'O'}).Bytes, {},
			{"Error: OSC string at offset 0 has no terminating zero byte before the end of the datagram (5 bytes); message ignored"}},
		{"character without type tags", FOscBytes().String(CharacterAddress).Bytes, {}, {}},
		{"character tags without comma", FOscBytes().String(CharacterAddress).String("sb").String("A").Blob(Bones).Bytes, {}, {}},
		{"character tags without terminator", FOscBytes().String(CharacterAddress).Raw({',', 's', 'b'}).Bytes, {},
			{"Error: OSC string at offset 36 has no terminating zero byte before the end of the datagram (39 bytes); message ignored"}},
		{"empty actor name", Character(",sb", "", Bones), {}, {"Warning: Failed to parse actor name"}},
		{"actor name cut by the end", FOscBytes().String(CharacterAddress).String(",bs").Blob(Bones).Raw({'A', 'B'}).Bytes, {},
			{"Error: OSC string at offset 888 has no terminating zero byte before the end of the datagram (890 bytes); message ignored"}},
		{"blob size cut by the end", FOscBytes().String(CharacterAddress).String(",sb").String("A").Raw({0, 0}).Bytes, {},
			{"Error: Offset exceeds data size for float. Offset: 44, DataSize: 46"}},
		{"negative blob size", FOscBytes().String(CharacterAddress).String(",sb").String("A").Int(-4).Bytes, {},
			{"Error: Invalid Blob Size: -4. A blob size cannot be negative; message ignored."}},
		{"blob longer than the datagram", FOscBytes().String(CharacterAddress).String(",sb").String("A").Int(848).Raw({1, 2, 3, 4}).Bytes, {},
			{"Error: Invalid Blob Size: 848. Only 4 bytes remain in the datagram; message ignored."}},
		{"no blob", FOscBytes().String(CharacterAddress).String(",s").String("A").Bytes, {},
			{"Error: Insufficient Bone Data received : 0 (expected 211)"}},
		{"210 bone values", Character(",sb", "A", FOscBytes::Floats(210)), {}, {"Error: Insufficient Bone Data received : 210 (expected 211)"}},
		{"212 bone values", Character(",sb", "A", FOscBytes::Floats(212)), {}, {"Error: Insufficient Bone Data received : 212 (expected 211)"}},
		{"blob of 6 bytes, then the bones",
			FOscBytes().String(CharacterAddress).String(",sbb").String("A").Int(6).Raw({1, 2, 3, 4, 5, 6}).Blob(Bones).Bytes, Pushed,
			{"Warning: Invalid Blob Size: 6. Must be a multiple of 4."}},
		{"last float cut by the end", FOscBytes().String(CharacterAddress).String(",sbff").String("A").Blob(Bones).Float(1).Raw({0, 0}).Bytes,
			Pushed, {"Warning: Data out of bounds for float"}},
		{"int cut by the end", FOscBytes().String(CharacterAddress).String(",sbi").String("A").Blob(Bones).Raw({0}).Bytes, Pushed,
			{"Warning: Data out of bounds for int32"}},
		{"float cut before the blob", FOscBytes().String(CharacterAddress).String(",sfb").String("A").Raw({0, 0}).Bytes, {},
			{"Warning: Data out of bounds for float", "Error: Insufficient Bone Data received : 0 (expected 211)"}},
		{"prop without type tags", FOscBytes().String(PropAddress).Bytes, {}, {"Error: [Zevo Prop] Invalid TypeTags: "}},
		{"prop tags without comma", FOscBytes().String(PropAddress).String("iis").Int(1).Int(2).String("P").Bytes, {},
			{"Error: [Zevo Prop] Invalid TypeTags: iis"}},
		{"empty prop name", FOscBytes().String(PropAddress).String(",iis").Int(1).Int(2).String("").Bytes, {},
			{"Error: [Zevo Prop] Failed to parse prop name"}},
		{"prop name without terminator", FOscBytes().String(PropAddress).String(",iis").Int(1).Int(2).Raw({'P'}).Bytes, {},
			{"Error: OSC string at offset 52 has no terminating zero byte before the end of the datagram (53 bytes); message ignored"}},
		{"prop float cut by the end", FOscBytes().String(PropAddress).String(",iisfff").Int(1).Int(2).String("P").Float(1).Raw({0, 0, 0}).Bytes,
			PropPushed, {"Error: [Zevo Prop] Data out of bounds for float at index 5"}},
		{"prop int cut by the end", FOscBytes().String(PropAddress).String(",sii").String("P").Int(1).Raw({0, 0}).Bytes, {"static P_0", "frame P_0"},
			{"Error: [Zevo Prop] Data out of bounds for int32 at index 3"}},
	};
}
}

using ZevoLiveLinkSourceDispatchMalformedTest = FStreamSourceTest;

TEST_F(ZevoLiveLinkSourceDispatchMalformedTest, EndsOnlyTheDatagramAtHandWithTheRightLine)
{
	for (const FMalformedCase& Case : MalformedCases())
	{
		SCOPED_TRACE(Case.Name);
		Decode(Case.Datagram);
		EXPECT_EQ(Client.Journal(), Case.Journal);
		EXPECT_EQ(DecoderLog(), Case.LogLines);

		// Nothing half-done stays behind: a good message then announces a subject not yet pushed.
		Decode(CharacterMessage("A", FTestPose::Random(1)));
		const TArray<FString> Journal = Client.Journal();
		const bool bAnnounced = Case.Journal.Contains("static A");
		EXPECT_EQ(Journal[Journal.Num() - 1], "frame A");
		EXPECT_EQ(Journal.Num() >= 2 && Journal[Journal.Num() - 2] == "static A", !bAnnounced);

		TearDown();
		Client.Clear();
		Log.Clear();
		SetUp();
	}
}
