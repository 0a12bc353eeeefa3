#include <gtest/gtest.h>

#include "bench/device/device_frames.h"
#include "bench/device/device_replies.h"
#include "tests/support/sim_process.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_bench_host.h"

// The device commands through a running signsim, over its pty as the bench's
// serial link would reach it.
namespace {

struct SimOnPty {
    explicit SimOnPty(std::vector<std::string> extraArgs)
        : sim({false, "", dir.File("sign.pty"), "", std::move(extraArgs)}), host(dir.Path())
    {
        host.UseSerial(sim.PtyPath(), 300);
    }
    int Send(const std::string& frameText)
    {
        host.SetHexData(frameText);
        return host.SendFrameText();
    }
    testsupport::TempDir dir;
    testsupport::SimProcess sim;
    testsupport::TestBenchHost host;
};

}  // namespace

TEST(SignsimDevice, AnswersGadcWithTheReadingsOfItsCommandLine)
{
    SimOnPty sign({"--adc", "616,1000,3"});
    const int count = sign.Send(device::AdcFrameText());
    ASSERT_GT(count, 0);
    const auto readings = device::AdcFromReply(sign.host.Reply().bytes, count);
    ASSERT_TRUE(readings);
    EXPECT_EQ(readings->a1, 616);
    EXPECT_EQ(readings->a2, 1000);
    EXPECT_EQ(readings->a3, 3);
    EXPECT_EQ(device::KeypadKey(readings->a1, true), 1);
}

TEST(SignsimDevice, UpdateModeIsLeftByTheTwoRawBytes)
{
    SimOnPty sign({});
    ASSERT_GT(sign.Send(device::UpdateFrameText()), 0);
    EXPECT_LE(sign.Send(device::VersionFrameText(65278)), 0);  // the loader does not answer
    sign.Send(std::string(device::kUpdateExitText));           // no reply to these either
    const int count = sign.Send(device::VersionFrameText(65278));
    ASSERT_GT(count, 0);
    EXPECT_TRUE(device::VersionFromReply(sign.host.Reply().bytes, count));
}
