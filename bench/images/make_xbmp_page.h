#pragma once

#include <QImage>
#include <QWidget>
#include <memory>
#include <string>

namespace shell {
class BenchHost;
}
namespace Ui {
class MakeXbmpPage;
}

// Save dialog of the OBMP converter: its filter and the name it proposes.
inline constexpr char kSaveDialog1Filter[] = "*.obmp|*.obmp";
inline constexpr char kSaveDialog1FileName[] = "obmp1";

// The page "Make XBmp": converts bitmaps into the sign's OBMP (seven colours) and
// XBMP (full colour) image files, one inner page each.
class MakeXbmpPage : public QWidget {
    Q_OBJECT
public:
    explicit MakeXbmpPage(shell::BenchHost& host, QWidget* parent = nullptr);
    ~MakeXbmpPage() override;

signals:
    // An OBMP file was written; the download page takes its path.
    void ObmpSaved(const QString& path);

public slots:
    void BtnOpenBitmapClick();
    void BtnBitmapClick();
    void CheckBoxRedClick();
    void CheckBoxGreenClick();
    void CheckBoxBlueClick();
    void BtnSaveObmpClick();
    void BtnOpenBitmap2Click();
    void BtnSaveXbmpClick();
    void suiButton22Click();

private:
    // The picture of the file the operator picks (its path in `path`); a null image
    // when the dialog is cancelled or, after a warning box, when it cannot be read.
    QImage OpenPicture(std::string& path);

    shell::BenchHost& host_;
    std::unique_ptr<Ui::MakeXbmpPage> ui_;
    QImage image1_;    // the picture of the OBMP page as loaded
    QImage imageNow_;  // its seven-colour preview
    QImage image11_;   // the picture of the XBMP page
};
