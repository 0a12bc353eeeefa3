#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

// The misbehaviours asked for on the command line; several may be combined.
struct Faults {
    bool silent = false;                 // silent: answer nothing
    std::optional<int> lateMs;           // late:MS: answer after MS milliseconds
    std::optional<int> piecesMs;         // pieces:MS: answer in 3-byte pieces MS apart
    bool badCheck = false;               // badcheck: check field off by one
    bool unframed = false;               // unframed: the escaped body without its markers
    bool drop = false;                   // drop: send the first half, then close the connection
    std::optional<std::uint8_t> status;  // status:XX: this status instead of the family's
    bool noEnd = false;                  // noend: leave out the closing 7E 00
    std::optional<std::size_t> flood;    // flood:N: 7E 01 and N bytes of 41, never closed
    std::vector<std::uint8_t> prefix;    // prefix:HEX: these bytes before the reply

    bool Any() const;
};

// Adds one fault given as KIND or KIND:VALUE. Returns an error message, empty on success.
std::string AddFault(std::string_view text, Faults& faults);

}  // namespace sim
