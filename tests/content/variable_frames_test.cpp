#include <gtest/gtest.h>

#include "bench/content/variable_frames.h"
#include "frame_bytes.h"
#include "protocol/frame_text.h"

using namespace content;
using contenttest::Bytes;

TEST(VariableFrame, HelloAsRamVariableThree)
{
    VariableOptions o;
    o.number = 3;
    o.bytes = {'H', 'e', 'l', 'l', 'o'};
    EXPECT_EQ(BuildVariableFrame(o).frameText, "7E 01 FE FE 00 0B 56 52 41 4D 03 05 48 65 6C 6C 6F FF FF 7E 00 ");
    o.flash = true;
    EXPECT_EQ(BuildVariableFrame(o).frameText, "7E 01 FE FE 00 0B 56 52 4F 4D 03 05 48 65 6C 6C 6F FF FF 7E 00 ");
}

TEST(VariableFrame, MarkerBytesAreEscapedAndCountedOnce)
{
    VariableOptions o;
    o.number = 0x7E;
    o.bytes = {0xFF, 0x7E};
    const FrameBuild built = BuildVariableFrame(o);
    EXPECT_EQ(built.frameText, "7E 01 FE FE 00 08 56 52 41 4D 7D 02 02 FF 7D 02 FF FF 7E 00 ");
}

TEST(VariableFrame, RefusesStringsBeyond249Bytes)
{
    VariableOptions o;
    o.bytes.assign(249, 'x');
    const FrameBuild fits = BuildVariableFrame(o);
    ASSERT_TRUE(fits.ok());
    EXPECT_EQ(contenttest::LengthOf(fits.frameText), 255);
    o.bytes.assign(260, 'x');
    o.flash = true;
    const FrameBuild refused = BuildVariableFrame(o);
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(refused.error, "VROM: variable string holds 260 bytes, too long by 11 (a frame carries at most 249)");
}

TEST(VariableFrame, AddressesOfVariablesAndPresets)
{
    EXPECT_EQ(protocol::HexText32(FlashVariableAddress(3)), "0000A060");
    EXPECT_EQ(protocol::HexText32(FlashVariableAddress(127)), "0000AFE0");
    struct Case { int forecourt; int window; const char* address; };
    const Case cases[] = {
        {1, 2, "0000B600"}, {0, 0, "0000B400"}, {-1, -1, "0000B400"}, {5, 5, "0000BCC0"}, {-1, 3, "0000B4C0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(protocol::HexText32(PresetAddress(c.forecourt, c.window)), c.address)
            << c.forecourt << "," << c.window;
    }
    EXPECT_EQ(VariableIdEntries(false).size(), 8u);
    EXPECT_EQ(VariableIdEntries(true).at(127), "Var-ROM 127");
}

TEST(MredFrame, MemoryAddressAndCount)
{
    struct Case { int mode; int variable; std::uint32_t address; int count; Bytes data; };
    const Case cases[] = {
        {0, 0, 0xA000, 20, {0x00, 0x00, 0xA0, 0x00, 0x00, 0x14}},
        {4, 5, 0xA000, 20, {0x15, 0x00, 0xA0, 0x00, 0x00, 0x14}},
        {3, 0, 0x12345678, 300, {0x03, 0x34, 0x56, 0x78, 0x00, 0x2C}},
        {0, 0, 0x7E7D, 1, {0x00, 0x00, 0x7E, 0x7D, 0x00, 0x01}},
    };
    for (const Case& c : cases) {
        MredOptions o;
        o.memory = MredMemoryByte(c.mode, c.variable);
        o.address = c.address;
        o.count = c.count;
        const std::string text = BuildMredFrame(o).frameText;
        EXPECT_EQ(contenttest::DataOf(text), c.data);
        EXPECT_EQ(contenttest::LengthOf(text), 0x0A);
    }
    MredOptions escaped;
    escaped.address = 0x7E7D;
    EXPECT_NE(BuildMredFrame(escaped).frameText.find("4D 52 45 44 00 00 7D 02 7D 01 "), std::string::npos);
}

TEST(MredReply, TextFromOffset14UpToCountZeroOrDataEnd)
{
    const Bytes hello = contenttest::ReplyFrame("MRED", {0x00, 0x00, 0xA0, 0x00, 'H', 'e', 'l', 'l', 'o', 0x00, 'x'});
    struct Case { Bytes reply; int result; int count; std::optional<std::string> text; };
    const Case cases[] = {
        {hello, static_cast<int>(hello.size()), 20, "Hello"},
        {hello, static_cast<int>(hello.size()), 3, "Hel"},
        {contenttest::ReplyFrame("MRED", {0x00, 0, 0, 0, 'A', 'B'}), 20, 32, "AB"},  // stops before FF FF
        {contenttest::ReplyFrame("MRED", {0x01}), 15, 20, std::nullopt},
        {hello, 0, 20, std::nullopt},
        {hello, -1, 20, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(DecodeMredReply(c.reply, c.result, c.count), c.text);
}

TEST(FillFrame, AddressThenEightFF)
{
    EXPECT_EQ(BuildFillFrame(0xFEFE, 0xB600).frameText,
              "7E 01 FE FE 00 10 4D 57 52 44 00 00 B6 00 FF FF FF FF FF FF FF FF FF FF 7E 00 ");
    EXPECT_EQ(contenttest::DataOf(BuildFillFrame(0xFEFE, 0x7D7E0000).frameText),
              (Bytes{0x7D, 0x7E, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}
