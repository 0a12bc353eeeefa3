#include "bench/content/switch_program_page.h"
#include "page_fixture.h"

namespace {
using SwitchProgramPageTest = contenttest::PageFixture<SwitchProgramPage>;
}

TEST_F(SwitchProgramPageTest, EachButtonSelectsItsPrograms)
{
    struct Case { const char* button; const char* data; int layout; };
    const Case cases[] = {
        {"suiButton3", "10 01 00 00 01 00 01 00 00 00 00 ", 1},
        {"suiButton7", "10 01 00 00 05 00 05 00 00 00 00 ", 1},
        {"suiButton11", "10 01 00 00 09 00 09 00 00 00 00 ", 1},
        {"suiButton12", "10 01 00 00 01 00 09 00 00 00 00 ", 1},
        {"BtnSendProgramSwitch", "11 01 00 00 00 00 00 00 00 00 00 ", 2},
    };
    for (const Case& c : cases) {
        Click(c.button);
        EXPECT_EQ(LastSent(), std::string("7E 01 FE FE 00 0F 50 52 41 4D ") + c.data + "FF FF 7E 00 ") << c.button;
        EXPECT_EQ(host.lastLayout, c.layout) << c.button;
    }
}

TEST_F(SwitchProgramPageTest, RangeTimesAndSecondsAreSentAsChosen)
{
    Choose("CBProgramStart", "7");
    Choose("CBProgramEnd", "2");
    Choose("CBPgmLoops1", "2");
    Choose("CBPgmSeconds1", "5 S");
    Click("BtnSendMultiProgram");
    EXPECT_EQ(LastSent(), "7E 01 FE FE 00 0F 50 52 41 4D 10 01 00 00 07 00 02 00 02 00 05 FF FF 7E 00 ");
    Click("suiButton5");
    EXPECT_EQ(LastSent(), "7E 01 FE FE 00 0F 50 52 41 4D 10 01 00 00 03 00 03 00 02 00 05 FF FF 7E 00 ");
}

TEST_F(SwitchProgramPageTest, ASignIdThatIsNoNumberSendsNothing)
{
    host.signIdText = "FEFE";
    Click("suiButton3");
    EXPECT_TRUE(host.SentFrames().empty());
    EXPECT_EQ(host.boxes.back(), "'FEFE' is not a valid integer value");
}
