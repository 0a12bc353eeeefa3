#include "bench/fields/sign_id.h"

#include "bench/fields/integer_field.h"

namespace fields {

SignIdField ParseSignId(std::string_view text)
{
    const IntegerField number = ParseIntegerField(text, LeadingBlanks::Skip);
    if (!number.value) return {std::nullopt, number.error};
    if (*number.value < 0 || *number.value > 0xFFFF) return {std::nullopt, NotIntegerMessage(text)};
    return {static_cast<std::uint16_t>(*number.value), {}};
}

}  // namespace fields
