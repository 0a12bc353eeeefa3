#include "protocol/frame_text.h"

#include "protocol/hex_byte.h"

namespace protocol {
namespace {

int Nibble(char c)
{
    const auto code = static_cast<unsigned char>(c);
    return code <= '9' ? code - 0x30 : code - 0x37;
}

}  // namespace

std::vector<std::uint8_t> FrameTextToBytes(std::string_view text)
{
    std::vector<std::uint8_t> bytes;
    const std::size_t count = text.size() / 3;
    bytes.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        const std::string_view triple = text.substr(3 * k, 3);
        if (triple[2] != ' ') break;
        bytes.push_back(static_cast<std::uint8_t>((Nibble(triple[0]) * 16 + Nibble(triple[1])) & 0xFF));
    }
    return bytes;
}

std::string HexText(std::span<const std::uint8_t> bytes)
{
    std::string text;
    text.reserve(bytes.size() * 3);
    for (std::uint8_t b : bytes) text += HexPair(b);
    return text;
}

std::string HexText32(std::uint32_t value)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text(8, '0');
    for (int i = 7; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = kDigits[value & 0x0F];
        value >>= 4;
    }
    return text;
}

std::uint32_t HexTextToInt(std::string_view text)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < text.size() && i < 8; ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        value = (value << 4) | (static_cast<std::uint32_t>(Nibble(c)) & 0x0F);
    }
    return value;
}

}  // namespace protocol
