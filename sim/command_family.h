#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace sim {

// A frame the virtual sign accepted: escapes undone, length and check verified.
struct Request {
    std::uint16_t signId = 0;
    std::string command;              // the four letters, e.g. "NONE"
    std::vector<std::uint8_t> data;   // the bytes after the command letters
};

// What the sign answers. The reply frame carries the request's command letters,
// then `data` (its first byte is the status at offset 10, 00 for success), then
// FrameCheckSum.
struct Reply {
    std::vector<std::uint8_t> data{0x00};
    bool silent = false;  // answer nothing at all
    int delayMs = 0;      // the sign's own reply delay (set with BAUD), before any late fault
};

// Settings given on the command line that a family may read ("--adc 1,2,3" is
// available as options.at("adc")).
using SimOptions = std::map<std::string, std::string>;

// One group of commands with the state a sign keeps for them (programs and
// variables, clock and device settings, event windows, ...). The sign asks each
// family in turn; the first that knows the command answers it.
class CommandFamily {
public:
    virtual ~CommandFamily() = default;
    // nullopt: not a command of this family.
    virtual std::optional<Reply> Handle(const Request& request) = 0;
    // Bytes that came outside any frame (e.g. the two bytes that leave update
    // mode). Returns true when the family consumed them.
    virtual bool HandleUnframed(std::span<const std::uint8_t> bytes) { (void)bytes; return false; }
};

}  // namespace sim
