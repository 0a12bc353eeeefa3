#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace protocol {

inline constexpr std::uint16_t kAllSignsId = 0xFEFE;  // 65278, every sign answers to it
// The bench writes the length's high byte as a literal 00, so its frames hold at most
// 251 data bytes (4 command bytes + 251 = 255).
inline constexpr std::size_t kMaxBenchDataBytes = 251;

// 7D -> 7D 01 and 7E -> 7D 02; every other byte as it is.
std::vector<std::uint8_t> EscapeBytes(std::span<const std::uint8_t> bytes);

// A complete wire frame with FrameCheckSum: 7E 01, escaped (id, length, content,
// check), 7E 00. The content is the command letters followed by the data.
std::vector<std::uint8_t> WireFrame(std::uint16_t signId, std::span<const std::uint8_t> content);

// The bench's FrameText of a frame: "7E 01 ", id, "00 ", 4 + n, the command letters,
// the data, "FF FF 7E 00 ", every byte between the markers through HexByte (escaped).
// nullopt when the data do not fit the one-byte length (more than 251 bytes).
std::optional<std::string> BenchFrameText(std::uint16_t signId, std::string_view command,
                                          std::span<const std::uint8_t> data);

}  // namespace protocol
