#include "bench/fonts/sign_font_frames.h"

#include "bench/content/reply_fields.h"
#include "bench/fonts/font_file_row.h"
#include "protocol/frame_text.h"
#include "protocol/wire_frame.h"

namespace fonts {
namespace {

std::vector<std::uint8_t> Address32(std::uint32_t address)
{
    return {static_cast<std::uint8_t>(address >> 24), static_cast<std::uint8_t>(address >> 16),
            static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address)};
}

constexpr std::size_t kEntriesAt = 16;
constexpr std::size_t kEntryBytes = 6;

}  // namespace

std::string BuildFontListFrame(std::uint16_t signId) { return *protocol::BenchFrameText(signId, "FONT", {}); }

std::string BuildFontHeaderReadFrame(std::uint16_t signId, std::uint32_t address)
{
    std::vector<std::uint8_t> data = Address32(address);
    data.push_back(0x00);
    data.push_back(0x20);
    return *protocol::BenchFrameText(signId, "MRED", data);
}

std::string BuildFontDeleteFrame(std::uint16_t signId, std::uint32_t address)
{
    std::vector<std::uint8_t> data = Address32(address);
    data.push_back(0x00);
    data.push_back(0x00);
    return *protocol::BenchFrameText(signId, "MWRD", data);
}

std::vector<std::uint8_t> BuildPageWrite(std::uint16_t signId, std::uint32_t address,
                                         std::span<const std::uint8_t> data)
{
    const std::size_t n = data.size() < kPageBytes ? data.size() : kPageBytes;
    const auto length = static_cast<std::uint16_t>(n + 8);
    std::vector<std::uint8_t> body = {static_cast<std::uint8_t>(signId >> 8),
                                      static_cast<std::uint8_t>(signId),
                                      static_cast<std::uint8_t>(length >> 8),
                                      static_cast<std::uint8_t>(length),
                                      'M',
                                      'W',
                                      'R',
                                      'D',
                                      kPageWriteMode,
                                      static_cast<std::uint8_t>(address >> 16),
                                      static_cast<std::uint8_t>(address >> 8),
                                      static_cast<std::uint8_t>(address)};
    body.insert(body.end(), data.begin(), data.begin() + static_cast<long>(n));
    body.push_back(0xFF);
    body.push_back(0xFF);
    std::vector<std::uint8_t> wire = {0x7E, 0x01};
    const std::vector<std::uint8_t> escaped = protocol::EscapeBytes(body);
    wire.insert(wire.end(), escaped.begin(), escaped.end());
    wire.push_back(0x7E);
    wire.push_back(0x00);
    return wire;
}

std::int64_t PageCount(std::uint64_t size)
{
    if (size == 0) return 1;
    return static_cast<std::int64_t>((size - 1) / kPageBytes + 1);
}

std::optional<FontListReply> DecodeFontList(std::span<const std::uint8_t> buffer, int result)
{
    const content::ReplyView reply(buffer, result);
    if (reply.State() == content::ReplyState::NoReply) return std::nullopt;
    FontListReply list;
    if (reply.State() == content::ReplyState::BadStatus) {
        list.rejected = true;
        return list;
    }
    const int count = reply.At(15);
    for (int i = 0; i < count; ++i) {
        const std::size_t at = kEntriesAt + kEntryBytes * static_cast<std::size_t>(i);
        SignFont font;
        font.id = static_cast<std::uint16_t>(reply.At(at + 1) << 8 | reply.At(at));
        font.address = static_cast<std::uint32_t>(reply.At(at + 5)) << 24 |
                       static_cast<std::uint32_t>(reply.At(at + 4)) << 16 |
                       static_cast<std::uint32_t>(reply.At(at + 3)) << 8 | reply.At(at + 2);
        list.fonts.push_back(font);
    }
    return list;
}

std::string SignFontIdCell(std::uint16_t id) { return " " + FontIdText(id); }

std::string SignFontAddressCell(std::uint32_t address) { return protocol::HexText32(address); }

std::int64_t SignFontFlash(std::int16_t pages)
{
    // C++ division truncates toward zero, as the list's arithmetic does.
    return (static_cast<std::int64_t>(pages) * 256 + 31) / 4096 * 4096 + 4096;
}

std::optional<FontHeaderReply> DecodeFontHeaderRead(std::span<const std::uint8_t> buffer, int result)
{
    const content::ReplyView reply(buffer, result);
    if (reply.State() != content::ReplyState::Ok) return std::nullopt;
    FontHeaderReply header;
    for (std::size_t i = 16; i < 22 && reply.At(i) != 0; ++i)
        header.name.push_back(static_cast<char>(reply.At(i)));
    const auto pages =
        static_cast<std::int16_t>(static_cast<std::uint16_t>(reply.At(27) << 8 | reply.At(26)));
    header.flash = SignFontFlash(pages);
    return header;
}

bool Accepted(std::span<const std::uint8_t> buffer, int result)
{
    return content::ReplyView(buffer, result).State() == content::ReplyState::Ok;
}

}  // namespace fonts
