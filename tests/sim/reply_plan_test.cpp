#include "sim/reply_plan.h"

#include <gtest/gtest.h>

#include "sim/hex_bytes.h"

using sim::Faults;
using sim::PlanReply;
using sim::ReplyPlan;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes Hex(const char* text) { return *sim::ParseHexBytes(text); }

Faults With(std::initializer_list<const char*> kinds)
{
    Faults faults;
    for (const char* kind : kinds) EXPECT_EQ(sim::AddFault(kind, faults), "") << kind;
    return faults;
}

Bytes AllBytes(const ReplyPlan& plan)
{
    Bytes all;
    for (const auto& piece : plan.pieces) all.insert(all.end(), piece.bytes.begin(), piece.bytes.end());
    return all;
}

const sim::Request kNone{0xFEFE, "NONE", {}};

}  // namespace

TEST(ReplyFrame, CarriesTheRequestsIdAndCommandAndEscapesItsBody)
{
    EXPECT_EQ(sim::ReplyFrame(kNone, {0x00}), Hex("7E 01 FE FE 00 05 4E 4F 4E 45 00 5D D6 7E 00"));
    // Id 7E 7D and data 7E 7D: escaped on the wire, counted once in the length.
    const sim::Request odd{0x7E7D, "ABCD", {}};
    EXPECT_EQ(sim::ReplyFrame(odd, {0x00, 0x7E, 0x7D}),
              Hex("7E 01 7D 02 7D 01 00 07 41 42 43 44 00 7D 02 7D 01 5D AC 7E 00"));
}

// The faults that change the bytes; combinations apply in a fixed order: status,
// body, prefix, then the cut of drop.
TEST(PlanReply, BendsTheBytesAsAsked)
{
    struct Case { std::initializer_list<const char*> faults; Bytes bytes; bool closeAfter; };
    const Case cases[] = {
        {{}, Hex("7E 01 FE FE 00 05 4E 4F 4E 45 00 5D D6 7E 00"), false},
        {{"badcheck"}, Hex("7E 01 FE FE 00 05 4E 4F 4E 45 00 5D D7 7E 00"), false},
        {{"status:05"}, Hex("7E 01 FE FE 00 05 4E 4F 4E 45 05 5D DB 7E 00"), false},
        {{"status:A7"}, Hex("7E 01 FE FE 00 05 4E 4F 4E 45 A7 5E 7D 01 7E 00"), false},
        {{"unframed"}, Hex("FE FE 00 05 4E 4F 4E 45 00 5D D6"), false},
        {{"noend"}, Hex("7E 01 FE FE 00 05 4E 4F 4E 45 00 5D D6"), false},
        {{"prefix:00 00"}, Hex("00 00 7E 01 FE FE 00 05 4E 4F 4E 45 00 5D D6 7E 00"), false},
        {{"drop"}, Hex("7E 01 FE FE 00 05 4E"), true},
        {{"flood:5"}, Hex("7E 01 41 41 41 41 41"), false},
        {{"status:05", "noend", "prefix:7E"}, Hex("7E 7E 01 FE FE 00 05 4E 4F 4E 45 05 5D DB"), false},
    };
    for (const Case& c : cases) {
        const ReplyPlan plan = PlanReply(kNone, sim::Reply{}, With(c.faults));
        ASSERT_EQ(plan.pieces.size(), 1u);
        EXPECT_EQ(plan.pieces[0].delayMs, 0);
        EXPECT_EQ(plan.pieces[0].bytes, c.bytes) << (c.faults.size() ? *c.faults.begin() : "none");
        EXPECT_EQ(plan.closeAfter, c.closeAfter);
    }
}

TEST(PlanReply, TimesThePieces)
{
    const ReplyPlan late = PlanReply(kNone, sim::Reply{}, With({"late:250"}));
    ASSERT_EQ(late.pieces.size(), 1u);
    EXPECT_EQ(late.pieces[0].delayMs, 250);

    const ReplyPlan pieces = PlanReply(kNone, sim::Reply{}, With({"pieces:40", "late:7"}));
    ASSERT_EQ(pieces.pieces.size(), 5u);  // 15 bytes in pieces of 3
    EXPECT_EQ(pieces.pieces[0].delayMs, 7);
    for (std::size_t i = 1; i < pieces.pieces.size(); ++i) EXPECT_EQ(pieces.pieces[i].delayMs, 40);
    for (const auto& piece : pieces.pieces) EXPECT_EQ(piece.bytes.size(), 3u);
    EXPECT_EQ(AllBytes(pieces), sim::ReplyFrame(kNone, {0x00}));
}

TEST(PlanReply, StaysSilentWhenTheFaultOrTheFamilySaysSo)
{
    EXPECT_TRUE(PlanReply(kNone, sim::Reply{}, With({"silent"})).pieces.empty());
    sim::Reply quiet;
    quiet.silent = true;
    EXPECT_TRUE(PlanReply(kNone, quiet, Faults{}).pieces.empty());
}

TEST(AddFault, RefusesWhatItDoesNotKnow)
{
    for (const char* bad : {"loud", "late", "late:x", "late:-1", "pieces:", "status:123", "status:G0",
                            "prefix:", "prefix:0", "flood:many", "silent:1"}) {
        Faults faults;
        EXPECT_NE(sim::AddFault(bad, faults), "") << bad;
        EXPECT_FALSE(faults.Any()) << bad;
    }
}
