#include "bench/content/send_text_page.h"

#include <QSignalBlocker>
#include <QStyle>

#include "bench/shell/bench_host.h"
#include "bench/shell/script_lists.h"
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

// The INST frame and the inserts are built by the content commands; until they land
// the hex form is not computed and the text is stored as typed.
bool SendTextPage::TextToProgramHex()
{
    return true;
}

void SendTextPage::BtnSendOtxtClick() {}
void SendTextPage::suiButton23Click() {}
void SendTextPage::suiButton15Click() {}
void SendTextPage::BtnInsertRamVarClick() {}
void SendTextPage::BtnInsertFlashVarClick() {}
void SendTextPage::suiButton27Click() {}
void SendTextPage::suiButton1Click() {}
