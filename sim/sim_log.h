#pragma once

#include <cstdint>
#include <fstream>
#include <span>
#include <string>
#include <string_view>

namespace sim {

// The --log file: one line per received frame ("RX " and its bytes), per anomaly
// ("BAD LENGTH ", "BAD ESCAPE ", "BAD CHECK ", "BAD END ") and per chunk of bytes
// outside frames ("UNFRAMED "). Each line is flushed at once so a test can read it.
// Without a file every call does nothing.
class SimLog {
public:
    SimLog() = default;
    // Opens (and empties) the file; Ok() tells whether that worked.
    explicit SimLog(const std::string& path);

    bool Ok() const { return !enabled_ || out_.good(); }
    void Write(std::string_view tag, std::span<const std::uint8_t> bytes);

private:
    bool enabled_ = false;
    std::ofstream out_;
};

}  // namespace sim
