#include "JsonWriter.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

TEST(FJsonWriter, WritesAnyBytesAsValidJsonText)
{
	struct FCase
	{
		std::string In;
		std::string Out;
	};
	const FCase Cases[] = {
		{"Actor1", "\"Actor1\""},
		{"a\"b\\c", "\"a\\\"b\\\\c\""},
		{std::string("tab\tnul\0end", 11), "\"tab\\u0009nul\\u0000end\""},
		{"caf\xC3\xA9 \xF0\x9F\x8E\xAC", "\"caf\xC3\xA9 \xF0\x9F\x8E\xAC\""},
		{"\xEF\xBE\x80", "\"\xEF\xBE\x80\""},                      // U+FF80, how the stream reader keeps a byte 0x80
		{"bad\xFF", "\"bad\xEF\xBF\xBD\""},                         // not a lead byte
		{"cut\xC3", "\"cut\xEF\xBF\xBD\""},                         // a sequence cut off by the end
		{"\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},               // overlong '/'
		{"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""}, // a UTF-16 surrogate
		{"\xF4\x90\x80\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""}, // above U+10FFFF
	};
	for (const FCase& Case : Cases)
	{
		FJsonWriter Json;
		Json.String(Case.In);
		EXPECT_EQ(Json.GetText(), Case.Out);
	}
}

TEST(FJsonWriter, WritesNumbersAtFixedPrecisionAndWhatIsNoNumberAsNull)
{
	FJsonWriter Json;
	Json.BeginArray();
	Json.Number(1.0 / 3.0, 4);
	Json.Number(-0.00004, 4);
	Json.Number(std::numeric_limits<double>::quiet_NaN(), 4);
	Json.Number(std::numeric_limits<double>::infinity(), 4);
	Json.Number(1e300, 4);
	Json.Integer(-7);
	Json.EndArray();
	EXPECT_EQ(Json.GetText(), "[0.3333,-0.0000,null,null,null,-7]");
}
