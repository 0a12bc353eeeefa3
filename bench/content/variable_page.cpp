#include "bench/content/variable_page.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "bench/content/coded_text.h"
#include "bench/content/markup.h"
#include "bench/content/page_controls.h"
#include "bench/content/reply_fields.h"
#include "bench/content/variable_frames.h"
#include "bench/shell/bench_host.h"
#include "platform/gbk.h"
#include "protocol/frame_text.h"

using namespace content;

namespace {

constexpr int kVariableLayout = 0;
constexpr int kMinAddressChars = 3;

QStringList Numbered(const QString& prefix, int count)
{
    QStringList items;
    for (int i = 0; i < count; ++i) items << prefix + QString::number(i);
    return items;
}

}  // namespace

VariablePage::VariablePage(shell::BenchHost& host, QWidget* parent) : QWidget(parent), host_(host)
{
    setObjectName("TabSheet_StringFile");
    auto* page = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    page->addLayout(left, 1);
    page->addLayout(right, 1);

    RGVariableType = shell::NamedRadioGroup(
        this, "RGVariableType", "String Variable Type : ",
        {"VRAM: Ram Variable ( < 16 Bytes)", "VROM: Rom (Flash) Variable ( < 32 Bytes)"}, 0);
    left->addWidget(RGVariableType.box);
    auto* fields = new QGridLayout;
    CBVarID = shell::NamedCombo(this, "CBVarID", {}, {});
    EditVarString = shell::NamedEdit(this, "EditVarString", "Hello");
    EditHexString = shell::NamedEdit(this, "EditHexString", "");
    EditHexString->setReadOnly(true);
    EditHexString->setVisible(false);
    auto* send = shell::NamedButton(this, "BtnCreateRom", "Send Variable");
    fields->addWidget(shell::NamedLabel(this, "LabelVarName", "Variable Name: "), 0, 0);
    fields->addWidget(CBVarID, 0, 1);
    fields->addWidget(shell::NamedLabel(this, "LabelVarString", "Variable String : "), 1, 0);
    fields->addWidget(EditVarString, 1, 1);
    fields->addWidget(EditHexString, 2, 1);
    fields->addWidget(send, 3, 1);
    left->addLayout(fields);

    auto* inserts = shell::NamedGroup(this, "GroupBoxInsertVar", "Insert Bitmap Text  ");
    auto* insertsRow = new QHBoxLayout(inserts);
    CBFontTableNum = shell::NamedCombo(inserts, "CBFontTableNum", Numbered(" No.", 128), " No.0");
    auto* insertBitmap = shell::NamedButton(inserts, "BtnInsertCharIndex", "Insert Char-Bitmap");
    insertsRow->addWidget(CBFontTableNum);
    insertsRow->addWidget(insertBitmap);
    left->addWidget(inserts);
    auto* colours = shell::NamedGroup(this, "GroupBox6", "Insert Color");
    auto* coloursRow = new QHBoxLayout(colours);
    ComboBox_Color1 = shell::NamedCombo(colours, "ComboBox_Color1", {}, {});
    auto* insertColour = shell::NamedButton(colours, "suiButtonInsertColor", "Insert Color");
    coloursRow->addWidget(ComboBox_Color1);
    coloursRow->addWidget(insertColour);
    left->addWidget(colours);
    left->addStretch(1);

    auto* read = shell::NamedButton(this, "suiButton20", "Read Variable [MRED]");
    RGMredMode = shell::NamedRadioGroup(this, "RGMredMode", "Option:", Items(MredModeEntries()), 0, 5);
    right->addWidget(RGMredMode.box);
    auto* memory = new QGridLayout;
    Edit10 = shell::NamedEdit(this, "Edit10", "A000");
    Edit11 = shell::NamedEdit(this, "Edit11", "20");
    Edit9 = shell::NamedEdit(this, "Edit9", "");
    auto* fill = new QToolButton(this);
    fill->setObjectName("SpeedButton7");
    fill->setIcon(style()->standardIcon(QStyle::SP_DialogResetButton));
    fill->setToolTip("Fill 0xff * 8 bytes");
    memory->addWidget(shell::NamedLabel(this, "LabelFlashAddress", "Flash Address"), 0, 0);
    memory->addWidget(Edit10, 0, 1);
    memory->addWidget(fill, 0, 2);
    memory->addWidget(shell::NamedLabel(this, "LabelMredBytes", "Bytes"), 1, 0);
    memory->addWidget(Edit11, 1, 1);
    memory->addWidget(read, 2, 0, 1, 3);
    memory->addWidget(Edit9, 3, 0, 1, 3);
    right->addLayout(memory);
    auto* presets = new QHBoxLayout;
    RGForecourt =
        shell::NamedRadioGroup(this, "RGForecourt", "Oil 6 programs", Numbered("Program 0", 7).mid(1), -1);
    RGOilWindows =
        shell::NamedRadioGroup(this, "RGOilWindows", "Windows", Numbered("Windows ", 7).mid(1), -1);
    presets->addWidget(RGForecourt.box);
    presets->addWidget(RGOilWindows.box);
    right->addLayout(presets);
    right->addStretch(1);

    LoadVarIdList();
    connect(EditVarString, &QLineEdit::textChanged, this, &VariablePage::EditVarStringChange);
    connect(send, &QPushButton::clicked, this, &VariablePage::BtnCreateRomClick);
    connect(RGVariableType.buttons, &QButtonGroup::idClicked, this, &VariablePage::RGVariableTypeClick);
    connect(CBVarID, &QComboBox::activated, this, &VariablePage::CBVarIDChange);
    connect(RGForecourt.buttons, &QButtonGroup::idClicked, this, &VariablePage::RGForecourtClick);
    connect(RGOilWindows.buttons, &QButtonGroup::idClicked, this, &VariablePage::RGForecourtClick);
    connect(insertBitmap, &QPushButton::clicked, this, &VariablePage::BtnInsertCharIndexClick);
    connect(insertColour, &QPushButton::clicked, this, &VariablePage::suiButtonInsertColorClick);
    connect(read, &QPushButton::clicked, this, &VariablePage::suiButton20Click);
    connect(fill, &QToolButton::clicked, this, &VariablePage::SpeedButton7Click);
}

bool VariablePage::FlashListShown() const { return shell::Position(RGVariableType) == 1; }

void VariablePage::LoadVarIdList()
{
    const bool flash = FlashListShown();
    FillCombo(*CBVarID, Items(VariableIdEntries(flash)), flash ? "Var-ROM 0" : "Var-RAM 0");
    CBVarID->setStyleSheet(flash ? "color: green;" : "color: red;");
}

std::optional<std::vector<std::uint8_t>> VariablePage::VariableBytes()
{
    const auto gbk = GbkOf(host_, EditVarString->text(), "Variable string");
    if (!gbk) return std::nullopt;
    CodedText coded = VariableStringBytes(*gbk);
    if (coded.error == CodedText::Error::NotInteger) {
        host_.ConversionError(coded.message);
        return std::nullopt;
    }
    if (coded.error == CodedText::Error::TooLarge) {
        host_.MonitorLog("ERROR", coded.message, true);
        return std::nullopt;
    }
    return std::move(coded.bytes);
}

bool VariablePage::EditVarStringChange()
{
    // The hex form keeps its last good content when the string cannot be converted.
    const platform::TextConversion gbk = platform::Utf8ToGbk(EditVarString->text().toStdString());
    if (!gbk.ok()) return false;
    const CodedText coded = VariableStringBytes(gbk.bytes);
    if (coded.error == CodedText::Error::NotInteger) {
        host_.ConversionError(coded.message);
        return false;
    }
    if (!coded.ok()) return false;
    EditHexString->setText(QString::fromStdString(protocol::HexText(coded.bytes)));
    return true;
}

void VariablePage::BtnCreateRomClick()
{
    // What is sent is what the string converts to now; a string that cannot be
    // converted, or is too long for the frame, is refused with its reason.
    const auto signId = SignIdOf(host_);
    if (!signId) return;
    const auto bytes = VariableBytes();
    if (!bytes) return;
    VariableOptions o;
    o.signId = *signId;
    o.flash = FlashListShown();
    o.number = CBVarID->currentIndex();
    o.bytes = *bytes;
    ShowAndSend(host_, BuildVariableFrame(o), kVariableLayout);
}

void VariablePage::RGVariableTypeClick() { LoadVarIdList(); }

void VariablePage::CBVarIDChange()
{
    if (!FlashListShown() || CBVarID->currentIndex() < 0) return;
    Edit10->setText(
        QString::fromStdString(protocol::HexText32(FlashVariableAddress(CBVarID->currentIndex()))));
}

void VariablePage::RGForecourtClick()
{
    Edit10->setText(QString::fromStdString(
        protocol::HexText32(PresetAddress(shell::Position(RGForecourt), shell::Position(RGOilWindows)))));
}

void VariablePage::BtnInsertCharIndexClick()
{
    InsertAtCaret(*EditVarString, QString::fromStdString(CharBitmapMarkup(CBFontTableNum->currentIndex())));
}

void VariablePage::suiButtonInsertColorClick()
{
    InsertAtCaret(*EditVarString,
                  QString::fromStdString(VariableColourMarkup(ComboBox_Color1->currentIndex())));
}

void VariablePage::suiButton20Click()
{
    if (Edit10->text().size() < kMinAddressChars) return;
    const auto signId = SignIdOf(host_);
    if (!signId) return;
    const auto count = NumberOf(host_, Edit11->text());
    if (!count) return;
    MredOptions o;
    o.signId = *signId;
    o.memory = MredMemoryByte(shell::Position(RGMredMode), CBVarID->currentIndex());
    o.address = protocol::HexTextToInt(Edit10->text().toStdString());
    o.count = *count;
    const int result = ShowAndExchange(host_, BuildMredFrame(o), kVariableLayout);
    const auto text = DecodeMredReply(host_.Reply().bytes, result, *count & 0xFF);
    if (text) Edit9->setText(TextOfGbk(*text));
}

void VariablePage::SpeedButton7Click()
{
    if (shell::Position(RGForecourt) < 0 || shell::Position(RGOilWindows) < 0 ||
        Edit10->text().size() < kMinAddressChars)
        return;
    if (!host_.Confirm("Sure to fill 0xff * 8 bytes at address: " + Edit10->text().toStdString())) return;
    const auto signId = SignIdOf(host_);
    if (!signId) return;
    const int result =
        ShowAndExchange(host_, BuildFillFrame(*signId, protocol::HexTextToInt(Edit10->text().toStdString())),
                        kVariableLayout);
    if (ReplyView(host_.Reply().bytes, result).State() == ReplyState::Ok)
        Edit9->setText("Filled 8pcs of 0xff");
}
