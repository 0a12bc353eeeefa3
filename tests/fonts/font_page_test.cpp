#include "bench/fonts/font_page.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QListWidget>
#include <QTableWidget>
#include <vector>

#include "tests/support/page_controls.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_bench_host.h"

namespace {

using testsupport::ControlCase;
using testsupport::ControlKind;

class FontPageTest : public ::testing::Test {
protected:
    testsupport::TempDir home;
    testsupport::TestBenchHost host{home.Path()};
    FontPage page{host};
};

const QStringList kSignFontTitles = {"No.", "Font ID", "Address", "Font Name", "Page256x8"};
const QStringList kFileTitles = {"No.",   "FontId", "Font Name", "H",         "W",
                                 "Bytes", "P-256",  "Flash",     "File Name", "Address"};

const std::vector<ControlCase>& Controls()
{
    static const std::vector<ControlCase> controls = {
        // The sign's font memory
        {.name = "LabelReadFontList",
         .kind = ControlKind::Label,
         .caption = "Read font list from the LED sign: ",
         .labelFor = "BtnReadFontList"},
        {.name = "BtnReadFontList", .kind = ControlKind::Button, .caption = "Get font list from sign"},
        {.name = "suiButton25", .kind = ControlKind::Button, .caption = "Font Index [FONT]"},
        {.name = "sbtnMred", .kind = ControlKind::Button, .caption = "Get font name [MRED]"},
        {.name = "BtnEraseFont", .kind = ControlKind::SpeedButton, .caption = ""},
        {.name = "StringGridFont",
         .kind = ControlKind::Grid,
         .items = kSignFontTitles,
         .columnWidths = {20, 80, 70, 70, 70}},
        // The local font files
        {.name = "GroupBoxFontManager",
         .kind = ControlKind::GroupBox,
         .caption = "Font Manager Tools for Local Font Files"},
        {.name = "EditFlashPath", .kind = ControlKind::ReadOnlyEdit, .current = ""},
        {.name = "BtnOpenFont", .kind = ControlKind::Button, .caption = "Open Font Dire"},
        {.name = "StringGridWriteFont",
         .kind = ControlKind::Grid,
         .items = kFileTitles,
         .columnWidths = {20, 55, 70, 25, 25, 60, 40, 50, 280, 70}},
        {.name = "RGWriteFontOption",
         .kind = ControlKind::RadioGroup,
         .items = QStringList{"Send Current File", "Send All Files"},
         .current = "Send Current File"},
        {.name = "suiButton21", .kind = ControlKind::Button, .caption = "Send Font to LED"},
        {.name = "ListBoxFont", .kind = ControlKind::ListBox, .items = QStringList{}, .visible = false},
        {.name = "CBFileName", .kind = ControlKind::DropDown, .items = QStringList{}, .visible = false},
        // The file tools; the panel shows only when setup.cfg asks for it.
        {.name = "PanelFontSpecial", .kind = ControlKind::Panel, .visible = false},
        {.name = "Button3", .kind = ControlKind::Button, .caption = "Sort by Font ID"},
        {.name = "Button2", .kind = ControlKind::Button, .caption = "Tool: Address automatic"},
        {.name = "RGFontBase",
         .kind = ControlKind::RadioGroup,
         .items = QStringList{"100000-3FFFFF, 04M (Text1M+Font03M)", "010000-0FFFFF, 04M (Font1M+Gray03M)",
                              "100000-3FFFFF, 16M (Font4M:Gray12M)"},
         .current = "100000-3FFFFF, 04M (Text1M+Font03M)"},
        {.name = "BtnChangeFontName", .kind = ControlKind::Button, .caption = "Tool: Rename Font File"},
        {.name = "Button4", .kind = ControlKind::Button, .caption = "Font Report"},
        {.name = "BtnCreateUdiskFile", .kind = ControlKind::Button, .caption = "Tool: Create UDisk File"},
        {.name = "BtnOpenUdiskFile", .kind = ControlKind::Button, .caption = "Open Udisk Dire"},
        {.name = "BtnCreateBoardScribe", .kind = ControlKind::Button, .caption = "Tool: BoardScribe Font"},
        {.name = "Edit7", .kind = ControlKind::Edit, .current = "00100000"},
        {.name = "Button6", .kind = ControlKind::Button, .caption = "Set font address"},
        {.name = "Button1", .kind = ControlKind::Button, .caption = "Open Temp Dire"},
        {.name = "BtnDisableFontPanel", .kind = ControlKind::Button, .caption = "Disable Visible"},
    };
    return controls;
}

TEST_F(FontPageTest, EveryControlHasItsKindCaptionItemsDefaultAndVisibility)
{
    EXPECT_EQ(page.objectName(), "TabSheet6");
    for (const ControlCase& control : Controls()) testsupport::ExpectControl(page, control);
}

// Hiding the panel hides exactly its eight tools; the address field, the temporary
// folder and the panel switch itself stay at hand.
TEST_F(FontPageTest, PanelHoldsTheEightFileToolsAndNothingElse)
{
    auto* panel = page.findChild<QWidget*>("PanelFontSpecial");
    ASSERT_NE(panel, nullptr);
    struct Placement {
        const char* control;
        bool inPanel;
    };
    const Placement placements[] = {
        {"Button3", true},
        {"Button2", true},
        {"RGFontBase", true},
        {"BtnChangeFontName", true},
        {"Button4", true},
        {"BtnCreateUdiskFile", true},
        {"BtnOpenUdiskFile", true},
        {"BtnCreateBoardScribe", true},
        {"Edit7", false},
        {"Button6", false},
        {"Button1", false},
        {"BtnDisableFontPanel", false},
        {"StringGridWriteFont", false},
        {"suiButton21", false},
    };
    for (const Placement& p : placements) {
        auto* control = page.findChild<QWidget*>(p.control);
        ASSERT_NE(control, nullptr) << p.control;
        EXPECT_EQ(panel->isAncestorOf(control), p.inPanel) << p.control;
    }
}

// The handlers fill rows from 1 and read the chosen row; row 0 holds the titles and
// can be neither chosen nor edited, and nothing is edited in place.
TEST_F(FontPageTest, GridsStartWithTitleRowAndOneEmptyRowAndPickWholeRows)
{
    for (const char* name : {"StringGridFont", "StringGridWriteFont"}) {
        SCOPED_TRACE(name);
        auto* grid = page.findChild<QTableWidget*>(name);
        ASSERT_NE(grid, nullptr);
        EXPECT_EQ(grid->rowCount(), 2);
        EXPECT_EQ(grid->selectionMode(), QAbstractItemView::SingleSelection);
        EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        for (int col = 0; col < grid->columnCount(); ++col) {
            const Qt::ItemFlags flags = grid->item(0, col)->flags();
            EXPECT_FALSE(flags & Qt::ItemIsSelectable) << "column " << col;
            EXPECT_FALSE(flags & Qt::ItemIsEditable) << "column " << col;
        }
    }
}

TEST_F(FontPageTest, DeleteButtonShowsAGlyph)
{
    auto* button = page.findChild<QAbstractButton*>("BtnEraseFont");
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->icon().isNull());
}

TEST_F(FontPageTest, WorkingFileListKeepsItsEntriesSorted)
{
    auto* list = page.findChild<QListWidget*>("ListBoxFont");
    ASSERT_NE(list, nullptr);
    list->addItems({"b.bin", "a.bin", "c.bin"});
    EXPECT_EQ(list->item(0)->text(), "a.bin");
    EXPECT_EQ(list->item(2)->text(), "c.bin");
}

}  // namespace
