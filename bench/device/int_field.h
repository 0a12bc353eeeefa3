#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace device {

// A number typed into an edit, a grid cell or a spin edit: optional blanks, an
// optional sign, decimal digits. A field that is not such a number stops its
// handler with the conversion error, so the caller gets the message to show.
struct IntField {
    std::optional<long long> value;
    std::string error;  // "'abc' is not a valid integer value" when value is empty
};

IntField ParseIntField(std::string_view text);

// The message of the standard conversion error for a text.
std::string NotAnIntegerMessage(std::string_view text);

}  // namespace device
