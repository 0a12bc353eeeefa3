#include "bench/device/device_frames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bench/device/clock_frames.h"
#include "protocol/frame_text.h"

using namespace device;

namespace {
constexpr std::uint16_t kDefaultId = 65278;
}

TEST(TimeFrame, CarriesTheClockInBcdAndTheWeekdayFromSunday)
{
    struct Case {
        ClockTime clock;
        const char* frame;
    };
    const Case cases[] = {
        // 2009-01-02 was a Friday.
        {ClockTime::FromDate(2009, 1, 2, 3, 4, 5),
         "7E 01 FE FE 00 0E 54 49 4D 45 01 08 09 01 02 03 04 05 05 00 FF FF 7E 00 "},
        {ClockTime::FromDate(2024, 5, 31, 13, 7, 9),
         "7E 01 FE FE 00 0E 54 49 4D 45 01 08 24 05 31 13 07 09 05 00 FF FF 7E 00 "},
        // A Sunday and a Saturday.
        {ClockTime::FromDate(2024, 6, 2, 23, 59, 59),
         "7E 01 FE FE 00 0E 54 49 4D 45 01 08 24 06 02 23 59 59 00 00 FF FF 7E 00 "},
        {ClockTime::FromDate(2000, 1, 1, 0, 0, 0),
         "7E 01 FE FE 00 0E 54 49 4D 45 01 08 00 01 01 00 00 00 06 00 FF FF 7E 00 "},
    };
    for (const Case& c : cases) EXPECT_EQ(TimeFrameText(kDefaultId, c.clock), c.frame) << c.clock.year;
}

TEST(TimeFrame, WorksOutTheWeekdayAcrossMonthsAndLeapYears)
{
    struct Case {
        int y, m, d, weekday;
    };
    const Case cases[] = {
        {2024, 2, 29, 4}, {2024, 3, 1, 5}, {1999, 12, 31, 5}, {2023, 1, 1, 0}, {2100, 3, 1, 1}};
    for (const Case& c : cases)
        EXPECT_EQ(ClockTime::FromDate(c.y, c.m, c.d, 0, 0, 0).weekday, c.weekday)
            << c.y << "-" << c.m << "-" << c.d;
}

TEST(TimeFrame, EscapesASignIdHoldingMarkerBytes)
{
    const std::string text = TimeFrameText(0x7E7D, ClockTime::FromDate(2009, 1, 2, 3, 4, 5));
    EXPECT_EQ(text.substr(0, 18), "7E 01 7D 02 7D 01 ");
}

TEST(CountdownFrame, LoadsInBcdAndSendsZerosForTheOtherModes)
{
    struct Case {
        CountdownMode mode;
        int h, m, s;
        const char* frame;
    };
    const Case cases[] = {
        {CountdownMode::Load, 2, 2, 2, "7E 01 FE FE 00 08 54 43 4E 54 00 02 02 02 FF FF 7E 00 "},
        {CountdownMode::Load, 99, 59, 59, "7E 01 FE FE 00 08 54 43 4E 54 00 99 59 59 FF FF 7E 00 "},
        {CountdownMode::Load, 0, 0, 0, "7E 01 FE FE 00 08 54 43 4E 54 00 00 00 00 FF FF 7E 00 "},
        {CountdownMode::Start, 12, 34, 56, "7E 01 FE FE 00 08 54 43 4E 54 01 00 00 00 FF FF 7E 00 "},
        {CountdownMode::Pause, 12, 34, 56, "7E 01 FE FE 00 08 54 43 4E 54 02 00 00 00 FF FF 7E 00 "},
        {CountdownMode::Stop, 12, 34, 56, "7E 01 FE FE 00 08 54 43 4E 54 03 00 00 00 FF FF 7E 00 "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CountdownFrameText(kDefaultId, c.mode, c.h, c.m, c.s), c.frame) << int(c.mode);
}

TEST(CountdownFrame, BcdTakesTensAndUnits)
{
    const std::pair<int, int> cases[] = {{0, 0x00}, {9, 0x09}, {10, 0x10}, {59, 0x59}, {99, 0x99}};
    for (auto [value, bcd] : cases) EXPECT_EQ(Bcd(value), bcd) << value;
}

TEST(BrightnessFrame, AutomaticIgnoresTheLevelAndManualSendsIt)
{
    const std::string tail = "00 00 00 00 00 00 00 00 00 00 00 00 00 FF FF 7E 00 ";
    EXPECT_EQ(BrightnessFrameText(false, 5), "7E 01 FE FE 00 14 42 52 49 47 04 01 00 " + tail);
    EXPECT_EQ(BrightnessFrameText(true, 5), "7E 01 FE FE 00 14 42 52 49 47 04 00 05 " + tail);
    EXPECT_EQ(BrightnessFrameText(true, 0), "7E 01 FE FE 00 14 42 52 49 47 04 00 00 " + tail);
    EXPECT_EQ(protocol::FrameTextToBytes(BrightnessFrameText(true, 7)).size(), 4u + 2 + 4 + 16 + 4);
}

TEST(BaudFrame, SpeedCodeAndReplyDelay)
{
    struct Case {
        int baud;
        int delay;
        const char* data;
    };
    const Case cases[] = {
        {9600, 0, "31 00 "},   {19200, 1, "32 01 "},    {38400, 5, "34 05 "},
        {57600, 0, "36 00 "},  {115200, 200, "3C C8 "}, {57600, 10, "36 0A "},
        {57600, 20, "36 14 "}, {57600, 50, "36 32 "},   {57600, 100, "36 64 "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BaudFrameText(c.baud, c.delay),
                  std::string("7E 01 FE FE 00 06 42 41 55 44 ") + c.data + "FF FF 7E 00 ")
            << c.baud << " " << c.delay;
}

TEST(BaudFrame, ReplyDelayItems)
{
    EXPECT_EQ(ReplyDelayOfItem("0: Default Slow"), 0);
    EXPECT_EQ(ReplyDelayOfItem("1"), 1);
    EXPECT_EQ(ReplyDelayOfItem("200"), 200);
    EXPECT_EQ(ReplyDelayOfItem("fast"), std::nullopt);
}

TEST(FixedFrames, MatchTheirByteStrings)
{
    struct Case {
        std::string text;
        const char* expected;
    };
    const Case cases[] = {
        {PowerFrameText(PowerAction::On), "7E 01 FE FE 00 0B 50 57 4F 4E 02 00 00 00 00 00 00 FF FF 7E 00 "},
        {PowerFrameText(PowerAction::Off), "7E 01 FE FE 00 0B 50 57 4F 4E 03 00 00 00 00 00 00 FF FF 7E 00 "},
        {PowerFrameText(PowerAction::Query),
         "7E 01 FE FE 00 0B 50 57 4F 4E 00 00 00 00 00 00 00 FF FF 7E 00 "},
        {ShowIdFrameText(true), "7E 01 FE FE 00 05 53 54 49 44 11 FF FF 7E 00 "},
        {ShowIdFrameText(false), "7E 01 FE FE 00 05 53 54 49 44 10 FF FF 7E 00 "},
        {UpdateFrameText(), "7E 01 FE FE 00 04 55 50 44 54 FF FF 7E 00 "},
        {std::string(kUpdateExitText), "61 32 "},
        {VersionFrameText(kDefaultId), "7E 01 FE FE 00 04 51 56 45 52 FF FF 7E 00 "},
        {VersionFrameText(0x007E), "7E 01 00 7D 02 00 04 51 56 45 52 FF FF 7E 00 "},
        {AdcFrameText(), "7E 01 FE FE 00 04 47 41 44 43 FF FF 7E 00 "},
    };
    for (const Case& c : cases) EXPECT_EQ(c.text, c.expected);
    EXPECT_EQ(protocol::FrameTextToBytes(kUpdateExitText), (std::vector<std::uint8_t>{0x61, 0x32}));
}

TEST(BeepFrame, ModeZeroTakesTheTimeBeforeTheColonOtherModesSendZero)
{
    struct Case {
        int mode;
        const char* item;
        const char* data;
    };
    const Case cases[] = {
        {0, "10: Beep 10ms", "00 0A "},  {0, "40: Beep 40ms", "00 28 "}, {0, "100:Beep 100ms", "00 64 "},
        {0, "250:Beep 250ms", "00 FA "}, {1, "40: Beep 40ms", "01 00 "}, {2, "250:Beep 250ms", "02 00 "},
        {3, "40: Beep 40ms", "03 00 "},  {3, "no colon", "03 00 "},
    };
    for (const Case& c : cases) {
        const auto frame = BeepFrameText(kDefaultId, c.mode, c.item);
        ASSERT_TRUE(frame) << c.item;
        EXPECT_EQ(*frame, std::string("7E 01 FE FE 00 06 42 45 45 50 ") + c.data + "FF FF 7E 00 ") << c.item;
    }
}

TEST(BeepFrame, ModeZeroWithoutATimeSendsNothing)
{
    EXPECT_EQ(BeepFrameText(kDefaultId, 0, "no colon"), std::nullopt);
    EXPECT_EQ(BeepFrameText(kDefaultId, 0, "x: Beep"), std::nullopt);
}
