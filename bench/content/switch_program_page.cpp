#include "bench/content/switch_program_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "bench/content/page_controls.h"
#include "bench/content/play_frames.h"
#include "bench/shell/bench_host.h"

using namespace content;

SwitchProgramPage::SwitchProgramPage(shell::BenchHost& host, QWidget* parent) : QWidget(parent), host_(host)
{
    setObjectName("TabSheet_Program2");
    auto* page = new QVBoxLayout(this);
    page->addWidget(shell::NamedLabel(this, "LabelProgramSwitch", "Select Running Program Order"));
    auto* columns = new QHBoxLayout;
    page->addLayout(columns);

    auto* single = shell::NamedGroup(this, "GroupBoxProgramSwitch", " Program Running Select  (PRAM)");
    auto* singleGrid = new QGridLayout(single);
    // The slot of each button by its number; button k (suiButton3 ... suiButton11)
    // selects program k - 2.
    void (SwitchProgramPage::*const handlers[])() = {
        &SwitchProgramPage::suiButton3Click, &SwitchProgramPage::suiButton4Click,
        &SwitchProgramPage::suiButton5Click, &SwitchProgramPage::suiButton6Click,
        &SwitchProgramPage::suiButton7Click, &SwitchProgramPage::suiButton8Click,
        &SwitchProgramPage::suiButton9Click, &SwitchProgramPage::suiButton10Click,
        &SwitchProgramPage::suiButton11Click};
    for (int k = 1; k <= 9; ++k) {
        const QByteArray name = "suiButton" + QByteArray::number(k + 2);
        auto* button = shell::NamedButton(single, name.constData(), QString("PRAM: Program %1").arg(k));
        singleGrid->addWidget(button, (k - 1) / 3, (k - 1) % 3);
        connect(button, &QPushButton::clicked, this, handlers[k - 1]);
    }
    auto* all = shell::NamedButton(single, "suiButton12", "PRAM: Program 1-9");
    singleGrid->addWidget(all, 3, 0, 1, 3);
    connect(all, &QPushButton::clicked, this, &SwitchProgramPage::suiButton12Click);
    columns->addWidget(single, 1);

    auto* right = new QVBoxLayout;
    columns->addLayout(right, 1);
    auto* multi = shell::NamedGroup(this, "GroupBox3", "Program Multi Select (PRAM)");
    auto* multiGrid = new QGridLayout(multi);
    CBProgramStart = shell::NamedCombo(multi, "CBProgramStart", Items(ProgramNumberEntries()), "1");
    CBProgramEnd = shell::NamedCombo(multi, "CBProgramEnd", Items(ProgramNumberEntries()), "1");
    auto* range = shell::NamedButton(multi, "BtnSendMultiProgram", "PRAM: Select Ranger");
    multiGrid->addWidget(shell::NamedLabel(multi, "Label16", "Start: "), 0, 0);
    multiGrid->addWidget(CBProgramStart, 0, 1);
    multiGrid->addWidget(shell::NamedLabel(multi, "Label17", "End:"), 0, 2);
    multiGrid->addWidget(CBProgramEnd, 0, 3);
    multiGrid->addWidget(range, 1, 0, 1, 4);
    connect(range, &QPushButton::clicked, this, &SwitchProgramPage::BtnSendMultiProgramClick);
    right->addWidget(multi);

    auto* options = new QGridLayout;
    CBPgmLoops1 = shell::NamedCombo(this, "CBPgmLoops1", Items(TimesEntries()), "0");
    CBPgmSeconds1 = shell::NamedCombo(this, "CBPgmSeconds1", Items(ShortSecondEntries()), "0 S");
    options->addWidget(shell::NamedLabel(this, "LabelPgmTimes", "Times"), 0, 0);
    options->addWidget(CBPgmLoops1, 0, 1);
    options->addWidget(shell::NamedLabel(this, "LabelPgmSeconds", "Seconds"), 0, 2);
    options->addWidget(CBPgmSeconds1, 0, 3);
    right->addLayout(options);
    auto* quit = shell::NamedButton(this, "BtnSendProgramSwitch", "PRAM: Quit Selected");
    connect(quit, &QPushButton::clicked, this, &SwitchProgramPage::BtnSendProgramSwitchClick);
    right->addWidget(quit);
    right->addStretch(1);

    auto* memo = new QPlainTextEdit("MESG 7E 01 FE FE 00 06 4D 45 53 47 00 00 FF FF 7E 00 ", this);
    memo->setObjectName("Memo2");
    memo->setMaximumHeight(60);
    page->addWidget(memo);
    page->addStretch(1);
}

void SwitchProgramPage::BtnSendMultiProgramClick()
{
    SendProgramSelect(true, CBProgramStart->currentIndex() + 1, CBProgramEnd->currentIndex() + 1);
}

void SwitchProgramPage::SendProgramSelect(bool select, int first, int last)
{
    const auto signId = SignIdOf(host_);
    if (!signId) return;
    ProgramSelectOptions o;
    o.signId = *signId;
    o.select = select;
    o.first = first;
    o.last = last;
    o.loops = CBPgmLoops1->currentIndex();
    o.seconds = CBPgmSeconds1->currentIndex();
    ShowAndSend(host_, BuildProgramSelectFrame(o), select ? kLayoutProgramSelect : kLayoutProgramQuit);
}
