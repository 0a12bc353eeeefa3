#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "tests/shell/window_fixture.h"
#include "tests/support/sim_process.h"

namespace {

const std::string kNoneProbe = "7E 01 FE FE 00 04 4E 4F 4E 45 FF FF 7E 00 ";

TEST_F(WindowTest, KeepsRunningItsEventsWhileAnExchangeWaitsForASilentSign)
{
    testsupport::SimProcess::Options options;
    options.tcp = false;
    options.ptyLink = home.File("sign-pty");
    options.extraArgs = {"--fault", "silent"};
    testsupport::SimProcess sign(options);
    Open("[PORT]\nCOM=0\n[SERIALPORTS]\nCOM1=" + sign.PtyPath() + "\n");
    Find<QComboBox>("ComboBox9")->setCurrentText("1000");

    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(50);
    // A second send started from the window's own events while the first waits.
    QTimer::singleShot(200, form.get(), [this] { Find<QPushButton>("BtnSend1")->click(); });

    form->SetHexData(kNoneProbe);
    EXPECT_LE(form->SendFrameText(), 0) << "a silent sign gives no reply";

    EXPECT_GE(ticks, 10) << "the window's timer fires during the one-second wait";
    const auto lines = MonitorLines();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& line) { return line.rfind("[SEND]: ", 0) == 0; }),
              1)
        << "the click during the wait starts no second exchange";
}

}  // namespace
