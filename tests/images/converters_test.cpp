#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>
#include <vector>

#include "bench/images/obmp_file.h"
#include "bench/images/seven_colour_preview.h"
#include "bench/images/xbmp_file.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using images::ColourSwitches;

QImage Filled(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

Bytes ObmpOf(const QImage& picture, ColourSwitches switches = {})
{
    const QImage preview = images::SevenColourPreview(picture, switches);
    return images::BuildObmpFile(preview, {preview.width(), preview.height()});
}

int LittleWord(const Bytes& b, std::size_t at) { return b[at] | b[at + 1] << 8; }

TEST(ObmpSizes, BytesPerColumnAndPlaneFollowTheHeight)
{
    struct Case {
        int w, h, bpc, plane;
    };
    const Case cases[] = {
        {1024, 8, 1, 1024}, {100, 9, 2, 200}, {10, 0, 1, 10}, {1024, 65, 9, 9216}, {1024, 128, 16, 16384}};
    for (const Case& c : cases) {
        EXPECT_EQ(images::ObmpBytesPerColumn(c.h), c.bpc) << c.w << "x" << c.h;
        EXPECT_EQ(images::ObmpPlaneBytes(c.w, c.h), c.plane) << c.w << "x" << c.h;
    }
}

TEST(SevenColourPreview, ClipsTo1024By128AndTheHeaderFollows)
{
    struct Case {
        int w, h, clippedW, clippedH;
    };
    const Case cases[] = {{50, 200, 50, 128}, {1500, 20, 1024, 20}, {1500, 200, 1024, 128}, {7, 3, 7, 3}};
    for (const Case& c : cases) {
        const QImage preview = images::SevenColourPreview(Filled(c.w, c.h, qRgb(0, 0, 0)), {});
        EXPECT_EQ(preview.width(), c.clippedW);
        EXPECT_EQ(preview.height(), c.clippedH);
        const Bytes file = images::BuildObmpFile(preview, {c.w, c.h});
        EXPECT_EQ(LittleWord(file, 4), c.clippedW);
        EXPECT_EQ(file[6], c.clippedH);
        EXPECT_EQ(LittleWord(file, 28), c.clippedW);
        EXPECT_EQ(file[31], c.clippedH);
    }
}

TEST(SevenColourPreview, EachComponentAtHalfOrMoreLightsWhenItsBoxIsTicked)
{
    struct Case {
        QRgb source;
        ColourSwitches switches;
        QRgb expected;
    };
    const Case cases[] = {
        {qRgb(255, 255, 0), {true, false, true}, qRgb(255, 0, 0)},  // yellow without GREEN is red
        {qRgb(128, 127, 200), {}, qRgb(255, 0, 255)},
        {qRgb(127, 127, 127), {}, qRgb(0, 0, 0)},
        {qRgb(200, 200, 200), {}, qRgb(255, 255, 255)},
        {qRgb(200, 200, 200), {false, false, false}, qRgb(0, 0, 0)},
        {qRgb(0, 140, 140), {true, true, false}, qRgb(0, 255, 0)},
    };
    for (const Case& c : cases) {
        const QImage preview = images::SevenColourPreview(Filled(1, 1, c.source), c.switches);
        EXPECT_EQ(preview.pixel(0, 0), c.expected) << std::hex << c.source;
    }
}

TEST(ObmpFile, YellowWithoutGreenSetsOnlyTheRedPlane)
{
    const Bytes file = ObmpOf(Filled(1, 1, qRgb(255, 255, 0)), {true, false, true});
    ASSERT_EQ(file.size(), 33u);
    EXPECT_EQ(LittleWord(file, 18), 17);
    EXPECT_EQ(Bytes(file.begin() + 20, file.begin() + 23), (Bytes{1, 0, 0}));
    EXPECT_EQ(file[32], 0x01 ^ images::kObmpMask);
}

TEST(ObmpFile, BlackOrSwitchedOffPicturesAre32BytesWithoutPlanes)
{
    for (const Bytes& file : {ObmpOf(Filled(40, 20, qRgb(0, 0, 0))),
                              ObmpOf(Filled(40, 20, qRgb(255, 255, 255)), {false, false, false})}) {
        ASSERT_EQ(file.size(), 32u);
        EXPECT_EQ(LittleWord(file, 18), 16);
        EXPECT_EQ(Bytes(file.begin() + 20, file.begin() + 23), (Bytes{0, 0, 0}));
    }
}

TEST(ObmpFile, WithoutAPictureTheFileIs32BytesOfSizeZero)
{
    const Bytes expected = {0x86, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0xA7, 0x00, 0x00,
                            0x00, 0x00, 0x00, 0x00, 0x00, 0xCC, 0x00, 0x10, 0x00, 0x00, 0x00,
                            0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(images::BuildObmpFile(QImage(), {0, 0}), expected);
}

TEST(ObmpFile, HeadersAndPlanesOfASmallPicture)
{
    // 3 x 2: red at the top left, blue at the bottom right.
    QImage picture = Filled(3, 2, qRgb(0, 0, 0));
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(2, 1, qRgb(0, 0, 255));
    const Bytes expected = {
        0x86, 0x01, 0x01, 0x00, 0x03, 0x00, 0x02, 0x00, 0xA7, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  //
        0xCC, 0x00, 0x16, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x02,  //
        0xA6, 0xA7, 0xA7,  // red
        0xA7, 0xA7, 0xA5,  // blue
    };
    EXPECT_EQ(ObmpOf(picture), expected);
}

TEST(ObmpFile, WhitePictureHasThreePlanesWithUnusedBitsMasked)
{
    const Bytes file = ObmpOf(Filled(10, 9, qRgb(255, 255, 255)));
    const int plane = 20;
    ASSERT_EQ(file.size(), 32u + 3 * plane);
    EXPECT_EQ(LittleWord(file, 18), 16 + 3 * plane);
    EXPECT_EQ(Bytes(file.begin() + 20, file.begin() + 23), (Bytes{1, 1, 1}));
    for (int k = 0; k < 3 * plane; k += 2) {
        EXPECT_EQ(file[32 + k], 0xFF ^ 0xA7);
        EXPECT_EQ(file[33 + k], 0x01 ^ 0xA7);  // row 8 only; the seven bits below it stay 0
    }
}

TEST(ObmpFile, PlanesLargerThan8192BytesAreWrittenWhole)
{
    // 1024 x 65: nine bytes a column, 9,216 bytes a plane.
    QImage picture = Filled(1024, 65, qRgb(0, 0, 0));
    picture.setPixel(1023, 64, qRgb(0, 255, 0));
    picture.setPixel(0, 0, qRgb(0, 255, 0));
    const Bytes file = ObmpOf(picture);
    ASSERT_EQ(file.size(), 32u + 9216);
    EXPECT_EQ(LittleWord(file, 18), 16 + 9216);
    EXPECT_EQ(Bytes(file.begin() + 20, file.begin() + 23), (Bytes{0, 1, 0}));
    EXPECT_EQ(file[32], 0x01 ^ 0xA7);
    EXPECT_EQ(file[32 + 1023 * 9 + 8], 0x01 ^ 0xA7);
    EXPECT_EQ(file[32 + 1023 * 9 + 7], 0xA7);

    const Bytes full = ObmpOf(Filled(1024, 128, qRgb(255, 255, 255)));
    EXPECT_EQ(full.size(), 32u + 3 * 16384);
    EXPECT_EQ(LittleWord(full, 18), 16 + 3 * 16384);
}

TEST(XbmpRunLength, PairsCountUpTo255)
{
    const Bytes run(300, 0x42);
    const auto pairs = images::RunLengthPairs(run);
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(pairs[0], (std::pair<std::uint8_t, std::uint8_t>{0x42, 255}));
    EXPECT_EQ(pairs[1], (std::pair<std::uint8_t, std::uint8_t>{0x42, 45}));
    EXPECT_TRUE(images::RunLengthPairs({}).empty());
    EXPECT_EQ(images::RunLengthPairs(Bytes{1, 1, 2, 1}).size(), 3u);
}

TEST(XbmpFile, HeaderCarriesSizeAndStayInTensOfMilliseconds)
{
    struct Case {
        int stayMs;
        std::uint8_t stored;
    };
    for (const Case c : {Case{10, 1}, Case{90, 9}, Case{200, 20}, Case{400, 40}, Case{1000, 100}}) {
        const Bytes file = images::BuildXbmpFile(Filled(300, 2, qRgb(1, 2, 3)), {c.stayMs, false});
        const Bytes header = {0x85, 0x00, 0x2C,     0x01, 0x02, 0x00, 0x01, 0x00,
                              0x17, 0x01, c.stored, 0x00, 0x00, 0x00, 0x00, 0x00};
        EXPECT_EQ(Bytes(file.begin(), file.begin() + 16), header) << c.stayMs;
    }
}

TEST(XbmpFile, GreyRowCompressesToOnePair)
{
    const QImage grey = Filled(4, 1, qRgb(0x80, 0x80, 0x80));
    const Bytes compressed = images::BuildXbmpFile(grey, {10, true});
    EXPECT_EQ(Bytes(compressed.begin() + 16, compressed.end()), (Bytes{0xC0, 0x00, 0x00, 0x02, 0x80, 0x0C}));
    const Bytes plain = images::BuildXbmpFile(grey, {10, false});
    Bytes expected = {0xD0, 0x00, 0x00, 0x0C};
    expected.insert(expected.end(), 12, 0x80);
    EXPECT_EQ(Bytes(plain.begin() + 16, plain.end()), expected);
}

TEST(XbmpFile, RowsAreRedsThenGreensThenBlues)
{
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(0x11, 0x22, 0x33));
    picture.setPixel(1, 0, qRgb(0x44, 0x55, 0x66));
    const Bytes file = images::BuildXbmpFile(picture, {10, false});
    EXPECT_EQ(Bytes(file.begin() + 16, file.end()),
              (Bytes{0xD0, 0x00, 0x00, 0x06, 0x11, 0x44, 0x22, 0x55, 0x33, 0x66}));
}

TEST(XbmpFile, AlternatingRowStaysPlainWithCompressionOn)
{
    QImage picture(4, 1, QImage::Format_RGB32);
    for (int x = 0; x < 4; ++x) picture.setPixel(x, 0, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    const Bytes file = images::BuildXbmpFile(picture, {10, true});
    ASSERT_EQ(file.size(), 16u + 4 + 12);
    EXPECT_EQ(Bytes(file.begin() + 16, file.begin() + 20), (Bytes{0xD0, 0x00, 0x00, 0x0C}));
}

TEST(XbmpFile, EachRecordLinksBackToThePreviousLength)
{
    // Row 0 is 100 distinct pixels (plain, 300 bytes), row 1 one colour (one pair
    // per component run), row 2 plain again.
    QImage picture(100, 3, QImage::Format_RGB32);
    for (int x = 0; x < 100; ++x) {
        picture.setPixel(x, 0, qRgb(x, x + 1, x + 2));
        picture.setPixel(x, 1, qRgb(9, 9, 9));
        picture.setPixel(x, 2, qRgb(x, 0, 255 - x));
    }
    const Bytes file = images::BuildXbmpFile(picture, {10, true});
    std::size_t at = 16;
    EXPECT_EQ(Bytes(file.begin() + at, file.begin() + at + 4), (Bytes{0xD0, 0x00, 0x01, 0x2C}));
    at += 4 + 300;
    EXPECT_EQ(Bytes(file.begin() + at, file.begin() + at + 4), (Bytes{0xC1, 0x2C, 0x00, 0x04}));
    EXPECT_EQ(Bytes(file.begin() + at + 4, file.begin() + at + 8), (Bytes{0x09, 0xFF, 0x09, 0x2D}));
    at += 4 + 4;
    EXPECT_EQ(Bytes(file.begin() + at, file.begin() + at + 4), (Bytes{0xD0, 0x04, 0x01, 0x2C}));
    EXPECT_EQ(file.size(), at + 4 + 300);
}

TEST(XbmpFile, The1365PixelRowFillsTheTwelveBitLink)
{
    QImage picture(images::kXbmpMaxWidth, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, qRgb(x & 0xFF, y, (x >> 8) & 0xFF));
    const Bytes file = images::BuildXbmpFile(picture, {10, false});
    EXPECT_EQ(Bytes(file.begin() + 16, file.begin() + 20), (Bytes{0xD0, 0x00, 0x0F, 0xFF}));
    const std::size_t second = 16 + 4 + 4095;
    EXPECT_EQ(file[second], 0xDF);
    EXPECT_EQ(file[second + 1], 0xFF);
}

TEST(XbmpFile, PicturesWiderThan1365PixelsAreRefused)
{
    EXPECT_EQ(images::XbmpRefusal(1365), "");
    EXPECT_EQ(images::XbmpRefusal(1), "");
    const std::string refusal = images::XbmpRefusal(1366);
    EXPECT_NE(refusal.find("1366"), std::string::npos) << refusal;
    EXPECT_NE(refusal.find("1365"), std::string::npos) << refusal;
}

}  // namespace
