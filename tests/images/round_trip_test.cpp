#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "bench/images/make_xbmp_page.h"
#include "bench/images/send_image_page.h"
#include "tests/support/sim_process.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_bench_host.h"

// A picture from its file through both converters and the download to what the
// virtual sign stored, compared pixel for pixel.
namespace {

QImage Generated(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y,
                           qRgb((x * 11 + y) & 0xFF, (y * 29) & 0xFF, x < w / 2 ? 200 : (x * y) & 0xFF));
    return image;
}

class RoundTrip : public ::testing::Test {
protected:
    RoundTrip() : sim(Options()), host(dir.Path())
    {
        host.UseTcp(sim.TcpHost(), sim.TcpPort());
        QObject::connect(&convert, &MakeXbmpPage::ObmpSaved, &send, &SendImagePage::SetImageFile);
        picture = Generated(300, 70);
        picture.save(QString::fromStdString(dir.File("source.png")));
    }
    testsupport::SimProcess::Options Options()
    {
        std::filesystem::create_directory(dir.File("store"));
        testsupport::SimProcess::Options o;
        o.extraArgs = {"--store", dir.File("store")};
        return o;
    }
    template <typename T>
    T* Get(QWidget& page, const char* name)
    {
        return page.findChild<T*>(name);
    }
    QImage Stored(const std::string& id)
    {
        return QImage(QString::fromStdString(dir.File("store/" + id + ".png")))
            .convertToFormat(QImage::Format_RGB32);
    }

    testsupport::TempDir dir;
    testsupport::SimProcess sim;
    testsupport::TestBenchHost host;
    MakeXbmpPage convert{host};
    SendImagePage send{host};
    QImage picture;
};

TEST_F(RoundTrip, ObmpShowsThePreview)
{
    host.fileAnswers.push_back(dir.File("source.png"));
    Get<QPushButton>(convert, "BtnOpenBitmap")->click();
    Get<QCheckBox>(convert, "CheckBoxBlue")->click();
    host.fileAnswers.push_back(dir.File("seven"));
    Get<QPushButton>(convert, "BtnSaveObmp")->click();
    EXPECT_EQ(Get<QLineEdit>(send, "EditOGif")->text().toStdString(), dir.File("seven.obmp"));
    Get<QComboBox>(send, "ComboBoxFileName")->setCurrentText("5");
    Get<QPushButton>(send, "BtnOgif")->click();

    const QImage stored = Stored("5");
    const QImage preview =
        Get<QLabel>(convert, "ImageNow")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(stored.size(), QSize(300, 70));
    ASSERT_EQ(preview.size(), stored.size());
    for (int y = 0; y < 70; ++y) {
        for (int x = 0; x < 300; ++x) {
            const QRgb source = picture.pixel(x, y);
            const QRgb expected = qRgb(qRed(source) >= 128 ? 255 : 0, qGreen(source) >= 128 ? 255 : 0, 0);
            ASSERT_EQ(stored.pixel(x, y), preview.pixel(x, y)) << x << "," << y;
            ASSERT_EQ(stored.pixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST_F(RoundTrip, XbmpKeepsEveryPixel)
{
    host.fileAnswers.push_back(dir.File("source.png"));
    Get<QPushButton>(convert, "BtnOpenBitmap2")->click();
    for (const bool compress : {false, true}) {
        Get<QCheckBox>(convert, "CheckComPress")->setChecked(compress);
        Get<QPushButton>(convert, "BtnSaveXbmp")->click();
        host.fileAnswers.push_back(dir.File("source.XBMP"));
        Get<QPushButton>(send, "BtnOgifOpen")->click();
        const std::string id = compress ? "15" : "10";
        Get<QComboBox>(send, "ComboBoxFileName")->setCurrentText(QString::fromStdString(id));
        Get<QPushButton>(send, "BtnOgif")->click();
        const QImage stored = Stored(id);
        ASSERT_EQ(stored.size(), picture.size()) << compress;
        EXPECT_EQ(stored, picture) << compress;
    }
}

}  // namespace
