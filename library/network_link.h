#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "library/frame_link.h"
#include "platform/tcp_client.h"

namespace signlink {

// The network link of a run: one connection for all frames and attempts. Each
// connect, each send and each whole reception has its own deadline (about one
// second in the library). A reception that ends without a whole reply shuts the
// connection down, so the remaining attempts of the run fail at once with -11.
class NetworkLink : public FrameLink {
public:
    // The link, or -10 when no connection is made within limitMs.
    static std::variant<NetworkLink, int> Open(const std::string& address, long long port, int limitMs);

    int Exchange(std::span<const std::uint8_t> wireFrame, std::vector<std::uint8_t>& reply) override;

private:
    NetworkLink(platform::TcpClient client, int limitMs) : client_(std::move(client)), limitMs_(limitMs) {}
    platform::TcpClient client_;
    int limitMs_;
};

}  // namespace signlink
