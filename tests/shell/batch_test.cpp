#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

#include "tests/support/sim_process.h"
#include "tests/support/temp_dir.h"

namespace {

struct BatchRun {
    int status;
    std::string output;
};

BatchRun RunBatch(const std::string& home, const std::string& script)
{
    const std::string command =
        std::string(SIGN_BIN_DIR) + "/signbench --home '" + home + "' --batch '" + script + "' 2>/dev/null";
    BatchRun run{-1, {}};
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        return run;
    }
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        run.output.append(buffer, got);
    }
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(Batch, RunsAScriptEndToEndAgainstTheVirtualSign)
{
    testsupport::TempDir home;
    testsupport::SimProcess sign({});
    testsupport::WriteTextFile(home.File("setup.cfg"),
                               "[PROGRAM]\nLANGUAGE=EN\nCOUNT=2\nPGM_NAME_0=one\nPGM_TEXT_0=first\n"
                               "PGM_NAME_1=two\nPGM_TEXT_1=second\n");
    testsupport::WriteTextFile(home.File("script.txt"),
                               "# send a probe over TCP, then edit the script list\n"
                               "choose RadioGroupCommu TCP/IP\n"
                               "visible PanelTcpip\n"
                               "set EditTcpip " + sign.TcpHost() + ":" + std::to_string(sign.TcpPort()) + "\n"
                               "set EditHexData 7E 01 FE FE 00 04 4E 4F 4E 45 FF FF 7E 00 \n"
                               "click BtnSend1\n"
                               "choose ListBoxPgm two\n"
                               "show Edit5\n"
                               "show GroupBoxPgmEdit\n"
                               "answer cancel\n"
                               "click SpeedButton2\n"
                               "show ListBoxPgm\n"
                               "click SpeedButton2\n"
                               "show ListBoxPgm\n"
                               "show CBComBaud1\n"
                               "show Label23\n"
                               "click Label31\n"
                               "show LabelCommuMonitor\n");
    const BatchRun run = RunBatch(home.Path(), home.File("script.txt"));
    EXPECT_EQ(run.status, 0) << run.output;
    const auto has = [&](const std::string& line) { return run.output.find(line + "\n") != std::string::npos; };
    EXPECT_TRUE(has("PanelTcpip.visible=1")) << run.output;
    EXPECT_TRUE(has("[PORT]: Send " + sign.TcpHost() + " bytes:14")) << run.output;
    EXPECT_TRUE(has("[VIEW] ")) << run.output;
    EXPECT_TRUE(has("Edit5=second")) << run.output;
    EXPECT_TRUE(has("GroupBoxPgmEdit=two")) << run.output;
    EXPECT_TRUE(has("[BOX] Delete ?")) << run.output;
    EXPECT_TRUE(has("ListBoxPgm=two")) << run.output;
    EXPECT_TRUE(has("ListBoxPgm=one")) << run.output;
    EXPECT_TRUE(has("CBComBaud1=57600")) << run.output;
    EXPECT_TRUE(has("Label23=1")) << run.output;
    EXPECT_TRUE(has("LabelCommuMonitor=通讯窗口")) << run.output;
    EXPECT_NE(testsupport::ReadTextFile(home.File("setup.cfg")).find("COUNT=1"), std::string::npos);
}

TEST(Batch, StopsWithStatusTwoAtTheFirstUnknownName)
{
    testsupport::TempDir home;
    struct Case {
        const char* line;
        const char* message;
    };
    const Case cases[] = {
        {"click NoSuchButton", "unknown control: NoSuchButton"},
        {"choose CBComBaud1 12345", "unknown item: 12345 in CBComBaud1"},
        {"index CBComPort1 30", "unknown item: 30 in CBComPort1"},
        {"press Hide", "unknown command: press"},
    };
    for (const auto& c : cases) {
        testsupport::WriteTextFile(home.File("script.txt"), std::string(c.line) + "\nshow Hide\n");
        const BatchRun run = RunBatch(home.Path(), home.File("script.txt"));
        EXPECT_EQ(run.status, 2) << c.line;
        EXPECT_NE(run.output.find(std::string(c.message) + "\n"), std::string::npos) << run.output;
        EXPECT_EQ(run.output.find("Hide="), std::string::npos) << "the run stops at the unknown name";
    }
}

// An id beyond two bytes would address another sign (65536 is sign 0): every page
// that sends refuses it with the conversion box and sends nothing.
TEST(Batch, ASignIdOutsideTwoBytesIsRefusedOnEveryPage)
{
    testsupport::TempDir home;
    testsupport::SimProcess sign({});
    std::string script = "choose RadioGroupCommu TCP/IP\nset EditTcpip " + sign.TcpHost() + ":" +
                         std::to_string(sign.TcpPort()) + "\nset Edit5 Hello\nset EditOGif picture.obmp\n";
    const char* const sends[] = {"BtnSendTime", "BtnSendOtxt", "BtnExitEvent"};
    for (const char* id : {"65536", "-1"}) {
        script += std::string("set EditSignEdit ") + id + "\n";
        for (const char* button : sends) script += std::string("click ") + button + "\n";
        script += "click BtnOgif\n";
    }
    script += "set EditSignEdit 65535\n";
    for (const char* button : sends) script += std::string("click ") + button + "\n";
    testsupport::WriteTextFile(home.File("script.txt"), script);

    const BatchRun run = RunBatch(home.Path(), home.File("script.txt"));
    EXPECT_EQ(run.status, 0) << run.output;
    const auto count = [&](const std::string& piece) {
        int n = 0;
        for (std::size_t at = run.output.find(piece); at != std::string::npos;
             at = run.output.find(piece, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count("[BOX] '65536' is not a valid integer value\n"), 4) << run.output;
    EXPECT_EQ(count("[BOX] '-1' is not a valid integer value\n"), 4) << run.output;
    // Only the three sends with sign 65535 went out.
    EXPECT_EQ(count("[PORT]: Send " + sign.TcpHost()), 3) << run.output;
}

}  // namespace
