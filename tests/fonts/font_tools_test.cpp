#include "bench/fonts/font_tools.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using fonts::FileRow;
using fonts::FileRows;
using fonts::ToolStep;
using Kind = fonts::ToolStep::Kind;

FileRow Font(const std::string& id, const std::string& file, const std::string& address = "",
             const std::string& flash = "4096")
{
    FileRow row{};
    row[fonts::kFontId] = id;
    row[fonts::kFontName] = id == "@File" ? "" : "ARIAL";
    row[fonts::kHeight] = "16";
    row[fonts::kWidth] = "8";
    row[fonts::kBytes] = "1000";
    row[fonts::kFlash] = flash;
    row[fonts::kFileName] = file;
    row[fonts::kAddress] = address;
    return row;
}

TEST(FontTools, BasesOfTheFlashLayouts)
{
    EXPECT_EQ(fonts::FontBase(0), 0x00100000u);
    EXPECT_EQ(fonts::FontBase(1), 0x00010000u);
    EXPECT_EQ(fonts::FontBase(2), 0x00100000u);
}

TEST(FontTools, AddressAutomaticSkipsOtherFiles)
{
    FileRows rows = {Font("FT0200", "a", "", "8192"), Font("@File", "b", "keep", "4096"), Font("FT0201", "c"),
                     Font("FT0202", "d", "", "")};
    fonts::AssignAddresses(rows, fonts::FontBase(0));
    EXPECT_EQ(rows[0][fonts::kAddress], "00100000");
    EXPECT_EQ(rows[1][fonts::kAddress], "keep");
    EXPECT_EQ(rows[2][fonts::kAddress], "00102000");
    EXPECT_EQ(rows[3][fonts::kAddress], "00103000");  // an empty Flash cell adds nothing after it
}

TEST(FontTools, SortPutsOtherFilesFirstAndKeepsNumbers)
{
    FileRows rows = {Font("FT0300", "c"), Font("@File", "x"), Font("FT0200", "a"), Font("ft0250", "b")};
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i][fonts::kNo] = std::to_string(i + 1);
    fonts::SortById(rows);
    std::vector<std::string> order;
    for (const FileRow& row : rows) order.push_back(row[fonts::kNo] + ":" + row[fonts::kFontId]);
    EXPECT_EQ(order, (std::vector<std::string>{"1:@File", "2:FT0200", "3:ft0250", "4:FT0300"}));
}

TEST(FontTools, RenamePlan)
{
    const FileRows rows = {
        Font("@File", "readme.txt"),
        Font("FT0200", "noaddr.bin"),
        Font("FT0200", "[00100000]_FT0200_ARIAL_16x8.bin", "00100000"),  // already so named
        Font("FT0201", "a.b", "00200000"),                               // name too short to touch
        Font("FT0202", "raw.bin", "1000"),
    };
    const std::vector<ToolStep> steps = fonts::PlanRename(rows);
    ASSERT_EQ(steps.size(), 5u);
    EXPECT_EQ(steps[0].kind, Kind::Pass);
    EXPECT_EQ(steps[0].text, "Not font: @File");
    EXPECT_EQ(steps[1].kind, Kind::Pass);
    EXPECT_EQ(steps[1].text, "No address :noaddr.bin");
    EXPECT_EQ(steps[2].kind, Kind::Leave);
    EXPECT_EQ(steps[3].kind, Kind::Leave);
    EXPECT_EQ(steps[4].kind, Kind::Rename);
    EXPECT_EQ(steps[4].row, 5);
    EXPECT_EQ(steps[4].source, "raw.bin");
    EXPECT_EQ(steps[4].target, "[00001000]_FT0202_ARIAL_16x8.bin");
}

TEST(FontTools, UdiskPlan)
{
    const FileRows rows = {Font("FT0200", "a.bin", "100000"), Font("FT0200", "_0100000.bin", "100000"),
                           Font("@File", "x.bin", "1")};
    const std::vector<ToolStep> steps = fonts::PlanUdiskCopies(rows);
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[0].kind, Kind::Copy);
    EXPECT_EQ(steps[0].target, "_VelaMem/_0100000.bin");
    EXPECT_EQ(steps[1].kind, Kind::Leave);
    EXPECT_EQ(steps[2].kind, Kind::Pass);
}

TEST(FontTools, BoardScribeSplitsAtFT0200AndStopsAtAHexId)
{
    const FileRows rows = {Font("FT0199", "a.bin", "1"), Font("FT0200", "b.bin", "2"),
                           Font("FT0200", "n.bin"), Font("FT02A0", "c.bin", "3"),
                           Font("FT0300", "d.bin", "4")};
    const std::vector<ToolStep> steps = fonts::PlanBoardScribeCopies(rows);
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[0].target, "_ASCII/[FT0199] ARIAL 16 x 8");
    EXPECT_EQ(steps[1].target, "_ASIAN/[FT0200] ARIAL 16 x 8");
    EXPECT_EQ(steps[2].kind, Kind::Pass);  // the address is needed though the name does not use it
    EXPECT_EQ(steps[3].kind, Kind::Stop);
    EXPECT_EQ(steps[3].row, 4);
    EXPECT_EQ(steps[3].text, "'02A0' is not a valid integer value");
}

TEST(FontTools, DownloadCopiesOfTheChosenRows)
{
    const FileRows rows = {Font("@File", "x.bin", "100000"), Font("FT0200", "a.bin", "1"),
                           Font("FT0201", "b.bin", "1000"), Font("FT0202", "c.bin", "123456789")};
    const std::vector<ToolStep> steps = fonts::PlanDownloadCopies(rows, {1, 2, 3, 4, 9});
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[0].text, "FT not found, can't copy @File to _temp/");
    EXPECT_EQ(steps[1].text, "Address len<2, can't copy a.bin to _temp/1");
    EXPECT_EQ(steps[2].kind, Kind::Copy);
    EXPECT_EQ(steps[2].source, "b.bin");
    EXPECT_EQ(steps[2].target, "_00001000.bin");
    EXPECT_EQ(steps[3].target, "_23456789.bin");
    EXPECT_EQ(fonts::PlanDownloadCopies(rows, {3}).size(), 1u);
}

TEST(FontTools, ReportLines)
{
    const std::vector<fonts::ReportLine> lines =
        fonts::FontReport({Font("FT0200", "a.bin"), Font("@File", "x")});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].tag, "FONT");
    EXPECT_EQ(lines[0].text, "a.bin  ----  FT0200_ARIAL_16x8_1000 bytes");
    EXPECT_EQ(lines[1].tag, "FILE");
    EXPECT_EQ(lines[1].text, "x");
}

}  // namespace
