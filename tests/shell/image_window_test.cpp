#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QImage>
#include <cstdio>
#include <filesystem>
#include <string>

#include "tests/support/sim_process.h"
#include "tests/support/temp_dir.h"

// The image pages inside the window: a batch script converts a picture, hands the
// OBMP file to the download, cancels one download and completes the next.
namespace {

std::string RunImageBatch(const std::string& home, const std::string& script, int& status)
{
    const std::string command =
        std::string(SIGN_BIN_DIR) + "/signbench --home '" + home + "' --batch '" + script + "' 2>/dev/null";
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return output;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, got);
    const int result = ::pclose(pipe);
    status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
    return output;
}

TEST(ImageBatch, ConvertsHandsOnCancelsAndSends)
{
    testsupport::TempDir home;
    std::filesystem::create_directory(home.File("store"));
    testsupport::SimProcess::Options options;
    options.extraArgs = {"--store", home.File("store")};
    testsupport::SimProcess sign(options);

    // 300 x 40 in seven colours: three full planes of 1,500 bytes, 4,532 bytes in all (19 pages).
    QImage picture(300, 40, QImage::Format_RGB32);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 300; ++x)
            picture.setPixel(x, y, qRgb(x % 3 ? 255 : 0, y % 2 ? 255 : 0, x % 5 ? 0 : 255));
    ASSERT_TRUE(picture.save(QString::fromStdString(home.File("logo.png"))));

    testsupport::WriteTextFile(home.File("script.txt"),
                               "choose RadioGroupCommu TCP/IP\n"
                               "set EditTcpip " +
                                   sign.TcpHost() + ":" + std::to_string(sign.TcpPort()) +
                                   "\n"
                                   "file " +
                                   home.File("logo.png") +
                                   "\n"
                                   "click BtnOpenBitmap\n"
                                   "file " +
                                   home.File("logo") +
                                   "\n"
                                   "click BtnSaveObmp\n"
                                   "show EditOGif\n"
                                   "cancel 3\n"
                                   "click BtnOgif\n"
                                   "click BtnOgif\n");
    int status = -1;
    const std::string output = RunImageBatch(home.Path(), home.File("script.txt"), status);
    EXPECT_EQ(status, 0) << output;
    EXPECT_NE(output.find("[BOX] " + home.File("logo.obmp") + "\n"), std::string::npos) << output;
    EXPECT_NE(output.find("EditOGif=" + home.File("logo.obmp") + "\n"), std::string::npos) << output;
    EXPECT_NE(output.find("[STOP]: Cancelled after page 3 of 20\n"), std::string::npos) << output;
    EXPECT_EQ(std::filesystem::file_size(home.File("store/200.obmp")), 4532u);
    const QImage stored(QString::fromStdString(home.File("store/200.png")));
    ASSERT_EQ(stored.size(), picture.size());
    EXPECT_EQ(stored.convertToFormat(QImage::Format_RGB32), picture);
}

}  // namespace
