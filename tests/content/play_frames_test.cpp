#include <gtest/gtest.h>

#include "bench/content/play_frames.h"
#include "frame_bytes.h"

using namespace content;
using contenttest::Bytes;

TEST(PlayTableFrame, WorkedPramSwitch)
{
    PlayTableOptions o;
    o.start = 0;
    o.end = 999;
    EXPECT_EQ(BuildPlayTableFrame(o).frameText,
              "7E 01 FE FE 00 0F 50 52 41 4D 01 01 00 00 00 03 E7 41 00 00 00 FF FF 7E 00 ");
    EXPECT_EQ(PlayTableLayout(false), 3);
    EXPECT_EQ(PlayTableLayout(true), 4);
}

TEST(PlayTableFrame, FieldsOfEachKind)
{
    struct Case { const char* what; PlayTableOptions options; Bytes data; };
    PlayTableOptions playExit;
    playExit.flash = true;
    playExit.enter = false;
    playExit.breakRunning = false;
    playExit.group = 'C';
    playExit.start = 200;
    playExit.end = 260;
    PlayTableOptions pramExit;
    pramExit.enter = false;
    pramExit.group = 'Z';
    pramExit.start = 5;
    pramExit.end = 126;
    pramExit.loops = 6;
    pramExit.seconds = 10;
    PlayTableOptions playSwitch = playExit;
    playSwitch.enter = true;
    playSwitch.breakRunning = true;
    const Case cases[] = {
        {"PLAY exit", playExit, {0x50, 0x00, 0x00, 0x06, 0x43, 0x01, 0x00, 0xC8, 0x01, 0x04}},
        {"PLAY switch", playSwitch, {0x5A, 0x01, 0x00, 0x06, 0x43, 0x01, 0x00, 0xC8, 0x01, 0x04}},
        {"PRAM exit", pramExit, {0x00, 0x01, 0x00, 0x00, 0x05, 0x00, 0x7E, 0x5A, 0x06, 0x00, 0x0A}},
    };
    for (const Case& c : cases) EXPECT_EQ(contenttest::DataOf(BuildPlayTableFrame(c.options).frameText), c.data) << c.what;
    EXPECT_NE(BuildPlayTableFrame(pramExit).frameText.find("00 05 00 7D 02 5A "), std::string::npos);
    EXPECT_EQ(contenttest::LengthOf(BuildPlayTableFrame(playExit).frameText), 0x0E);
}

TEST(ProgramSelectFrame, SelectAndQuit)
{
    ProgramSelectOptions three;
    three.first = three.last = 3;
    three.loops = 2;
    three.seconds = 5;
    ProgramSelectOptions quit;
    quit.select = false;
    quit.first = quit.last = 0;
    quit.loops = 1;
    quit.seconds = 4;
    ProgramSelectOptions reversed;
    reversed.first = 7;
    reversed.last = 2;
    struct Case { ProgramSelectOptions options; Bytes data; };
    const Case cases[] = {
        {three, {0x10, 0x01, 0x00, 0x00, 0x03, 0x00, 0x03, 0x00, 0x02, 0x00, 0x05}},
        {quit, {0x11, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x04}},
        {reversed, {0x10, 0x01, 0x00, 0x00, 0x07, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00}},
    };
    for (const Case& c : cases) {
        const std::string text = BuildProgramSelectFrame(c.options).frameText;
        EXPECT_EQ(contenttest::DataOf(text), c.data);
        EXPECT_EQ(contenttest::LengthOf(text), 0x0F);
    }
}

TEST(PlayFrames, FixedLists)
{
    EXPECT_EQ(GroupEntries().size(), 26u);
    EXPECT_EQ(FileIdEntries().size(), 1024u);
    EXPECT_EQ(FileIdEntries().at(999), "999");
    EXPECT_EQ(LoopEntries(), (std::vector<std::string>{"Loop Allways", "Loop 1 Times", "Loop 2 Times", "Loop 3 Times",
                                                      "Loop 4 Times", "Loop 5 Times", "Loop 6 Times"}));
    EXPECT_EQ(SecondEntries().front(), "All Time");
    EXPECT_EQ(SecondEntries().back(), "10 Seconds");
    EXPECT_EQ(SecondEntries().size(), 11u);
    EXPECT_EQ(ShortSecondEntries().back(), "10 S");
    EXPECT_EQ(TimesEntries().size(), 7u);
    EXPECT_EQ(ProgramNumberEntries().size(), 9u);
}
