#include "bench/images/send_image_page.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/page_controls.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_bench_host.h"

namespace {

using testsupport::ControlCase;
using testsupport::ControlKind;

class SendImagePageTest : public ::testing::Test {
protected:
    testsupport::TempDir home;
    testsupport::TestBenchHost host{home.Path()};
    SendImagePage page{host};
};

const std::vector<ControlCase>& Controls()
{
    static const std::vector<ControlCase> controls = {
        {.name = "BtnOgifOpen", .kind = ControlKind::Button, .caption = "Open "},
        {.name = "LabelOtxtFileName",
         .kind = ControlKind::Label,
         .caption = "Send XBMP, OBMP, XGIF, OGIF File :",
         .labelFor = "EditOGif"},
        {.name = "EditOGif", .kind = ControlKind::ReadOnlyEdit, .current = ""},
        {.name = "Label35", .kind = ControlKind::Label, .caption = "..."},
        {.name = "BtnOgif", .kind = ControlKind::Button, .caption = "Send..."},
        {.name = "Label5",
         .kind = ControlKind::Label,
         .caption = "Program ID: ",
         .labelFor = "ComboBoxFileName"},
        {.name = "ComboBoxFileName",
         .kind = ControlKind::DropDown,
         .items = testsupport::NumberItems(0, 1000, 5),
         .current = "200"},
        {.name = "Label11FileType",
         .kind = ControlKind::Label,
         .caption = "File Type:",
         .labelFor = "ComboBox2"},
        {.name = "ComboBox2",
         .kind = ControlKind::DropDown,
         .items = QStringList{"0x86 OGIF/OBMP", "0x85 XGIF", "0x85 XBMP"},
         .current = "0x86 OGIF/OBMP"},
        {.name = "LabelAlias", .kind = ControlKind::Label, .caption = "Alias: ", .labelFor = "EditAlias"},
        {.name = "EditAlias", .kind = ControlKind::Edit, .current = "Program"},
        {.name = "LabelPgmMode",
         .kind = ControlKind::Label,
         .caption = "Program Mode:",
         .labelFor = "CBProgramMode"},
        {.name = "CBProgramMode",
         .kind = ControlKind::DropDown,
         .items = QStringList{"Create a normal program: 0", "Create a hiding program: 1",
                              "Replace old program files:2"},
         .current = "Create a normal program: 0"},
        {.name = "LabelTotalSeconds",
         .kind = ControlKind::Label,
         .caption = "Total Seconds:",
         .labelFor = "CBOgifTotalSeconds"},
        {.name = "CBOgifTotalSeconds",
         .kind = ControlKind::DropDown,
         .items = QStringList{"Default", "1", "2", "3", "4", "5", "6", "10", "15", "20", "30", "45", "60",
                              "90", "120", "9999"},
         .current = "Default"},
        {.name = "LabelLoopTimes",
         .kind = ControlKind::Label,
         .caption = "Loop Times:",
         .labelFor = "ComboOgifTimes"},
        {.name = "ComboOgifTimes",
         .kind = ControlKind::DropDown,
         .items = QStringList{"1", "2", "3", "4", "5", "6", "255"},
         .current = "1"},
        // The action names come from the program script store when the window shows.
        {.name = "LabelAction",
         .kind = ControlKind::Label,
         .caption = "Action:",
         .labelFor = "ComboBox_Action_Ogif"},
        {.name = "ComboBox_Action_Ogif", .kind = ControlKind::DropDown, .items = QStringList{}},
        {.name = "Label38",
         .kind = ControlKind::Label,
         .caption = "Speed:",
         .labelFor = "ComboBox_Speed_Ogif"},
        {.name = "ComboBox_Speed_Ogif",
         .kind = ControlKind::DropDown,
         .items = testsupport::NumberItems(1, 5, 1, "SPEED "),
         .current = "SPEED 1"},
        {.name = "Label37",
         .kind = ControlKind::Label,
         .caption = "Stay Seconds:",
         .labelFor = "ComboBox_Stay_Ogif"},
        {.name = "ComboBox_Stay_Ogif",
         .kind = ControlKind::DropDown,
         .items = testsupport::NumberItems(0, 5),
         .current = "0"},
    };
    return controls;
}

TEST_F(SendImagePageTest, EveryControlHasItsKindCaptionItemsDefaultAndVisibility)
{
    EXPECT_EQ(page.objectName(), "TabSheet_EasyPgm");
    for (const ControlCase& control : Controls()) testsupport::ExpectControl(page, control);
}

}  // namespace
