#pragma once

#include <cstdint>
#include <span>

namespace protocol {

// Wrapping 16-bit sum of the unescaped bytes from the first sign-id byte through
// the last data byte, plus 0x5AA5.
std::uint16_t FrameCheckSum(std::span<const std::uint8_t> bytes);

}  // namespace protocol
