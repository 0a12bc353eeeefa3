#include "sim/font_family.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "sim/content_family.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class FontFamilyTest : public ::testing::Test {
protected:
    sim::ContentFamily content;
    sim::FontFamily fonts{content.Memory()};

    // One MWRD page (mode 0x55) at a 24-bit address.
    Bytes WritePage(std::uint32_t address, const Bytes& bytes)
    {
        Bytes data = {0x55, static_cast<std::uint8_t>(address >> 16), static_cast<std::uint8_t>(address >> 8),
                      static_cast<std::uint8_t>(address)};
        data.insert(data.end(), bytes.begin(), bytes.end());
        return content.Handle({0xFEFE, "MWRD", data})->data;
    }
    Bytes Header(std::uint16_t id)
    {
        Bytes header(32, 0x00);
        header[0] = 'F';
        header[1] = 'T';
        header[2] = 'A';
        header[8] = static_cast<std::uint8_t>(id);
        header[9] = static_cast<std::uint8_t>(id >> 8);
        return header;
    }
    Bytes List() { return fonts.Handle({0xFEFE, "FONT", {}})->data; }
};

TEST_F(FontFamilyTest, ListsFontsAtBlockStartsOfTheFontArea)
{
    EXPECT_EQ(List(), (Bytes{0x00, 0x00, 0x00, 0x00, 0x00, 0x00}));
    ASSERT_EQ(WritePage(0x110000, Header(0x0201)), Bytes{0x00});
    ASSERT_EQ(WritePage(0x100000, Header(0x0200)), Bytes{0x00});
    ASSERT_EQ(WritePage(0x00F000, Header(0x0100)), Bytes{0x00});     // below the font area
    ASSERT_EQ(WritePage(0x120100, Header(0x0300)), Bytes{0x00});     // not at a block start
    EXPECT_EQ(List(), (Bytes{0x00, 0x00, 0x00, 0x00, 0x00, 0x02,     //
                             0x00, 0x02, 0x00, 0x00, 0x10, 0x00,     //
                             0x01, 0x02, 0x00, 0x00, 0x11, 0x00}));  //
}

TEST_F(FontFamilyTest, TheDeleteMarkTakesAFontOffTheList)
{
    ASSERT_EQ(WritePage(0x100000, Header(0x0200)), Bytes{0x00});
    ASSERT_EQ(List()[5], 1);
    // MWRD with a 32-bit address and two zero bytes over the FT mark.
    ASSERT_EQ(content.Handle({0xFEFE, "MWRD", {0x00, 0x10, 0x00, 0x00, 0x00, 0x00}})->data, Bytes{0x00});
    EXPECT_EQ(List()[5], 0);
    // Writing the font again erases its block first, so the mark comes back.
    ASSERT_EQ(WritePage(0x100000, Header(0x0200)), Bytes{0x00});
    EXPECT_EQ(List()[5], 1);
}

TEST_F(FontFamilyTest, APageErasesTheBlocksItStarts)
{
    const std::uint32_t block = 0x101000;
    ASSERT_EQ(WritePage(block + 0x100, {0x11}), Bytes{0x00});
    // An unaligned page that runs into the block erases it before writing.
    ASSERT_EQ(WritePage(block - 0x80, Bytes(0x90, 0x22)), Bytes{0x00});
    Bytes out;
    ASSERT_TRUE(content.Memory()->Read(block, 0x101, out));
    EXPECT_EQ(out[0x0F], 0x22);
    EXPECT_EQ(out[0x10], 0xFF);
    EXPECT_EQ(out[0x100], 0xFF);  // the earlier byte went with the erase
    // An empty page at a block start erases it too.
    ASSERT_EQ(WritePage(block, {}), Bytes{0x00});
    ASSERT_TRUE(content.Memory()->Read(block, 1, out));
    EXPECT_EQ(out[0], 0xFF);
}

TEST_F(FontFamilyTest, ReadsAFontHeaderBackWithMred)
{
    ASSERT_EQ(WritePage(0x100000, Header(0x0200)), Bytes{0x00});
    const Bytes reply = content.Handle({0xFEFE, "MRED", {0x00, 0x10, 0x00, 0x00, 0x00, 0x20}})->data;
    ASSERT_EQ(reply.size(), 4u + 32u);
    EXPECT_EQ(reply[0], 0x00);
    EXPECT_EQ(reply[4], 'F');
    EXPECT_EQ(reply[6], 'A');
}

TEST_F(FontFamilyTest, OtherCommandsAreNotItsOwn) { EXPECT_FALSE(fonts.Handle({0xFEFE, "MRED", {}})); }

}  // namespace
