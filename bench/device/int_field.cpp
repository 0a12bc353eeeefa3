#include "bench/device/int_field.h"

#include <limits>

namespace device {

std::string NotAnIntegerMessage(std::string_view text)
{
    return "'" + std::string(text) + "' is not a valid integer value";
}

IntField ParseIntField(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return {std::nullopt, NotAnIntegerMessage(text)};
    long long value = 0;
    // Sign ids and areas are 32-bit numbers on the sign's side; anything wider is
    // as invalid as a letter.
    constexpr long long kLimit = std::numeric_limits<int>::max();
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return {std::nullopt, NotAnIntegerMessage(text)};
        value = value * 10 + (c - '0');
        if (value > kLimit + 1) return {std::nullopt, NotAnIntegerMessage(text)};
    }
    if (!negative && value > kLimit) return {std::nullopt, NotAnIntegerMessage(text)};
    return {negative ? -value : value, {}};
}

}  // namespace device
