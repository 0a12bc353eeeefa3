#include "sim/line_pace.h"

#include <gtest/gtest.h>

using sim::LinePace;
using Clock = LinePace::Clock;
using std::chrono::microseconds;
using std::chrono::milliseconds;

namespace {

const Clock::time_point t0 = Clock::time_point() + std::chrono::hours(1);

}  // namespace

TEST(LinePace, ABytesLineTimeIsTenBits)
{
    EXPECT_FALSE(LinePace().Paced());
    EXPECT_EQ(LinePace(9600).ByteTime(), std::chrono::nanoseconds(1'041'666));
    EXPECT_EQ(LinePace(115200).ByteTime(), std::chrono::nanoseconds(86'805));
    EXPECT_EQ(LinePace(10).ByteTime(), milliseconds(1000));
}

TEST(LinePace, AnUnpacedLineCarriesEverythingAtOnce)
{
    LinePace line;
    EXPECT_EQ(line.Take(t0, t0, 5000), 5000u);
    EXPECT_EQ(line.NextDone(t0), t0);
}

// 1000 baud: a byte takes 10 ms, and counts only once all of it has crossed.
TEST(LinePace, BytesCrossOneAfterAnother)
{
    LinePace line(1000);
    struct Step {
        int atMs;
        std::size_t waiting;
        std::size_t crossed;
        int nextDoneMs;
    };
    const Step steps[] = {
        {0, 20, 0, 10},  // the first byte is still on the line
        {9, 20, 0, 10},  {10, 20, 1, 20},
        {35, 19, 2, 40},                    // whole bytes only; the half-crossed third still counts from 30
        {40, 17, 1, 50}, {500, 16, 16, 0},  // a long wait carries no more than there was
    };
    for (const Step& s : steps) {
        EXPECT_EQ(line.Take(t0, t0 + milliseconds(s.atMs), s.waiting), s.crossed) << "at " << s.atMs;
        if (s.nextDoneMs) {
            EXPECT_EQ(line.NextDone(t0), t0 + milliseconds(s.nextDoneMs)) << "at " << s.atMs;
        }
    }
    // The line was free from 200 ms; bytes ready later start when they are ready.
    EXPECT_EQ(line.NextDone(t0 + milliseconds(1000)), t0 + milliseconds(1010));
    EXPECT_EQ(line.Take(t0 + milliseconds(1000), t0 + milliseconds(1025), 5), 2u);
}

TEST(LinePace, ATransferTakesItsLineTimeHoweverOftenItIsAskedFor)
{
    // 14 bytes at 9600 baud need 14.58 ms; asking every 100 us must not lose or gain time.
    LinePace line(9600);
    std::size_t left = 14;
    Clock::time_point now = t0;
    while (left > 0) {
        now += microseconds(100);
        left -= line.Take(t0, now, left);
    }
    EXPECT_GE(now - t0, microseconds(14'583));
    EXPECT_LT(now - t0, microseconds(14'700));
}

TEST(LinePace, BytesGivenBackCrossAgainAndAStallRestartsTheLine)
{
    LinePace line(1000);
    ASSERT_EQ(line.Take(t0, t0 + milliseconds(50), 10), 5u);
    line.GiveBack(3);  // only two got through
    EXPECT_EQ(line.NextDone(t0), t0 + milliseconds(30));
    // The far end took nothing until 200 ms: no burst of what could have crossed meanwhile.
    line.Stall(t0 + milliseconds(200));
    EXPECT_EQ(line.Take(t0, t0 + milliseconds(205), 8), 0u);
    EXPECT_EQ(line.Take(t0, t0 + milliseconds(221), 8), 2u);
}
