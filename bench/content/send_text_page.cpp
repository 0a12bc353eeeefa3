#include "bench/content/send_text_page.h"

#include <QSignalBlocker>
#include <QStyle>

#include "bench/content/coded_text.h"
#include "bench/content/directory_frames.h"
#include "bench/content/inst_frame.h"
#include "bench/content/markup.h"
#include "bench/content/page_controls.h"
#include "bench/fields/font_codes.h"
#include "bench/fields/integer_field.h"
#include "bench/shell/bench_host.h"
#include "bench/shell/script_lists.h"
#include "platform/gbk.h"
#include "protocol/frame_text.h"
#include "ui_send_text_page.h"

namespace {

// A stored position beyond the end of its box leaves the box without a choice.
void SetPosition(QComboBox& box, int position)
{
    const QSignalBlocker blocker(&box);
    box.setCurrentIndex(position >= 0 && position < box.count() ? position : -1);
}

}  // namespace

SendTextPage::SendTextPage(shell::BenchHost& host, QWidget* parent)
    : QWidget(parent), host_(host), ui_(std::make_unique<Ui::SendTextPage>())
{
    ui_->setupUi(this);
    setObjectName("TabSheet_INST");
    ui_->SpeedButton3->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    ui_->SpeedButton5->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    ui_->SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    ui_->SpeedButton4->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));

    connect(ui_->ListBoxPgm, &QListWidget::itemClicked, this, &SendTextPage::ListBoxPgmClick);
    // Arrow keys select without a click; the fields must show the script now selected,
    // since every edit is stored under the selected number.
    connect(ui_->ListBoxPgm, &QListWidget::currentRowChanged, this, &SendTextPage::ListBoxPgmClick);
    connect(ui_->SpeedButton3, &QToolButton::clicked, this, &SendTextPage::SpeedButton3Click);
    connect(ui_->SpeedButton5, &QToolButton::clicked, this, &SendTextPage::SpeedButton5Click);
    connect(ui_->SpeedButton2, &QToolButton::clicked, this, &SendTextPage::SpeedButton2Click);
    connect(ui_->SpeedButton4, &QToolButton::clicked, this, &SendTextPage::SpeedButton4Click);
    connect(ui_->Edit5, &QLineEdit::textChanged, this, &SendTextPage::Edit5Change);
    connect(ui_->ComboBox_Action, &QComboBox::activated, this, &SendTextPage::ComboBox_ActionChange);
    connect(ui_->ComboBox_Color, &QComboBox::activated, this, &SendTextPage::ComboBox_ColorChange);
    connect(ui_->ComboBox_FontEng, &QComboBox::activated, this, &SendTextPage::ComboBox_FontEngChange);
    connect(ui_->ComboBox_FontChn, &QComboBox::activated, this, &SendTextPage::ComboBox_FontChnChange);
    connect(ui_->ComboBox_Stay, &QComboBox::activated, this, &SendTextPage::ComboBox_StayChange);
    connect(ui_->ComboBox_Speed, &QComboBox::activated, this, &SendTextPage::ComboBox_SpeedChange);

    connect(ui_->BtnSendOtxt, &QPushButton::clicked, this, &SendTextPage::BtnSendOtxtClick);
    connect(ui_->suiButton23, &QPushButton::clicked, this, &SendTextPage::suiButton23Click);
    connect(ui_->suiButton15, &QPushButton::clicked, this, &SendTextPage::suiButton15Click);
    connect(ui_->BtnInsertRamVar, &QPushButton::clicked, this, &SendTextPage::BtnInsertRamVarClick);
    connect(ui_->BtnInsertFlashVar, &QPushButton::clicked, this, &SendTextPage::BtnInsertFlashVarClick);
    connect(ui_->suiButton27, &QPushButton::clicked, this, &SendTextPage::suiButton27Click);
    connect(ui_->suiButton1, &QPushButton::clicked, this, &SendTextPage::suiButton1Click);
}

SendTextPage::~SendTextPage() = default;

int SendTextPage::SelectedScript() const
{
    return ui_->ListBoxPgm->currentRow();
}

void SendTextPage::ListBoxPgmClick()
{
    const int number = SelectedScript();
    if (number < 0) {
        return;
    }
    const QString name = ui_->ListBoxPgm->item(number)->text();
    ui_->EditPgmAlias->setText(name);
    ui_->GroupBoxPgmEdit->setTitle(name);
    LoadScript(number);
    host_.SetStatusText("");
}

void SendTextPage::LoadScript(int number)
{
    // By number, not by name: two scripts named alike keep their own fields.
    const content::ProgramScript script = content::ReadScript(host_.Settings(), number);
    ui_->Edit5->setText(QString::fromStdString(script.text));
    SetPosition(*ui_->CBSubCommand, script.hide);
    SetPosition(*ui_->ComboBoxFileId, script.start);
    SetPosition(*ui_->ComboBox_Action, script.Option(content::ScriptOption::Action));
    SetPosition(*ui_->ComboBox_Speed, script.Option(content::ScriptOption::Speed));
    SetPosition(*ui_->ComboBox_Stay, script.Option(content::ScriptOption::Stay));
    SetPosition(*ui_->ComboBox_Color, script.Option(content::ScriptOption::Color));
    SetPosition(*ui_->ComboBox_FontEng, script.Option(content::ScriptOption::FontEng));
    SetPosition(*ui_->ComboBox_FontChn, script.Option(content::ScriptOption::FontChn));
}

void SendTextPage::ReloadLists(int reselect)
{
    // The window passes itself as root, so the option boxes of every page reload.
    shell::LoadScriptLists(*window(), host_.Settings());
    const QSignalBlocker blocker(ui_->ListBoxPgm);
    ui_->ListBoxPgm->setCurrentRow(reselect < ui_->ListBoxPgm->count() ? reselect : -1);
}

void SendTextPage::ReportWriteFailure()
{
    host_.Warn("Cannot write " + host_.Settings().Path());
}

void SendTextPage::SpeedButton3Click()
{
    if (!host_.Confirm("New ?")) {
        return;
    }
    const int remembered = SelectedScript();
    auto settings = host_.Settings();
    if (!content::AppendScript(settings, ui_->ListBoxPgm->count(), ui_->EditPgmAlias->text().toStdString(),
                               ui_->CBSubCommand->currentIndex(), ui_->ComboBoxFileId->currentIndex())) {
        ReportWriteFailure();
        return;
    }
    ReloadLists(remembered);
}

void SendTextPage::SpeedButton5Click()
{
    if (!host_.Confirm("Save ?")) {
        return;
    }
    const int remembered = SelectedScript();
    auto settings = host_.Settings();
    if (!content::WriteScriptHeader(settings, remembered, ui_->EditPgmAlias->text().toStdString(),
                                    ui_->CBSubCommand->currentIndex(), ui_->ComboBoxFileId->currentIndex())) {
        ReportWriteFailure();
        return;
    }
    ReloadLists(remembered);
}

void SendTextPage::SpeedButton2Click()
{
    const int listed = ui_->ListBoxPgm->count();
    const int remembered = SelectedScript();
    if (listed == 0 || remembered < 0) {
        return;
    }
    if (!host_.Confirm("Delete ?")) {
        return;
    }
    auto settings = host_.Settings();
    if (!content::DeleteScript(settings, remembered, listed)) {
        ReportWriteFailure();
        return;
    }
    // The fields still show the deleted script; the script now selected is loaded so
    // that the next edit is stored where it belongs.
    const int next = remembered < listed - 1 ? remembered : remembered - 1;
    ReloadLists(next);
    if (SelectedScript() >= 0) {
        ListBoxPgmClick();
    }
}

void SendTextPage::SpeedButton4Click()
{
    auto settings = host_.Settings();
    if (!content::WriteScriptText(settings, SelectedScript(), ui_->Edit5->text().toStdString())) {
        ReportWriteFailure();
    }
}

void SendTextPage::Edit5Change()
{
    if (!TextToProgramHex()) {
        return;
    }
    SpeedButton4Click();
}

void SendTextPage::StoreOption(content::ScriptOption option, const QComboBox& box)
{
    auto settings = host_.Settings();
    if (!content::WriteScriptOption(settings, SelectedScript(), option, box.currentIndex())) {
        ReportWriteFailure();
    }
}

void SendTextPage::ComboBox_ActionChange()
{
    StoreOption(content::ScriptOption::Action, *ui_->ComboBox_Action);
}

void SendTextPage::ComboBox_ColorChange()
{
    StoreOption(content::ScriptOption::Color, *ui_->ComboBox_Color);
}

void SendTextPage::ComboBox_FontEngChange()
{
    StoreOption(content::ScriptOption::FontEng, *ui_->ComboBox_FontEng);
}

void SendTextPage::ComboBox_FontChnChange()
{
    StoreOption(content::ScriptOption::FontChn, *ui_->ComboBox_FontChn);
}

void SendTextPage::ComboBox_StayChange()
{
    StoreOption(content::ScriptOption::Stay, *ui_->ComboBox_Stay);
}

void SendTextPage::ComboBox_SpeedChange()
{
    StoreOption(content::ScriptOption::Speed, *ui_->ComboBox_Speed);
}

bool SendTextPage::TextToProgramHex()
{
    // While the operator types, a text that cannot become bytes (a character GBK has
    // no code for, a brace code too large) leaves the hex form as it was and is still
    // stored; the send refuses it with its reason. A code that is no number stops
    // here, as the conversion error box says.
    const platform::TextConversion gbk = platform::Utf8ToGbk(ui_->Edit5->text().toStdString());
    if (!gbk.ok()) return true;
    const content::CodedText coded = content::ProgramTextBytes(gbk.bytes);
    if (coded.error == content::CodedText::Error::NotInteger) {
        host_.ConversionError(coded.message);
        return false;
    }
    if (coded.ok()) ui_->EditPgmHex->setText(QString::fromStdString(protocol::HexText(coded.bytes)));
    return true;
}

void SendTextPage::BtnSendOtxtClick()
{
    const auto text = content::GbkOf(host_, ui_->Edit5->text(), "Text program");
    if (!text) return;
    const content::CodedText coded = content::ProgramTextBytes(*text);
    if (coded.error == content::CodedText::Error::NotInteger) {
        host_.ConversionError(coded.message);
        return;
    }
    if (coded.error == content::CodedText::Error::TooLarge) {
        host_.MonitorLog("ERROR", coded.message, true);
        return;
    }
    ui_->EditPgmHex->setText(QString::fromStdString(protocol::HexText(coded.bytes)));
    const auto alias = content::GbkOf(host_, ui_->GroupBoxPgmEdit->title(), "Program alias");
    if (!alias) return;
    const auto signId = content::SignIdOf(host_);
    if (!signId) return;

    content::InstOptions o;
    o.signId = *signId;
    o.alias = *alias;
    o.text = coded.bytes;
    o.programType = ui_->CBSubCommand->currentIndex();
    if (o.programType == 1) host_.Inform(" Send the hiding program! ");
    if (o.programType == 2) host_.Inform(" Append to the program! ");
    const auto startFileId = content::NumberOf(host_, ui_->ComboBoxFileId->currentText());
    if (!startFileId) return;
    o.startFileId = static_cast<std::uint16_t>(*startFileId & 0xFFFF);
    const std::string seconds = ui_->ComboBox_Seconds->currentText().toStdString();
    const auto secondsValue = content::SecondsValue(seconds);
    if (!secondsValue) {
        host_.ConversionError(fields::NotIntegerMessage(seconds));
        return;
    }
    o.seconds = *secondsValue;
    o.colour = ui_->ComboBox_Color->currentIndex();

    // Font codes are read from setup.cfg each time, by the boxes' positions.
    const platform::Profile settings = host_.Settings();
    o.asciiFont = fields::FontCode(settings, fields::FontKind::Ascii, ui_->ComboBox_FontEng->currentIndex());
    o.asianFont = ui_->Label23->isChecked()
                      ? fields::FontCode(settings, fields::FontKind::Asian, ui_->ComboBox_FontChn->currentIndex())
                      : o.asciiFont;
    o.stay = ui_->ComboBox_Stay->currentIndex();
    o.action = ui_->ComboBox_Action->currentIndex();
    o.holdFlash = ui_->ComboBox_Action->currentIndex() >= 0 && ui_->ComboBox_Action->currentText() == "HOLD_FLASH";
    o.background = content::BackgroundByte(ui_->CBBackColor->currentText().toStdString());
    o.speed = ui_->ComboBox_Speed->currentIndex();
    content::ShowAndSend(host_, content::BuildInstFrame(o), 0);
}

void SendTextPage::suiButton23Click()
{
    content::InsertAtCaret(*ui_->Edit5,
                           QString::fromStdString(content::TimeFieldMarkup(ui_->ComboBox_Date->currentIndex())));
}

void SendTextPage::suiButton15Click()
{
    content::InsertAtCaret(
        *ui_->Edit5, QString::fromStdString(content::ProgramColourMarkup(ui_->ComboBox_Color2->currentIndex())));
}

void SendTextPage::BtnInsertRamVarClick()
{
    content::InsertAtCaret(*ui_->Edit5,
                           QString::fromStdString(content::RamVariableMarkup(ui_->CBRamVarID->currentIndex())));
}

void SendTextPage::BtnInsertFlashVarClick()
{
    content::InsertAtCaret(*ui_->Edit5,
                           QString::fromStdString(content::FlashVariableMarkup(ui_->CBFlashVarID->currentIndex())));
}

void SendTextPage::suiButton27Click()
{
    content::InsertAtCaret(
        *ui_->Edit5, QString::fromStdString(content::IconMarkup(ui_->CBFontTableNumEvent2->currentIndex())));
}

void SendTextPage::suiButton1Click()
{
    // DALL goes to every sign and is not shown in the protocol view.
    if (!host_.Confirm("Erase all program ???")) return;
    host_.SetHexData(content::kDallFrameText);
    host_.BtnSend1Click();
}
