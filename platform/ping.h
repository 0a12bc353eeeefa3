#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct PingOutcome {
    enum class Kind {
        Replied,     // an echo reply came; source holds its sender
        Unanswered,  // no reply before the deadline, or an ICMP error (unreachable) instead
        Failed,      // the address cannot be used or the echo cannot be sent; error says why
    };
    Kind kind = Kind::Failed;
    std::string source;  // dotted, as inet_ntop writes it: "127.0.0.1"
    std::string error;
};

// A dotted IPv4 address of four decimal parts from 0 to 255, leading zeros read as
// decimal ("192.168.001.250" is 192.168.1.250); in network byte order.
std::optional<std::uint32_t> ParseDottedAddress(std::string_view text);

// One ICMP echo request to host and the wait for its reply, up to timeoutMs. Uses an
// unprivileged ICMP datagram socket, or a raw socket where the system allows no
// datagram one.
PingOutcome Ping(const std::string& host, int timeoutMs);

}  // namespace platform
