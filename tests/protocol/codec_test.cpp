#include <gtest/gtest.h>

#include <vector>

#include "protocol/check_sum.h"
#include "protocol/frame_text.h"
#include "protocol/hex_byte.h"
#include "protocol/unescape.h"
#include "protocol/wire_frame.h"

using namespace protocol;
using Bytes = std::vector<std::uint8_t>;

namespace {
const Bytes kNoneFrame{0x7E, 0x01, 0xFE, 0xFE, 0x00, 0x04, 0x4E, 0x4F, 0x4E, 0x45, 0xFF, 0xFF, 0x7E, 0x00};
}

TEST(HexByte, EscapesOnlyMarkerBytesWhenNotRaw)
{
    struct Case { std::uint8_t value; bool raw; const char* text; int count; };
    const Case cases[] = {
        {0x7E, false, "7D 02 ", 2}, {0x7D, false, "7D 01 ", 2}, {0x7E, true, "7E ", 1},
        {0x7D, true, "7D ", 1},     {0x0A, false, "0A ", 1},    {0x00, false, "00 ", 1},
        {0xFF, false, "FF ", 1},    {0x7F, false, "7F ", 1},
    };
    for (const Case& c : cases) {
        const HexByteText got = HexByte(c.value, c.raw);
        EXPECT_EQ(got.text, c.text) << int(c.value) << " raw " << c.raw;
        EXPECT_EQ(got.count, c.count) << int(c.value) << " raw " << c.raw;
    }
}

TEST(FrameTextToBytes, ConvertsWholeTriplesAndStopsAtTheFirstMalformedOne)
{
    struct Case { const char* text; Bytes bytes; };
    const Case cases[] = {
        {"7E 01 FE FE 00 04 4E 4F 4E 45 FF FF 7E 00  ", kNoneFrame},
        {"7E 00", {0x7E}},                   // second pair is not a whole triple
        {"7E 01-02 ", {0x7E}},               // second triple ends in a hyphen
        {"", {}},
        {"ab ", {static_cast<std::uint8_t>((('a' - 0x37) * 16 + ('b' - 0x37)) & 0xFF)}},
        {"G0 ", {0x100 - 0x100 + ((('G' - 0x37) * 16) & 0xFF)}},
        {"12", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(FrameTextToBytes(c.text), c.bytes) << '"' << c.text << '"';
}

TEST(FrameTextToBytes, TakesAtMost682BytesFromTheLongestText)
{
    std::string text;
    for (int i = 0; i < 682; ++i) text += "41 ";
    EXPECT_EQ(text.size(), 2046u);
    EXPECT_EQ(FrameTextToBytes(text).size(), 682u);
}

TEST(FrameCheckSum, SumsIdLengthCommandAndDataPlus5AA5)
{
    const Bytes none{0xFE, 0xFE, 0x00, 0x04, 0x4E, 0x4F, 0x4E, 0x45};
    EXPECT_EQ(FrameCheckSum(none), 0x5DD5);
    const Bytes abcd{0x00, 0x01, 0x00, 0x04, 0x41, 0x42, 0x43, 0x44};
    EXPECT_EQ(FrameCheckSum(abcd), 0x5BB4);
    EXPECT_EQ(FrameCheckSum(Bytes(300, 0xFF)), static_cast<std::uint16_t>(0x5AA5 + 300 * 0xFF));
}

TEST(UnescapeReply, UndoesEscapesInPlace)
{
    struct Case { Bytes in; Bytes out; };
    const Case cases[] = {
        {{0x7E, 0x01, 0xFE, 0xFE, 0x00, 0x05, 0x41, 0x4C, 0x41, 0x53, 0x7D, 0x02, 0xFF, 0xFF, 0x7E, 0x00},
         {0x7E, 0x01, 0xFE, 0xFE, 0x00, 0x05, 0x41, 0x4C, 0x41, 0x53, 0x7E, 0xFF, 0xFF, 0x7E, 0x00}},
        {{0x7E, 0x7D, 0x05, 0x00}, {0x7E, 0x7E, 0x00}},     // any other byte after 7D gives 7E
        {{0x7E, 0x7D, 0x01, 0x7D, 0x02}, {0x7E, 0x7D, 0x7E}},
        {{0x7D, 0x01}, {0x7D, 0x01}},                        // byte 0 is never an escape
        {{0x7E, 0x01, 0x7D}, {0x7E, 0x01, 0x7D}},            // a trailing 7D stays as it came
        {{0x7E}, {0x7E}},
    };
    for (const Case& c : cases) {
        Bytes buffer = c.in;
        buffer.push_back(0xAA);  // a byte beyond the count must be left alone
        const std::size_t n = UnescapeReply(buffer.data(), c.in.size());
        ASSERT_EQ(n, c.out.size());
        EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + static_cast<long>(n)), c.out);
        EXPECT_EQ(buffer.back(), 0xAA);
    }
    EXPECT_EQ(UnescapeReply(nullptr, 0), 0u);
}

TEST(HexHelpers, HexTextHexText32AndHexTextToInt)
{
    EXPECT_EQ(HexText(Bytes{0x7E, 0x00, 0xAB}), "7E 00 AB ");
    EXPECT_EQ(HexText32(0x0000A020), "0000A020");
    EXPECT_EQ(HexText32(0xFFFFFFFF), "FFFFFFFF");
    struct Case { const char* text; std::uint32_t value; };
    const Case cases[] = {
        {"A020", 0xA020}, {"a020", 0xA020}, {"123456789", 0x12345678}, {"", 0},
        {"G", ('G' - 0x37) & 0xF}, {" 1", ((' ' - 0x30) & 0xF) << 4 | 1},
    };
    for (const Case& c : cases) EXPECT_EQ(HexTextToInt(c.text), c.value) << c.text;
}

TEST(WireFrame, AddsCheckSumAndEscapesEveryByteBetweenTheMarkers)
{
    EXPECT_EQ(WireFrame(1, Bytes{0x41, 0x42, 0x43, 0x44}),
              (Bytes{0x7E, 0x01, 0x00, 0x01, 0x00, 0x04, 0x41, 0x42, 0x43, 0x44, 0x5B, 0xB4, 0x7E, 0x00}));
    // The check 5E 7E is escaped like any other byte.
    EXPECT_EQ(WireFrame(kAllSignsId, Bytes{0x41, 0x42, 0x43, 0x44, 0xCE}),
              (Bytes{0x7E, 0x01, 0xFE, 0xFE, 0x00, 0x05, 0x41, 0x42, 0x43, 0x44, 0xCE, 0x5E, 0x7D, 0x02,
                     0x7E, 0x00}));
}

TEST(BenchFrameText, EscapesDataButCountsEachByteOnceInTheLength)
{
    const Bytes data{0x00, 0x01, 0x7E};
    EXPECT_EQ(BenchFrameText(kAllSignsId, "VRAM", data),
              "7E 01 FE FE 00 07 56 52 41 4D 00 01 7D 02 FF FF 7E 00 ");
    EXPECT_EQ(BenchFrameText(kAllSignsId, "NONE", {}), "7E 01 FE FE 00 04 4E 4F 4E 45 FF FF 7E 00 ");
    EXPECT_EQ(BenchFrameText(0x7E7D, "NONE", {}), "7E 01 7D 02 7D 01 00 04 4E 4F 4E 45 FF FF 7E 00 ");
    EXPECT_TRUE(BenchFrameText(1, "INST", Bytes(251, 0)).has_value());
    EXPECT_FALSE(BenchFrameText(1, "INST", Bytes(252, 0)).has_value());
}
