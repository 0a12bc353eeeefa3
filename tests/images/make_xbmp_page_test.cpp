#include "bench/images/make_xbmp_page.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTabWidget>
#include <vector>

#include "tests/support/page_controls.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_bench_host.h"

namespace {

using testsupport::ControlCase;
using testsupport::ControlKind;

class MakeXbmpPageTest : public ::testing::Test {
protected:
    testsupport::TempDir home;
    testsupport::TestBenchHost host{home.Path()};
    MakeXbmpPage page{host};
};

const std::vector<ControlCase>& Controls()
{
    static const std::vector<ControlCase> controls = {
        {.name = "TabSheet2", .kind = ControlKind::Page, .caption = "XBMP ( for full colors )"},
        {.name = "TabSheet3", .kind = ControlKind::Page, .caption = "OBMP ( for 7 colors)"},
        // OBMP
        {.name = "BtnOpenBitmap", .kind = ControlKind::Button, .caption = "Open Bitmap"},
        {.name = "CheckBoxRed", .kind = ControlKind::CheckBox, .caption = "RED", .current = "1"},
        {.name = "CheckBoxGreen", .kind = ControlKind::CheckBox, .caption = "GREEN", .current = "1"},
        {.name = "CheckBoxBlue", .kind = ControlKind::CheckBox, .caption = "BLUE", .current = "1"},
        {.name = "LabelObmpSize",
         .kind = ControlKind::Label,
         .caption = "Height x Width:",
         .labelFor = "EditBitmapHeight"},
        {.name = "EditBitmapHeight", .kind = ControlKind::ReadOnlyEdit, .current = "0"},
        {.name = "EditBitmapWidth", .kind = ControlKind::ReadOnlyEdit, .current = "0"},
        {.name = "BtnSaveObmp", .kind = ControlKind::Button, .caption = "Save to OBMP"},
        {.name = "BtnBitmap", .kind = ControlKind::Button, .caption = "BtnBitmap", .visible = false},
        {.name = "Image1", .kind = ControlKind::Image},
        {.name = "ImageNow", .kind = ControlKind::Image},
        // XBMP
        {.name = "BtnOpenBitmap2", .kind = ControlKind::Button, .caption = "Open Bitmap"},
        {.name = "LabelXbmpFile",
         .kind = ControlKind::Label,
         .caption = "Bitmap File",
         .labelFor = "EditXbmpFile"},
        {.name = "EditXbmpFile", .kind = ControlKind::ReadOnlyEdit, .current = ""},
        {.name = "GroupBox2", .kind = ControlKind::GroupBox, .caption = "Bitmap Convert"},
        {.name = "Label14", .kind = ControlKind::Label, .caption = "Height", .labelFor = "Edit3"},
        {.name = "Label1", .kind = ControlKind::Label, .caption = "Width", .labelFor = "Edit6"},
        {.name = "Edit3", .kind = ControlKind::ReadOnlyEdit, .current = "0"},
        {.name = "Edit6", .kind = ControlKind::ReadOnlyEdit, .current = "0"},
        {.name = "BtnSaveXbmp", .kind = ControlKind::Button, .caption = "Save to .XBMP"},
        {.name = "suiButton22", .kind = ControlKind::Button, .caption = ""},
        {.name = "GroupBoxXbmpOption", .kind = ControlKind::GroupBox, .caption = "Option "},
        {.name = "LabelObmpStay",
         .kind = ControlKind::Label,
         .caption = "Stay Time (ms)",
         .labelFor = "ComboBoxObmpStay"},
        {.name = "ComboBoxObmpStay",
         .kind = ControlKind::DropDown,
         .items =
             QStringList{"10", "20", "30", "40", "50", "60", "70", "80", "90", "100", "200", "400", "1000"},
         .current = "10"},
        {.name = "CheckComPress",
         .kind = ControlKind::CheckBox,
         .caption = "Compress the data",
         .current = "0"},
        {.name = "Image11", .kind = ControlKind::Image},
    };
    return controls;
}

TEST_F(MakeXbmpPageTest, EveryControlHasItsKindCaptionItemsDefaultAndVisibility)
{
    EXPECT_EQ(page.objectName(), "TabSheet1");
    for (const ControlCase& control : Controls()) testsupport::ExpectControl(page, control);
}

TEST_F(MakeXbmpPageTest, FullColourConverterIsTheFirstInnerPage)
{
    auto* xbmp = page.findChild<QWidget*>("TabSheet2");
    auto* obmp = page.findChild<QWidget*>("TabSheet3");
    ASSERT_NE(xbmp, nullptr);
    ASSERT_NE(obmp, nullptr);
    auto* tabs = qobject_cast<QTabWidget*>(xbmp->parentWidget()->parentWidget());
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->indexOf(xbmp), 0);
    EXPECT_EQ(tabs->indexOf(obmp), 1);
    EXPECT_EQ(tabs->currentIndex(), 0);
}

// Each converter's controls lie on its own inner page, where its handlers look.
TEST_F(MakeXbmpPageTest, ControlsSitOnTheirConvertersPage)
{
    struct Placement {
        const char* control;
        const char* innerPage;
    };
    const Placement placements[] = {
        {"BtnOpenBitmap", "TabSheet3"},  {"CheckBoxRed", "TabSheet3"},      {"EditBitmapHeight", "TabSheet3"},
        {"BtnSaveObmp", "TabSheet3"},    {"Image1", "TabSheet3"},           {"ImageNow", "TabSheet3"},
        {"BtnOpenBitmap2", "TabSheet2"}, {"EditXbmpFile", "TabSheet2"},     {"Edit3", "TabSheet2"},
        {"BtnSaveXbmp", "TabSheet2"},    {"ComboBoxObmpStay", "TabSheet2"}, {"CheckComPress", "TabSheet2"},
        {"Image11", "TabSheet2"},        {"suiButton22", "TabSheet2"},      {"GroupBox2", "TabSheet2"},
        {"Label1", "TabSheet2"},         {"Label14", "TabSheet2"},
    };
    for (const Placement& p : placements) {
        auto* inner = page.findChild<QWidget*>(p.innerPage);
        auto* control = page.findChild<QWidget*>(p.control);
        ASSERT_NE(inner, nullptr);
        ASSERT_NE(control, nullptr) << p.control;
        EXPECT_TRUE(inner->isAncestorOf(control)) << p.control << " is not on " << p.innerPage;
    }
}

TEST_F(MakeXbmpPageTest, FolderButtonShowsAGlyph)
{
    auto* button = page.findChild<QAbstractButton*>("suiButton22");
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->icon().isNull());
}

}  // namespace
