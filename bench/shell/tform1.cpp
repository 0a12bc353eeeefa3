#include "bench/shell/tform1.h"

#include <QApplication>
#include <QCoreApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <stdexcept>

#include "bench/content/program_scripts.h"
#include "bench/content/send_text_page.h"
#include "bench/content/switch_file_id_page.h"
#include "bench/content/switch_program_page.h"
#include "bench/content/variable_page.h"
#include "bench/device/setup_page.h"
#include "bench/events/event_page.h"
#include "bench/fields/integer_field.h"
#include "bench/fonts/font_page.h"
#include "bench/images/make_xbmp_page.h"
#include "bench/images/send_image_page.h"
#include "bench/links/ping_report.h"
#include "bench/links/port_probe.h"
#include "bench/links/send_path.h"
#include "bench/shell/chinese_captions.h"
#include "bench/shell/click_label.h"
#include "bench/shell/control_text.h"
#include "bench/shell/dialog_filter.h"
#include "bench/shell/link_settings.h"
#include "bench/shell/monitor_keeper.h"
#include "bench/shell/named_controls.h"
#include "bench/shell/script_lists.h"
#include "bench/shell/tcp_target.h"
#include "bench/shell/transfer_dialog.h"
#include "platform/profile.h"
#include "platform/serial_port_map.h"
#include "protocol/frame_layout.h"

namespace shell {

namespace {

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

// A list filled at start: items, then the chosen one. Not an operator's change.
void Fill(QComboBox* box, const QStringList& items, const QString& selected)
{
    if (!box) {
        return;
    }
    const QSignalBlocker blocker(box);
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(box->findText(selected));
}

struct GridSetup {
    const char* name;
    std::vector<int> widths;
    std::vector<const char*> headers;
};

}  // namespace

TForm1::TForm1(std::string homeFolder, QWidget* parent)
    : QWidget(parent),
      home_(std::move(homeFolder)),
      // Input waits until the exchange ends, so no handler starts while one waits.
      session_(*this, [](const std::function<bool()>& poll) {
          while (!poll()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
      })
{
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("K77T05 Sign Protocol Bench " SIGNBENCH_VERSION));
    QFont font("Arial");
    font.setPixelSize(12);
    setFont(font);
    resize(1314, 712);
    BuildWindow();
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::BuildWindow()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);

    PanelMain = Named(new QFrame(this), "PanelMain");
    auto* top = new QHBoxLayout(PanelMain);
    top->setContentsMargins(4, 0, 4, 0);
    Label27 = Named(new ClickLabel("&English", PanelMain), "Label27");
    Label31 = Named(new ClickLabel("&Chinese", PanelMain), "Label31");
    top->addStretch(1);
    top->addWidget(Label27);
    top->addSpacing(16);
    top->addWidget(Label31);
    layout->addWidget(PanelMain);
    connect(Label27, &ClickLabel::clicked, this, &TForm1::Label27Click);
    connect(Label31, &ClickLabel::clicked, this, &TForm1::Label31Click);

    PageControl1 = Named(new QTabWidget(), "PageControl1");
    BenchHost& host = *this;
    // Each page scrolls inside its own tab, so a page taller than the window keeps
    // the tab bar in view and the window stays at 1314 x 712.
    const auto addPage = [this](QWidget* page, const char* caption) {
        auto* scroll = new QScrollArea;
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(page);
        PageControl1->addTab(scroll, caption);
    };
    addPage(new SwitchFileIdPage(host), "Switch File ID");
    sendTextPage_ = new SendTextPage(host);
    addPage(sendTextPage_, "Send Text");
    auto* makeXbmp = new MakeXbmpPage(host);
    auto* sendImage = new SendImagePage(host);
    connect(makeXbmp, &MakeXbmpPage::ObmpSaved, sendImage, &SendImagePage::SetImageFile);
    addPage(makeXbmp, "Make XBmp");
    addPage(sendImage, "Send Image");
    addPage(new SwitchProgramPage(host), "Switch Program");
    addPage(new VariablePage(host), "Variable");
    addPage(new SetupPage(host), "Setup");
    addPage(new EventPage(host), "Event Cmd");
    addPage(new FontPage(host), "Font");
    layout->addWidget(PageControl1, 1);

    PanelBottom = Named(new QFrame(this), "PanelBottom");
    auto* bottom = new QHBoxLayout(PanelBottom);
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->addWidget(BuildProtocolView(), 5);
    bottom->addWidget(BuildLinkArea(), 0);
    bottom->addWidget(BuildMonitor(), 6);
    PanelBottom->setFixedHeight(220);
    layout->addWidget(PanelBottom);
}

QWidget* TForm1::BuildProtocolView()
{
    GroupBoxProtocol = Named(new QGroupBox("Protocol Data ", PanelBottom), "GroupBoxProtocol");
    auto* box = new QVBoxLayout(GroupBoxProtocol);
    Memo1 = Named(new QPlainTextEdit(GroupBoxProtocol), "Memo1");
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->addWidget(Memo1);
    EditHexData = Named(new QLineEdit(GroupBoxProtocol), "EditHexData");
    EditHexData->setReadOnly(true);
    EditHexData->setEnabled(false);
    EditHexData->setVisible(false);
    box->addWidget(EditHexData);
    return GroupBoxProtocol;
}

QWidget* TForm1::BuildLinkArea()
{
    auto* area = new QWidget(PanelBottom);
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);

    RadioGroupCommu = Named(new QGroupBox("Commu Option", area), "RadioGroupCommu");
    auto* radios = new QHBoxLayout(RadioGroupCommu);
    radioGroupCommuButtons_ = new QButtonGroup(RadioGroupCommu);
    const char* links[] = {"RS232", "TCP/IP"};
    for (int i = 0; i < 2; ++i) {
        auto* item = new QRadioButton(links[i], RadioGroupCommu);
        item->setObjectName(QString("RadioGroupCommu_%1").arg(i));
        radioGroupCommuButtons_->addButton(item, i);
        radios->addWidget(item);
    }
    radioGroupCommuButtons_->button(0)->setChecked(true);
    connect(radioGroupCommuButtons_, &QButtonGroup::idClicked, this, [this] { RadioGroupCommuClick(); });
    column->addWidget(RadioGroupCommu);

    PanelRs232 = Named(new QFrame(area), "PanelRs232");
    auto* rs232 = new QVBoxLayout(PanelRs232);
    rs232->setContentsMargins(0, 0, 0, 0);
    GroupBoxCommuPara = Named(new QGroupBox("Commu Port", PanelRs232), "GroupBoxCommuPara");
    auto* grid = new QGridLayout(GroupBoxCommuPara);
    CBComPort1 = Named(new QComboBox(GroupBoxCommuPara), "CBComPort1");
    CBComPort1->addItems(NumberItems(1, 30, 1, "COM"));
    CBComBaud1 = Named(new QComboBox(GroupBoxCommuPara), "CBComBaud1");
    CBComBaud1->addItems({"9600", "19200", "38400", "57600", "115200", "230400", "460800", "921600"});
    CBComBaud1->setCurrentIndex(3);
    ComboBox9 = Named(new QComboBox(GroupBoxCommuPara), "ComboBox9");
    ComboBox9->addItems({"1000", "2000", "3000"});
    EditSignEdit = Named(new QLineEdit("65278", GroupBoxCommuPara), "EditSignEdit");
    Label12 = Named(new ClickLabel("Sign ID:", GroupBoxCommuPara), "Label12");
    Label12->setStyleSheet("color: teal; text-decoration: underline;");
    BtnFindPort = Named(new QPushButton("Find", GroupBoxCommuPara), "BtnFindPort");
    auto* findComPort = Named(new QPushButton("Find Com", GroupBoxCommuPara), "BtnFindComPort");
    auto* autoSend = Named(new QPushButton("Auto Find", GroupBoxCommuPara), "BtnAutoSend");
    findComPort->setVisible(false);
    autoSend->setVisible(false);
    connect(BtnFindPort, &QPushButton::clicked, this, &TForm1::BtnFindPortClick);
    connect(findComPort, &QPushButton::clicked, this, &TForm1::BtnFindComPortClick);
    connect(autoSend, &QPushButton::clicked, this, &TForm1::BtnAutoSendClick);
    grid->addWidget(new QLabel("Port:", GroupBoxCommuPara), 0, 0);
    grid->addWidget(CBComPort1, 0, 1);
    grid->addWidget(BtnFindPort, 0, 2);
    grid->addWidget(new QLabel("Baud:", GroupBoxCommuPara), 1, 0);
    grid->addWidget(CBComBaud1, 1, 1);
    grid->addWidget(new QLabel("Time:", GroupBoxCommuPara), 2, 0);
    grid->addWidget(ComboBox9, 2, 1);
    grid->addWidget(Label12, 3, 0);
    grid->addWidget(EditSignEdit, 3, 1);
    rs232->addWidget(GroupBoxCommuPara);
    column->addWidget(PanelRs232);
    connect(CBComPort1, &QComboBox::activated, this, &TForm1::CBComPort1Change);
    connect(Label12, &ClickLabel::clicked, this, &TForm1::Label12Click);

    PanelTcpip = Named(new QFrame(area), "PanelTcpip");
    auto* tcpip = new QVBoxLayout(PanelTcpip);
    tcpip->setContentsMargins(0, 0, 0, 0);
    auto* ipGroup = Named(new QGroupBox("IP Address", PanelTcpip), "GroupBoxTcpip");
    auto* ipGrid = new QGridLayout(ipGroup);
    EditTcpip = Named(new QLineEdit("192.168.1.250", ipGroup), "EditTcpip");
    ipGrid->addWidget(EditTcpip, 0, 0, 1, 2);
    auto* ping = Named(new QPushButton("Ping", ipGroup), "BtnIcmpPing");
    auto* wifi = Named(new QPushButton("WIFI", ipGroup), "Button5");
    ipGrid->addWidget(ping, 1, 0);
    ipGrid->addWidget(wifi, 1, 1);
    connect(ping, &QPushButton::clicked, this, &TForm1::BtnIcmpPingClick);
    connect(wifi, &QPushButton::clicked, this, &TForm1::Button5Click);
    tcpip->addWidget(ipGroup);
    tcpip->addStretch(1);
    PanelTcpip->setVisible(false);
    column->addWidget(PanelTcpip);

    BtnSend1 = Named(new QPushButton("Send ", area), "BtnSend1");
    BtnSend1->setVisible(false);
    connect(BtnSend1, &QPushButton::clicked, this, [this] { BtnSend1Click(); });
    column->addWidget(BtnSend1);
    column->addStretch(1);
    area->setFixedWidth(230);
    return area;
}

QWidget* TForm1::BuildMonitor()
{
    auto* monitor = Named(new QFrame(PanelBottom), "PanelMonitor");
    auto* column = new QVBoxLayout(monitor);
    column->setContentsMargins(0, 0, 0, 0);
    auto* header = new QHBoxLayout();
    LabelCommuMonitor = Named(new QLabel("Communication Monitor", monitor), "LabelCommuMonitor");
    SpeedButton1 = Named(new QToolButton(monitor), "SpeedButton1");
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DialogResetButton));
    SpeedButton1->setToolTip("Clear");
    SpeedButton6 = Named(new QToolButton(monitor), "SpeedButton6");
    SpeedButton6->setAutoRaise(true);
    SpeedButton6->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    SpeedButton6->setToolTip("setup.cfg");
    Hide = Named(new QPushButton("Hide", monitor), "Hide");
    CheckBoxComment = Named(new QCheckBox("// Comment   Length=", monitor), "CheckBoxComment");
    CheckBoxComment->setVisible(false);
    ComboBoxLong = Named(new QComboBox(monitor), "ComboBoxLong");
    ComboBoxLong->setVisible(false);
    header->addWidget(LabelCommuMonitor);
    header->addWidget(SpeedButton1);
    header->addWidget(SpeedButton6);
    header->addStretch(1);
    header->addWidget(CheckBoxComment);
    header->addWidget(ComboBoxLong);
    header->addWidget(Hide);
    column->addLayout(header);
    MemoOut = Named(new QPlainTextEdit(monitor), "MemoOut");
    MemoOut->setReadOnly(true);
    MemoOut->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoOut->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoOut->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont courier("Courier New");
    courier.setStyleHint(QFont::Monospace);
    courier.setPixelSize(12);
    MemoOut->setFont(courier);
    MemoOut->setStyleSheet("color: navy;");
    column->addWidget(MemoOut, 1);
    monitorKeeper_ =
        new MonitorKeeper(*MemoOut, {*this, [this](const std::string& text) { ShowError(text); }}, monitor);
    header->insertWidget(3, monitorKeeper_);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    connect(SpeedButton6, &QToolButton::clicked, this, &TForm1::SpeedButton6Click);
    connect(Hide, &QPushButton::clicked, this, &TForm1::HideClick);
    return monitor;
}

void TForm1::FormCreate()
{
    CaptureEnglishCaptions();
    FillStartLists();
}

void TForm1::FillStartLists()
{
    // The variable page fills CBVarID for its chosen type itself.
    const QStringList fontTables = NumberItems(0, 127, 1, " No.");
    for (const char* name : {"CBFontTableNum", "CBFontTableNumEvent", "CBFontTableNumEvent2"}) {
        Fill(findChild<QComboBox*>(name), fontTables, " No.0");
    }
    QStringList letters;
    for (char c = 'A'; c <= 'Z'; ++c) {
        letters << QString(QChar(c));
    }
    Fill(findChild<QComboBox*>("CBPgmGroup"), letters, "A");
    Fill(ComboBoxLong, NumberItems(0, 25), "5");
    Fill(findChild<QComboBox*>("ComboBoxFileName"), NumberItems(0, 1000, 5), "200");
    Fill(findChild<QComboBox*>("CBStartProgram"), NumberItems(0, 1023), "0");
    Fill(findChild<QComboBox*>("CBEndProgram"), NumberItems(0, 1023), "999");
    Fill(findChild<QComboBox*>("CBProgramStart"), NumberItems(1, 9), "1");
    Fill(findChild<QComboBox*>("CBProgramEnd"), NumberItems(1, 9), "1");
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TForm1::FormShow()
{
    InvokePageSlot("TabSheet_StringFile", "EditVarStringChange");
    ShowTab(*sendTextPage_);
    const auto tabVisible = [](const char* pageName, QWidget& root, bool visible) {
        if (auto* page = root.findChild<QWidget*>(pageName)) {
            if (const auto tab = TabOf(*page)) {
                tab->tabs->setTabVisible(tab->index, visible);
            }
        }
    };
    tabVisible("TabEvent_Picture", *this, false);
    tabVisible("TabSheet_EasyPgm", *this, true);

    LoadScriptLists();
    ApplyLanguage();

    Fill(findChild<QComboBox*>("ComboBoxFileId"), NumberItems(0, 595, 5), "160");
    Fill(findChild<QComboBox*>("ComboBoxFileId1"), NumberItems(0, 595, 5), "200");
    if (auto* list = findChild<QListWidget*>("ListBoxPgm"); list && list->count() > 0) {
        const QSignalBlocker blocker(list);
        list->setCurrentRow(0);
        sendTextPage_->ListBoxPgmClick();
    }
    SetUpGrids();
    Fill(findChild<QComboBox*>("CBRamVarID"), NumberItems(0, 15, 1, "Ram Var "), "Ram Var 0");
    Fill(findChild<QComboBox*>("CBFlashVarID"), NumberItems(0, 127, 1, "Flash Var "), "Flash Var 0");
    LoadLinkSettings();

    if (auto* eventText = findChild<QWidget*>("TabEvent_Text")) {
        ShowTab(*eventText);
    }
    if (auto* start = findChild<QWidget*>("TabSheet_ProgramSelect")) {
        ShowTab(*start);
    }
    InvokePageSlot("TabSheet_Event", "RadioSendToWindowClick");
}

void TForm1::InvokePageSlot(const char* pageName, const char* slot)
{
    // Start-up steps that belong to a page run through its slot of that name, when
    // the page offers one.
    QWidget* page = findChild<QWidget*>(pageName);
    if (page && page->metaObject()->indexOfMethod(QByteArray(slot) + "()") >= 0) {
        QMetaObject::invokeMethod(page, slot);
    }
}

void TForm1::SetUpGrids()
{
    const std::vector<GridSetup> grids = {
        {"StringGrid1", {20, 200, 80, 60}, {"No.", "Program Name", "File ID.", "Propety"}},
        {"StringGridFont", {20, 80, 70, 70, 70}, {"No.", "Font ID", "Address", "Font Name", "Page256x8"}},
        {"StringGridWriteFont",
         {20, 55, 70, 25, 25, 60, 40, 50, 280, 70},
         {"No.", "FontId", "Font Name", "H", "W", "Bytes", "P-256", "Flash", "File Name", "Address"}},
    };
    for (const auto& setup : grids) {
        auto* grid = findChild<QTableWidget*>(setup.name);
        if (!grid) {
            continue;
        }
        const QSignalBlocker blocker(grid);
        grid->setColumnCount(static_cast<int>(setup.widths.size()));
        if (grid->rowCount() < 1) {
            grid->setRowCount(1);
        }
        for (int column = 0; column < static_cast<int>(setup.widths.size()); ++column) {
            grid->setColumnWidth(column, setup.widths[column]);
            grid->setItem(0, column, new QTableWidgetItem(QString::fromLatin1(setup.headers[column])));
        }
    }
}

void TForm1::CaptureEnglishCaptions()
{
    savedCaptions_ = CaptureCaptions(*this);
}

void TForm1::ApplyLanguage()
{
    const std::string language = Settings().ReadText(content::kProgramSection, content::kLanguageKey, "CN");
    const bool english = QString::fromStdString(language).toUpper() == "EN";
    if (english) {
        ApplyCaptions(*this, savedCaptions_);
    } else {
        ApplyCaptions(*this, ChineseCaptionTexts());
    }
}

void TForm1::LoadScriptLists()
{
    shell::LoadScriptLists(*this, Settings());
}

void TForm1::Label27Click()
{
    auto settings = Settings();
    if (!settings.Write(content::kProgramSection, content::kLanguageKey, "EN")) {
        ShowError("Cannot write " + settings.Path());
        return;
    }
    LoadScriptLists();
    ApplyLanguage();
}

void TForm1::Label31Click()
{
    auto settings = Settings();
    if (!settings.Write(content::kProgramSection, content::kLanguageKey, "CN")) {
        ShowError("Cannot write " + settings.Path());
        return;
    }
    LoadScriptLists();
    ApplyLanguage();
}

void TForm1::LoadLinkSettings()
{
    const auto settings = Settings();
    {
        const QSignalBlocker blocker(CBComPort1);
        const long long com = settings.ReadInt(kPortSection, kComKey, 0);
        if (com >= CBComPort1->count() && com < links::kHighestPortNumber) {
            OfferPortItem(static_cast<int>(com));
        }
        CBComPort1->setCurrentIndex(com >= 0 && com < CBComPort1->count() ? static_cast<int>(com) : -1);
    }
    // A radio group clamps its index to its items; a different item runs the handler.
    const long long stored = settings.ReadInt(kPortSection, kCommuTypeKey, 0);
    const int index = static_cast<int>(std::clamp<long long>(stored, -1, 1));
    if (index != RadioIndex(*RadioGroupCommu)) {
        SetRadioIndex(*RadioGroupCommu, index);
        RadioGroupCommuClick();
    }
}

void TForm1::WriteSetting(std::string_view section, std::string_view key, long long value)
{
    auto settings = Settings();
    if (!settings.WriteInt(section, key, value)) {
        ShowError("Cannot write " + settings.Path());
    }
}

void TForm1::SaveComPortSetting()
{
    WriteSetting(kPortSection, kComKey, CBComPort1->currentIndex());
}

// The list offers COM1 to COM30; a port found or stored above them extends it, so
// that item n-1 stays COM<n> for the send path and for [PORT] COM.
void TForm1::OfferPortItem(int index)
{
    const QSignalBlocker blocker(CBComPort1);
    for (int n = CBComPort1->count() + 1; n <= index + 1; ++n) {
        CBComPort1->addItem("COM" + QString::number(n));
    }
}

void TForm1::BtnFindComPortClick()
{
    auto settings = Settings();
    const links::PortScanRun run = links::RunPortScan(portSource_, settings);
    PortCount = 0;
    for (const links::ScannedPort& port : run.scan.ports) {
        PortNames[static_cast<std::size_t>(PortCount)] = port.name;
        PortNumbers[static_cast<std::size_t>(PortCount)] = port.number;
        ++PortCount;
    }
    links::LogPortScan(*this, run.scan.ports);
    if (!run.error.empty()) {
        ShowError(run.error);
    }
}

void TForm1::BtnFindPortClick()
{
    SetHexData(links::kNoneProbeText);
    BtnAutoSendClick();
}

void TForm1::BtnAutoSendClick()
{
    BtnFindComPortClick();
    const int baud = CBComBaud1->currentText().toInt();
    SetStatusText("Sending...");
    if (auto* label = findChild<QLabel*>("LabelMsg")) {
        label->repaint();
    }
    std::vector<links::ScannedPort> ports;
    for (int i = 0; i < PortCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        ports.push_back({PortNames[at], PortNumbers[at], {}});
    }
    const links::ProbeResult result =
        links::ProbePorts(ports, [this, baud](int port) { return SendFrameTextOn(port, baud); });
    if (!result.found) {
        Warn(links::ProbeFailureText(result));
        return;
    }
    const int number = result.found->number;
    SetStatusText(links::ProbeSuccessText(number));
    OfferPortItem(number - 1);
    CBComPort1->setCurrentIndex(number - 1);
    SaveComPortSetting();
}

void TForm1::BtnIcmpPingClick()
{
    // A ":PORT" suffix names a virtual sign's TCP port; the echo goes to the address.
    const std::string host = ParseTcpTarget(EditTcpip->text().toStdString()).address;
    links::PingAndLog(*this, host, 5000);
}

void TForm1::Button5Click() { EditTcpip->setText("192.168.4.1"); }

void TForm1::CBComPort1Change()
{
    SaveComPortSetting();
}

void TForm1::RadioGroupCommuClick()
{
    const int index = RadioIndex(*RadioGroupCommu);
    PanelRs232->setVisible(index == 0);
    PanelTcpip->setVisible(index != 0);
    WriteSetting(kPortSection, kCommuTypeKey, index);
}

void TForm1::Label12Click()
{
    const QString text = EditSignEdit->text();
    // The label reads the id with blanks at both ends allowed; the message names it as typed.
    const fields::IntegerField field = fields::ParseIntegerField(text.trimmed().toStdString());
    if (!field.value) {
        ConversionError(fields::NotIntegerMessage(text.toStdString()));
        return;
    }
    const int n = *field.value;
    if (n < 9) {
        EditSignEdit->setText(QString::number(n + 1));
    } else if (text == "65278") {
        EditSignEdit->setText("1");
    } else {
        EditSignEdit->setText("65278");
    }
}

void TForm1::HideClick()
{
    const bool show = MemoOut->isHidden();
    Memo1->setVisible(show);
    MemoOut->setVisible(show);
}

void TForm1::SpeedButton1Click()
{
    MemoOut->clear();
}

void TForm1::SpeedButton6Click()
{
    const std::string path = Settings().Path();
    if (!OpenWithDesktop(path)) {
        Warn("Cannot open " + path);
    }
}

std::string TForm1::SignIdText() const
{
    return EditSignEdit->text().toStdString();
}

void TForm1::SetHexData(const std::string& frameText)
{
    EditHexData->setText(Q(frameText));
}

std::string TForm1::HexData() const
{
    return EditHexData->text().toStdString();
}

void TForm1::ShowFrameLayout(int layout)
{
    const int width = std::max(0, ComboBoxLong->currentIndex());
    Memo1->setPlainText(Q(protocol::ShowFrameLayout(HexData(), layout, CheckBoxComment->isChecked(), width)));
}

void TForm1::BtnSend1Click()
{
    const int port = CBComPort1->currentIndex() + 1;
    const int baud = CBComBaud1->currentText().toInt();
    SetStatusText("");
    SendFrameTextOn(port, baud);
}

int TForm1::SendFrameText()
{
    return SendFrameTextOn(CBComPort1->currentIndex() + 1, CBComBaud1->currentText().toInt());
}

int TForm1::SendFrameTextOn(int port, int baudRate)
{
    links::SendRequest request = LinkRequest(port, baudRate);
    request.frameText = HexData();
    return session_.SendFrameText(request);
}

int TForm1::ExchangeBytes(std::span<const std::uint8_t> wire, bool log)
{
    const links::SendRequest request = LinkRequest(CBComPort1->currentIndex() + 1, CBComBaud1->currentText().toInt());
    return session_.ExchangeBytes(request, wire, log);
}

links::SendRequest TForm1::LinkRequest(int port, int baudRate) const
{
    links::SendRequest request;
    request.link = RadioIndex(*RadioGroupCommu) == 0 ? links::Link::Rs232 : links::Link::Tcpip;
    request.serial.port = port;
    request.serial.device = platform::SerialDeviceForPort(Settings(), port);
    request.serial.baudRate = baudRate;
    bool ok = false;
    const int timeout = ComboBox9->currentText().toInt(&ok);
    request.serial.timeoutMs = ok ? timeout : 1000;
    const TcpTarget target = ParseTcpTarget(EditTcpip->text().trimmed().toStdString());
    request.tcp.address = target.address;
    request.tcp.port = target.port;
    return request;
}

void TForm1::MonitorLog(const std::string& tag, const std::string& text, bool separator)
{
    links::MonitorLog(*this, tag, text, separator);
}

void TForm1::AppendLine(const std::string& line)
{
    MemoOut->appendPlainText(monitorKeeper_->Shown(line));
    if (batch_) {
        batch_->print(line);
    }
}

void TForm1::SetStatusText(const std::string& text)
{
    if (auto* label = findChild<QLabel*>("LabelMsg")) {
        label->setText(Q(text));
    }
}

platform::Profile TForm1::Settings() const
{
    return platform::Profile(home_ + "/setup.cfg");
}

void TForm1::ShowBox(const std::string& kind, const std::string& text)
{
    if (batch_) {
        batch_->print("[BOX] " + EscapeLineBreaks(text));
        return;
    }
    if (kind == "error") {
        QMessageBox::critical(this, "Error", Q(text));
    } else if (kind == "warning") {
        QMessageBox::warning(this, "Warning", Q(text));
    } else {
        QMessageBox::information(this, "Information", Q(text));
    }
}

bool TForm1::Confirm(const std::string& text)
{
    if (batch_) {
        batch_->print("[BOX] " + EscapeLineBreaks(text));
        if (batch_->confirmAnswers.empty()) {
            return true;
        }
        const bool answer = batch_->confirmAnswers.front();
        batch_->confirmAnswers.pop_front();
        return answer;
    }
    return QMessageBox::warning(this, "Confirm", Q(text), QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void TForm1::Inform(const std::string& text)
{
    ShowBox("information", text);
}

void TForm1::Warn(const std::string& text)
{
    ShowBox("warning", text);
}

void TForm1::ConversionError(const std::string& text)
{
    ShowBox("error", text);
}

void TForm1::ShowError(const std::string& text)
{
    ShowBox("error", text);
}

std::string TForm1::NextFileAnswer()
{
    if (batch_->fileAnswers.empty()) {
        return {};
    }
    std::string path = batch_->fileAnswers.front();
    batch_->fileAnswers.pop_front();
    return path;
}

std::string TForm1::OpenFileName(const std::string& title, const std::string& filter)
{
    return OpenFileNameIn(title, filter, home_);
}

std::string TForm1::OpenFileNameIn(const std::string& title, const std::string& filter, const std::string& folder)
{
    if (batch_) {
        return NextFileAnswer();
    }
    return QFileDialog::getOpenFileName(this, Q(title), Q(folder), Q(DialogFilter(filter))).toStdString();
}

std::string TForm1::SaveFileName(const std::string& title, const std::string& filter, const std::string& folder,
                                 const std::string& name)
{
    if (batch_) {
        return NextFileAnswer();
    }
    return QFileDialog::getSaveFileName(this, Q(title), Q(folder + "/" + name), Q(DialogFilter(filter)))
        .toStdString();
}

bool TForm1::OpenWithDesktop(const std::string& path)
{
    if (batch_) {
        batch_->print("[OPEN] " + path);
        return true;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(Q(path)));
}

void TForm1::ProcessEvents()
{
    QCoreApplication::processEvents();
}

std::unique_ptr<TransferProgress> TForm1::BeginTransfer(const std::string& title)
{
    if (batch_) {
        std::optional<long long> cancelAfter;
        if (!batch_->cancelAfterPages.empty()) {
            cancelAfter = batch_->cancelAfterPages.front();
            batch_->cancelAfterPages.pop_front();
        }
        return std::make_unique<CountedTransfer>(cancelAfter);
    }
    return std::make_unique<TransferDialog>(*this, title);
}

}  // namespace shell
