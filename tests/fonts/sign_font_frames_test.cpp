#include "bench/fonts/sign_font_frames.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "protocol/frame_text.h"

namespace {

// A reply as the bench keeps it: 7E 01, id, length, command, data, FF FF, 7E, 00.
std::vector<std::uint8_t> Reply(const char* command, const std::vector<std::uint8_t>& data)
{
    std::vector<std::uint8_t> reply = {0x7E, 0x01, 0xFE,
                                       0xFE, 0x00, static_cast<std::uint8_t>(4 + data.size())};
    for (int i = 0; i < 4; ++i) reply.push_back(static_cast<std::uint8_t>(command[i]));
    for (const std::uint8_t b : data) reply.push_back(b);
    for (const std::uint8_t b : {0xFF, 0xFF, 0x7E, 0x00}) reply.push_back(b);
    return reply;
}

int Count(const std::vector<std::uint8_t>& reply) { return static_cast<int>(reply.size()); }

TEST(SignFontFrames, ListReadAndDeleteFrames)
{
    EXPECT_EQ(fonts::BuildFontListFrame(0xFEFE), "7E 01 FE FE 00 04 46 4F 4E 54 FF FF 7E 00 ");
    EXPECT_EQ(fonts::BuildFontHeaderReadFrame(0xFEFE, 0x00110000),
              "7E 01 FE FE 00 0A 4D 52 45 44 00 11 00 00 00 20 FF FF 7E 00 ");
    EXPECT_EQ(fonts::BuildFontDeleteFrame(0x0001, 0x00100000),
              "7E 01 00 01 00 0A 4D 57 52 44 00 10 00 00 00 00 FF FF 7E 00 ");
    // Sign id and address bytes are escaped like every other byte.
    EXPECT_EQ(fonts::BuildFontHeaderReadFrame(0x7E7D, 0x007E0000),
              "7E 01 7D 02 7D 01 00 0A 4D 52 45 44 00 7D 02 00 00 00 20 FF FF 7E 00 ");
}

TEST(SignFontFrames, FontListWithTwoEntries)
{
    const auto reply = Reply("FONT", {0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x02, 0x00, 0x00, 0x10, 0x00,
                                      0x01, 0x02, 0x00, 0x00, 0x11, 0x00});
    const auto list = fonts::DecodeFontList(reply, Count(reply));
    ASSERT_TRUE(list);
    EXPECT_FALSE(list->rejected);
    ASSERT_EQ(list->fonts.size(), 2u);
    EXPECT_EQ(fonts::SignFontIdCell(list->fonts[0].id), " FT0200");
    EXPECT_EQ(fonts::SignFontAddressCell(list->fonts[0].address), "00100000");
    EXPECT_EQ(fonts::SignFontIdCell(list->fonts[1].id), " FT0201");
    EXPECT_EQ(fonts::SignFontAddressCell(list->fonts[1].address), "00110000");
}

TEST(SignFontFrames, FontListWithoutReplyOrRejectedOrCutShort)
{
    const auto rejected = Reply("FONT", {0x01});
    EXPECT_TRUE(fonts::DecodeFontList(rejected, Count(rejected))->rejected);
    EXPECT_FALSE(fonts::DecodeFontList(rejected, 0));
    // N says 2 but only one entry came: the missing one reads as zeros, never as
    // bytes of an earlier reply.
    std::array<std::uint8_t, 64> buffer{};
    buffer.fill(0x55);
    const auto cut = Reply("FONT", {0x00, 0, 0, 0, 0, 0x02, 0x00, 0x02, 0x00, 0x00, 0x10, 0x00});
    std::copy(cut.begin(), cut.end(), buffer.begin());
    const auto list = fonts::DecodeFontList(buffer, Count(cut));
    ASSERT_EQ(list->fonts.size(), 2u);
    EXPECT_EQ(list->fonts[1].id, 0);
    EXPECT_EQ(list->fonts[1].address, 0u);
}

TEST(SignFontFrames, HeaderReadGivesNameAndFlash)
{
    struct Case {
        std::uint8_t low, high;
        std::int64_t flash;
    };
    const Case cases[] = {
        {16, 0, 8192}, {0, 0, 4096}, {15, 0, 4096}, {0xFF, 0xFF, 4096}, {0x00, 0x80, -8380416}};
    for (const Case& c : cases) {
        std::vector<std::uint8_t> data = {0x00, 0x00, 0x10, 0x00, 'F', 'T', 'A', 'R', 'I', 'A', 'L', 0x00};
        data.insert(data.end(), {0x00, 0x02, 0x00, 0x00, c.low, c.high});
        const auto reply = Reply("MRED", data);
        const auto header = fonts::DecodeFontHeaderRead(reply, Count(reply));
        ASSERT_TRUE(header);
        EXPECT_EQ(header->name, "ARIAL");
        EXPECT_EQ(header->flash, c.flash) << int(c.high) << " " << int(c.low);
    }
    const auto rejected = Reply("MRED", {0x02});
    EXPECT_FALSE(fonts::DecodeFontHeaderRead(rejected, Count(rejected)));
    const auto sixLetters = Reply("MRED", {0, 0, 0, 0, 'F', 'T', 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'});
    EXPECT_EQ(fonts::DecodeFontHeaderRead(sixLetters, Count(sixLetters))->name, "ABCDEF");
}

TEST(SignFontFrames, PageWritesOfAFile)
{
    EXPECT_EQ(fonts::PageCount(0), 1);
    EXPECT_EQ(fonts::PageCount(256), 1);
    EXPECT_EQ(fonts::PageCount(300), 2);

    std::vector<std::uint8_t> data(44, 0x41);
    EXPECT_EQ(protocol::HexText(fonts::BuildPageWrite(0xFEFE, 0x00100100, data)).substr(0, 45),
              "7E 01 FE FE 00 34 4D 57 52 44 55 10 01 00 41 ");
    const auto empty = fonts::BuildPageWrite(0xFEFE, 0x00100000, {});
    EXPECT_EQ(protocol::HexText(empty), "7E 01 FE FE 00 08 4D 57 52 44 55 10 00 00 FF FF 7E 00 ");
    // A 7E data byte goes out as 7D 02 and still counts once in the length.
    const std::uint8_t marker[] = {0x7E, 0x7D};
    EXPECT_EQ(protocol::HexText(fonts::BuildPageWrite(0x0001, 0x00007E00, marker)),
              "7E 01 00 01 00 0A 4D 57 52 44 55 00 7D 02 00 7D 02 7D 01 FF FF 7E 00 ");
    const std::vector<std::uint8_t> full(256, 0x00);
    const auto page = fonts::BuildPageWrite(0xFEFE, 0, full);
    EXPECT_EQ(page[4], 0x01);
    EXPECT_EQ(page[5], 0x08);
    EXPECT_EQ(page.size(), 2u + 12 + 256 + 2 + 2);
}

}  // namespace
