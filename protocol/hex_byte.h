#pragma once

#include <cstdint>
#include <string>

namespace protocol {

// One byte as FrameText. With raw false the two marker bytes are escaped:
// 7D becomes "7D 01 " and 7E becomes "7D 02 " (count 2).
struct HexByteText {
    std::string text;
    int count = 0;
};

HexByteText HexByte(std::uint8_t value, bool raw);

// Two upper-case hex digits and a space, never escaped.
std::string HexPair(std::uint8_t value);

}  // namespace protocol
