#include "bench/device/device_replies.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

using namespace device;

namespace {

// A reply buffer with a frame start and the given bytes placed at their offsets.
struct Buffer {
    std::array<std::uint8_t, 1024> bytes{};
    Buffer() { bytes[0] = 0x7E; }
    Buffer& At(std::size_t offset, std::initializer_list<std::uint8_t> values)
    {
        for (std::uint8_t v : values) bytes[offset++] = v;
        return *this;
    }
    Buffer& Text(std::size_t offset, const char* text)
    {
        std::memcpy(&bytes[offset], text, std::strlen(text));
        return *this;
    }
};

}  // namespace

TEST(PowerReply, OnlyOneAtOffset11MeansOn)
{
    struct Case {
        std::uint8_t first;
        std::uint8_t state;
        int count;
        std::optional<bool> on;
    };
    const Case cases[] = {
        {0x7E, 0x01, 20, true},        {0x7E, 0x00, 20, false},        {0x7E, 0x02, 20, false},
        {0x7E, 0x01, 0, std::nullopt}, {0x7E, 0x01, -1, std::nullopt}, {0x41, 0x01, 20, std::nullopt},
    };
    for (const Case& c : cases) {
        Buffer b;
        b.At(0, {c.first}).At(11, {c.state});
        EXPECT_EQ(PowerStateFromReply(b.bytes, c.count), c.on) << int(c.state) << " count " << c.count;
    }
}

TEST(VersionReply, CutsFourTextsAtTheirOffsetsAndLimits)
{
    Buffer b;
    b.Text(16, "ARM-4.82").Text(32, "SUB1.0").Text(40, "AVR2.5").Text(82, "K77T05");
    EXPECT_EQ(VersionFromReply(b.bytes, 100),
              "[ARM]: ARM-4.82   [AVR]: AVR2.5   [SUB]: SUB1.0   [NAME]: K77T05");

    // Texts that fill their field run into the next one's bytes only up to their limit.
    Buffer full;
    full.Text(16, "ABCDEFGHIJKLMNOP").Text(32, "SUBSUBSU").Text(40, "AVRAVRAV").Text(82, "NAMENAMENAMENAME");
    full.At(98, {'X'});
    EXPECT_EQ(VersionFromReply(full.bytes, 100),
              "[ARM]: ABCDEFGHIJKLMNOP   [AVR]: AVRAVRAV   [SUB]: SUBSUBSU   [NAME]: NAMENAMENAMENAME");
}

TEST(VersionReply, ZeroFieldsStillShowTheLabelsTrimmed)
{
    Buffer b;
    EXPECT_EQ(VersionFromReply(b.bytes, 30), "[ARM]:    [AVR]:    [SUB]:    [NAME]:");
}

TEST(VersionReply, IgnoresNoReplyAndAReplyWithoutFrameStart)
{
    Buffer b;
    EXPECT_EQ(VersionFromReply(b.bytes, 0), std::nullopt);
    b.At(0, {0x00});
    EXPECT_EQ(VersionFromReply(b.bytes, 50), std::nullopt);
}

TEST(AdcReply, ReadsThreeLittleEndianWordsWithoutCheckingTheStart)
{
    Buffer b;
    b.At(0, {0x00}).At(11, {0x68, 0x02, 0xE8, 0x03, 0xFF, 0xFF});
    const auto readings = AdcFromReply(b.bytes, 18);
    ASSERT_TRUE(readings);
    EXPECT_EQ(readings->a1, 616);
    EXPECT_EQ(readings->a2, 1000);
    EXPECT_EQ(readings->a3, 65535);
    EXPECT_EQ(AdcFromReply(b.bytes, 0), std::nullopt);
}

TEST(Keypad, NewAndOldRowsWithTheirBoundaries)
{
    struct Case {
        std::uint16_t a1;
        bool newKeypad;
        int key;
    };
    const Case cases[] = {
        // x = A1 / 4; a key matches for t - 2 <= x <= t + 2.
        {616, true, 1},  {616, false, 0}, {0, true, 0},     {0, false, 0},
        {608, true, 1},  {624, true, 1},  {607, true, 0},   {625, true, 0},    // KEY1 new: 152..156
        {56, true, 2},   {72, true, 2},   {55, true, 0},    {73, true, 0},     // KEY2 new: 14..18
        {684, true, 15}, {692, true, 15}, {676, true, 15},  {675, true, 0},    // KEY15 new: 169..173
        {672, false, 1}, {688, false, 1}, {671, false, 0},  {689, false, 0},   // KEY1 old: 168..172
        {20, false, 2},  {36, false, 2},  {19, false, 0},   {588, false, 15},  // KEY2 old 5..9, KEY15 147
        {84, true, 4},   {148, true, 5},  {512, false, 13},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeypadKey(c.a1, c.newKeypad), c.key) << c.a1 << " new " << c.newKeypad;
}

TEST(Voltage, FiveMillivoltsPerCountTwoDecimals)
{
    struct Case {
        AdcReadings readings;
        const char* text;
    };
    const Case cases[] = {
        {{1000, 0, 616}, "5.00V  0.00V  3.08V "},
        {{1, 3, 65535}, "0.01V  0.02V  327.68V "},
        {{200, 2, 19}, "1.00V  0.01V  0.10V "},
    };
    for (const Case& c : cases) EXPECT_EQ(VoltageText(c.readings), c.text);
}
