#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>

#include "bench/content/switch_file_id_page.h"
#include "tests/support/sim_process.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_bench_host.h"

// "Level 1. EVENT" on the "Switch File ID" page, against signsim.
TEST(Level1Event, EventStartsAtTheChosenFileIdAndExitLeaves)
{
    testsupport::TempDir home;
    testsupport::SimProcess sim({});
    testsupport::TestBenchHost host(home.Path());
    host.UseTcp(sim.TcpHost(), sim.TcpPort());
    SwitchFileIdPage page(host);

    auto* start = page.findChild<QComboBox*>("CBStartProgram");
    ASSERT_NE(start, nullptr);
    start->setCurrentIndex(start->findText("300"));
    struct Case {
        const char* button;
        const char* frame;
    };
    const Case cases[] = {
        {"BtnEvent", "7E 01 FE FE 00 08 45 56 45 4E 01 02 01 2C FF FF 7E 00 "},
        {"BtnQuitEvent", "7E 01 FE FE 00 06 45 56 45 4E 00 00 FF FF 7E 00 "},
    };
    for (const Case& c : cases) {
        auto* button = page.findChild<QPushButton*>(c.button);
        ASSERT_NE(button, nullptr) << c.button;
        host.lastLayout = -1;
        button->click();
        ASSERT_FALSE(host.SentFrames().empty()) << c.button;
        EXPECT_EQ(host.SentFrames().back(), c.frame) << c.button;
        EXPECT_EQ(host.lastLayout, 0) << c.button;
        EXPECT_EQ(host.Reply().bytes[10], 0x00) << c.button;
    }

    // Nothing chosen gives the position FF for both bytes.
    start->setCurrentIndex(-1);
    page.findChild<QPushButton*>("BtnEvent")->click();
    EXPECT_EQ(host.SentFrames().back(), "7E 01 FE FE 00 08 45 56 45 4E 01 02 FF FF FF FF 7E 00 ");
}
