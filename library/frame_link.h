#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace signlink {

// One link of a run (serial port or TCP connection), open for the whole run.
class FrameLink {
public:
    virtual ~FrameLink() = default;
    // Sends one wire frame and collects the raw reply (possibly no byte) into
    // `reply`. 0, or a link code (-11 when the frame cannot be sent).
    virtual int Exchange(std::span<const std::uint8_t> wireFrame, std::vector<std::uint8_t>& reply) = 0;
};

}  // namespace signlink
