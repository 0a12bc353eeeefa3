#include "protocol/wire_frame.h"

#include "protocol/check_sum.h"
#include "protocol/hex_byte.h"

namespace protocol {

std::vector<std::uint8_t> EscapeBytes(std::span<const std::uint8_t> bytes)
{
    std::vector<std::uint8_t> out;
    out.reserve(bytes.size() + bytes.size() / 8 + 2);
    for (std::uint8_t b : bytes) {
        if (b == 0x7D || b == 0x7E) {
            out.push_back(0x7D);
            out.push_back(b == 0x7D ? 0x01 : 0x02);
        } else {
            out.push_back(b);
        }
    }
    return out;
}

std::vector<std::uint8_t> WireFrame(std::uint16_t signId, std::span<const std::uint8_t> content)
{
    std::vector<std::uint8_t> body;
    body.reserve(content.size() + 6);
    const auto length = static_cast<std::uint16_t>(content.size());
    body.push_back(static_cast<std::uint8_t>(signId >> 8));
    body.push_back(static_cast<std::uint8_t>(signId & 0xFF));
    body.push_back(static_cast<std::uint8_t>(length >> 8));
    body.push_back(static_cast<std::uint8_t>(length & 0xFF));
    body.insert(body.end(), content.begin(), content.end());
    const std::uint16_t check = FrameCheckSum(body);
    body.push_back(static_cast<std::uint8_t>(check >> 8));
    body.push_back(static_cast<std::uint8_t>(check & 0xFF));

    std::vector<std::uint8_t> frame{0x7E, 0x01};
    const std::vector<std::uint8_t> escaped = EscapeBytes(body);
    frame.insert(frame.end(), escaped.begin(), escaped.end());
    frame.push_back(0x7E);
    frame.push_back(0x00);
    return frame;
}

std::optional<std::string> BenchFrameText(std::uint16_t signId, std::string_view command,
                                          std::span<const std::uint8_t> data)
{
    if (data.size() > kMaxBenchDataBytes) return std::nullopt;
    std::string text = "7E 01 ";
    text += HexByte(static_cast<std::uint8_t>(signId >> 8), false).text;
    text += HexByte(static_cast<std::uint8_t>(signId & 0xFF), false).text;
    text += "00 ";
    text += HexByte(static_cast<std::uint8_t>(command.size() + data.size()), false).text;
    for (char c : command) text += HexByte(static_cast<std::uint8_t>(c), false).text;
    for (std::uint8_t b : data) text += HexByte(b, false).text;
    text += "FF FF 7E 00 ";
    return text;
}

}  // namespace protocol
