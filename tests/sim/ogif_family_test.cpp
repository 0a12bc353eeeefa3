#include "sim/ogif_family.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "bench/images/ogif_frames.h"
#include "protocol/frame_text.h"
#include "protocol/unescape.h"
#include "tests/support/temp_dir.h"

using Bytes = std::vector<std::uint8_t>;
using sim::OgifFamily;

namespace {

constexpr std::uint16_t kComplete = 0xFFFF;

// A family with its program store, fed the frames the bench's builders make.
class OgifFamilyTest : public ::testing::Test {
protected:
    explicit OgifFamilyTest(sim::SimOptions options = {}) : family(options, content) {}

    sim::Reply Send(const std::string& frameText)
    {
        Bytes bytes = protocol::FrameTextToBytes(frameText);
        bytes.resize(protocol::UnescapeReply(bytes.data(), bytes.size()));
        const sim::Request request{static_cast<std::uint16_t>(bytes[2] << 8 | bytes[3]),
                                   std::string(bytes.begin() + 6, bytes.begin() + 10),
                                   Bytes(bytes.begin() + 10, bytes.end() - 4)};
        const auto reply = family.Handle(request);
        EXPECT_TRUE(reply);
        return reply.value_or(sim::Reply{});
    }
    images::OgifFile Fields(std::size_t size, std::uint8_t type = 0x86, std::uint16_t id = 200) const
    {
        return {0xFEFE, id, static_cast<std::uint16_t>(images::OgifPageCount(size)), type};
    }
    sim::Reply Header(const images::OgifFile& fields, const images::OgifProgram& program = {})
    {
        return Send(images::OgifHeaderFrame(fields, program));
    }
    sim::Reply Page(const images::OgifFile& fields, std::uint16_t page, const Bytes& file)
    {
        const std::size_t from = std::min(file.size(), std::size_t{page} * images::kOgifPageBytes);
        const std::size_t n = std::min(file.size() - from, images::kOgifPageBytes);
        return Send(images::OgifDataFrame(fields, page, std::span(file).subspan(from, n)));
    }
    // Status and page field of a reply.
    static std::pair<int, int> Answer(const sim::Reply& reply)
    {
        if (reply.silent || reply.data.size() < 6) return {-1, -1};
        return {reply.data[0], reply.data[4] << 8 | reply.data[5]};
    }
    static Bytes Pattern(std::size_t size)
    {
        Bytes bytes(size);
        for (std::size_t k = 0; k < size; ++k) bytes[k] = static_cast<std::uint8_t>(k * 7 + 0x7D);
        return bytes;
    }

    sim::ContentFamily content;
    OgifFamily family;
};

TEST_F(OgifFamilyTest, TakesPagesInOrderAndKeepsTheFileAsAProgram)
{
    const Bytes file = Pattern(3 * 248 + 5);
    const auto fields = Fields(file.size());
    images::OgifProgram program;
    program.alias = "Logo";
    program.mode = 1;
    program.totalSeconds = 30;
    EXPECT_EQ(Answer(Header(fields, program)), std::make_pair(0, 0));
    EXPECT_EQ(Answer(Page(fields, 0, file)), std::make_pair(0, 1));
    EXPECT_EQ(Answer(Page(fields, 1, file)), std::make_pair(0, 2));
    EXPECT_EQ(Answer(Page(fields, 2, file)), std::make_pair(0, 3));
    EXPECT_EQ(Answer(Page(fields, 3, file)), std::make_pair(0, int{kComplete}));

    ASSERT_EQ(family.Files().count(200), 1u);
    EXPECT_EQ(family.Files().at(200).bytes, file);
    const auto& stored = content.Programs().at(200);
    EXPECT_EQ(stored.alias, "Logo");
    EXPECT_TRUE(stored.Hidden());
    EXPECT_EQ(stored.options, images::OgifHeaderData(program));
    EXPECT_EQ(stored.text, file);
}

TEST_F(OgifFamilyTest, EmptyFileIsOneEmptyPage)
{
    const auto fields = Fields(0);
    EXPECT_EQ(Answer(Header(fields)), std::make_pair(0, 0));
    EXPECT_EQ(Answer(Page(fields, 0, {})), std::make_pair(0, int{kComplete}));
    EXPECT_TRUE(family.Files().at(200).bytes.empty());
    EXPECT_EQ(content.Programs().at(200).alias, "Program");
}

TEST_F(OgifFamilyTest, PagesOutOfOrderOrWithoutHeaderAreRefused)
{
    const Bytes file = Pattern(600);
    const auto fields = Fields(file.size());
    EXPECT_EQ(Answer(Page(fields, 0, file)), std::make_pair(0x03, 0xFEFE));  // no header page yet
    Header(fields);
    EXPECT_EQ(Answer(Page(fields, 1, file)), std::make_pair(0x03, 0));
    EXPECT_EQ(Answer(Page(fields, 0, file)), std::make_pair(0, 1));
    EXPECT_EQ(Answer(Page(fields, 0, file)), std::make_pair(0x03, 1));  // sent again
    EXPECT_EQ(Answer(Page(Fields(file.size(), 0x86, 205), 1, file)), std::make_pair(0x03, 0xFEFE));
    EXPECT_EQ(Answer(Page(fields, 1, file)), std::make_pair(0, 2));
    EXPECT_EQ(Answer(Page(fields, 2, file)), std::make_pair(0, int{kComplete}));
    EXPECT_EQ(family.Files().at(200).bytes, file);
}

TEST_F(OgifFamilyTest, ShortPagesBeforeTheLastAreRejected)
{
    const auto fields = Fields(600);
    Header(fields);
    EXPECT_EQ(Answer(Page(fields, 0, Pattern(10))).first, OgifFamily::kStatusRejected);
    EXPECT_TRUE(family.Files().empty());
}

TEST_F(OgifFamilyTest, ANewHeaderPageStartsAgain)
{
    const Bytes first = Pattern(300);
    const Bytes second = Pattern(20);
    Header(Fields(first.size()));
    Page(Fields(first.size()), 0, first);
    EXPECT_EQ(Answer(Header(Fields(second.size()))), std::make_pair(0, 0));
    EXPECT_EQ(Answer(Page(Fields(second.size()), 0, second)), std::make_pair(0, int{kComplete}));
    EXPECT_EQ(family.Files().at(200).bytes, second);
}

TEST_F(OgifFamilyTest, ExtensionByTypeAndContent)
{
    const Bytes obmp = {0x86, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0xA7, 0x00, 0x00,
                        0x00, 0x00, 0x00, 0x00, 0x00, 0xCC, 0x00, 0x10, 0x00, 0x00, 0x00,
                        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    const Bytes xbmp = {0x85, 0x00, 0x01, 0x00, 0x01, 0x00, 0x01, 0x00, 0x17, 0x01, 0x01, 0x00,
                        0x00, 0x00, 0x00, 0x00, 0xD0, 0x00, 0x00, 0x03, 0x10, 0x20, 0x30};
    EXPECT_EQ(OgifFamily::Extension({0x86, obmp}), "obmp");
    EXPECT_EQ(OgifFamily::Extension({0x86, Pattern(40)}), "ogif");
    EXPECT_EQ(OgifFamily::Extension({0x85, xbmp}), "xbmp");
    EXPECT_EQ(OgifFamily::Extension({0x85, Pattern(40)}), "xgif");
    EXPECT_EQ(OgifFamily::Extension({0x87, Pattern(40)}), "xgif");
}

struct AnswerCase {
    const char* option;
    std::vector<std::pair<int, int>> answers;  // header, page 0, page 1, page 2
};

class OgifAnswerTest : public OgifFamilyTest, public ::testing::WithParamInterface<AnswerCase> {
protected:
    OgifAnswerTest() : OgifFamilyTest({{OgifFamily::kAnswerOption, GetParam().option}}) {}
};

TEST_P(OgifAnswerTest, AnswersAsAsked)
{
    const Bytes file = Pattern(3 * 248);
    const auto fields = Fields(file.size());
    std::vector<std::pair<int, int>> answers = {Answer(Header(fields))};
    for (std::uint16_t p = 0; p < 3; ++p) answers.push_back(Answer(Page(fields, p, file)));
    EXPECT_EQ(answers, GetParam().answers);
}

INSTANTIATE_TEST_SUITE_P(Options, OgifAnswerTest,
                         ::testing::Values(AnswerCase{"same", {{0, 0}, {0, 0}, {0, 1}, {0, 2}}},
                                           AnswerCase{"done", {{0, 0xFFFF}, {0, 1}, {0, 2}, {0, 0xFFFF}}},
                                           AnswerCase{"skip", {{0, 0}, {0, 2}, {3, 2}, {0, 0xFFFF}}},
                                           AnswerCase{"silent:1", {{0, 0}, {0, 1}, {-1, -1}, {-1, -1}}}));

// The folder exists before the family that stores into it.
struct StoreFolder {
    testsupport::TempDir folder;
};

class OgifStoreTest : public StoreFolder, public OgifFamilyTest {
protected:
    OgifStoreTest() : OgifFamilyTest({{OgifFamily::kStoreOption, folder.Path()}}) {}
    static Bytes Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(OgifStoreTest, WritesTheFileAndThePictureOfAnXbmp)
{
    const Bytes xbmp = {0x85, 0x00, 0x01, 0x00, 0x01, 0x00, 0x01, 0x00, 0x17, 0x01, 0x01, 0x00,
                        0x00, 0x00, 0x00, 0x00, 0xD0, 0x00, 0x00, 0x03, 0x10, 0x20, 0x30};
    const auto fields = Fields(xbmp.size(), 0x85, 15);
    Header(fields);
    Page(fields, 0, xbmp);
    EXPECT_EQ(Read(folder.File("15.xbmp")), xbmp);
    const Bytes png = Read(folder.File("15.png"));
    ASSERT_GE(png.size(), 8u);
    EXPECT_EQ(Bytes(png.begin(), png.begin() + 8), (Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
}

TEST_F(OgifStoreTest, AnimationFilesHaveNoPicture)
{
    const Bytes gif = Pattern(260);
    const auto fields = Fields(gif.size(), 0x87, 30);
    Header(fields);
    Page(fields, 0, gif);
    Page(fields, 1, gif);
    EXPECT_EQ(Read(folder.File("30.xgif")), gif);
    EXPECT_FALSE(std::filesystem::exists(folder.File("30.png")));
}

}  // namespace
