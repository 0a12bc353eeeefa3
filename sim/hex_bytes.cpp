#include "sim/hex_bytes.h"

namespace sim {
namespace {

int Nibble(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == ','; }

}  // namespace

std::optional<std::vector<std::uint8_t>> ParseHexBytes(std::string_view text)
{
    std::vector<std::uint8_t> bytes;
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsBlank(text[i])) {
            ++i;
            continue;
        }
        // A word must end on a whole byte: a digit alone before a blank is refused.
        if (i + 1 >= text.size()) return std::nullopt;
        const int high = Nibble(text[i]);
        const int low = Nibble(text[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(high << 4 | low));
        i += 2;
    }
    return bytes;
}

}  // namespace sim
