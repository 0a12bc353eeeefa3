#include "bench/events/event_frame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bench/events/event_fonts.h"
#include "bench/events/event_text.h"
#include "protocol/frame_text.h"
#include "tests/support/temp_dir.h"

using namespace events;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr std::uint16_t kDefaultId = 65278;
const Area kDefaultArea{0, 64, 0, 16};

std::string Frame(const EventCommand& command)
{
    const auto text = EventFrameText(kDefaultId, command);
    return text ? *text : "<not built>";
}

// The payload bytes of a built frame: after the sub-command and m, before FF FF 7E 00.
Bytes Payload(const EventCommand& command)
{
    const Bytes bytes = protocol::FrameTextToBytes(Frame(command));
    return Bytes(bytes.begin() + 12, bytes.end() - 4);
}

// The default window 1 header of "06: Send Text": every box at its first entry.
WindowHeader DefaultTextHeader()
{
    WindowHeader header;
    header.window = 1;
    header.area = kDefaultArea;
    header.word16 = 0x0100;
    header.word18 = 0x0210;
    return header;
}

}  // namespace

TEST(EventFrame, WorkedFramesByteForByte)
{
    const Bytes text{'T', 'e', 'x', 't'};
    struct Case {
        const char* name;
        EventCommand command;
        const char* frame;
    };
    const Case cases[] = {
        {"exit", ExitEvent(), "7E 01 FE FE 00 06 45 56 45 4E 00 00 FF FF 7E 00 "},
        {"initial", InitialEvent(), "7E 01 FE FE 00 08 45 56 45 4E 01 02 04 00 FF FF 7E 00 "},
        {"clear screen", ClearScreen(kDefaultArea, 0),
         "7E 01 FE FE 00 0D 45 56 45 4E 02 07 00 00 40 00 00 10 00 FF FF 7E 00 "},
        {"send text", *TextOut(DefaultTextHeader(), text),
         "7E 01 FE FE 00 1E 45 56 45 4E 06 18 01 00 00 40 00 00 10 00 00 00 00 00 00 00 00 00 "
         "01 00 02 10 54 65 78 74 FF FF 7E 00 "},
    };
    for (const Case& c : cases) EXPECT_EQ(Frame(c.command), c.frame) << c.name;
}

TEST(EventFrame, PayloadsOfTheSubCommands)
{
    struct Case {
        const char* name;
        EventCommand command;
        std::uint8_t sub;
        Bytes payload;
    };
    const Case cases[] = {
        {"event at 300", StartEventAt(300), 0x01, {0x01, 0x2C}},
        {"event at 1023", StartEventAt(1023), 0x01, {0x03, 0xFF}},
        {"clear B+A", ClearScreen({1, 0, 2, 0}, 2), 0x02, {0x01, 0x00, 0x00, 0x00, 0x02, 0x00, 0x02}},
        {"clear, memory unchosen", ClearScreen(kDefaultArea, -1), 0x02, {0, 0, 0x40, 0, 0, 0x10, 0xFF}},
        {"action 5",
         ActionFromMemB({300, 320, 8, 24}, 5),
         0x03,
         {0x2C, 0x01, 0x40, 0x01, 0x08, 0x18, 0x00, 0x05}},
        {"move up", MoveLines(16, false, false), 0x04, {0x10, 0x00, 0x00}},
        {"move down black", MoveLines(16, true, true), 0x04, {0x10, 0x01, 0x01}},
        {"move 300 lines", MoveLines(300, false, true), 0x04, {0x2C, 0x00, 0x01}},
        {"flash", Flash(kDefaultArea, true), 0x05, {0, 0, 0x40, 0, 0, 0x10, 0x00, 0x01}},
        {"normal", Flash(kDefaultArea, false), 0x05, {0, 0, 0x40, 0, 0, 0x10, 0x00, 0x00}},
        {"start all",
         StartWindows(WindowMask({true, true, true, true, true, true, true})),
         0x07,
         {0xFF, 0x00}},
        {"start 3",
         StartWindows(WindowMask({false, false, true, false, false, false, false})),
         0x07,
         {0x84, 0x00}},
        {"clear none", ClearBuffers(WindowMask({})), 0x08, {0x80}},
        {"clear 1 and 7",
         ClearBuffers(WindowMask({true, false, false, false, false, false, true})),
         0x08,
         {0xC1}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.command.sub, c.sub) << c.name;
        EXPECT_EQ(Payload(c.command), c.payload) << c.name;
    }
}

TEST(EventFrame, AreaXOf126IsEscapedLowByteThenHighByte)
{
    const std::string frame = Frame(ClearScreen({126, 64, 0, 16}, 0));
    EXPECT_NE(frame.find("02 07 7D 02 00 40 00 "), std::string::npos) << frame;
    EXPECT_EQ(AreaBytes({126, 0x7D, 0x17E, 0x27D}),
              (std::array<std::uint8_t, 6>{0x7E, 0, 0x7D, 0, 0x7E, 0x7D}));
}

TEST(EventFrame, SendLinkEndsWithTheFileIdAndTwoZeros)
{
    WindowHeader header = DefaultTextHeader();  // the font words are replaced
    const EventCommand link = SendLink(header, 200);
    EXPECT_EQ(link.sub, 0x09);
    ASSERT_EQ(link.payload.size(), 20u);
    EXPECT_EQ(Bytes(link.payload.end() - 4, link.payload.end()), (Bytes{0x00, 0xC8, 0x00, 0x00}));
    EXPECT_EQ(Frame(link).substr(0, 36), "7E 01 FE FE 00 1A 45 56 45 4E 09 14 ");
}

TEST(EventFrame, WindowHeaderPutsEachOptionAtItsOffset)
{
    WindowHeader h;
    h.window = 3;
    h.area = {0, 64, 16, 16};
    h.action = 2;
    h.speed = 3;
    h.stay = 4;
    h.times = 10;
    h.sendTo = 1;
    h.multiLines = true;
    h.align = 2;
    h.color = 7;
    h.word16 = 0x1234;
    h.word18 = 0xABCD;
    const auto bytes = WindowHeaderBytes(h);
    const std::array<std::uint8_t, 20> expected{3,  0, 0, 64, 0, 16, 16,   2,    3,    4,
                                                10, 1, 1, 2,  7, 0,  0x12, 0x34, 0xAB, 0xCD};
    EXPECT_EQ(bytes, expected);
}

TEST(EventFrame, TextLongerThan229BytesIsNotBuilt)
{
    const Bytes longest(229, 'A');
    const auto fits = TextOut(DefaultTextHeader(), longest);
    ASSERT_TRUE(fits);
    const Bytes frame = protocol::FrameTextToBytes(Frame(*fits));
    EXPECT_EQ(frame[5], 255);   // 249 + 6
    EXPECT_EQ(frame[11], 249);  // m
    EXPECT_EQ(frame.size(), 12u + 249 + 4);
    EXPECT_EQ(TextOut(DefaultTextHeader(), Bytes(230, 'A')), std::nullopt);

    EventCommand tooLong{0x06, Bytes(250, 0)};
    EXPECT_EQ(EventFrameText(kDefaultId, tooLong), std::nullopt);
}

TEST(EventText, BracesBecomeTensAndUnits)
{
    struct Case {
        const char* text;
        Bytes bytes;
    };
    const Case cases[] = {
        {"Text", {'T', 'e', 'x', 't'}},
        {"{0}", {0x80, 0x10}},
        {"{5}", {0x80, 0x15}},
        {"{12}", {0x81, 0x12}},
        {"{127}", {0x8C, 0x17}},
        {"{}", {0x80, 0x10}},
        {"A{{B", {0x41, 0x7B, 0x42}},
        {"A{7", {0x41}},
        {"x}", {0x78, 0x7D}},
        {"{3}{4}", {0x80, 0x13, 0x80, 0x14}},
        // Digits count by their low nibble: 'a' is 61, so it reads as 1.
        {"{a2}", {0x81, 0x12}},
        // From the eleventh digit on they are ignored: 0000000012 is read, 7 and 9 are not.
        {"{000000001279}", {0x81, 0x12}},
        // The largest number whose tens still fit their byte: 0x80 + 127.
        {"{1279}", {0xFF, 0x19}},
        {"\xD6\xD0", {0xD6, 0xD0}},  // a GBK character passes unchanged
    };
    for (const Case& c : cases) {
        const EventText got = ConvertEventText(c.text);
        EXPECT_TRUE(got.error.empty()) << c.text << ": " << got.error;
        EXPECT_EQ(got.bytes, c.bytes) << c.text;
    }
}

TEST(EventText, DigitsThatAreNoNumberStopTheConversion)
{
    const EventText got = ConvertEventText("A{1:}");  // ':' has the low nibble A
    EXPECT_EQ(got.error, "'1:' is not a valid integer value");
    EXPECT_TRUE(got.bytes.empty());
}

TEST(EventText, BraceNumbersBeyondTheirByteAreRefused)
{
    // 0x80 + n / 10 would wrap past FF and the sign would see another code.
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"A{1280}", "Event text: brace code {1280} is too large by 1 (largest 1279)"},
        {"{12345678901}", "Event text: brace code {1234567890} is too large by 1234566611 (largest 1279)"},
    };
    for (const Case& c : cases) {
        const EventText got = ConvertEventText(c.text);
        EXPECT_TRUE(got.tooLarge) << c.text;
        EXPECT_EQ(got.error, c.message) << c.text;
        EXPECT_TRUE(got.bytes.empty()) << c.text;
    }
    EXPECT_FALSE(ConvertEventText("A{1:}").tooLarge);
}

TEST(EventFonts, ReadFromSettingsEachTimeWithTheirDefaults)
{
    testsupport::TempDir home;
    platform::Profile settings(home.File("setup.cfg"));
    struct Case {
        int eng, chn;
        bool asian;
        std::uint16_t ascii, asianCode;
    };
    const Case defaults[] = {{0, 0, true, 256, 528}, {0, 0, false, 256, 256}, {-1, -1, true, 256, 528}};
    for (const Case& c : defaults) {
        const EventFontCodes codes = ReadEventFontCodes(settings, c.eng, c.chn, c.asian);
        EXPECT_EQ(codes.ascii, c.ascii);
        EXPECT_EQ(codes.asian, c.asianCode);
    }
    ASSERT_TRUE(settings.WriteInt("FONTENG", "FONT_VALUE_1", 0x0105));
    ASSERT_TRUE(settings.Write("FONTCHN", "FONT_VALUE_2", "0x0213"));
    const Case stored[] = {
        {1, 2, true, 0x0105, 0x0213}, {1, 2, false, 0x0105, 0x0105}, {0, 1, true, 256, 528}};
    for (const Case& c : stored) {
        const EventFontCodes codes = ReadEventFontCodes(settings, c.eng, c.chn, c.asian);
        EXPECT_EQ(codes.ascii, c.ascii) << c.eng;
        EXPECT_EQ(codes.asian, c.asianCode) << c.chn;
    }
}
