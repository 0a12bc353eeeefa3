#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fields {

// Blanks before the number: the Setup and Event pages skip them (as the operator's
// " 12" has always been read there); the content pages refuse them, so a sign id
// typed with a blank is reported rather than sent.
enum class LeadingBlanks { Skip, Refuse };

// A number typed into an edit, a grid cell or a combo: optional blanks before it
// (see LeadingBlanks), an optional sign, decimal digits, within 32 bits. Anything
// else, blanks after the digits included, carries the conversion error to show.
struct IntegerField {
    std::optional<std::int32_t> value;
    std::string error;  // "'abc' is not a valid integer value" when value is empty
};

IntegerField ParseIntegerField(std::string_view text, LeadingBlanks blanks = LeadingBlanks::Skip);

// The message of the standard conversion error for a text.
std::string NotIntegerMessage(std::string_view text);

}  // namespace fields
