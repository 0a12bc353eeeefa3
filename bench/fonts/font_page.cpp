#include "bench/fonts/font_page.h"

#include <QHeaderView>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QTableWidget>
#include <initializer_list>
#include <memory>

#include "bench/shell/bench_host.h"
#include "ui_font_page.h"

namespace {

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
}

FontPage::~FontPage() = default;
