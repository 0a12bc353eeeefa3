#include <gtest/gtest.h>

#include "bench/content/directory_frames.h"
#include "bench/content/inst_frame.h"
#include "bench/content/variable_frames.h"
#include "tests/support/sim_process.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_bench_host.h"

// The content commands through a running signsim, once over its pty and once over
// loopback TCP, as the bench's two links reach it.
namespace {

struct SimLink {
    SimLink(bool pty) : sim(Options(pty)), host(dir.Path())
    {
        if (pty) {
            host.UseSerial(sim.PtyPath(), 300);
        } else {
            host.UseTcp(sim.TcpHost(), sim.TcpPort());
        }
    }
    testsupport::SimProcess::Options Options(bool pty)
    {
        testsupport::SimProcess::Options o;
        o.tcp = !pty;
        if (pty) o.ptyLink = dir.File("sign.pty");
        return o;
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

class SignsimContent : public ::testing::TestWithParam<bool> {};

}  // namespace

TEST_P(SignsimContent, StoresListsAndDeletesPrograms)
{
    SimLink sign(GetParam());
    content::InstOptions o;
    o.alias = "\xC4\xE3\xBA\xC3";  // two GBK characters
    o.text = {'H', 'i'};
    o.startFileId = 126;  // 00 7E on the wire as 00 7D 02
    ASSERT_GT(sign.Send(content::BuildInstFrame(o).frameText), 0);
    EXPECT_EQ(sign.host.Reply().bytes[10], 0x00);

    int count = sign.Send(content::BuildAliasFrame(0xFEFE, content::ListingRequest(true, 0, 0)).frameText);
    content::AliasReply record = content::DecodeAliasReply(sign.host.Reply().bytes, count);
    ASSERT_EQ(record.state, content::ReplyState::Ok);
    EXPECT_EQ(record.fileId, 126);
    EXPECT_EQ(record.name, o.alias);

    count = sign.Send(content::BuildGetxFrame(0xFEFE, 3, 125).frameText);
    const content::GetxReply free = content::DecodeGetxReply(sign.host.Reply().bytes, count);
    ASSERT_EQ(free.state, content::ReplyState::Ok);
    EXPECT_EQ(free.fileId, 127);

    count = sign.Send(content::BuildDelpFrame(0xFEFE, 126).frameText);
    EXPECT_EQ(content::DecodeAliasReply(sign.host.Reply().bytes, count).fileId, 126);
    count = sign.Send(content::BuildAliasFrame(0xFEFE, content::ListingRequest(true, 0, 0)).frameText);
    EXPECT_EQ(content::DecodeAliasReply(sign.host.Reply().bytes, count).state, content::ReplyState::BadStatus);
}

TEST_P(SignsimContent, WritesAFlashVariableAndReadsItBack)
{
    SimLink sign(GetParam());
    content::VariableOptions v;
    v.flash = true;
    v.number = 2;
    v.bytes = {'H', 'e', 'l', 'l', 'o'};
    ASSERT_GT(sign.Send(content::BuildVariableFrame(v).frameText), 0);
    content::MredOptions read;
    read.address = content::FlashVariableAddress(2);
    read.count = 20;
    const int count = sign.Send(content::BuildMredFrame(read).frameText);
    EXPECT_EQ(content::DecodeMredReply(sign.host.Reply().bytes, count, 20), "Hello");
}

INSTANTIATE_TEST_SUITE_P(Links, SignsimContent, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Pty" : "Tcp"; });
