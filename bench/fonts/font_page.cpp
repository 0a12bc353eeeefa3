#include "bench/fonts/font_page.h"

#include <QHeaderView>
#include <QIcon>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QTableWidget>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <set>

#include "bench/content/page_controls.h"
#include "bench/content/program_scripts.h"
#include "bench/fonts/font_folder.h"
#include "bench/fonts/font_writer.h"
#include "bench/fonts/sign_font_frames.h"
#include "bench/shell/bench_host.h"
#include "protocol/frame_text.h"
#include "ui_font_page.h"

namespace fs = std::filesystem;

namespace {

// The font list and font header frames are shown with the plain layout.
constexpr int kFontLayout = 0;
// ScanFontDirectory needs a path of at least this many characters; a download
// needs one of at least kMinFolderChars.
constexpr int kMinPathChars = 4;
constexpr int kMinFolderChars = 10;
// An address cell of this many characters or fewer addresses nothing.
constexpr int kMinAddressCell = 2;

QString Q(const std::string& text) { return QString::fromStdString(text); }

struct GridColumn {
    int width;
    const char* title;
};

// A grid whose row 0 holds the titles, as the bench's string grids do: the titles
// are cells, not a header view, so row numbers and cell addresses match the lists
// the tools work on. Rows are picked whole and never edited in place.
void SetUpTitledGrid(QTableWidget& grid, std::initializer_list<GridColumn> columns)
{
    grid.horizontalHeader()->hide();
    grid.verticalHeader()->hide();
    grid.setSelectionBehavior(QAbstractItemView::SelectRows);
    grid.setSelectionMode(QAbstractItemView::SingleSelection);
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Cut a long cell rather than elide it: in the narrow columns "..." would hide
    // all of the text.
    grid.setTextElideMode(Qt::ElideNone);
    grid.setWordWrap(false);
    grid.verticalHeader()->setDefaultSectionSize(grid.fontMetrics().height() + 6);
    // The narrow columns (20 and 25 pixels) are below the style's usual minimum.
    grid.horizontalHeader()->setMinimumSectionSize(0);
    grid.setColumnCount(static_cast<int>(columns.size()));
    grid.setRowCount(2);
    int column = 0;
    for (const GridColumn& c : columns) {
        grid.setColumnWidth(column, c.width);
        auto title = std::make_unique<QTableWidgetItem>(QString::fromUtf8(c.title));
        title->setFlags(Qt::ItemIsEnabled);
        title->setBackground(grid.palette().button());
        grid.setItem(0, column, title.release());
        ++column;
    }
}

// The delete button shows scissors; the theme's cut icon when there is one,
// otherwise the scissors character drawn into the icon.
QIcon ScissorsIcon()
{
    QIcon themed = QIcon::fromTheme("edit-cut");
    if (!themed.isNull()) return themed;
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QFont font = painter.font();
    font.setPixelSize(16);
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(QChar(0x2702)));
    return QIcon(pixmap);
}

void JoinRadioGroup(QButtonGroup& group, const char* name, std::initializer_list<QAbstractButton*> items)
{
    group.setObjectName(QString::fromUtf8(name) + "Buttons");
    int index = 0;
    for (QAbstractButton* item : items) group.addButton(item, index++);
}

}  // namespace

FontPage::FontPage(shell::BenchHost& host, QWidget* parent)
    : QWidget(parent), host_(host), ui_(std::make_unique<Ui::FontPage>())
{
    ui_->setupUi(this);

    SetUpTitledGrid(*ui_->StringGridFont,
                    {{20, "No."}, {80, "Font ID"}, {70, "Address"}, {70, "Font Name"}, {70, "Page256x8"}});
    SetUpTitledGrid(*ui_->StringGridWriteFont, {{20, "No."},
                                                {55, "FontId"},
                                                {70, "Font Name"},
                                                {25, "H"},
                                                {25, "W"},
                                                {60, "Bytes"},
                                                {40, "P-256"},
                                                {50, "Flash"},
                                                {280, "File Name"},
                                                {70, "Address"}});

    ui_->BtnEraseFont->setIcon(ScissorsIcon());

    JoinRadioGroup(writeFontOption_, "RGWriteFontOption",
                   {ui_->RGWriteFontOption_0, ui_->RGWriteFontOption_1});
    JoinRadioGroup(fontBase_, "RGFontBase", {ui_->RGFontBase_0, ui_->RGFontBase_1, ui_->RGFontBase_2});

    connect(ui_->BtnOpenFont, &QPushButton::clicked, this, &FontPage::BtnOpenFontClick);
    connect(ui_->StringGridWriteFont, &QTableWidget::cellClicked, this, &FontPage::StringGridWriteFontClick);
    connect(ui_->StringGridWriteFont, &QTableWidget::currentCellChanged, this,
            &FontPage::StringGridWriteFontClick);
    connect(ui_->Button6, &QPushButton::clicked, this, &FontPage::Button6Click);
    connect(ui_->Button3, &QPushButton::clicked, this, &FontPage::Button3Click);
    connect(ui_->Button2, &QPushButton::clicked, this, &FontPage::Button2Click);
    connect(ui_->BtnChangeFontName, &QPushButton::clicked, this, &FontPage::BtnChangeFontNameClick);
    connect(ui_->Button4, &QPushButton::clicked, this, &FontPage::Button4Click);
    connect(ui_->BtnCreateUdiskFile, &QPushButton::clicked, this, &FontPage::BtnCreateUdiskFileClick);
    connect(ui_->BtnOpenUdiskFile, &QPushButton::clicked, this, &FontPage::BtnOpenUdiskFileClick);
    connect(ui_->BtnCreateBoardScribe, &QPushButton::clicked, this, &FontPage::BtnCreateBoardScribeClick);
    connect(ui_->BtnDisableFontPanel, &QPushButton::clicked, this, &FontPage::BtnDisableFontPanelClick);
    connect(ui_->Button1, &QPushButton::clicked, this, &FontPage::Button1Click);
    connect(ui_->BtnReadFontList, &QPushButton::clicked, this, &FontPage::BtnReadFontListClick);
    connect(ui_->suiButton25, &QPushButton::clicked, this, &FontPage::suiButton25Click);
    connect(ui_->sbtnMred, &QPushButton::clicked, this, &FontPage::sbtnMredClick);
    connect(ui_->BtnEraseFont, &QToolButton::clicked, this, &FontPage::BtnEraseFontClick);
    connect(ui_->suiButton21, &QPushButton::clicked, this, &FontPage::suiButton21Click);
}

FontPage::~FontPage() = default;

int FontPage::ChosenRow(const QTableWidget& grid) { return grid.currentRow() < 1 ? 1 : grid.currentRow(); }

std::string FontPage::Cell(const QTableWidget& grid, int row, int column)
{
    const QTableWidgetItem* item = grid.item(row, column);
    return item ? item->text().toStdString() : std::string();
}

void FontPage::SetCell(QTableWidget& grid, int row, int column, const std::string& text)
{
    if (QTableWidgetItem* item = grid.item(row, column)) {
        item->setText(Q(text));
    } else {
        grid.setItem(row, column, new QTableWidgetItem(Q(text)));
    }
}

fonts::FileRows FontPage::FileRows() const
{
    const QTableWidget& grid = *ui_->StringGridWriteFont;
    fonts::FileRows rows;
    for (int r = 1; r < grid.rowCount(); ++r) {
        fonts::FileRow row;
        for (std::size_t c = 0; c < fonts::kColumns; ++c) row[c] = Cell(grid, r, static_cast<int>(c));
        rows.push_back(row);
    }
    return rows;
}

void FontPage::ShowFileRows(const fonts::FileRows& rows)
{
    QTableWidget& grid = *ui_->StringGridWriteFont;
    // A list without files keeps one empty row below the titles.
    grid.setRowCount(std::max<int>(2, static_cast<int>(rows.size()) + 1));
    for (int r = 1; r < grid.rowCount(); ++r) {
        const auto index = static_cast<std::size_t>(r - 1);
        for (std::size_t c = 0; c < fonts::kColumns; ++c)
            SetCell(grid, r, static_cast<int>(c), index < rows.size() ? rows[index][c] : std::string());
    }
}

std::string FontPage::FontFolder() const { return fonts::FolderOf(ui_->EditFlashPath->text().toStdString()); }

std::string FontPage::HomePath(const char* folder) const
{
    return (fs::path(host_.HomeFolder()) / folder).string();
}

std::optional<std::uint16_t> FontPage::SignId() { return content::SignIdOf(host_); }

int FontPage::Exchange(const std::string& frameText)
{
    host_.SetHexData(frameText);
    host_.ShowFrameLayout(kFontLayout);
    return host_.SendFrameText();
}

void FontPage::OpenFolder(const std::string& path)
{
    std::error_code error;
    if (!fs::is_directory(path, error)) {
        host_.Inform("No found:" + path);
        return;
    }
    if (!host_.OpenWithDesktop(path)) host_.Warn("Cannot open " + path);
}

void FontPage::BtnOpenFontClick()
{
    // The dialog starts in _font; it is made on first use so that it has a place to start.
    const std::string folder = HomePath(kOpenDialogFontFolder);
    std::error_code error;
    fs::create_directories(folder, error);
    const std::string path = host_.OpenFileNameIn("Open Font Dire", kOpenDialogFontFilter, folder);
    if (path.empty()) return;
    ui_->EditFlashPath->setText(Q(path));
    ScanFontDirectory();
}

void FontPage::ScanFontDirectory()
{
    if (ui_->EditFlashPath->text().size() < kMinPathChars) return;
    ShowFileRows(fonts::ScanFontFolder(FontFolder()));
}

void FontPage::StringGridWriteFontClick()
{
    const QTableWidget& grid = *ui_->StringGridWriteFont;
    const int row = ChosenRow(grid);
    if (row >= grid.rowCount()) return;
    ui_->Edit7->setText(Q(Cell(grid, row, fonts::kAddress)));
}

void FontPage::Button6Click()
{
    QTableWidget& grid = *ui_->StringGridWriteFont;
    const int row = ChosenRow(grid);
    if (row >= grid.rowCount()) return;
    SetCell(grid, row, fonts::kAddress, ui_->Edit7->text().toStdString());
}

void FontPage::Button3Click()
{
    fonts::FileRows rows = FileRows();
    fonts::SortById(rows);
    ShowFileRows(rows);
}

void FontPage::Button2Click()
{
    fonts::FileRows rows = FileRows();
    fonts::AssignAddresses(rows, fonts::FontBase(fontBase_.checkedId()));
    ShowFileRows(rows);
}

void FontPage::BtnChangeFontNameClick()
{
    const std::string folder = FontFolder();
    for (const fonts::ToolStep& step : fonts::PlanRename(FileRows())) {
        if (step.kind == fonts::ToolStep::Kind::Pass) {
            host_.MonitorLog("PASS", step.text, false);
            continue;
        }
        if (step.kind != fonts::ToolStep::Kind::Rename) continue;
        const std::string from = folder + step.source;
        const std::string to = folder + step.target;
        if (!host_.Confirm("Sure to Save file:\n" + from + "\nto new name: \n" + to)) {
            ScanFontDirectory();
            return;
        }
        std::error_code error;
        if (fs::exists(to, error)) {
            host_.Inform(to + " is exist!!!");
            continue;
        }
        host_.MonitorLog("RENAME", "Rename \n" + from + "to\n" + to, false);
        fs::rename(from, to, error);
        if (error) host_.MonitorLog("ERROR", "Cannot rename " + from + ": " + error.message(), false);
    }
    ScanFontDirectory();
}

void FontPage::Button4Click()
{
    host_.ClearMonitor();
    for (const fonts::ReportLine& line : fonts::FontReport(FileRows()))
        host_.MonitorLog(line.tag, line.text, false);
    ui_->PanelFontSpecial->setVisible(content::FontPanelShown(host_.Settings()));
}

namespace {

// Copies a file unless the target exists; a copy that fails is reported.
void CopyKeepingExisting(shell::BenchHost& host, const std::string& from, const std::string& to)
{
    std::error_code error;
    if (fs::exists(to, error)) return;
    fs::copy_file(from, to, fs::copy_options::skip_existing, error);
    if (error) host.MonitorLog("ERROR", "Cannot copy " + from + ": " + error.message(), false);
}

}  // namespace

void FontPage::BtnCreateUdiskFileClick()
{
    const std::string folder = FontFolder();
    for (const fonts::ToolStep& step : fonts::PlanUdiskCopies(FileRows())) {
        if (step.kind == fonts::ToolStep::Kind::Pass) host_.MonitorLog("PASS", step.text, false);
        if (step.kind != fonts::ToolStep::Kind::Copy) continue;
        std::error_code error;
        fs::create_directories(folder + fonts::kUdiskFolder, error);
        const std::string from = folder + step.source;
        const std::string to = folder + step.target;
        host_.MonitorLog("COPY", "Copy \n" + from + "to\n" + to, false);
        CopyKeepingExisting(host_, from, to);
    }
    ScanFontDirectory();
}

void FontPage::BtnOpenUdiskFileClick() { OpenFolder(FontFolder() + fonts::kUdiskFolder); }

void FontPage::BtnCreateBoardScribeClick()
{
    const std::string folder = FontFolder();
    for (const fonts::ToolStep& step : fonts::PlanBoardScribeCopies(FileRows())) {
        if (step.kind == fonts::ToolStep::Kind::Pass) host_.MonitorLog("PASS", step.text, false);
        if (step.kind != fonts::ToolStep::Kind::Copy && step.kind != fonts::ToolStep::Kind::Stop) continue;
        std::error_code error;
        fs::create_directories(folder + fonts::kAsciiFolder, error);
        fs::create_directories(folder + fonts::kAsianFolder, error);
        if (step.kind == fonts::ToolStep::Kind::Stop) {
            // The rows before are copied already; the list is not scanned again.
            host_.ConversionError(step.text);
            return;
        }
        const std::string from = folder + step.source;
        const std::string to = folder + step.target;
        host_.MonitorLog("COPY", "Copy \n" + from + "to\n" + to, false);
        CopyKeepingExisting(host_, from, to);
    }
    ScanFontDirectory();
}

void FontPage::BtnDisableFontPanelClick()
{
    platform::Profile settings = host_.Settings();
    if (!settings.WriteInt(content::kFontSection, content::kFontPanelKey, 0))
        host_.Warn("Cannot write " + settings.Path());
    ui_->PanelFontSpecial->setVisible(false);
}

void FontPage::Button1Click() { OpenFolder(HomePath(kTempFontFolder)); }

void FontPage::BtnReadFontListClick()
{
    const auto signId = SignId();
    if (!signId) return;
    const int result = Exchange(fonts::BuildFontListFrame(*signId));
    const auto list = fonts::DecodeFontList(host_.Reply().bytes, result);
    if (!list) return;
    QTableWidget& grid = *ui_->StringGridFont;
    if (list->rejected) {
        grid.setRowCount(2);
        for (int c = 0; c < grid.columnCount(); ++c) SetCell(grid, 1, c, "");
        return;
    }
    // An empty list keeps the rows the grid had.
    if (!list->fonts.empty()) grid.setRowCount(static_cast<int>(list->fonts.size()) + 1);
    for (std::size_t i = 0; i < list->fonts.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        SetCell(grid, row, 0, std::to_string(row));
        SetCell(grid, row, 1, fonts::SignFontIdCell(list->fonts[i].id));
        SetCell(grid, row, 2, fonts::SignFontAddressCell(list->fonts[i].address));
        SetCell(grid, row, 3, "");
        SetCell(grid, row, 4, "");
    }
}

void FontPage::suiButton25Click() { BtnReadFontListClick(); }

void FontPage::sbtnMredClick()
{
    QTableWidget& grid = *ui_->StringGridFont;
    for (int row = 1; row < grid.rowCount(); ++row) {
        const std::string address = Cell(grid, row, 2);
        if (static_cast<int>(address.size()) <= kMinAddressCell) continue;
        const auto signId = SignId();
        if (!signId) return;
        const int result =
            Exchange(fonts::BuildFontHeaderReadFrame(*signId, protocol::HexTextToInt(address)));
        const auto header = fonts::DecodeFontHeaderRead(host_.Reply().bytes, result);
        if (!header) continue;
        SetCell(grid, row, 3, fonts::TextOfNameBytes(header->name));
        SetCell(grid, row, 4, std::to_string(header->flash));
        // Each row shows as soon as it is read.
        host_.ProcessEvents();
    }
}

void FontPage::BtnEraseFontClick()
{
    QTableWidget& grid = *ui_->StringGridFont;
    const int row = ChosenRow(grid);
    if (row >= grid.rowCount()) return;
    const std::string address = Cell(grid, row, 2);
    if (static_cast<int>(address.size()) <= kMinAddressCell) return;
    if (!host_.Confirm("Sure to delete FONT address: " + address)) return;
    const auto signId = SignId();
    if (!signId) return;
    const int result = Exchange(fonts::BuildFontDeleteFrame(*signId, protocol::HexTextToInt(address)));
    if (!fonts::Accepted(host_.Reply().bytes, result)) return;
    SetCell(grid, row, 3, "Deleted");
    host_.ProcessEvents();
}

void FontPage::suiButton21Click()
{
    const std::string source = FontFolder();
    const fs::path temp = HomePath(kTempFontFolder);
    std::error_code error;

    host_.MonitorLog("FILE", "Erase dire _temp/", true);
    fs::create_directories(temp, error);
    for (const std::string& name : fonts::PlainFiles(temp.string())) {
        if (name.front() != '_') continue;
        host_.MonitorLog("FILE", "Delete _temp/" + name, false);
        fs::remove(temp / name, error);
    }

    host_.MonitorLog("FILE", "Start copy _temp/", true);
    const fonts::FileRows rows = FileRows();
    std::vector<int> chosen;
    if (writeFontOption_.checkedId() == 1) {
        for (int r = 1; r <= static_cast<int>(rows.size()); ++r) chosen.push_back(r);
    } else {
        chosen.push_back(ChosenRow(*ui_->StringGridWriteFont));
    }
    std::set<std::string> made;
    for (const fonts::ToolStep& step : fonts::PlanDownloadCopies(rows, chosen)) {
        if (step.kind == fonts::ToolStep::Kind::Pass) {
            host_.MonitorLog("PASS", step.text, false);
            continue;
        }
        host_.MonitorLog("FILE", "Copy " + step.source + " to _temp/" + step.target, false);
        fs::copy_file(source + step.source, temp / step.target, fs::copy_options::overwrite_existing, error);
        if (error) {
            host_.MonitorLog("ERROR", "Cannot copy " + source + step.source + ": " + error.message(), false);
            continue;
        }
        made.insert(step.target);
    }

    if (ui_->EditFlashPath->text().size() < kMinFolderChars) {
        host_.Inform("None files be found");
        return;
    }
    if (host_.Confirm(
            "Sure to download font? \n  It will take maybe 10 seconds to 10 minutes to download font?")) {
        // A sign id that is no number stops here, after its one conversion box.
        const auto signId = SignId();
        if (!signId) return;
        fonts::FontWriter(host_, *signId).WriteTempFontsToSign(temp.string(), made);
    }
    BtnReadFontListClick();
}
