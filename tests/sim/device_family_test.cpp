#include "sim/device_family.h"

#include <gtest/gtest.h>

#include "bench/device/clock_frames.h"
#include "bench/device/device_frames.h"
#include "bench/device/device_replies.h"
#include "protocol/frame_text.h"
#include "sim/reply_plan.h"

using sim::DeviceFamily;
using Bytes = std::vector<std::uint8_t>;

namespace {

// A device family on a clock the test moves by hand.
struct FakeClock {
    DeviceFamily::Clock::time_point at{};
    void Advance(int seconds) { at += std::chrono::seconds(seconds); }
};

class DeviceFamilyTest : public ::testing::Test {
protected:
    explicit DeviceFamilyTest(sim::SimOptions options = {}) : family(options, [this] { return clock.at; }) {}

    // The request a bench frame makes: its bytes after the command letters.
    sim::Reply Send(const std::string& frameText)
    {
        const Bytes bytes = protocol::FrameTextToBytes(frameText);
        sim::Request request;
        request.signId = static_cast<std::uint16_t>(bytes[2] << 8 | bytes[3]);
        request.command.assign(bytes.begin() + 6, bytes.begin() + 10);
        request.data.assign(bytes.begin() + 10, bytes.end() - 4);
        const auto reply = family.Handle(request);
        EXPECT_TRUE(reply) << request.command;
        return reply.value_or(sim::Reply{});
    }

    // The reply as the bench's buffer holds it: the whole unescaped frame.
    static Bytes ReplyBytes(const std::string& command, const sim::Reply& reply)
    {
        return sim::ReplyFrame(sim::Request{0xFEFE, command, {}}, reply.data);
    }

    FakeClock clock;
    DeviceFamily family;
};

}  // namespace

TEST_F(DeviceFamilyTest, IgnoresCommandsOfOtherFamilies)
{
    EXPECT_EQ(family.Handle(sim::Request{0xFEFE, "NONE", {}}), std::nullopt);
    EXPECT_EQ(family.Handle(sim::Request{0xFEFE, "EVEN", {0, 0}}), std::nullopt);
}

TEST_F(DeviceFamilyTest, TimeSetsTheClockWhichThenAdvances)
{
    EXPECT_EQ(Send(device::TimeFrameText(65278, device::ClockTime::FromDate(2009, 1, 2, 23, 59, 30))).data,
              Bytes{0x00});
    EXPECT_EQ(family.ClockNow(), (DeviceFamily::Civil{2009, 1, 2, 23, 59, 30, 5}));
    clock.Advance(31);
    EXPECT_EQ(family.ClockNow(), (DeviceFamily::Civil{2009, 1, 3, 0, 0, 1, 6}));
    clock.Advance(366 * 86400);
    EXPECT_EQ(family.ClockNow(), (DeviceFamily::Civil{2010, 1, 4, 0, 0, 1, 1}));
}

TEST_F(DeviceFamilyTest, TimeRefusesFieldsThatAreNoDate)
{
    Send(device::TimeFrameText(65278, device::ClockTime::FromDate(2009, 1, 2, 3, 4, 5)));
    const DeviceFamily::Civil before = family.ClockNow();
    const char* bad[] = {
        "01 08 23 02 29 00 00 00 00 00",  // no 29 February in 2023
        "01 08 09 13 01 00 00 00 00 00",  // month 13
        "01 08 09 01 01 24 00 00 00 00",  // hour 24
        "01 08 09 01 0A 00 00 00 00 00",  // not BCD
        "01 07 09 01 01 00 00 00 00 00",  // wrong count
        "01 08 09 01",                    // too short
    };
    for (const char* data : bad) {
        const std::string text = std::string(data) + " ";
        const auto reply = family.Handle(sim::Request{0xFEFE, "TIME", protocol::FrameTextToBytes(text)});
        ASSERT_TRUE(reply);
        EXPECT_EQ(reply->data, Bytes{DeviceFamily::kStatusRejected}) << data;
    }
    EXPECT_EQ(family.ClockNow(), before);
}

TEST_F(DeviceFamilyTest, CountdownLoadsStartsPausesAndStops)
{
    using device::CountdownMode;
    using State = DeviceFamily::CountdownState;
    struct Step {
        CountdownMode mode;
        int advance;
        State state;
        int remaining;
    };
    const Step steps[] = {
        {CountdownMode::Load, 0, State::Stopped, 3600},  // 01:00:00 loaded, not running
        {CountdownMode::Start, 10, State::Running, 3590},
        {CountdownMode::Pause, 100, State::Paused, 3590},  // paused time does not count
        {CountdownMode::Start, 590, State::Running, 3000},
        {CountdownMode::Stop, 0, State::Stopped, 3600},   // stop goes back to the loaded value
        {CountdownMode::Start, 4000, State::Running, 0},  // never below zero
    };
    for (const Step& s : steps) {
        EXPECT_EQ(Send(device::CountdownFrameText(65278, s.mode, 1, 0, 0)).data, Bytes{0x00});
        clock.Advance(s.advance);
        const DeviceFamily::Countdown now = family.CountdownNow();
        EXPECT_EQ(now.state, s.state) << int(s.mode);
        EXPECT_EQ(now.remainingSeconds, s.remaining) << int(s.mode);
    }
    const auto mode4 = family.Handle(sim::Request{0xFEFE, "TCNT", {0x04, 0, 0, 0}});
    EXPECT_EQ(mode4->data, Bytes{DeviceFamily::kStatusRejected});
}

TEST_F(DeviceFamilyTest, BrightnessBaudAndIdDisplay)
{
    Send(device::BrightnessFrameText(true, 5));
    EXPECT_FALSE(family.BrightnessAuto());
    EXPECT_EQ(family.BrightnessLevel(), 5);
    Send(device::BrightnessFrameText(false, 2));
    EXPECT_TRUE(family.BrightnessAuto());
    EXPECT_EQ(family.BrightnessLevel(), 5);
    EXPECT_EQ(Send(device::BrightnessFrameText(true, 8)).data, Bytes{DeviceFamily::kStatusRejected});

    Send(device::ShowIdFrameText(true));
    EXPECT_TRUE(family.ShowingId());
    Send(device::ShowIdFrameText(false));
    EXPECT_FALSE(family.ShowingId());
}

TEST_F(DeviceFamilyTest, BaudSetsTheSpeedAndDelaysTheFollowingReplies)
{
    const sim::Reply baud = Send(device::BaudFrameText(115200, 50));
    EXPECT_EQ(baud.delayMs, 0);  // the answer to BAUD itself still comes at once
    EXPECT_EQ(family.BaudRate(), 115200);
    EXPECT_EQ(family.ReplyDelayMs(), 50);

    const sim::Reply next = Send(device::PowerFrameText(device::PowerAction::Query));
    const sim::ReplyPlan plan = sim::PlanReply(sim::Request{0xFEFE, "PWON", {}}, next, sim::Faults{});
    ASSERT_EQ(plan.pieces.size(), 1u);
    EXPECT_EQ(plan.pieces[0].delayMs, 50);

    EXPECT_EQ(Send(device::BaudFrameText(4800, 0)).data, Bytes{DeviceFamily::kStatusRejected});
    EXPECT_EQ(family.BaudRate(), 115200);
}

TEST_F(DeviceFamilyTest, PowerAnswersItsStateAtOffset11)
{
    using device::PowerAction;
    struct Step {
        PowerAction action;
        bool on;
    };
    const Step steps[] = {{PowerAction::Query, true},
                          {PowerAction::Off, false},
                          {PowerAction::Query, false},
                          {PowerAction::On, true},
                          {PowerAction::Query, true}};
    for (const Step& s : steps) {
        const Bytes reply = ReplyBytes("PWON", Send(device::PowerFrameText(s.action)));
        EXPECT_EQ(reply[10], 0x00);
        EXPECT_EQ(device::PowerStateFromReply(reply, static_cast<int>(reply.size())), s.on) << int(s.action);
        EXPECT_EQ(family.PowerOn(), s.on);
    }
}

TEST_F(DeviceFamilyTest, VersionTextsLieWhereTheBenchReadsThem)
{
    const Bytes reply = ReplyBytes("QVER", Send(device::VersionFrameText(65278)));
    EXPECT_EQ(device::VersionFromReply(reply, static_cast<int>(reply.size())),
              std::string("[ARM]: ") + DeviceFamily::kArmVersion + "   [AVR]: " + DeviceFamily::kAvrVersion +
                  "   [SUB]: " + DeviceFamily::kSubVersion + "   [NAME]: " + DeviceFamily::kBoardName);
}

TEST_F(DeviceFamilyTest, UpdateModeHearsOnlyTheTwoExitBytes)
{
    const Bytes exitBytes{0x61, 0x32};
    EXPECT_FALSE(family.HandleUnframed(exitBytes));  // not updating: not ours

    Send(device::UpdateFrameText());
    EXPECT_TRUE(family.Updating());
    EXPECT_TRUE(Send(device::VersionFrameText(65278)).silent);
    EXPECT_FALSE(family.HandleUnframed(Bytes{0x61, 0x33}));
    EXPECT_TRUE(family.Updating());
    EXPECT_TRUE(family.HandleUnframed(Bytes{0x00, 0x61, 0x32}));
    EXPECT_FALSE(family.Updating());
    EXPECT_FALSE(Send(device::VersionFrameText(65278)).silent);
}

TEST_F(DeviceFamilyTest, BeeperModes)
{
    auto beep = [&](int mode, const char* item) { return Send(*device::BeepFrameText(65278, mode, item)); };
    beep(0, "40: Beep 40ms");
    EXPECT_EQ(family.BeeperState().lastBeepMs, 40);
    EXPECT_EQ(family.BeeperState().beeps, 1);
    EXPECT_EQ(beep(3, "").data, (Bytes{0x00, 0x00}));
    beep(1, "");
    EXPECT_TRUE(family.BeeperState().on);
    EXPECT_EQ(beep(3, "").data, (Bytes{0x00, 0x01}));
    beep(2, "");
    EXPECT_FALSE(family.BeeperState().on);
    EXPECT_EQ(family.BeeperState().beeps, 1);
}

TEST(DeviceFamilyAdc, ReadingsComeFromTheCommandLine)
{
    DeviceFamily family(sim::SimOptions{{"adc", "616,1000,3"}});
    const auto reply = family.Handle(sim::Request{0xFEFE, "GADC", {}});
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->data, (Bytes{0x00, 0x68, 0x02, 0xE8, 0x03, 0x03, 0x00}));

    DeviceFamily plain(sim::SimOptions{});
    EXPECT_EQ(plain.Handle(sim::Request{0xFEFE, "GADC", {}})->data, (Bytes{0x00, 0, 0, 0, 0, 0, 0}));
}

TEST(DeviceFamilyAdc, MalformedReadingsAreRefused)
{
    struct Case {
        const char* text;
        bool ok;
    };
    const Case cases[] = {{"0,0,0", true},    {"65535,1,2", true}, {"65536,1,2", false}, {"1,2", false},
                          {"1,2,3,4", false}, {"a,2,3", false},    {"1,,3", false},      {"", false}};
    for (const Case& c : cases) EXPECT_EQ(DeviceFamily::ParseAdc(c.text).has_value(), c.ok) << c.text;

    DeviceFamily family(sim::SimOptions{{"adc", "1,2"}});
    EXPECT_EQ(family.Handle(sim::Request{0xFEFE, "GADC", {}})->data, Bytes{DeviceFamily::kStatusRejected});
}
