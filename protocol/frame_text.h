#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace protocol {

// The longest FrameText the bench converts: 2,047 characters, 682 bytes.
inline constexpr std::size_t kMaxFrameTextChars = 2047;

// Triples "HH " to bytes; stops at the first triple whose third character is not
// a space; characters after the last whole triple are ignored. Nothing is rejected:
// digits outside 0-9/A-F give nibbles by the same arithmetic (code - 0x30 or - 0x37).
std::vector<std::uint8_t> FrameTextToBytes(std::string_view text);

// N bytes as FrameText without escaping ("41 42 ").
std::string HexText(std::span<const std::uint8_t> bytes);

// A 32-bit value as eight upper-case hex digits, most significant first, no spaces.
std::string HexText32(std::uint32_t value);

// Hex text to an integer: upper-cased, at most the first eight characters, each adds
// four bits (code - 0x30 up to '9', code - 0x37 above, masked to four bits).
std::uint32_t HexTextToInt(std::string_view text);

}  // namespace protocol
