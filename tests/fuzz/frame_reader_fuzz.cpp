// The virtual sign's frame reader: the events of a byte stream do not depend on how
// the stream was cut into reads, and every frame it accepts is well formed.
#include <cstdint>
#include <vector>

#include "protocol/check_sum.h"
#include "sim/frame_reader.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

std::vector<sim::ReaderEvent> ReadAll(std::span<const std::uint8_t> stream,
                                      std::span<const std::uint8_t> cuts)
{
    sim::FrameReader reader;
    std::vector<sim::ReaderEvent> events;
    std::size_t at = 0;
    for (std::size_t i = 0; at < stream.size(); ++i) {
        // Each cut byte gives the next read's size, 1 to 64; without cuts, one read.
        const std::size_t size = cuts.empty() ? stream.size() : cuts[i % cuts.size()] % 64 + 1;
        const auto more = reader.Feed(stream.subspan(at, std::min(size, stream.size() - at)));
        events.insert(events.end(), more.begin(), more.end());
        at += size;
    }
    const auto last = reader.Finish();
    events.insert(events.end(), last.begin(), last.end());
    return events;
}

bool Same(const sim::ReaderEvent& a, const sim::ReaderEvent& b)
{
    return a.kind == b.kind && a.raw == b.raw && a.request.signId == b.request.signId &&
           a.request.command == b.request.command && a.request.data == b.request.data;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) return 0;
    // The first byte says how many of the following bytes are cut sizes.
    const std::size_t cutCount = std::min<std::size_t>(data[0] % 16, size - 1);
    const std::span<const std::uint8_t> cuts(data + 1, cutCount);
    const std::span<const std::uint8_t> stream(data + 1 + cutCount, size - 1 - cutCount);

    const auto whole = ReadAll(stream, {});
    const std::vector<std::uint8_t> single{0};
    for (const auto& pieces : {ReadAll(stream, cuts), ReadAll(stream, single)}) {
        FUZZ_CHECK(pieces.size() == whole.size());
        for (std::size_t i = 0; i < whole.size(); ++i) FUZZ_CHECK(Same(pieces[i], whole[i]));
    }

    for (const sim::ReaderEvent& event : whole) {
        FUZZ_CHECK(!event.raw.empty());
        FUZZ_CHECK(event.raw.size() <= sim::FrameReader::kMaxRawFrame + 1);
        if (event.kind != sim::ReaderEvent::Kind::Frame) continue;
        const auto& raw = event.raw;
        FUZZ_CHECK(raw.size() >= 14 && raw[0] == 0x7E && raw[1] <= 0x0F);
        FUZZ_CHECK(raw[raw.size() - 2] == 0x7E && raw.back() == 0x00);
        FUZZ_CHECK(event.request.command.size() == 4);
    }
    return 0;
}
