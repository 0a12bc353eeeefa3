#include "bench/content/switch_file_id_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "bench/content/directory_frames.h"
#include "bench/content/page_controls.h"
#include "bench/content/play_frames.h"
#include "bench/fields/integer_field.h"
#include "bench/shell/bench_host.h"

using namespace content;

namespace {

constexpr int kAliasLayout = 0;
constexpr int kMaxListed = 1024;
const char* const kGridHeaders[] = {"No.", "Program Name", "File ID.", "Propety"};
const int kGridWidths[] = {20, 200, 80, 60};

// The number a file id box shows; nullopt (and the conversion box) without a choice.
std::optional<std::uint16_t> FileIdOf(shell::BenchHost& host, const QComboBox& box)
{
    const auto value = NumberOf(host, box.currentText());
    if (!value) return std::nullopt;
    return static_cast<std::uint16_t>(*value & 0xFFFF);
}

}  // namespace

SwitchFileIdPage::SwitchFileIdPage(shell::BenchHost& host, QWidget* parent) : QWidget(parent), host_(host)
{
    setObjectName("TabSheet_ProgramSelect");
    auto* page = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    page->addLayout(left, 1);
    page->addLayout(right, 1);

    auto* select = shell::NamedGroup(this, "Label13", "Select Running Program File(s) ");
    auto* selectGrid = new QGridLayout(select);
    CBPgmGroup = shell::NamedCombo(select, "CBPgmGroup", Items(GroupEntries()), "A");
    CBStartProgram = shell::NamedCombo(select, "CBStartProgram", Items(FileIdEntries()), "0");
    CBEndProgram = shell::NamedCombo(select, "CBEndProgram", Items(FileIdEntries()), "999");
    auto* all = shell::NamedButton(select, "suiButton17", "All");
    CheckInterrupt = shell::NamedCheck(select, "CheckInterrupt", "Break running program", true);
    selectGrid->addWidget(shell::NamedLabel(select, "Label2", "Program Group"), 0, 0);
    selectGrid->addWidget(CBPgmGroup, 0, 1);
    selectGrid->addWidget(shell::NamedLabel(select, "Label3", "Start File ID"), 1, 0);
    selectGrid->addWidget(CBStartProgram, 1, 1);
    selectGrid->addWidget(all, 1, 2);
    selectGrid->addWidget(shell::NamedLabel(select, "Label4", "End File ID"), 2, 0);
    selectGrid->addWidget(CBEndProgram, 2, 1);
    selectGrid->addWidget(CheckInterrupt, 3, 0, 1, 3);
    left->addWidget(select);

    auto* level1 = shell::NamedGroup(this, "GroupBoxLevel1", "Level 1. EVENT");
    auto* level1Row = new QHBoxLayout(level1);
    auto* event = shell::NamedButton(level1, "BtnEvent", "Event   (V394)");
    auto* quitEvent = shell::NamedButton(level1, "BtnQuitEvent", "Exit   (V394)");
    level1Row->addWidget(event);
    level1Row->addWidget(quitEvent);
    left->addWidget(level1);

    auto* level2 = shell::NamedGroup(this, "GroupBox11", "Level 2. PRAM (Ram Play Table )");
    auto* level2Grid = new QGridLayout(level2);
    auto* pramSwitch = shell::NamedButton(level2, "BtnCreatePlayList", "Switch Program by File ID");
    auto* pramExit = shell::NamedButton(level2, "BtnCreatePlayList1", "Exit to Normal Program");
    CBPgmLoops = shell::NamedCombo(level2, "CBPgmLoops", Items(LoopEntries()), "Loop Allways");
    CBPgmSeconds = shell::NamedCombo(level2, "CBPgmSeconds", Items(SecondEntries()), "All Time");
    level2Grid->addWidget(pramSwitch, 0, 0);
    level2Grid->addWidget(pramExit, 0, 1);
    level2Grid->addWidget(CBPgmLoops, 1, 0);
    level2Grid->addWidget(CBPgmSeconds, 1, 1);
    left->addWidget(level2);

    auto* level3 = shell::NamedGroup(this, "GroupBox8", "Level 3. PLAY (Flash Play Table )");
    auto* level3Row = new QHBoxLayout(level3);
    auto* playSwitch = shell::NamedButton(level3, "BtnCreatePlayFlashList", "Switch Program by File ID");
    auto* playExit = shell::NamedButton(level3, "BtnCreatePlayFlashList1", "Exit to Normal Program");
    level3Row->addWidget(playSwitch);
    level3Row->addWidget(playExit);
    left->addWidget(level3);
    left->addStretch(1);

    auto* listHead = new QHBoxLayout;
    listHead->addWidget(shell::NamedLabel(this, "LabelPgmList", "Program List:"));
    listHead->addStretch(1);
    CheckBoxVer393 = shell::NamedCheck(this, "CheckBoxVer393", "Use next ID", true);
    listHead->addWidget(CheckBoxVer393);
    auto* getAlias = shell::NamedButton(this, "BtnGetAlias", "ALAS: Get Program Alias");
    listHead->addWidget(getAlias);
    right->addLayout(listHead);
    StringGrid1 = new QTableWidget(this);
    StringGrid1->setObjectName("StringGrid1");
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ResetGrid();
    right->addWidget(StringGrid1, 1);

    auto* running = shell::NamedGroup(this, "GroupBoxGetAlias", "Get Running Alias");
    auto* runningGrid = new QGridLayout(running);
    auto* getRunning = shell::NamedButton(running, "BtnGetCurrentRunningAlias", "ALAS: Get Runing PGM id");
    Edit1 = shell::NamedEdit(running, "Edit1", "");
    Edit2 = shell::NamedEdit(running, "Edit2", "");
    CheckHide = shell::NamedCheck(running, "CheckHide", "Hide?", false);
    auto* delete_ = shell::NamedButton(running, "BtnDelePgm", "DELP: Delete PGM");
    runningGrid->addWidget(shell::NamedLabel(running, "LabelAlias", "Program:                ID: "), 0, 0, 1,
                           3);
    runningGrid->addWidget(Edit1, 1, 0);
    runningGrid->addWidget(Edit2, 1, 1);
    runningGrid->addWidget(CheckHide, 1, 2);
    runningGrid->addWidget(getRunning, 2, 0);
    runningGrid->addWidget(delete_, 2, 1, 1, 2);
    right->addWidget(running);

    auto* getx = shell::NamedGroup(this, "GroupBox12", "GETX  ( Get empty id automatic )");
    auto* getxRow = new QHBoxLayout(getx);
    EditStart = shell::NamedEdit(getx, "EditStart", "200");
    ComboBoxScale = shell::NamedCombo(getx, "ComboBoxScale", Items(ScaleEntries()), "10");
    auto* getEmpty = shell::NamedButton(getx, "suiButton16", "Get Empty Pgm ID");
    EditGetx = shell::NamedEdit(getx, "EditGetx", "");
    getxRow->addWidget(shell::NamedLabel(getx, "LabelGetxStart", "Start:"));
    getxRow->addWidget(EditStart);
    getxRow->addWidget(ComboBoxScale);
    getxRow->addWidget(getEmpty);
    getxRow->addWidget(EditGetx);
    right->addWidget(getx);

    connect(all, &QPushButton::clicked, this, &SwitchFileIdPage::suiButton17Click);
    connect(pramSwitch, &QPushButton::clicked, this, &SwitchFileIdPage::BtnCreatePlayListClick);
    connect(pramExit, &QPushButton::clicked, this, &SwitchFileIdPage::BtnCreatePlayList1Click);
    connect(playSwitch, &QPushButton::clicked, this, &SwitchFileIdPage::BtnCreatePlayFlashListClick);
    connect(playExit, &QPushButton::clicked, this, &SwitchFileIdPage::BtnCreatePlayFlashList1Click);
    connect(getAlias, &QPushButton::clicked, this, &SwitchFileIdPage::BtnGetAliasClick);
    connect(StringGrid1, &QTableWidget::cellClicked, this, &SwitchFileIdPage::StringGrid1Click);
    connect(getRunning, &QPushButton::clicked, this, &SwitchFileIdPage::BtnGetCurrentRunningAliasClick);
    connect(getEmpty, &QPushButton::clicked, this, &SwitchFileIdPage::suiButton16Click);
    connect(delete_, &QPushButton::clicked, this, &SwitchFileIdPage::BtnDelePgmClick);
    connect(event, &QPushButton::clicked, this, &SwitchFileIdPage::BtnEventClick);
    connect(quitEvent, &QPushButton::clicked, this, &SwitchFileIdPage::BtnQuitEventClick);
}

void SwitchFileIdPage::ResetGrid()
{
    const QSignalBlocker blocker(StringGrid1);
    StringGrid1->clear();
    StringGrid1->setColumnCount(4);
    StringGrid1->setRowCount(2);
    for (int column = 0; column < 4; ++column) {
        StringGrid1->setColumnWidth(column, kGridWidths[column]);
        StringGrid1->setItem(0, column, new QTableWidgetItem(kGridHeaders[column]));
        StringGrid1->setItem(1, column, new QTableWidgetItem(QString()));
    }
}

void SwitchFileIdPage::suiButton17Click()
{
    CBStartProgram->setCurrentIndex(CBStartProgram->findText("0"));
    CBEndProgram->setCurrentIndex(CBEndProgram->findText("800"));
}

void SwitchFileIdPage::SendPlayTable(bool enter, bool flash)
{
    const auto signId = SignIdOf(host_);
    if (!signId) return;
    const auto start = FileIdOf(host_, *CBStartProgram);
    if (!start) return;
    const auto end = FileIdOf(host_, *CBEndProgram);
    if (!end) return;
    PlayTableOptions o;
    o.signId = *signId;
    o.enter = enter;
    o.flash = flash;
    o.breakRunning = CheckInterrupt->isChecked();
    o.start = *start;
    o.end = *end;
    const QString group = CBPgmGroup->currentText();
    o.group = group.isEmpty() ? 0xFF : static_cast<std::uint8_t>(group.at(0).toLatin1());
    o.loops = CBPgmLoops->currentIndex();
    o.seconds = CBPgmSeconds->currentIndex();
    ShowAndSend(host_, BuildPlayTableFrame(o), PlayTableLayout(flash));
}

void SwitchFileIdPage::BtnCreatePlayListClick() { SendPlayTable(true, false); }

void SwitchFileIdPage::BtnCreatePlayList1Click() { SendPlayTable(false, false); }

void SwitchFileIdPage::BtnCreatePlayFlashListClick() { SendPlayTable(true, true); }

void SwitchFileIdPage::BtnCreatePlayFlashList1Click() { SendPlayTable(false, true); }

void SwitchFileIdPage::BtnGetAliasClick()
{
    ResetGrid();
    const auto signId = SignIdOf(host_);
    if (!signId) return;
    const bool useNextId = CheckBoxVer393->isChecked();
    std::uint16_t startId = 0;
    // Asks for the next program until the sign has none left or does not answer; a
    // sign that keeps answering ends the listing after one row per file id.
    for (int listed = 0; listed < kMaxListed; ++listed) {
        const int result = ShowAndExchange(
            host_, BuildAliasFrame(*signId, ListingRequest(useNextId, listed, startId)), kAliasLayout);
        const AliasReply reply = DecodeAliasReply(host_.Reply().bytes, result);
        if (reply.state != ReplyState::Ok) break;
        if (useNextId && listed > 0 && reply.fileId < startId) break;  // a sign that starts over
        const int row = listed + 1;
        StringGrid1->setRowCount(row + 1);
        StringGrid1->setItem(row, 0, new QTableWidgetItem(QString::number(row)));
        StringGrid1->setItem(row, 1, new QTableWidgetItem(TextOfGbk(reply.name)));
        StringGrid1->setItem(row, 2, new QTableWidgetItem(QString::number(reply.fileId)));
        StringGrid1->setItem(row, 3, new QTableWidgetItem(reply.hidden ? "Hide" : ""));
        if (reply.fileId == 0xFFFF) break;  // no id beyond it to ask from
        startId = static_cast<std::uint16_t>(reply.fileId + 1);
    }
}

void SwitchFileIdPage::StringGrid1Click()
{
    const int row = StringGrid1->currentRow();
    const QTableWidgetItem* cell = row >= 0 ? StringGrid1->item(row, 2) : nullptr;
    const QString fileId = cell ? cell->text() : QString();
    CBStartProgram->setCurrentIndex(CBStartProgram->findText(fileId, Qt::MatchExactly));
    CBEndProgram->setCurrentIndex(CBEndProgram->findText(fileId, Qt::MatchExactly));
}

void SwitchFileIdPage::ShowAliasReply(int result)
{
    const AliasReply reply = DecodeAliasReply(host_.Reply().bytes, result);
    if (reply.state == ReplyState::NoReply) return;
    if (reply.state == ReplyState::Ok) {
        Edit1->setText(TextOfGbk(reply.name));
        Edit2->setText(QString::number(reply.fileId));
        CheckHide->setChecked(reply.hidden);
    } else {
        Edit1->setText("None");
        Edit2->setText("None");
        CheckHide->setChecked(false);
    }
}

void SwitchFileIdPage::BtnGetCurrentRunningAliasClick()
{
    const auto signId = SignIdOf(host_);
    if (!signId) return;
    ShowAliasReply(ShowAndExchange(host_, BuildAliasFrame(*signId, AliasRequest{}), kAliasLayout));
}

void SwitchFileIdPage::suiButton16Click()
{
    const auto signId = SignIdOf(host_);
    if (!signId) return;
    const auto start = NumberOf(host_, EditStart->text());
    if (!start) return;
    const auto scale = fields::ParseIntegerField(ComboBoxScale->currentText().toStdString(), fields::LeadingBlanks::Refuse).value.value_or(0);
    const int result = ShowAndExchange(host_,
                                       BuildGetxFrame(*signId, static_cast<std::uint8_t>(scale),
                                                      static_cast<std::uint16_t>(*start & 0xFFFF)),
                                       kAliasLayout);
    const GetxReply reply = DecodeGetxReply(host_.Reply().bytes, result);
    if (reply.state == ReplyState::Ok) {
        EditGetx->setText(QString::number(reply.fileId));
    } else if (reply.state == ReplyState::BadStatus) {
        EditGetx->setText("None");
    }
}

void SwitchFileIdPage::BtnDelePgmClick()
{
    const auto signId = SignIdOf(host_);
    if (!signId) return;
    const auto fileId = FileIdOf(host_, *CBStartProgram);
    if (!fileId) return;
    ShowAliasReply(ShowAndExchange(host_, BuildDelpFrame(*signId, *fileId), kAliasLayout));
}
