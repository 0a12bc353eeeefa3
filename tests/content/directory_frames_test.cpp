#include <gtest/gtest.h>

#include "bench/content/directory_frames.h"
#include "frame_bytes.h"

using namespace content;
using contenttest::Bytes;

TEST(AliasFrame, ListingRequestsWithAndWithoutNextId)
{
    EXPECT_EQ(BuildAliasFrame(0xFEFE, ListingRequest(true, 0, 0)).frameText,
              "7E 01 FE FE 00 08 41 4C 41 53 10 55 00 00 FF FF 7E 00 ");
    struct Case { bool useNext; int asked; std::uint16_t start; Bytes data; };
    const Case cases[] = {
        {true, 1, 201, {0x10, 0x55, 0x00, 0xC9}},
        {true, 2, 0x7E7D, {0x10, 0x55, 0x7E, 0x7D}},
        {false, 0, 0, {0x00, 0x00, 0xFF, 0xFF}},
        {false, 1, 201, {0x10, 0x00, 0xFF, 0xFF}},
        {false, 5, 900, {0x10, 0x00, 0xFF, 0xFF}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(contenttest::DataOf(BuildAliasFrame(0xFEFE, ListingRequest(c.useNext, c.asked, c.start)).frameText),
                  c.data);
    }
    EXPECT_EQ(contenttest::DataOf(BuildAliasFrame(0xFEFE, AliasRequest{}).frameText), (Bytes{0x20, 0x00, 0xFF, 0xFF}));
}

TEST(AliasReply, RecordFields)
{
    auto record = [](std::uint16_t id, std::string name, std::uint8_t hidden) {
        Bytes data{0x00, static_cast<std::uint8_t>(id >> 8), static_cast<std::uint8_t>(id), 0x00};
        name.resize(16, '\0');
        data.insert(data.end(), name.begin(), name.end());
        data.push_back(hidden);
        return contenttest::ReplyFrame("ALAS", data);
    };
    struct Case { Bytes reply; ReplyState state; std::uint16_t id; std::string name; bool hidden; };
    const Case cases[] = {
        {record(200, "AB", 0), ReplyState::Ok, 200, "AB", false},
        {record(300, "ABCDEFGHIJKLMNOP", 1), ReplyState::Ok, 300, "ABCDEFGHIJKLMNOP", true},
        {record(5, "\xC4\xE3", 0x80), ReplyState::Ok, 5, "\xC4\xE3", true},
        {contenttest::ReplyFrame("ALAS", {0x01}), ReplyState::BadStatus, 0, "", false},
        // A short record: the missing fields read as zero, not as older buffer bytes.
        {contenttest::ReplyFrame("ALAS", {0x00, 0x00, 0x07, 0x00, 'Q'}), ReplyState::Ok, 7, "Q", false},
    };
    for (const Case& c : cases) {
        Bytes buffer(1024, 0x55);
        std::copy(c.reply.begin(), c.reply.end(), buffer.begin());
        const AliasReply got = DecodeAliasReply(buffer, static_cast<int>(c.reply.size()));
        EXPECT_EQ(got.state, c.state);
        EXPECT_EQ(got.fileId, c.id);
        EXPECT_EQ(got.name, c.name);
        EXPECT_EQ(got.hidden, c.hidden);
    }
    EXPECT_EQ(DecodeAliasReply(record(1, "A", 0), 0).state, ReplyState::NoReply);
    Bytes notAFrame = record(1, "A", 0);
    notAFrame[0] = 0x00;
    EXPECT_EQ(DecodeAliasReply(notAFrame, static_cast<int>(notAFrame.size())).state, ReplyState::NoReply);
}

TEST(GetxFrame, RequestAndReply)
{
    EXPECT_EQ(BuildGetxFrame(0xFEFE, 10, 200).frameText, "7E 01 FE FE 00 0A 47 45 54 58 0A 00 00 C8 04 00 FF FF 7E 00 ");
    EXPECT_EQ(contenttest::DataOf(BuildGetxFrame(0xFEFE, 15, 126).frameText),
              (Bytes{0x0F, 0x00, 0x00, 0x7E, 0x04, 0x00}));
    const Bytes ok = contenttest::ReplyFrame("GETX", {0x00, 0x00, 0x01, 0x2C});
    const GetxReply got = DecodeGetxReply(ok, static_cast<int>(ok.size()));
    EXPECT_EQ(got.state, ReplyState::Ok);
    EXPECT_EQ(got.fileId, 300);
    const Bytes none = contenttest::ReplyFrame("GETX", {0x02, 0x00, 0x00, 0x00});
    EXPECT_EQ(DecodeGetxReply(none, static_cast<int>(none.size())).state, ReplyState::BadStatus);
}

TEST(DelpAndDall, FixedShapes)
{
    EXPECT_EQ(BuildDelpFrame(0xFEFE, 126).frameText, "7E 01 FE FE 00 08 44 45 4C 50 00 00 00 7D 02 FF FF 7E 00 ");
    EXPECT_EQ(BuildDelpFrame(0x0001, 0x7D).frameText, "7E 01 00 01 00 08 44 45 4C 50 00 00 00 7D 01 FF FF 7E 00 ");
    EXPECT_EQ(std::string(kDallFrameText), "7E 01 FE FE 00 04 44 41 4C 4C FF FF 7E 00 ");
}

// The sign id field reads like every number field of the bench: blanks before the
// number are skipped, anything after it is refused, and so is an id beyond two bytes.
TEST(SignId, DecimalTextToTwoBytes)
{
    struct Case { const char* text; std::optional<std::uint16_t> id; };
    const Case cases[] = {
        {"65278", 0xFEFE},
        {"1", 1},
        {"32126", 0x7D7E},
        {"65535", 0xFFFF},
        {"65536", std::nullopt},
        {"-3", std::nullopt},
        {"", std::nullopt},
        {"12a", std::nullopt},
        {" 1", 1},
        {"1 ", std::nullopt},
        {"99999999999", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseSignId(c.text), c.id) << c.text;
}
