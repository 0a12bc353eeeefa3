#include "sim/image_decode.h"

#include <gtest/gtest.h>

using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes Obmp3x2()
{
    // Red at the top left, blue at the bottom right (mask A7).
    return {0x86, 0x01, 0x01, 0x00, 0x03, 0x00, 0x02, 0x00, 0xA7, 0x00, 0x00, 0x00, 0x00,
            0x00, 0x00, 0x00, 0xCC, 0x00, 0x16, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00,
            0x00, 0x00, 0x03, 0x00, 0x00, 0x02, 0xA6, 0xA7, 0xA7, 0xA7, 0xA7, 0xA5};
}

Bytes Xbmp2x2()
{
    Bytes file = {0x85, 0x00, 0x02, 0x00, 0x02, 0x00, 0x01, 0x00,
                  0x17, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00};
    // Plain row: reds 11 44, greens 22 55, blues 33 66; then a grey row as one pair.
    const Bytes rows = {0xD0, 0x00, 0x00, 0x06, 0x11, 0x44, 0x22, 0x55,
                        0x33, 0x66, 0xC0, 0x06, 0x00, 0x02, 0x80, 0x06};
    file.insert(file.end(), rows.begin(), rows.end());
    return file;
}

TEST(ImageDecode, ObmpPlanesBecomeFullComponents)
{
    const auto picture = sim::DecodeObmp(Obmp3x2());
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 3);
    EXPECT_EQ(picture->height, 2);
    const Bytes expected = {0xFF, 0, 0, 0, 0, 0, 0, 0, 0,  //
                            0,    0, 0, 0, 0, 0, 0, 0, 0xFF};
    EXPECT_EQ(picture->rgb, expected);
}

TEST(ImageDecode, XbmpPlainAndCompressedRows)
{
    const auto picture = sim::DecodeXbmp(Xbmp2x2());
    ASSERT_TRUE(picture);
    const Bytes expected = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80};
    EXPECT_EQ(picture->rgb, expected);
}

TEST(ImageDecode, DamagedFilesAreNotPictures)
{
    Bytes shortObmp = Obmp3x2();
    shortObmp.pop_back();
    Bytes badLength = Obmp3x2();
    badLength[18] = 0x17;
    Bytes badLink = Xbmp2x2();
    badLink[27] = 0x05;
    Bytes badRun = Xbmp2x2();
    badRun[31] = 0x07;
    Bytes extra = Xbmp2x2();
    extra.push_back(0);
    Bytes badKind = Xbmp2x2();
    badKind[16] = 0xA0;
    EXPECT_FALSE(sim::DecodeObmp(shortObmp));
    EXPECT_FALSE(sim::DecodeObmp(badLength));
    EXPECT_FALSE(sim::DecodeObmp(Xbmp2x2()));
    for (const Bytes& file : {badLink, badRun, extra, badKind, Obmp3x2()})
        EXPECT_FALSE(sim::DecodeXbmp(file));
}

}  // namespace
