#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "bench/content/directory_frames.h"
#include "bench/images/ogif_frames.h"
#include "bench/images/send_image_page.h"
#include "protocol/frame_text.h"
#include "protocol/unescape.h"
#include "tests/support/sim_process.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_bench_host.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Unescaped(const std::string& frameText)
{
    Bytes bytes = protocol::FrameTextToBytes(frameText);
    bytes.resize(protocol::UnescapeReply(bytes.data(), bytes.size()));
    return bytes;
}

Bytes ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

Bytes Pattern(std::size_t size)
{
    Bytes bytes(size);
    // 7D and 7E among the bytes, so pages carry escapes.
    for (std::size_t k = 0; k < size; ++k) bytes[k] = static_cast<std::uint8_t>(0x7C + k % 5 + k / 5);
    return bytes;
}

// A virtual sign that stores what it gets, reached over its pty or loopback TCP,
// and the "Send Image" page talking to it.
class Rig {
public:
    Rig(bool pty, std::vector<std::string> simArgs = {})
        : sim(Options(pty, std::move(simArgs))), host(dir.Path())
    {
        if (pty) {
            host.UseSerial(sim.PtyPath(), 300);
        } else {
            host.UseTcp(sim.TcpHost(), sim.TcpPort());
        }
        std::filesystem::create_directory(dir.File("store"));
    }

    std::string WriteFile(const std::string& name, const Bytes& bytes)
    {
        const std::string path = dir.File(name);
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    void Open(const std::string& path)
    {
        host.fileAnswers.push_back(path);
        Click("BtnOgifOpen");
    }
    void Click(const char* name) { page.findChild<QPushButton*>(name)->click(); }
    QComboBox& Combo(const char* name) { return *page.findChild<QComboBox*>(name); }
    QLineEdit& Edit(const char* name) { return *page.findChild<QLineEdit*>(name); }
    Bytes Stored(const std::string& name) { return ReadBytes(dir.File("store/" + name)); }
    // The unescaped frames that went out.
    std::vector<Bytes> Frames() const
    {
        std::vector<Bytes> frames;
        for (const std::string& text : host.SentFrames()) frames.push_back(Unescaped(text));
        return frames;
    }
    bool MonitorHas(const std::string& line) const
    {
        return std::find(host.monitorLines.begin(), host.monitorLines.end(), line) != host.monitorLines.end();
    }

private:
    testsupport::SimProcess::Options Options(bool pty, std::vector<std::string> simArgs)
    {
        testsupport::SimProcess::Options o;
        o.tcp = !pty;
        if (pty) o.ptyLink = dir.File("sign.pty");
        o.extraArgs = std::move(simArgs);
        o.extraArgs.insert(o.extraArgs.end(), {"--store", dir.File("store")});
        return o;
    }

public:
    testsupport::TempDir dir;
    testsupport::SimProcess sim;
    testsupport::TestBenchHost host;
    SendImagePage page{host};
};

class SendImageDownload : public ::testing::TestWithParam<bool> {};

TEST_P(SendImageDownload, FilesOfEverySizeArriveWhole)
{
    struct Case {
        std::size_t size;
        const char* label;
        std::vector<int> lengths;  // length field of each data page
    };
    const Case cases[] = {
        {0, "File Long: 0 Bytes, Total: 1 Pages", {0x000C}},
        {248, "File Long: 248 Bytes, Total: 1 Pages", {0x0104}},
        {249, "File Long: 249 Bytes, Total: 2 Pages", {0x0104, 0x000D}},
        {1000, "File Long: 1000 Bytes, Total: 5 Pages", {0x0104, 0x0104, 0x0104, 0x0104, 0x0014}},
    };
    for (const Case& c : cases) {
        Rig rig(GetParam());
        const Bytes file = Pattern(c.size);
        rig.Open(rig.WriteFile("picture.obmp", file));
        EXPECT_EQ(rig.page.findChild<QLabel*>("Label35")->text().toStdString(), c.label);
        rig.Click("BtnOgif");

        const auto frames = rig.Frames();
        ASSERT_EQ(frames.size(), c.lengths.size() + 1) << c.size;
        EXPECT_EQ(frames[0][4] << 8 | frames[0][5], 0x0038);
        for (std::size_t p = 0; p < c.lengths.size(); ++p) {
            EXPECT_EQ(frames[p + 1][4] << 8 | frames[p + 1][5], c.lengths[p]) << c.size << " page " << p;
            EXPECT_EQ(frames[p + 1][12] << 8 | frames[p + 1][13], static_cast<int>(p));
        }
        EXPECT_EQ(rig.Stored("200.ogif"), file) << c.size;
        EXPECT_TRUE(rig.host.boxes.empty()) << c.size;
        EXPECT_EQ(rig.host.lastLayout, 0);
        EXPECT_GE(rig.host.processEventsCalls, static_cast<int>(frames.size()));
        EXPECT_EQ(rig.host.transferTitles.size(), 1u);
        EXPECT_EQ(rig.host.progressTexts.front(), "page 1 of " + std::to_string(frames.size()));
        EXPECT_EQ(rig.host.progressTexts.back(),
                  "page " + std::to_string(frames.size()) + " of " + std::to_string(frames.size()));
    }
}

TEST_P(SendImageDownload, EachStopConditionEndsTheDownload)
{
    struct Case {
        std::vector<std::string> simArgs;
        std::size_t framesSent;
        std::vector<std::string> boxes;
    };
    const Case cases[] = {
        {{"--fault", "status:05"}, 1, {"Error in got AA"}},
        {{"--ogif-answer", "skip"}, 3, {"Error in got AA"}},
        {{"--ogif-answer", "same"}, 2, {"Error in Times"}},
        {{"--ogif-answer", "done"}, 1, {}},
        {{"--fault", "silent"}, 1, {}},
        {{"--ogif-answer", "silent:2"}, 4, {}},
    };
    for (const Case& c : cases) {
        Rig rig(GetParam(), c.simArgs);
        rig.Open(rig.WriteFile("picture.obmp", Pattern(1000)));
        rig.Click("BtnOgif");
        EXPECT_EQ(rig.Frames().size(), c.framesSent) << c.simArgs[1];
        EXPECT_EQ(rig.host.boxes, c.boxes) << c.simArgs[1];
        EXPECT_FALSE(std::filesystem::exists(rig.dir.File("store/200.ogif"))) << c.simArgs[1];
    }
}

TEST_P(SendImageDownload, CancelStopsAfterThePageInFlight)
{
    Rig rig(GetParam());
    rig.Open(rig.WriteFile("picture.obmp", Pattern(1000)));
    rig.host.cancelAfterPages.push_back(3);
    rig.Click("BtnOgif");
    EXPECT_EQ(rig.Frames().size(), 3u);
    EXPECT_TRUE(rig.MonitorHas("[STOP]: Cancelled after page 3 of 6"));
    EXPECT_TRUE(rig.host.boxes.empty());
    EXPECT_FALSE(std::filesystem::exists(rig.dir.File("store/200.ogif")));

    // The next download goes through whole.
    rig.Click("BtnOgif");
    EXPECT_EQ(rig.Frames().size(), 3u + 6);
    EXPECT_EQ(rig.Stored("200.ogif"), Pattern(1000));
}

TEST_P(SendImageDownload, HeaderPageCarriesTheProgramOptions)
{
    Rig rig(GetParam());
    rig.Open(rig.WriteFile("a.xgif", Pattern(10)));
    EXPECT_EQ(rig.Combo("ComboBox2").currentIndex(), 1);
    rig.Combo("ComboBoxFileName").setCurrentText("35");
    rig.Combo("CBOgifTotalSeconds").setCurrentText("9999");
    rig.Combo("ComboOgifTimes").setCurrentText("255");
    rig.Combo("CBProgramMode").setCurrentIndex(1);
    rig.Combo("ComboBox_Action_Ogif").addItems({"NONE", "LEFT", "UP", "HOLD_FLASH"});
    rig.Combo("ComboBox_Action_Ogif").setCurrentText("HOLD_FLASH");
    rig.Combo("ComboBox_Speed_Ogif").setCurrentIndex(3);
    rig.Combo("ComboBox_Stay_Ogif").setCurrentIndex(2);
    rig.Edit("EditAlias").setText("A sixteen-byte alias and more");
    rig.Click("BtnOgif");

    const auto frames = rig.Frames();
    ASSERT_EQ(frames.size(), 2u);
    const Bytes& h = frames[0];
    EXPECT_EQ(Bytes(h.begin() + 10, h.begin() + 18), (Bytes{0x00, 0x23, 0xFE, 0xFE, 0x00, 0x01, 0x87, 0x20}));
    EXPECT_EQ(Bytes(h.begin() + 18, h.begin() + 30),
              (Bytes{0x55, 0x01, 0, 0, 0, 0, 0, 0, 0x27, 0x0F, 0xFE, 'A'}));
    EXPECT_EQ(std::string(h.begin() + 29, h.begin() + 45), "A sixteen-byte a");
    EXPECT_EQ(Bytes(h.begin() + 45, h.begin() + 62),
              (Bytes{0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0x02, 0x01, 0x04, 0x03, 0, 0, 0, 0}));
    EXPECT_EQ(rig.Stored("35.xgif"), Pattern(10));

    // The sign lists the image like a text program, hidden as asked.
    content::AliasRequest request;
    request.query = content::kAliasFirst;
    rig.host.SetHexData(content::BuildAliasFrame(0xFEFE, request).frameText);
    const int count = rig.host.SendFrameText();
    const content::AliasReply record = content::DecodeAliasReply(rig.host.Reply().bytes, count);
    EXPECT_EQ(record.fileId, 35);
    EXPECT_EQ(record.name, "A sixteen-byte a");
    EXPECT_TRUE(record.hidden);
}

TEST_P(SendImageDownload, SignIdWithMarkerBytesIsEscapedOnEveryPage)
{
    Rig rig(GetParam());
    rig.host.signIdText = "32382";  // 7E 7E
    rig.Open(rig.WriteFile("p.obmp", Pattern(300)));
    rig.Click("BtnOgif");
    ASSERT_EQ(rig.host.SentFrames().size(), 3u);
    for (const std::string& text : rig.host.SentFrames()) EXPECT_EQ(text.substr(0, 18), "7E 01 7D 02 7D 02 ");
    EXPECT_EQ(rig.Stored("200.ogif"), Pattern(300));
}

// On a pty paced like a 115200 baud line every page is answered in its own
// exchange: nothing of one reply spills into the next.
TEST(SendImagePacedDownload, EveryPageIsAnsweredOnAPacedLine)
{
    Rig rig(true, {"--baud", "115200"});
    const Bytes file = Pattern(40 * 248);
    rig.Open(rig.WriteFile("paced.obmp", file));
    rig.Click("BtnOgif");
    EXPECT_EQ(rig.Frames().size(), 41u);
    EXPECT_TRUE(rig.host.boxes.empty());
    EXPECT_EQ(rig.Stored("200.ogif"), file);
}

INSTANTIATE_TEST_SUITE_P(Links, SendImageDownload, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Pty" : "Tcp"; });

// Cases that never reach the sign.
class SendImagePageChecks : public ::testing::Test {
protected:
    testsupport::TempDir dir;
    testsupport::TestBenchHost host{dir.Path()};
    SendImagePage page{host};
    void Click(const char* name) { page.findChild<QPushButton*>(name)->click(); }
};

TEST_F(SendImagePageChecks, WithoutAFileNothingIsSent)
{
    Click("BtnOgif");
    EXPECT_EQ(host.boxes, std::vector<std::string>{" Empty File !"});
    EXPECT_TRUE(host.SentFrames().empty());
    EXPECT_TRUE(host.transferTitles.empty());
}

TEST_F(SendImagePageChecks, AFileThatCannotBeReadIsReportedAndNothingSent)
{
    for (const std::string& path : {dir.File("missing.obmp"), dir.Path()}) {
        host.boxes.clear();
        page.SetImageFile(QString::fromStdString(path));
        Click("BtnOgif");
        ASSERT_EQ(host.boxes.size(), 1u) << path;
        EXPECT_EQ(host.boxes[0].rfind("Cannot open " + path + ": ", 0), 0u) << host.boxes[0];
    }
    EXPECT_TRUE(host.SentFrames().empty());
    EXPECT_TRUE(host.transferTitles.empty());
}

TEST_F(SendImagePageChecks, OutOfRangeSignIdIsRefused)
{
    page.SetImageFile(QString::fromStdString(dir.File("x.obmp")));
    std::ofstream(dir.File("x.obmp")) << "x";
    host.signIdText = "70000";
    Click("BtnOgif");
    EXPECT_EQ(host.boxes, std::vector<std::string>{"'70000' is not a valid integer value"});
    EXPECT_TRUE(host.SentFrames().empty());
}

TEST_F(SendImagePageChecks, OpenChoosesTheTypeFromTheWholePathAndNamesTheAlias)
{
    struct Case {
        const char* folder;
        const char* name;
        int type;
    };
    const Case cases[] = {{"plain", "pic.bmp", 2},
                          {"old.ogif", "pic.bmp", 0},
                          {"plain", "anim.XGIF", 1},
                          {"plain", "logo.obmp", 0},
                          {"plain", "photo.XBMP", 2}};
    for (const Case& c : cases) {
        std::filesystem::create_directories(dir.File(c.folder));
        const std::string path = dir.File(std::string(c.folder) + "/" + c.name);
        std::ofstream(path) << "abc";
        host.fileAnswers.push_back(path);
        Click("BtnOgifOpen");
        EXPECT_EQ(page.findChild<QComboBox*>("ComboBox2")->currentIndex(), c.type) << path;
        EXPECT_EQ(page.findChild<QLineEdit*>("EditAlias")->text().toStdString(), c.name);
        EXPECT_EQ(page.findChild<QLineEdit*>("EditOGif")->text().toStdString(), path);
        EXPECT_EQ(page.findChild<QLabel*>("Label35")->text(), "File Long: 3 Bytes, Total: 1 Pages");
    }
}

}  // namespace
