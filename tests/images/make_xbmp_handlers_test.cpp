#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "bench/images/make_xbmp_page.h"
#include "bench/images/obmp_file.h"
#include "bench/images/seven_colour_preview.h"
#include "bench/images/xbmp_file.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_bench_host.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// A picture with every corner of the colour cube and some mid-tones.
QImage Generated(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb((x * 37) & 0xFF, (y * 53) & 0xFF, ((x + y) * 29) & 0xFF));
    return image;
}

// Qt reads GIF but does not write it: a four-colour GIF whose LZW stream sends a
// clear code before every two pixels, so every code stays three bits wide.
void WriteGif(const std::string& path, int w, int h)
{
    Bytes gif = {'G',
                 'I',
                 'F',
                 '8',
                 '9',
                 'a',
                 static_cast<std::uint8_t>(w),
                 static_cast<std::uint8_t>(w >> 8),
                 static_cast<std::uint8_t>(h),
                 static_cast<std::uint8_t>(h >> 8),
                 0xF1,
                 0,
                 0,
                 0x00,
                 0x00,
                 0x00,
                 0xFF,
                 0x00,
                 0x00,
                 0x00,
                 0xFF,
                 0x00,
                 0xFF,
                 0xFF,
                 0xFF,  // black red green white
                 0x2C,
                 0,
                 0,
                 0,
                 0,
                 static_cast<std::uint8_t>(w),
                 static_cast<std::uint8_t>(w >> 8),
                 static_cast<std::uint8_t>(h),
                 static_cast<std::uint8_t>(h >> 8),
                 0x00,
                 0x02};
    Bytes codes;
    std::uint32_t bits = 0;
    int count = 0;
    const auto put = [&](int code) {
        bits |= static_cast<std::uint32_t>(code) << count;
        for (count += 3; count >= 8; count -= 8, bits >>= 8) codes.push_back(static_cast<std::uint8_t>(bits));
    };
    for (int k = 0; k < w * h; ++k) {
        if (k % 2 == 0) put(4);
        put((k % w + k / w) % 4);
    }
    put(5);
    if (count > 0) codes.push_back(static_cast<std::uint8_t>(bits));
    for (std::size_t at = 0; at < codes.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, codes.size() - at);
        gif.push_back(static_cast<std::uint8_t>(n));
        gif.insert(gif.end(), codes.begin() + static_cast<long>(at),
                   codes.begin() + static_cast<long>(at + n));
    }
    gif.insert(gif.end(), {0x00, 0x3B});
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(gif.data()), static_cast<std::streamsize>(gif.size()));
}

// The page with its converters driven through their controls; dialogs are answered
// from the host's queue.
class MakeXbmpHandlersTest : public ::testing::Test {
protected:
    MakeXbmpHandlersTest()
    {
        QObject::connect(&page, &MakeXbmpPage::ObmpSaved,
                         [this](const QString& path) { saved.push_back(path.toStdString()); });
    }

    std::string SavePicture(const std::string& name, const QImage& image, const char* format = nullptr)
    {
        const std::string path = home.File(name);
        EXPECT_TRUE(image.save(QString::fromStdString(path), format)) << name;
        return path;
    }
    void Click(const char* name)
    {
        auto* button = page.findChild<QAbstractButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
    QString Text(const char* edit) { return page.findChild<QLineEdit*>(edit)->text(); }
    QImage Shown(const char* label) { return page.findChild<QLabel*>(label)->pixmap().toImage(); }
    void OpenObmpPicture(const std::string& path)
    {
        host.fileAnswers.push_back(path);
        Click("BtnOpenBitmap");
    }
    void OpenXbmpPicture(const std::string& path)
    {
        host.fileAnswers.push_back(path);
        Click("BtnOpenBitmap2");
    }

    testsupport::TempDir home;
    testsupport::TestBenchHost host{home.Path()};
    MakeXbmpPage page{host};
    std::vector<std::string> saved;
};

TEST_F(MakeXbmpHandlersTest, OpensEveryPictureFormatAndShowsTheClippedSize)
{
    struct Case {
        const char* name;
        const char* format;
        int w, h;
        const char* shownW;
        const char* shownH;
    };
    const Case cases[] = {
        {"a.bmp", "BMP", 30, 20, "30", "20"},  {"b.png", "PNG", 1500, 200, "1024", "128"},
        {"c.jpg", "JPEG", 64, 16, "64", "16"}, {"d.gif", nullptr, 12, 130, "12", "128"},
        {"e.picture", "PNG", 5, 5, "5", "5"},
    };
    for (const Case& c : cases) {
        if (c.format) {
            SavePicture(c.name, Generated(c.w, c.h), c.format);
        } else {
            WriteGif(home.File(c.name), c.w, c.h);
        }
        OpenObmpPicture(home.File(c.name));
        EXPECT_EQ(Text("EditBitmapWidth"), c.shownW) << c.name;
        EXPECT_EQ(Text("EditBitmapHeight"), c.shownH) << c.name;
        EXPECT_EQ(Shown("Image1").size(), QSize(c.w, c.h)) << c.name;
        EXPECT_EQ(Shown("ImageNow").size(), QSize(std::min(c.w, 1024), std::min(c.h, 128))) << c.name;
        if (!c.format) {
            // The GIF's pixels arrive: its top row runs black, red, green, white.
            EXPECT_EQ(Shown("Image1").pixel(1, 0), qRgb(255, 0, 0));
            EXPECT_EQ(Shown("Image1").pixel(3, 0), qRgb(255, 255, 255));
        }
    }
    EXPECT_TRUE(host.boxes.empty()) << host.boxes.front();
}

TEST_F(MakeXbmpHandlersTest, PreviewFollowsTheColourBoxes)
{
    QImage yellow(2, 1, QImage::Format_RGB32);
    yellow.fill(qRgb(250, 250, 10));
    OpenObmpPicture(SavePicture("yellow.png", yellow));
    EXPECT_EQ(Shown("ImageNow").pixel(0, 0), qRgb(255, 255, 0));
    Click("CheckBoxGreen");
    EXPECT_EQ(Shown("ImageNow").pixel(0, 0), qRgb(255, 0, 0));
    Click("CheckBoxRed");
    EXPECT_EQ(Shown("ImageNow").pixel(0, 0), qRgb(0, 0, 0));
    Click("CheckBoxGreen");
    EXPECT_EQ(Shown("ImageNow").pixel(0, 0), qRgb(0, 255, 0));
}

TEST_F(MakeXbmpHandlersTest, AFileThatIsNoPictureChangesNothing)
{
    OpenObmpPicture(SavePicture("first.png", Generated(8, 4)));
    const std::string text = home.File("notes.png");
    std::ofstream(text) << "not a picture";
    OpenObmpPicture(text);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].rfind("Cannot read the picture " + text, 0), 0u) << host.boxes[0];
    EXPECT_EQ(Text("EditBitmapWidth"), "8");
    EXPECT_EQ(Shown("Image1").size(), QSize(8, 4));

    OpenXbmpPicture(text);
    EXPECT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(Text("EditXbmpFile"), "");
    EXPECT_EQ(Text("Edit6"), "0");
}

TEST_F(MakeXbmpHandlersTest, CancelledDialogsChangeNothing)
{
    Click("BtnOpenBitmap");
    Click("BtnOpenBitmap2");
    Click("BtnSaveObmp");
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(saved.empty());
    EXPECT_EQ(Text("EditBitmapWidth"), "0");
    EXPECT_EQ(Text("EditXbmpFile"), "");
}

TEST_F(MakeXbmpHandlersTest, SavesTheObmpWithItsOwnExtensionAndHandsThePathOn)
{
    const QImage picture = Generated(100, 9);
    OpenObmpPicture(SavePicture("pic.png", picture));
    Click("CheckBoxBlue");
    host.fileAnswers.push_back(home.File("out.bmp"));
    Click("BtnSaveObmp");

    EXPECT_EQ(host.lastDialogFolder, home.Path());
    EXPECT_EQ(host.lastDialogName, "obmp1");
    const std::string path = home.File("out.obmp");
    EXPECT_EQ(saved, std::vector<std::string>{path});
    EXPECT_EQ(host.boxes, std::vector<std::string>{path});
    const QImage preview = images::SevenColourPreview(picture, {true, true, false});
    EXPECT_EQ(ReadBytes(path), images::BuildObmpFile(preview, {100, 9}));
    EXPECT_FALSE(std::filesystem::exists(home.File("out.bmp")));
}

TEST_F(MakeXbmpHandlersTest, SavingWithoutAPictureWritesAnEmptyObmp)
{
    host.fileAnswers.push_back(home.File("obmp1"));
    Click("BtnSaveObmp");
    const Bytes file = ReadBytes(home.File("obmp1.obmp"));
    ASSERT_EQ(file.size(), 32u);
    EXPECT_EQ(file[4] | file[5] << 8, 0);
    EXPECT_EQ(file[6], 0);
}

TEST_F(MakeXbmpHandlersTest, AnObmpThatCannotBeWrittenIsReportedAndNotHandedOn)
{
    OpenObmpPicture(SavePicture("pic.png", Generated(4, 4)));
    host.fileAnswers.push_back(home.File("missing/out.obmp"));
    Click("BtnSaveObmp");
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].rfind("Cannot write " + home.File("missing/out.obmp"), 0), 0u) << host.boxes[0];
    EXPECT_TRUE(saved.empty());
}

TEST_F(MakeXbmpHandlersTest, SavesTheXbmpNextToThePicture)
{
    const QImage picture = Generated(40, 6);
    const std::string source = SavePicture("shot.png", picture);
    OpenXbmpPicture(source);
    EXPECT_EQ(Text("EditXbmpFile").toStdString(), source);
    EXPECT_EQ(Text("Edit3"), "6");
    EXPECT_EQ(Text("Edit6"), "40");
    EXPECT_EQ(Shown("Image11").size(), QSize(40, 6));

    for (const bool compress : {false, true}) {
        host.boxes.clear();
        page.findChild<QComboBox*>("ComboBoxObmpStay")->setCurrentText("400");
        page.findChild<QCheckBox*>("CheckComPress")->setChecked(compress);
        Click("BtnSaveXbmp");
        const std::string path = home.File("shot.XBMP");
        const Bytes file = ReadBytes(path);
        EXPECT_EQ(file, images::BuildXbmpFile(picture, {400, compress}));
        EXPECT_EQ(host.boxes, std::vector<std::string>{"Write " + std::to_string(file.size()) +
                                                       " bytes to XBMP File:\n\n" + path});
    }
}

TEST_F(MakeXbmpHandlersTest, XbmpWithoutItsPictureFileIsNotFound)
{
    Click("BtnSaveXbmp");
    const std::string source = SavePicture("gone.png", Generated(3, 3));
    OpenXbmpPicture(source);
    std::filesystem::remove(source);
    Click("BtnSaveXbmp");
    EXPECT_EQ(host.boxes, (std::vector<std::string>{"File not found!", "File not found!"}));
    EXPECT_FALSE(std::filesystem::exists(home.File("gone.XBMP")));
}

TEST_F(MakeXbmpHandlersTest, XbmpWiderThanTheRowLinkIsRefused)
{
    OpenXbmpPicture(SavePicture("wide.png", Generated(1366, 2)));
    Click("BtnSaveXbmp");
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0], images::XbmpRefusal(1366));
    EXPECT_FALSE(std::filesystem::exists(home.File("wide.XBMP")));

    host.boxes.clear();
    OpenXbmpPicture(SavePicture("widest.png", Generated(1365, 2)));
    Click("BtnSaveXbmp");
    EXPECT_TRUE(std::filesystem::exists(home.File("widest.XBMP")));
}

TEST_F(MakeXbmpHandlersTest, XbmpThatCannotBeWrittenIsNotReportedAsWritten)
{
    OpenXbmpPicture(SavePicture("pic.png", Generated(3, 3)));
    std::filesystem::create_directory(home.File("pic.XBMP"));  // the name is taken by a folder
    Click("BtnSaveXbmp");
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].rfind("Cannot write the XBMP file " + home.File("pic.XBMP"), 0), 0u)
        << host.boxes[0];
}

TEST_F(MakeXbmpHandlersTest, FolderButtonOpensThePicturesFolder)
{
    std::filesystem::create_directory(home.File("shots"));
    OpenXbmpPicture(SavePicture("shots/a.png", Generated(2, 2)));
    Click("suiButton22");
    EXPECT_EQ(host.opened, std::vector<std::string>{home.File("shots")});
}

}  // namespace
