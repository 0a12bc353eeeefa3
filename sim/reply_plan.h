#pragma once

#include <cstdint>
#include <vector>

#include "sim/command_family.h"
#include "sim/fault.h"

namespace sim {

// Bytes to write after a pause measured from the previous piece (or from the request).
struct ReplyPiece {
    int delayMs = 0;
    std::vector<std::uint8_t> bytes;
};

// How one reply goes out on the wire.
struct ReplyPlan {
    std::vector<ReplyPiece> pieces;  // empty: nothing is sent
    bool closeAfter = false;         // close the TCP connection once the pieces are out
};

// The reply frame: 7E 01, the request's sign id, length, the request's command
// letters, the reply data, check, 7E 00; escaped between the markers. checkOffset
// is added to FrameCheckSum (0 for a correct frame).
std::vector<std::uint8_t> ReplyFrame(const Request& request, const std::vector<std::uint8_t>& data,
                                     int checkOffset = 0);

// The plan for the family's reply, bent by the faults (pass no faults for a sound reply).
ReplyPlan PlanReply(const Request& request, const Reply& reply, const Faults& faults);

}  // namespace sim
