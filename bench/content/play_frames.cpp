#include "bench/content/play_frames.h"

#include "protocol/wire_frame.h"
#include "protocol/words.h"

namespace content {

namespace {

std::uint8_t Position(int position) { return position < 0 ? 0xFF : static_cast<std::uint8_t>(position); }

std::vector<std::string> Numbered(int first, int last, const std::string& prefix, const std::string& suffix)
{
    std::vector<std::string> entries;
    for (int i = first; i <= last; ++i) entries.push_back(prefix + std::to_string(i) + suffix);
    return entries;
}

}  // namespace

FrameBuild BuildPlayTableFrame(const PlayTableOptions& o)
{
    std::vector<std::uint8_t> data;
    const std::uint8_t brk = o.breakRunning ? 0x01 : 0x00;
    if (o.flash) {
        data = {static_cast<std::uint8_t>(o.enter ? 0x5A : 0x50), brk, 0x00, 0x06, o.group, 0x01};
        protocol::PushWord(data, o.start);
        protocol::PushWord(data, o.end);
        return {*protocol::BenchFrameText(o.signId, "PLAY", data), {}};
    }
    data = {static_cast<std::uint8_t>(o.enter ? 0x01 : 0x00), brk, 0x00};
    protocol::PushWord(data, o.start);
    protocol::PushWord(data, o.end);
    data.push_back(o.group);
    data.push_back(Position(o.loops));
    data.push_back(0x00);
    data.push_back(Position(o.seconds));
    return {*protocol::BenchFrameText(o.signId, "PRAM", data), {}};
}

int PlayTableLayout(bool flash) { return flash ? kLayoutFlashPlayTable : kLayoutRamPlayTable; }

FrameBuild BuildProgramSelectFrame(const ProgramSelectOptions& o)
{
    const std::uint8_t data[] = {static_cast<std::uint8_t>(o.select ? 0x10 : 0x11),
                                 0x01,
                                 0x00,
                                 0x00,
                                 static_cast<std::uint8_t>(o.first),
                                 0x00,
                                 static_cast<std::uint8_t>(o.last),
                                 0x00,
                                 Position(o.loops),
                                 0x00,
                                 Position(o.seconds)};
    return {*protocol::BenchFrameText(o.signId, "PRAM", data), {}};
}

std::vector<std::string> GroupEntries()
{
    std::vector<std::string> entries;
    for (char c = 'A'; c <= 'Z'; ++c) entries.emplace_back(1, c);
    return entries;
}

std::vector<std::string> FileIdEntries() { return Numbered(0, 1023, "", ""); }

std::vector<std::string> LoopEntries()
{
    std::vector<std::string> entries{"Loop Allways"};
    for (const std::string& e : Numbered(1, 6, "Loop ", " Times")) entries.push_back(e);
    return entries;
}

std::vector<std::string> SecondEntries()
{
    std::vector<std::string> entries{"All Time"};
    for (const std::string& e : Numbered(1, 10, "", " Seconds")) entries.push_back(e);
    return entries;
}

std::vector<std::string> ProgramNumberEntries() { return Numbered(1, 9, "", ""); }
std::vector<std::string> TimesEntries() { return Numbered(0, 6, "", ""); }
std::vector<std::string> ShortSecondEntries() { return Numbered(0, 10, "", " S"); }

}  // namespace content
