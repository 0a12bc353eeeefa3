#include "sim/frame_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "protocol/wire_frame.h"
#include "sim/hex_bytes.h"

using sim::FrameReader;
using sim::ReaderEvent;
using Bytes = std::vector<std::uint8_t>;
using Kind = ReaderEvent::Kind;

namespace {

Bytes Hex(const char* text) { return *sim::ParseHexBytes(text); }

const Bytes kNoneProbe = Hex("7E 01 FE FE 00 04 4E 4F 4E 45 FF FF 7E 00");

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes Content(const std::string& command, const Bytes& data)
{
    Bytes content(command.begin(), command.end());
    content.insert(content.end(), data.begin(), data.end());
    return content;
}

std::vector<ReaderEvent> FeedAll(FrameReader& reader, const Bytes& bytes)
{
    std::vector<ReaderEvent> events = reader.Feed(bytes);
    for (ReaderEvent& e : reader.Finish()) events.push_back(std::move(e));
    return events;
}

std::vector<Kind> Kinds(const std::vector<ReaderEvent>& events)
{
    std::vector<Kind> kinds;
    for (const ReaderEvent& e : events) kinds.push_back(e.kind);
    return kinds;
}

}  // namespace

TEST(FrameReader, TakesTheBenchProbeApart)
{
    FrameReader reader;
    const auto events = FeedAll(reader, kNoneProbe);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, Kind::Frame);
    EXPECT_EQ(events[0].raw, kNoneProbe);
    EXPECT_EQ(events[0].request.signId, 0xFEFE);
    EXPECT_EQ(events[0].request.command, "NONE");
    EXPECT_TRUE(events[0].request.data.empty());
}

// Every marker byte is escaped wherever it stands: in the id, in the length, in
// the data and in the check (41 42 43 44 CE on FE FE has the check 5E 7E).
TEST(FrameReader, UndoesEscapesInEveryPosition)
{
    struct Case { const char* what; std::uint16_t id; const char* command; Bytes data; };
    const Case cases[] = {
        {"id high", 0x7E01, "NONE", {}},
        {"id low", 0x017D, "NONE", {}},
        {"both id bytes", 0x7D7E, "NONE", {}},
        {"data", 0x0001, "VRAM", Hex("7E 7D 7E 00 7D 01 7D 02")},
        {"length 7E", 0x0001, "VRAM", Bytes(0x7E - 4, 0x20)},
        {"length 7D", 0x0001, "VRAM", Bytes(0x7D - 4, 0x20)},
        {"check", 0xFEFE, "ABCD", Hex("CE")},
    };
    for (const Case& c : cases) {
        const Bytes content = Content(c.command, c.data);
        const Bytes wire = protocol::WireFrame(c.id, content);
        FrameReader reader;
        const auto events = FeedAll(reader, wire);
        ASSERT_EQ(events.size(), 1u) << c.what;
        EXPECT_EQ(events[0].kind, Kind::Frame) << c.what;
        EXPECT_EQ(events[0].raw, wire) << c.what;
        EXPECT_EQ(events[0].request.signId, c.id) << c.what;
        EXPECT_EQ(events[0].request.command, c.command) << c.what;
        EXPECT_EQ(events[0].request.data, c.data) << c.what;
    }
    // The check case really carries an escape in its check field.
    const Bytes checkCase = protocol::WireFrame(0xFEFE, Content("ABCD", Hex("CE")));
    EXPECT_EQ(checkCase, Hex("7E 01 FE FE 00 05 41 42 43 44 CE 5E 7D 02 7E 00"));
}

TEST(FrameReader, GivesTheSameFrameHoweverTheBytesAreSplit)
{
    const Bytes wire = protocol::WireFrame(0x7E7D, Content("VRAM", Hex("7D 7E 41")));
    for (std::size_t cut = 0; cut <= wire.size(); ++cut) {
        FrameReader reader;
        auto events = reader.Feed(std::span(wire).first(cut));
        for (ReaderEvent& e : reader.Feed(std::span(wire).subspan(cut))) events.push_back(std::move(e));
        ASSERT_EQ(Kinds(events), std::vector<Kind>{Kind::Frame}) << "cut at " << cut;
        EXPECT_EQ(events[0].raw, wire) << "cut at " << cut;
        EXPECT_EQ(events[0].request.data, Hex("7D 7E 41")) << "cut at " << cut;
    }
    FrameReader byteByByte;
    std::vector<ReaderEvent> events;
    for (std::uint8_t b : wire)
        for (ReaderEvent& e : byteByByte.Feed(std::span(&b, 1))) events.push_back(std::move(e));
    ASSERT_EQ(Kinds(events), std::vector<Kind>{Kind::Frame});
}

TEST(FrameReader, SortsFramesAnomaliesAndStrayBytes)
{
    // Unless a 7E ends one frame and starts the next, every byte is reported exactly once.
    struct Case { const char* what; Bytes input; std::vector<Kind> kinds; bool sharedMarker = false; };
    const Case cases[] = {
        {"bytes before the start marker", Hex("00 00") + kNoneProbe, {Kind::Unframed, Kind::Frame}},
        {"stray bytes alone", Hex("61 32"), {Kind::Unframed}},
        {"7E that starts nothing", Hex("41 7E 41 7E"), {Kind::Unframed}},
        {"second start byte 0F", Hex("7E 0F FE FE 00 04 4E 4F 4E 45 FF FF 7E 00"), {Kind::Frame}},
        {"second start byte 10 is no start", Hex("7E 10 FE FE 00 04 4E 4F 4E 45 FF FF 7E 00"),
         {Kind::Unframed, Kind::BadEnd}},  // its 7E 00 starts a frame that never ends
        {"length one too many", Hex("7E 01 FE FE 00 05 4E 4F 4E 45 FF FF 7E 00"), {Kind::BadLength}},
        {"length one too few", Hex("7E 01 FE FE 00 03 4E 4F 4E 45 FF FF 7E 00"), {Kind::BadLength}},
        {"escaped byte counted twice", Hex("7E 01 FE FE 00 06 4E 4F 4E 45 7D 02 FF FF 7E 00"), {Kind::BadLength}},
        {"no command", Hex("7E 01 FE FE 00 00 FF FF 7E 00"), {Kind::BadLength}},
        {"empty frame", Hex("7E 01 7E 00"), {Kind::BadLength}},
        {"computed check", Hex("7E 01 FE FE 00 04 4E 4F 4E 45 5D D5 7E 00"), {Kind::Frame}},
        {"check off by one", Hex("7E 01 FE FE 00 04 4E 4F 4E 45 5D D6 7E 00"), {Kind::BadCheck}},
        {"only the high check byte FF", Hex("7E 01 FE FE 00 04 4E 4F 4E 45 FF D6 7E 00"), {Kind::BadCheck}},
        {"escape before the end marker", Hex("7E 01 FE FE 00 04 4E 4F 4E 45 FF FF 7D 7E 00"), {Kind::BadEscape}},
        {"end marker without 00, next frame follows",
         Hex("7E 01 FE FE 00 04 4E 4F 4E 45 FF FF 7E 41") + kNoneProbe, {Kind::BadEnd, Kind::Unframed, Kind::Frame}},
        {"frame restarted at its end marker", Hex("7E 01 FE FE 00 04 4E 4F 4E 45 FF FF") + kNoneProbe,
         {Kind::BadEnd, Kind::Frame}, true},
        {"two frames back to back", kNoneProbe + kNoneProbe, {Kind::Frame, Kind::Frame}},
    };
    for (const Case& c : cases) {
        FrameReader reader;
        const auto events = FeedAll(reader, c.input);
        EXPECT_EQ(Kinds(events), c.kinds) << c.what;
        Bytes all;
        for (const ReaderEvent& e : events) all.insert(all.end(), e.raw.begin(), e.raw.end());
        if (!c.sharedMarker) {
            EXPECT_EQ(all, c.input) << c.what << ": every byte reported once";
        }
    }
}

TEST(FrameReader, ReportsStrayBytesOnlyWhenAsked)
{
    FrameReader reader;
    EXPECT_TRUE(reader.Feed(Hex("61 32")).empty());
    EXPECT_TRUE(reader.HasPendingUnframed());
    const auto events = reader.FlushUnframed();
    ASSERT_EQ(Kinds(events), std::vector<Kind>{Kind::Unframed});
    EXPECT_EQ(events[0].raw, Hex("61 32"));
    EXPECT_FALSE(reader.HasPendingUnframed());

    // A lone 7E waiting for its second byte is a stray byte too once the line is quiet.
    EXPECT_TRUE(reader.Feed(Hex("7E")).empty());
    EXPECT_TRUE(reader.HasPendingUnframed());
    EXPECT_EQ(reader.FlushUnframed().at(0).raw, Hex("7E"));
}

TEST(FrameReader, ReportsAFrameCutOffWhenTheSourceCloses)
{
    FrameReader reader;
    const Bytes half(kNoneProbe.begin(), kNoneProbe.begin() + 7);
    EXPECT_TRUE(reader.Feed(half).empty());
    const auto events = reader.Finish();
    ASSERT_EQ(Kinds(events), std::vector<Kind>{Kind::BadEnd});
    EXPECT_EQ(events[0].raw, half);
    EXPECT_EQ(Kinds(FeedAll(reader, kNoneProbe)), std::vector<Kind>{Kind::Frame});
}

TEST(FrameReader, DropsAFrameThatNeverEndsAndRecovers)
{
    FrameReader reader;
    Bytes flood{0x7E, 0x01};
    flood.insert(flood.end(), FrameReader::kMaxRawFrame, 0x41);
    const auto events = reader.Feed(flood);
    ASSERT_EQ(Kinds(events), std::vector<Kind>{Kind::BadLength});
    EXPECT_EQ(events[0].raw.size(), FrameReader::kMaxRawFrame + 1);
    // The rest of the flood is stray; the next frame is read normally.
    const auto after = reader.Feed(kNoneProbe);
    ASSERT_EQ(Kinds(after), (std::vector<Kind>{Kind::Unframed, Kind::Frame}));
}
