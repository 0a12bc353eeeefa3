#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "sim/command_family.h"

namespace sim {

// The option that holds the data of every plain acknowledgement as hex text.
inline constexpr const char* kReplyDataOption = "reply-data";

// The data of a plain acknowledgement: status 00, or the bytes of the "reply-data"
// option (checked when the command line was read).
std::vector<std::uint8_t> PlainAcknowledgement(const SimOptions& options);

// The virtual sign: asks its command families in order and acknowledges whatever
// none of them knows.
class Sign {
public:
    Sign(std::vector<std::unique_ptr<CommandFamily>> families, std::vector<std::uint8_t> acknowledgement);

    Reply Answer(const Request& request);
    // Offers bytes that came outside frames to the families; true when one took them.
    bool Unframed(std::span<const std::uint8_t> bytes);

private:
    std::vector<std::unique_ptr<CommandFamily>> families_;
    std::vector<std::uint8_t> acknowledgement_;
};

}  // namespace sim
