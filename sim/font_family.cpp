#include "sim/font_family.h"

#include <vector>

namespace sim {

FontFamily::FontFamily(std::shared_ptr<SignMemory> memory) : memory_(std::move(memory)) {}

std::optional<Reply> FontFamily::Handle(const Request& request)
{
    if (request.command != "FONT") return std::nullopt;
    // Status, four bytes the bench does not read, the count at offset 15, then per
    // font its id and its address, both low byte first.
    Reply reply{{0x00, 0x00, 0x00, 0x00, 0x00, 0x00}};
    std::size_t count = 0;
    for (const std::uint32_t block : memory_->WrittenSectors()) {
        if (block < kFontAreaStart || count == kMaxListed) continue;
        std::vector<std::uint8_t> header;
        if (!memory_->Read(block, 10, header) || header[0] != 'F' || header[1] != 'T') continue;
        reply.data.insert(
            reply.data.end(),
            {header[8], header[9], static_cast<std::uint8_t>(block), static_cast<std::uint8_t>(block >> 8),
             static_cast<std::uint8_t>(block >> 16), static_cast<std::uint8_t>(block >> 24)});
        ++count;
    }
    reply.data[5] = static_cast<std::uint8_t>(count);
    return reply;
}

}  // namespace sim
