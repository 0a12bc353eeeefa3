#include "bench/images/ogif_frames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bench/images/file_names.h"
#include "protocol/frame_text.h"
#include "protocol/unescape.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Unescaped(const std::string& frameText)
{
    Bytes bytes = protocol::FrameTextToBytes(frameText);
    bytes.resize(protocol::UnescapeReply(bytes.data(), bytes.size()));
    return bytes;
}

int Length(const Bytes& frame) { return frame[4] << 8 | frame[5]; }

TEST(OgifPages, PageCountAndLengthFollowTheFileSize)
{
    struct Case {
        std::size_t size;
        std::uint64_t pages;
        std::size_t lastPage;
        int lastLength;
    };
    const Case cases[] = {{0, 1, 0, 0x000C},   {1, 1, 1, 0x000D},     {248, 1, 248, 0x0104},
                          {249, 2, 1, 0x000D}, {496, 2, 248, 0x0104}, {497, 3, 1, 0x000D}};
    for (const Case& c : cases) {
        EXPECT_EQ(images::OgifPageCount(c.size), c.pages) << c.size;
        const Bytes file(c.size, 0x5A);
        const std::size_t from = (c.pages - 1) * images::kOgifPageBytes;
        const images::OgifFile fields{0xFEFE, 200, static_cast<std::uint16_t>(c.pages), 0x86};
        const Bytes frame = Unescaped(images::OgifDataFrame(fields, static_cast<std::uint16_t>(c.pages - 1),
                                                            std::span(file).subspan(from)));
        EXPECT_EQ(Length(frame), c.lastLength) << c.size;
        EXPECT_EQ(frame[17], c.lastPage) << c.size;
        EXPECT_EQ(frame.size(), 18 + c.lastPage + 4) << c.size;
    }
}

TEST(OgifPages, HeaderPageOfTheDefaults)
{
    const std::string expected =
        "7E 01 FE FE 00 38 4F 47 49 46 00 C8 FE FE 00 02 86 20 "
        "55 00 00 00 00 00 00 00 00 00 00 "
        "50 72 6F 67 72 61 6D 00 00 00 00 00 00 00 00 00 "
        "01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
        "FF FF 7E 00 ";
    EXPECT_EQ(images::OgifHeaderFrame({0xFEFE, 200, 2, 0x86}, {}), expected);
}

TEST(OgifPages, DataPageCarriesItsNumberTotalTypeAndBytes)
{
    const Bytes bytes = {0x01, 0x02, 0x03};
    EXPECT_EQ(images::OgifDataFrame({0x0001, 1000, 3, 0x85}, 2, bytes),
              "7E 01 00 01 00 0F 4F 47 49 46 03 E8 00 02 00 03 85 03 01 02 03 FF FF 7E 00 ");
}

TEST(OgifPages, HeaderDataOfTheProgramOptions)
{
    struct Case {
        const char* what;
        images::OgifProgram program;
        std::size_t at;
        Bytes expected;
    };
    images::OgifProgram hold;
    hold.action = 7;
    hold.holdFlash = true;
    images::OgifProgram seconds;
    seconds.totalSeconds = 9999;
    images::OgifProgram loops;
    loops.loopTimes = 255;
    images::OgifProgram oneLoop;
    oneLoop.loopTimes = 1;
    images::OgifProgram plainAction;
    plainAction.action = 3;
    plainAction.stay = 5;
    plainAction.speed = 4;
    plainAction.mode = 2;
    images::OgifProgram longAlias;
    longAlias.alias = "ABCDEFGHIJKLMNOPQRS";
    const Case cases[] = {
        {"HOLD_FLASH", hold, 37, {0x01, 0x04}},
        {"9999 seconds", seconds, 8, {0x27, 0x0F}},
        {"255 loops", loops, 10, {0xFE}},
        {"one loop", oneLoop, 10, {0x00}},
        {"other action", plainAction, 36, {0x05, 0x03, 0x00, 0x04}},
        {"mode", plainAction, 1, {0x02}},
        {"alias cut to 16", longAlias, 11,
         Bytes{'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N', 'O', 'P', 0x01}},
    };
    for (const Case& c : cases) {
        const Bytes d = images::OgifHeaderData(c.program);
        ASSERT_EQ(d.size(), images::kOgifHeaderDataBytes);
        EXPECT_EQ(Bytes(d.begin() + static_cast<long>(c.at),
                        d.begin() + static_cast<long>(c.at + c.expected.size())),
                  c.expected)
            << c.what;
        EXPECT_EQ(d[42], 0x00) << c.what;
    }
}

TEST(OgifPages, SignIdWithMarkerBytesIsEscapedInEveryPage)
{
    const images::OgifFile fields{0x7E7D, 200, 1, 0x86};
    const std::string header = images::OgifHeaderFrame(fields, {});
    const std::string data = images::OgifDataFrame(fields, 0, Bytes{0x7E});
    EXPECT_EQ(header.substr(0, 18), "7E 01 7D 02 7D 01 ");
    EXPECT_EQ(data, "7E 01 7D 02 7D 01 00 0D 4F 47 49 46 00 C8 00 00 00 01 86 01 7D 02 FF FF 7E 00 ");
    EXPECT_EQ(Unescaped(header).size(), 2u + 2 + 2 + 56 + 2 + 2);
}

TEST(OgifPages, FileTypeByteByEntry)
{
    EXPECT_EQ(images::OgifFileTypeByte(0), 0x86);
    EXPECT_EQ(images::OgifFileTypeByte(1), 0x87);
    EXPECT_EQ(images::OgifFileTypeByte(2), 0x85);
}

TEST(OgifPages, AnswerGivesStatusAndPageField)
{
    struct Case {
        Bytes reply;
        int result;
        bool replied, accepted;
        std::uint16_t page;
    };
    const Bytes ok = {0x7E, 0x01, 0xFE, 0xFE, 0x00, 0x0A, 'O',  'G',  'I',  'F',
                      0x00, 0x00, 0xC8, 0x86, 0x00, 0x03, 0xFF, 0xFF, 0x7E, 0x00};
    Bytes rejected = ok;
    rejected[10] = 0x03;
    const Bytes shortReply = {0x7E, 0x01, 0xFE, 0xFE, 0x00, 0x04, 'O', 'G', 'I', 'F', 0xFF, 0xFF, 0x7E, 0x00};
    const Case cases[] = {
        {ok, 20, true, true, 3},
        {ok, 0, false, false, 0},
        {rejected, 20, true, false, 3},
        {shortReply, 14, true, false, 0},
    };
    for (const Case& c : cases) {
        const images::OgifAnswer answer = images::ReadOgifAnswer(c.reply, c.result);
        EXPECT_EQ(answer.replied, c.replied);
        EXPECT_EQ(answer.accepted, c.accepted);
        EXPECT_EQ(answer.page, c.page);
    }
}

TEST(DownloadFileNames, TypeEntryFromTheWholePathInUpperCase)
{
    struct Case {
        const char* path;
        int index;
    };
    const Case cases[] = {
        {"/home/op/a.obmp", 0},        {"/home/op/A.OGIF", 0},       {"/home/op/anim.xgif", 1},
        {"/home/op/pic.xbmp", 2},      {"/home/op/pic.bmp", 2},      {"/home/op/x.ogif/pic.bmp", 0},
        {"/home/op/x.Xgif/p.obmp", 0}, {"/home/op/x.xgif/p.bin", 1},
    };
    for (const Case& c : cases) EXPECT_EQ(images::DownloadTypeIndex(c.path), c.index) << c.path;
}

TEST(DownloadFileNames, FileLongTextCountsPages)
{
    EXPECT_EQ(images::FileLongText(0), "File Long: 0 Bytes, Total: 1 Pages");
    EXPECT_EQ(images::FileLongText(248), "File Long: 248 Bytes, Total: 1 Pages");
    EXPECT_EQ(images::FileLongText(249), "File Long: 249 Bytes, Total: 2 Pages");
}

TEST(DownloadFileNames, ExtensionOfTheFileNameIsReplaced)
{
    struct Case {
        const char* path;
        const char* extension;
        const char* expected;
    };
    const Case cases[] = {
        {"/home/op/pic.png", ".obmp", "/home/op/pic.obmp"},
        {"/home/op/obmp1", ".obmp", "/home/op/obmp1.obmp"},
        {"/home/op/v1.2/pic", ".XBMP", "/home/op/v1.2/pic.XBMP"},
        {"/home/op/a.b.bmp", ".XBMP", "/home/op/a.b.XBMP"},
    };
    for (const Case& c : cases) EXPECT_EQ(images::WithExtension(c.path, c.extension), c.expected) << c.path;
}

}  // namespace
