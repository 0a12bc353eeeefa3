#include "bench/events/event_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "bench/events/event_fonts.h"
#include "bench/events/event_text.h"
#include "bench/events/send_event_frame.h"
#include "bench/fields/integer_field.h"
#include "bench/shell/bench_host.h"
#include "bench/shell/control_text.h"
#include "bench/shell/named_controls.h"
#include "platform/gbk.h"

namespace {

QLineEdit* Edit(QWidget* parent, const char* name, const QString& text)
{
    auto* edit = shell::NamedEdit(parent, name, text);
    edit->setMaximumWidth(80);
    return edit;
}

QComboBox* Box(QWidget* parent, const char* name)
{
    auto* box = shell::Named(new QComboBox(parent), name);
    box->setMinimumContentsLength(10);
    return box;
}

// A label beside its control in a grid row.
void Row(QGridLayout* grid, int row, int column, QLabel* label, QWidget* control)
{
    grid->addWidget(label, row, column);
    grid->addWidget(control, row, column + 1);
}

QLabel* Label(QWidget* parent, const QString& caption, const char* name = nullptr)
{
    auto* label = new QLabel(caption, parent);
    if (name) label->setObjectName(name);
    return label;
}

struct AreaEdits {
    QLineEdit* x;
    QLineEdit* width;
    QLineEdit* y;
    QLineEdit* height;
};

// X, Width, Y and Height edits with their defaults 0, 64, 0, 16, two to a row.
AreaEdits AddAreaEdits(QWidget* parent, QGridLayout* grid, const char* suffix,
                       const std::array<const char*, 4>& labelNames)
{
    const QString s = suffix;
    AreaEdits edits{Edit(parent, ("EditX" + s).toLatin1(), "0"), Edit(parent, ("EditW" + s).toLatin1(), "64"),
                    Edit(parent, ("EditY" + s).toLatin1(), "0"),
                    Edit(parent, ("EditH" + s).toLatin1(), "16")};
    Row(grid, 0, 0, Label(parent, "X:", labelNames[0]), edits.x);
    Row(grid, 0, 2, Label(parent, "Width:", labelNames[1]), edits.width);
    Row(grid, 1, 0, Label(parent, "Y:", labelNames[2]), edits.y);
    Row(grid, 1, 2, Label(parent, "Height:", labelNames[3]), edits.height);
    return edits;
}

void SetTabShown(QTabWidget* tabs, QWidget* page, bool shown)
{
    tabs->setTabVisible(tabs->indexOf(page), shown);
}

}  // namespace

EventPage::EventPage(shell::BenchHost& host, QWidget* parent) : QWidget(parent), host_(host)
{
    setObjectName("TabSheet_Event");
    BuildControls();
    ArrangeEventPage(true);
}

void EventPage::BuildControls()
{
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    auto* status = new QVBoxLayout;
    auto* enter = shell::NamedButton(this, "BtnEnterEven", "01: Initial Event Status");
    auto* exit = shell::NamedButton(this, "BtnExitEvent", "00: Exit Event Status");
    status->addWidget(enter);
    status->addWidget(exit);
    top->addLayout(status);
    RadioSendToWindow = shell::NamedRadioGroup(this, "RadioSendToWindow", "Event Mode",
                                               {"A:Window Mode", "B:RAM Directory"}, 0)
                            .box;
    top->addWidget(RadioSendToWindow);

    auto* windows = shell::Named(new QGroupBox("Windows", this), "GroupBoxWindows");
    auto* windowGrid = new QGridLayout(windows);
    for (int i = 0; i < 7; ++i) {
        windowChecks_[static_cast<std::size_t>(i)] =
            shell::Named(new QCheckBox(QString("Window %1").arg(i + 1, 2, 10, QChar('0')), windows),
                         QString("CheckBox%1").arg(i + 2));
        windowChecks_[static_cast<std::size_t>(i)]->setChecked(true);
        windowGrid->addWidget(windowChecks_[static_cast<std::size_t>(i)], i / 4, i % 4);
    }
    auto* start = shell::NamedButton(windows, "BtnStartEvent", "07: Start Windows");
    auto* clearBuffers = shell::NamedButton(windows, "BtnClearBackWnd", "08: Clear Buffers");
    windowGrid->addWidget(start, 2, 0, 1, 2);
    windowGrid->addWidget(clearBuffers, 2, 2, 1, 2);
    top->addWidget(windows, 1);
    Image6 = shell::Named(new QLabel(this), "Image6");
    Image6->setFrameShape(QFrame::Box);
    Image6->setMinimumSize(64, 32);
    top->addWidget(Image6);
    layout->addLayout(top);

    eventPages_ = shell::Named(new QTabWidget(this), "PageControlEvent");
    auto* textPage = BuildTextPage();
    eventPages_->addTab(textPage, "Print Text && Link");
    TabEvent_Cls = BuildClearPage();
    eventPages_->addTab(TabEvent_Cls, "Clear Screen");
    eventPages_->addTab(BuildPicturePage(), "Print Picture");
    TabEvent_Action = BuildActionPage();
    eventPages_->addTab(TabEvent_Action, "Action-1");
    TabEvent_Action2 = BuildMovePage();
    eventPages_->addTab(TabEvent_Action2, "Action-2");
    TabEvent_Action3 = BuildFlashPage();
    eventPages_->addTab(TabEvent_Action3, "Action-3");
    eventPages_->setCurrentWidget(textPage);
    layout->addWidget(eventPages_, 1);

    connect(enter, &QPushButton::clicked, this, &EventPage::BtnEnterEvenClick);
    connect(exit, &QPushButton::clicked, this, &EventPage::BtnExitEventClick);
    connect(start, &QPushButton::clicked, this, &EventPage::BtnStartEventClick);
    connect(clearBuffers, &QPushButton::clicked, this, &EventPage::BtnClearBackWndClick);
    connect(shell::ButtonsOf(*RadioSendToWindow), &QButtonGroup::idClicked, this,
            &EventPage::RadioSendToWindowClick);
    connect(shell::ButtonsOf(*RadioGroup1), &QButtonGroup::idClicked, this,
            &EventPage::RadioSendToWindowClick);
}

QWidget* EventPage::BuildTextPage()
{
    auto* page = shell::Named(new QWidget(eventPages_), "TabEvent_Text");
    auto* columns = new QHBoxLayout(page);

    // Left: the windows and where the text goes.
    auto* left = new QVBoxLayout;
    PanelEventWnd = shell::Named(new QFrame(page), "PanelEventWnd");
    auto* panelLayout = new QVBoxLayout(PanelEventWnd);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    auto* windowRow = new QHBoxLayout;
    windowRow->addWidget(Label(PanelEventWnd, "Window No.:", "Label11"));
    ComboWndID = Box(PanelEventWnd, "ComboWndID");
    ComboWndID->setEditable(true);
    ComboWndID->setInsertPolicy(QComboBox::NoInsert);
    ComboWndID->addItems(shell::NumberItems(1, 7, 1, "Window 0"));
    ComboWndID->setCurrentIndex(0);
    windowRow->addWidget(ComboWndID);
    windowRow->addStretch(1);
    panelLayout->addLayout(windowRow);
    StringGridWindows = shell::Named(new QTableWidget(8, 6, PanelEventWnd), "StringGridWindows");
    StringGridWindows->horizontalHeader()->hide();
    StringGridWindows->verticalHeader()->hide();
    StringGridWindows->verticalHeader()->setDefaultSectionSize(20);
    for (int column = 0; column < 5; ++column) StringGridWindows->setColumnWidth(column, 48);
    StringGridWindows->setMinimumHeight(8 * 20 + 4);
    panelLayout->addWidget(StringGridWindows);
    left->addWidget(PanelEventWnd);

    auto* operation = shell::Named(new QGroupBox("Operation Windows", page), "GroupBoxOperationWindows");
    auto* operationGrid = new QGridLayout(operation);
    const AreaEdits txt = AddAreaEdits(operation, operationGrid, "txt", {nullptr, nullptr, nullptr, nullptr});
    EditXtxt = txt.x;
    EditWtxt = txt.width;
    EditYtxt = txt.y;
    EditHtxt = txt.height;
    RadioMemoPosiText = shell::NamedRadioGroup(operation, "RadioMemoPosiText", "Selected Memory ",
                                               {"A: Display Memory", "B: Backup Memory"}, 0)
                            .box;
    operationGrid->addWidget(RadioMemoPosiText, 0, 4, 2, 1);
    left->addWidget(operation);
    RadioMemoPosi1 = shell::NamedRadioGroup(page, "RadioMemoPosi1", "Selected Memory ",
                                            {"A: Display Memory", "B: Backup Memory"}, 0)
                         .box;
    left->addWidget(RadioMemoPosi1);
    left->addStretch(1);
    columns->addLayout(left, 3);

    // Middle: the options of the window's text.
    auto* middle = new QVBoxLayout;
    auto* options = shell::Named(new QGroupBox("Program Setup:", page), "GroupPgmSetupEvent");
    auto* optionGrid = new QGridLayout(options);
    ComboBox_Action_EventText = Box(options, "ComboBox_Action_EventText");
    ComboBox_SpeedEvent = Box(options, "ComboBox_SpeedEvent");
    ComboBox_StayEvent = Box(options, "ComboBox_StayEvent");
    ComboActionTimes = Box(options, "ComboActionTimes");
    ComboActionTimes->addItems(QStringList{"ALWAYS"} + shell::NumberItems(1, 10));
    ComboActionTimes->setCurrentIndex(0);
    ComboBox_ColorEvent = Box(options, "ComboBox_ColorEvent");
    ComboBox_FontEngEvent = Box(options, "ComboBox_FontEngEvent");
    ComboBox_FontChnEvent = Box(options, "ComboBox_FontChnEvent");
    Label42 = shell::Named(new QCheckBox("Font Asian", options), "Label42");
    Label42->setChecked(true);
    Row(optionGrid, 0, 0, Label(options, "Action:"), ComboBox_Action_EventText);
    Row(optionGrid, 1, 0, Label(options, "Speed:"), ComboBox_SpeedEvent);
    Row(optionGrid, 2, 0, Label(options, "Stay:"), ComboBox_StayEvent);
    Row(optionGrid, 3, 0, Label(options, "Times:"), ComboActionTimes);
    Row(optionGrid, 4, 0, Label(options, "Color:", "Label45"), ComboBox_ColorEvent);
    Row(optionGrid, 5, 0, Label(options, "ASCII Font:", "Label41"), ComboBox_FontEngEvent);
    optionGrid->addWidget(Label42, 6, 0);
    optionGrid->addWidget(ComboBox_FontChnEvent, 6, 1);
    middle->addWidget(options);
    middle->addStretch(1);
    columns->addLayout(middle, 2);

    // Right: where the text lands, the text itself and the program link.
    auto* right = new QVBoxLayout;
    auto* placing = new QHBoxLayout;
    RadioGroup1 =
        shell::NamedRadioGroup(page, "RadioGroup1", "Send  to ", {"Display Memory", "Back Memory"}, 0).box;
    placing->addWidget(RadioGroup1);
    GroupBoxSen = shell::Named(new QGroupBox("Text Layout", page), "GroupBoxSen");
    auto* senLayout = new QVBoxLayout(GroupBoxSen);
    CheckMultiLines = shell::Named(new QCheckBox("Auto Wrap / Multi Lines", GroupBoxSen), "CheckMultiLines");
    senLayout->addWidget(CheckMultiLines);
    RadioAlign =
        shell::NamedRadioGroup(GroupBoxSen, "RadioAlign", "Align in Mem B", {"Center", "Left", "Right"}, 0)
            .box;
    senLayout->addWidget(RadioAlign);
    placing->addWidget(GroupBoxSen);
    right->addLayout(placing);

    textPages_ = shell::Named(new QTabWidget(page), "PageControlEventText");
    auto* textTab = shell::Named(new QWidget(textPages_), "TabSheet4");
    auto* textGrid = new QGridLayout(textTab);
    EditText = shell::Named(new QLineEdit("Text", textTab), "EditText");
    LabelCount = shell::Named(new QLabel("Bytes:4", textTab), "LabelCount");
    CBFontTableNumEvent = Box(textTab, "CBFontTableNumEvent");
    CBFontTableNumEvent->addItems(shell::NumberItems(0, 127, 1, " No."));
    CBFontTableNumEvent->setCurrentIndex(0);
    auto* insertIcon = shell::NamedButton(textTab, "BtnInsertCharIndexEvent", "Insert Icon");
    auto* textOut = shell::NamedButton(textTab, "BtnTextOut", "06: Send Text");
    textGrid->addWidget(EditText, 0, 0, 1, 3);
    textGrid->addWidget(LabelCount, 0, 3);
    textGrid->addWidget(CBFontTableNumEvent, 1, 0);
    textGrid->addWidget(insertIcon, 1, 1);
    textGrid->addWidget(textOut, 2, 0, 1, 2);
    textGrid->setRowStretch(3, 1);
    textPages_->addTab(textTab, "Text");

    TabSheet5 = shell::Named(new QWidget(textPages_), "TabSheet5");
    auto* linkGrid = new QGridLayout(TabSheet5);
    ComboBoxFileId1 = Box(TabSheet5, "ComboBoxFileId1");
    ComboBoxFileId1->addItems(shell::NumberItems(0, 595, 5));
    ComboBoxFileId1->setCurrentText("200");
    auto* link = shell::NamedButton(TabSheet5, "BtnEventPgmLink", "9: Send Link");
    Row(linkGrid, 0, 0, Label(TabSheet5, "File ID:", "Label9"), ComboBoxFileId1);
    linkGrid->addWidget(link, 1, 0, 1, 2);
    linkGrid->setRowStretch(2, 1);
    textPages_->addTab(TabSheet5, "Program: Link");
    right->addWidget(textPages_, 1);
    columns->addLayout(right, 3);

    connect(EditText, &QLineEdit::textChanged, this, &EventPage::EditTextChange);
    connect(insertIcon, &QPushButton::clicked, this, &EventPage::BtnInsertCharIndexEventClick);
    connect(textOut, &QPushButton::clicked, this, &EventPage::BtnTextOutClick);
    connect(link, &QPushButton::clicked, this, &EventPage::BtnEventPgmLinkClick);
    connect(StringGridWindows, &QTableWidget::cellClicked, this, &EventPage::StringGridWindowsClick);
    return page;
}

QWidget* EventPage::BuildClearPage()
{
    auto* page = shell::Named(new QWidget(eventPages_), "TabEvent_Cls");
    auto* layout = new QHBoxLayout(page);
    auto* area = shell::Named(new QGroupBox("Area", page), "GroupBoxArea");
    auto* grid = new QGridLayout(area);
    const AreaEdits cls = AddAreaEdits(area, grid, "cls", {"Label36", "Label44", "Label43", "Label49"});
    EditXcls = cls.x;
    EditWcls = cls.width;
    EditYcls = cls.y;
    EditHcls = cls.height;
    grid->addWidget(Label(area, "Width = 0 is  Screen Width", "LabelWidth01"), 2, 0, 1, 4);
    grid->addWidget(Label(area, "Height = 0 is  Screen Height", "LabelHeight01"), 3, 0, 1, 4);
    layout->addWidget(area);
    RadioMemoPosi = shell::NamedRadioGroup(page, "RadioMemoPosi", "Selected Memory ",
                                           {"A: Display Memory", "B: Backup Memory", "A+B: All Memory"}, 0)
                        .box;
    layout->addWidget(RadioMemoPosi);
    auto* clear = shell::NamedButton(page, "BtnClearScreen", "02: Clear LED Screen");
    layout->addWidget(clear, 0, Qt::AlignTop);
    layout->addStretch(1);
    connect(clear, &QPushButton::clicked, this, &EventPage::BtnClearScreenClick);
    return page;
}

// The page stays hidden at start; it only chooses the memory a picture would go to.
QWidget* EventPage::BuildPicturePage()
{
    auto* page = shell::Named(new QWidget(eventPages_), "TabEvent_Picture");
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(shell::NamedRadioGroup(page, "RadioMemoPosiBitmap", "Selected Memory ",
                                             {"A: Display Memory", "B: Backup Memory"}, 0)
                          .box,
                      0, Qt::AlignTop);
    layout->addStretch(1);
    return page;
}

QWidget* EventPage::BuildActionPage()
{
    auto* page = shell::Named(new QWidget(eventPages_), "TabEvent_Action");
    auto* layout = new QHBoxLayout(page);
    auto* group = shell::Named(new QGroupBox("Memory B to A", page), "GroupBoxDMB");
    auto* grid = new QGridLayout(group);
    const AreaEdits act = AddAreaEdits(group, grid, "act1", {"Label50", "Label53", "Label52", nullptr});
    EditXact1 = act.x;
    EditWact1 = act.width;
    EditYact1 = act.y;
    EditHact1 = act.height;
    ComboBox_Action_Event = Box(group, "ComboBox_Action_Event");
    Row(grid, 2, 0, Label(group, "Action:", "LabelAction01"), ComboBox_Action_Event);
    auto* action = shell::NamedButton(group, "BtnActionFromMemB", "03: Action ");
    grid->addWidget(action, 3, 0, 1, 4);
    layout->addWidget(group);
    layout->addWidget(shell::NamedRadioGroup(page, "RadioMemoPosi2", "Selected Memory ",
                                             {"A: Display Memory", "B: Backup Memory"}, 1)
                          .box,
                      0, Qt::AlignTop);
    layout->addStretch(1);
    connect(action, &QPushButton::clicked, this, &EventPage::BtnActionFromMemBClick);
    return page;
}

QWidget* EventPage::BuildMovePage()
{
    auto* page = shell::Named(new QWidget(eventPages_), "TabEvent_Action2");
    auto* layout = new QHBoxLayout(page);
    auto* group = shell::Named(new QGroupBox("Move Up / Down", page), "GroupMoveUp");
    auto* grid = new QGridLayout(group);
    EditLines = Edit(group, "EditLines", "16");
    Row(grid, 0, 0, Label(group, "Lines:", "LabelLines"), EditLines);
    CheckBlackMoveUp = shell::Named(new QCheckBox("Black Value", group), "CheckBlackMoveUp");
    grid->addWidget(CheckBlackMoveUp, 1, 0, 1, 2);
    auto* up = shell::NamedButton(group, "BtnMoveUp", "04: Move Up");
    auto* down = shell::NamedButton(group, "BtnMoveDown", "04: Move Down");
    grid->addWidget(up, 2, 0, 1, 2);
    grid->addWidget(down, 3, 0, 1, 2);
    layout->addWidget(group);
    layout->addWidget(shell::NamedRadioGroup(page, "RadioMemoPosi3", "Selected Memory ",
                                             {"A: Display Memory", "B: Backup Memory"}, 0)
                          .box,
                      0, Qt::AlignTop);
    layout->addStretch(1);
    connect(up, &QPushButton::clicked, this, &EventPage::BtnMoveUpClick);
    connect(down, &QPushButton::clicked, this, &EventPage::BtnMoveDownClick);
    return page;
}

QWidget* EventPage::BuildFlashPage()
{
    auto* page = shell::Named(new QWidget(eventPages_), "TabEvent_Action3");
    auto* layout = new QHBoxLayout(page);
    auto* group = shell::Named(new QGroupBox("Flash", page), "GroupFlash");
    auto* grid = new QGridLayout(group);
    const AreaEdits act = AddAreaEdits(group, grid, "act2", {nullptr, nullptr, nullptr, nullptr});
    EditXact2 = act.x;
    EditWact2 = act.width;
    EditYact2 = act.y;
    EditHact2 = act.height;
    auto* flash = shell::NamedButton(group, "BtnFlash", "05: Flash");
    auto* normal = shell::NamedButton(group, "BtnFlashNot", "05: Normal");
    grid->addWidget(flash, 2, 0, 1, 2);
    grid->addWidget(normal, 2, 2, 1, 2);
    layout->addWidget(group);
    layout->addWidget(shell::NamedRadioGroup(page, "RadioMemoPosi4", "Selected Memory ",
                                             {"A: Display Memory", "B: Backup Memory"}, 0)
                          .box,
                      0, Qt::AlignTop);
    layout->addStretch(1);
    connect(flash, &QPushButton::clicked, this, &EventPage::BtnFlashClick);
    connect(normal, &QPushButton::clicked, this, &EventPage::BtnFlashNotClick);
    return page;
}

void EventPage::ArrangeEventPage(bool windowMode)
{
    {
        const QSignalBlocker blocker(StringGridWindows);
        StringGridWindows->setColumnWidth(5, 120);
        const char* headers[] = {"No.", "X", "Y", "Width", "Height", "Demo Text String"};
        for (int column = 0; column < 6; ++column)
            StringGridWindows->setItem(0, column, new QTableWidgetItem(headers[column]));
        const char* demo[] = {"Hello",      "[CH8]AB[CR]CD[FC01][FT101]EF", "[DH]:[DM]:[DS]",
                              "[FL000]{0}", "[FC01]R[FC02]G[FC07]B",        "[DN]"};
        for (int r = 1; r <= 7; ++r) {
            const QString cells[] = {QString::number(r),
                                     QString::number(r % 2 == 1 ? 0 : 64),
                                     QString::number(16 * ((r - 1) / 2)),
                                     "64",
                                     "16",
                                     r <= 6 ? QString(demo[r - 1]) : QString("TEXT %1").arg(r - 1)};
            for (int column = 0; column < 6; ++column)
                StringGridWindows->setItem(r, column, new QTableWidgetItem(cells[column]));
        }
    }
    for (QWidget* shownInWindowMode : std::initializer_list<QWidget*>{GroupBoxSen, RadioGroup1, PanelEventWnd,
                                                                      StringGridWindows, ComboWndID})
        shownInWindowMode->setVisible(windowMode);
    for (QWidget* shownInDirectMode :
         std::initializer_list<QWidget*>{Image6, RadioMemoPosiText, RadioMemoPosi1})
        shownInDirectMode->setVisible(!windowMode);
    SetTabShown(textPages_, TabSheet5, windowMode);
    for (QWidget* page : {TabEvent_Cls, TabEvent_Action, TabEvent_Action2, TabEvent_Action3})
        SetTabShown(eventPages_, page, !windowMode);
}

void EventPage::RadioSendToWindowClick() { ArrangeEventPage(shell::RadioIndex(*RadioSendToWindow) == 0); }

void EventPage::SendEventFrame(const events::EventCommand& command)
{
    events::SendEventFrame(host_, command);
}

std::optional<long long> EventPage::Number(const QString& text)
{
    const fields::IntegerField field = fields::ParseIntegerField(text.toStdString());
    if (!field.value) host_.ConversionError(field.error);
    return field.value;
}

std::optional<events::Area> EventPage::AreaOf(const QLineEdit* x, const QLineEdit* width, const QLineEdit* y,
                                              const QLineEdit* height)
{
    events::Area area;
    for (auto [edit, field] : {std::pair{x, &area.x}, std::pair{width, &area.width}, std::pair{y, &area.y},
                               std::pair{height, &area.height}}) {
        const auto value = Number(edit->text());
        if (!value) return std::nullopt;
        *field = *value;
    }
    return area;
}

std::uint8_t EventPage::Mask() const
{
    std::array<bool, 7> ticked{};
    for (std::size_t i = 0; i < ticked.size(); ++i) ticked[i] = windowChecks_[i]->isChecked();
    return events::WindowMask(ticked);
}

std::optional<events::WindowHeader> EventPage::ReadWindowHeader()
{
    events::WindowHeader header;
    const bool windowMode = shell::RadioIndex(*RadioSendToWindow) == 0;
    if (windowMode) {
        // The edited text counts: a text that is no entry chooses nothing, and the
        // area then comes from the grid's header row.
        const int position = ComboWndID->findText(ComboWndID->currentText(), Qt::MatchExactly);
        header.window = static_cast<std::uint8_t>(position + 1);
        const int row = position + 1;
        auto cell = [&](int column) {
            const QTableWidgetItem* item = StringGridWindows->item(row, column);
            return item ? item->text() : QString();
        };
        events::Area area;
        for (auto [column, field] : {std::pair{1, &area.x}, std::pair{2, &area.y}, std::pair{3, &area.width},
                                     std::pair{4, &area.height}}) {
            const auto value = Number(cell(column));
            if (!value) return std::nullopt;
            *field = *value;
        }
        header.area = area;
        header.action = events::PositionByte(ComboBox_Action_EventText->currentIndex());
    } else {
        const auto area = AreaOf(EditXtxt, EditWtxt, EditYtxt, EditHtxt);
        if (!area) return std::nullopt;
        header.window = 0;
        header.area = *area;
        header.action = events::PositionByte(shell::RadioIndex(*RadioMemoPosiText));
    }
    header.speed = events::PositionByte(ComboBox_SpeedEvent->currentIndex());
    header.stay = events::PositionByte(ComboBox_StayEvent->currentIndex());
    header.times = events::PositionByte(ComboActionTimes->currentIndex());
    header.sendTo = events::PositionByte(shell::RadioIndex(*RadioGroup1));
    header.multiLines = CheckMultiLines->isChecked();
    header.align = events::PositionByte(shell::RadioIndex(*RadioAlign));
    header.color = events::PositionByte(ComboBox_ColorEvent->currentIndex());
    return header;
}

void EventPage::BtnExitEventClick() { SendEventFrame(events::ExitEvent()); }

void EventPage::BtnEnterEvenClick() { SendEventFrame(events::InitialEvent()); }

void EventPage::BtnClearScreenClick()
{
    const auto area = AreaOf(EditXcls, EditWcls, EditYcls, EditHcls);
    if (!area) return;
    SendEventFrame(events::ClearScreen(*area, shell::RadioIndex(*RadioMemoPosi)));
}

void EventPage::BtnActionFromMemBClick()
{
    const auto area = AreaOf(EditXact1, EditWact1, EditYact1, EditHact1);
    if (!area) return;
    SendEventFrame(events::ActionFromMemB(*area, ComboBox_Action_Event->currentIndex()));
}

void EventPage::Move(bool down)
{
    const auto lines = Number(EditLines->text());
    if (!lines) return;
    SendEventFrame(events::MoveLines(*lines, CheckBlackMoveUp->isChecked(), down));
}

void EventPage::BtnMoveUpClick() { Move(false); }

void EventPage::BtnMoveDownClick() { Move(true); }

void EventPage::FlashArea(bool flashing)
{
    const auto area = AreaOf(EditXact2, EditWact2, EditYact2, EditHact2);
    if (!area) return;
    SendEventFrame(events::Flash(*area, flashing));
}

void EventPage::BtnFlashClick() { FlashArea(true); }

void EventPage::BtnFlashNotClick() { FlashArea(false); }

void EventPage::BtnTextOutClick()
{
    auto header = ReadWindowHeader();
    if (!header) return;
    const events::EventFontCodes fonts =
        events::ReadEventFontCodes(host_.Settings(), ComboBox_FontEngEvent->currentIndex(),
                                   ComboBox_FontChnEvent->currentIndex(), Label42->isChecked());
    header->word16 = fonts.ascii;
    header->word18 = fonts.asian;

    const platform::TextConversion gbk = platform::Utf8ToGbk(EditText->text().toStdString());
    if (!gbk.ok()) {
        host_.MonitorLog("ERROR", "Event text cannot be sent: " + gbk.error, true);
        return;
    }
    const events::EventText text = events::ConvertEventText(gbk.bytes);
    if (text.tooLarge) {
        host_.MonitorLog("ERROR", text.error + ": not sent", true);
        return;
    }
    if (!text.error.empty()) {
        host_.ConversionError(text.error);
        return;
    }
    const auto command = events::TextOut(*header, text.bytes);
    if (!command) {
        host_.MonitorLog("ERROR",
                         "Event text converts to " + std::to_string(text.bytes.size()) +
                             " bytes, more than " + std::to_string(events::kMaxEventText) + ": not sent",
                         true);
        return;
    }
    SendEventFrame(*command);
}

void EventPage::BtnStartEventClick() { SendEventFrame(events::StartWindows(Mask())); }

void EventPage::BtnClearBackWndClick() { SendEventFrame(events::ClearBuffers(Mask())); }

void EventPage::BtnEventPgmLinkClick()
{
    const auto header = ReadWindowHeader();
    if (!header) return;
    const auto fileId = Number(ComboBoxFileId1->currentText());
    if (!fileId) return;
    SendEventFrame(events::SendLink(*header, static_cast<int>(*fileId)));
}

void EventPage::EditTextChange() { LabelCount->setText("Bytes:" + QString::number(EditText->text().size())); }

void EventPage::BtnInsertCharIndexEventClick()
{
    const int caret = EditText->cursorPosition();
    QString text = EditText->text();
    text.insert(caret, "{" + QString::number(CBFontTableNumEvent->currentIndex()) + "}");
    EditText->setText(text);
    EditText->setCursorPosition(caret);
    EditText->setFocus();
}

void EventPage::StringGridWindowsClick()
{
    const int row = StringGridWindows->currentRow();
    if (row < 0) return;
    ComboWndID->setCurrentIndex(row - 1);
    const QTableWidgetItem* text = StringGridWindows->item(row, 5);
    EditText->setText(text ? text->text() : QString());
}
