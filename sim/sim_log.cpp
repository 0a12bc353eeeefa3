#include "sim/sim_log.h"

#include "protocol/frame_text.h"

namespace sim {

SimLog::SimLog(const std::string& path) : enabled_(true), out_(path, std::ios::out | std::ios::trunc) {}

void SimLog::Write(std::string_view tag, std::span<const std::uint8_t> bytes)
{
    if (!enabled_) return;
    out_ << tag << ' ' << protocol::HexText(bytes) << '\n' << std::flush;
}

}  // namespace sim
