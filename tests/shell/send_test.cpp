#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolButton>

#include "protocol/frame_layout.h"
#include "tests/shell/window_fixture.h"
#include "tests/support/sim_process.h"

namespace {

const std::string kNoneProbe = "7E 01 FE FE 00 04 4E 4F 4E 45 FF FF 7E 00 ";

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.rfind(prefix, 0) == 0;
}

TEST_F(WindowTest, SendsOverThePtyOfTheMappedPort)
{
    testsupport::SimProcess::Options options;
    options.tcp = false;
    options.ptyLink = home.File("sign-pty");
    testsupport::SimProcess sign(options);
    Open("[PORT]\nCOM=6\n[SERIALPORTS]\nCOM7=" + sign.PtyPath() + "\n");
    Find<QComboBox>("CBComBaud1")->setCurrentText("115200");
    form->SetStatusText("busy");

    form->SetHexData(kNoneProbe);
    form->BtnSend1Click();

    EXPECT_EQ(Text("LabelMsg"), "");
    const auto lines = MonitorLines();
    ASSERT_EQ(lines.size(), 4u) << Text("MemoOut").toStdString();
    EXPECT_EQ(lines[0], "[PORT]: COM7");
    EXPECT_EQ(lines[1], "[SEND]: " + kNoneProbe);
    EXPECT_TRUE(StartsWith(lines[2], "[RECV]: 7E 01 ")) << lines[2];
    EXPECT_EQ(lines[3], "---------------------------------");
    EXPECT_GT(form->SendFrameText(), 4);
    EXPECT_EQ(form->Reply().bytes[0], 0x7E);
    EXPECT_EQ(form->Reply().bytes[10], 0x00) << "status";

    Find<QToolButton>("SpeedButton1")->click();
    EXPECT_TRUE(MonitorLines().empty());
}

TEST_F(WindowTest, SendsOverTcpToThePortAfterTheColon)
{
    testsupport::SimProcess sign({});
    Open("[PORT]\nCOMMUTYPEIDX=1\n");
    Find<QLineEdit>("EditTcpip")->setText(QString::fromStdString(sign.TcpHost() + ":" + std::to_string(sign.TcpPort())));
    form->SetHexData(kNoneProbe);
    EXPECT_GT(form->SendFrameText(), 4);
    const auto lines = MonitorLines();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "[PORT]: Send " + sign.TcpHost() + " bytes:14");
    EXPECT_EQ(lines[1], "[SEND]: " + kNoneProbe);
    EXPECT_TRUE(StartsWith(lines[lines.size() - 2], "[RECV]: 7E 01 ")) << lines[lines.size() - 2];
    EXPECT_EQ(lines.back(), "---------------------------------");
    EXPECT_EQ(form->Reply().bytes[0], 0x7E);
}

TEST_F(WindowTest, ProtocolViewShowsTheFrameWithTheHiddenOptions)
{
    Open(nullptr);
    form->SetHexData(kNoneProbe);
    form->ShowFrameLayout(0);
    EXPECT_EQ(Text("Memo1").toStdString(), protocol::ShowFrameLayout(kNoneProbe, 0, false, 5));
    form->SetHexData("");
    form->ShowFrameLayout(3);
    EXPECT_EQ(Text("Memo1"), "");
}

// Ticked, each field of a TCNT frame stands on a line of its own in the view; the
// line breaks leave no stray carriage return in the memo.
TEST_F(WindowTest, ProtocolViewPutsEachCommentedFieldOnItsOwnLine)
{
    Open(nullptr);
    Find<QCheckBox>("CheckBoxComment")->setChecked(true);
    form->SetHexData("7E 01 FE FE 00 08 54 43 4E 54 00 01 02 03 FF FF 7E 00 ");
    form->ShowFrameLayout(5);
    const QStringList lines = Text("Memo1").split('\n');
    ASSERT_EQ(lines.size(), 9) << Text("Memo1").toStdString();
    EXPECT_EQ(lines[0], "7E 01            //------ 02 Head");
    EXPECT_EQ(lines[5], "01 02 03            //------ 03 BCD Time");
    EXPECT_EQ(lines[7], "7E 00            //------ 02 End");
    EXPECT_EQ(lines[8], "");
    EXPECT_FALSE(Text("Memo1").contains('\r'));
}

}  // namespace
