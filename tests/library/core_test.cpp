#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "library/frame_input.h"
#include "library/link_settings.h"
#include "library/param_value.h"
#include "library/profile_snapshot.h"
#include "library/reply_check.h"
#include "library/result_codes.h"
#include "library/return_file.h"
#include "library/send_engine.h"
#include "tests/library/library_folder.h"
#include "tests/support/temp_dir.h"

namespace librarytest {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(LibraryAddress, SignAddressesAreFormedNotContacted)
{
    struct Case {
        long long id;
        std::string broadcast;
        std::string head;
        std::string address;
    };
    for (const Case& c :
         {Case{65278, "192.168.1.250", "192.168", "192.168.1.250"},
          Case{1, "192.168.1.250", "192.168", "192.168.0.1"},
          Case{258, "192.168.1.250", "192.168", "192.168.1.2"}, Case{258, "x", "127.0", "127.0.1.2"},
          Case{65278, "127.0.0.9", "127.0", "127.0.0.9"}, Case{65535, "x", "10.1", "10.1.255.255"},
          Case{0, "x", "192.168", "192.168.0.0"}}) {
        EXPECT_EQ(signlink::SignAddress(c.id, c.broadcast, c.head), c.address) << c.id;
    }
}

TEST(LibraryAddress, BaudCodes)
{
    const std::vector<std::pair<long long, int>> table = {
        {4800, 10},   {9600, 12},   {19200, 13},  {38400, 14}, {57600, 15}, {115200, 16},
        {230400, 17}, {460800, 18}, {921600, 19}, {14400, 12}, {0, 12},     {-9600, 12}};
    for (const auto& [rate, code] : table) EXPECT_EQ(signlink::BaudCodeForRate(rate), code) << rate;
}

TEST(LibraryAddress, DottedTextUsesTheLowByteOfEachNumber)
{
    EXPECT_EQ(signlink::DottedFromParts({300, 1, 2, 3}), "44.1.2.3");
    EXPECT_EQ(signlink::DottedFromParts({-1, 0, 256, 127}), "255.0.0.127");
}

Bytes Framed(Bytes body)
{
    body.insert(body.begin(), {0x7E, 0x01});
    body.push_back(0x7E);
    body.push_back(0x00);
    return body;
}

TEST(LibraryReply, AcceptanceTable)
{
    // FE FE 00 04 4E 4F 4E 45 sums to 0x0330: the check is 5D D5.
    const Bytes body{0xFE, 0xFE, 0x00, 0x04, 0x4E, 0x4F, 0x4E, 0x45};
    auto with = [&](std::uint8_t high, std::uint8_t low) {
        Bytes b = body;
        b.push_back(high);
        b.push_back(low);
        return Framed(b);
    };
    struct Case {
        std::string name;
        Bytes raw;
        int code;
    };
    const std::vector<Case> cases = {
        {"good", with(0x5D, 0xD5), 0},
        {"FF FF passes", with(0xFF, 0xFF), 0},
        {"FF high, right low", with(0xFF, 0xD5), 0},
        {"right high, FF low", with(0x5D, 0xFF), 0},
        {"FF high, wrong low", with(0xFF, 0xD4), -6},
        {"wrong high", with(0x5C, 0xD5), -6},
        {"nothing", {}, -5},
        {"second byte 10",
         [&] {
             Bytes r = with(0x5D, 0xD5);
             r[1] = 0x10;
             return r;
         }(),
         -7},
        {"second byte 0F",
         [&] {
             Bytes r = with(0x5D, 0xD5);
             r[1] = 0x0F;
             return r;
         }(),
         0},
        {"no end marker",
         [&] {
             Bytes r = with(0x5D, 0xD5);
             r.pop_back();
             return r;
         }(),
         -7},
        {"prefix",
         [&] {
             Bytes r = with(0x5D, 0xD5);
             r.insert(r.begin(), 0x00);
             return r;
         }(),
         -7},
        {"7E 00 alone", {0x7E, 0x00}, -7},
        {"7E 01 7E 00", {0x7E, 0x01, 0x7E, 0x00}, -7},
        {"one byte inside", {0x7E, 0x01, 0x41, 0x7E, 0x00}, -7},
        {"check only", Framed({0x5A, 0xA5}), 0},
        {"single 7E", {0x7E}, -7},
    };
    for (const Case& c : cases) EXPECT_EQ(signlink::AcceptReply(c.raw).code, c.code) << c.name;
}

TEST(LibraryReply, WhereANetworkReceptionEnds)
{
    struct Case {
        Bytes raw;
        bool whole;
    };
    for (const Case& c :
         {Case{{}, false}, Case{{0x7E}, false}, Case{{0x7E, 0x00}, true}, Case{{0x7E, 0x01, 0x7E}, false},
          Case{{0x7E, 0x01, 0x7E, 0x00}, true}, Case{{0x7E, 0x0F, 0x41, 0x7E, 0x00}, true},
          Case{{0x7E, 0x10, 0x41, 0x7E, 0x00}, false}, Case{{0x00, 0x7E, 0x00}, false},
          Case{{0x7E, 0x01, 0x41, 0x7E, 0x01}, false}}) {
        EXPECT_EQ(signlink::IsCompleteReply(c.raw), c.whole) << Hex(c.raw);
    }
}

TEST(LibraryReply, EscapesAreUndoneBeforeTheCheck)
{
    // Data 7E and 7D: body FE FE 00 06 4E 4F 4E 45 7E 7D.
    Bytes body{0xFE, 0xFE, 0x00, 0x06, 0x4E, 0x4F, 0x4E, 0x45, 0x7E, 0x7D};
    unsigned sum = 0x5AA5;
    for (auto b : body) sum += b;
    Bytes escaped{0xFE,
                  0xFE,
                  0x00,
                  0x06,
                  0x4E,
                  0x4F,
                  0x4E,
                  0x45,
                  0x7D,
                  0x02,
                  0x7D,
                  0x01,
                  static_cast<std::uint8_t>((sum >> 8) & 0xFF),
                  static_cast<std::uint8_t>(sum & 0xFF)};
    const auto verdict = signlink::AcceptReply(Framed(escaped));
    ASSERT_EQ(verdict.code, 0);
    EXPECT_EQ(verdict.stored, body);
    // 7D followed by anything but 01 is 7E.
    escaped[9] = 0x05;
    EXPECT_EQ(signlink::AcceptReply(Framed(escaped)).code, 0);
    // A 7D just before the end marker reads no further: 41 7E is a check field, and wrong.
    EXPECT_EQ(signlink::AcceptReply(Framed({0x41, 0x7D})).code, -6);
}

TEST(LibraryFrameInput, DataTextTable)
{
    struct Case {
        std::string text;
        std::size_t max;
        std::optional<Bytes> bytes;
    };
    const std::vector<Case> cases = {
        {"01 02 03", 10, Bytes{1, 2, 3}},
        {"1 2 3", 10, Bytes{1, 2}},
        {"123", 10, Bytes{0x12}},
        {"123 ", 10, Bytes{0x12, 0x03}},
        {"ab\r\nCD", 10, Bytes{0xAB, 0xCD}},
        {"41 42 43", 2, Bytes{0x41, 0x42}},
        {"41 42 !!", 2, Bytes{0x41, 0x42}},
        {"41 G2", 10, std::nullopt},
        {"41 2G", 10, std::nullopt},
        {"41,42", 10, std::nullopt},
        {"", 10, Bytes{}},
    };
    for (const Case& c : cases) EXPECT_EQ(signlink::DataTextToBytes(c.text, c.max), c.bytes) << c.text;
}

TEST(LibraryParams, KeyPrefixes)
{
    EXPECT_EQ(signlink::FrameParamPrefix(1), "P01");
    EXPECT_EQ(signlink::FrameParamPrefix(10), "P0:");
    EXPECT_EQ(signlink::FrameParamPrefix(15), "P0?");
    EXPECT_EQ(signlink::FrameParamPrefix(16), "P10");
    EXPECT_EQ(signlink::FrameParamPrefix(31), "P1?");
    EXPECT_EQ(signlink::SetParamPrefix(10), "P10");
    EXPECT_EQ(signlink::SetParamPrefix(99), "P99");
}

TEST(LibraryParams, ValueConversions)
{
    EXPECT_EQ(signlink::LeftAlignedBytes("", 0), (Bytes{0x00}));
    EXPECT_EQ(signlink::LeftAlignedBytes("12  34", 0), (Bytes{0x12, 0x34}));
    EXPECT_EQ(signlink::LeftAlignedBytes("1", 3), (Bytes{0x01, 0x00, 0x00}));
    EXPECT_EQ(signlink::LeftAlignedBytes(std::string(3000, 'A'), 0).size(), 1024u);
    EXPECT_EQ(signlink::RightAlignedBytes("", 0), (Bytes{0x00}));
    EXPECT_EQ(signlink::RightAlignedBytes("1 23", 0), (Bytes{0x01, 0x23}));
    EXPECT_EQ(signlink::RightAlignedBytes(std::string(3000, 'A'), 0).size(), 1024u);
    EXPECT_EQ(signlink::DigitValue('f'), 15);
    EXPECT_EQ(signlink::DigitValue('F'), 15);
    EXPECT_EQ(signlink::DigitValue('9'), 9);
    EXPECT_EQ(signlink::DigitValue(0xFF), (0xFF - 87) & 15);
}

// A link that answers each exchange from a script: true gives a good reply, false none.
class ScriptedLink : public signlink::FrameLink {
public:
    ScriptedLink(std::vector<bool> script, std::size_t& exchanges)
        : script_(std::move(script)), exchanges_(exchanges)
    {
    }
    int Exchange(std::span<const std::uint8_t>, std::vector<std::uint8_t>& reply) override
    {
        ++exchanges_;
        reply.clear();
        if (next_ < script_.size() && script_[next_++]) {
            reply = Framed({0x00, 0x01, 0x00, 0x04, 'A', 'C', 'K', '!', 0xFF, 0xFF});
        }
        return 0;
    }

private:
    std::vector<bool> script_;
    std::size_t& exchanges_;
    std::size_t next_ = 0;
};

TEST(LibraryFrameLoop, AFrameThatFailsThreeTimesEndsTheRun)
{
    LibraryFolder folder;
    folder.Write("FrameInput.dat",
                 "[Output]\n0000_LONG=1\n0000_DATA=41\n0001_LONG=1\n0001_DATA=42\n0002_LONG=1\n0002_DATA="
                 "43\nFRAMES=3\n");
    const signlink::LibraryFiles files{folder.File("CmdSet.cfg"), folder.File("SendFrame.cfg"),
                                       folder.File("FrameInput.dat"), folder.File("FrameReturn.dat")};
    std::size_t exchanges = 0;
    const signlink::LinkOpener open = [&]() -> std::unique_ptr<signlink::FrameLink> {
        return std::make_unique<ScriptedLink>(std::vector<bool>{true, false, false, false, true}, exchanges);
    };
    EXPECT_EQ(signlink::RunFrameLoop(files, {}, 1, open, -4), -5);
    EXPECT_EQ(exchanges, 4u) << "frame 2 is not sent";
    EXPECT_EQ(
        folder.ReturnKeys(),
        (std::vector<std::string>{"ErrorNo=-5", "EndFlag=1", "Frames=3", "FramesSending=2", "0000_LONG=8",
                                  "0000_DATA=00 01 00 04 41 43 4B 21", "FramesSuccess=1"}));
}

TEST(LibraryReturnFile, EveryStepLeavesAValidFileWithEachKeyOnce)
{
    testsupport::TempDir dir;
    const std::string path = dir.File("FrameReturn.dat");
    testsupport::WriteTextFile(path, "[Other]\nkeep=1\n[Output]\nold=1\n");
    auto writer = signlink::ReturnFileWriter::Begin(path, 3);
    ASSERT_TRUE(writer);
    auto value = [&](const std::string& key) {
        return signlink::ProfileSnapshot::Load(path).Text("Output", key).value_or("absent");
    };
    EXPECT_EQ(value("Frames"), "3");
    EXPECT_EQ(value("old"), "absent");
    for (int k = 0; k < 3; ++k) {
        ASSERT_TRUE(writer->SetSending(k + 1));
        EXPECT_EQ(value("FramesSending"), std::to_string(k + 1));
        ASSERT_TRUE(writer->StoreReply(k, Bytes{static_cast<std::uint8_t>(0x7E + k)}));
        EXPECT_EQ(value("FramesSuccess"), std::to_string(k + 1));
    }
    ASSERT_TRUE(writer->SetErrorNo(-11));
    ASSERT_TRUE(writer->SetEndFlag(1));
    const std::string text = testsupport::ReadTextFile(path);
    EXPECT_EQ(text,
              "[Other]\nkeep=1\n[Output]\nErrorNo=-11        \nEndFlag=1          \nFrames=3\n"
              "FramesSending=3          \n0000_LONG=1\n0000_DATA=7E \nFramesSuccess=3          \n"
              "0001_LONG=1\n0001_DATA=7F \n0002_LONG=1\n0002_DATA=80 \n");
}

}  // namespace
}  // namespace librarytest
