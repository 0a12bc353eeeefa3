#include "bench/fields/integer_field.h"

#include <limits>

namespace fields {

std::string NotIntegerMessage(std::string_view text)
{
    return "'" + std::string(text) + "' is not a valid integer value";
}

IntegerField ParseIntegerField(std::string_view text, LeadingBlanks blanks)
{
    const IntegerField invalid{std::nullopt, NotIntegerMessage(text)};
    std::size_t i = 0;
    if (blanks == LeadingBlanks::Skip) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return invalid;
    // Sign ids, areas and codes are 32-bit numbers on the sign's side; anything
    // wider is as invalid as a letter.
    constexpr long long kLimit = std::numeric_limits<std::int32_t>::max();
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return invalid;
        value = value * 10 + (c - '0');
        if (value > kLimit + 1) return invalid;
    }
    if (!negative && value > kLimit) return invalid;
    return {static_cast<std::int32_t>(negative ? -value : value), {}};
}

}  // namespace fields
