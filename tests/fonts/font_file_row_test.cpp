#include "bench/fonts/font_file_row.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/fonts/font_folder.h"
#include "bench/fonts/font_names.h"
#include "tests/fonts/font_bytes.h"
#include "tests/support/temp_dir.h"

namespace {

using fonts::FileRow;

FileRow Row(const std::string& name, const std::vector<std::uint8_t>& bytes)
{
    return fonts::MakeFileRow(1, name, bytes.size(),
                              std::span(bytes).first(std::min<std::size_t>(bytes.size(), 32)));
}

TEST(FontFileRow, FontFileFillsEveryColumn)
{
    const auto bytes =
        fontstest::FontBytes({.id = 0x0200, .name = "ARIAL", .width = 8, .height = 16, .size = 8192});
    const FileRow row = Row("[00100000]_FT0200_ARIAL_16x8.bin", bytes);
    const FileRow expected = {
        "1",       "FT0200", "ARIAL", "16", "8", "8192", "32", "8192", "[00100000]_FT0200_ARIAL_16x8.bin",
        "00100000"};
    EXPECT_EQ(row, expected);
}

struct RowCase {
    const char* what;
    std::vector<std::uint8_t> bytes;
    FileRow expected;
};

TEST(FontFileRow, OtherShortAndEmptyFiles)
{
    std::vector<std::uint8_t> other(100, 0x00);
    other[12] = 0x05;
    other[18] = 7;
    other[19] = 9;
    // A header cut after the id: the rest reads as 0.
    const std::vector<std::uint8_t> shortFont = {'F', 'T', 'A', 'B', 0, 0, 0, 0, 0x01, 0x03};
    auto negative = fontstest::FontBytes({.id = 0x00FF, .name = "SIXSIX", .size = 40});
    negative[12] = 0xFF;  // page count -1
    negative[13] = 0xFF;
    const std::vector<RowCase> cases = {
        {"any other file keeps H, W and P-256 of its bytes",
         other,
         {"1", "@File", "", "9", "7", "100", "5", "4096", "f.bin", ""}},
        {"an empty file", {}, {"1", "@File", "", "0", "0", "0", "0", "4096", "f.bin", ""}},
        {"a short font file", shortFont, {"1", "FT0301", "AB", "0", "0", "10", "0", "4096", "f.bin", ""}},
        {"a signed page count and a six-letter name",
         negative,
         {"1", "FT00FF", "SIXSIX", "16", "8", "40", "-1", "4096", "f.bin", ""}},
    };
    for (const RowCase& c : cases) EXPECT_EQ(Row("f.bin", c.bytes), c.expected) << c.what;
}

TEST(FontFileRow, FlashSpaceIsWholeBlocks)
{
    const std::pair<std::uint64_t, std::int64_t> cases[] = {{0, 4096}, {1, 4096}, {4096, 4096}, {4097, 8192}};
    for (const auto& [size, flash] : cases) EXPECT_EQ(fonts::FlashSpace(size), flash) << size;
}

TEST(FontFileRow, AddressBetweenTheFirstBrackets)
{
    const std::pair<const char*, const char*> cases[] = {
        {"[00100000]_FT0200_ARIAL_16x8.bin", "00100000"},
        {"x[1000]y[2000].bin", "1000"},
        {"no brackets.bin", ""},
        {"only[open.bin", ""},
        {"closed]before[.bin", ""},
    };
    for (const auto& [name, address] : cases) EXPECT_EQ(fonts::AddressTextOfName(name), address) << name;
}

TEST(FontFolder, ListsPlainFilesIgnoringCaseWithTheirHeaders)
{
    testsupport::TempDir dir;
    fontstest::WriteFile(dir.File("b.bin"), fontstest::FontBytes({.id = 0x0201, .name = "B"}));
    fontstest::WriteFile(dir.File("A.bin"), {'x'});
    fontstest::WriteFile(dir.File("c.txt"), {});
    fontstest::WriteFile(dir.File("[00100000]_x.bin"), {});
    fontstest::WriteFile(dir.File(".hidden"), {'F', 'T'});
    std::filesystem::create_directory(dir.File("sub"));
    const fonts::FileRows rows = fonts::ScanFontFolder(dir.Path());
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0][fonts::kFileName], "[00100000]_x.bin");
    EXPECT_EQ(rows[0][fonts::kAddress], "00100000");
    EXPECT_EQ(rows[1][fonts::kFileName], "A.bin");
    EXPECT_EQ(rows[2][fonts::kFileName], "b.bin");
    EXPECT_EQ(rows[2][fonts::kFontId], "FT0201");
    EXPECT_EQ(rows[3][fonts::kNo], "4");
    EXPECT_EQ(rows[3][fonts::kBytes], "0");
    EXPECT_TRUE(fonts::ScanFontFolder(dir.File("missing")).empty());
}

TEST(FontNames, SchemesOfTheTools)
{
    FileRow row{};
    row[fonts::kFontId] = "FT0200";
    row[fonts::kFontName] = "ARIAL";
    row[fonts::kHeight] = "16";
    row[fonts::kWidth] = "8";
    row[fonts::kAddress] = "100000";
    EXPECT_EQ(fonts::FontFileName(row), "[00100000]_FT0200_ARIAL_16x8.bin");
    EXPECT_EQ(fonts::UdiskFileName(row), "_0100000.bin");
    EXPECT_EQ(fonts::BoardScribeFileName(row), "[FT0200] ARIAL 16 x 8");
    EXPECT_EQ(fonts::DownloadFileName(row[fonts::kAddress]), "_00100000.bin");

    row[fonts::kAddress] = "1000";
    EXPECT_EQ(fonts::FontFileName(row), "[00001000]_FT0200_ARIAL_16x8.bin");
    EXPECT_EQ(fonts::UdiskFileName(row), "_0001000.bin");
    EXPECT_EQ(fonts::DownloadFileName("1000"), "_00001000.bin");
    EXPECT_EQ(fonts::DownloadFileName("123456789"), "_23456789.bin");
}

TEST(FontNames, AddressOfADownloadCopy)
{
    const std::pair<const char*, std::uint32_t> cases[] = {
        {"_00100000.bin", 0x00100000},
        {"__00110000_x.bin", 0x00110000},
        {"_abcdef12.bin", 0xABCDEF12},
        {"_0010G000.bin", 0x0010},
        {"_xyz.bin", 0},
        {"_123456789.bin", 0x12345678},
    };
    for (const auto& [name, address] : cases) EXPECT_EQ(fonts::DownloadAddress(name), address) << name;

    EXPECT_TRUE(fonts::IsDownloadFileName("_00100000.bin"));
    EXPECT_TRUE(fonts::IsDownloadFileName("_0010abcd.bin"));
    for (const char* name :
         {"__00110000_x.bin", "_0010000.bin", "_0010000Z.bin", "_00100000.txt", "00100000.bin"})
        EXPECT_FALSE(fonts::IsDownloadFileName(name)) << name;
}

}  // namespace
