#pragma once

#include "bench/events/event_frame.h"

namespace shell {
class BenchHost;
}

namespace events {

// Builds the EVEN frame with the sign id of the link area, puts it into
// EditHexData, shows it with layout 0 and sends it. A sign id that is no number
// stops with the conversion error; data too long for the length byte stop with an
// ERROR line. Returns true when the frame went out.
bool SendEventFrame(shell::BenchHost& host, const EventCommand& command);

}  // namespace events
