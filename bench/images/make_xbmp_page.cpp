#include "bench/images/make_xbmp_page.h"

#include <QPixmap>
#include <QStyle>
#include <filesystem>

#include "bench/fields/integer_field.h"
#include "bench/images/byte_file.h"
#include "bench/images/file_names.h"
#include "bench/images/obmp_file.h"
#include "bench/images/picture_file.h"
#include "bench/images/seven_colour_preview.h"
#include "bench/images/xbmp_file.h"
#include "bench/shell/bench_host.h"
#include "ui_make_xbmp_page.h"

namespace {

void ShowPicture(QLabel& label, const QImage& picture)
{
    if (picture.isNull()) {
        label.clear();
        label.setMinimumSize(0, 0);
        return;
    }
    label.setPixmap(QPixmap::fromImage(picture));
    label.setMinimumSize(picture.size());
}

}  // namespace

MakeXbmpPage::MakeXbmpPage(shell::BenchHost& host, QWidget* parent)
    : QWidget(parent), host_(host), ui_(std::make_unique<Ui::MakeXbmpPage>())
{
    ui_->setupUi(this);
    // The folder button carries only its glyph.
    ui_->suiButton22->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));

    connect(ui_->BtnOpenBitmap, &QPushButton::clicked, this, &MakeXbmpPage::BtnOpenBitmapClick);
    connect(ui_->BtnBitmap, &QPushButton::clicked, this, &MakeXbmpPage::BtnBitmapClick);
    connect(ui_->CheckBoxRed, &QCheckBox::clicked, this, &MakeXbmpPage::CheckBoxRedClick);
    connect(ui_->CheckBoxGreen, &QCheckBox::clicked, this, &MakeXbmpPage::CheckBoxGreenClick);
    connect(ui_->CheckBoxBlue, &QCheckBox::clicked, this, &MakeXbmpPage::CheckBoxBlueClick);
    connect(ui_->BtnSaveObmp, &QPushButton::clicked, this, &MakeXbmpPage::BtnSaveObmpClick);
    connect(ui_->BtnOpenBitmap2, &QPushButton::clicked, this, &MakeXbmpPage::BtnOpenBitmap2Click);
    connect(ui_->BtnSaveXbmp, &QPushButton::clicked, this, &MakeXbmpPage::BtnSaveXbmpClick);
    connect(ui_->suiButton22, &QPushButton::clicked, this, &MakeXbmpPage::suiButton22Click);
}

MakeXbmpPage::~MakeXbmpPage() = default;

QImage MakeXbmpPage::OpenPicture(std::string& path)
{
    path = host_.OpenFileName("Open Bitmap", images::kPictureFilter);
    if (path.empty()) return {};
    images::LoadedPicture loaded = images::LoadPicture(path);
    if (!loaded.error.empty()) host_.Warn(loaded.error);
    return loaded.image;
}

void MakeXbmpPage::BtnOpenBitmapClick()
{
    std::string path;
    QImage picture = OpenPicture(path);
    if (picture.isNull()) return;
    image1_ = std::move(picture);
    ShowPicture(*ui_->Image1, image1_);
    BtnBitmapClick();
}

void MakeXbmpPage::BtnBitmapClick()
{
    const images::ColourSwitches switches{ui_->CheckBoxRed->isChecked(), ui_->CheckBoxGreen->isChecked(),
                                          ui_->CheckBoxBlue->isChecked()};
    imageNow_ = images::SevenColourPreview(image1_, switches);
    const QSize size = images::ClippedObmpSize(image1_.size());
    ui_->EditBitmapHeight->setText(QString::number(size.height()));
    ui_->EditBitmapWidth->setText(QString::number(size.width()));
    ShowPicture(*ui_->ImageNow, imageNow_);
}

void MakeXbmpPage::CheckBoxRedClick() { BtnBitmapClick(); }
void MakeXbmpPage::CheckBoxGreenClick() { BtnBitmapClick(); }
void MakeXbmpPage::CheckBoxBlueClick() { BtnBitmapClick(); }

void MakeXbmpPage::BtnSaveObmpClick()
{
    std::string path =
        host_.SaveFileName("Save OBMP", kSaveDialog1Filter, host_.HomeFolder(), kSaveDialog1FileName);
    if (path.empty()) return;
    path = images::WithExtension(path, ".obmp");
    const std::string widthText = ui_->EditBitmapWidth->text().toStdString();
    const std::string heightText = ui_->EditBitmapHeight->text().toStdString();
    const fields::IntegerField width = fields::ParseIntegerField(widthText);
    const fields::IntegerField height = fields::ParseIntegerField(heightText);
    if (!width.value || !height.value) {
        host_.ConversionError(!width.value ? width.error : height.error);
        return;
    }
    const auto file = images::BuildObmpFile(imageNow_, {*width.value, *height.value});
    if (const std::string error = images::WriteByteFile(path, file); !error.empty()) {
        host_.Warn("Cannot write " + path + ": " + error);
        return;
    }
    emit ObmpSaved(QString::fromStdString(path));
    host_.Inform(path);
}

void MakeXbmpPage::BtnOpenBitmap2Click()
{
    std::string path;
    QImage picture = OpenPicture(path);
    if (picture.isNull()) return;
    image11_ = std::move(picture);
    ShowPicture(*ui_->Image11, image11_);
    ui_->Edit3->setText(QString::number(image11_.height()));
    ui_->Edit6->setText(QString::number(image11_.width()));
    ui_->EditXbmpFile->setText(QString::fromStdString(path));
}

void MakeXbmpPage::BtnSaveXbmpClick()
{
    const std::string picturePath = ui_->EditXbmpFile->text().toStdString();
    std::error_code ignored;
    if (picturePath.empty() || image11_.isNull() || !std::filesystem::is_regular_file(picturePath, ignored)) {
        host_.Inform("File not found!");
        return;
    }
    if (const std::string refusal = images::XbmpRefusal(image11_.width()); !refusal.empty()) {
        host_.Warn(refusal);
        return;
    }
    const fields::IntegerField stay =
        fields::ParseIntegerField(ui_->ComboBoxObmpStay->currentText().toStdString());
    if (!stay.value) {
        host_.ConversionError(stay.error);
        return;
    }
    const std::string path = images::WithExtension(picturePath, ".XBMP");
    const auto file = images::BuildXbmpFile(image11_, {*stay.value, ui_->CheckComPress->isChecked()});
    if (const std::string error = images::WriteByteFile(path, file); !error.empty()) {
        host_.Warn("Cannot write the XBMP file " + path + ": " + error);
        return;
    }
    host_.Inform("Write " + std::to_string(file.size()) + " bytes to XBMP File:\n\n" + path);
}

void MakeXbmpPage::suiButton22Click()
{
    const std::string picturePath = ui_->EditXbmpFile->text().toStdString();
    const std::string folder =
        picturePath.empty() ? host_.HomeFolder() : std::filesystem::path(picturePath).parent_path().string();
    if (!host_.OpenWithDesktop(folder)) host_.Warn("Cannot open " + folder);
}
