#include "sim/event_family.h"

#include <gtest/gtest.h>

#include "bench/events/event_frame.h"
#include "bench/events/event_text.h"

using sim::EventFamily;
using Bytes = std::vector<std::uint8_t>;

namespace {

class EventFamilyTest : public ::testing::Test {
protected:
    // The request the bench's builder makes for a command: sub-command, m, payload.
    Bytes Send(const events::EventCommand& command)
    {
        Bytes data;
        data.reserve(command.payload.size() + 2);
        data.push_back(command.sub);
        data.push_back(static_cast<std::uint8_t>(command.payload.size()));
        for (std::uint8_t b : command.payload) data.push_back(b);
        return SendData(data);
    }
    Bytes SendData(const Bytes& data)
    {
        const auto reply = family.Handle(sim::Request{0xFEFE, "EVEN", data});
        EXPECT_TRUE(reply);
        return reply ? reply->data : Bytes{};
    }

    static events::WindowHeader HeaderFor(int window, events::Area area)
    {
        events::WindowHeader header;
        header.window = static_cast<std::uint8_t>(window);
        header.area = area;
        header.action = 1;
        header.color = 2;
        header.word16 = 0x0100;
        header.word18 = 0x0210;
        return header;
    }

    EventFamily family;
};

const Bytes kOk{0x00};
const Bytes kRejected{EventFamily::kStatusRejected};

}  // namespace

TEST_F(EventFamilyTest, EntersAndLeavesEventMode)
{
    EXPECT_FALSE(family.InEventMode());
    EXPECT_EQ(Send(events::InitialEvent()), kOk);
    EXPECT_TRUE(family.InEventMode());
    EXPECT_EQ(family.StartFileId(), std::nullopt);
    EXPECT_EQ(Send(events::ExitEvent()), kOk);
    EXPECT_FALSE(family.InEventMode());
    EXPECT_EQ(Send(events::StartEventAt(300)), kOk);
    EXPECT_TRUE(family.InEventMode());
    EXPECT_EQ(family.StartFileId(), 300);
    EXPECT_EQ(Send(events::StartEventAt(1024 + 1)), kRejected);
}

TEST_F(EventFamilyTest, TextGoesIntoItsWindowAndStartsWithTheMask)
{
    Send(events::InitialEvent());
    const events::EventText text = events::ConvertEventText("[DH]:{12}");
    const auto command = events::TextOut(HeaderFor(3, {0, 64, 16, 16}), text.bytes);
    ASSERT_TRUE(command);
    EXPECT_EQ(Send(*command), kOk);

    const EventFamily::Window& window = family.WindowAt(3);
    EXPECT_TRUE(window.defined);
    EXPECT_EQ(window.area, (EventFamily::Area{0, 64, 16, 16}));
    EXPECT_EQ(window.text, text.bytes);
    EXPECT_EQ(window.asciiFont, 0x0100);
    EXPECT_EQ(window.asianFont, 0x0210);
    EXPECT_EQ(window.options[0], 1);  // action
    EXPECT_EQ(window.options[7], 2);  // colour
    EXPECT_FALSE(window.started);
    EXPECT_FALSE(family.WindowAt(1).defined);

    Send(events::StartWindows(events::WindowMask({false, false, true, false, false, false, false})));
    EXPECT_TRUE(family.WindowAt(3).started);
    EXPECT_FALSE(family.WindowAt(1).started);

    Send(events::ClearBuffers(events::WindowMask({true, true, true, true, true, true, true})));
    EXPECT_TRUE(family.WindowAt(3).text.empty());
}

TEST_F(EventFamilyTest, LinkReplacesTheTextWithAProgram)
{
    Send(*events::TextOut(HeaderFor(2, {64, 64, 0, 16}), Bytes{'A'}));
    EXPECT_EQ(Send(events::SendLink(HeaderFor(2, {64, 64, 0, 16}), 200)), kOk);
    EXPECT_EQ(family.WindowAt(2).linkedFileId, 200);
    EXPECT_TRUE(family.WindowAt(2).text.empty());
}

TEST_F(EventFamilyTest, RamDirectoryModeWritesStraightToMemory)
{
    EXPECT_EQ(Send(*events::TextOut(HeaderFor(0, {8, 32, 4, 8}), Bytes{'H', 'i'})), kOk);
    EXPECT_EQ(family.ScreenState().directText, (Bytes{'H', 'i'}));
    EXPECT_EQ(family.ScreenState().directArea, (EventFamily::Area{8, 32, 4, 8}));
}

TEST_F(EventFamilyTest, ScreenOperationsAreRemembered)
{
    const events::Area area{126, 300, 2, 0};
    Send(events::ClearScreen(area, 2));
    ASSERT_TRUE(family.ScreenState().cleared);
    EXPECT_EQ(family.ScreenState().cleared->first, (EventFamily::Area{126, 300, 2, 0}));
    EXPECT_EQ(family.ScreenState().cleared->second, 2);
    Send(events::ActionFromMemB(area, 4));
    EXPECT_EQ(family.ScreenState().action->second, 4);
    Send(events::MoveLines(16, true, true));
    EXPECT_EQ(family.ScreenState().moved, (std::array<int, 3>{16, 1, 1}));
    Send(events::Flash(area, true));
    EXPECT_TRUE(family.ScreenState().flash->second);
}

TEST_F(EventFamilyTest, RefusesMalformedRequests)
{
    const Bytes cases[] = {
        {},                                   // no sub-command
        {0x00, 0x01},                         // m says 1, no payload
        {0x02, 0x07, 0, 0, 64, 0, 0, 16, 3},  // memory 3
        {0x04, 0x02, 16, 0},                  // move with two bytes
        {0x07, 0x01, 0xFF},                   // start without its 00
        {0x0A, 0x00},                         // unknown sub-command
        {0x09, 0x01, 0x01},                   // link without a header
    };
    for (const Bytes& data : cases) EXPECT_EQ(SendData(data), kRejected) << data.size();

    events::WindowHeader eighth = HeaderFor(8, {0, 64, 0, 16});
    EXPECT_EQ(Send(*events::TextOut(eighth, Bytes{'A'})), kRejected);
}
