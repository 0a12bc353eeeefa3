#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace sim {

// Hex text such as "00 7E 7D 41" or "007E" to bytes: words separated by blanks, each
// an even number of hex digits in either case. nullopt for anything else.
std::optional<std::vector<std::uint8_t>> ParseHexBytes(std::string_view text);

}  // namespace sim
