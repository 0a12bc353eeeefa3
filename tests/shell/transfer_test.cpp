#include <QComboBox>
#include <QLineEdit>
#include <QProgressDialog>
#include <QRadioButton>
#include <vector>

#include "bench/shell/batch_runner.h"
#include "protocol/frame_text.h"
#include "tests/shell/window_fixture.h"
#include "tests/support/sim_process.h"

namespace {

const std::vector<std::uint8_t> kNoneWire =
    protocol::FrameTextToBytes("7E 01 FE FE 00 04 4E 4F 4E 45 FF FF 7E 00 ");

TEST_F(WindowTest, ExchangesReadyBytesWithOrWithoutItsOwnLines)
{
    testsupport::SimProcess::Options options;
    options.tcp = false;
    options.ptyLink = home.File("sign-pty");
    testsupport::SimProcess sign(options);
    Open("[PORT]\nCOM=0\n[SERIALPORTS]\nCOM1=" + sign.PtyPath() + "\n");

    EXPECT_GT(form->ExchangeBytes(kNoneWire, false), 4);
    EXPECT_EQ(form->Reply().bytes[10], 0x00) << "status";
    EXPECT_TRUE(MonitorLines().empty()) << "a quiet exchange writes no PORT, SEND or RECV line";

    EXPECT_GT(form->ExchangeBytes(kNoneWire, true), 4);
    const auto lines = MonitorLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "[PORT]: COM1");
}

TEST_F(WindowTest, BatchCancelPressesCancelOfTheNextTransferAfterItsPages)
{
    Open(nullptr);
    shell::BatchRunner runner(*form, session);
    ASSERT_EQ(runner.RunLine("cancel 2"), 0);
    EXPECT_EQ(runner.RunLine("cancel two"), 2);

    const auto first = form->BeginTransfer("Send");
    EXPECT_FALSE(first->PageAnswered());
    EXPECT_TRUE(first->PageAnswered()) << "Cancel once two pages are answered";
    const auto second = form->BeginTransfer("Send");
    for (int page = 0; page < 50; ++page)
        EXPECT_FALSE(second->PageAnswered()) << "one cancel line, one transfer";
    EXPECT_EQ(shell::CancelledText(3, 7), "Cancelled after page 3 of 7");
}

TEST_F(WindowTest, ATransferOutsideBatchShowsAModalProgressDialog)
{
    Open(nullptr);
    form->SetBatchSession(nullptr);
    {
        const auto progress = form->BeginTransfer("Send image");
        progress->Show("page 2 of 5", 496, 1240);
        const auto dialogs = form->findChildren<QProgressDialog*>();
        ASSERT_EQ(dialogs.size(), 1);
        EXPECT_TRUE(dialogs[0]->isVisible());
        EXPECT_EQ(dialogs[0]->windowModality(), Qt::WindowModal);
        EXPECT_EQ(dialogs[0]->value(), 496);
        EXPECT_TRUE(dialogs[0]->labelText().contains("page 2 of 5"));
        EXPECT_FALSE(progress->PageAnswered());
        dialogs[0]->cancel();
        EXPECT_TRUE(progress->PageAnswered()) << "Cancel is seen after the page in flight";
    }
    EXPECT_TRUE(form->findChildren<QProgressDialog*>().empty()) << "the dialog closes with the transfer";
}

}  // namespace
