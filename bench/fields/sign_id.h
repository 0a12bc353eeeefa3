#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fields {

// A sign id as typed in EditSignEdit: a number field (blanks before it skipped)
// from 0 to 65,535, the two bytes of the frame's address. An id outside that range
// is refused with the same conversion message as a text that is no number, never cut
// to its low 16 bits, which would send 65536 to sign 0 and -1 to sign 65535.
struct SignIdField {
    std::optional<std::uint16_t> value;
    std::string error;  // the conversion box's text when value is empty
};

SignIdField ParseSignId(std::string_view text);

}  // namespace fields
