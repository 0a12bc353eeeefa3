#include "sim/content_family.h"

#include <gtest/gtest.h>

#include "bench/content/directory_frames.h"
#include "bench/content/inst_frame.h"
#include "bench/content/play_frames.h"
#include "bench/content/variable_frames.h"
#include "protocol/frame_text.h"
#include "protocol/unescape.h"

using sim::ContentFamily;
using Bytes = std::vector<std::uint8_t>;

namespace {

// Hands the family the request that the bench's builder puts on the wire.
class ContentFamilyTest : public ::testing::Test {
protected:
    Bytes Send(const std::string& frameText)
    {
        Bytes bytes = protocol::FrameTextToBytes(frameText);
        bytes.resize(protocol::UnescapeReply(bytes.data(), bytes.size()));
        sim::Request request{static_cast<std::uint16_t>(bytes[2] << 8 | bytes[3]),
                             std::string(bytes.begin() + 6, bytes.begin() + 10),
                             Bytes(bytes.begin() + 10, bytes.end() - 4)};
        const auto reply = family.Handle(request);
        EXPECT_TRUE(reply) << request.command;
        return reply ? reply->data : Bytes{};
    }
    Bytes Store(std::uint16_t fileId, const std::string& alias, const std::string& text, int type = 0)
    {
        content::InstOptions o;
        o.startFileId = fileId;
        o.alias = alias;
        o.text.assign(text.begin(), text.end());
        o.programType = type;
        return Send(content::BuildInstFrame(o).frameText);
    }
    Bytes Alias(const content::AliasRequest& request)
    {
        return Send(content::BuildAliasFrame(0xFEFE, request).frameText);
    }
    static Bytes Record(std::uint16_t id, std::string name, bool hidden)
    {
        Bytes record{0x00, static_cast<std::uint8_t>(id >> 8), static_cast<std::uint8_t>(id),
                     static_cast<std::uint8_t>(hidden ? 1 : 0)};
        name.resize(16, '\0');
        record.insert(record.end(), name.begin(), name.end());
        record.push_back(hidden ? 1 : 0);
        return record;
    }
    Bytes PlayTable(bool enter, bool flash, std::uint16_t start, std::uint16_t end)
    {
        content::PlayTableOptions o;
        o.enter = enter;
        o.flash = flash;
        o.start = start;
        o.end = end;
        return Send(content::BuildPlayTableFrame(o).frameText);
    }
    Bytes SelectNumbers(bool select, int first, int last)
    {
        content::ProgramSelectOptions o;
        o.select = select;
        o.first = first;
        o.last = last;
        return Send(content::BuildProgramSelectFrame(o).frameText);
    }

    ContentFamily family;
};

const Bytes kOk{0x00};
const Bytes kRejected{ContentFamily::kStatusRejected};
const Bytes kNotFound{ContentFamily::kStatusNotFound};

}  // namespace

TEST_F(ContentFamilyTest, InstStoresTypeAliasTextAndOptions)
{
    EXPECT_EQ(Store(160, "A1", "Hello"), kOk);
    ASSERT_EQ(family.Programs().count(160), 1u);
    const auto& program = family.Programs().at(160);
    EXPECT_EQ(program.alias, "A1");
    EXPECT_EQ(program.text, (Bytes{'H', 'e', 'l', 'l', 'o'}));
    EXPECT_FALSE(program.Hidden());
    EXPECT_EQ(program.options.size(), 28u);

    EXPECT_EQ(Store(160, "B", " more", 2), kOk);  // append keeps the alias
    EXPECT_EQ(family.Programs().at(160).text, (Bytes{'H', 'e', 'l', 'l', 'o', ' ', 'm', 'o', 'r', 'e'}));
    EXPECT_EQ(family.Programs().at(160).alias, "A1");
    EXPECT_EQ(Store(5, "H", "x", 1), kOk);
    EXPECT_TRUE(family.Programs().at(5).Hidden());
    EXPECT_EQ(Store(0x7E, "~", "}~"), kOk);  // escaped id and text arrive whole
    EXPECT_EQ(family.Programs().at(0x7E).text, (Bytes{0x7D, 0x7E}));
}

TEST_F(ContentFamilyTest, InstRejectsBadRequests)
{
    const Bytes ok = {0x00, 0x00, 0xA0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x01, 0x01, 0x00, 0x00, 0x02, 0x10,
                      0x01, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x02, 'A', 'x'};
    struct Case { const char* what; std::size_t at; std::uint8_t value; };
    const Case cases[] = {
        {"type 3", 0, 0x03}, {"file id 1024", 1, 0x04}, {"alias over 16", 13, 17}, {"total too short", 32, 0x01},
    };
    EXPECT_EQ(family.Handle({0xFEFE, "INST", ok})->data, kOk);
    for (const Case& c : cases) {
        Bytes data = ok;
        data[c.at] = c.value;
        EXPECT_EQ(family.Handle({0xFEFE, "INST", data})->data, kRejected) << c.what;
    }
    EXPECT_EQ(family.Handle({0xFEFE, "INST", Bytes(20, 0)})->data, kRejected);
}

TEST_F(ContentFamilyTest, AliasListsInFileIdOrderByBothRules)
{
    Store(300, "third", "c");
    Store(10, "first", "a");
    Store(200, "second", "b", 1);
    // With start ids: the first at or after each start.
    EXPECT_EQ(Alias(content::ListingRequest(true, 0, 0)), Record(10, "first", false));
    EXPECT_EQ(Alias(content::ListingRequest(true, 1, 11)), Record(200, "second", true));
    EXPECT_EQ(Alias(content::ListingRequest(true, 2, 201)), Record(300, "third", false));
    EXPECT_EQ(Alias(content::ListingRequest(true, 3, 301)), kNotFound);
    // Without them: 00 starts over, 10 goes on after the last one listed.
    EXPECT_EQ(Alias(content::ListingRequest(false, 0, 0)), Record(10, "first", false));
    EXPECT_EQ(Alias(content::ListingRequest(false, 1, 0)), Record(200, "second", true));
    EXPECT_EQ(Alias(content::ListingRequest(false, 2, 0)), Record(300, "third", false));
    EXPECT_EQ(Alias(content::ListingRequest(false, 3, 0)), kNotFound);
    EXPECT_EQ(Alias(content::ListingRequest(false, 0, 0)), Record(10, "first", false));
    EXPECT_EQ(family.Handle({0xFEFE, "ALAS", {0x30, 0x00, 0xFF, 0xFF}})->data, kRejected);
    EXPECT_EQ(family.Handle({0xFEFE, "ALAS", {0x10, 0x00}})->data, kRejected);
}

TEST_F(ContentFamilyTest, RunningProgramFollowsThePlayTables)
{
    const content::AliasRequest running;
    EXPECT_EQ(Alias(running), kNotFound);
    Store(5, "hidden", "h", 1);
    Store(10, "ten", "a");
    Store(200, "two hundred", "b");
    Store(300, "three hundred", "c");
    EXPECT_EQ(Alias(running), Record(10, "ten", false));  // hidden programs are not in the rotation

    struct Step { const char* what; std::function<Bytes()> send; std::optional<std::uint16_t> running; };
    const Step steps[] = {
        {"PLAY range", [&] { return PlayTable(true, true, 250, 400); }, 300},
        {"PRAM range wins over PLAY", [&] { return PlayTable(true, false, 100, 299); }, 200},
        {"PRAM range with nothing in it", [&] { return PlayTable(true, false, 11, 20); }, std::nullopt},
        {"PRAM exit falls back to PLAY", [&] { return PlayTable(false, false, 0, 999); }, 300},
        {"program number 2", [&] { return SelectNumbers(true, 2, 2); }, 10},
        {"program number 4 of 4", [&] { return SelectNumbers(true, 4, 9); }, 300},
        {"program number 5 of 4", [&] { return SelectNumbers(true, 5, 5); }, std::nullopt},
        {"quit the selection", [&] { return SelectNumbers(false, 0, 0); }, 300},
        {"PLAY exit", [&] { return PlayTable(false, true, 0, 999); }, 10},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(s.send(), kOk) << s.what;
        EXPECT_EQ(family.RunningFileId(), s.running) << s.what;
        const Bytes reply = Alias(running);
        if (s.running) {
            ASSERT_GE(reply.size(), 3u) << s.what;
            EXPECT_EQ(reply[1] << 8 | reply[2], *s.running) << s.what;
        } else {
            EXPECT_EQ(reply, kNotFound) << s.what;
        }
    }
}

TEST_F(ContentFamilyTest, PlayTablesRejectBadRanges)
{
    EXPECT_EQ(PlayTable(true, false, 10, 5), kRejected);
    EXPECT_EQ(PlayTable(true, true, 0, 1024), kRejected);
    EXPECT_EQ(SelectNumbers(true, 0, 3), kRejected);
    EXPECT_EQ(SelectNumbers(true, 1, 10), kRejected);
    EXPECT_EQ(family.Handle({0xFEFE, "PRAM", Bytes(11, 0x33)})->data, kRejected);
    EXPECT_EQ(family.Handle({0xFEFE, "PLAY", {0x5A, 0x01, 0x00, 0x05, 0x41, 0x01, 0, 0, 0, 9}})->data, kRejected);
    EXPECT_FALSE(family.RamTable());
    EXPECT_FALSE(family.FlashTable());
}

TEST_F(ContentFamilyTest, GetxFindsARunOfFreeIds)
{
    Store(200, "a", "x");
    Store(203, "b", "x");
    struct Case { std::uint8_t scale; std::uint16_t start; Bytes reply; };
    const Case cases[] = {
        {1, 200, {0x00, 0x00, 0x00, 0xC9}},
        {2, 200, {0x00, 0x00, 0x00, 0xC9}},
        {3, 200, {0x00, 0x00, 0x00, 0xCC}},
        {10, 195, {0x00, 0x00, 0x00, 0xCC}},
        {5, 195, {0x00, 0x00, 0x00, 0xC3}},
        {15, 1009, {0x00, 0x00, 0x03, 0xF1}},  // the last run that ends before 1024
        {15, 1010, {ContentFamily::kStatusNotFound, 0x00, 0x00, 0x00}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Send(content::BuildGetxFrame(0xFEFE, c.scale, c.start).frameText), c.reply)
            << int(c.scale) << " from " << c.start;
    EXPECT_EQ(Send(content::BuildGetxFrame(0xFEFE, 0, 0).frameText), kRejected);
}

TEST_F(ContentFamilyTest, DelpAnswersTheRecordAndDallErasesAll)
{
    Store(126, "gone", "x", 1);
    Store(127, "kept", "y");
    EXPECT_EQ(Send(content::BuildDelpFrame(0xFEFE, 126).frameText), Record(126, "gone", true));
    EXPECT_EQ(family.Programs().count(126), 0u);
    EXPECT_EQ(Send(content::BuildDelpFrame(0xFEFE, 126).frameText), kNotFound);
    EXPECT_EQ(Send(content::kDallFrameText), kOk);
    EXPECT_TRUE(family.Programs().empty());
}

TEST_F(ContentFamilyTest, VariablesAndMemoryReadBack)
{
    content::VariableOptions flash;
    flash.flash = true;
    flash.number = 3;
    flash.bytes = {'H', 'i', 0xFF, 0x7E};
    EXPECT_EQ(Send(content::BuildVariableFrame(flash).frameText), kOk);
    content::MredOptions read;
    read.address = content::FlashVariableAddress(3);
    read.count = 6;
    EXPECT_EQ(Send(content::BuildMredFrame(read).frameText), (Bytes{0x00, 0x00, 0xA0, 0x60, 'H', 'i', 0xFF, 0x7E, 0, 0}));

    content::VariableOptions ram;
    ram.number = 5;
    ram.bytes = {'R', 'a', 'm'};
    EXPECT_EQ(Send(content::BuildVariableFrame(ram).frameText), kOk);
    read.memory = content::MredMemoryByte(4, 5);
    read.count = 4;
    EXPECT_EQ(Send(content::BuildMredFrame(read).frameText), (Bytes{0x00, 0x00, 0xA0, 0x60, 'R', 'a', 'm', 0}));

    EXPECT_EQ(Send(content::BuildFillFrame(0xFEFE, 0xA060).frameText), kOk);
    read.memory = 0;
    read.count = 9;
    EXPECT_EQ(Send(content::BuildMredFrame(read).frameText),
              (Bytes{0x00, 0x00, 0xA0, 0x60, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00}));
    read.address = 0x100000;  // never written: erased flash
    read.count = 2;
    EXPECT_EQ(Send(content::BuildMredFrame(read).frameText), (Bytes{0x00, 0x10, 0x00, 0x00, 0xFF, 0xFF}));
}

TEST_F(ContentFamilyTest, VariablesAndMemoryRejectBadRequests)
{
    content::VariableOptions v;
    struct Case { const char* what; bool flash; int number; std::size_t length; };
    const Case cases[] = {
        {"RAM string of 16", false, 0, 16}, {"RAM variable 16", false, 16, 1},
        {"flash string of 32", true, 0, 32}, {"flash variable 128", true, 128, 1},
    };
    for (const Case& c : cases) {
        v.flash = c.flash;
        v.number = c.number;
        v.bytes.assign(c.length, 'x');
        EXPECT_EQ(Send(content::BuildVariableFrame(v).frameText), kRejected) << c.what;
    }
    EXPECT_EQ(family.Handle({0xFEFE, "VRAM", {0x00, 0x05, 'a'}})->data, kRejected);  // length disagrees
    content::MredOptions read;
    read.memory = content::MredMemoryByte(1, 0);  // Com1
    EXPECT_EQ(Send(content::BuildMredFrame(read).frameText), kRejected);
    EXPECT_EQ(family.Handle({0xFEFE, "MRED", {0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x02}})->data, kRejected);
    EXPECT_EQ(Send(content::BuildFillFrame(0xFEFE, 0x01000000).frameText), kRejected);
    EXPECT_EQ(family.Handle({0xFEFE, "MWRD", {0x00, 0x00, 0x10}})->data, kRejected);
}

TEST_F(ContentFamilyTest, PageWritesEraseTheirSectorFirst)
{
    ASSERT_EQ(family.Handle({0xFEFE, "MWRD", {0x00, 0x10, 0x00, 0x10, 0x11, 0x22}})->data, kOk);
    ASSERT_EQ(family.Handle({0xFEFE, "MWRD", {0x55, 0x10, 0x00, 0x00, 0xAA}})->data, kOk);
    Bytes out;
    ASSERT_TRUE(family.Memory()->Read(0x100000, 0x12, out));
    EXPECT_EQ(out[0], 0xAA);
    EXPECT_EQ(out[0x10], 0xFF);  // the earlier write went with the erase
    ASSERT_EQ(family.Handle({0xFEFE, "MWRD", {0x55, 0x10, 0x00, 0x01, 0xBB}})->data, kOk);
    ASSERT_TRUE(family.Memory()->Read(0x100000, 2, out));
    EXPECT_EQ(out, (Bytes{0xAA, 0xBB}));  // mid-sector pages do not erase
}

TEST_F(ContentFamilyTest, OtherCommandsAreNotItsOwn)
{
    EXPECT_FALSE(family.Handle({0xFEFE, "NONE", {}}));
    EXPECT_FALSE(family.Handle({0xFEFE, "EVEN", {0x00, 0x00}}));
}
