#include <gtest/gtest.h>

#include "bench/content/inst_frame.h"
#include "frame_bytes.h"

using namespace content;
using contenttest::Bytes;

namespace {

InstOptions HelloOptions()
{
    InstOptions o;
    o.startFileId = 160;
    o.alias = "A1";
    o.text = {'H', 'e', 'l', 'l', 'o'};
    return o;
}

}  // namespace

TEST(InstFrame, WorkedHelloExampleByteForByte)
{
    const FrameBuild built = BuildInstFrame(HelloOptions());
    ASSERT_TRUE(built.ok());
    EXPECT_EQ(built.frameText,
              "7E 01 FE FE 00 2C 49 4E 53 54 "
              "00 00 A0 00 00 00 00 00 00 00 00 00 00 02 01 00 00 02 10 01 "
              "00 00 00 00 00 00 00 00 00 00 00 00 07 41 31 48 65 6C 6C 6F "
              "FF FF 7E 00 ");
}

TEST(InstFrame, OptionsLandInTheirFields)
{
    struct Case {
        const char* what;
        void (*change)(InstOptions&);
        std::size_t offset;
        Bytes expected;
    };
    const Case cases[] = {
        {"hiding type", [](InstOptions& o) { o.programType = 1; }, 0, {0x01}},
        {"append type", [](InstOptions& o) { o.programType = 2; }, 0, {0x02}},
        {"no type chosen", [](InstOptions& o) { o.programType = -1; }, 0, {0x00}},
        {"seconds 90", [](InstOptions& o) { o.seconds = 90; }, 10, {0x00, 0x5A}},
        {"colour none", [](InstOptions& o) { o.colour = -1; }, 16, {0xFF}},
        {"ascii twice", [](InstOptions& o) { o.asianFont = o.asciiFont = 0x0101; }, 17, {0x01, 0x01, 0x01, 0x01}},
        {"stay 3", [](InstOptions& o) { o.stay = 3; }, 23, {0x03}},
        {"action and background", [](InstOptions& o) { o.action = 4; o.background = 0x32; }, 24, {0x04, 0x32}},
        {"hold flash wins", [](InstOptions& o) { o.action = 5; o.background = 0x10; o.holdFlash = true; }, 24,
         {0x01, 0xF4}},
        {"speed none", [](InstOptions& o) { o.speed = -1; }, 26, {0xFF}},
    };
    for (const Case& c : cases) {
        InstOptions o = HelloOptions();
        c.change(o);
        const Bytes data = contenttest::DataOf(BuildInstFrame(o).frameText);
        ASSERT_GE(data.size(), c.offset + c.expected.size()) << c.what;
        EXPECT_EQ(Bytes(data.begin() + c.offset, data.begin() + c.offset + c.expected.size()), c.expected)
            << c.what;
    }
}

TEST(InstFrame, EscapesMarkerBytesButCountsThemOnce)
{
    InstOptions o = HelloOptions();
    o.signId = 32126;  // 7D 7E
    o.text = {'a', 0x7E, 'b'};
    o.startFileId = 0x7D7E;
    const FrameBuild built = BuildInstFrame(o);
    ASSERT_TRUE(built.ok());
    EXPECT_EQ(built.frameText.substr(0, 18), "7E 01 7D 01 7D 02 ");
    EXPECT_NE(built.frameText.find("61 7D 02 62 FF FF 7E 00 "), std::string::npos);
    EXPECT_NE(built.frameText.find("49 4E 53 54 00 7D 01 7D 02 "), std::string::npos);
    EXPECT_EQ(contenttest::LengthOf(built.frameText), 37 + 2 + 3);
}

TEST(InstFrame, AliasIsCutToSixteenBytesWithoutSplittingACharacter)
{
    struct Case { std::string alias; std::string sent; };
    const Case cases[] = {
        {" Program Edit", " Program Edit"},
        {"ABCDEFGHIJKLMNOPQRS", "ABCDEFGHIJKLMNOP"},
        // Fifteen ASCII bytes then a two-byte character: the character does not fit.
        {"ABCDEFGHIJKLMNO\xC4\xE3", "ABCDEFGHIJKLMNO"},
        {"\xC4\xE3\xBA\xC3", "\xC4\xE3\xBA\xC3"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SentAlias(c.alias), c.sent);
        InstOptions o = HelloOptions();
        o.alias = c.alias;
        const Bytes data = contenttest::DataOf(BuildInstFrame(o).frameText);
        EXPECT_EQ(data[13], c.sent.size());
        EXPECT_EQ(std::string(data.begin() + 33, data.begin() + 33 + c.sent.size()), c.sent);
    }
}

TEST(InstFrame, RefusesAliasAndTextBeyond218Bytes)
{
    InstOptions o = HelloOptions();
    o.alias = "ABCDEFGHIJKLMNOP";  // 16
    o.text.assign(202, 'x');       // 218 together: the largest that fits
    const FrameBuild fits = BuildInstFrame(o);
    ASSERT_TRUE(fits.ok());
    EXPECT_EQ(contenttest::LengthOf(fits.frameText), 255);
    EXPECT_EQ(contenttest::DataOf(fits.frameText).size(), 251u);

    o.text.assign(214, 'x');
    const FrameBuild refused = BuildInstFrame(o);
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(refused.frameText.empty());
    EXPECT_EQ(refused.error, "INST: alias and text hold 230 bytes, too long by 12 (a frame carries at most 218)");
}

TEST(InstFrame, BackgroundAndSecondsEntries)
{
    const auto entries = BackgroundEntries();
    ASSERT_EQ(entries.size(), 17u);
    const std::uint8_t bytes[] = {0x00, 0xF1, 0xF2, 0xF3, 0xF4, 0x10, 0x11, 0x12, 0x20,
                                  0x22, 0x30, 0x31, 0x32, 0x41, 0x50, 0x60, 0x70};
    for (std::size_t i = 0; i < entries.size(); ++i) EXPECT_EQ(BackgroundByte(entries[i]), bytes[i]) << entries[i];
    EXPECT_EQ(BackgroundByte(""), 0x00);

    const auto seconds = SecondsEntries();
    ASSERT_EQ(seconds.size(), 14u);
    const std::uint16_t values[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 30, 60, 90};
    for (std::size_t i = 0; i < seconds.size(); ++i) EXPECT_EQ(SecondsValue(seconds[i]), values[i]);
    EXPECT_EQ(SecondsValue("x"), std::nullopt);
}
