#include "bench/images/send_image_page.h"

#include <filesystem>
#include <optional>

#include "bench/fields/integer_field.h"
#include "bench/fields/sign_id.h"
#include "bench/images/file_names.h"
#include "bench/images/image_download.h"
#include "bench/shell/bench_host.h"
#include "platform/gbk.h"
#include "ui_send_image_page.h"

namespace {

// Program ids offered for the download: 0 to 1000 in steps of 5, 200 chosen.
constexpr int kProgramIdStep = 5;
constexpr int kProgramIdLast = 1000;
constexpr int kProgramIdDefault = 200;

// An option box is sent as the position of its entry; FF when none is chosen.
std::uint8_t Position(const QComboBox& box)
{
    return box.currentIndex() < 0 ? 0xFF : static_cast<std::uint8_t>(box.currentIndex() & 0xFF);
}

// A number field within 0 ... 65535; the conversion box otherwise.
std::optional<std::uint16_t> Word(shell::BenchHost& host, const std::string& text)
{
    const fields::IntegerField field = fields::ParseIntegerField(text);
    if (!field.value || *field.value < 0 || *field.value > 0xFFFF) {
        host.ConversionError(field.value ? fields::NotIntegerMessage(text) : field.error);
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(*field.value);
}

}  // namespace

SendImagePage::SendImagePage(shell::BenchHost& host, QWidget* parent)
    : QWidget(parent), host_(host), ui_(std::make_unique<Ui::SendImagePage>())
{
    ui_->setupUi(this);

    QComboBox& ids = *ui_->ComboBoxFileName;
    ids.clear();
    for (int id = 0; id <= kProgramIdLast; id += kProgramIdStep) ids.addItem(QString::number(id));
    ids.setCurrentIndex(kProgramIdDefault / kProgramIdStep);

    connect(ui_->BtnOgifOpen, &QPushButton::clicked, this, &SendImagePage::BtnOgifOpenClick);
    connect(ui_->BtnOgif, &QPushButton::clicked, this, &SendImagePage::BtnOgifClick);
}

SendImagePage::~SendImagePage() = default;

void SendImagePage::SetImageFile(const QString& path) { ui_->EditOGif->setText(path); }

void SendImagePage::BtnOgifOpenClick()
{
    const std::string path = host_.OpenFileName("Open", kOpenDialog1Filter);
    if (path.empty()) return;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        host_.Warn("Cannot read " + path + ": " + error.message());
        return;
    }
    ui_->EditOGif->setText(QString::fromStdString(path));
    ui_->EditAlias->setText(QString::fromStdString(std::filesystem::path(path).filename().string()));
    ui_->ComboBox2->setCurrentIndex(images::DownloadTypeIndex(path));
    ui_->Label35->setText(QString::fromStdString(images::FileLongText(size)));
}

void SendImagePage::BtnOgifClick()
{
    const std::string path = ui_->EditOGif->text().toStdString();
    if (path.empty()) {
        host_.Inform(images::kEmptyFileText);
        return;
    }
    images::DownloadOptions o;
    o.path = path;
    const fields::SignIdField signId = fields::ParseSignId(host_.SignIdText());
    if (!signId.value) {
        host_.ConversionError(signId.error);
        return;
    }
    o.signId = *signId.value;
    const auto programId = Word(host_, ui_->ComboBoxFileName->currentText().toStdString());
    if (!programId) return;
    o.programId = *programId;
    o.fileType = images::OgifFileTypeByte(ui_->ComboBox2->currentIndex());

    const platform::TextConversion alias = platform::Utf8ToGbk(ui_->EditAlias->text().toStdString());
    if (!alias.ok()) {
        const std::string message = "Program alias cannot be sent: " + alias.error;
        host_.MonitorLog("ERROR", message, true);
        host_.Warn(message);
        return;
    }
    images::OgifProgram& program = o.program;
    program.alias = alias.bytes;
    program.mode = Position(*ui_->CBProgramMode);
    if (ui_->CBOgifTotalSeconds->currentIndex() > 0) {
        const auto seconds = Word(host_, ui_->CBOgifTotalSeconds->currentText().toStdString());
        if (!seconds) return;
        program.totalSeconds = *seconds;
    }
    if (ui_->ComboOgifTimes->currentIndex() > 0) {
        const auto loops = Word(host_, ui_->ComboOgifTimes->currentText().toStdString());
        if (!loops) return;
        program.loopTimes = *loops;
    }
    program.stay = Position(*ui_->ComboBox_Stay_Ogif);
    program.action = Position(*ui_->ComboBox_Action_Ogif);
    program.holdFlash = ui_->ComboBox_Action_Ogif->currentIndex() >= 0 &&
                        ui_->ComboBox_Action_Ogif->currentText() == "HOLD_FLASH";
    program.speed = Position(*ui_->ComboBox_Speed_Ogif);
    images::DownloadImageFile(host_, o);
}
